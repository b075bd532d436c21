// resources/image_mip.cpp — mip chains: built from level 0 in 2 x 2 blocks (colour weighted
// by alpha for RGBA), or taken from an image that carries its own levels ("[mip_custom]").
// Works on image records only; the upload reads the chain.
#include "resources/images.h"

#include "platform/messages.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int full_alpha_sum = 4 * 255;
constexpr int warning_bytes = 1024;

// One level from the one before it; either size 1 averages pairs along the other axis.
void mip_reduce(const uint8_t* from, int width, int height, int channels, bool max_alpha,
                uint8_t* to) {
    int out_width = std::max(1, width / 2), out_height = std::max(1, height / 2);
    size_t row = (size_t)width * channels;
    for (int y = 0; y < out_height; ++y) {
        for (int x = 0; x < out_width; ++x) {
            uint8_t* out = to + ((size_t)y * out_width + x) * channels;
            if (width == 1 || height == 1) {
                const uint8_t* a =
                    from + (width == 1 ? (size_t)2 * y * row : (size_t)2 * x * channels);
                const uint8_t* b = width == 1 ? a + row : a + channels;
                for (int c = 0; c < channels; ++c) out[c] = (uint8_t)((a[c] + b[c]) >> 1);
                continue;
            }
            const uint8_t* p[4];
            p[0] = from + (size_t)2 * y * row + (size_t)2 * x * channels;
            p[1] = p[0] + channels;
            p[2] = p[0] + row;
            p[3] = p[2] + channels;
            if (channels != 4) {
                for (int c = 0; c < channels; ++c)
                    out[c] = (uint8_t)((p[0][c] + p[1][c] + p[2][c] + p[3][c]) >> 2);
                continue;
            }
            int alpha_sum = p[0][3] + p[1][3] + p[2][3] + p[3][3];
            for (int c = 0; c < 3; ++c) {
                int plain = p[0][c] + p[1][c] + p[2][c] + p[3][c];
                if (alpha_sum == 0 || alpha_sum == full_alpha_sum) {
                    out[c] = (uint8_t)(plain >> 2);
                } else {
                    int weighted = p[0][c] * p[0][3] + p[1][c] * p[1][3] + p[2][c] * p[2][3] +
                                   p[3][c] * p[3][3];
                    out[c] = (uint8_t)(weighted / alpha_sum);
                }
            }
            out[3] = max_alpha ? std::max({p[0][3], p[1][3], p[2][3], p[3][3]})
                               : (uint8_t)(alpha_sum >> 2);
        }
    }
}

bool info_has(const image& img, const char* word) {
    return img.info.find(word) != std::string::npos;
}

} // namespace

size_t image_mip_chain_bytes(int width, int height, int channels) {
    if (width < 1 || height < 1 || channels < 1) return 0;
    size_t total = 0;
    for (;;) {
        total += (size_t)width * height * channels;
        if (width == 1 && height == 1) return total;
        width = std::max(1, width / 2);
        height = std::max(1, height / 2);
    }
}

const uint8_t* image_level(const image& img, int level, int* width, int* height) {
    int w = img.width, h = img.height;
    size_t offset = 0;
    if (level < 0 || w < 1 || h < 1 || (level > 0 && !img.has_mips)) return nullptr;
    for (int k = 0; k < level; ++k) {
        if (w == 1 && h == 1) return nullptr;
        offset += (size_t)w * h * img.channels;
        w = std::max(1, w / 2);
        h = std::max(1, h / 2);
    }
    if (offset + (size_t)w * h * img.channels > img.pixels.size()) return nullptr;
    *width = w;
    *height = h;
    return img.pixels.data() + offset;
}

void image_build_mips(image* img, bool max_alpha) {
    int w = img->width, h = img->height, channels = img->channels;
    size_t level0 = (size_t)w * h * channels;
    if (w < 1 || h < 1 || channels < 1 || img->pixels.size() < level0) return;
    img->pixels.resize(image_mip_chain_bytes(w, h, channels));
    size_t offset = 0;
    while (w > 1 || h > 1) {
        size_t next = offset + (size_t)w * h * channels;
        mip_reduce(img->pixels.data() + offset, w, h, channels, max_alpha,
                   img->pixels.data() + next);
        offset = next;
        w = std::max(1, w / 2);
        h = std::max(1, h / 2);
    }
    img->has_mips = true;
}

bool image_take_custom_mips(image* img, const char* name) {
    int w = img->width, h = img->height, channels = img->channels;
    int d = 2 * h / 3;
    bool fits = w >= 1 && h >= 1 && 2 * h == 3 * d && d >= 1 &&
                img->pixels.size() >= (size_t)w * h * channels;
    // Every level's block must lie inside the picture; a narrow or short one may not.
    struct block {
        int x, y, width, height;
    };
    std::vector<block> blocks;
    int lw = w, lh = d, x = 0, y = 0;
    for (int level = 0; fits; ++level) {
        blocks.push_back({x, y, lw, lh});
        if (x + lw > w || y + lh > h) fits = false;
        if (lw == 1 && lh == 1) break;
        if (level == 0) {
            y = d;
        } else if (level == 1) {
            x = w / 2;
        } else {
            y += lh;
        }
        lw = std::max(1, lw / 2);
        lh = std::max(1, lh / 2);
    }
    if (!fits) {
        char text[warning_bytes];
        snprintf(text, sizeof text, "Warning: Invalid height for custom MIP map in '%.950s'", name);
        print_message(text);
        return false;
    }
    std::vector<uint8_t> chain;
    chain.reserve(image_mip_chain_bytes(w, d, channels));
    size_t row = (size_t)w * channels;
    for (const block& b : blocks)
        for (int r = 0; r < b.height; ++r) {
            const uint8_t* from =
                img->pixels.data() + (size_t)(b.y + r) * row + (size_t)b.x * channels;
            chain.insert(chain.end(), from, from + (size_t)b.width * channels);
        }
    img->pixels.swap(chain);
    img->height = d;
    img->has_mips = true;
    return true;
}

void image_prepare_mips(image* img, const char* name) {
    if (info_has(*img, "[mip_custom]")) {
        image_take_custom_mips(img, name);
        return;
    }
    image_build_mips(img, info_has(*img, "[mip_max_alpha]"));
}
