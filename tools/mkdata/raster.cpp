// tools/mkdata/raster.cpp — the canvas drawing the data pictures use: coverage-based
// antialiasing so every edge is smooth without a supersampled copy of the picture.
#include "tools/mkdata/raster.h"

#include "resources/writers.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float pi = 3.14159265358979f;
constexpr int sub_rows = 5;

float clamp01(float v) {
    return v < 0 ? 0 : v > 1 ? 1 : v;
}

float segment_distance(float px, float py, point a, point b) {
    float dx = b.x - a.x, dy = b.y - a.y;
    float len2 = dx * dx + dy * dy;
    float t = len2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / len2 : 0;
    t = clamp01(t);
    float ex = px - (a.x + t * dx), ey = py - (a.y + t * dy);
    return std::sqrt(ex * ex + ey * ey);
}

} // namespace

canvas make_canvas(int width, int height, colour fill) {
    canvas c;
    c.width = width;
    c.height = height;
    c.rgba.resize((size_t)width * height * 4);
    for (size_t i = 0; i < c.rgba.size(); i += 4) {
        c.rgba[i] = fill.r;
        c.rgba[i + 1] = fill.g;
        c.rgba[i + 2] = fill.b;
        c.rgba[i + 3] = fill.a;
    }
    return c;
}

void blend_pixel(canvas& c, int x, int y, colour col, float coverage) {
    if (x < 0 || y < 0 || x >= c.width || y >= c.height) return;
    float sa = col.a * clamp01(coverage);
    if (sa <= 0) return;
    float* p = &c.rgba[((size_t)y * c.width + x) * 4];
    float da = p[3] * (1 - sa);
    float oa = sa + da;
    p[0] = (col.r * sa + p[0] * da) / oa;
    p[1] = (col.g * sa + p[1] * da) / oa;
    p[2] = (col.b * sa + p[2] * da) / oa;
    p[3] = oa;
}

void fill_polygon(canvas& c, const polyline& outline, colour col) {
    if (outline.size() < 3) return;
    float top = outline[0].y, bottom = outline[0].y;
    for (point p : outline) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    int y0 = std::max(0, (int)std::floor(top)), y1 = std::min(c.height - 1, (int)bottom);
    std::vector<float> cover(c.width + 2);
    std::vector<float> xs;
    for (int y = y0; y <= y1; y++) {
        std::fill(cover.begin(), cover.end(), 0.0f);
        for (int s = 0; s < sub_rows; s++) {
            float sy = y + (s + 0.5f) / sub_rows;
            xs.clear();
            for (size_t i = 0; i < outline.size(); i++) {
                point a = outline[i], b = outline[(i + 1) % outline.size()];
                if ((a.y <= sy) == (b.y <= sy)) continue;
                xs.push_back(a.x + (sy - a.y) / (b.y - a.y) * (b.x - a.x));
            }
            std::sort(xs.begin(), xs.end());
            for (size_t i = 0; i + 1 < xs.size(); i += 2) {
                float xa = std::max(0.0f, xs[i]), xb = std::min((float)c.width, xs[i + 1]);
                if (xb <= xa) continue;
                int ia = (int)xa, ib = (int)xb;
                if (ia == ib) {
                    cover[ia] += (xb - xa) / sub_rows;
                    continue;
                }
                cover[ia] += (ia + 1 - xa) / sub_rows;
                for (int x = ia + 1; x < ib; x++) cover[x] += 1.0f / sub_rows;
                cover[ib] += (xb - ib) / sub_rows;
            }
        }
        for (int x = 0; x < c.width; x++)
            if (cover[x] > 0) blend_pixel(c, x, y, col, cover[x]);
    }
}

void fill_circle(canvas& c, float cx, float cy, float radius, colour col) {
    int x0 = std::max(0, (int)(cx - radius - 1)),
        x1 = std::min(c.width - 1, (int)(cx + radius + 1));
    int y0 = std::max(0, (int)(cy - radius - 1)),
        y1 = std::min(c.height - 1, (int)(cy + radius + 1));
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            blend_pixel(c, x, y, col, radius + 0.5f - d);
        }
}

void fill_rounded_box(canvas& c, float x0, float y0, float x1, float y1, float radius, colour col) {
    for (int y = std::max(0, (int)y0); y <= std::min(c.height - 1, (int)y1); y++)
        for (int x = std::max(0, (int)x0); x <= std::min(c.width - 1, (int)x1); x++) {
            float px = x + 0.5f, py = y + 0.5f;
            // Distance outside the box shrunk by the radius, less the radius.
            float qx = std::max(std::abs(px - (x0 + x1) / 2) - ((x1 - x0) / 2 - radius), 0.0f);
            float qy = std::max(std::abs(py - (y0 + y1) / 2) - ((y1 - y0) / 2 - radius), 0.0f);
            float inner =
                std::min(std::max(std::abs(px - (x0 + x1) / 2) - ((x1 - x0) / 2 - radius),
                                  std::abs(py - (y0 + y1) / 2) - ((y1 - y0) / 2 - radius)),
                         0.0f);
            float d = std::sqrt(qx * qx + qy * qy) + inner - radius;
            blend_pixel(c, x, y, col, 0.5f - d);
        }
}

void draw_strokes(canvas& c, const std::vector<polyline>& lines, float radius, colour col) {
    float left = 1e9f, top = 1e9f, right = -1e9f, bottom = -1e9f;
    for (const polyline& l : lines)
        for (point p : l) {
            left = std::min(left, p.x), right = std::max(right, p.x);
            top = std::min(top, p.y), bottom = std::max(bottom, p.y);
        }
    if (left > right) return;
    int x0 = std::max(0, (int)(left - radius - 1)),
        x1 = std::min(c.width - 1, (int)(right + radius + 1));
    int y0 = std::max(0, (int)(top - radius - 1)),
        y1 = std::min(c.height - 1, (int)(bottom + radius + 1));
    int w = x1 - x0 + 1;
    if (w <= 0 || y1 < y0) return;
    // The nearest centre line decides the coverage, so crossings don't darken.
    std::vector<float> cover((size_t)w * (y1 - y0 + 1), 0.0f);
    for (const polyline& l : lines)
        for (size_t i = 0; i < l.size(); i++) {
            point a = l[i], b = i + 1 < l.size() ? l[i + 1] : l[i];
            if (i + 1 == l.size() && l.size() > 1) break;
            int sx0 = std::max(x0, (int)(std::min(a.x, b.x) - radius - 1));
            int sx1 = std::min(x1, (int)(std::max(a.x, b.x) + radius + 1));
            int sy0 = std::max(y0, (int)(std::min(a.y, b.y) - radius - 1));
            int sy1 = std::min(y1, (int)(std::max(a.y, b.y) + radius + 1));
            for (int y = sy0; y <= sy1; y++)
                for (int x = sx0; x <= sx1; x++) {
                    float v = clamp01(radius + 0.5f - segment_distance(x + 0.5f, y + 0.5f, a, b));
                    float& cv = cover[(size_t)(y - y0) * w + (x - x0)];
                    cv = std::max(cv, v);
                }
        }
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            float v = cover[(size_t)(y - y0) * w + (x - x0)];
            if (v > 0) blend_pixel(c, x, y, col, v);
        }
}

polyline ellipse_arc(float cx, float cy, float rx, float ry, float a0, float a1) {
    polyline out;
    int steps = std::max(4, (int)(std::abs(a1 - a0) / 6));
    for (int i = 0; i <= steps; i++) {
        float a = (a0 + (a1 - a0) * i / steps) * pi / 180;
        out.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return out;
}

std::string canvas_png(const canvas& c, int channels) {
    std::vector<unsigned char> bytes((size_t)c.width * c.height * channels);
    for (size_t i = 0, n = (size_t)c.width * c.height; i < n; i++)
        for (int k = 0; k < channels; k++)
            bytes[i * channels + k] = (unsigned char)std::lround(clamp01(c.rgba[i * 4 + k]) * 255);
    return png_encode(c.width, c.height, channels, bytes.data());
}
