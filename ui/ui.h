// ui/ui.h — the menu pages over the game view, and the capture of a new control binding
// that the controls page starts and the main loop settles. Main thread only.
#pragma once

#include <cstdint>

struct control_binding;
struct axis_handle;

constexpr int no_menu = -1;
constexpr int menu_main = 0;
constexpr int menu_chat = 16;
constexpr int mouse_move_code = 16; // the event code a drag hands to the menu

int menu_page(); // no_menu when none is shown
void menu_set_page(int page);
void menu_draw();
// A press (or a drag move) handed to the shown page.
void menu_event(uint32_t code, int pressed);
// Points the page's hover at the item under the cursor.
void menu_hover_update(int cursor_x, int cursor_y);
void menu_hover_reset();

constexpr int capture_axes_max = 64;

// The controls page waiting for the next key or axis to bind.
struct control_capture_state {
    int active;
    control_binding* binding;
    axis_handle* axes[capture_axes_max];      // the axes being watched
    const char* axis_names[capture_axes_max]; // their names, interned
    int axis_count;
};
extern control_capture_state control_capture;
