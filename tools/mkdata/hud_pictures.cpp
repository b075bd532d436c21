// tools/mkdata/hud_pictures.cpp — the riding display's pictures: "tach.png" (the tachometer
// face, 0 to 16 thousand rpm over a 270 degree sweep; the game draws the needle),
// "shifter.png" (the gear plates in a 3 x 3 atlas) and "pitboard.png" (the lap board).
#include "tools/mkdata/mkdata.h"
#include "tools/mkdata/raster.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr float pi = 3.14159265358979f;
constexpr colour clear = {0, 0, 0, 0};

float mix(float a, float b, float t) {
    return a + (b - a) * t;
}
float clamp01(float v) {
    return v < 0 ? 0 : v > 1 ? 1 : v;
}

// The glyph with its ink centred on (cx, cy), picture coordinates.
void draw_glyph_centred(canvas& c, char ch, float cx, float cy, float scale, float pen,
                        colour col) {
    float w;
    std::vector<polyline> lines = glyph_lines(ch, &w);
    for (polyline& l : lines)
        for (point& q : l)
            q = {cx + (q.x - w / 2) * scale, cy - (q.y - glyph_cap_height / 2) * scale};
    draw_strokes(c, lines, pen, col);
}

void draw_text_centred(canvas& c, const char* text, float cx, float cy, float scale, float pen,
                       colour col) {
    float w = text_width(text, scale);
    draw_text(c, text, cx - w / 2, cy + glyph_cap_height / 2 * scale, scale, pen, col);
}

// The dial's angle for the rpm in thousands: 0 at lower left, 16 at lower right, clockwise,
// the sweep the game's needle turns through.
float dial_angle(float rpm) {
    return (225 - rpm / 16 * 270) * pi / 180;
}

polyline dial_segment(float cx, float cy, float angle, float r0, float r1) {
    return {{cx + r0 * std::cos(angle), cy - r0 * std::sin(angle)},
            {cx + r1 * std::cos(angle), cy - r1 * std::sin(angle)}};
}

} // namespace

std::string make_tach_picture() {
    constexpr int size = 256;
    constexpr float cx = size / 2.0f, cy = size / 2.0f;
    constexpr float outer = 126, face = 113;
    canvas c = make_canvas(size, size, clear);
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++) {
            float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            float d = std::sqrt(dx * dx + dy * dy);
            if (d > outer + 1) continue;
            // Chrome: bright towards the upper left, a soft bevel across the rim's width.
            float angle = std::atan2(-dy, dx);
            float u = clamp01((d - face) / (outer - face));
            float light = 0.5f + 0.5f * std::cos(angle - 2.3f);
            float bevel = std::sin(pi * u);
            float band = 0.5f + 0.5f * std::cos(2 * angle + 0.7f);
            float v = 0.35f + 0.35f * light + 0.2f * bevel + 0.1f * band;
            colour rim = {v, v, v * 1.04f, 1};
            // Face: a dark, slightly lit centre.
            float t = d / face;
            colour dial = {mix(0.13f, 0.04f, t), mix(0.14f, 0.045f, t), mix(0.16f, 0.05f, t), 1};
            float f = clamp01(face + 0.5f - d);
            colour col = {mix(rim.r, dial.r, f), mix(rim.g, dial.g, f), mix(rim.b, dial.b, f), 1};
            blend_pixel(c, x, y, col, outer + 0.5f - d);
        }
    // A dark line where the rim meets the face.
    draw_strokes(c, {ellipse_arc(cx, cy, face, face, 0, 360)}, 1.2f, {0, 0, 0, 0.8f});

    // The red zone, 13 to 16, under the ticks.
    polyline red;
    for (int i = 0; i <= 40; i++) {
        float a = dial_angle(13 + 3.0f * i / 40);
        red.push_back({cx + 104 * std::cos(a), cy - 104 * std::sin(a)});
    }
    for (int i = 40; i >= 0; i--) {
        float a = dial_angle(13 + 3.0f * i / 40);
        red.push_back({cx + 90 * std::cos(a), cy - 90 * std::sin(a)});
    }
    fill_polygon(c, red, {0.85f, 0.08f, 0.05f, 1});

    constexpr colour tick = {0.95f, 0.95f, 0.92f, 1};
    for (int half = 0; half <= 32; half++) {
        float a = dial_angle(half / 2.0f);
        bool major = half % 2 == 0;
        draw_strokes(c, {dial_segment(cx, cy, a, major ? 90 : 97, 107)}, major ? 1.8f : 1.0f, tick);
    }
    for (int n = 0; n <= 16; n += 2) {
        char label[4];
        snprintf(label, sizeof label, "%d", n);
        float a = dial_angle((float)n);
        colour col = n >= 14 ? colour{1, 0.3f, 0.25f, 1} : tick;
        draw_text_centred(c, label, cx + 74 * std::cos(a), cy - 74 * std::sin(a), 0.62f, 1.25f,
                          col);
    }
    draw_text_centred(c, "x1000", cx, cy + 48, 0.5f, 0.95f, {0.7f, 0.7f, 0.68f, 1});
    draw_text_centred(c, "rpm", cx, cy + 64, 0.5f, 0.95f, {0.7f, 0.7f, 0.68f, 1});
    return canvas_png(c, 4);
}

// A power-of-two picture, so the texture loads as it is; the cells are a third of it each.
std::string make_shifter_picture() {
    constexpr int side = 256;
    constexpr float cell = side / 3.0f, k = cell / 64; // k: the scale of a 64-pixel design
    const char gears[9] = {'N', '1', '2', '3', '4', '5', '6', 'R', ' '};
    canvas c = make_canvas(side, side, clear);
    for (int i = 0; i < 9; i++) {
        float x0 = i % 3 * cell, y0 = i / 3 * cell;
        fill_rounded_box(c, x0 + 3 * k, y0 + 3 * k, x0 + cell - 3 * k, y0 + cell - 3 * k, 11 * k,
                         {0.45f, 0.47f, 0.5f, 1});
        fill_rounded_box(c, x0 + 5 * k, y0 + 5 * k, x0 + cell - 5 * k, y0 + cell - 5 * k, 9 * k,
                         {0.07f, 0.075f, 0.09f, 1});
        // A faint sheen on the upper half of the plate.
        fill_rounded_box(c, x0 + 7 * k, y0 + 7 * k, x0 + cell - 7 * k, y0 + cell / 2, 7 * k,
                         {1, 1, 1, 0.05f});
        colour col = gears[i] == 'N'   ? colour{0.3f, 1, 0.4f, 1}
                     : gears[i] == 'R' ? colour{1, 0.3f, 0.2f, 1}
                                       : colour{1, 0.86f, 0.25f, 1};
        if (gears[i] != ' ')
            draw_glyph_centred(c, gears[i], x0 + cell / 2, y0 + cell / 2, 2.1f * k, 3.9f * k, col);
    }
    return canvas_png(c, 4);
}

std::string make_pitboard_picture() {
    constexpr int width = 256, height = 128;
    canvas c = make_canvas(width, height, clear);
    // The handle below the board, a grip with a slot, drawn first so the board overlaps it.
    fill_rounded_box(c, 108, 92, 148, 127, 5, {0.55f, 0.56f, 0.58f, 1});
    fill_rounded_box(c, 118, 108, 138, 118, 4, {0, 0, 0, 0.9f});
    fill_rounded_box(c, 2, 2, 254, 104, 8, {0.96f, 0.96f, 0.94f, 1});
    fill_rounded_box(c, 9, 9, 247, 97, 4, {0.04f, 0.04f, 0.045f, 1});
    // Wear on the board: slightly lighter towards the top.
    for (int y = 9; y < 97; y++)
        for (int x = 9; x < 247; x++) blend_pixel(c, x, y, {1, 1, 1, 1}, 0.05f * (97 - y) / 88);
    return canvas_png(c, 4);
}
