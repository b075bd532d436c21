// app/command_line.cpp — reads the command line into run_settings, app_globals and
// entry_values. Start-up only, before any window opens.
#include "app/command_line.h"

#include "app/run_settings.h"
#include "platform/log.h"
#include "resources/files.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

template <typename T>
T clamp(T value, T low, T high) {
    return value < low ? low : value > high ? high : value;
}

constexpr int keep_going = -1;

// Why reading stopped; kept while the options are tried in their order.
struct reader {
    option_cursor cursor;
    const char* value;
    int status; // keep_going, or the exit status
};

void bad_arg(reader* r, const char* name) {
    fprintf(stderr, "Bad arg for %s\n", name);
    r->status = 1;
}

bool missing(reader* r, const char* name) {
    if (r->value) return false;
    fprintf(stderr, "Missing value for %s\n", name);
    r->status = 1;
    return true;
}

// Once an option has failed, no further option matches, so the failure ends the reading.
bool matches(reader* r, const char* name, bool takes_value) {
    if (r->status != keep_going) return false;
    return match_option(&r->cursor, name, takes_value ? &r->value : nullptr);
}
bool flag(reader* r, const char* name) {
    return matches(r, name, false);
}
bool valued(reader* r, const char* name) {
    return matches(r, name, true) && !missing(r, name);
}

// A checked "%d" option: false (and the message) when nothing converts.
bool int_option(reader* r, const char* name, int* out) {
    if (!valued(r, name)) return false;
    if (sscanf(r->value, "%d", out) != 1) {
        bad_arg(r, name);
        return false;
    }
    return true;
}

bool float_option(reader* r, const char* name, float* out) {
    if (!valued(r, name)) return false;
    if (sscanf(r->value, "%f", out) != 1) {
        bad_arg(r, name);
        return false;
    }
    return true;
}

// An unchecked "%d" option: an unreadable value leaves the target as it was.
bool loose_int_option(reader* r, const char* name, int* target) {
    if (!valued(r, name)) return false;
    sscanf(r->value, "%d", target);
    return true;
}

bool atoi_option(reader* r, const char* name, int* target) {
    if (!valued(r, name)) return false;
    *target = atoi(r->value);
    return true;
}

bool text_option(reader* r, const char* name, const char** target) {
    if (!valued(r, name)) return false;
    *target = r->value;
    return true;
}

// Tries every option in order on the next argument; true when one matched (or failed).
bool read_option(reader* r) {
    run_settings_record& rs = run_settings;
    app_globals_record& g = app_globals;
    entry_values_record& e = entry_values;
    int i;
    float f;
    r->value = nullptr;

    if (flag(r, "--fugly"))
        rs.flat_shading = 1;
    else if (flag(r, "--nosound"))
        e.sound_off = 1;
    else if (flag(r, "--novertexarrays"))
        rs.no_vertex_arrays = 1;
    else if (flag(r, "--learn"))
        g.learn_lines = 1;
    else if (flag(r, "--nolearn"))
        g.learn_lines = 0;
    else if (flag(r, "--nommx")) {
        if (rs.use_mmx) log_printf("Ignoring MMX\n");
        rs.use_mmx = 0;
    } else if (flag(r, "--debug"))
        rs.debug_level = 1;
    else if (flag(r, "--super-debug"))
        rs.debug_level = 2;
    else if (flag(r, "--practice"))
        rs.practice = 1;
    else if (flag(r, "--warp"))
        e.warp = 1;
    else if (int_option(r, "--texture-detail", &i))
        rs.texture_reduce = rs.ground_texture_reduce = clamp(i, 0, 4);
    else if (int_option(r, "--ground-texture-detail", &i))
        rs.ground_texture_reduce = clamp(i, 0, 4);
    else if (int_option(r, "--roostfrequency", &i))
        rs.roost_frequency = clamp(i, 0, 1000);
    else if (float_option(r, "--erode", &f))
        rs.erode = clamp(f, 0.0f, 100.0f);
    else if (float_option(r, "--detail", &f))
        rs.terrain_detail = f;
    else if (float_option(r, "--max-detail-distance", &f)) {
        rs.max_detail_distance = f;
        rs.detail_fade_distance = f + 5;
    } else if (float_option(r, "--lod-scale", &f))
        rs.lod_scale = clamp(f, 0.000001f, 1000000.0f);
    else if (float_option(r, "--lod-bias", &f))
        rs.lod_bias = f;
    else if (float_option(r, "--lock-fps", &f))
        e.lock_fps = f;
    else if (float_option(r, "--fake-lag", &f))
        g.fake_lag = clamp(f * 0.001, 0.0, 1.0);
    else if (int_option(r, "--fake-loss", &i))
        g.fake_loss = clamp(i, 0, 100);
    else if (text_option(r, "--record-audio", &e.record_audio_path)) {
    } else if (flag(r, "--record-video"))
        e.record_video = 1;
    else if (loose_int_option(r, "--rotate-lineup", &g.rotate_lineup)) {
    } else if (flag(r, "--editor"))
        g.editor_enabled = 1;
    else if (flag(r, "--hidden-pause"))
        e.show_pause_text = 0;
    else if (flag(r, "--hidden-hud"))
        e.show_hud = 0;
    else if (matches(r, "--bikes", true))
        fprintf(stderr, "--bikes doesn't do anything anymore\n");
    else if (loose_int_option(r, "--width", &rs.window_width)) {
    } else if (loose_int_option(r, "--height", &rs.window_height)) {
    } else if (atoi_option(r, "--depth", &e.color_depth)) {
    } else if (atoi_option(r, "--draw-fps", &g.draw_fps)) {
    } else if (atoi_option(r, "--draw-time", &g.draw_time)) {
    } else if (atoi_option(r, "--draw-ping", &rs.draw_ping)) {
    } else if (atoi_option(r, "--draw-render-stats", &g.draw_render_stats)) {
    } else if (flag(r, "--accurate-skip"))
        g.accurate_skip = 1;
    else if (text_option(r, "--track", &g.start_track)) {
    } else if (text_option(r, "--connect", &g.server_address)) {
        if (strncmp(g.server_address, "tarvik:", 7) == 0) g.server_address += 7;
    } else if (text_option(r, "--password", &g.server_password)) {
    } else if (valued(r, "--chase-center")) {
        float c[3];
        if (sscanf(r->value, "%f,%f,%f", &c[0], &c[1], &c[2]) < 3)
            bad_arg(r, "--chase-center");
        else
            memcpy(e.chase_center, c, sizeof c);
    } else if (flag(r, "--open-home")) {
        open_home_folder();
        r->status = 0;
    } else if (flag(r, "--glfinish"))
        e.gl_finish = 1;
    else if (flag(r, "--print-orientation"))
        g.print_orientation = 1;
    else
        return r->status != keep_going;
    return true;
}

} // namespace

bool match_option(option_cursor* c, const char* name, const char** value) {
    if (c->left <= 0 || c->end_of_options) return false;
    const char* a = c->next[0];
    if (!value) {
        if (strcmp(a, name) != 0) return false;
        --c->left;
        ++c->next;
        return true;
    }
    if (strcmp(a, "--") == 0) {
        --c->left;
        ++c->next;
        c->end_of_options = true;
        return false;
    }
    size_t length = strlen(name);
    if (strcmp(a, name) == 0) {
        --c->left;
        ++c->next;
        *value = nullptr;
        if (c->left > 0) {
            *value = c->next[0];
            --c->left;
            ++c->next;
        }
        return true;
    }
    if (strncmp(a, name, length) == 0 && a[length] == '=') {
        --c->left;
        ++c->next;
        *value = a + length + 1;
        return true;
    }
    return false;
}

int read_command_line(int argc, char** argv) {
    reader r = {{argc - 1, argv + 1, false}, nullptr, keep_going};
    while (r.cursor.left > 0) {
        if (read_option(&r)) {
            if (r.status != keep_going) return r.status;
            continue;
        }
        // Matched nothing: a bad option or a file. After "--" it is always a file.
        if (r.cursor.left <= 0) break;
        const char* argument = r.cursor.next[0];
        --r.cursor.left;
        ++r.cursor.next;
        if (argument[0] == '-' && !r.cursor.end_of_options) {
            fprintf(stderr, "bad option '%s'\n", argument);
            return 1;
        }
        if (app_globals.demo_argument) {
            fprintf(stderr, "Too many files!\n");
            return 1;
        }
        app_globals.demo_argument = argument;
    }
    if (app_globals.server_address) app_globals.start_track = nullptr;
    return keep_going;
}
