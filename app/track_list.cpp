// app/track_list.cpp — the track and demo lists. Both are read from the game's files, which
// come with the file system; until then the lists are empty.
#include "app/track_list.h"

#include "app/run_settings.h"

#include <cstring>

track_list_record track_list;

void track_list_build() {
    settings.track_choice.names = track_list.names.data();
    settings.track_choice.count = (int)track_list.names.size();
}

void demo_list_build() {}

void choose_first_track() {
    const char* wanted = app_globals.start_track ? app_globals.start_track : settings.track;
    for (size_t i = 0; i < track_list.folders.size(); ++i) {
        if (strcmp(track_list.folders[i], wanted) == 0) {
            set_choice(&settings.track_choice, track_list.names[i]);
            return;
        }
    }
}
