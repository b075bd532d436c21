// tests/resources/images_test.cpp — the image readers (PPM, PGM, predictive, PNG colour and
// height), their refusals of damaged and oversized files, the mip chain builder with its
// custom layout, and the PNG writers read back. Fixtures come from our own encoders.
#include "resources/files.h"
#include "resources/images.h"
#include "resources/internal.h"
#include "resources/writers.h"

#include "platform/messages.h"
#include "support/child_process.h"
#include "support/saved_environment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

using bytes = std::vector<uint8_t>;

// Game names resolve to a fresh user home and data folder; the environment is put back after.
class Images : public testing::Test {
  protected:
    saved_environment environment{"XDG_DATA_HOME", "HOME", "QD_HOME"};
    std::string root = make_temp_folder();
    std::string home = root + "/xdg/Tarvik/";
    std::string data = root + "/data/";

    void SetUp() override {
        setenv("XDG_DATA_HOME", (root + "/xdg").c_str(), 1);
        setenv("HOME", (root + "/home").c_str(), 1);
        setenv("QD_HOME", data.c_str(), 1);
        fs::create_directories(data);
        file_system_reset();
    }
    void TearDown() override {
        file_system_reset();
        fs::remove_all(root);
    }
    // Writes a data-folder file; the index sees it after the reset.
    void put(const std::string& name, const std::string& content) {
        ASSERT_TRUE(write_whole_file(data + name, content)) << name;
        file_system_reset();
    }
};

// A plain stream over bytes, as the fuzz targets read.
stream* memory_stream(const std::string& content) {
    static std::string kept; // fmemopen reads from it until the stream closes
    kept = content;
    return stream_wrap_file(fmemopen(kept.data(), kept.size(), "rb"));
}

std::string newest_message() {
    return message_ring.lines[(message_ring.next + message_ring_size - 1) % message_ring_size];
}

// --- A hand-made PNG writer: every colour type and depth, chunks in any order, bad CRCs. -----

uint32_t crc32_of(const std::string& data) {
    uint32_t crc = 0xFFFFFFFF;
    for (unsigned char byte : data) {
        crc ^= byte;
        for (int k = 0; k < 8; ++k) crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
    }
    return ~crc;
}

std::string be32(uint32_t v) {
    return {(char)(v >> 24), (char)(v >> 16), (char)(v >> 8), (char)v};
}

std::string png_chunk(const std::string& type, const std::string& content) {
    return be32((uint32_t)content.size()) + type + content + be32(crc32_of(type + content));
}

// A zlib stream of stored blocks.
std::string zlib_stored(const std::string& raw) {
    std::string out = "\x78\x01";
    size_t at = 0;
    do {
        size_t n = std::min<size_t>(raw.size() - at, 65535);
        bool last = at + n == raw.size();
        out += (char)(last ? 1 : 0);
        out += {(char)(n & 0xFF), (char)(n >> 8), (char)(~n & 0xFF), (char)((~n >> 8) & 0xFF)};
        out += raw.substr(at, n);
        at += n;
    } while (at < raw.size());
    uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    return out + be32(b << 16 | a);
}

struct png_layout {
    int width, height, depth, type;
    std::vector<std::string> rows = {}; // unfiltered scanlines
    std::string before = {};            // chunks between IHDR and IDAT
    std::string after = {};             // chunks between IDAT and IEND
};

std::string png_build(const png_layout& p) {
    std::string ihdr = be32(p.width) + be32(p.height) + (char)p.depth + (char)p.type + "\0\0\0"s;
    std::string raw;
    for (const std::string& row : p.rows) raw += "\0"s + row;
    return "\x89PNG\r\n\x1a\n"s + png_chunk("IHDR", ihdr) + p.before +
           png_chunk("IDAT", zlib_stored(raw)) + p.after + png_chunk("IEND", "");
}

std::string text_chunk(const std::string& key, const std::string& value) {
    return png_chunk("tEXt", key + "\0"s + value);
}

// --- PPM and PGM ---------------------------------------------------------------------------

struct pnm_case {
    const char* label;
    std::string file;
    int width, height, channels;
    bytes pixels;
};

void PrintTo(const pnm_case& c, std::ostream* out) {
    *out << c.label;
}

class PnmDecoding : public Images, public testing::WithParamInterface<pnm_case> {};

const uint8_t rgb_2x2[] = {1, 2, 3, 4, 5, 6, 250, 251, 252, 0, 128, 255};
const uint8_t grey_3x1[] = {0, 7, 15};

INSTANTIATE_TEST_SUITE_P(
    Images, PnmDecoding,
    testing::Values(
        pnm_case{"binary_ppm", pnm_encode("P6", 2, 2, 255, rgb_2x2, "made here"), 2, 2, 3,
                 bytes(rgb_2x2, rgb_2x2 + 12)},
        pnm_case{"text_ppm", pnm_encode("P3", 2, 2, 255, rgb_2x2, "made here"), 2, 2, 3,
                 bytes(rgb_2x2, rgb_2x2 + 12)},
        pnm_case{"binary_pgm_max_15", pnm_encode("P5", 3, 1, 15, grey_3x1), 3, 1, 1, {0, 119, 255}},
        pnm_case{"text_pgm_max_15", pnm_encode("P2", 3, 1, 15, grey_3x1), 3, 1, 1, {0, 119, 255}},
        pnm_case{"binary_ppm_max_15", pnm_encode("P6", 1, 1, 15, grey_3x1), 1, 1, 3, {0, 119, 255}},
        pnm_case{"comments_everywhere",
                 "P2\n#\n# one\n3 # two\n#three\n1\n# four\n255\n# five\n9 #six\n 8\n#\n7\n",
                 3,
                 1,
                 1,
                 {9, 8, 7}},
        pnm_case{"binary_after_one_separator", "P5 2 1 255\n\n7"s, 2, 1, 1, {'\n', '7'}},
        pnm_case{"samples_above_the_maximum_saturate", "P2 2 1 15 16 -1\n", 2, 1, 1, {255, 0}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_P(PnmDecoding, GivesTheStoredPixels) {
    const pnm_case& c = GetParam();
    put("picture", c.file);
    image img;
    ASSERT_TRUE(image_read("@picture", &img)) << image_last_error();
    EXPECT_EQ(img.width, c.width);
    EXPECT_EQ(img.height, c.height);
    EXPECT_EQ(img.channels, c.channels);
    EXPECT_EQ(img.pixels, c.pixels);
    EXPECT_FALSE(img.has_mips);
    EXPECT_STREQ(image_last_error(), "");
}

struct refusal_case {
    const char* label;
    std::string name; // ".gz" names are stored compressed
    std::string file;
    const char* error;
};

void PrintTo(const refusal_case& c, std::ostream* out) {
    *out << c.label;
}

class PnmRefusal : public Images, public testing::WithParamInterface<refusal_case> {};

INSTANTIATE_TEST_SUITE_P(
    Images, PnmRefusal,
    testing::Values(
        refusal_case{"magic_only", "a", "P6\n", "Can't get PPM dimensions"},
        refusal_case{"no_maximum", "a", "P3 2 2 # none\n", "Can't get PPM dimensions"},
        refusal_case{"maximum_zero", "a", "P6 1 1 0\n\1\2\3", "Can't get PPM dimensions"},
        refusal_case{"maximum_too_large", "a", "P5 1 1 65536\n\1", "Can't get PGM dimensions"},
        refusal_case{"negative_width", "a", "P5 -3 1 255\n\1\2\3", "Can't get PGM dimensions"},
        refusal_case{"zero_height", "a", "P2 1 0 255\n", "Can't get PGM dimensions"},
        refusal_case{"size_overflows", "a", "P6 2147483647 2147483647 255\n\1\2\3",
                     "Can't get PPM dimensions"},
        refusal_case{"more_than_the_file_holds", "a", "P6 100 100 255\n" + std::string(29999, 'x'),
                     "Can't get PPM dimensions"},
        refusal_case{"text_more_than_the_file_holds", "a", "P2 1000 1000 255\n1 2 3\n",
                     "Can't get PGM dimensions"},
        refusal_case{"no_separator", "a", "P6 1 1 255", "Can't parse PPM header"},
        refusal_case{"text_sample_missing", "a", "P3 1 1 255\n1 2", "Can't read PPM data"},
        refusal_case{"gzip_beyond_the_limit", "a.gz", "P6 16385 1 255\n\1\2\3",
                     "Can't get PPM dimensions"},
        refusal_case{"gzip_cut_short", "a.gz", "P5 300 300 255\n" + std::string(1000, 'x'),
                     "Can't read PGM data"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_P(PnmRefusal, FailsWithItsText) {
    const refusal_case& c = GetParam();
    bool gzipped = c.name.ends_with(".gz");
    put(c.name, gzipped ? gzip_encode(c.file) : c.file);
    image img;
    EXPECT_FALSE(image_read("@a", &img));
    EXPECT_STREQ(image_last_error(), c.error);
    EXPECT_TRUE(img.pixels.empty());
}

// --- The predictive format -------------------------------------------------------------------

// Channel 0 clamps high, channel 1 clamps low, channel 2 wraps and shows the first column
// predicting from above, not from the pixel before it in memory.
const std::string predictive_2x2 =
    "R6\n# c\n2 # d\n2\n"s + std::string("\0\xC8\x0A\xFA\x38\x05\xFA\x38\x14\x01\x07\x01", 12);
const bytes predictive_2x2_pixels = {0, 200, 10, 250, 0, 15, 250, 0, 30, 0, 7, 36};

TEST_F(Images, PredictiveDecodingFollowsThePredictions) {
    put("p", predictive_2x2);
    image img;
    ASSERT_TRUE(image_read("@p", &img));
    EXPECT_EQ(img.width, 2);
    EXPECT_EQ(img.height, 2);
    EXPECT_EQ(img.channels, 3);
    EXPECT_EQ(img.pixels, predictive_2x2_pixels);

    put("q", "R7 2 1\n\x0A\x14\x1E\x28\x01\x02\x03\x04"s);
    ASSERT_TRUE(image_read("@q", &img));
    EXPECT_EQ(img.channels, 4);
    EXPECT_EQ(img.pixels, (bytes{10, 20, 30, 40, 11, 22, 33, 44}));
}

TEST_F(Images, PredictiveChannelCountsConvert) {
    // Into four channels an R6 keeps alpha at its prediction, 0.
    stream* s = memory_stream(predictive_2x2.substr(2));
    image img;
    ASSERT_TRUE(image_read_predictive(s, 3, 4, &img));
    stream_close(s);
    ASSERT_EQ(img.pixels.size(), 16u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(img.pixels[i * 4 + 3], 0);
        EXPECT_EQ(img.pixels[i * 4 + 2], predictive_2x2_pixels[i * 3 + 2]);
    }
    // The plain RGBA reader makes an R6 opaque; the RGB reader drops an R7's alpha.
    put("p", predictive_2x2);
    ASSERT_TRUE(image_read_rgba("@p", &img));
    EXPECT_EQ(img.channels, 4);
    EXPECT_EQ(img.pixels[3], 255);
    EXPECT_EQ(img.pixels[14], 36);
    s = memory_stream("R7 1 1\n\x01\x02\x03\x04"s);
    ASSERT_TRUE(image_read_rgb(s, &img));
    stream_close(s);
    EXPECT_EQ(img.pixels, (bytes{1, 2, 3}));
}

TEST_F(Images, PredictiveEncoderRoundTrips) {
    for (int channels : {3, 4}) {
        bytes pixels(5 * 3 * channels);
        for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = (uint8_t)(i * 97 + (i % 7) * 31);
        stream* s = memory_stream(predictive_encode(5, 3, channels, pixels.data()));
        image img;
        EXPECT_TRUE(image_read_stream(s, &img));
        stream_close(s);
        EXPECT_EQ(img.pixels, pixels) << channels;
    }
}

TEST_F(Images, PredictiveRefusesBadSizes) {
    for (const std::string& file :
         {"R6 2 2\n\1\2\3\4\5"s, "R7 100000 1\n\1\2\3\4"s, "R6 0 1\n\1\2\3"s, "R6 -1 -1\n"s,
          "R7 65536 65536\n\1\2\3\4"s, "R6"s}) {
        stream* s = memory_stream(file);
        image img;
        EXPECT_FALSE(image_read_stream(s, &img)) << file;
        stream_close(s);
    }
}

// --- PNG -----------------------------------------------------------------------------------

struct png_case {
    const char* label;
    png_layout layout;
    int channels;
    bytes pixels;
};

void PrintTo(const png_case& c, std::ostream* out) {
    *out << c.label;
}

class PngColour : public Images, public testing::WithParamInterface<png_case> {};

const std::string palette = png_chunk("PLTE", "\1\2\3\4\5\6"s);

INSTANTIATE_TEST_SUITE_P(
    Images, PngColour,
    testing::Values(
        png_case{"grey", {2, 1, 8, 0, {"\0\xC8"s}}, 3, {0, 0, 0, 200, 200, 200}},
        png_case{"grey_1_bit", {2, 1, 1, 0, {"\x80"s}}, 3, {255, 255, 255, 0, 0, 0}},
        png_case{"grey_16_bit", {1, 1, 16, 0, {"\x12\x34"s}}, 3, {0x12, 0x12, 0x12}},
        png_case{"grey_alpha", {1, 1, 8, 4, {"\x09\x50"s}}, 4, {9, 9, 9, 0x50}},
        png_case{"rgb", {2, 1, 8, 2, {"\1\2\3\4\5\6"s}}, 3, {1, 2, 3, 4, 5, 6}},
        png_case{"rgb_16_bit", {1, 1, 16, 2, {"\x12\x34\x56\x78\x9A\xBC"s}}, 3, {0x12, 0x56, 0x9A}},
        png_case{"rgba", {1, 2, 8, 6, {"\1\2\3\4"s, "\5\6\7\x08"s}}, 4, {1, 2, 3, 4, 5, 6, 7, 8}},
        png_case{"palette", {2, 1, 8, 3, {"\1\0"s}, palette}, 3, {4, 5, 6, 1, 2, 3}},
        png_case{"palette_2_bit", {3, 1, 2, 3, {"\x10"s}, palette}, 3, {1, 2, 3, 4, 5, 6, 1, 2, 3}},
        png_case{"palette_transparency",
                 {2, 1, 8, 3, {"\1\0"s}, palette + png_chunk("tRNS", "\x80"s)},
                 4,
                 {4, 5, 6, 255, 1, 2, 3, 128}},
        png_case{"rgb_colour_key",
                 {2, 1, 8, 2, {"\1\2\3\4\5\6"s}, png_chunk("tRNS", "\0\4\0\5\0\6"s)},
                 4,
                 {1, 2, 3, 255, 4, 5, 6, 0}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_P(PngColour, ExpandsToEightBitRgbOrRgba) {
    const png_case& c = GetParam();
    put("t.png", png_build(c.layout));
    image img;
    ASSERT_TRUE(image_read("@t.png", &img)) << image_last_error();
    EXPECT_EQ(img.width, c.layout.width);
    EXPECT_EQ(img.height, c.layout.height);
    EXPECT_EQ(img.channels, c.channels);
    EXPECT_EQ(img.pixels, c.pixels);
}

TEST_F(Images, PngInfoJoinsTextChunksAndTheCompanionFile) {
    png_layout layout{1, 1, 8, 0, {"\x10"s}, text_chunk("Comment", "[mip_max_alpha]")};
    layout.after = text_chunk("Note", "[compress]");
    put("t.png", png_build(layout));
    image img;
    ASSERT_TRUE(image_read_png("@t.png", &img));
    EXPECT_EQ(img.info, "[mip_max_alpha]\n[compress]\n");
    put("t.png.info", "[mip_custom]\nmore");
    ASSERT_TRUE(image_read("@t.png", &img));
    EXPECT_EQ(img.info, "[mip_max_alpha]\n[compress]\n[mip_custom]\nmore");
    // The writers' encoder goes through the same reader.
    const uint8_t rgba[] = {1, 2, 3, 4};
    put("e.png", png_encode(1, 1, 4, rgba, {{"Comment", "hello"}}));
    ASSERT_TRUE(image_read_rgba("@e.png", &img));
    EXPECT_EQ(img.pixels, bytes(rgba, rgba + 4));
    EXPECT_EQ(img.info, "hello\n");
}

TEST_F(Images, PngRgbReadAsRgbaIsOpaque) {
    const uint8_t rgb[] = {1, 2, 3};
    put("e.png", png_encode(1, 1, 3, rgb));
    image img;
    ASSERT_TRUE(image_read_rgba("@e.png", &img));
    EXPECT_EQ(img.pixels, (bytes{1, 2, 3, 255}));
}

TEST_F(Images, PngHeightsAreSixteenBitGrey) {
    struct {
        png_layout layout;
        std::vector<uint16_t> samples;
    } cases[] = {
        {{3, 1, 8, 0, {"\0\1\xFF"s}}, {0, 257, 65535}},
        {{2, 1, 16, 0, {"\x12\x34\xFF\xFE"s}}, {0x1234, 0xFFFE}},
        {{1, 2, 8, 4, {"\x64\x00"s, "\x65\xFF"s}}, {100 * 257, 101 * 257}},
        {{1, 1, 8, 6, {"\x64\x64\x64\x10"s}}, {100 * 257}},
        {{1, 1, 16, 2, {"\x12\x34\x12\x34\x12\x34"s}}, {0x1234}},
    };
    for (const auto& c : cases) {
        put("h.png", png_build(c.layout));
        std::vector<uint16_t> samples;
        int width = 0, height = 0;
        ASSERT_TRUE(image_read_png_height("@h.png", &samples, &width, &height));
        EXPECT_EQ(width, c.layout.width);
        EXPECT_EQ(height, c.layout.height);
        EXPECT_EQ(samples, c.samples) << c.layout.type << " " << c.layout.depth;
    }
    // Colour turns grey by weight: green counts for more than red.
    put("h.png", png_build({2, 1, 8, 2, {"\xFF\0\0\0\xFF\0"s}}));
    std::vector<uint16_t> samples;
    int width, height;
    ASSERT_TRUE(image_read_png_height("@h.png", &samples, &width, &height));
    ASSERT_EQ(samples.size(), 2u);
    EXPECT_LT(samples[0], samples[1]);
}

TEST_F(Images, DamagedPngsAreRefused) {
    std::string good = png_build({2, 2, 8, 2, {"\1\2\3\4\5\6"s, "\7\x08\x09\x0A\x0B\x0C"s}});
    std::string bad_crc = good;
    bad_crc[29] ^= 1; // the IHDR checksum
    std::string bad_ihdr = good;
    bad_ihdr[24] = 5; // no such bit depth
    std::string bad_idat = good;
    bad_idat[41] ^= 0x55; // inside the zlib header
    std::string huge = png_build({100000, 1, 8, 2, {"\1\2\3"s}});
    std::string too_tall_for_file = png_build({10000, 10000, 8, 2, {"\1\2\3"s}});
    std::string zero_width = png_build({0, 1, 8, 2, {""s}});
    std::string huge_text = png_build({1, 1, 8, 2, {"\1\2\3"s}, be32(0x6E000000) + "tEXt"});
    std::string cases[] = {good.substr(0, 8),
                           good.substr(0, 40),
                           good.substr(0, good.size() - 20),
                           bad_crc,
                           bad_ihdr,
                           bad_idat,
                           huge,
                           too_tall_for_file,
                           zero_width,
                           huge_text,
                           "P7 not an image"};
    for (const std::string& file : cases) {
        put("bad.png", file);
        image img;
        EXPECT_FALSE(image_read("@bad.png", &img)) << testing::PrintToString(file);
        EXPECT_TRUE(img.pixels.empty());
        std::vector<uint16_t> samples;
        int width, height;
        EXPECT_FALSE(image_read_png_height("@bad.png", &samples, &width, &height));
        EXPECT_TRUE(samples.empty());
    }
    put("bad.png", good);
    image img;
    EXPECT_TRUE(image_read("@bad.png", &img)); // the damage above is what was refused
}

// --- Mip chains ------------------------------------------------------------------------------

image image_of(int width, int height, int channels, bytes pixels) {
    image img;
    img.width = width;
    img.height = height;
    img.channels = channels;
    img.pixels = std::move(pixels);
    return img;
}

TEST_F(Images, MipChainAveragesBlocksThenPairs) {
    image img = image_of(4, 2, 1, {10, 20, 30, 41, 50, 60, 70, 80});
    image_build_mips(&img, false);
    EXPECT_TRUE(img.has_mips);
    // 4 x 2, then 2 x 1 from blocks (sums >> 2), then 1 x 1 from the pair (sum >> 1).
    EXPECT_EQ(img.pixels, (bytes{10, 20, 30, 41, 50, 60, 70, 80, 35, 55, 45}));
    EXPECT_EQ(image_mip_chain_bytes(4, 2, 1), 11u);
    int w, h;
    const uint8_t* level = image_level(img, 2, &w, &h);
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(w, 1);
    EXPECT_EQ(h, 1);
    EXPECT_EQ(*level, 45);
    EXPECT_EQ(image_level(img, 3, &w, &h), nullptr);

    image column = image_of(1, 4, 1, {10, 21, 100, 201});
    image_build_mips(&column, true);
    EXPECT_EQ(column.pixels, (bytes{10, 21, 100, 201, 15, 150, 82}));
}

TEST_F(Images, MipColourIsWeightedByAlpha) {
    struct {
        const char* label;
        bytes block; // four RGBA pixels: top left, top right, bottom left, bottom right
        bool max_alpha;
        bytes expected;
    } cases[] = {
        {"weighted",
         {200, 0, 0, 255, 100, 0, 0, 85, 0, 9, 0, 0, 0, 0, 0, 0},
         false,
         {175, 0, 0, 85}},
        {"weighted_max_alpha",
         {200, 0, 0, 255, 100, 0, 0, 85, 0, 9, 0, 0, 0, 0, 0, 0},
         true,
         {175, 0, 0, 255}},
        {"all_transparent",
         {200, 1, 2, 0, 100, 3, 4, 0, 0, 5, 6, 0, 3, 7, 8, 0},
         false,
         {75, 4, 5, 0}},
        {"all_opaque",
         {201, 1, 2, 255, 100, 3, 4, 255, 0, 5, 6, 255, 3, 7, 9, 255},
         true,
         {76, 4, 5, 255}},
        {"truncated", {255, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0}, false, {85, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        image img = image_of(2, 2, 4, c.block);
        image_build_mips(&img, c.max_alpha);
        EXPECT_EQ(bytes(img.pixels.begin() + 16, img.pixels.end()), c.expected) << c.label;
    }
}

TEST_F(Images, CustomMipLevelsAreTakenFromTheirPlaces) {
    // 8 x 12: level 0 is the top 8 x 8, level 1 (4 x 4) at (0, 8), level 2 (2 x 2) at (4, 8),
    // level 3 (1 x 1) at (4, 10). Each pixel holds its own offset.
    bytes pixels(8 * 12);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = (uint8_t)i;
    image img = image_of(8, 12, 1, pixels);
    img.info = "[mip_custom]";
    image_prepare_mips(&img, "@m.png");
    EXPECT_EQ(img.height, 8);
    EXPECT_TRUE(img.has_mips);
    bytes expected(pixels.begin(), pixels.begin() + 64);
    for (int y = 8; y < 12; ++y)
        for (int x = 0; x < 4; ++x) expected.push_back((uint8_t)(y * 8 + x));
    expected.insert(expected.end(), {68, 69, 76, 77, 84});
    EXPECT_EQ(img.pixels, expected);

    image narrow = image_of(1, 3, 1, {1, 2, 3}); // 1 x 2 over 1 x 1
    EXPECT_TRUE(image_take_custom_mips(&narrow, "@n.png"));
    EXPECT_EQ(narrow.pixels, (bytes{1, 2, 3}));

    // The warning starts the process-wide log, so the refusals run in a child of their own.
    // 8 x 3 has the right height, but its 1 x 1 level would lie below the picture.
    int wrong = run_in_child([] {
        int count = 0;
        for (auto [width, height] : {std::pair{8, 7}, {8, 13}, {8, 1}, {8, 3}}) {
            image odd = image_of(width, height, 1, bytes((size_t)width * height, 9));
            message_ring_clear();
            bool taken = image_take_custom_mips(&odd, "@m.png");
            if (taken || odd.height != height || odd.has_mips ||
                newest_message() != "Warning: Invalid height for custom MIP map in '@m.png'")
                ++count;
        }
        return count;
    });
    EXPECT_EQ(wrong, 0);
}

TEST_F(Images, InfoWordsPickTheMipRule) {
    bytes block = {200, 0, 0, 255, 100, 0, 0, 85, 0, 9, 0, 0, 0, 0, 0, 0};
    image plain = image_of(2, 2, 4, block);
    image maximum = image_of(2, 2, 4, block);
    maximum.info = "x [mip_max_alpha] y";
    image_prepare_mips(&plain, "a");
    image_prepare_mips(&maximum, "b");
    EXPECT_EQ(plain.pixels.back(), 85);
    EXPECT_EQ(maximum.pixels.back(), 255);
}

// --- Writers -------------------------------------------------------------------------------

TEST_F(Images, RgbWriterTakesRowsBottomFirst) {
    // A 2 x 3 frame as GL gives it: the first row in memory is the bottom of the picture.
    bytes frame(2 * 3 * 3);
    for (size_t i = 0; i < frame.size(); ++i) frame[i] = (uint8_t)(i * 13);
    ASSERT_EQ(png_write_rgb("@shot.png", frame.data(), 2, 3), 1);
    EXPECT_TRUE(fs::exists(home + "shot.png"));
    image img;
    ASSERT_TRUE(image_read_png("@shot.png", &img));
    ASSERT_EQ(img.width, 2);
    ASSERT_EQ(img.height, 3);
    ASSERT_EQ(img.channels, 3);
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(bytes(img.pixels.begin() + y * 6, img.pixels.begin() + y * 6 + 6),
                  bytes(frame.begin() + (2 - y) * 6, frame.begin() + (2 - y) * 6 + 6))
            << y;
    ASSERT_EQ(image_write_png_rgb("@shot2.png", 2, 3, frame.data()), 1);
    EXPECT_EQ(read_file(home + "shot2.png"), read_file(home + "shot.png"));
}

TEST_F(Images, GreyWriterRoundTripsSixteenBitSamples) {
    std::vector<uint16_t> samples = {0, 1, 255, 256, 0x1234, 0xFFFF};
    ASSERT_EQ(png_write_gray16("@heights.png", samples.data(), 3, 2), 1);
    std::vector<uint16_t> back;
    int width, height;
    ASSERT_TRUE(image_read_png_height("@heights.png", &back, &width, &height));
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(back, samples);
    // The file holds them big-endian, as PNG requires.
    std::string file = read_file(home + "heights.png");
    EXPECT_NE(file.find("\x89PNG"), std::string::npos);
}

TEST_F(Images, WritersRefuseBadSizesAndUnwritablePlaces) {
    uint16_t sample = 0;
    uint8_t pixel[3] = {};
    EXPECT_EQ(png_write_gray16("@z.png", &sample, 0, 1), 0);
    EXPECT_EQ(png_write_rgb("@z.png", pixel, 1, -1), 0);
    EXPECT_FALSE(fs::exists(home + "z.png"));
    put("file", "x"); // a folder path through a plain file can't be created
    EXPECT_EQ(png_write_rgb((data + "file/z.png").c_str(), pixel, 1, 1), 0);
}

} // namespace
