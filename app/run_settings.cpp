// app/run_settings.cpp — start values of the run-long records and the render settings that
// follow from the graphics settings.
#include "app/run_settings.h"

run_settings_record run_settings;
app_globals_record app_globals;
entry_values_record entry_values;

namespace {
template <typename T>
T clamp(T value, T low, T high) {
    return value < low ? low : value > high ? high : value;
}
} // namespace

void run_settings_reset() {
    run_settings_record& r = run_settings;
    r = run_settings_record{};
    r.window_width = 640;
    r.window_height = 480;
    r.roost_frequency = 1000;
    r.ground_texture_size = 128;
    r.ground_mipmaps = 1;
    r.terrain_shaders = 1;
    r.texture_compress = 1;
    r.shaders = 1;
    r.reflections = 1;
    r.terrain_detail = 0.02f;
    r.max_detail_distance = 70;
    r.detail_fade_distance = 75;
    r.lod_scale = 1;
    app_globals = app_globals_record{};
    entry_values = entry_values_record{};
    entry_values.show_pause_text = 1;
    entry_values.show_hud = 1;
    entry_values.color_depth = 16;
    entry_values.chase_center[1] = 2.52f;
    entry_values.chase_center[2] = 0.52f;
}

void derive_render_settings() {
    run_settings_record& r = run_settings;
    const settings_record& s = settings;
    r.terrain_detail = (float)(0.125 / s.ground_detail.value);
    r.ground_texture_reduce = clamp((int)(10 - s.ground_texture_detail.value), 0, 10);
    r.ground_texture_size = 32 << s.ground_texture_dim.index;
    double d = clamp(100 - s.model_detail.value, 0.0, 100.0);
    double scale = d * 0.02;
    r.lod_scale = (float)(scale <= 1 ? scale : scale * scale * scale);
    double c = clamp((s.model_detail.value - 10) * 0.05, 0.0, 1.0);
    r.lod_bias = (float)(50 - 50 * c);
    r.texture_reduce = clamp((int)(10 - s.model_texture_detail.value), 0, 10);
    r.roost_frequency = (int)s.roost_density.value;
    r.texture_compress = s.texture_compress.index;
    r.reflections = s.reflections.index;
}

void derive_gl_settings(int shaders_usable, int (*build_shaders)()) {
    run_settings_record& r = run_settings;
    const settings_record& s = settings;
    if (choice_is(&s.ground_mipmaps, "No")) r.ground_mipmaps = 0;
    r.shaders = choice_is(&s.use_shader, "Yes") && shaders_usable;
    if (r.shaders) r.shaders = build_shaders();
    r.terrain_shaders = r.shaders && (choice_is(&s.render_texture, "Shaders/Copy") ||
                                      choice_is(&s.render_texture, "Shaders/Direct"));
}
