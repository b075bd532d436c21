// resources/gzip_reader.cpp — one gzip member read through zlib's raw inflate behind our own
// header parser. The trailer is never checked: a damaged stream just ends early.
#include "resources/internal.h"

#include <cstdlib>
#include <cstring>
#include <zlib.h>

struct gzip_reader {
    int32_t packed_length; // compressed bytes available
    uint32_t packed_used;  // compressed bytes taken so far
    bool at_end;
    z_stream z;
    unsigned char in[16384];
    unsigned char out[1024];
    unsigned char* out_read; // next unread byte in out
};

namespace {

constexpr int flag_hcrc = 2, flag_extra = 4, flag_name = 8, flag_comment = 16;
constexpr int flags_known = 32; // bits 5 to 7 must be clear

// Compressed bytes: through the scrambled reader when the stream is scrambled.
int take_packed(stream* s, unsigned char* buffer, int n) {
    gzip_reader* g = s->gzip;
    int64_t left = (int64_t)g->packed_length - g->packed_used;
    if (n > left) n = left > 0 ? (int)left : 0;
    if (n == 0) return 0;
    int got = s->scrambled ? scram_read(s->cipher, buffer, n) : (int)fread(buffer, 1, n, s->file);
    g->packed_used += got;
    return got;
}

// Skips a zero-terminated text; the position after it, or -1 when it runs off the data.
int skip_text(const unsigned char* data, int size, int at) {
    while (at < size && data[at]) ++at;
    return at < size ? at + 1 : -1;
}

} // namespace

int gzip_header_length(const unsigned char* d, int size) {
    if (size < 10 || d[0] != 0x1F || d[1] != 0x8B || d[2] != 8 || d[3] >= flags_known) return 0;
    int flags = d[3];
    int at = 10; // time, extra flags and system skipped
    if (flags & flag_extra) {
        if (at + 2 > size) return 0;
        at += 2 + (d[at] | d[at + 1] << 8);
        if (at > size) return 0;
    }
    if ((flags & flag_name) && (at = skip_text(d, size, at)) < 0) return 0;
    if ((flags & flag_comment) && (at = skip_text(d, size, at)) < 0) return 0;
    if (flags & flag_hcrc) at += 2;
    return at <= size ? at : 0;
}

int gzip_start(stream* s) {
    gzip_reader* g = (gzip_reader*)calloc(1, sizeof(gzip_reader));
    if (!g) return 0;
    s->gzip = g;
    g->packed_length = s->length;
    s->length = stream_unlimited; // the decompressed size is not known
    int got = take_packed(s, g->in, sizeof g->in);
    int header = gzip_header_length(g->in, got);
    if (header == 0 || inflateInit2(&g->z, -15) != Z_OK) {
        free(g);
        s->gzip = nullptr;
        return 0;
    }
    g->z.next_in = g->in + header;
    g->z.avail_in = got - header;
    g->z.next_out = g->out;
    g->z.avail_out = sizeof g->out;
    g->out_read = g->out;
    return 1;
}

int gzip_read(stream* s, unsigned char* buffer, int n) {
    gzip_reader* g = s->gzip;
    int copied = 0;
    while (copied < n) {
        int ready = (int)(g->z.next_out - g->out_read);
        if (ready > 0) {
            int part = ready < n - copied ? ready : n - copied;
            memcpy(buffer + copied, g->out_read, part);
            g->out_read += part;
            copied += part;
            continue;
        }
        if (g->at_end) break;
        g->z.next_out = g->out_read = g->out;
        g->z.avail_out = sizeof g->out;
        while (g->z.next_out == g->out && !g->at_end) {
            if (g->z.avail_in == 0) {
                int got = take_packed(s, g->in, sizeof g->in);
                if (got == 0) { // compressed data ran out before its end
                    g->at_end = true;
                    break;
                }
                g->z.next_in = g->in;
                g->z.avail_in = got;
            }
            int result = inflate(&g->z, Z_NO_FLUSH);
            if (result != Z_OK) g->at_end = true; // the end, or an error that ends the data
        }
    }
    return copied;
}

void gzip_end(stream* s) {
    if (!s->gzip) return;
    inflateEnd(&s->gzip->z);
    free(s->gzip);
    s->gzip = nullptr;
}
