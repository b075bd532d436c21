// app/video_modes.cpp — the names of the Video Mode choice: the two fixed ones, then every
// display mode of the desktop's colour depth.
#include "app/startup.h"

#include "app/settings.h"
#include "platform/messages.h"
#include "platform/window.h"

#include <cstdio>
#include <vector>

namespace {
std::vector<const char*> video_mode_names;
}

void video_modes_build() {
    video_mode_names = {"Default Fullscreen", "Windowed"};
    const display_mode* modes = display_modes();
    int depth = modes[0].bits;
    for (const display_mode* m = modes; m->width || m->height || m->bits; ++m) {
        if (m->bits != depth) continue;
        char name[32];
        snprintf(name, sizeof name, "%dx%d", m->width, m->height);
        video_mode_names.push_back(intern_string(name));
    }
    settings.video_mode.names = video_mode_names.data();
    settings.video_mode.count = (int)video_mode_names.size();
}

// The size the window asks for: 0 × 0 for the desktop size.
void video_mode_size(int* width, int* height) {
    *width = *height = 0;
    if (settings.video_mode.index >= 2)
        sscanf(choice_name(&settings.video_mode), "%dx%d", width, height);
}
