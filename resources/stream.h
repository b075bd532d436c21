// resources/stream.h — the open-file object every reader and writer of the game uses:
// plain files, archive members, gzip and scrambled files read alike, with one character of
// look-ahead and the program's own formatted reader. A stream belongs to one thread.
#pragma once

#include <cstdint>
#include <cstdio>

struct gzip_reader;
struct scram_reader;

constexpr int32_t stream_unlimited = 0x7FFFFFFF;

struct stream {
    FILE* file;        // the loose file or the archive
    int32_t base;      // offset of the stream's first byte in file
    int32_t length;    // bytes the stream may deliver; stream_unlimited for plain files
    uint32_t position; // bytes delivered so far (a pushed-back byte counts)
    int32_t pushback;  // one byte of look-ahead, -1 when empty
    bool gzipped;      // bytes pass through the gzip reader
    bool scrambled;    // bytes pass through the scrambled-file reader
    gzip_reader* gzip;
    scram_reader* cipher;
};

// Opens a game name ("@" + name: user home, data folder, then archives) or a plain path.
// mode is a C library mode; a leading "~" keeps a numbered backup of the file it replaces.
// Reading-only opens fall back to name.gz, name.scram and name.gz.scram. Null on failure;
// nothing is reported. Writes never go to the data folder or into archives.
stream* stream_open(const char* name, const char* mode);
void stream_close(stream* s);
// Renames; "@" stands for the user home. 1 on success.
int stream_rename(const char* from, const char* to);

// Reading: bytes 0..255, -1 at the end of the data.
int stream_getc(stream* s);
int stream_peekc(stream* s);
// Up to size - 1 bytes, stopping after a line feed (kept); always terminated. Null when the
// data ended before any byte.
char* stream_gets(stream* s, char* buffer, int size);
int stream_read(stream* s, void* buffer, int count);
// Plain streams only (not gzip, not scrambled), offset below the length. 1 on success.
int stream_seek(stream* s, int32_t offset);

// Writing goes straight to the file.
int stream_putc(stream* s, int byte);
int stream_puts(stream* s, const char* text);
int stream_write(stream* s, const void* data, int count);
int stream_printf(stream* s, const char* format, ...) __attribute__((format(printf, 2, 3)));
int stream_flush(stream* s);

// The program's formatted reader: d i o x X f s c [ n %, with widths, "*", "h", "l", "L"
// and "q". Returns the number of assigned conversions, or -1 when the data ended before the
// first one or a literal did not match.
int stream_scanf(stream* s, const char* format, ...);
