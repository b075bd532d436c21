// app/track_list.cpp — the track and demo lists, read from the list of every file name:
// a folder holding "terrain.hf" (or its ".gz") is a track named by the first line of its
// "desc"; every "demos/*.qddemo" is a demo.
#include "app/track_list.h"

#include "app/run_settings.h"
#include "platform/log.h"
#include "platform/messages.h"
#include "resources/files.h"
#include "resources/stream.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

track_list_record track_list;

namespace {

constexpr int desc_line_bytes = 1024;

bool ends_with(const char* text, const char* suffix) {
    size_t n = strlen(text), m = strlen(suffix);
    return n >= m && strcmp(text + n - m, suffix) == 0;
}

// The first line of the folder's "desc": up to a carriage return, line feed or zero byte.
const char* display_name(const std::string& folder) {
    stream* s = stream_open(("@" + folder + "/desc").c_str(), "rb");
    if (!s) return intern_string(folder.c_str());
    std::string name;
    int c;
    while ((int)name.size() < desc_line_bytes && (c = stream_getc(s)) > 0 && c != '\r' && c != '\n')
        name += (char)c;
    stream_close(s);
    return intern_string(name.c_str());
}

} // namespace

void track_list_build() {
    for (const char* const* n = all_file_names(); *n; ++n) {
        if (!ends_with(*n, "/terrain.hf") && !ends_with(*n, "/terrain.hf.gz")) continue;
        std::string folder(*n, strrchr(*n, '/') - *n);
        // A folder with both forms is still one track.
        if (std::find_if(track_list.folders.begin(), track_list.folders.end(),
                         [&](const char* f) { return folder == f; }) != track_list.folders.end())
            continue;
        track_list.folders.push_back(intern_string(folder.c_str()));
        track_list.names.push_back(display_name(folder));
    }
    // An exchange sort keeps the two lists together: by display name, case ignored.
    std::vector<const char*>& f = track_list.folders;
    std::vector<const char*>& d = track_list.names;
    for (size_t i = 0; i < d.size(); ++i)
        for (size_t j = i + 1; j < d.size(); ++j)
            if (strcasecmp(d[j], d[i]) < 0) {
                std::swap(d[i], d[j]);
                std::swap(f[i], f[j]);
            }
    if (run_settings.debug_level)
        for (size_t i = 0; i < f.size(); ++i) log_printf("%s -> %s\n", f[i], d[i]);
    settings.track_choice.names = d.data();
    settings.track_choice.count = (int)d.size();
}

void demo_list_build() {
    for (const char* const* n = all_file_names(); *n; ++n) {
        if (strncmp(*n, "demos/", 6) != 0 || !ends_with(*n, ".qddemo")) continue;
        const char* slash = strrchr(*n, '/');
        const char* dot = strrchr(*n, '.');
        const char* start = slash ? slash + 1 : *n;
        std::string name =
            dot && dot > start ? std::string(start, dot - start) : std::string(start);
        track_list.demos.push_back(intern_string(name.c_str()));
        if (run_settings.debug_level) log_printf("%s -> %s\n", *n, track_list.demos.back());
    }
}

void choose_first_track() {
    const char* wanted = app_globals.start_track ? app_globals.start_track : settings.track;
    for (size_t i = 0; i < track_list.folders.size(); ++i) {
        if (strcmp(track_list.folders[i], wanted) == 0) {
            set_choice(&settings.track_choice, track_list.names[i]);
            return;
        }
    }
}
