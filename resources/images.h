// resources/images.h — image files: reading and writing the program's picture formats.
#pragma once

// Writes RGB pixels (bottom row first, as GL reads them) as a PNG under a game name.
// 0 when the file can't be written.
int image_write_png_rgb(const char* name, int width, int height, const unsigned char* rgb);
