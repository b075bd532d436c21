// platform/log.cpp — the log file: opened by the first message, one time-stamped line per
// call, per-line disk commits switched by the FLUSH and NOFLUSH control texts.
// Any thread may write; a mutex keeps the prefix and its text together and guards closing.
#include "platform/log.h"

#include "platform/clock.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <unistd.h>

namespace {

constexpr char setup_prefix[] = "VEXO_LOGFILE=";
constexpr int setup_prefix_length = 13;
constexpr char control_byte = 0x13;

struct log_state {
    FILE* file = nullptr;
    bool started = false;
    bool flush = true;
    const char* last_error = "Unknown";
    std::mutex lock;
};
log_state the_log;

// Writes the prefix and the text as one line; the caller holds the lock.
void write_line(const char* text) {
    if (!the_log.file) return;
    char prefix[32];
    log_format_prefix(time_now_ms(), prefix, sizeof prefix);
    std::string line = prefix;
    line += text;
    fwrite(line.data(), 1, line.size(), the_log.file);
    if (the_log.flush) {
        fflush(the_log.file);
        fsync(fileno(the_log.file));
    }
}

std::string format_text(const char* format, va_list args);

void write_formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));
void write_formatted(const char* format, ...) {
    // No fixed buffer: a long log path must not cut the line before its newline.
    va_list args;
    va_start(args, format);
    std::string text = format_text(format, args);
    va_end(args);
    write_line(text.c_str());
}

// Opens the file the first message names; a failure leaves the log silent.
void open_log(const char* setup_path) {
    const char* env_path = getenv("VEXO_LOGFILE");
    const char* env_flags = getenv("VEXO_LOGFILE_FLAGS");
    const char* path = env_path ? env_path : setup_path;
    the_log.started = true;
    if (!path) return;
    const char* mode = "w";
    if (path[0] == '>') {
        ++path;
        if (path[0] == '>') {
            ++path;
            mode = "a";
        }
    }
    if (env_flags) mode = env_flags;
    the_log.file = fopen(path, mode);
    write_formatted("Logfile \"%s\" opened\n", path);
    write_line("VEXO 0.31\n");
}

std::string format_text(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    char small[512];
    int length = vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (length < 0) return std::string();
    if (length < (int)sizeof small) return std::string(small, length);
    std::string text(length + 1, '\0');
    vsnprintf(text.data(), text.size(), format, args);
    text.resize(length);
    return text;
}

} // namespace

void log_format_prefix(uint64_t clock_ms, char* buffer, int size) {
    uint64_t seconds = clock_ms / 1000;
    int hundredths = (int)(clock_ms % 1000) * 1000 / 10000;
    snprintf(buffer, size, "[%d:%02d:%02d.%02d] ", (int)(seconds / 3600), (int)(seconds / 60 % 60),
             (int)(seconds % 60), hundredths);
}

void log_printf(const char* format, ...) {
    std::lock_guard<std::mutex> hold(the_log.lock);
    if (!format) {
        if (the_log.file) fclose(the_log.file);
        the_log.file = nullptr;
        the_log.started = true; // never reopened
        return;
    }
    // Formatting first means a '%' inside the set-up message's path is only ever text.
    va_list args;
    va_start(args, format);
    std::string text = format_text(format, args);
    va_end(args);
    if (!the_log.started) {
        bool setup = strncmp(text.c_str(), setup_prefix, setup_prefix_length) == 0;
        open_log(setup ? text.c_str() + setup_prefix_length : nullptr);
        if (setup) return;
    }
    if (format[0] == control_byte) {
        if (strcmp(format + 1, "FLUSH") == 0)
            the_log.flush = true;
        else if (strcmp(format + 1, "NOFLUSH") == 0)
            the_log.flush = false;
        return;
    }
    write_line(text.c_str());
}

void log_error(const char* text) {
    log_printf("Error: %s\n", text);
    std::lock_guard<std::mutex> hold(the_log.lock);
    the_log.last_error = text;
}

const char* last_error_text() {
    std::lock_guard<std::mutex> hold(the_log.lock);
    return the_log.last_error;
}
