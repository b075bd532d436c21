// app/views.cpp — the views and cameras. Cameras and scene drawing come with the views;
// until then every view shows the clear colour and Tab changes nothing.
#include "app/views.h"

#include "render/render.h"

void view_draw(int, int, int) {
    render_clear_frame();
}
void view_change() {}
void view_refresh_bike() {}
void view_controls(int) {}
void camera_select(int) {}
void camera_keyframes_create() {}
