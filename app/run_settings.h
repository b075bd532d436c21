// app/run_settings.h — the process-wide values that the command line may set and that the
// drawing, loading and networking code reads, and the entry's own run-long values.
// Set during start-up on the main thread, read everywhere after.
#pragma once

#include "app/settings.h"

#include <cstdio>

// Values of drawing, loading and networking the command line may override.
struct run_settings_record {
    int window_width, window_height; // pixels, windowed mode
    int flat_shading;
    int no_vertex_arrays;
    int roost_frequency; // 0..1000
    int debug_level;     // 0..2
    int practice;
    int texture_reduce; // detail steps dropped, 0 = full detail
    int ground_texture_reduce;
    int ground_texture_size; // pixels along an edge
    int ground_mipmaps;
    int terrain_shaders;
    int texture_compress; // 0 no, 1 yes, 2 always
    int shaders;
    int reflections;
    float erode; // 0..100; erosion runs while above 0
    float terrain_detail;
    float max_detail_distance, detail_fade_distance; // ft
    float lod_bias;
    float lod_scale;
    int draw_ping;
    int use_mmx;
};
extern run_settings_record run_settings;

// The other process-wide values of the application core.
struct app_globals_record {
    int draw_fps, draw_time;
    int draw_render_stats;
    int accurate_skip;
    int editor_enabled;
    int learn_lines;
    int rotate_lineup;
    double fake_lag; // s, 0..1
    int fake_loss;   // percent, 0..100
    int print_orientation;
    const char* start_track; // track folder to load before the main loop, or null
    const char* server_address;
    const char* server_password;
    const char* demo_argument; // the one file argument
};
extern app_globals_record app_globals;

// The entry's own values that live for the whole run and that the main loop uses.
struct entry_values_record {
    int sound_off;
    int warp;
    float lock_fps; // frames per second; 0 or less is off
    const char* record_audio_path;
    FILE* audio_capture; // receives the mixed sound while recording audio
    int record_video;
    int show_pause_text;
    int show_hud;
    int color_depth; // bits
    int gl_finish;
    float chase_center[3];              // ft, bike coordinates
    float chase_distance, chase_height; // ft
};
extern entry_values_record entry_values;

// Start values of all three records.
void run_settings_reset();
// The run settings that follow from the graphics settings; run before the command line.
void derive_render_settings();
// After GL start-up: ground_mipmaps, shaders (built through build_shaders when asked for
// and usable) and terrain_shaders.
void derive_gl_settings(int shaders_usable, int (*build_shaders)());
