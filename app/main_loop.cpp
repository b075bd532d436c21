// app/main_loop.cpp — one frame: the view mode, drawing, the pause texts, the menus, the
// buffer swap, the engine sound, the time step and the ticks, the warp's race rotation and
// the message lines. Runs until the window is closed. Main thread only.
#include "app/main_loop.h"

#include "app/run_settings.h"
#include "app/screenshot.h"
#include "app/views.h"
#include "net/net.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "race/race.h"
#include "render/render.h"
#include "sound/sound.h"
#include "track/track.h"
#include "ui/ui.h"

loop_state_record loop_state;

const char* const menu_key_names[menu_key_count] = {
    "up",  "down",  "left",        "right",        "enter",   "keypad enter",
    "esc", "pause", "cursor-left", "cursor-right", "page up", "page down"};

namespace {

constexpr int pause_text_row = 1, warmup_text_row = 28;
constexpr int terrain_work_budget = 8000;
constexpr float menu_volume_remote = 0.25f; // a menu over someone else's ride: quieter

void refresh_view_mode() {
    int& view = loop_state.view_mode;
    if (view == view_title && track_loaded()) view = view_riding;
    if (viewed_is_local() && view != view_riding && view != view_chase && view != view_editor)
        view = view_riding;
    if (!viewed_bike()) view = view_free;
    if (!track_loaded()) view = view_title;
}

void draw_frame(window_frame* frame) {
    const entry_values_record& e = entry_values;
    int view = loop_state.view_mode;
    if (choice_is(&settings.video_mode, "Windowed")) {
        run_settings.window_width = frame->width;
        run_settings.window_height = frame->height;
    }
    set_projection(frame->width, frame->height, settings.fov.value);
    view_draw(view, frame->width, frame->height);
    if (e.show_hud) hud_draw(view == view_riding || view == view_chase, 1);
    if (e.record_video && !loop_state.paused && view != view_title)
        record_video_frame(frame->width, frame->height);
    if (loop_state.paused && e.show_pause_text) {
        draw_centered_row(pause_text_row, "Paused");
        if (viewed_is_local() && session_connected() && session_warmup())
            draw_centered_row(warmup_text_row, "Warmup mode - collisions disabled");
    }
    menu_draw();
    screenshot_write_pending(frame->width, frame->height);
    if (e.gl_finish) gl_finish_frame();
}

// A slot that must not be heard: a second local rider in warm-up, or a remote rider whose
// state is stale or who straggles behind a player who does not.
bool slot_silent(int s) {
    if (!session_connected()) return false;
    const rider_slot& slot = race_state.slots[s];
    if (session_warmup() && slot.kind == rider_local && s != race_state.viewed_slot) return true;
    int own = session_own_slot();
    if (slot.kind != rider_remote || own >= slot_count || !race_state.slots[own].bike) return false;
    if (remote_state_stale(s)) return true;
    return !rider_is_straggler(own) && rider_is_straggler(s);
}

void update_sound() {
    if (!audio_is_open()) return;
    float frame_gain;
    if (loop_state.paused || loop_state.view_mode == view_editor)
        frame_gain = 0;
    else if (menu_page() == no_menu)
        frame_gain = 1;
    else
        frame_gain = viewed_is_local() ? 0 : menu_volume_remote;
    float gain = frame_gain * (float)settings.volume.value * 0.1f;
    for (int s = 0; s < slot_count; ++s)
        if (race_state.slots[s].bike && race_state.slots[s].voice)
            sound_voice_update(s, slot_silent(s) ? 0 : gain);
    audio_mix();
}

void update_cursor() {
    loop_state_record& L = loop_state;
    if (!L.cursor_x || !L.cursor_y) return;
    int x = input_axis_read(L.cursor_x), y = input_axis_read(L.cursor_y);
    bool moved = x != L.cursor_last_x || y != L.cursor_last_y;
    L.cursor_last_x = x;
    L.cursor_last_y = y;
    if (!moved || menu_page() == no_menu) return;
    if (L.mouse_held)
        menu_event(mouse_move_code, 1);
    else if (!control_capture.active)
        menu_hover_update(x, y);
}

// Warp: when the leader has finished, the line-up turns by one gate and the race restarts.
void rotate_finished_race() {
    if (!race_leader_finished()) return;
    int* lineup = race_state.lineup;
    int last = lineup[gate_count - 1];
    for (int k = gate_count - 1; k > 0; --k) lineup[k] = lineup[k - 1];
    lineup[0] = last;
    int minutes_ticks = (int)(settings.minutes.value * 60 / tick_length);
    race_reset(lineup, 0, settings.record.index, minutes_ticks, (int)settings.laps.value,
               settings.skill.index);
}

} // namespace

bool main_loop_frame(game_window* window) {
    refresh_view_mode();
    if (window_frame* frame = window_begin_frame(window)) {
        draw_frame(frame);
        window_end_frame(window);
    }
    if (!window_is_open(window)) return false;
    update_sound();
    frame_time_step();
    update_cursor();
    run_frame_ticks(window);
    if (entry_values.warp && loop_state.view_mode != view_title) rotate_finished_race();
    if (loop_state.view_mode == view_title) return true;
    terrain_frame_update(terrain_work_budget);
    message_retire(race_state.game_clock);
    return true;
}

void main_loop(game_window* window) {
    loop_state.last_frame_time = time_now_seconds();
    while (main_loop_frame(window)) {
    }
}
