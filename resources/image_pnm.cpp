// resources/image_pnm.cpp — PPM ("P6" binary, "P3" text) and PGM ("P5", "P2") images: the
// reader after the magic, with comment lines between numbers, and the encoder the tests and
// the data generator write fixtures with.
#include "resources/images.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int max_value_limit = 65535;
constexpr int read_chunk = 65536;

// A header number or text sample after white space and "#" comment lines; false when
// missing, *value then -1.
bool pnm_read_number(stream* s, int* value) {
    char hash[2];
    while (stream_scanf(s, " %1[#]%*[^\n]", hash) == 1) {
    }
    *value = -1;
    return stream_scanf(s, "%d", value) == 1;
}

// Samples above the maximum (a damaged file) saturate instead of wrapping.
uint8_t pnm_scale(int64_t sample, int max_value) {
    if (sample <= 0) return 0;
    if (max_value == 255) return sample > 255 ? 255 : (uint8_t)sample;
    int64_t scaled = sample * 255 / max_value;
    return scaled > 255 ? 255 : (uint8_t)scaled;
}

} // namespace

bool image_read_pnm(stream* s, const char* magic, image* out) {
    bool colour = !strcmp(magic, "P3") || !strcmp(magic, "P6");
    bool grey = !strcmp(magic, "P2") || !strcmp(magic, "P5");
    bool binary = magic[1] == '6' || magic[1] == '5';
    if (!colour && !grey) {
        image_set_error("Can't parse PPM header");
        return false;
    }
    const char* header_error = colour ? "Can't parse PPM header" : "Can't parse PGM header";
    const char* size_error = colour ? "Can't get PPM dimensions" : "Can't get PGM dimensions";
    const char* data_error = colour ? "Can't read PPM data" : "Can't read PGM data";
    int channels = colour ? 3 : 1;
    int width, height, max_value;
    pnm_read_number(s, &width);
    pnm_read_number(s, &height);
    pnm_read_number(s, &max_value);
    if (width <= 0 || height <= 0 || max_value <= 0 || max_value > max_value_limit) {
        image_set_error(size_error);
        return false;
    }
    // The separator after the maximum; binary samples start right after it.
    if (binary && stream_getc(s) < 0) {
        image_set_error(header_error);
        return false;
    }
    // A text sample takes at least one byte too, so the same bound holds for both forms.
    if (!image_size_fits(s, width, height, channels)) {
        image_set_error(size_error);
        return false;
    }
    size_t count = (size_t)width * height * channels;
    out->pixels.clear();
    if (binary) {
        // In pieces, so that a short gzip stream fails before the whole size is allocated.
        while (out->pixels.size() < count) {
            size_t have = out->pixels.size();
            int piece = (int)std::min<size_t>(count - have, read_chunk);
            out->pixels.resize(have + piece);
            if (stream_read(s, &out->pixels[have], piece) != piece) {
                image_set_error(data_error);
                out->pixels.clear();
                return false;
            }
            for (int i = 0; i < piece; ++i)
                out->pixels[have + i] = pnm_scale(out->pixels[have + i], max_value);
        }
    } else {
        out->pixels.reserve(std::min<size_t>(count, read_chunk));
        for (size_t i = 0; i < count; ++i) {
            int sample;
            if (!pnm_read_number(s, &sample)) {
                image_set_error(data_error);
                out->pixels.clear();
                return false;
            }
            out->pixels.push_back(pnm_scale(sample, max_value));
        }
    }
    out->width = width;
    out->height = height;
    out->channels = channels;
    out->has_mips = false;
    return true;
}

std::string pnm_encode(const char* magic, int width, int height, int max_value,
                       const uint8_t* samples, const char* comment) {
    int channels = magic[1] == '3' || magic[1] == '6' ? 3 : 1;
    bool binary = magic[1] == '5' || magic[1] == '6';
    std::string out = std::string(magic) + "\n";
    if (comment) out += std::string("# ") + comment + "\n";
    out += std::to_string(width) + " " + std::to_string(height) + "\n" + std::to_string(max_value) +
           "\n";
    size_t count = (size_t)width * height * channels;
    if (binary) return out.append((const char*)samples, count);
    for (size_t i = 0; i < count; ++i) {
        out += std::to_string(samples[i]);
        out += (i + 1) % ((size_t)width * channels) == 0 ? '\n' : ' ';
    }
    return out;
}
