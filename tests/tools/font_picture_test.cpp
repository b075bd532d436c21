// tests/tools/font_picture_test.cpp — the font picture in the base archive cuts into one
// glyph per character "!" to "~" by the game's marker rule, and the archive builder makes the
// same bytes every time.
#include "tools/mkdata/mkdata.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <cstring>

namespace {

struct rgba_picture {
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;
};

// The member's bytes, from the archive's header lines ("size name") and the "-" line.
std::string archive_member_bytes(const std::string& archive, const std::string& name) {
    size_t pos = 0, offset = 0, found = std::string::npos, found_size = 0;
    for (;;) {
        size_t end = archive.find('\n', pos);
        if (end == std::string::npos) return "";
        std::string line = archive.substr(pos, end - pos);
        pos = end + 1;
        if (line == "-") break;
        size_t space = line.find(' ');
        size_t size = strtoul(line.c_str(), nullptr, 10);
        if (line.substr(space + 1) == name) found = offset, found_size = size;
        offset += size;
    }
    if (found == std::string::npos) return "";
    return archive.substr(pos + found, found_size);
}

rgba_picture decode_png(const std::string& bytes) {
    rgba_picture pic;
    png_image image;
    memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return pic;
    image.format = PNG_FORMAT_RGBA;
    std::vector<unsigned char> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return pic;
    pic.width = (int)image.width;
    pic.height = (int)image.height;
    pic.pixels = std::move(pixels);
    return pic;
}

struct glyph_box {
    int left, top, right, bottom;
};

const unsigned char* pixel(const rgba_picture& pic, int x, int y) {
    return &pic.pixels[((size_t)y * pic.width + x) * 4];
}

bool is_marker(const rgba_picture& pic, int x, int y) {
    return memcmp(pixel(pic, x, y), pixel(pic, 0, 0), 4) == 0;
}

int band_bottom(const rgba_picture& pic, int top) {
    for (int y = top + 1; y < pic.height; y++)
        if (is_marker(pic, 0, y)) return y;
    return pic.height;
}

int next_edge(const rgba_picture& pic, int top, int after) {
    for (int x = after + 1 < 1 ? 1 : after + 1; x < pic.width; x++)
        if (is_marker(pic, x, top)) return x;
    return pic.width;
}

// The boxes as the game's loader walks them, for as long as the picture holds glyphs: until
// the walk would wrap to the top again or meets a band without edges.
std::vector<glyph_box> cut_glyphs(const rgba_picture& pic) {
    std::vector<glyph_box> boxes;
    int top = 0, bottom = band_bottom(pic, 0), left = 0, right = next_edge(pic, 0, 0);
    while (boxes.size() < 1000) {
        if (right >= pic.width) {
            if (bottom == pic.height) break;
            top = bottom;
            bottom = band_bottom(pic, top);
            left = 0;
            right = next_edge(pic, top, 0);
            if (right >= pic.width) break;
        }
        boxes.push_back({left, top, right, bottom});
        left = right;
        right = next_edge(pic, top, left);
    }
    return boxes;
}

TEST(font_picture, cuts_into_one_inked_glyph_per_character) {
    rgba_picture pic = decode_png(archive_member_bytes(make_base_archive(), "font.png"));
    ASSERT_GT(pic.width, 0);
    std::vector<glyph_box> boxes = cut_glyphs(pic);
    ASSERT_EQ(boxes.size(), 94u);
    for (size_t i = 0; i < boxes.size(); i++) {
        const glyph_box& b = boxes[i];
        SCOPED_TRACE(std::string("glyph '") + (char)('!' + i) + "'");
        ASSERT_GT(b.right, b.left);
        ASSERT_GT(b.bottom, b.top);
        // Boxes of one band may not wrap round the picture or overlap the next glyph.
        ASSERT_LE(b.right, pic.width);
        if (i > 0 && boxes[i - 1].top == b.top) {
            EXPECT_EQ(boxes[i - 1].right, b.left);
        }
        bool inked = false;
        // The band's top row carries the edge markers; below it a glyph is clean.
        for (int y = b.top + 1; y < b.bottom; y++)
            for (int x = b.left; x < b.right; x++) {
                EXPECT_FALSE(is_marker(pic, x, y)) << "marker at " << x << "," << y;
                inked = inked || pixel(pic, x, y)[3] > 0;
            }
        EXPECT_TRUE(inked);
    }
    // Glyphs of one band share their height, so text lines up.
    for (const glyph_box& b : boxes) EXPECT_EQ(b.bottom - b.top, boxes[0].bottom - boxes[0].top);
}

TEST(font_picture, digits_share_one_advance) {
    rgba_picture pic = decode_png(archive_member_bytes(make_base_archive(), "font.png"));
    std::vector<glyph_box> boxes = cut_glyphs(pic);
    ASSERT_EQ(boxes.size(), 94u);
    int zero = boxes['0' - '!'].right - boxes['0' - '!'].left;
    for (char d = '1'; d <= '9'; d++)
        EXPECT_EQ(boxes[d - '!'].right - boxes[d - '!'].left, zero) << d;
}

TEST(base_archive, has_the_pictures_as_pngs) {
    std::string archive = make_base_archive();
    for (const char* name : {"font.png", "tach.png", "shifter.png", "pitboard.png", "title.png"}) {
        rgba_picture pic = decode_png(archive_member_bytes(archive, name));
        EXPECT_GT(pic.width, 0) << name;
    }
    rgba_picture title = decode_png(archive_member_bytes(archive, "title.png"));
    EXPECT_EQ(title.width, 2 * title.height);
}

TEST(base_archive, two_builds_give_the_same_bytes) {
    EXPECT_EQ(make_base_archive(), make_base_archive());
}

} // namespace
