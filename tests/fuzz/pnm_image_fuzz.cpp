// tests/fuzz/pnm_image_fuzz.cpp — the PPM, PGM and predictive readers on any bytes, chosen by
// the first word as the texture loader chooses; a decoded image must hold all its pixels.
#include "resources/images.h"
#include "resources/internal.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!file) return 0;
    stream* s = stream_wrap_file(file);
    image img;
    if (image_read_stream(s, &img) &&
        img.pixels.size() != (size_t)img.width * img.height * img.channels)
        abort();
    stream_close(s);
    return 0;
}
