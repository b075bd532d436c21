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
// The loose files of the default tracks.
std::vector<data_file> make_tracks();
