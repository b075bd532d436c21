// app/startup.cpp — start-up: every subsystem brought up in its fixed order, then the main
// loop. The order matters: the log starts with the data check, the configuration is read
// before the derived settings, and the command line overrides both.
#include "app/startup.h"

#include "app/bike_setup.h"
#include "app/command_line.h"
#include "app/main_loop.h"
#include "app/run_settings.h"
#include "app/track_list.h"
#include "app/views.h"
#include "bike/bike.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "platform/log.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "race/race.h"
#include "render/gl_caps.h"
#include "render/render.h"
#include "resources/files.h"
#include "resources/textures.h"
#include "track/track.h"
#include "ui/ui.h"

#include "game_data_digest.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int capture_rate = 88320; // Hz: 690 samples a tick
constexpr int capture_block = 690;
constexpr int window_wait_tries = 162; // about 10 s at 1/16 s a try
constexpr int window_wait_us = 62500;
constexpr int start_race_laps = 1000;
constexpr int other_bindings[] = {bind_pause, bind_step, bind_rewind, bind_skip,
                                  bind_next,  bind_prev, bind_chat,   bind_screenshot};

// Resolves a binding's key (or else its axis) on the window.
void attach_binding(game_window* window, control_binding* b) {
    if (b->key_name) {
        if (!input_button_code(window, b->key_name, &b->key_code)) b->key_code = 0;
    } else if (b->axis_name) {
        b->axis = input_axis_open(window, b->axis_name);
    }
}

void attach_controls(game_window* window) {
    loop_state.cursor_x = input_axis_open(window, "cursor-x");
    loop_state.cursor_y = input_axis_open(window, "cursor-y");
    for (ride_control& rc : loop_state.ride_controls) attach_binding(window, rc.binding);
    for (int b : other_bindings) attach_binding(window, &settings.bindings[b]);
    for (int k = 0; k < menu_key_count; ++k)
        if (!input_button_code(window, menu_key_names[k], &loop_state.menu_keys[k]))
            loop_state.menu_keys[k] = 0;
}

game_window* create_window() {
    int width = run_settings.window_width, height = run_settings.window_height;
    int flags = entry_values.color_depth;
    if (!choice_is(&settings.video_mode, "Windowed")) {
        flags |= window_fullscreen_flag;
        video_mode_size(&width, &height);
    }
    return window_open_gl("Tarvik", width, height, flags, 0, 16, 0, 0);
}

bool wait_for_window(game_window* window) {
    for (int i = 0; i < window_wait_tries; ++i) {
        if (window_begin_frame(window)) {
            window_end_frame(window);
            return true;
        }
        sleep_for(0, window_wait_us);
    }
    return false;
}

void open_audio() {
    entry_values_record& e = entry_values;
    if (e.record_audio_path) {
        e.audio_capture = fopen(e.record_audio_path, "wb");
        if (!e.audio_capture) log_printf("Can't open '%.900s'\n", e.record_audio_path);
        audio_open_capture(capture_rate, capture_block);
    } else if (!e.sound_off) {
        audio_open();
    }
}

// The number of message lines the configuration asked for, kept within the ring.
void take_configured_values() {
    int lines = settings.message_lines;
    message_ring.max_visible = lines < 0                   ? 0
                               : lines > message_ring_size ? message_ring_size
                                                           : lines;
}

} // namespace

int startup(int argc, char** argv, game_window** window_out) {
    *window_out = nullptr;
    run_settings_reset();
    settings_reset();
    bike_setup_reset();
    message_ring.clock = &race_state.game_clock;

    ride_controls_init(); // 1
    entry_values.chase_distance = 10;
    entry_values.chase_height = 5;
    scramble_prepare_keys(); // 2
    // 3: standard output carries video frames; POSIX streams are binary already.
    if (!check_game_data(game_data_expected_digest)) { // 4
        error_box("Problem starting Tarvik", "Can't find game data\n");
        return 0;
    }
    check_stock_shapes();                                               // 5
    memset(settings.server_history, 0, sizeof settings.server_history); // 6
    message_ring_clear();
    video_modes_build();                  // 7
    run_settings.use_mmx = cpu_has_mmx(); // 8
    if (!run_settings.use_mmx) log_printf("This CPU does not have MMX!\n");
    assists_apply_stability(bike_setup.stability.value); // 9
    settings_apply_preset(0);                            // 10
    gear_choices_build();                                // 11
    lighting_set_defaults();                             // 12
    read_config();                                       // 13
    take_configured_values();
    for (rider_slot& s : race_state.slots) { // 14
        s.voice = nullptr;
        memset(s.name, 0, sizeof s.name);
    }
    derive_render_settings(); // 15
    int status = read_command_line(argc, argv);
    texture_options = {run_settings.texture_reduce, run_settings.texture_compress,
                       run_settings.debug_level}; // 16
    if (status >= 0) return status;

    track_list_build(); // 17
    if (track_list.folders.empty()) {
        fprintf(stderr, "No tracks found\n");
        return 1;
    }
    demo_list_build();
    series_list_build();
    choose_first_track();

    game_window* window = create_window(); // 18
    if (!window) return 1;
    *window_out = window;
    open_audio();                                           // 19
    if (!wait_for_window(window)) return startup_skip_loop; // 20: straight to shutdown
    if (gl_load_capabilities()) {                           // 21
        log_printf("GL_VENDOR: %s\n", gl_caps.vendor.c_str());
        log_printf("GL_RENDERER: %s\n", gl_caps.renderer.c_str());
        log_printf("GL_VERSION: %s\n", gl_caps.version.c_str());
        log_printf("GL_EXTENSIONS: %s\n", gl_caps.extensions.c_str());
    }
    derive_gl_settings(gl_shaders_usable(), gl_build_shaders);
    log_printf("Shader programs %s\n", run_settings.shaders  ? "built"
                                       : gl_shaders_usable() ? "not in use"
                                                             : "not supported by this GL");
    gl_initial_state(run_settings.flat_shading); // 22
    fonts_setup();                               // 23
    for (const char* name : {"!@tach.png", "!@shifter.png", "!@pitboard.png", "!@title.png"})
        texture_load(name);
    if (window_is_open(window)) { // 24
        attach_controls(window);
        track_lists_create();
        camera_keyframes_create();
        physics_world_create();
    }
    bool demo_loaded = false; // 25
    if (app_globals.demo_argument) {
        const char* demo_track = nullptr;
        demo_loaded = demo_load(app_globals.demo_argument, &demo_track);
        if (demo_loaded) app_globals.start_track = demo_track;
    }
    race_slots_clear(); // 26
    for (int& gate : race_state.lineup) gate = lineup_empty;
    if (!app_globals.demo_argument) race_state.lineup[0] = lineup_robot;
    if (app_globals.start_track) // 27
        race_reset(race_state.lineup, demo_loaded, 0, 0, start_race_laps, settings.skill.index);
    menu_set_page(app_globals.server_address ? no_menu : menu_main); // 28
    return startup_run_loop;
}

int tarvik_main(int argc, char** argv) {
    game_window* window = nullptr;
    int status = startup(argc, argv, &window);
    if (status >= 0) return status;
    if (status == startup_run_loop) main_loop(window);
    return shutdown(window);
}
