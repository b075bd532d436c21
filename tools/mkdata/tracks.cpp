// tools/mkdata/tracks.cpp — the default tracks. Each is a folder with its display name in
// "desc" and its height field in "terrain.hf": the header "size_log2 spacing min max", a
// ":" and then the 16-bit little-endian samples, rows of increasing z.
#include "tools/mkdata/mkdata.h"

#include <cstdio>

namespace {

constexpr int size_log2 = 5;                     // 2^5 tile cells a side
constexpr int grid_size = (2 << size_log2) + 1;  // samples a side
constexpr float spacing = 4;                     // ft between samples
constexpr float min_height = 0, max_height = 32; // ft

// A flat field; the hills come with the terrain.
std::string flat_terrain() {
    char header[64];
    snprintf(header, sizeof header, "%d %f %f %f\n:", size_log2, spacing, min_height, max_height);
    std::string bytes = header;
    bytes.append((size_t)grid_size * grid_size * 2, '\0');
    return bytes;
}

} // namespace

std::vector<data_file> make_tracks() {
    return {
        {"rabbithill/desc", "Rabbit Hill\n"},
        {"rabbithill/terrain.hf", flat_terrain()},
    };
}
