// render/render.cpp — the GL start-up state, the frame set-up and reading frames back. GL
// capabilities, text, the race display and the terrain come with the renderer; until then
// those draw nothing.
#include "render/render.h"

#include "render/gl.h"

namespace {
bool gl_ready = false;
constexpr GLclampf start_colour[4] = {0.196078f, 0.6f, 0.8f, 0}; // the sky blue of start-up
} // namespace

int gl_load_capabilities() {
    return gl_ready = gl_load_entry_points();
}
int gl_shaders_usable() {
    return 0;
}
int gl_build_shaders() {
    return 0;
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

void set_projection(int width, int height, double) {
    if (gl_ready) gl.Viewport(0, 0, width, height);
}

void render_clear_frame() {
    if (gl_ready) gl.Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

int read_frame_pixels(int width, int height, unsigned char* rgb) {
    if (!gl_ready) return 0;
    gl.ReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return 1;
}

void fonts_setup() {}
void draw_centered_row(int, const char*) {}
void hud_draw(int, int) {}
void terrain_frame_update(int) {}
void scene_lists_free() {}
