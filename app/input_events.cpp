// app/input_events.cpp — one input event as the tick of its time slot handles it: ride
// controls first, then the binding capture, the menus, and the game's own keys.
#include "app/main_loop.h"

#include "app/run_settings.h"
#include "app/screenshot.h"
#include "app/views.h"
#include "editor/editor.h"
#include "net/net.h"
#include "platform/input.h"
#include "platform/log.h"
#include "platform/window.h"
#include "race/race.h"
#include "track/track.h"
#include "ui/ui.h"

namespace {

constexpr uint32_t tab_code = 9;
constexpr int menu_keeps_escape = 14;            // the one page that Escape does not close
constexpr uint32_t scan_1 = 0x02, scan_0 = 0x0B; // the digit row: "1".."9", then "0"

bool bound(int binding, uint32_t code) {
    const control_binding& b = settings.bindings[binding];
    return b.key_name && b.key_code == code;
}

bool is_menu_key(int key, uint32_t code) {
    return loop_state.menu_keys[key] && loop_state.menu_keys[key] == code;
}

// Keys (not typed characters) settle a capture; Escape cancels it.
void capture_by_key(game_window* window, uint32_t code) {
    if (!is_menu_key(menu_key_esc, code)) {
        const char* name = input_code_name(window, code);
        control_binding* b = control_capture.binding;
        if (name && b) {
            b->key_name = name;
            b->key_code = code;
            b->axis_name = nullptr;
            b->axis = nullptr;
        }
    }
    control_capture_end(-1);
}

void move_viewed_slot(int direction) {
    bool allowed = !viewed_is_local() || (session_connected() && session_warmup()) || settings.spy;
    if (!allowed) return;
    int count = race_order_count();
    if (count == 0) return;
    int at = -1;
    for (int i = 0; i < count; ++i)
        if (race_order_slot(i) == race_state.viewed_slot) at = i;
    int to = at + direction;
    if (to < 0) to = 0;
    if (to > count - 1) to = count - 1;
    race_state.viewed_slot = race_order_slot(to);
}

// The digit, or -1 when the code is no digit key.
int digit_key(uint32_t code) {
    if (code < input_key_base + scan_1 || code > input_key_base + scan_0) return -1;
    uint32_t scan = code - input_key_base;
    return scan == scan_0 ? 0 : (int)(scan - scan_1) + 1;
}

void select_camera_by_digit(int digit) {
    int index = digit - 1;
    int last = track_camera_count() - 1;
    if (index > last) index = last;
    camera_select(index);
}

void refresh_after_menu() {
    view_refresh_bike();
    if (!track_loaded()) loop_state.view_mode = view_title;
}

} // namespace

void handle_input_event(game_window* window, uint32_t code, int pressed) {
    loop_state_record& L = loop_state;
    // The window's close button: the game quits through its shutdown.
    if (code == input_close && pressed) {
        window_request_close(window);
        return;
    }
    for (ride_control& rc : L.ride_controls) {
        if (!rc.binding->key_name || rc.binding->key_code != code) continue;
        rc.value = pressed ? 1 : 0;
        if (run_settings.debug_level)
            log_printf("Ride control \"%s\" %s\n", rc.binding->label,
                       pressed ? "pressed" : "released");
    }
    if (is_menu_key(menu_key_cursor_left, code)) L.mouse_held = pressed;

    if (control_capture.active) {
        if (pressed && code >= 256) capture_by_key(window, code);
        return;
    }
    bool esc = pressed && is_menu_key(menu_key_esc, code);
    if (esc && menu_page() == no_menu) {
        menu_set_page(menu_main);
        menu_hover_reset();
        return;
    }
    if (esc && menu_page() != menu_keeps_escape) {
        menu_set_page(no_menu);
        menu_hover_reset();
        return;
    }
    if (menu_page() != no_menu) {
        if (pressed) menu_event(code, 1);
        refresh_after_menu();
        return;
    }
    if (!pressed) return;

    if (bound(bind_chat, code) && L.view_mode != view_editor) {
        menu_set_page(menu_chat);
        return;
    }
    if (L.view_mode == view_title) return;
    if (L.view_mode == view_editor && editor_event(code, pressed)) return;

    if (bound(bind_pause, code) && !session_connected()) L.paused = !L.paused;
    if (bound(bind_step, code) && L.paused) game_tick();
    if (code == tab_code) view_change();
    if (bound(bind_rewind, code)) demo_skip(-1);
    if (bound(bind_skip, code)) demo_skip(1);
    if (bound(bind_prev, code)) move_viewed_slot(-1);
    if (bound(bind_next, code)) move_viewed_slot(1);
    if (bound(bind_screenshot, code) && L.view_mode != view_editor) take_screenshot(window);
    int digit = digit_key(code);
    if (digit >= 0) select_camera_by_digit(digit);
}
