// resources/images.h — image files: the PPM, PGM, predictive and PNG readers, the mip chain
// builder, the PNG writers, and encoders of every format for the tests and the data generator.
// Readers never trust a header's sizes. Main thread only (one shared last-error text).
#pragma once

#include "resources/stream.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Widest and tallest image any reader accepts: bounds memory where a stream's length is unknown.
constexpr int image_dimension_limit = 16384;

// A decoded picture, 8 bits per channel.
struct image {
    int width = 0;               // of level 0
    int height = 0;              // of level 0
    int channels = 0;            // 1 grey, 3 RGB, 4 RGBA
    std::vector<uint8_t> pixels; // level 0 rows top first, then the mip levels when has_mips
    bool has_mips = false;
    std::string info; // PNG text chunks and the ".info" companion; "" for other formats
};

// Why the last read was refused: the PPM and PGM texts, or libpng's message after "PNG error: ".
// Each read starts with it empty.
const char* image_last_error();
void image_set_error(const char* text);

// Reads a texture file by game name or path: the first word ("%15s") picks R6/R7 (predictive),
// P3/P6 (PPM), P2/P5 (PGM), anything else PNG (the colour reader, with the info text). No
// mip chain is built. False when the file can't be opened or is refused.
bool image_read(const char* name, image* out);
// The body of a PPM, PGM or predictive file whose first word was magic; false for any other
// word (the caller then tries PNG by name).
bool image_read_body(stream* s, const char* magic, image* out);
// Magic first, then the body: PPM, PGM or predictive, never PNG.
bool image_read_stream(stream* s, image* out);

// PPM or predictive as 3 channels (an R7 loses its alpha); false for anything else.
bool image_read_rgb(stream* s, image* out);
// PNG or predictive by name as 4 channels; three-channel results get alpha 255.
bool image_read_rgba(const char* name, image* out);

// PPM ("P3", "P6") or PGM ("P2", "P5") after the magic: maximum values other than 255 scale
// samples by 255 / maximum.
bool image_read_pnm(stream* s, const char* magic, image* out);
// The predictive format after its magic: file_channels 3 (R6) or 4 (R7), decoded into
// channels 3 or 4. An R6 decoded into four channels has alpha 0 throughout (its prediction).
bool image_read_predictive(stream* s, int file_channels, int channels, image* out);

// The colour reader: any PNG as 8-bit RGB, or RGBA when it has alpha or a transparency chunk.
// By name it adds the ".info" companion to the info text; the stream form reads text chunks only.
bool image_read_png(const char* name, image* out);
bool image_read_png_stream(stream* s, image* out);
// The height reader: 16-bit grey samples in machine order, rows top first; 8-bit samples v
// become v * 257, colour becomes grey by libpng's default weights, alpha is dropped.
bool image_read_png_height(const char* name, std::vector<uint16_t>* samples, int* width,
                           int* height);
bool image_read_png_height_stream(stream* s, std::vector<uint16_t>* samples, int* width,
                                  int* height);

// Appends the mip chain (each level half the size of the one before, at least 1, down to
// 1 x 1) after level 0. Four channels weigh colour by alpha; max_alpha keeps each block's
// largest alpha instead of the average. Replaces a chain already there.
void image_build_mips(image* img, bool max_alpha);
// Takes the levels an image holds itself (the "[mip_custom]" layout: level 0 on top, level 1
// below it, the rest right of level 1) and makes the image level 0 with that chain. False,
// after a warning naming the file, when the layout doesn't fit; the image is then unchanged.
bool image_take_custom_mips(image* img, const char* name);
// The chain the info text asks for: the custom levels with "[mip_custom]", else a built chain
// ("[mip_max_alpha]" selects the largest alpha).
void image_prepare_mips(image* img, const char* name);
// Bytes of a chain from a width x height level 0 down to 1 x 1 (0 for sizes below 1).
size_t image_mip_chain_bytes(int width, int height, int channels);
// Level k of the image's pixels (level 0 without a chain), its size in *width and *height;
// null when the level isn't there.
const uint8_t* image_level(const image& img, int level, int* width, int* height);

// PNG writers through stream_open(name, "wb"); 1 on success. The grey writer takes 16-bit
// samples in machine order, rows top first; the colour writer takes 8-bit RGB rows bottom
// first, as GL reads a frame.
int png_write_gray16(const char* name, const uint16_t* samples, int width, int height);
int png_write_rgb(const char* name, const unsigned char* pixels, int width, int height);
// The screenshot writer: png_write_rgb under the game's older name.
int image_write_png_rgb(const char* name, int width, int height, const unsigned char* rgb);

// Encoders (tests, fuzz seeds, the data generator). Samples row by row, top first.
// PNM magic "P2"/"P5" take one sample a pixel, "P3"/"P6" three; max_value 1..255 for the
// binary forms. A comment, when given, goes on its own "#" line before the width.
std::string pnm_encode(const char* magic, int width, int height, int max_value,
                       const uint8_t* samples, const char* comment = nullptr);
// The predictive format: channels 3 ("R6") or 4 ("R7").
std::string predictive_encode(int width, int height, int channels, const uint8_t* pixels);

// Bytes the stream can still deliver; -1 when that isn't known (gzip and scrambled streams).
int64_t image_stream_bytes_left(stream* s);
// True when a width x height x bytes_per_pixel image fits the limits and, where the length
// is known, the bytes left. Shared by the readers.
bool image_size_fits(stream* s, int width, int height, int64_t bytes_per_pixel);
