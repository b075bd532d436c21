// platform/display_modes.cpp — the display mode list, built once: the desktop mode first,
// then every other usable mode once (refresh rates folded together), and the choice of the
// fullscreen resolution.
#include "platform/log.h"
#include "platform/window.h"
#include "platform/window_system.h"

#include <vector>

namespace {

constexpr int mode_capacity = 512;
std::vector<display_mode> mode_list;
bool modes_built = false;

bool usable_bits(int bits) {
    return bits == 8 || bits == 15 || bits == 16 || bits == 24 || bits == 32;
}

bool listed(int width, int height, int bits) {
    for (const display_mode& m : mode_list)
        if (m.width == width && m.height == height && m.bits == bits) return true;
    return false;
}

} // namespace

const display_mode* display_modes() {
    if (modes_built) return mode_list.data();
    modes_built = true;
    system_mode desktop = {};
    std::vector<system_mode> modes(mode_capacity);
    int count = 0;
    if (window_system && window_system->list_modes(&desktop, modes.data(), &count, mode_capacity)) {
        if (usable_bits(desktop.bits)) {
            mode_list.push_back({desktop.width, desktop.height, desktop.bits});
            log_printf("Registry mode is %dx%dx%d@%dhz\n", desktop.width, desktop.height,
                       desktop.bits, desktop.refresh);
        } else {
            log_printf("Registry mode is %dx%dx%d@%dhz (ignored)\n", desktop.width, desktop.height,
                       desktop.bits, desktop.refresh);
        }
        for (int i = 0; i < count; ++i) {
            const system_mode& m = modes[i];
            if (!usable_bits(m.bits)) {
                log_printf("Found mode %dx%dx%d@%dhz (ignored)\n", m.width, m.height, m.bits,
                           m.refresh);
                continue;
            }
            if (listed(m.width, m.height, m.bits)) continue;
            mode_list.push_back({m.width, m.height, m.bits});
            log_printf("Found mode %dx%dx%d@%dhz\n", m.width, m.height, m.bits, m.refresh);
        }
    }
    mode_list.push_back({0, 0, 0});
    return mode_list.data();
}

void choose_fullscreen_size(const display_mode* modes, int width, int height, int desktop_width,
                            int desktop_height, int* chosen_width, int* chosen_height) {
    *chosen_width = desktop_width;
    *chosen_height = desktop_height;
    if (width == 0 || height == 0) return;
    int best_w = 1000000, best_h = 1000000; // the sentinel any real mode beats
    bool found = false;
    for (const display_mode* m = modes; m->width || m->height || m->bits; ++m) {
        if (m->width < width || m->height < height) continue;
        if ((m->width - width) + (m->height - height) < (best_w - width) + (best_h - height)) {
            best_w = m->width;
            best_h = m->height;
            found = true;
        }
    }
    if (found) {
        *chosen_width = best_w;
        *chosen_height = best_h;
    }
}
