// tools/mkdata/mkdata.h — the parts of the default game data, each made by code here. Every
// run makes the same bytes.
#pragma once

#include "resources/writers.h"

#include <string>
#include <vector>

// A file of the data folder: its path below the folder and its bytes.
struct data_file {
    std::string path;
    std::string bytes;
};

// The base archive "zzzz.saf" whose digest the game checks at start-up.
std::string make_base_archive();
// The pictures of the base archive, as PNG bytes.
std::string make_font_picture();
std::string make_tach_picture();
std::string make_shifter_picture();
std::string make_pitboard_picture();
std::string make_title_picture();
// The plain textures under "colors/", one in each texture format.
std::vector<archive_member> make_colour_pictures();
// The loose files of the default tracks.
std::vector<data_file> make_tracks();
