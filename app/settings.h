// app/settings.h — every configurable value as a menu record: choices, numbers and control
// bindings, with their start values. Live for the whole run; main thread only.
#pragma once

#include <cstdint>

struct axis_handle;

// A value picked from a list of names; its text form is the current name.
struct setting_choice {
    const char* key;   // configuration key
    const char* label; // menu label
    const char* const* names;
    int count;
    int index;
};

// A number with its menu step and range; written with "%f".
struct setting_number {
    const char* key;
    const char* label;
    double value, step, minimum, maximum;
};

// A key or an axis with a range; the range maps raw / 32768 onto 0..1.
struct control_binding {
    const char* key;       // configuration key
    const char* label;     // menu label
    const char* key_name;  // interned, or null
    uint32_t key_code;     // filled when attached to the window; 0 when unbound
    const char* axis_name; // interned, or null
    axis_handle* axis;     // filled when attached
    float axis_low, axis_high;
};

constexpr int gate_count = 40;
constexpr int server_history_count = 16;
constexpr int binding_count = 20;
constexpr int ride_binding_count = 12;

// Line-up values of a gate.
enum lineup_value {
    lineup_empty = 0,
    lineup_human,
    lineup_robot,
    lineup_robot_2t,
    lineup_robot_4t
};

// The bindings in the order the configuration writes them.
enum binding_index {
    bind_throttle,
    bind_front_brake,
    bind_rear_brake,
    bind_left,
    bind_right,
    bind_clutch,
    bind_upshift,
    bind_downshift,
    bind_dab,
    bind_back_up,
    bind_lean_forward,
    bind_lean_backward,
    bind_pause,
    bind_step,
    bind_rewind,
    bind_skip,
    bind_prev,
    bind_next,
    bind_chat,
    bind_screenshot
};

struct settings_record {
    int spy;                     // a riding player may move the view to other riders
    const char* track;           // folder of the track to select at start (interned)
    setting_choice track_choice; // "Track": the display names of the track list
    setting_choice record, skill;
    setting_number minutes, laps;
    setting_choice slots[gate_count];
    setting_number ghost_fade_distance;
    setting_choice time_trial_abort, video_mode;
    char server_name[128];
    char server_history[server_history_count][128];
    setting_number ground_detail, ground_texture_detail;
    setting_choice ground_texture_dim, ground_mipmaps, texture_compress, render_texture, use_fbo,
        use_shader;
    setting_number model_detail, model_texture_detail, roost_density;
    setting_choice lens_flare, reflections, hide_rider, rigid_camera;
    setting_number fov; // degrees
    setting_number first_person_height, first_person_angle, third_person_height,
        third_person_distance, volume;
    setting_choice playback_mode;
    int billboard_optimize_lookahead;
    int message_lines;
    control_binding bindings[binding_count];
};
extern settings_record settings;

// A choice over a fixed list of names, and a number with its menu step and range.
template <int N>
setting_choice make_choice(const char* key, const char* label, const char* const (&names)[N],
                           int index) {
    return {key, label, names, N, index};
}
inline setting_number make_number(const char* key, const char* label, double value, double step,
                                  double minimum, double maximum) {
    return {key, label, value, step, minimum, maximum};
}
extern const char* const no_yes_names[2]; // "No", "Yes"

// Gives every setting its start value (the graphics ones from preset 0).
void settings_reset();
// Sets the twelve graphics settings of a preset: 0 Compatibility, 1 High FPS, 2 Normal,
// 3 High Detail.
void settings_apply_preset(int preset);
// Selects the first name equal to the text; false leaves the index as it was.
bool set_choice(setting_choice* choice, const char* text);
const char* choice_name(const setting_choice* choice);
bool choice_is(const setting_choice* choice, const char* name);

// The configuration file: read at start-up, written in full at shutdown. Window size and
// display switches go straight into the run settings.
void read_config();
void write_config();
// The configuration's lines from an open stream (what read_config does with "@config").
struct stream;
void config_read_lines(stream* in);
