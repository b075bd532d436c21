// tests/fuzz/scram_reader_fuzz.cpp — the scrambled reader on any bytes, read to the end in
// pieces of every size around the 16-byte block.
#include "resources/internal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!file) return 0;
    stream* s = stream_wrap_file(file);
    s->scrambled = true;
    s->cipher = scram_open(file);
    if (s->cipher) {
        unsigned char buffer[100];
        int piece = 1;
        while (stream_read(s, buffer, piece) > 0) piece = piece % 40 + 1;
    }
    stream_close(s);
    return 0;
}
