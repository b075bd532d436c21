// render/text.cpp — fonts cut from their pictures by marker columns and rows, and text drawn
// glyph by glyph with the colour escapes of a terminal.
#include "render/text.h"

#include "platform/gl.h"
#include "resources/images.h"
#include "resources/textures.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

font_record main_font;
float half_width = 1, half_height = 0.75f;

namespace {

constexpr float missing_advance = 2.0f / 3;
constexpr float shadow_offset = 1.0f / 16;
constexpr int escape = 27, max_numbers = 64;

const float palette[16][3] = {
    {0, 0, 0},     {0.75f, 0, 0},     {0, 0.75f, 0},     {0.75f, 0.75f, 0},
    {0, 0, 0.75f}, {0.75f, 0, 0.75f}, {0, 0.75f, 0.75f}, {0.75f, 0.75f, 0.75f},
    {0, 0, 0},     {1, 0, 0},         {0, 1, 0},         {1, 1, 0},
    {0, 0, 1},     {1, 0, 1},         {0, 1, 1},         {1, 1, 1},
};

bool is_marker(const uint8_t* pixels, int width, int x, int y, const uint8_t* marker) {
    return memcmp(pixels + ((size_t)y * width + x) * 4, marker, 4) == 0;
}

// The bottom of the band starting at top: the next row whose first pixel is the marker.
int band_bottom(const font_record* f, int top, const uint8_t* marker) {
    for (int y = top + 1; y < f->height; ++y)
        if (is_marker(f->pixels.data(), f->width, 0, y, marker)) return y;
    return f->height;
}

int next_edge(const font_record* f, int top, int after, const uint8_t* marker) {
    for (int x = after + 1; x < f->width; ++x)
        if (is_marker(f->pixels.data(), f->width, x, top, marker)) return x;
    return f->width;
}

// The pen walk shared by drawing and measuring: calls glyph for every drawn byte.
template <typename Glyph>
void walk(const char* text, int mode, Glyph glyph, float* end_x) {
    const font_record& f = main_font;
    float space = f.advance[(unsigned char)' '];
    float x = 0, y = 0;
    for (const unsigned char* p = (const unsigned char*)text; *p; ++p) {
        unsigned char c = *p;
        if (c == ' ')
            x += space;
        else if (c == '\r')
            x = 0;
        else if (c == '\n')
            x = 0, y -= 1;
        else if (c == '\t')
            x = 8 * space * (std::floor(x / (8 * space)) + 1);
        else if (c == escape && p[1] == '[' && !(mode & mode_no_escapes)) {
            int numbers[max_numbers], count = 0, value = -1;
            for (p += 2; *p && !(*p >= '@' && *p <= '~'); ++p) {
                if (*p >= '0' && *p <= '9')
                    value = (value < 0 ? 0 : value * 10) + (*p - '0');
                else if (*p == ';') {
                    if (count < max_numbers) numbers[count++] = value < 0 ? 0 : value;
                    value = -1;
                }
            }
            if (value >= 0 && count < max_numbers) numbers[count++] = value;
            if (!*p) break;
            if (*p == 'm') {
                if (count == 0) mode = mode_caller_colour;
                for (int i = 0; i < count; ++i) {
                    int n = numbers[i];
                    if (n == 0)
                        mode = mode_caller_colour;
                    else if (n == 1)
                        mode |= mode_bold;
                    else if (n == 22)
                        mode &= ~mode_bold;
                    else if (n >= 30 && n <= 37 && !(mode & mode_shadow))
                        mode = (mode & mode_bold) | (n - 30);
                    else if (n >= 40 && n <= 47 && (mode & mode_shadow))
                        mode = (mode & mode_bold) | (n - 40);
                }
            }
        } else {
            glyph(c, x, y, mode);
            x += f.advance[c];
        }
    }
    if (end_x) *end_x = x;
}

// Glyphs collected for one indexed draw of two triangles each.
constexpr int batch_glyphs = 256;
struct glyph_batch {
    float vertices[batch_glyphs * 4][3];
    float coords[batch_glyphs * 4][2];
    float colours[batch_glyphs * 4][4];
    unsigned short indices[batch_glyphs * 6];
    int count;
};
glyph_batch batch;

void batch_draw() {
    if (batch.count == 0) return;
    for (int g = 0; g < batch.count; ++g) {
        const unsigned short first = (unsigned short)(g * 4);
        const unsigned short corners[6] = {
            first, (unsigned short)(first + 1), (unsigned short)(first + 2),
            first, (unsigned short)(first + 2), (unsigned short)(first + 3)};
        memcpy(&batch.indices[g * 6], corners, sizeof corners);
    }
    gl.VertexPointer(3, GL_FLOAT, 0, batch.vertices);
    gl.TexCoordPointer(2, GL_FLOAT, 0, batch.coords);
    gl.ColorPointer(4, GL_FLOAT, 0, batch.colours);
    gl.DrawElements(GL_TRIANGLES, batch.count * 6, GL_UNSIGNED_SHORT, batch.indices);
    batch.count = 0;
}

void batch_add(float x, float y, float w, const float* box, const float* colour) {
    if (batch.count == batch_glyphs) batch_draw();
    int at = batch.count * 4;
    const float corners[4][4] = {{x, y, box[0], box[3]},
                                 {x + w, y, box[2], box[3]},
                                 {x + w, y + 1, box[2], box[1]},
                                 {x, y + 1, box[0], box[1]}};
    for (int i = 0; i < 4; ++i) {
        float* v = batch.vertices[at + i];
        v[0] = corners[i][0], v[1] = corners[i][1], v[2] = 0;
        batch.coords[at + i][0] = corners[i][2];
        batch.coords[at + i][1] = corners[i][3];
        memcpy(batch.colours[at + i], colour, 4 * sizeof(float));
    }
    ++batch.count;
}

bool blank(const char* text) {
    for (; *text; ++text)
        if (!strchr(" \t\r\n", *text)) return false;
    return true;
}

} // namespace

void load_font(font_record* f, const char* picture, const char* characters, bool keep_pixels) {
    for (int i = 0; i < 256; ++i) {
        f->advance[i] = missing_advance;
        f->box[i][0] = f->box[i][1] = f->box[i][2] = f->box[i][3] = 0;
    }
    f->texture = 0;
    image img;
    if (!image_read_rgba(picture, &img) || img.channels != 4) return;
    f->width = img.width;
    f->height = img.height;
    f->pixels.assign(img.pixels.begin(), img.pixels.begin() + (size_t)img.width * img.height * 4);
    uint8_t marker[4];
    memcpy(marker, f->pixels.data(), 4);
    int top = 0, bottom = band_bottom(f, 0, marker);
    int left = 0, right = next_edge(f, top, 0, marker);
    for (const unsigned char* c = (const unsigned char*)characters; *c; ++c) {
        if (right >= f->width) {
            top = bottom >= f->height ? 0 : bottom;
            bottom = band_bottom(f, top, marker);
            left = 0;
            right = next_edge(f, top, 0, marker);
        }
        f->box[*c][0] = (float)left / f->width;
        f->box[*c][1] = (float)top / f->height;
        f->box[*c][2] = (float)right / f->width;
        f->box[*c][3] = (float)bottom / f->height;
        f->advance[*c] = (float)(right - left) / (bottom - top);
        left = right;
        right = next_edge(f, top, right, marker);
    }
    f->advance[(unsigned char)' '] =
        strchr(characters, '-') ? f->advance[(unsigned char)'-'] : missing_advance;
    for (size_t i = 0; i < f->pixels.size(); i += 4)
        if (memcmp(&f->pixels[i], marker, 4) == 0) {
            const uint8_t clear[4] = {255, 255, 255, 0};
            memcpy(&f->pixels[i], clear, 4);
        }
    if (keep_pixels) return;
    uint32_t memory;
    f->texture = texture_upload(f->pixels.data(), f->width, f->height, 4, false, 0, 0, &memory);
    f->pixels.clear();
    f->pixels.shrink_to_fit();
}

void draw_text(float r, float g, float b, float a, const char* text, int mode) {
    if (!text || blank(text) || !main_font.texture || !gl.Begin) return;
    gl.Enable(GL_TEXTURE_2D);
    gl.Enable(GL_BLEND);
    gl.BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl.TexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    gl.BindTexture(GL_TEXTURE_2D, main_font.texture);
    gl.EnableClientState(GL_VERTEX_ARRAY);
    gl.EnableClientState(GL_TEXTURE_COORD_ARRAY);
    gl.EnableClientState(GL_COLOR_ARRAY);
    walk(
        text, mode,
        [&](unsigned char c, float x, float y, int m) {
            float colour[4] = {0, 0, 0, a};
            if (m & mode_caller_colour) {
                float lift = (m & mode_bold) ? 0.25f : 0;
                colour[0] = std::fmin(r + lift, 1);
                colour[1] = std::fmin(g + lift, 1);
                colour[2] = std::fmin(b + lift, 1);
            } else {
                memcpy(colour, palette[m & 15], 3 * sizeof(float));
            }
            batch_add(x, y, main_font.advance[c], main_font.box[c], colour);
        },
        nullptr);
    batch_draw();
    gl.DisableClientState(GL_COLOR_ARRAY);
    gl.DisableClientState(GL_TEXTURE_COORD_ARRAY);
    gl.DisableClientState(GL_VERTEX_ARRAY);
    gl.Disable(GL_TEXTURE_2D);
}

void text_plain(float r, float g, float b, float a, const char* text) {
    draw_text(r, g, b, a, text, mode_caller_colour);
}

void text_white(const char* text) {
    text_plain(1, 1, 1, 1, text);
}

void text_shadowed(float r, float g, float b, float a, const char* text) {
    gl.PushMatrix();
    gl.Translatef(shadow_offset, -shadow_offset, 0);
    draw_text(0, 0, 0, a * 0.5f, text, mode_caller_colour | mode_shadow);
    gl.PopMatrix();
    draw_text(r, g, b, a, text, mode_caller_colour);
}

void text_line(const char* text) {
    text_shadowed(0.75f, 0.75f, 0.75f, 1, text);
}

void text_centred_plain(float r, float g, float b, float a, float left, float right,
                        const char* text) {
    gl.PushMatrix();
    gl.Translatef((left + right - text_width(text)) * 0.5f, 0, 0);
    text_plain(r, g, b, a, text);
    gl.PopMatrix();
}

void text_centred(float r, float g, float b, float a, float left, float right, const char* text) {
    gl.PushMatrix();
    gl.Translatef((left + right - text_width(text)) * 0.5f, 0, 0);
    text_shadowed(r, g, b, a, text);
    gl.PopMatrix();
}

void text_right(float r, float g, float b, float a, float x, const char* text) {
    gl.PushMatrix();
    gl.Translatef(x - text_width(text), 0, 0);
    text_shadowed(r, g, b, a, text);
    gl.PopMatrix();
}

float text_width(const char* text) {
    float end = 0;
    walk(
        text, mode_caller_colour, [](unsigned char, float, float, int) {}, &end);
    return end;
}

void overlay_grid(int rows) {
    float s = 2 * half_height / rows;
    gl.MatrixMode(GL_MODELVIEW);
    gl.PushMatrix();
    gl.LoadIdentity();
    gl.Translatef(-half_width, half_height - s, -1);
    gl.Scalef(s, s, s);
}

void overlay_end() {
    gl.PopMatrix();
}

// Flat boxes are drawn whichever way round their corners are given.
void fill_box(float r, float g, float b, float a, float x0, float y0, float x1, float y1) {
    gl.Disable(GL_CULL_FACE);
    gl.Enable(GL_BLEND);
    gl.BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl.Color4f(r, g, b, a);
    gl.Begin(GL_QUADS);
    gl.Vertex3f(x0, y0, 0);
    gl.Vertex3f(x0, y1, 0);
    gl.Vertex3f(x1, y1, 0);
    gl.Vertex3f(x1, y0, 0);
    gl.End();
    gl.Enable(GL_CULL_FACE);
}

void textured_box(unsigned texture, float a, float x0, float y0, float x1, float y1) {
    if (!texture) return;
    gl.Disable(GL_CULL_FACE);
    gl.Enable(GL_TEXTURE_2D);
    gl.Enable(GL_BLEND);
    gl.BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl.TexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    gl.BindTexture(GL_TEXTURE_2D, texture);
    gl.Color4f(1, 1, 1, a);
    gl.Begin(GL_QUADS);
    gl.TexCoord2f(0, 0);
    gl.Vertex3f(x0, y0, 0);
    gl.TexCoord2f(0, 1);
    gl.Vertex3f(x0, y1, 0);
    gl.TexCoord2f(1, 1);
    gl.Vertex3f(x1, y1, 0);
    gl.TexCoord2f(1, 0);
    gl.Vertex3f(x1, y0, 0);
    gl.End();
    gl.Disable(GL_TEXTURE_2D);
    gl.Enable(GL_CULL_FACE);
}
