// resources/image_read.cpp — choosing an image reader from a file's first word, the plain
// RGB and RGBA readers, the last-error text and the size checks every reader shares.
// Main thread only.
#include "resources/images.h"

#include <cstring>

namespace {

constexpr int error_bytes = 128;
char last_error[error_bytes];

constexpr int magic_bytes = 16; // "%15s" and its terminator

bool read_magic(stream* s, char magic[magic_bytes]) {
    magic[0] = 0;
    return stream_scanf(s, "%15s", magic) == 1;
}

// Three channels to four with the given alpha; four to three by dropping it.
void image_set_channels(image* img, int channels, uint8_t alpha) {
    if (img->channels == channels) return;
    size_t count = (size_t)img->width * img->height;
    std::vector<uint8_t> out(count * channels);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* from = &img->pixels[i * img->channels];
        uint8_t* to = &out[i * channels];
        for (int c = 0; c < channels; ++c) to[c] = c < img->channels ? from[c] : alpha;
    }
    img->pixels.swap(out);
    img->channels = channels;
    img->has_mips = false;
}

} // namespace

const char* image_last_error() {
    return last_error;
}

void image_set_error(const char* text) {
    snprintf(last_error, sizeof last_error, "%s", text);
}

int64_t image_stream_bytes_left(stream* s) {
    if (s->gzipped || s->scrambled) return -1;
    long here = ftell(s->file);
    if (here < 0 || fseek(s->file, 0, SEEK_END) != 0) return -1;
    long end = ftell(s->file);
    if (fseek(s->file, here, SEEK_SET) != 0 || end < here) return -1;
    int64_t left = end - here;
    int64_t member_left = (int64_t)s->length - s->position;
    if (member_left < left) left = member_left > 0 ? member_left : 0;
    return left + (s->pushback >= 0 ? 1 : 0);
}

bool image_size_fits(stream* s, int width, int height, int64_t bytes_per_pixel) {
    if (width <= 0 || height <= 0 || width > image_dimension_limit ||
        height > image_dimension_limit)
        return false;
    int64_t left = image_stream_bytes_left(s);
    return left < 0 || (int64_t)width * height * bytes_per_pixel <= left;
}

bool image_read_body(stream* s, const char* magic, image* out) {
    last_error[0] = 0;
    *out = image();
    if (!strcmp(magic, "R6")) return image_read_predictive(s, 3, 3, out);
    if (!strcmp(magic, "R7")) return image_read_predictive(s, 4, 4, out);
    if (!strcmp(magic, "P3") || !strcmp(magic, "P6") || !strcmp(magic, "P2") ||
        !strcmp(magic, "P5"))
        return image_read_pnm(s, magic, out);
    return false;
}

bool image_read_stream(stream* s, image* out) {
    char magic[magic_bytes];
    return read_magic(s, magic) && image_read_body(s, magic, out);
}

bool image_read(const char* name, image* out) {
    last_error[0] = 0;
    stream* s = stream_open(name, "rb");
    if (!s) return false;
    char magic[magic_bytes];
    read_magic(s, magic);
    bool known = !strcmp(magic, "R6") || !strcmp(magic, "R7") || !strcmp(magic, "P3") ||
                 !strcmp(magic, "P6") || !strcmp(magic, "P2") || !strcmp(magic, "P5");
    bool ok = known && image_read_body(s, magic, out);
    stream_close(s);
    // PNG starts again from the first byte: the word read above may have eaten into it.
    return known ? ok : image_read_png(name, out);
}

bool image_read_rgb(stream* s, image* out) {
    char magic[magic_bytes];
    if (!read_magic(s, magic)) return false;
    *out = image();
    last_error[0] = 0;
    bool ok;
    if (!strcmp(magic, "R6") || !strcmp(magic, "R7"))
        ok = image_read_predictive(s, magic[1] == '6' ? 3 : 4, 3, out);
    else if (!strcmp(magic, "P3") || !strcmp(magic, "P6"))
        ok = image_read_pnm(s, magic, out);
    else
        ok = false;
    if (!ok) *out = image();
    return ok;
}

bool image_read_rgba(const char* name, image* out) {
    stream* s = stream_open(name, "rb");
    if (!s) return false;
    char magic[magic_bytes];
    read_magic(s, magic);
    bool predictive = !strcmp(magic, "R6") || !strcmp(magic, "R7");
    bool ok = predictive && image_read_body(s, magic, out);
    stream_close(s);
    if (!predictive) ok = image_read_png(name, out);
    if (ok) image_set_channels(out, 4, 255);
    return ok;
}
