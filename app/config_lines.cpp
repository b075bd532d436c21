// app/config_lines.cpp — line reading, item setting and whole-file writing for the
// configuration and bike setup files.
#include "app/config_lines.h"

#include "platform/log.h"
#include "platform/messages.h"
#include "resources/stream.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

namespace {
constexpr int line_bytes = 1024; // 1023 characters and the terminator
}

void config_warning(int line, const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (line > 0)
        log_printf("config warning: line %d: %s\n", line, text);
    else
        log_printf("config warning: %s\n", text);
}

namespace {
// Reads one number and stores it clamped; the value as read goes to *read.
bool read_number(setting_number* n, const char* text, double* read) {
    if (sscanf(text, "%lf", read) != 1) return false;
    n->value = *read < n->minimum ? n->minimum : *read > n->maximum ? n->maximum : *read;
    return true;
}
} // namespace

bool set_number(setting_number* n, const char* text) {
    double read;
    return read_number(n, text, &read);
}

bool config_set_number(setting_number* n, const char* text, int line) {
    double value;
    if (!read_number(n, text, &value)) {
        config_warning(line, "%s: \"%.100s\" is not a number, kept %f", n->key, text, n->value);
        return false;
    }
    if (value != n->value)
        config_warning(line, "%s: %.100s is outside %f..%f, set to %f", n->key, text, n->minimum,
                       n->maximum, n->value);
    return true;
}

bool config_set_choice(setting_choice* c, const char* text, int line) {
    if (set_choice(c, text)) return true;
    config_warning(line, "%s: \"%.100s\" is not one of its choices, kept \"%s\"", c->key, text,
                   choice_name(c));
    return false;
}

void parse_binding(control_binding* b, const char* text) {
    while (*text == ' ' || *text == '\t' || *text == '\r' || *text == '\n') ++text;
    b->key_name = nullptr;
    b->key_code = 0;
    b->axis_name = nullptr;
    b->axis = nullptr;
    b->axis_low = 0;
    b->axis_high = 1;
    const char* close = strchr(text, ')');
    float low, high;
    if (text[0] == '(' && close && sscanf(text, "(%f,%f)", &low, &high) == 2) {
        b->axis_low = low;
        b->axis_high = high;
        b->axis_name = intern_string(close + 1);
        return;
    }
    if (strncmp(text, "(k)", 3) == 0) text += 3;
    b->key_name = intern_string(text);
}

void config_read_stream(stream* in, config_line_reader reader) {
    char buffer[line_bytes];
    int line = 0;
    bool in_long_line = false; // the rest of a line too long to use
    while (stream_gets(in, buffer, sizeof buffer)) {
        size_t length = strlen(buffer);
        bool whole = length > 0 && buffer[length - 1] == '\n';
        if (in_long_line) {
            in_long_line = !whole;
            continue;
        }
        ++line;
        if (!whole && length == sizeof buffer - 1) {
            config_warning(line, "longer than %d characters, skipped", line_bytes - 1);
            in_long_line = true;
            continue;
        }
        char* equals = strchr(buffer, '=');
        if (!equals) {
            if (buffer[strspn(buffer, " \t\r\n")] != 0) config_warning(line, "no \"=\", skipped");
            continue;
        }
        *equals = 0;
        char* value = equals + 1;
        size_t end = strlen(value);
        while (end > 0 && (value[end - 1] == '\r' || value[end - 1] == '\n')) value[--end] = 0;
        reader(buffer, value, line);
    }
}

int config_read_file(const char* name, config_line_reader reader) {
    stream* in = stream_open(name, "rb");
    if (!in) return 0;
    config_read_stream(in, reader);
    stream_close(in);
    return 1;
}

int config_write_file(const char* name, void (*writer)(stream* out)) {
    std::string fresh = std::string(name) + ".new";
    stream* out = stream_open(fresh.c_str(), "wb");
    if (!out) return 0;
    writer(out);
    bool ok = stream_flush(out) == 0 && !ferror(out->file);
    stream_close(out);
    if (!ok || !stream_rename(fresh.c_str(), name)) {
        config_warning(0, "could not write %s; the old file is kept", name);
        return 0;
    }
    return 1;
}
