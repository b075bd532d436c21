// render/render.h — GL capabilities and shader programs, the start-up GL state, fonts and
// text, the race display and the per-frame terrain work. Main thread, GL context current.
#pragma once

// Loads the GL entry points and capabilities and logs the driver's strings.
int gl_load_capabilities();
// The shading-language extensions and at least 4 texture units are there.
int gl_shaders_usable();
// Builds the shader programs; 1 when all of them built.
int gl_build_shaders();
// Clear colour, culling, row alignment and, with flat, the flat shade model.
void gl_initial_state(int flat);
void gl_finish_frame();
void set_projection(int width, int height, double fov_degrees);
// Clears the frame to the clear colour (the start-up sky blue), or to black.
void render_clear_frame();
void render_clear_frame_black();
// Reads the frame as RGB rows, bottom row first; 0 when it can't.
int read_frame_pixels(int width, int height, unsigned char* rgb);

void fonts_setup();
// Draws text centred across the screen on a row of the 30-row text grid, with a shadow.
void draw_centered_row(int row, const char* text);
// The race display: the rider panel and the overlay.
void hud_draw(int rider_panel, int overlay);

// The terrain's per-frame work within a budget of work units.
void terrain_frame_update(int budget);
void scene_lists_free();
