// platform/window.h — the game window with its GL context, the display mode list and the
// frame bracket. Main thread, except the parts the window's own thread takes under the locks.
#pragma once

#include "platform/input.h"

#include <mutex>

// The drawable area handed out by window_begin_frame.
struct window_frame {
    int width, height; // pixels
};

struct game_window {
    std::mutex window_lock; // guards width, height, busy and the frame in progress
    std::mutex event_lock;  // guards events; never held together with window_lock
    event_queue events;
    int width, height; // client size, pixels
    bool busy;         // moving, sizing or switching modes: no frame may be drawn
    bool open;         // cleared when the window has been closed
    bool has_gl;       // a GL context is current on the main thread
    window_frame frame;
};

// One display mode; the list ends with the zero triple.
struct display_mode {
    int width, height, bits;
};

// Built on first call; entry 0 is the desktop mode when it could be read.
const display_mode* display_modes();

// flags: low byte colour depth, 0x200 fullscreen. Null when no window could be made.
constexpr int window_fullscreen_flag = 0x200;
game_window* window_open_gl(const char* title, int width, int height, int flags, int alpha_bits,
                            int depth_bits, int stencil_bits, int accumulation_bits);
void window_close_gl(game_window* window);
// Null means: do not draw now. On success the caller holds window_lock until end_frame.
window_frame* window_begin_frame(game_window* window);
int window_end_frame(game_window* window);
void window_pump(game_window* window);
int window_is_open(game_window* window);
// Closes the window for the out-of-memory exit; nothing when none is open.
void window_close_for_exit();
