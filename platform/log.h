// platform/log.h — the log file, option settings from VEXO_OPTIONS, control-name aliases
// and the name pool. The lowest layer: everything else may call these, from any thread
// for the log, from the main thread for the rest.
#pragma once

#include <cstdint>

// Writes one time-stamped log line (the text is written as formatted; no newline is added).
// The first call opens the log: a text beginning "VEXO_LOGFILE=" names the file and is not
// itself written. A format whose first byte is 0x13 is a control text ("\x13FLUSH",
// "\x13NOFLUSH"): it switches the per-line disk commit and is never written. A null format
// closes the log for good. Safe from any thread; a flushed line costs an fsync.
void log_printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Logs "Error: %s\n" and remembers the text pointer (not copied: it must outlive the call).
void log_error(const char* text);
const char* last_error_text();

// The "[h:mm:ss.hh] " prefix of a line written at the given millisecond clock reading.
// buffer must hold at least 32 bytes.
void log_format_prefix(uint64_t clock_ms, char* buffer, int size);

// Option settings: "[name:value]" groups in VEXO_OPTIONS, read once.
int option_bool(const char* name, int default_value);
int option_int(const char* name, int default_value);
// Reads VEXO_OPTIONS again; only tests change the environment after start-up.
void options_reload();

// One-step text replacements for control names; the first alias of a name wins.
int alias_add(const char* name, const char* target);
const char* alias_resolve(const char* name);

// Unique, never-freed copies of texts; null only when memory runs out.
const char* name_pool_add(const char* text);
