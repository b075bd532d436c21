// render/render.cpp — the GL start-up state, the frame set-up and reading frames back. GL
// capabilities, text, the race display and the terrain come with the renderer; until then
// those draw nothing.
#include "render/render.h"

#include "render/gl_caps.h"
#include "render/shaders.h"
#include "render/text.h"

#include <cmath>

namespace {
bool gl_ready = false;
constexpr int text_rows = 30;                         // the grid the pause texts sit on
constexpr float near_plane = 0.25f, far_plane = 4000; // ft, until a track's lighting says
// The main font's 94 printable characters, in byte order.
const char font_characters[] = "!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                               "[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~";
font_record digit_font, condensed_digit_font;
constexpr GLclampf start_colour[4] = {0.196078f, 0.6f, 0.8f, 0}; // the sky blue of start-up
} // namespace

int gl_load_capabilities() {
    return gl_ready = gl_caps_load();
}

int gl_shaders_usable() {
    return gl_ready && gl_caps.has_fragment_shader && gl_caps.has_vertex_shader &&
           gl_caps.texture_units >= 4;
}

int gl_build_shaders() {
    return gl_ready && shaders_build();
}

void gl_initial_state(int flat) {
    if (!gl_ready) return;
    gl.Clear(GL_COLOR_BUFFER_BIT);
    gl.ClearColor(start_colour[0], start_colour[1], start_colour[2], start_colour[3]);
    gl.Enable(GL_CULL_FACE);
    gl.PixelStorei(GL_PACK_ALIGNMENT, 1);
    gl.PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (flat) gl.ShadeModel(GL_FLAT);
}

void gl_finish_frame() {
    if (gl_ready) gl.Finish();
}

void set_projection(int width, int height, double fov_degrees) {
    if (!gl_ready || width <= 0 || height <= 0) return;
    gl.Viewport(0, 0, width, height);
    // The angle is the width of a 4:3 view: a wider screen sees more at the sides.
    double t = std::tan(fov_degrees * M_PI / 360);
    if ((double)width / height > 4.0 / 3) {
        half_height = (float)(0.75 * t);
        half_width = half_height * width / height;
    } else {
        half_width = (float)t;
        half_height = (float)(t * height / width);
    }
    gl.MatrixMode(GL_PROJECTION);
    gl.LoadIdentity();
    gl.Frustum(-half_width * near_plane, half_width * near_plane, -half_height * near_plane,
               half_height * near_plane, near_plane, far_plane);
    gl.MatrixMode(GL_MODELVIEW);
    gl.LoadIdentity();
}

void render_clear_frame() {
    if (gl_ready) gl.Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void render_clear_frame_black() {
    if (!gl_ready) return;
    gl.ClearColor(0, 0, 0, 0);
    render_clear_frame();
    gl.ClearColor(start_colour[0], start_colour[1], start_colour[2], start_colour[3]);
}

int read_frame_pixels(int width, int height, unsigned char* rgb) {
    if (!gl_ready) return 0;
    gl.ReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return 1;
}

void fonts_setup() {
    if (!gl_ready) return;
    load_font(&main_font, "@font.png", font_characters, false);
    load_font(&digit_font, "@numbers.png", "0123456789", true);
    load_font(&condensed_digit_font, "@numbers-condensed.png", "0123456789", true);
}

void draw_centered_row(int row, const char* text) {
    if (!gl_ready) return;
    overlay_grid(text_rows);
    gl.Translatef(0, (float)-row, 0);
    text_centred(1, 1, 1, 1, 0, half_width * text_rows / half_height, text);
    overlay_end();
}
void hud_draw(int, int) {}
void terrain_frame_update(int) {}
void scene_lists_free() {}
