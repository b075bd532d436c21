// app/main_loop.h — the frame loop, the fixed 1/128 s game tick, the ride controls and the
// handling of input events. Main thread only.
#pragma once

#include "app/race_state.h"
#include "app/settings.h"

#include <cstdint>

struct game_window;
struct axis_handle;

enum view_mode { view_riding = 0, view_editor = 2, view_chase = 3, view_free = 4, view_title = 5 };

constexpr int control_output_count = 9;
enum control_output {
    out_steer,
    out_throttle,
    out_front_brake,
    out_rear_brake,
    out_shift,
    out_clutch,
    out_dab,
    out_back_up,
    out_lean
};

// One entry of the working ride-control table.
struct ride_control {
    control_binding* binding;
    int output; // index into control_outputs
    float scale;
    float value; // 0..1
};

// The fixed menu keys bound at start-up.
enum menu_key {
    menu_key_up,
    menu_key_down,
    menu_key_left,
    menu_key_right,
    menu_key_enter,
    menu_key_keypad_enter,
    menu_key_esc,
    menu_key_pause,
    menu_key_cursor_left,
    menu_key_cursor_right,
    menu_key_page_up,
    menu_key_page_down,
    menu_key_count
};
extern const char* const menu_key_names[menu_key_count];

constexpr int frame_bucket_count = 8;

// Frame intervals for the race display and the console.
struct frame_stats {
    int buckets[frame_bucket_count];    // j < 7: shorter than tick × 2^j; 7: the rest
    double shortest_step, longest_step; // s
};

struct loop_state_record {
    int view_mode;
    int paused;
    double last_frame_time;       // s, clock at the end of the last measurement
    double sim_time, target_time; // s of game time run, and allowed
    int mouse_held;               // "cursor-left" is down
    float control_outputs[control_output_count];
    ride_control ride_controls[ride_binding_count];
    uint32_t menu_keys[menu_key_count]; // 0 when a key is unbound
    axis_handle* cursor_x;
    axis_handle* cursor_y;
    int cursor_last_x, cursor_last_y;
    frame_stats stats;
    int dab_latched;        // the sticky sit/dab state
    float dab_last;         // last tick's sit/dab output
    int screenshot_next;    // number of the next screenshot; 0 until the files were scanned
    int screenshot_pending; // the screenshot key was pressed: write the next frame
};
extern loop_state_record loop_state;

// Points the 12 ride controls at their configured bindings, in table order.
void ride_controls_init();

// Runs frames until the window is closed.
void main_loop(game_window* window);
// One frame; false once the window has been closed.
bool main_loop_frame(game_window* window);
// Measures real time and advances target_time and the game clock; returns the step, s.
double frame_time_step();
// Connected: the step stretched while this client lags the server's tick, up to 4 times
// before the start and 12.5 % after it, and shrunk to half at most while it runs ahead.
double stretch_toward_server(double step, int server_tick_target);
// Runs the ticks the frame's step allows, with their input events.
void run_frame_ticks(game_window* window);
// Ends the controls page's wait for a binding: every watched axis but kept_axis (-1: all) is
// closed.
void control_capture_end(int kept_axis);
// One input event, as the tick whose time slot it falls in sees it.
void handle_input_event(game_window* window, uint32_t code, int pressed);
// Axis values and the sums into control_outputs for this tick.
void ride_controls_update();
// Hands the control outputs to the viewed local bike.
void drive_viewed_bike();
// Advances the game by one tick.
void game_tick();
