// tests/fuzz/stream_scanf_fuzz.cpp — the formatted reader on any text, called repeatedly on
// one stream. The first byte picks a game-like format, or else the bytes up to a zero byte
// become a format, rebuilt so that every conversion fits the targets passed.
#include "resources/internal.h"
#include "resources/stream.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int target_count = 12;
constexpr int target_size = 256;
constexpr uint32_t text_width_cap = target_size - 1; // room for the zero byte
constexpr size_t format_limit = 64;
constexpr int call_limit = 16;

// Formats of the kind the game's text files are read with.
const char* const game_formats[] = {
    " %1[#]%*[^\n]",      "%d %f %f %f",         "%i %i %o %x %f %lf %Lf",
    "%63s %200[^\n]",     " [ %f %f ] %d%n",     "%hd %hn %*d %5c %X",
    "%40[a-z0-9_.-]%%%n", "%3d%2i%4f%lf%qf %hi", " \"%200[^\"]\"",
};
constexpr size_t game_format_count = sizeof game_formats / sizeof game_formats[0];

bool is_digit(uint8_t c) {
    return c >= '0' && c <= '9';
}

// Copies text, keeping only the conversions the reader knows and at most target_count that
// take an address; s, c and [ always get an explicit width that fits a target.
std::string safe_format(const uint8_t* f, size_t n) {
    std::string out;
    int targets = 0;
    size_t i = 0;
    while (i < n) {
        uint8_t c = f[i++];
        if (c != '%') {
            out += (char)c;
            continue;
        }
        std::string flags;
        uint32_t width = 0;
        bool suppress = false;
        for (; i < n && (is_digit(f[i]) || strchr("*hlLq", f[i])); ++i) {
            if (is_digit(f[i])) {
                width = width * 10 + (f[i] - '0');
                if (width > 9999) width = 9999;
            } else {
                flags += (char)f[i];
                suppress = suppress || f[i] == '*';
            }
        }
        if (i == n) break;
        uint8_t letter = f[i++];
        if (!strchr("dioxXfsc[n%", letter)) continue;
        bool takes_address = !suppress && letter != '%';
        if (takes_address && targets == target_count) break;
        if (takes_address) ++targets;
        if (letter == 's' || letter == '[' || letter == 'c') {
            if (width == 0) width = letter == 'c' ? 1 : text_width_cap;
            if (width > text_width_cap) width = text_width_cap;
        }
        out += '%';
        out += flags;
        if (width) out += std::to_string(width);
        out += (char)letter;
        if (letter == '[') {
            // The set as the reader parses it: "^", a first member that may be "]", then up
            // to the closing "]".
            if (i < n && f[i] == '^') out += (char)f[i++];
            if (i < n) out += (char)f[i++];
            while (i < n && f[i] != ']') out += (char)f[i++];
            if (i < n) out += (char)f[i++];
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    std::string format;
    size_t rest;
    if (data[0] < game_format_count) {
        format = game_formats[data[0]];
        rest = 1;
    } else {
        size_t n = 1;
        while (n < size && n <= format_limit && data[n] != 0) ++n;
        format = safe_format(data + 1, n - 1);
        rest = n < size && data[n] == 0 ? n + 1 : n;
    }
    size_t length = size - rest;
    std::vector<uint8_t> text(data + rest, data + size);
    text.push_back(0); // fmemopen wants a buffer even for no text
    FILE* file = fmemopen(text.data(), length, "rb");
    if (!file) return 0;
    stream* s = stream_wrap_file(file);

    // All object pointers share one representation here, so one set of untyped targets
    // serves every conversion; each is large enough for the widest and a block of its own,
    // so that an overrun shows.
    static void* t[target_count];
    for (int i = 0; i < target_count; ++i)
        if (!t[i]) t[i] = new uint8_t[target_size];
    for (int call = 0; call < call_limit; ++call) {
        uint32_t before = s->position;
        int result = stream_scanf(s, format.c_str(), t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7],
                                  t[8], t[9], t[10], t[11]);
        if (result < -1 || result > target_count) __builtin_trap();
        if (s->position > length) __builtin_trap();
        if (result < 0 || s->position == before) break;
    }
    stream_close(s);
    return 0;
}
