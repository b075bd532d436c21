// platform/messages.h — the game's own fatal paths and message services: print_message
// with its on-screen message ring, xmalloc with the out-of-memory exit, intern_string and
// error_box. print_message and the ring are main-thread only.
#pragma once

#include <cstddef>

constexpr int message_ring_size = 1000;
constexpr int message_line_bytes = 128; // 127 characters and the terminator

// The most recent printed messages, read by the race display.
struct message_ring_state {
    char lines[message_ring_size][message_line_bytes];
    int next;            // the line the next message overwrites, 0..999
    int count;           // newest lines visible, at most max_visible
    int max_visible;     // the configured message_lines (5)
    double deadline;     // game clock, s, when the oldest visible line goes
    const double* clock; // the game clock the deadlines count on
};
extern message_ring_state message_ring;

// Logs the text (always ending in a newline) and shows it in the message ring.
void print_message(const char* text);
// Clears all 1000 lines and hides them.
void message_ring_clear();
// The main loop's retirement: past the deadline one visible line fewer, next in 5 s.
void message_retire(double game_clock);
// The newest visible line, i = 0 the newest; null when fewer lines are visible.
const char* message_visible_line(int i);

// Allocation that never returns null: running out closes sound and window, shows
// "Out of virtual memory" and exits with status 1.
void* xmalloc(size_t size);
[[noreturn]] void out_of_memory();

// A permanent copy of the text; equal texts give the same pointer. Linear search: meant
// for the few hundred names of settings and bindings, not for hot paths.
const char* intern_string(const char* text);

// Shows a modal message box (when a display is there) and writes the text to standard
// error. Formats at most 1023 characters. Blocks until dismissed.
void error_box(const char* title, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The binding that shows the box; tests and display-less runs may replace it.
// Returns 1 when a box was shown.
extern int (*error_box_show)(const char* title, const char* text);
