// app/config.cpp — "@config": every setting as a key=value line, read once at start-up and
// written in full at shutdown. The bike setup lines are offered to the setup reader first.
#include "app/bike_setup.h"
#include "app/config_lines.h"
#include "app/run_settings.h"
#include "app/track_list.h"
#include "platform/messages.h"
#include "resources/stream.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr size_t server_name_length = 127;
constexpr size_t history_length = 126;

struct int_key {
    const char* key;
    int* value;
};

// The plain integers, in the order the file carries them.
int_key int_keys_head[] = {
    {"xres", &run_settings.window_width},   {"yres", &run_settings.window_height},
    {"draw_fps", &app_globals.draw_fps},    {"draw_time", &app_globals.draw_time},
    {"draw_ping", &run_settings.draw_ping}, {"spy", &settings.spy},
};
int_key int_keys_tail[] = {
    {"billboard_optimize_lookahead", &settings.billboard_optimize_lookahead},
    {"message_lines", &settings.message_lines},
};

// The graphics and view items, in the order the file carries them.
struct graphics_item {
    setting_number* number;
    setting_choice* choice;
};
const graphics_item graphics_items[] = {
    {&settings.ground_detail, nullptr},
    {&settings.ground_texture_detail, nullptr},
    {nullptr, &settings.ground_texture_dim},
    {nullptr, &settings.ground_mipmaps},
    {nullptr, &settings.texture_compress},
    {nullptr, &settings.render_texture},
    {nullptr, &settings.use_shader},
    {&settings.roost_density, nullptr},
    {nullptr, &settings.lens_flare},
    {nullptr, &settings.reflections},
    {nullptr, &settings.hide_rider},
    {nullptr, &settings.rigid_camera},
    {&settings.model_detail, nullptr},
    {&settings.model_texture_detail, nullptr},
    {&settings.fov, nullptr},
    {&settings.first_person_height, nullptr},
    {&settings.first_person_angle, nullptr},
    {&settings.third_person_height, nullptr},
    {&settings.third_person_distance, nullptr},
    {&settings.volume, nullptr},
    {nullptr, &settings.playback_mode},
};

bool read_int(const char* key, const char* value, int line) {
    for (int_key* table : {int_keys_head, int_keys_tail}) {
        int count = table == int_keys_head ? (int)(sizeof int_keys_head / sizeof *int_keys_head)
                                           : (int)(sizeof int_keys_tail / sizeof *int_keys_tail);
        for (int i = 0; i < count; ++i) {
            if (strcmp(key, table[i].key) != 0) continue;
            if (sscanf(value, "%d", table[i].value) != 1)
                config_warning(line, "%s: \"%.100s\" is not a number, kept %d", key, value,
                               *table[i].value);
            return true;
        }
    }
    return false;
}

bool read_item(const char* key, const char* value, int line) {
    setting_choice* choices[] = {&settings.record, &settings.skill, &settings.time_trial_abort,
                                 &settings.video_mode};
    for (setting_choice* c : choices)
        if (strcmp(key, c->key) == 0) return config_set_choice(c, value, line), true;
    for (setting_choice& c : settings.slots)
        if (strcmp(key, c.key) == 0) return config_set_choice(&c, value, line), true;
    setting_number* numbers[] = {&settings.minutes, &settings.laps, &settings.ghost_fade_distance};
    for (setting_number* n : numbers)
        if (strcmp(key, n->key) == 0) return config_set_number(n, value, line), true;
    for (const graphics_item& g : graphics_items) {
        if (g.number && strcmp(key, g.number->key) == 0)
            return config_set_number(g.number, value, line), true;
        if (g.choice && strcmp(key, g.choice->key) == 0)
            return config_set_choice(g.choice, value, line), true;
    }
    for (control_binding& b : settings.bindings)
        if (strcmp(key, b.key) == 0) return parse_binding(&b, value), true;
    return false;
}

bool read_text(const char* key, const char* value, int line) {
    if (strcmp(key, "track") == 0) {
        settings.track = intern_string(value);
        return true;
    }
    if (strcmp(key, "server_name") == 0) {
        snprintf(settings.server_name, sizeof settings.server_name, "%.127s", value);
        if (strlen(value) > server_name_length)
            config_warning(line, "server_name cut to %d characters", (int)server_name_length);
        return true;
    }
    int index;
    char rest;
    if (sscanf(key, "server_name_hist%d%c", &index, &rest) == 1 && index >= 0 &&
        index < server_history_count) {
        if (strlen(value) > history_length)
            config_warning(line, "%s longer than %d characters, ignored", key, (int)history_length);
        else
            snprintf(settings.server_history[index], sizeof settings.server_history[index], "%s",
                     value);
        return true;
    }
    return false;
}

void read_line(const char* key, const char* value, int line) {
    if (bike_setup_read(key, value, line) || read_int(key, value, line) ||
        read_item(key, value, line) || read_text(key, value, line))
        return;
    if (strcmp(key, "use_fbo") == 0) {
        // The older form of the terrain method: its own choice, then the method it meant.
        config_set_choice(&settings.use_fbo, value, line);
        set_choice(&settings.render_texture,
                   strcmp(value, "Yes") == 0 ? "Hardware/Direct" : "Hardware/Copy");
        return;
    }
    if (strcmp(key, "ground_texture_distance") == 0) return;
    config_warning(line, "unknown key \"%.100s\" ignored", key);
}

// The folder of the selected track, or the configured one when the list has none.
const char* selected_track() {
    int i = settings.track_choice.index;
    if (i >= 0 && i < (int)track_list.folders.size()) return track_list.folders[i];
    return settings.track;
}

void write_lines(stream* out) {
    for (const int_key& k : int_keys_head) stream_printf(out, "%s=%d\n", k.key, *k.value);
    stream_printf(out, "track=%s\n", selected_track());
    stream_printf(out, "record=%s\n", choice_name(&settings.record));
    stream_printf(out, "skill=%s\n", choice_name(&settings.skill));
    stream_printf(out, "minutes=%f\n", settings.minutes.value);
    stream_printf(out, "laps=%f\n", settings.laps.value);
    for (const setting_choice& c : settings.slots)
        stream_printf(out, "%s=%s\n", c.key, choice_name(&c));
    stream_printf(out, "ghost_fade_distance=%f\n", settings.ghost_fade_distance.value);
    stream_printf(out, "time_trial_abort=%s\n", choice_name(&settings.time_trial_abort));
    bike_setup_write(out);
    stream_printf(out, "video_mode=%s\n", choice_name(&settings.video_mode));
    stream_printf(out, "server_name=%s\n", settings.server_name);
    for (int i = 0; i < server_history_count; ++i)
        stream_printf(out, "server_name_hist%02d=%s\n", i, settings.server_history[i]);
    for (const graphics_item& g : graphics_items) {
        if (g.number)
            stream_printf(out, "%s=%f\n", g.number->key, g.number->value);
        else
            stream_printf(out, "%s=%s\n", g.choice->key, choice_name(g.choice));
    }
    for (const int_key& k : int_keys_tail) stream_printf(out, "%s=%d\n", k.key, *k.value);
    for (const control_binding& b : settings.bindings) {
        if (b.key_name)
            stream_printf(out, "%s=(k)%s\n", b.key, b.key_name);
        else if (b.axis_name)
            stream_printf(out, "%s=(%f,%f)%s\n", b.key, b.axis_low, b.axis_high, b.axis_name);
    }
}

} // namespace

void read_config() {
    config_read_file("@config", read_line);
}
void config_read_lines(stream* in) {
    config_read_stream(in, read_line);
}
void write_config() {
    config_write_file("@config", write_lines);
}
