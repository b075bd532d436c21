// app/config_lines.h — the "key=value" line files of the configuration and the bike setups:
// reading them line by line with warnings for what can't be used, setting items from texts,
// and writing a file whole so that a failed write never costs the old one.
#pragma once

#include "app/settings.h"

struct stream;

// Logs "config warning: line N: ..." (line 0 leaves the number out).
void config_warning(int line, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Reads the text with "%f": exactly one value is stored, clamped (with a warning when it was
// outside the range); false, with a warning, leaves the value as it was.
bool set_number(setting_number* number, const char* text);
bool config_set_number(setting_number* number, const char* text, int line);
// set_choice with a warning when the text names no choice.
bool config_set_choice(setting_choice* choice, const char* text, int line);
// A binding from its text: "(k)name" or "name" for a key, "(low,high)name" for an axis.
void parse_binding(control_binding* binding, const char* text);

// Every "key=value" line of the stream, cut at the first "=" with the line end removed.
// Lines without "=" and lines longer than 1023 characters are warned about and skipped.
using config_line_reader = void (*)(const char* key, const char* value, int line);
void config_read_stream(stream* in, config_line_reader reader);
// The same for a file; 0 when it can't be opened (nothing is reported).
int config_read_file(const char* name, config_line_reader reader);
// Writes the file through a new file renamed into place; 0 (and the old file kept) when any
// part of the write fails.
int config_write_file(const char* name, void (*writer)(stream* out));
