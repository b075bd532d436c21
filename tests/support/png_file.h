// tests/support/png_file.h — writes a frame read back from GL as a PNG, so that a person can
// look at what a window test saw.
#pragma once

#include <string>

// rgb holds rows bottom first, as GL reads them. True when written.
bool write_png_bottom_up(const std::string& path, int width, int height, const unsigned char* rgb);
