// resources/stream_io.cpp — reading and writing an open stream. Reads take their bytes from
// the gzip reader, the scrambled reader or the file, never past an archive member's end.
#include "resources/internal.h"

#include <cstdarg>
#include <cstring>

namespace {

// Up to n bytes from the stream's source; position counts them.
int take(stream* s, unsigned char* buffer, int n) {
    int got;
    if (s->gzipped) {
        got = gzip_read(s, buffer, n);
    } else if (s->scrambled) {
        got = scram_read(s->cipher, buffer, n);
    } else {
        int64_t left = (int64_t)s->length - s->position;
        if (n > left) n = left > 0 ? (int)left : 0;
        got = n > 0 ? (int)fread(buffer, 1, n, s->file) : 0;
    }
    s->position += got;
    return got;
}

int take_byte(stream* s) {
    unsigned char c;
    return take(s, &c, 1) == 1 ? c : -1;
}

} // namespace

int stream_getc(stream* s) {
    if (s->pushback >= 0) {
        int c = s->pushback;
        s->pushback = -1;
        return c;
    }
    return take_byte(s);
}

int stream_peekc(stream* s) {
    if (s->pushback < 0) s->pushback = take_byte(s);
    return s->pushback;
}

char* stream_gets(stream* s, char* buffer, int size) {
    if (size <= 0) return nullptr;
    int n = 0;
    while (n < size - 1) {
        int c = stream_getc(s);
        if (c < 0) break;
        buffer[n++] = (char)c;
        if (c == '\n') break;
    }
    buffer[n] = 0;
    if (n == 0 && size > 1) return nullptr;
    return buffer;
}

int stream_read(stream* s, void* buffer, int count) {
    unsigned char* out = (unsigned char*)buffer;
    int stored = 0;
    if (count <= 0) return 0;
    if (s->pushback >= 0) {
        out[stored++] = (unsigned char)s->pushback;
        s->pushback = -1;
    }
    return stored + take(s, out + stored, count - stored);
}

int stream_seek(stream* s, int32_t offset) {
    if (s->gzipped || s->scrambled || offset < 0 || offset >= s->length) return 0;
    s->pushback = -1;
    if (fseek(s->file, (long)s->base + offset, SEEK_SET) != 0) return 0;
    s->position = offset;
    return 1;
}

int stream_putc(stream* s, int byte) {
    return fputc(byte, s->file) != EOF;
}
int stream_puts(stream* s, const char* text) {
    return fputs(text, s->file);
}
int stream_write(stream* s, const void* data, int count) {
    return count > 0 ? (int)fwrite(data, 1, count, s->file) : 0;
}
int stream_flush(stream* s) {
    return fflush(s->file);
}

int stream_printf(stream* s, const char* format, ...) {
    va_list args;
    va_start(args, format);
    int result = vfprintf(s->file, format, args);
    va_end(args);
    return result;
}
