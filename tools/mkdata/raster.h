// tools/mkdata/raster.h — a tiny RGBA canvas for the pictures the data generator draws:
// antialiased polygons, circles, rounded boxes and round-capped strokes, and the stroke font
// that the font picture, the dials and the title share.
#pragma once

#include <string>
#include <vector>

struct colour {
    float r, g, b, a; // 0..1, alpha not premultiplied
};

struct point {
    float x, y;
};

using polyline = std::vector<point>;

struct canvas {
    int width = 0, height = 0;
    std::vector<float> rgba; // rows top first
};

canvas make_canvas(int width, int height, colour fill);
// Source-over of the colour at the pixel, its alpha scaled by the coverage.
void blend_pixel(canvas& c, int x, int y, colour col, float coverage);
// Even-odd fill of the outline, antialiased by sub-rows and exact span ends.
void fill_polygon(canvas& c, const polyline& outline, colour col);
void fill_circle(canvas& c, float cx, float cy, float radius, colour col);
void fill_rounded_box(canvas& c, float x0, float y0, float x1, float y1, float radius, colour col);
// Round-capped strokes of the lines; overlaps cover once.
void draw_strokes(canvas& c, const std::vector<polyline>& lines, float radius, colour col);
// The points of an ellipse arc from angle a0 to a1 (degrees, counter-clockwise, y up as the
// glyphs are drawn; pictures flip y themselves).
polyline ellipse_arc(float cx, float cy, float rx, float ry, float a0, float a1);
std::string canvas_png(const canvas& c, int channels);

// The stroke font. Glyph lines are in pixels of a 32-row cell: y up from the baseline, cap
// height 19, x-height 14, descenders to -6, ascenders to 20; x from the ink's left.
constexpr float glyph_pen_radius = 1.75f;
constexpr float glyph_cap_height = 19;
// The centre lines of the printable character, and the width they span (digits share one).
std::vector<polyline> glyph_lines(char ch, float* width);
// The text's advance at the scale, with the font's spacing.
float text_width(const char* text, float scale);
// Draws the text with its left edge at x and baseline at y (picture coordinates, y down).
void draw_text(canvas& c, const char* text, float x, float baseline, float scale, float pen_radius,
               colour col);
