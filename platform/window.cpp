// platform/window.cpp — the game window. The display binding comes with the window layer;
// until then no window opens, and a window made by a test acts as an open window without GL.
#include "platform/window.h"

#include "platform/log.h"

namespace {
const display_mode no_modes[1] = {{0, 0, 0}};
}

const display_mode* display_modes() {
    return no_modes;
}

game_window* window_open_gl(const char* title, int width, int height, int flags, int, int, int,
                            int) {
    log_printf("Can't open window \"%s\" %dx%d (flags 0x%x): no display binding\n", title, width,
               height, flags);
    return nullptr;
}

void window_close_gl(game_window* window) {
    if (window) window->open = false;
}

window_frame* window_begin_frame(game_window* window) {
    if (!window->has_gl) return nullptr;
    window->window_lock.lock();
    if (window->busy) {
        window->window_lock.unlock();
        return nullptr;
    }
    window->frame.width = window->width;
    window->frame.height = window->height;
    return &window->frame;
}

int window_end_frame(game_window* window) {
    window->window_lock.unlock();
    return 1;
}

void window_pump(game_window*) {}
int window_is_open(game_window* window) {
    return window && window->open;
}
void window_close_for_exit() {}
