// platform/input.cpp — reading input events on a window, the naming of inputs both ways,
// and axis handles. Names resolve through the aliases, the special names, the keyboard's own
// key names and the fixed key names, then device buttons. Main thread, except queuing.
#include "platform/input.h"

#include "platform/devices.h"
#include "platform/key_names.h"
#include "platform/log.h"
#include "platform/window.h"
#include "platform/window_system.h"

#include <cctype>
#include <cstdio>
#include <cstring>

struct axis_handle {
    input_device* device;
    int axis;
};

namespace {

constexpr int scan_code_count = 512;
constexpr int device_button_limit = 256;

const char* system_key_name(int scan) {
    const char* name = window_system ? window_system->key_name(scan) : "";
    return name ? name : "";
}

// Blanks and "_" count as one blank, case is folded, and both texts must end together.
bool loose_equal(const char* a, const char* b) {
    auto fold = [](unsigned char c) { return (isspace(c) || c == '_') ? ' ' : tolower(c); };
    for (; *a && *b; ++a, ++b)
        if (fold(*a) != fold(*b)) return false;
    return *a == 0 && *b == 0;
}

// The three name tables in their order, compared exactly or loosely.
bool table_code(const char* name, bool loose, uint32_t* code) {
    auto same = [&](const char* entry) {
        return loose ? loose_equal(entry, name) : strcmp(entry, name) == 0;
    };
    for (const key_name_row& r : special_names)
        if (same(r.name)) return *code = r.code, true;
    for (int scan = 0; scan < scan_code_count; ++scan) {
        const char* n = system_key_name(scan);
        if (n[0] && same(n)) return *code = input_key_base + scan, true;
    }
    for (const key_name_row& r : fixed_key_names)
        if (same(r.name)) return *code = r.code, true;
    return false;
}

bool take_queued(game_window* w, bool limited, uint32_t* code, int* pressed, int* s, int* us) {
    std::lock_guard<std::mutex> hold(w->event_lock);
    if (limited) return event_queue_take_due(&w->events, code, pressed, *s, *us);
    return event_queue_take(&w->events, code, pressed, s, us);
}

int next_event(game_window* w, bool limited, uint32_t* code, int* pressed, int* s, int* us) {
    window_pump(w);
    if (take_queued(w, limited, code, pressed, s, us)) return 1;
    devices_poll_active(w);
    return take_queued(w, limited, code, pressed, s, us);
}

} // namespace

void input_queue_event(game_window* w, uint32_t code, int pressed, int seconds, int microseconds) {
    std::lock_guard<std::mutex> hold(w->event_lock);
    event_queue_push(&w->events, code, pressed, seconds, microseconds);
}

int input_next_event(game_window* w, uint32_t* code, int* pressed, int* seconds,
                     int* microseconds) {
    return next_event(w, false, code, pressed, seconds, microseconds);
}

int input_next_event_due(game_window* w, uint32_t* code, int* pressed, int limit_seconds,
                         int limit_microseconds) {
    return next_event(w, true, code, pressed, &limit_seconds, &limit_microseconds);
}

int input_button_code(game_window* w, const char* name, uint32_t* code) {
    name = alias_resolve(name);
    if (table_code(name, false, code) || table_code(name, true, code)) return 1;
    unsigned value;
    char rest;
    if (sscanf(name, "0x%x%c", &value, &rest) == 1 && value < (unsigned)scan_code_count) {
        *code = input_key_base + value;
        return 1;
    }
    char device_name[64];
    int index;
    if (sscanf(name, "%63[^.].key[%d]", device_name, &index) != 2 &&
        sscanf(name, "%63s button %d", device_name, &index) != 2)
        return 0;
    input_device* d = device_find(w, device_name);
    if (!d || index < 0 || index >= device_button_limit || index >= d->button_count) return 0;
    d->buttons_active = d->ops->activate_buttons(d) || d->buttons_active;
    *code = d->id + index;
    return 1;
}

const char* input_code_name(game_window* w, uint32_t code) {
    for (const key_name_row& r : special_names)
        if (r.code == code) return r.name;
    char text[1100];
    if (code < input_key_base || code >= input_key_base + scan_code_count) {
        for (input_device* d = w->devices; d; d = d->next) {
            if (d->id != (code & 0xFFFF0000u)) continue;
            snprintf(text, sizeof text, "%.1000s button %d", d->name.c_str(), (int)(code & 0xFF));
            return name_pool_add(text);
        }
        return nullptr;
    }
    int scan = (int)(code - input_key_base);
    const char* system = system_key_name(scan);
    if (system[0]) return name_pool_add(system);
    for (const key_name_row& r : fixed_key_names)
        if (r.code == code) return r.name;
    snprintf(text, sizeof text, "0x%x", scan);
    return name_pool_add(text);
}

axis_handle* input_axis_open(game_window* w, const char* name) {
    name = alias_resolve(name);
    char device_name[64];
    int index;
    if (sscanf(name, "%63[^.].axis[%d]", device_name, &index) != 2 &&
        sscanf(name, "%63s axis %d", device_name, &index) != 2)
        return nullptr;
    input_device* d = device_find(w, device_name);
    if (!d || index < 0 || index >= d->axis_count) return nullptr;
    if (d->axis_users == 0 && !d->ops->open_axes(d)) return nullptr;
    ++d->axis_users;
    return new axis_handle{d, index};
}

int input_axis_read(axis_handle* a) {
    return a->device->ops->read_axis(a->device, a->axis);
}

void input_axis_close(axis_handle* a) {
    if (!a) return;
    if (--a->device->axis_users == 0) a->device->ops->close_axes(a->device);
    delete a;
}
