// platform/window_system.h — what the window logic needs from a window system, as one table
// of operations. The SDL binding supplies it; nothing outside platform/ sees it.
#pragma once

#include <cstdint>

struct game_window;

// A mode as the window system reports it.
struct system_mode {
    int width, height, bits, refresh;
};

struct window_system_ops {
    // The display's modes, the desktop mode first; false when the display can't be asked.
    bool (*list_modes)(system_mode* desktop, system_mode* modes, int* count, int capacity);
    // Creates the native window (client size, fullscreen at that resolution when asked, the
    // GL pixel format already chosen from the bits). False on failure, logged.
    bool (*create_window)(game_window* w, bool fullscreen, int color_bits, int alpha_bits,
                          int depth_bits, int stencil_bits, int accumulation_bits);
    bool (*create_gl)(game_window* w);
    void (*destroy_gl)(game_window* w);
    void (*destroy_window)(game_window* w);
    // Turns pending events into queued input events.
    void (*pump)(game_window* w);
    bool (*drawable)(game_window* w, int* width, int* height); // false when hidden
    void (*swap)(game_window* w);
    bool (*set_fullscreen)(game_window* w, int width, int height, bool desktop_size);
    bool (*set_windowed)(game_window* w, int width, int height);
    void (*cursor_position)(game_window* w, int* x, int* y);
    void* (*gl_proc_address)(const char* name);
    // The name of a key by its scan code (0x100 added for extended keys); "" when none.
    const char* (*key_name)(int scan);
};
extern const window_system_ops* window_system;
