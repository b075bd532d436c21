// tools/mkdata/colour_pictures.cpp — the small plain textures under "colors/": white (what a
// link shows while its target loads), and one picture in each other texture format the game
// reads: a grey PPM, a predictive RGBA stripe, a two-frame animation and a link.
#include "tools/mkdata/mkdata.h"

#include "resources/images.h"

#include <vector>

namespace {

constexpr int side = 8;

std::vector<uint8_t> filled(int channels, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
    std::vector<uint8_t> pixels;
    for (int i = 0; i < side * side; ++i) {
        const uint8_t px[4] = {r, g, b, a};
        pixels.insert(pixels.end(), px, px + channels);
    }
    return pixels;
}

// Red and white stripes, the colours of a course marker tape.
std::vector<uint8_t> stripes() {
    std::vector<uint8_t> pixels;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            bool red = ((x + y) / 2) % 2 == 0;
            const uint8_t px[4] = {(uint8_t)(red ? 220 : 255), (uint8_t)(red ? 30 : 255),
                                   (uint8_t)(red ? 30 : 255), 255};
            pixels.insert(pixels.end(), px, px + 4);
        }
    return pixels;
}

// The predictive format without its magic, as an animation carries its images.
std::string predictive_body(const std::vector<uint8_t>& rgba) {
    return predictive_encode(side, side, 4, rgba.data()).substr(2);
}

} // namespace

std::vector<archive_member> make_colour_pictures() {
    std::vector<uint8_t> white = filled(3, 255, 255, 255), grey = filled(3, 128, 128, 128);
    std::vector<uint8_t> tape = stripes(), amber = filled(4, 255, 170, 0),
                         dark = filled(4, 60, 40, 0);
    return {
        {"colors/white.png", png_encode(side, side, 3, white.data())},
        {"colors/grey.ppm", pnm_encode("P6", side, side, 255, grey.data())},
        {"colors/tape.r7", predictive_encode(side, side, 4, tape.data())},
        {"colors/blink.seq",
         "ANIM1 2 2 250 1\n0 1\nR7" + predictive_body(amber) + "\nR7" + predictive_body(dark)},
        {"colors/plain.png", "LINK @colors/white.png\n"},
    };
}
