// tests/fuzz/predictive_image_fuzz.cpp — the predictive reader on any bytes after its magic,
// with the first byte choosing the file's and the result's channel counts, then the mip
// chain built on what decoded.
#include "resources/images.h"
#include "resources/internal.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    int file_channels = data[0] & 1 ? 4 : 3;
    int channels = data[0] & 2 ? 4 : 3;
    FILE* file = fmemopen(const_cast<uint8_t*>(data + 1), size - 1, "rb");
    if (!file) return 0;
    stream* s = stream_wrap_file(file);
    image img;
    if (image_read_predictive(s, file_channels, channels, &img)) {
        if (img.pixels.size() != (size_t)img.width * img.height * channels) abort();
        image_build_mips(&img, data[0] & 4);
        if (img.pixels.size() != image_mip_chain_bytes(img.width, img.height, channels)) abort();
    }
    stream_close(s);
    return 0;
}
