// app/track_list.h — the tracks and demos the menus offer, and the first track to load.
// Built once at start-up; the texts live for the whole run.
#pragma once

#include <vector>

struct track_list_record {
    std::vector<const char*> folders; // path of the terrain file up to its last slash
    std::vector<const char*> names;   // display names, sorted without regard to case
    std::vector<const char*> demos;   // demo menu names
};
extern track_list_record track_list;

// Every folder with a terrain file is a track; the first line of its "desc" names it.
void track_list_build();
void demo_list_build();
// Selects the Track choice by start_track, else by the configured track folder.
void choose_first_track();
