// app/views.cpp — the views and cameras. The title view shows the title picture; the riding,
// chase and free cameras come with the views, and until then those show the clear colour and
// Tab changes nothing.
#include "app/views.h"

#include "app/main_loop.h"
#include "platform/gl.h"
#include "render/render.h"
#include "render/text.h"
#include "resources/textures.h"

namespace {

constexpr char version_text[] = "2013-08-15-1195 snapshot";
constexpr float version_rows = 32; // the version text is 1/32 of the screen high

// The title picture at 2:1, centred on black: the full height, or the full width of a screen
// wider than 2:1.
void draw_title() {
    if (!gl.ClearColor) return;
    render_clear_frame_black();
    float h = half_height, w = 2 * h;
    if (half_width > w) {
        w = half_width;
        h = w / 2;
    }
    gl.MatrixMode(GL_MODELVIEW);
    gl.PushMatrix();
    gl.LoadIdentity();
    gl.Translatef(0, 0, -1);
    textured_box(texture_load("!@title.png"), 1, -w, h, w, -h);
    float s = 2 * half_height / version_rows;
    gl.LoadIdentity();
    gl.Translatef(half_width, -half_height, -1);
    gl.Scalef(s, s, s);
    text_right(0.75f, 0.75f, 0.75f, 1, 0, version_text);
    gl.PopMatrix();
}

} // namespace

void view_draw(int view_mode, int, int) {
    if (view_mode == view_title)
        draw_title();
    else
        render_clear_frame();
}
void view_change() {}
void view_refresh_bike() {}
void view_controls(int) {}
void camera_select(int) {}
void camera_keyframes_create() {}
