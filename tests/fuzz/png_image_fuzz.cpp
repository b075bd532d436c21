// tests/fuzz/png_image_fuzz.cpp — the PNG colour reader and height reader on any bytes: libpng
// errors must come back as a refusal without a leak, and a decoded image must be whole.
#include "resources/images.h"
#include "resources/internal.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!file) return 0;
    stream* s = stream_wrap_file(file);
    image img;
    if (image_read_png_stream(s, &img) &&
        img.pixels.size() != (size_t)img.width * img.height * img.channels)
        abort();
    stream_close(s);
    file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!file) return 0;
    s = stream_wrap_file(file);
    std::vector<uint16_t> samples;
    int width, height;
    if (image_read_png_height_stream(s, &samples, &width, &height) &&
        samples.size() != (size_t)width * height)
        abort();
    stream_close(s);
    return 0;
}
