// The display mode list and the choice of a fullscreen resolution.
#include "platform/window.h"
#include "platform/window_system.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(fullscreen_size, the_least_excess_wins_and_the_first_of_equals) {
    const display_mode three[] = {{1024, 768, 32}, {800, 600, 32}, {832, 624, 32}, {0, 0, 0}};
    const display_mode two[] = {{1024, 768, 32}, {1280, 720, 32}, {0, 0, 0}};
    const display_mode small[] = {{640, 480, 32}, {0, 0, 0}};
    const display_mode ties[] = {{900, 600, 32}, {800, 700, 32}, {0, 0, 0}};
    const struct {
        const display_mode* modes;
        int width, height, chosen_width, chosen_height;
    } cases[] = {
        {three, 800, 600, 800, 600}, {two, 800, 600, 1024, 768}, {small, 800, 600, 1920, 1080},
        {three, 0, 600, 1920, 1080}, {three, 0, 0, 1920, 1080},  {ties, 800, 600, 900, 600},
        {three, 810, 600, 832, 624},
    };
    for (const auto& c : cases) {
        int w, h;
        choose_fullscreen_size(c.modes, c.width, c.height, 1920, 1080, &w, &h);
        EXPECT_EQ(w, c.chosen_width) << c.width << "x" << c.height;
        EXPECT_EQ(h, c.chosen_height) << c.width << "x" << c.height;
    }
}

// A display with modes that differ only in refresh rate and one of 4 bits.
bool fake_modes(system_mode* desktop, system_mode* modes, int* count, int) {
    *desktop = {1280, 1024, 32, 60};
    const system_mode list[] = {
        {1280, 1024, 32, 60}, {1280, 1024, 32, 75}, {1024, 768, 32, 60},
        {1024, 768, 32, 85},  {800, 600, 4, 60},    {800, 600, 16, 60},
    };
    *count = 0;
    for (const system_mode& m : list) modes[(*count)++] = m;
    return true;
}

TEST(display_modes, are_listed_once_with_usable_depths_only) {
    window_system_ops fake = *window_system;
    fake.list_modes = fake_modes;
    const window_system_ops* real = window_system;
    window_system = &fake;
    const display_mode* m = display_modes();
    window_system = real;
    std::vector<std::vector<int>> listed;
    for (; m->width || m->height || m->bits; ++m) listed.push_back({m->width, m->height, m->bits});
    EXPECT_EQ(listed,
              (std::vector<std::vector<int>>{{1280, 1024, 32}, {1024, 768, 32}, {800, 600, 16}}));
}

} // namespace
