// tools/mkdata/glyphs.cpp — the game's stroke font: each printable character as centre lines
// drawn with one round pen, so the font picture, the dial numbers and the title letters all
// come from the same shapes.
#include "tools/mkdata/raster.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// The digits share this centre-line width so numbers line up in columns.
constexpr float digit_width = 10.5f;
constexpr float glyph_spacing = 2.5f; // between the ink of neighbours, beside the pen

// Paths: "M x y" starts a line, "L x y" extends it, "A cx cy rx ry a0 a1" extends it with an
// ellipse arc (or starts one), "D x y" is a dot, ";" ends the line.
const char* const glyph_paths[94] = {
    /* ! */ "M0 19 L0 6.5 ; D0 0.3",
    /* " */ "M0 19.5 L0 13.5 ; M5 19.5 L5 13.5",
    /* # */ "M3.5 0 L5.5 19 ; M8.5 0 L10.5 19 ; M0.5 12.5 L13 12.5 ; M0 6 L12.5 6",
    /* $ */ "A5 12.5 4.8 3.5 20 270 A5 5.5 5 3.5 90 -160 ; M5 20 L5 -2",
    /* % */ "A3 15 3 4 0 360 ; A12 4 3 4 0 360 ; M12.5 19 L2.5 0",
    /* & */ "M12 0 L3.4 12.2 A5.5 15.5 3.5 3.6 235 -55 L1.8 7.2 A5.5 4.6 4.6 4.6 160 320 L12.5 9",
    /* ' */ "M0 19.5 L0 13.5",
    /* ( */ "A7.5 9 7.5 12 118 242",
    /* ) */ "A-4 9 7.5 12 62 -62",
    /* * */ "M3.5 19.5 L3.5 12 ; M0.2 17.6 L6.8 13.9 ; M6.8 17.6 L0.2 13.9",
    /* + */ "M5 2.5 L5 12.5 ; M0 7.5 L10 7.5",
    /* , */ "D1.6 0.6 ; M1.8 0.6 L0 -4",
    /* - */ "M0 7.5 L6 7.5",
    /* . */ "D0 0.3",
    /* / */ "M0 -1 L8 20",
    /* 0 */ "A5.25 9.5 5.25 9.5 0 360",
    /* 1 */ "M1.5 15.5 L6.5 19 L6.5 0",
    /* 2 */ "A5.2 14 5 5 165 -32 L0.3 0 L10.5 0",
    /* 3 */ "A5.25 14.5 4.6 4.5 150 -90 A5.25 5 5.1 5 90 -150",
    /* 4 */ "M7.8 0 L7.8 19 L0 5.2 L10.5 5.2",
    /* 5 */ "M9.8 19 L1.3 19 A5.2 6.2 5.2 6.2 140 -150",
    /* 6 */ "A5.25 6 5.25 6 0 360 ; A9 6 9 13 180 78",
    /* 7 */ "M0 19 L10.5 19 L3.8 0",
    /* 8 */ "A5.25 14.6 4.4 4.4 0 360 ; A5.25 5 5.25 5 0 360",
    /* 9 */ "A5.25 13 5.25 6 0 360 ; A1.5 13 9 13 0 -102",
    /* : */ "D0 0.3 ; D0 11",
    /* ; */ "D1.6 11 ; D1.6 0.6 ; M1.8 0.6 L0 -4",
    /* < */ "M10 14 L0 7.5 L10 1",
    /* = */ "M0 10.5 L10 10.5 ; M0 4.5 L10 4.5",
    /* > */ "M0 14 L10 7.5 L0 1",
    /* ? */ "A4.6 14.5 4.6 4.5 160 -70 L4.6 7.5 L4.6 6 ; D4.6 0.3",
    /* @ */ "A8 7.5 3.2 4 0 360 ; M11.2 11.5 L11.2 5 A13.2 5 2 2.5 180 360 A8 7.5 7.4 10 -15 300",
    /* A */ "M0 0 L6.5 19 L13 0 ; M2.6 6 L10.4 6",
    /* B */
    "M0 0 L0 19 L5.5 19 A5.5 14.6 4.4 4.4 90 -90 L0 10.2 ; M5.5 10.2 A5.5 5.1 5.1 5.1 90 -90 L0 0",
    /* C */ "A7.2 9.5 7.2 9.5 42 318",
    /* D */ "M0 0 L0 19 L3.8 19 A3.8 9.5 9 9.5 90 -90 L0 0",
    /* E */ "M10 19 L0 19 L0 0 L10 0 ; M0 9.8 L8.5 9.8",
    /* F */ "M10 19 L0 19 L0 0 ; M0 9.8 L8.5 9.8",
    /* G */ "A7.3 9.5 7.3 9.5 45 360 L14.6 1.5 ; M14.6 9.5 L8 9.5",
    /* H */ "M0 0 L0 19 ; M12 0 L12 19 ; M0 9.8 L12 9.8",
    /* I */ "M0 0 L0 19",
    /* J */ "M9 19 L9 5 A4.5 5 4.5 5 0 -165",
    /* K */ "M0 0 L0 19 ; M11 19 L0 6.5 ; M4 11 L11.5 0",
    /* L */ "M0 19 L0 0 L9.5 0",
    /* M */ "M0 0 L0 19 L7.5 4.5 L15 19 L15 0",
    /* N */ "M0 0 L0 19 L12 0 L12 19",
    /* O */ "A7.6 9.5 7.6 9.5 0 360",
    /* P */ "M0 0 L0 19 L5.5 19 A5.5 13.8 5.5 5.2 90 -90 L0 8.6",
    /* Q */ "A7.6 9.5 7.6 9.5 0 360 ; M9.5 4.5 L15.5 -1.5",
    /* R */ "M0 0 L0 19 L5.5 19 A5.5 14 5.5 5 90 -90 L0 9 ; M5.5 9 L11.5 0",
    /* S */ "A5.6 14.5 5.4 4.5 25 270 A5.6 5 5.6 5 90 -155",
    /* T */ "M0 19 L12 19 ; M6 19 L6 0",
    /* U */ "M0 19 L0 6 A6 6 6 6 180 360 L12 19",
    /* V */ "M0 19 L6.5 0 L13 19",
    /* W */ "M0 19 L4.5 0 L9.5 15 L14.5 0 L19 19",
    /* X */ "M0 19 L12 0 ; M12 19 L0 0",
    /* Y */ "M0 19 L6 9 L12 19 ; M6 9 L6 0",
    /* Z */ "M0.5 19 L11 19 L0 0 L11 0",
    /* [ */ "M5 20 L0 20 L0 -3 L5 -3",
    /* \ */ "M0 20 L8 -1",
    /* ] */ "M0 20 L5 20 L5 -3 L0 -3",
    /* ^ */ "M0 11 L4.5 19 L9 11",
    /* _ */ "M0 -4 L11 -4",
    /* ` */ "M0 20 L3 16.5",
    /* a */ "A4.8 7 4.8 7 0 360 ; M9.6 14 L9.6 0",
    /* b */ "A4.8 7 4.8 7 0 360 ; M0 20 L0 0",
    /* c */ "A4.8 7 4.8 7 45 315",
    /* d */ "A4.8 7 4.8 7 0 360 ; M9.6 20 L9.6 0",
    /* e */ "M0.2 7.2 L9.6 7.2 A4.8 7 4.8 7 5 318",
    /* f */ "M2.5 0 L2.5 16 A6 16 3.5 4 180 55 ; M0 13.5 L7 13.5",
    /* g */ "A4.8 7 4.8 7 0 360 ; M9.6 14 L9.6 -1.5 A4.8 -1.5 4.8 4.5 0 -160",
    /* h */ "M0 20 L0 0 ; M0 9.2 A4.8 9.2 4.8 4.8 180 0 L9.6 0",
    /* i */ "M0 0 L0 14 ; D0 19",
    /* j */ "M3 14 L3 -3 A0.5 -3 2.5 3 0 -130 ; D3 19",
    /* k */ "M0 20 L0 0 ; M8.5 14 L0 4.5 ; M3.6 8.5 L9 0",
    /* l */ "M0 0 L0 20",
    /* m */ "M0 0 L0 14 ; M0 10 A3.9 10 3.9 4 180 0 L7.8 0 ; M7.8 10 A11.7 10 3.9 4 180 0 L15.6 0",
    /* n */ "M0 0 L0 14 ; M0 9.2 A4.8 9.2 4.8 4.8 180 0 L9.6 0",
    /* o */ "A5 7 5 7 0 360",
    /* p */ "A4.8 7 4.8 7 0 360 ; M0 14 L0 -6",
    /* q */ "A4.8 7 4.8 7 0 360 ; M9.6 14 L9.6 -6",
    /* r */ "M0 0 L0 14 ; M0 8 A5.5 8 5.5 6 180 75",
    /* s */ "A4.3 10.5 4.2 3.5 25 270 A4.3 3.5 4.3 3.5 90 -155",
    /* t */ "M2.5 18.5 L2.5 3 A5.5 3 3 3 180 295 ; M0 14 L7.2 14",
    /* u */ "M0 14 L0 4.8 A4.8 4.8 4.8 4.8 180 360 ; M9.6 14 L9.6 0",
    /* v */ "M0 14 L5 0 L10 14",
    /* w */ "M0 14 L3.8 0 L7.6 11 L11.4 0 L15.2 14",
    /* x */ "M0 14 L9.6 0 ; M9.6 14 L0 0",
    /* y */ "M0 14 L5.6 0.5 ; M10 14 L3.5 -6",
    /* z */ "M0.5 14 L9 14 L0 0 L9.5 0",
    /* { */ "M5.5 20 L4 20 L2.5 18.5 L2.5 10.5 L0 8.5 L2.5 6.5 L2.5 -1.5 L4 -3 L5.5 -3",
    /* | */ "M0 20.5 L0 -4",
    /* } */ "M0 20 L1.5 20 L3 18.5 L3 10.5 L5.5 8.5 L3 6.5 L3 -1.5 L1.5 -3 L0 -3",
    /* ~ */ "A2.6 7 2.6 2.2 180 0 A7.8 7 2.6 2.2 180 360",
};

float number(const char*& p) {
    char* end;
    float v = strtof(p, &end);
    p = end;
    return v;
}

} // namespace

std::vector<polyline> glyph_lines(char ch, float* width) {
    std::vector<polyline> lines;
    *width = 0;
    if (ch < '!' || ch > '~') return lines;
    const char* p = glyph_paths[ch - '!'];
    bool open = false;
    while (*p) {
        char op = *p++;
        if (op == 'M' || op == 'D') {
            float x = number(p), y = number(p);
            lines.push_back({{x, y}});
            open = op == 'M';
        } else if (op == 'L') {
            float x = number(p), y = number(p);
            lines.back().push_back({x, y});
        } else if (op == 'A') {
            float cx = number(p), cy = number(p), rx = number(p), ry = number(p);
            float a0 = number(p), a1 = number(p);
            polyline arc = ellipse_arc(cx, cy, rx, ry, a0, a1);
            if (!open) lines.push_back({});
            lines.back().insert(lines.back().end(), arc.begin(), arc.end());
            open = true;
        } else if (op == ';') {
            open = false;
        }
    }
    // Shift the ink to start at x = 0; digits sit centred in their shared width.
    float left = 1e9f, right = -1e9f;
    for (const polyline& l : lines)
        for (point q : l) left = std::min(left, q.x), right = std::max(right, q.x);
    float shift = -left;
    *width = right - left;
    if (ch >= '0' && ch <= '9') {
        shift += (digit_width - *width) / 2;
        *width = digit_width;
    }
    for (polyline& l : lines)
        for (point& q : l) q.x += shift;
    return lines;
}

float text_width(const char* text, float scale) {
    float w = 0;
    for (const char* t = text; *t; t++) {
        float gw;
        glyph_lines(*t, &gw);
        w += *t == ' ' ? 7 : gw + 2 * glyph_pen_radius + glyph_spacing;
    }
    return w * scale;
}

void draw_text(canvas& c, const char* text, float x, float baseline, float scale, float pen_radius,
               colour col) {
    std::vector<polyline> all;
    float pen = x + (glyph_pen_radius + glyph_spacing / 2) * scale;
    for (const char* t = text; *t; t++) {
        float gw;
        std::vector<polyline> lines = glyph_lines(*t, &gw);
        for (polyline& l : lines) {
            for (point& q : l) q = {pen + q.x * scale, baseline - q.y * scale};
            all.push_back(l);
        }
        pen += (*t == ' ' ? 7 : gw + 2 * glyph_pen_radius + glyph_spacing) * scale;
    }
    draw_strokes(c, all, pen_radius, col);
}
