// app/frame_ticks.cpp — the ticks of one frame: each takes the input events of its own
// real-time slot, sums the ride controls, and runs the game tick unless the game stands.
#include "app/main_loop.h"

#include "app/run_settings.h"
#include "app/views.h"
#include "editor/editor.h"
#include "net/net.h"
#include "platform/audio.h"
#include "platform/input.h"
#include "platform/log.h"
#include "track/track.h"
#include "ui/ui.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr float capture_axis_threshold = 0.5f;
constexpr float capture_range_low = 0.0625f, capture_range_high = 0.9375f;
constexpr int capture_block_bytes = 1380; // 690 stereo frames of 8-bit samples

void take_events(game_window* window, double t, double now) {
    uint32_t code;
    int pressed;
    if (t < now) {
        int s = (int)std::floor(t);
        int us = (int)((t - s) * 1000000);
        while (input_next_event_due(window, &code, &pressed, s, us))
            handle_input_event(window, code, pressed);
    } else {
        int s, us;
        while (input_next_event(window, &code, &pressed, &s, &us))
            handle_input_event(window, code, pressed);
    }
}

// The controls page waits for a binding: the most deflected watched axis past half its
// range takes it.
void capture_by_axis() {
    control_capture_state& c = control_capture;
    if (!c.active || c.axis_count == 0) return;
    int best = -1;
    float best_value = 0;
    for (int i = 0; i < c.axis_count; ++i) {
        float v = input_axis_read(c.axes[i]) / 32768.0f;
        if (std::fabs(v) > std::fabs(best_value)) {
            best = i;
            best_value = v;
        }
    }
    if (best < 0 || std::fabs(best_value) <= capture_axis_threshold) return;
    control_binding* b = c.binding;
    b->key_name = nullptr;
    b->key_code = 0;
    b->axis_name = c.axis_names[best];
    b->axis = c.axes[best];
    b->axis_low = best_value > 0 ? capture_range_low : -capture_range_low;
    b->axis_high = best_value > 0 ? capture_range_high : -capture_range_high;
    control_capture_end(best);
}

void append_audio_capture() {
    int bytes = 0;
    const unsigned char* block = audio_last_block(&bytes);
    if (entry_values.audio_capture && block && bytes == capture_block_bytes)
        fwrite(block, 1, bytes, entry_values.audio_capture);
}

} // namespace

void control_capture_end(int kept_axis) {
    control_capture_state& c = control_capture;
    for (int i = 0; i < c.axis_count; ++i)
        if (i != kept_axis) input_axis_close(c.axes[i]);
    c.axis_count = 0;
    c.active = 0;
    if (run_settings.debug_level) log_printf("Done watching pots\n");
}

void run_frame_ticks(game_window* window) {
    loop_state_record& L = loop_state;
    double now = L.last_frame_time;
    while (L.sim_time < L.target_time) {
        L.sim_time += tick_length;
        double t = now - (L.target_time - L.sim_time);
        memset(L.control_outputs, 0, sizeof L.control_outputs);
        take_events(window, t, now);
        capture_by_axis();
        ride_controls_update();

        bool connected = session_connected();
        bool menu = menu_page() != no_menu;
        // The game stands still behind an offline menu.
        if (menu && viewed_is_local() && !connected) continue;
        if (L.view_mode == view_editor) {
            editor_step();
            if (!connected) continue;
        } else if (!menu && track_loaded()) {
            if ((L.view_mode == view_riding || L.view_mode == view_chase) && viewed_is_local())
                drive_viewed_bike();
            view_controls(L.view_mode);
        }
        if (connected) L.paused = 0;

        session_step();
        view_refresh_bike();
        if (!track_loaded()) L.view_mode = view_title;

        if (L.paused || L.view_mode == view_title ||
            (connected && session_server_tick_target() < 1))
            continue;
        game_tick();
        if (entry_values.audio_capture) append_audio_capture();
    }
}
