// The texture manager and the text system on a real GL context: textures load once per name,
// count their memory per generation, follow links, resample odd sizes, drop levels for the
// detail setting, and are collected by generation; fonts are cut by their marker colour; a
// screenshot writes exactly the frame on screen.
#include "platform/window.h"
#include "render/gl_caps.h"
#include "render/render.h"
#include "render/text.h"
#include "resources/files.h"
#include "resources/images.h"
#include "resources/textures.h"
#include "resources/writers.h"
#include "support/child_process.h"
#include "support/png_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

std::string rgb_png(int width, int height, uint8_t shade = 200) {
    std::vector<uint8_t> pixels((size_t)width * height * 3, shade);
    return png_encode(width, height, 3, pixels.data());
}

GLint uploaded_width(unsigned id) {
    GLint width = 0;
    gl.BindTexture(GL_TEXTURE_2D, id);
    gl.GetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    return width;
}

class textures : public testing::Test {
  protected:
    game_window* w = nullptr;
    std::string data = make_temp_folder();
    std::string user = make_temp_folder();

    void SetUp() override {
        setenv("QD_HOME", data.c_str(), 1);
        setenv("XDG_DATA_HOME", user.c_str(), 1);
        file_system_reset();
        w = window_open_gl("Tarvik", 160, 120, 24, 0, 16, 0, 0);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(gl_load_capabilities());
        texture_options = {0, 1, 0};
        texture_generation = 0;
    }
    void TearDown() override {
        texture_cache_free();
        if (w) window_close_gl(w);
        unsetenv("QD_HOME");
        file_system_reset();
        std::filesystem::remove_all(data);
        std::filesystem::remove_all(user);
    }
    void put(const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(write_whole_file(data + "/" + name, bytes));
    }
};

TEST_F(textures, one_upload_per_name_and_memory_counted_again_per_generation) {
    put("a.png", rgb_png(16, 16));
    texture_generation = 1;
    uint32_t before = texture_memory;
    unsigned id = texture_load("@a.png");
    ASSERT_NE(id, 0u);
    uint32_t one = texture_memory - before;
    EXPECT_GT(one, 16u * 16 * 3) << "the mip levels count too";
    EXPECT_EQ(texture_load("@a.png"), id);
    EXPECT_EQ(texture_memory - before, one);
    EXPECT_EQ(texture_load("@A.PNG"), id) << "a name differing in case finds it";
    texture_generation = 2;
    EXPECT_EQ(texture_load("@a.png"), id);
    EXPECT_EQ(texture_memory - before, 2 * one);
    EXPECT_STREQ(texture_name(id), "@a.png");
    EXPECT_EQ(texture_load("@missing.png"), 0u);
}

TEST_F(textures, odd_sizes_are_resampled_and_detail_drops_levels_above_128) {
    put("odd.png", rgb_png(3, 5));
    put("big.png", rgb_png(1024, 1024));
    put("mid.png", rgb_png(256, 256));
    put("title.png", rgb_png(512, 512));
    texture_options.reduce = 2;
    unsigned odd = texture_load("@odd.png");
    ASSERT_NE(odd, 0u);
    EXPECT_EQ(uploaded_width(odd), 4);
    EXPECT_EQ(uploaded_width(texture_load("@big.png")), 256);
    EXPECT_EQ(uploaded_width(texture_load("@mid.png")), 128);
    EXPECT_EQ(uploaded_width(texture_load("!@title.png")), 512) << "full detail asked for";
}

TEST_F(textures, links_lead_to_their_target_and_never_to_themselves) {
    put("target.png", rgb_png(8, 8));
    put("alias.png", "LINK\n\n   @target.png  \n\n");
    put("loop.png", "LINK @loop.png\n");
    unsigned target = texture_load("@alias.png");
    ASSERT_NE(target, 0u);
    EXPECT_EQ(texture_load("@target.png"), target);
    EXPECT_EQ(texture_load("@alias.png"), target);
    EXPECT_EQ(texture_load("@loop.png"), 0u);
}

TEST_F(textures, animations_need_matching_images_and_survive_a_zero_duration) {
    std::vector<uint8_t> big(64 * 64 * 4, 90), small(64 * 32 * 4, 90);
    put("ok.seq", "ANIM1 2 2 0 1\n0 1\nR7" + predictive_encode(64, 64, 4, big.data()).substr(2) +
                      "\nR7" + predictive_encode(64, 64, 4, big.data()).substr(2));
    put("bad.seq", "ANIM1 1 2 100 1\n0\nR7" + predictive_encode(64, 64, 4, big.data()).substr(2) +
                       "\nR7" + predictive_encode(64, 32, 4, small.data()).substr(2));
    unsigned id = texture_load("@ok.seq");
    EXPECT_NE(id, 0u);
    anim_start(id, 0);
    anim_update(5); // a duration of 0 must not divide by zero
    EXPECT_EQ(texture_load("@bad.seq"), 0u);
}

TEST_F(textures, collection_frees_older_generations_only) {
    put("menu.png", rgb_png(8, 8));
    put("old.png", rgb_png(8, 8));
    put("new.png", rgb_png(8, 8));
    unsigned menu = texture_load("@menu.png"); // generation 0: kept for the whole run
    texture_generation = 1;
    unsigned old = texture_load("@old.png");
    texture_generation = 2;
    unsigned fresh = texture_load("@new.png");
    texture_collect();
    EXPECT_STREQ(texture_name(menu), "@menu.png");
    EXPECT_EQ(texture_name(old), nullptr);
    EXPECT_STREQ(texture_name(fresh), "@new.png");
}

TEST_F(textures, kept_images_are_pixels_made_ready_for_the_ground) {
    put("ground.png", rgb_png(300, 300, 77));
    texture_generation = 3;
    texture_options.reduce = 1;
    const uint8_t* pixels = nullptr;
    int width = 0, height = 0;
    ASSERT_TRUE(image_load("@ground.png", &pixels, &width, &height));
    EXPECT_EQ(width, 256) << "resampled to 512, then one level dropped";
    EXPECT_EQ(height, 256);
    EXPECT_EQ(pixels[0], 77);
    EXPECT_EQ(pixels[(size_t)256 * 256 * 3], 77) << "the chain follows level 0";
    const uint8_t* again = nullptr;
    ASSERT_TRUE(image_load("@GROUND.png", &again, &width, &height));
    EXPECT_EQ(again, pixels);
    EXPECT_STREQ(image_name(pixels), "@ground.png");
    texture_generation = 4;
    texture_collect();
    EXPECT_EQ(image_name(pixels), nullptr);
}

// A font picture: marker columns close each glyph in a band's top row; a marker pixel in
// column 0 starts the next band.
TEST_F(textures, fonts_are_cut_at_their_marker_columns) {
    const int width = 16, height = 16;
    std::vector<uint8_t> pixels(width * height * 4, 0);
    auto set = [&](int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
        uint8_t* p = &pixels[(y * width + x) * 4];
        p[0] = r, p[1] = g, p[2] = b, p[3] = a;
    };
    for (int x : {0, 4, 10, 15}) set(x, 0, 255, 0, 255, 255); // band 1: glyphs 0-4, 4-10, 10-15
    set(0, 8, 255, 0, 255, 255);                              // band 2 starts at row 8
    for (int x : {6, 15}) set(x, 8, 255, 0, 255, 255);
    set(2, 3, 255, 255, 255, 255);
    put("font.png", png_encode(width, height, 4, pixels.data()));
    font_record f;
    load_font(&f, "@font.png", "ab-cd", true);
    EXPECT_FLOAT_EQ(f.advance['a'], 4.0f / 8);
    EXPECT_FLOAT_EQ(f.advance['b'], 6.0f / 8);
    EXPECT_FLOAT_EQ(f.advance['-'], 5.0f / 8);
    EXPECT_FLOAT_EQ(f.box['c'][1], 8.0f / 16) << "the fourth glyph opens the second band";
    EXPECT_FLOAT_EQ(f.advance['c'], 6.0f / 8);
    EXPECT_FLOAT_EQ(f.advance[' '], f.advance['-']);
    EXPECT_FLOAT_EQ(f.advance['z'], 2.0f / 3) << "characters not in the picture";
    EXPECT_EQ(f.pixels[3], 0) << "marker pixels turn transparent";
    font_record none;
    load_font(&none, "@nothing.png", "ab", true);
    EXPECT_FLOAT_EQ(none.advance['a'], 2.0f / 3);
}

// The game's own data: its font and one texture in each format load through the manager.
TEST_F(textures, the_default_data_loads_in_every_format) {
    setenv("QD_HOME", std::filesystem::path(TARVIK_BINARY).parent_path().c_str(), 1);
    file_system_reset();
    for (const char* name :
         {"@colors/white.png", "@colors/grey.ppm", "@colors/tape.r7", "@colors/blink.seq",
          "@colors/plain.png", "!@title.png", "!@tach.png", "!@shifter.png", "!@pitboard.png"})
        EXPECT_NE(texture_load(name), 0u) << name;
    EXPECT_EQ(texture_load("@colors/plain.png"), texture_load("@colors/white.png"));
    std::string printable;
    for (int c = '!'; c <= '~'; ++c) printable += (char)c;
    load_font(&main_font, "@font.png", printable.c_str(), false);
    EXPECT_NE(main_font.texture, 0u);
    EXPECT_GT(main_font.advance['A'], 0.3f);
    EXPECT_LT(main_font.advance['A'], 1.5f);
    EXPECT_LT(main_font.advance['!'], main_font.advance['W']) << "a proportional font";
}

// Text drawn with the game's font over the start colour: coloured escapes and more glyphs than
// one batch holds; the picture is kept for a person to look at.
TEST_F(textures, text_draws_in_its_colours) {
    setenv("QD_HOME", std::filesystem::path(TARVIK_BINARY).parent_path().c_str(), 1);
    file_system_reset();
    fonts_setup();
    ASSERT_NE(main_font.texture, 0u);
    window_frame* frame = window_begin_frame(w);
    ASSERT_NE(frame, nullptr);
    gl_initial_state(0);
    set_projection(frame->width, frame->height, 90);
    render_clear_frame();
    overlay_grid(5);
    text_white("Tarvik 0123456789");
    gl.Translatef(0, -1.5f, 0);
    text_shadowed(1, 1, 0, 1, "\x1b[31mred \x1b[32mgreen \x1b[0;1mbold");
    std::string many;
    for (int i = 0; i < 40; ++i) many += "Holeshot! ";
    gl.Translatef(0, -1.5f, 0);
    text_line(many.c_str());
    overlay_end();
    std::vector<unsigned char> rgb((size_t)frame->width * frame->height * 3);
    ASSERT_TRUE(read_frame_pixels(frame->width, frame->height, rgb.data()));
    window_end_frame(w);
    write_png_bottom_up("window_text.png", frame->width, frame->height, rgb.data());
    size_t white = 0, red = 0, green = 0;
    for (size_t i = 0; i < rgb.size(); i += 3) {
        white += rgb[i] > 220 && rgb[i + 1] > 220 && rgb[i + 2] > 220;
        red += rgb[i] > 140 && rgb[i + 1] < 90 && rgb[i + 2] < 90;
        green += rgb[i] < 90 && rgb[i + 1] > 140 && rgb[i + 2] < 120;
    }
    EXPECT_GT(white, 150u);
    EXPECT_GT(red, 30u);
    EXPECT_GT(green, 30u);
}

TEST_F(textures, text_widths_skip_escapes_and_follow_tabs_and_lines) {
    main_font = font_record{};
    for (float& a : main_font.advance) a = 0.5f;
    EXPECT_FLOAT_EQ(text_width("abcd"), 2);
    EXPECT_FLOAT_EQ(text_width("\x1b[1;31mab\x1b[0m"), 1);
    EXPECT_FLOAT_EQ(text_width("a\tb"), 4.5f);
    EXPECT_FLOAT_EQ(text_width("long line\nab"), 1);
}

TEST_F(textures, a_screenshot_is_the_frame_on_screen) {
    window_frame* frame = window_begin_frame(w);
    ASSERT_NE(frame, nullptr);
    gl_initial_state(0);
    set_projection(frame->width, frame->height, 90);
    render_clear_frame();
    gl.MatrixMode(GL_MODELVIEW);
    gl.LoadIdentity();
    gl.Translatef(0, 0, -1);
    fill_box(1, 0.5f, 0, 1, -0.5f, 0.4f, 0.2f, -0.3f);
    std::vector<unsigned char> seen((size_t)frame->width * frame->height * 3);
    ASSERT_TRUE(read_frame_pixels(frame->width, frame->height, seen.data()));
    ASSERT_TRUE(png_write_rgb("@shot.png", seen.data(), frame->width, frame->height));
    window_end_frame(w);
    image back;
    ASSERT_TRUE(image_read_png((user + "/Tarvik/shot.png").c_str(), &back));
    ASSERT_EQ(back.width, frame->width);
    ASSERT_EQ(back.height, frame->height);
    size_t different = 0, orange = 0;
    for (int y = 0; y < back.height; ++y)
        for (int x = 0; x < back.width; ++x)
            for (int c = 0; c < 3; ++c) {
                uint8_t file = back.pixels[((size_t)y * back.width + x) * 3 + c];
                uint8_t gl_row = seen[((size_t)(back.height - 1 - y) * back.width + x) * 3 + c];
                different += file != gl_row;
                orange += c == 0 && file == 255;
            }
    EXPECT_EQ(different, 0u);
    EXPECT_GT(orange, 1000u) << "the box is in the picture";
}

} // namespace
