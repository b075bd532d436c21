// tools/mkdata/title_picture.cpp — "title.png", the 1024 x 512 start-up picture: a rider in
// the air over a dirt jump under an evening sky, roost flying off the lip, and "Tarvik" in
// big letters. Noise and particles come from a fixed seed, so every run draws the same.
#include "tools/mkdata/mkdata.h"
#include "tools/mkdata/raster.h"

#include <cmath>
#include <cstdint>
#include <random>

namespace {

constexpr int width = 1024, height = 512;
constexpr float pi = 3.14159265358979f;

float mix(float a, float b, float t) {
    return a + (b - a) * t;
}
float clamp01(float v) {
    return v < 0 ? 0 : v > 1 ? 1 : v;
}
float smooth(float t) {
    t = clamp01(t);
    return t * t * (3 - 2 * t);
}
colour mix(colour a, colour b, float t) {
    return {mix(a.r, b.r, t), mix(a.g, b.g, t), mix(a.b, b.b, t), mix(a.a, b.a, t)};
}

// Lattice value noise from an integer hash: the same on every machine.
float lattice(int x, int y) {
    uint32_t h = (uint32_t)x * 374761393u + (uint32_t)y * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return (float)((h ^ (h >> 16)) & 0xffff) / 65535.0f;
}

float value_noise(float x, float y) {
    int ix = (int)std::floor(x), iy = (int)std::floor(y);
    float fx = smooth(x - ix), fy = smooth(y - iy);
    float top = mix(lattice(ix, iy), lattice(ix + 1, iy), fx);
    float bottom = mix(lattice(ix, iy + 1), lattice(ix + 1, iy + 1), fx);
    return mix(top, bottom, fy);
}

float fractal_noise(float x, float y) {
    return 0.5f * value_noise(x, y) + 0.3f * value_noise(x * 2.1f, y * 2.1f) +
           0.2f * value_noise(x * 4.3f, y * 4.3f);
}

// The picture row of the dirt's surface at column x: rolling ground, the take-off ramp, the
// landing and a berm at the right edge.
float ground(float x) {
    float y = 430 + 14 * std::sin(0.009f * x + 0.5f) + 8 * std::sin(0.023f * x + 2);
    float lift = 0;
    if (x > 120 && x <= 345)
        lift = 120 * std::pow((x - 120) / 225, 1.7f);
    else if (x > 345 && x < 410)
        lift = 120 * (1 - smooth((x - 345) / 65));
    if (x > 630 && x <= 740)
        lift += 100 * smooth((x - 630) / 110);
    else if (x > 740 && x < 950)
        lift += 100 * (1 - smooth((x - 740) / 210));
    if (x > 930) lift += 70 * smooth((x - 930) / 94);
    return y - lift;
}

float far_hills(float x) {
    return 318 + 22 * std::sin(0.006f * x + 1.2f) + 12 * std::sin(0.017f * x + 0.3f);
}
float near_hills(float x) {
    return 352 + 18 * std::sin(0.011f * x + 2.5f) + 7 * std::sin(0.031f * x + 1.1f);
}

template <typename F>
polyline below_curve(F curve) {
    polyline p;
    for (int x = -2; x <= width + 2; x += 2) p.push_back({(float)x, curve((float)x)});
    p.push_back({width + 2.0f, height + 2.0f});
    p.push_back({-2, height + 2.0f});
    return p;
}

struct placement {
    float x, y, scale, angle;
};

point place(const placement& at, point q) {
    float c = std::cos(at.angle), s = std::sin(at.angle);
    return {at.x + at.scale * (q.x * c - q.y * s), at.y - at.scale * (q.x * s + q.y * c)};
}

polyline placed(const placement& at, const polyline& l) {
    polyline out;
    for (point q : l) out.push_back(place(at, q));
    return out;
}

// The rider and bike as one dark silhouette, in bike units (y up, wheel axles at y 0).
void draw_rider(canvas& c, const placement& at) {
    constexpr colour ink = {0.07f, 0.055f, 0.05f, 1};
    float s = at.scale;
    auto strokes = [&](std::vector<polyline> lines, float radius) {
        for (polyline& l : lines) l = placed(at, l);
        draw_strokes(c, lines, radius * s, ink);
    };
    auto shape = [&](const polyline& outline) { fill_polygon(c, placed(at, outline), ink); };
    for (float wx : {-75.0f, 75.0f}) {
        strokes({ellipse_arc(wx, 0, 30, 30, 0, 360)}, 5.5f);
        std::vector<polyline> spokes;
        for (int k = 0; k < 6; k++) {
            float a = k * pi / 6 + 0.3f;
            spokes.push_back({{wx - 26 * std::cos(a), -26 * std::sin(a)},
                              {wx + 26 * std::cos(a), 26 * std::sin(a)}});
        }
        strokes(spokes, 0.9f);
        strokes({{{wx, 0}}}, 6);
    }
    strokes({{{-75, 0}, {-18, 24}}}, 5);                                   // swingarm
    strokes({{{75, 0}, {52, 72}}, {{70, 2}, {47, 72}}}, 3.6f);             // fork legs
    strokes({{{-40, 44}, {-62, 8}}}, 3);                                   // shock
    strokes({{{48, 70}, {24, 30}, {-14, 18}}, {{-30, 60}, {-16, 22}}}, 4); // frame
    shape({{-24, 14}, {24, 8}, {34, 34}, {10, 52}, {-28, 46}});            // engine
    shape({{52, 80},
           {58, 64},
           {20, 52},
           {-20, 56},
           {-60, 58},
           {-100, 58},
           {-120, 66},
           {-100, 74},
           {-40, 72},
           {10, 78}});                                                // tank, seat and rear fender
    shape({{-22, 60}, {-64, 60}, {-72, 42}, {-30, 38}});              // side panel
    shape({{62, 46}, {106, 42}, {98, 34}, {62, 38}});                 // front fender
    shape({{52, 80}, {66, 76}, {62, 52}, {50, 56}});                  // number plate
    strokes({{{38, 88}, {52, 82}, {60, 86}}}, 2.5f);                  // handlebar
    strokes({{{-100, 42}, {-66, 46}}, {{-66, 46}, {-30, 26}}}, 3.5f); // exhaust
    // Rider: standing on the pegs, leaning forward over the bars.
    strokes({{{-4, 22}, {-14, 50}, {-30, 78}}}, 8);                            // boot, shin, thigh
    strokes({{{-8, 22}, {8, 22}}}, 5);                                         // foot on the peg
    strokes({{{-30, 78}, {-4, 116}}}, 11);                                     // torso
    strokes({{{-4, 112}, {22, 96}, {44, 86}}}, 6);                             // arm to the grip
    fill_circle(c, place(at, {8, 134}).x, place(at, {8, 134}).y, 16 * s, ink); // helmet
    shape({{14, 144}, {40, 136}, {24, 130}});                                  // visor
    shape({{14, 122}, {30, 118}, {22, 128}});                                  // chin guard
}

} // namespace

std::string make_title_picture() {
    canvas c = make_canvas(width, height, {0, 0, 0, 1});
    std::mt19937 rng(20240611);
    auto uniform = [&]() { return (float)(rng() / 4294967296.0); };

    // Sky: deep blue overhead to a warm haze at the horizon, and a low sun.
    constexpr float sun_x = 800, sun_y = 250;
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            float t = smooth(y / 360.0f);
            colour sky = mix(colour{0.16f, 0.34f, 0.68f, 1}, colour{0.98f, 0.74f, 0.46f, 1}, t);
            float d = std::hypot(x - sun_x, y - sun_y);
            float glow = 0.55f * std::exp(-d / 170);
            sky = mix(sky, colour{1, 0.93f, 0.7f, 1}, clamp01(glow));
            float* p = &c.rgba[((size_t)y * width + x) * 4];
            p[0] = sky.r, p[1] = sky.g, p[2] = sky.b;
        }
    fill_circle(c, sun_x, sun_y, 34, {1, 0.96f, 0.82f, 0.9f});
    // Thin clouds.
    for (int i = 0; i < 7; i++) {
        float cx = uniform() * width, cy = 60 + uniform() * 150, len = 80 + uniform() * 140;
        for (int k = 0; k < 24; k++)
            fill_circle(c, cx + (uniform() - 0.5f) * len, cy + (uniform() - 0.5f) * 8,
                        6 + uniform() * 9, {1, 0.95f, 0.9f, 0.06f});
    }

    fill_polygon(c, below_curve(far_hills), {0.56f, 0.55f, 0.58f, 1});
    fill_polygon(c, below_curve(near_hills), {0.42f, 0.4f, 0.3f, 1});
    // Trees along the near ridge.
    for (int i = 0; i < 40; i++) {
        float x = uniform() * width, h = 10 + uniform() * 16;
        float y = near_hills(x) + 3;
        fill_polygon(c, {{x - h * 0.35f, y}, {x, y - h * 1.6f}, {x + h * 0.35f, y}},
                     {0.2f, 0.24f, 0.16f, 1});
    }

    // Dirt: noisy brown, darker with depth, a sunlit strip along the surface.
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            float g = ground(x + 0.5f);
            float cover = clamp01(y + 1 - g);
            if (cover <= 0) continue;
            float depth = clamp01((y - g) / 160);
            float n = fractal_noise(x / 9.0f, y / 5.0f);
            float shade = (0.75f + 0.45f * n) * (1 - 0.45f * depth);
            colour dirt = {0.58f * shade, 0.38f * shade, 0.22f * shade, 1};
            if (y - g < 6) dirt = mix(colour{0.8f, 0.6f, 0.4f, 1}, dirt, (y - g) / 6);
            blend_pixel(c, x, y, dirt, cover);
        }
    // Ruts and berm lines following the surface.
    for (int k = 1; k <= 5; k++) {
        polyline rut;
        float phase = uniform() * 6, depth = 9 + 13.0f * k + uniform() * 6;
        for (int x = 0; x <= width; x += 3)
            rut.push_back({(float)x, ground((float)x) + depth + 3 * std::sin(x * 0.02f + phase)});
        draw_strokes(c, {rut}, 1.6f + 0.3f * k, {0.18f, 0.1f, 0.05f, 0.35f});
        for (point& q : rut) q.y -= 3;
        draw_strokes(c, {rut}, 1.0f, {0.85f, 0.65f, 0.45f, 0.25f});
    }
    // Clods lying on the track.
    for (int i = 0; i < 160; i++) {
        float x = uniform() * width;
        float y = ground(x) + 4 + uniform() * 70;
        fill_circle(c, x, y, 0.8f + uniform() * 2.2f, {0.25f, 0.15f, 0.08f, 0.7f});
    }

    // Dust hanging over the lip, then the roost thrown off it towards the rider.
    constexpr float lip_x = 345;
    float lip_y = ground(lip_x);
    for (int i = 0; i < 60; i++) {
        float a = uniform() * pi, r = uniform() * 90;
        fill_circle(c, lip_x - 40 + r * std::cos(a) * 1.4f, lip_y - r * std::sin(a) * 0.6f,
                    14 + uniform() * 30, {0.8f, 0.66f, 0.5f, 0.06f});
    }
    for (int i = 0; i < 420; i++) {
        float a = (150 + uniform() * 45) * pi / 180, r = std::pow(uniform(), 0.7f) * 150;
        float x = lip_x + 10 + r * std::cos(a), y = lip_y - 6 - r * std::sin(a) * 0.9f;
        float size = (1 - r / 170) * (0.8f + uniform() * 3.2f);
        fill_circle(c, x, y, size,
                    {0.35f + 0.2f * uniform(), 0.22f, 0.12f, 0.5f + 0.5f * uniform()});
    }

    // The rider, nose a little up, over the gap; a trail of dirt off the rear wheel.
    placement rider = {555, 270, 0.86f, 0.12f};
    point rear = place(rider, {-75, 0});
    for (int i = 0; i < 90; i++) {
        float t = uniform();
        float x = rear.x - 10 - t * 140 + (uniform() - 0.5f) * 30;
        float y = rear.y + 10 + t * 60 + (uniform() - 0.5f) * 40 * t;
        fill_circle(c, x, y, (1 - t) * 3 + 0.6f, {0.3f, 0.18f, 0.1f, 0.8f * (1 - t * 0.6f)});
    }
    draw_rider(c, rider);

    // "Tarvik": shadow, dark outline, then letters lit from above.
    constexpr float scale = 5.6f, pen = 11.5f, baseline = 142;
    float x = (width - text_width("Tarvik", scale)) / 2;
    draw_text(c, "Tarvik", x + 8, baseline + 8, scale, pen + 4, {0, 0, 0, 0.4f});
    draw_text(c, "Tarvik", x, baseline, scale, pen + 6, {0.2f, 0.07f, 0.02f, 1});
    canvas letters = make_canvas(width, height, {1, 1, 1, 0});
    draw_text(letters, "Tarvik", x, baseline, scale, pen, {1, 1, 1, 1});
    for (int y = 0; y < height; y++) {
        float t = clamp01((y - 30) / 115.0f);
        colour col = mix(colour{1, 0.93f, 0.45f, 1}, colour{0.95f, 0.42f, 0.06f, 1}, t);
        for (int px = 0; px < width; px++)
            blend_pixel(c, px, y, col, letters.rgba[((size_t)y * width + px) * 4 + 3]);
    }
    return canvas_png(c, 3);
}
