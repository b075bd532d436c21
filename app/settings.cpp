// app/settings.cpp — the settings records with their names, ranges and start values, and
// the four graphics presets.
#include "app/settings.h"

#include "platform/messages.h"

#include <cstring>

settings_record settings;
const char* const no_yes_names[2] = {"No", "Yes"};

namespace {

const char* const record_names[] = {"No", "Yes"};
const char* const skill_names[] = {"Novice", "Amateur", "Expert"};
const char* const gate_names[] = {"Empty", "Human", "Robot", "Robot (2 stroke)",
                                  "Robot (4 stroke)"};
const char* const video_names[] = {"Default Fullscreen", "Windowed"};
const char* const dim_names[] = {"32x32", "64x64", "128x128", "256x256", "512x512", "1024x1024"};
const char* const compress_names[] = {"No", "Yes", "Always"};
const char* const render_names[] = {"Software", "Hardware/Copy", "Hardware/Direct", "Shaders/Copy",
                                    "Shaders/Direct"};
const char* const playback_names[] = {"Playback Only", "Race Against"};
const char* const gate_labels[gate_count] = {
    "Gate 1",  "Gate 2",  "Gate 3",  "Gate 4",  "Gate 5",  "Gate 6",  "Gate 7",  "Gate 8",
    "Gate 9",  "Gate 10", "Gate 11", "Gate 12", "Gate 13", "Gate 14", "Gate 15", "Gate 16",
    "Gate 17", "Gate 18", "Gate 19", "Gate 20", "Gate 21", "Gate 22", "Gate 23", "Gate 24",
    "Gate 25", "Gate 26", "Gate 27", "Gate 28", "Gate 29", "Gate 30", "Gate 31", "Gate 32",
    "Gate 33", "Gate 34", "Gate 35", "Gate 36", "Gate 37", "Gate 38", "Gate 39", "Gate 40"};
const char* const slot_keys[gate_count] = {
    "slot00", "slot01", "slot02", "slot03", "slot04", "slot05", "slot06", "slot07",
    "slot08", "slot09", "slot10", "slot11", "slot12", "slot13", "slot14", "slot15",
    "slot16", "slot17", "slot18", "slot19", "slot20", "slot21", "slot22", "slot23",
    "slot24", "slot25", "slot26", "slot27", "slot28", "slot29", "slot30", "slot31",
    "slot32", "slot33", "slot34", "slot35", "slot36", "slot37", "slot38", "slot39"};

control_binding binding(const char* key, const char* label, const char* start_key) {
    return {key, label, intern_string(start_key), 0, nullptr, nullptr, 0, 1};
}

// The twelve preset values of each graphics setting, one column per preset.
struct preset_row {
    double ground_detail, ground_texture_detail;
    int ground_texture_dim, ground_mipmaps, texture_compress, render_texture, use_shader;
    double model_texture_detail, model_detail;
    int lens_flare, reflections;
    double roost_density;
};
const preset_row presets[4] = {
    {70, 9, 1, 1, 0, 0, 1, 9, 50, 1, 1, 1000},   // Compatibility
    {50, 7, 1, 1, 1, 2, 0, 7, 25, 0, 0, 0},      // High FPS
    {70, 9, 2, 1, 1, 4, 1, 9, 50, 1, 1, 1000},   // Normal
    {90, 10, 3, 1, 0, 4, 1, 10, 75, 1, 1, 1000}, // High Detail
};

} // namespace

void settings_apply_preset(int preset) {
    const preset_row& p = presets[preset];
    settings.ground_detail.value = p.ground_detail;
    settings.ground_texture_detail.value = p.ground_texture_detail;
    settings.ground_texture_dim.index = p.ground_texture_dim;
    settings.ground_mipmaps.index = p.ground_mipmaps;
    settings.texture_compress.index = p.texture_compress;
    settings.render_texture.index = p.render_texture;
    settings.use_shader.index = p.use_shader;
    settings.model_texture_detail.value = p.model_texture_detail;
    settings.model_detail.value = p.model_detail;
    settings.lens_flare.index = p.lens_flare;
    settings.reflections.index = p.reflections;
    settings.roost_density.value = p.roost_density;
}

void settings_reset() {
    settings_record& s = settings;
    s.spy = 0;
    s.track = intern_string("rabbithill");
    s.track_choice = {"track", "Track", nullptr, 0, 0};
    s.record = make_choice("record", "Record Demo", record_names, 0);
    s.skill = make_choice("skill", "Robot Skill", skill_names, 0);
    s.minutes = make_number("minutes", "Minutes", 0, 1, 0, 60);
    s.laps = make_number("laps", "Laps", 5, 1, 0, 50);
    for (int i = 0; i < gate_count; ++i)
        s.slots[i] = make_choice(slot_keys[i], gate_labels[i], gate_names, 0);
    s.ghost_fade_distance = make_number("ghost_fade_distance", "Ghost Fade Distance", 10, 1, 0, 40);
    s.time_trial_abort =
        make_choice("time_trial_abort", "Backing Up Aborts Attempt", no_yes_names, 1);
    s.video_mode = make_choice("video_mode", "Video Mode", video_names, 0);
    strcpy(s.server_name, "localhost");
    memset(s.server_history, 0, sizeof s.server_history);
    s.ground_detail = make_number("ground_detail", "Ground Geometric Detail", 0, 1, 0, 100);
    s.ground_texture_detail =
        make_number("ground_texture_detail", "Ground Texture Levels", 0, 1, 0, 10);
    s.ground_texture_dim =
        make_choice("ground_texture_dim", "Ground Texture Resolution", dim_names, 0);
    s.ground_mipmaps = make_choice("ground_mipmaps", "Enable Ground Mipmaps", no_yes_names, 0);
    s.texture_compress = make_choice("texture_compress", "Compress Textures", compress_names, 0);
    s.render_texture = make_choice("render_texture", "Terrain Rendering Method", render_names, 0);
    s.use_fbo = make_choice("use_fbo", "Use Framebuffer Objects", no_yes_names, 1);
    s.use_shader = make_choice("use_shader", "Use Shader Programs", no_yes_names, 0);
    s.model_detail = make_number("model_detail", "Model Geometric Detail", 0, 1, 0, 100);
    s.model_texture_detail =
        make_number("model_texture_detail", "Model Texture Detail", 0, 1, 0, 10);
    s.roost_density = make_number("roost_density", "Roost Density", 0, 10, 0, 1000);
    s.lens_flare = make_choice("lens_flare", "Enable Lens Flares", no_yes_names, 0);
    s.reflections = make_choice("reflections", "Enable Reflections", no_yes_names, 0);
    s.hide_rider = make_choice("hide_rider", "Hide 1st Person Rider", no_yes_names, 0);
    s.rigid_camera = make_choice("rigid_camera", "Rigid 3rd person camera", no_yes_names, 0);
    s.fov = make_number("fov", "Field Of View", 110, 1, 10, 170);
    s.first_person_height =
        make_number("first_person_height", "1st Person Height", 0, 0.03125, 0, 1);
    s.first_person_angle = make_number("first_person_angle", "1st Person Angle", 0, 1, 0, 40);
    s.third_person_height = make_number("third_person_height", "3rd Person Height", 5, 1, 0, 20);
    s.third_person_distance =
        make_number("third_person_distance", "3rd Person Distance", 10, 1, 5, 40);
    s.volume = make_number("volume", "Volume", 10, 1, 0, 10);
    s.playback_mode = make_choice("playback_mode", "Playback Mode", playback_names, 0);
    s.billboard_optimize_lookahead = 8;
    s.message_lines = 5;
    s.bindings[bind_throttle] = binding("throttle_key", "Throttle", "x");
    s.bindings[bind_front_brake] = binding("front_brake_key", "Front Brake", "c");
    s.bindings[bind_rear_brake] = binding("rear_brake_key", "Rear Brake", "v");
    s.bindings[bind_left] = binding("left_key", "Left", "left");
    s.bindings[bind_right] = binding("right_key", "Right", "right");
    s.bindings[bind_clutch] = binding("clutch_key", "Clutch", "z");
    s.bindings[bind_upshift] = binding("upshift_key", "Upshift", "up");
    s.bindings[bind_downshift] = binding("downshift_key", "Downshift", "down");
    s.bindings[bind_dab] = binding("dab_key", "Sit/Dab", "right ctrl");
    s.bindings[bind_back_up] = binding("back_up_key", "Back up", "b");
    s.bindings[bind_lean_forward] = binding("lean_forward_key", "Lean Forward", "n");
    s.bindings[bind_lean_backward] = binding("lean_backward_key", "Lean Backward", "m");
    s.bindings[bind_pause] = binding("pause_key", "Pause", "pause");
    s.bindings[bind_step] = binding("step_key", "Step", ".");
    s.bindings[bind_rewind] = binding("rewind_key", "Rewind", "\\");
    s.bindings[bind_skip] = binding("skip_key", "Skip", "/");
    s.bindings[bind_prev] = binding("prev_key", "Previous Bike", "[");
    s.bindings[bind_next] = binding("next_key", "Next Bike", "]");
    s.bindings[bind_chat] = binding("console_key", "Chat", "t");
    s.bindings[bind_screenshot] = binding("screenshot_key", "Screenshot", "s");
    settings_apply_preset(0);
}

bool set_choice(setting_choice* c, const char* text) {
    for (int i = 0; i < c->count; ++i) {
        if (strcmp(c->names[i], text) == 0) {
            c->index = i;
            return true;
        }
    }
    return false;
}

const char* choice_name(const setting_choice* c) {
    return c->index >= 0 && c->index < c->count ? c->names[c->index] : "";
}

bool choice_is(const setting_choice* c, const char* name) {
    return strcmp(choice_name(c), name) == 0;
}
