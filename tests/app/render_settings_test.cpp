// The render settings that follow from the graphics presets and the GL capabilities.
#include "app/run_settings.h"

#include <gtest/gtest.h>

namespace {

struct preset_case {
    int preset;
    float terrain_detail;
    int ground_texture_reduce, ground_texture_size;
    float lod_scale, lod_bias;
    int texture_reduce, roost_frequency, texture_compress, reflections;
};

TEST(render_settings, follow_from_each_preset) {
    const preset_case cases[] = {
        {0, 0.125f / 70, 1, 64, 1, 0, 1, 1000, 0, 1},
        {1, 0.125f / 50, 3, 64, 3.375f, 12.5f, 3, 0, 1, 0},
        {2, 0.125f / 70, 1, 128, 1, 0, 1, 1000, 1, 1},
        {3, 0.125f / 90, 0, 256, 0.5f, 0, 0, 1000, 0, 1},
    };
    for (const preset_case& c : cases) {
        settings_reset();
        settings_apply_preset(c.preset);
        run_settings_reset();
        derive_render_settings();
        const run_settings_record& r = run_settings;
        EXPECT_FLOAT_EQ(r.terrain_detail, c.terrain_detail) << c.preset;
        EXPECT_EQ(r.ground_texture_reduce, c.ground_texture_reduce) << c.preset;
        EXPECT_EQ(r.ground_texture_size, c.ground_texture_size) << c.preset;
        EXPECT_FLOAT_EQ(r.lod_scale, c.lod_scale) << c.preset;
        EXPECT_FLOAT_EQ(r.lod_bias, c.lod_bias) << c.preset;
        EXPECT_EQ(r.texture_reduce, c.texture_reduce) << c.preset;
        EXPECT_EQ(r.roost_frequency, c.roost_frequency) << c.preset;
        EXPECT_EQ(r.texture_compress, c.texture_compress) << c.preset;
        EXPECT_EQ(r.reflections, c.reflections) << c.preset;
    }
}

TEST(render_settings, extremes_of_model_detail) {
    settings_reset();
    settings.model_detail.value = 0; // the coarsest models: scale cubed, full bias
    derive_render_settings();
    EXPECT_FLOAT_EQ(run_settings.lod_scale, 8);
    EXPECT_FLOAT_EQ(run_settings.lod_bias, 50);
    settings.model_detail.value = 100;
    settings.ground_texture_detail.value = 0;
    settings.ground_texture_dim.index = 5;
    derive_render_settings();
    EXPECT_FLOAT_EQ(run_settings.lod_scale, 0);
    EXPECT_EQ(run_settings.ground_texture_reduce, 10);
    EXPECT_EQ(run_settings.ground_texture_size, 1024);
}

int built = 0;
int build_ok() {
    return ++built, 1;
}
int build_fails() {
    return ++built, 0;
}

TEST(render_settings, shaders_need_the_choice_the_hardware_and_a_good_build) {
    struct gl_case {
        int use_shader, usable;
        int (*build)();
        int render_texture;
        int shaders, terrain_shaders, builds;
    };
    const gl_case cases[] = {
        {1, 1, build_ok, 4, 1, 1, 1}, // Shaders/Direct
        {1, 1, build_ok, 3, 1, 1, 1}, // Shaders/Copy
        {1, 1, build_ok, 2, 1, 0, 1}, // Hardware/Direct: no terrain shaders
        {1, 1, build_fails, 4, 0, 0, 1},
        {1, 0, build_ok, 4, 0, 0, 0}, // not usable: nothing is built
        {0, 1, build_ok, 4, 0, 0, 0},
    };
    for (const gl_case& c : cases) {
        settings_reset();
        run_settings_reset();
        settings.use_shader.index = c.use_shader;
        settings.render_texture.index = c.render_texture;
        built = 0;
        derive_gl_settings(c.usable, c.build);
        EXPECT_EQ(run_settings.shaders, c.shaders);
        EXPECT_EQ(run_settings.terrain_shaders, c.terrain_shaders);
        EXPECT_EQ(built, c.builds);
    }
}

TEST(render_settings, ground_mipmaps_off_only_when_chosen_off) {
    settings_reset();
    run_settings_reset();
    derive_gl_settings(0, build_ok);
    EXPECT_EQ(run_settings.ground_mipmaps, 1);
    settings.ground_mipmaps.index = 0;
    derive_gl_settings(0, build_ok);
    EXPECT_EQ(run_settings.ground_mipmaps, 0);
}

} // namespace
