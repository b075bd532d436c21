// platform/window.h — the game window with its GL context, the display mode list, the frame
// bracket and the mode switches. Main thread; the event queue and the window state have locks
// of their own, never held together.
#pragma once

#include "platform/input.h"

#include <mutex>
#include <string>
#include <vector>

struct input_device;

// The drawable area handed out by window_begin_frame.
struct window_frame {
    int width, height; // pixels
};

// A display mode change asked for, carried out when the window next processes its events.
struct window_mode_request {
    bool pending;
    bool fullscreen;
    int width, height;
};

struct game_window {
    std::mutex window_lock; // guards width, height, busy and the frame in progress
    std::mutex event_lock;  // guards events
    event_queue events{};
    std::string title;
    int width{}, height{};                       // client size, pixels
    int depth{};                                 // colour bits asked for
    int fullscreen_width{}, fullscreen_height{}; // the display resolution of fullscreen
    bool busy{}; // a mode switch is in progress: no frame may be drawn
    bool open{}; // cleared by the close request's handling and by closing
    bool closing{};
    bool has_gl{}; // a GL context is current on the main thread
    bool threaded{};
    bool fullscreen_active{}; // the display mode has been changed for this window
    window_frame frame{};
    window_mode_request request{};
    input_device* devices{};                   // newest first
    std::vector<std::string> device_names;     // "name axis n" of every absolute controller axis
    std::vector<const char*> device_name_list; // the same, null-terminated
    void* native{};                            // the window system's own record
};

// One display mode; the list ends with the zero triple.
struct display_mode {
    int width, height, bits;
};

// Built on first call; entry 0 is the desktop mode when its depth is usable.
const display_mode* display_modes();
// The fullscreen size for a requested size: the listed mode with the least excess, or the
// desktop when the request is 0 or nothing is large enough.
void choose_fullscreen_size(const display_mode* modes, int width, int height, int desktop_width,
                            int desktop_height, int* chosen_width, int* chosen_height);

// flags: low byte colour depth, 0x200 fullscreen. Null when no window could be made.
constexpr int window_fullscreen_flag = 0x200;
game_window* window_open_gl(const char* title, int width, int height, int flags, int alpha_bits,
                            int depth_bits, int stencil_bits, int accumulation_bits);
void window_close_gl(game_window* window);
// Null means: do not draw now. On success the caller holds window_lock until end_frame.
window_frame* window_begin_frame(game_window* window);
int window_end_frame(game_window* window);
// Queues a switch to fullscreen (flags 0x200) or to a window of that client size.
int window_request_mode(game_window* window, int width, int height, int flags);
// Turns pending window-system events into input events; runs queued mode switches.
void window_pump(game_window* window);
int window_is_open(game_window* window);
// The player asked to quit: the main loop ends and shutdown closes the window.
void window_request_close(game_window* window);
// The names of every absolute controller axis, null-terminated.
const char* const* window_device_names(game_window* window);
// A GL entry point of the window's context, null when the driver has none.
void* window_gl_proc_address(const char* name);
// Closes the open window for the out-of-memory exit; nothing when none is open.
void window_close_for_exit();
