// platform/messages.cpp — print_message and the ring of the last 1000 message lines that
// the race display shows. Main thread only.
#include "platform/messages.h"

#include "platform/log.h"

#include <cstring>

namespace {
const double no_clock = 0;
constexpr double first_line_seconds = 2.0; // the newest message keeps the oldest line up
constexpr double next_line_seconds = 5.0;  // then one line leaves every 5 s
} // namespace

message_ring_state message_ring = {{}, 0, 0, 5, 0, &no_clock};

void print_message(const char* text) {
    const char* reset = strchr(text, 0x1b) ? "\x1b[0m" : "";
    size_t length = strlen(text);
    if (length > 0 && text[length - 1] == '\n')
        log_printf("%s%s", text, reset);
    else
        log_printf("%s%s\n", text, reset);

    char* line = message_ring.lines[message_ring.next];
    message_ring.next = (message_ring.next + 1) % message_ring_size;
    size_t kept = length < message_line_bytes - 1 ? length : message_line_bytes - 1;
    memcpy(line, text, kept);
    line[kept] = 0;
    if (message_ring.count < message_ring.max_visible) ++message_ring.count;
    message_ring.deadline = *message_ring.clock + first_line_seconds;
}

void message_ring_clear() {
    memset(message_ring.lines, 0, sizeof message_ring.lines);
    message_ring.count = 0;
}

void message_retire(double game_clock) {
    if (game_clock > message_ring.deadline && message_ring.count > 0) {
        --message_ring.count;
        message_ring.deadline = game_clock + next_line_seconds;
    }
}

const char* message_visible_line(int i) {
    if (i < 0 || i >= message_ring.count) return nullptr;
    int index =
        ((message_ring.next - 1 - i) % message_ring_size + message_ring_size) % message_ring_size;
    return message_ring.lines[index];
}
