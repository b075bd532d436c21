// tests/fuzz/gzip_reader_fuzz.cpp — the gzip header parser and the inflating reader on any
// bytes, read to the end in odd-sized pieces.
#include "resources/internal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    gzip_header_length(data, (int)size);
    FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!file) return 0;
    stream* s = stream_wrap_file(file);
    s->gzipped = true;
    if (gzip_start(s)) {
        unsigned char buffer[3000];
        int piece = 1;
        while (stream_read(s, buffer, piece) > 0) piece = piece * 7 % 2999 + 1;
    }
    stream_close(s);
    return 0;
}
