// render/text.h — the bitmap-font text system and the flat drawing helpers of the displays
// and menus: text in rows one unit high placed by the current GL matrix, colour escapes,
// shadows, text grids over the screen, and boxes. Main thread, GL context current.
#pragma once

#include <cstdint>
#include <vector>

// One font: glyph boxes and advances per byte value.
struct font_record {
    unsigned texture;            // the main font's GL texture; 0 while it has none
    float box[256][4];           // left, top, right, bottom texture coordinates
    float advance[256];          // glyph width in line heights (2/3 when absent)
    int width, height;           // of the picture
    std::vector<uint8_t> pixels; // RGBA, kept for the digit fonts
};

extern font_record main_font;

// The text mode word: palette index in the low 4 bits (8 is bold), and the flags.
constexpr int mode_bold = 8, mode_caller_colour = 16, mode_shadow = 32, mode_no_escapes = 64;

// Builds a font from its picture and character list; an unreadable picture leaves it empty.
// keep_pixels keeps the RGBA picture instead of making a texture.
void load_font(font_record* font, const char* picture, const char* characters, bool keep_pixels);

void draw_text(float r, float g, float b, float a, const char* text, int mode);
void text_plain(float r, float g, float b, float a, const char* text);
void text_white(const char* text);
void text_shadowed(float r, float g, float b, float a, const char* text);
void text_line(const char* text);
void text_centred_plain(float r, float g, float b, float a, float left, float right,
                        const char* text);
void text_centred(float r, float g, float b, float a, float left, float right, const char* text);
void text_right(float r, float g, float b, float a, float x, const char* text);
// The width of the text's last line in row units.
float text_width(const char* text);

// The half extents of the view at distance 1, kept by the projection.
extern float half_width, half_height;
// A grid of rows over the screen height: row r from the top sits at y = -r.
void overlay_grid(int rows);
void overlay_end();
void fill_box(float r, float g, float b, float a, float x0, float y0, float x1, float y1);
// A texture over the rectangle, its top row at y0.
void textured_box(unsigned texture, float a, float x0, float y0, float x1, float y1);
