// render/render.cpp — drawing. GL capabilities, text, the race display and the terrain
// come with the renderer; until then nothing is drawn.
#include "render/render.h"

int gl_load_capabilities() {
    return 0;
}
int gl_shaders_usable() {
    return 0;
}
int gl_build_shaders() {
    return 0;
}
void gl_initial_state(int) {}
void gl_finish_frame() {}
void set_projection(int, int, double) {}
int read_frame_pixels(int, int, unsigned char*) {
    return 0;
}
void fonts_setup() {}
void draw_centered_row(int, const char*) {}
void hud_draw(int, int) {}
void terrain_frame_update(int) {}
void scene_lists_free() {}
