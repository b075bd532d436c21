// tools/mkdata/font_picture.cpp — "font.png", the bitmap font: the stroke glyphs of "!" to
// "~" in 32-row bands, white with alpha coverage. Marker pixels (the top-left colour) in a
// band's top row mark the glyph edges; one in column 0 marks where each band starts.
#include "tools/mkdata/mkdata.h"
#include "tools/mkdata/raster.h"

#include <cmath>

namespace {

constexpr int picture_width = 512;
constexpr int band_height = 32;
constexpr int baseline_row = 24; // below the band's top
constexpr colour marker = {1, 0, 1, 1};
constexpr colour clear_white = {1, 1, 1, 0};
constexpr colour white = {1, 1, 1, 1};

void put_marker(canvas& c, int x, int y) {
    float* p = &c.rgba[((size_t)y * c.width + x) * 4];
    p[0] = marker.r, p[1] = marker.g, p[2] = marker.b, p[3] = marker.a;
}

struct glyph_box {
    int left, top, right;
};

} // namespace

std::string make_font_picture() {
    // Lay the boxes out first: a band ends where the next box and its closing marker column
    // would not fit.
    std::vector<glyph_box> boxes;
    int x = 0, top = 0;
    for (char ch = '!'; ch <= '~'; ch++) {
        float w;
        glyph_lines(ch, &w);
        int box_width = (int)std::ceil(w + 2 * glyph_pen_radius + 2.5f);
        if (x + box_width >= picture_width) x = 0, top += band_height;
        boxes.push_back({x, top, x + box_width});
        x += box_width;
    }
    int bands = top / band_height + 1;
    int height = band_height;
    while (height < bands * band_height) height *= 2;

    canvas c = make_canvas(picture_width, height, clear_white);
    for (size_t i = 0; i < boxes.size(); i++) {
        const glyph_box& b = boxes[i];
        float w;
        std::vector<polyline> lines = glyph_lines((char)('!' + i), &w);
        // Drawn on a canvas of the box alone, so no ink strays into a neighbour.
        canvas cell = make_canvas(b.right - b.left, band_height, clear_white);
        float offset = (cell.width - w) / 2;
        for (polyline& l : lines)
            for (point& q : l) q = {offset + q.x, baseline_row - q.y};
        draw_strokes(cell, lines, glyph_pen_radius, white);
        for (int y = 1; y < band_height; y++)
            for (int cx = 0; cx < cell.width; cx++)
                for (int k = 0; k < 4; k++)
                    c.rgba[(((size_t)(b.top + y) * c.width) + b.left + cx) * 4 + k] =
                        cell.rgba[((size_t)y * cell.width + cx) * 4 + k];
        put_marker(c, b.right, b.top);
    }
    // Every band top, and the one after the last band so that band ends at its own height.
    for (int y = 0; y < height; y += band_height)
        if (y <= bands * band_height) put_marker(c, 0, y);
    return canvas_png(c, 4);
}
