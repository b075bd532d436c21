// platform/devices.cpp — the window's input devices: ids and unique names, the cursor device,
// and opening and closing them all at window set-up and destroy.
#include "platform/devices.h"

#include "platform/log.h"
#include "platform/window.h"
#include "platform/window_system.h"

namespace {

constexpr uint32_t id_step = 0x10000;
constexpr uint32_t id_mask = 0x7FFF0000;

bool id_used(game_window* w, uint32_t id) {
    for (input_device* d = w->devices; d; d = d->next)
        if (d->id == id) return true;
    return false;
}

// The cursor: two axes, the pointer's position in the window's client area, in pixels.
bool cursor_nothing(input_device*) {
    return true;
}
void cursor_close(input_device*) {}
int cursor_read(input_device* d, int axis) {
    int x = 0, y = 0;
    if (d->window->native && window_system) window_system->cursor_position(d->window, &x, &y);
    return axis == 0 ? x : y;
}
void cursor_poll(input_device*) {}
void cursor_destroy(input_device*) {}
const input_device_ops cursor_ops = {cursor_nothing, cursor_nothing, cursor_close,
                                     cursor_read,    cursor_poll,    cursor_destroy};

} // namespace

uint32_t device_id_for(game_window* w, const std::string& name) {
    int s0 = 0, s1 = 0;
    for (size_t i = 0; i < name.size(); ++i) (i % 2 == 0 ? s0 : s1) += (signed char)name[i];
    uint32_t id = ((uint32_t)(s1 * 256 + s0) & 0x7FFF) * id_step;
    for (int tries = 0; id == 0 || id_used(w, id); ++tries) {
        if (tries == 65535) return 0;
        id = (id + id_step) & id_mask;
    }
    return id;
}

std::string device_unique_name(game_window* w, const std::string& base) {
    std::string name = base;
    for (int n = 2; device_find(w, name.c_str()); ++n) name = base + "#" + std::to_string(n);
    return name;
}

input_device* device_add(game_window* w, const std::string& name, int axes, int buttons,
                         const input_device_ops* ops) {
    input_device* d = new input_device();
    d->window = w;
    d->name = name;
    d->id = device_id_for(w, name);
    d->axis_count = axes;
    d->button_count = buttons;
    d->ops = ops;
    d->axis_values.assign(axes, 0);
    d->button_states.assign(buttons, 0);
    d->next = w->devices;
    w->devices = d;
    return d;
}

input_device* device_find(game_window* w, const char* name) {
    for (input_device* d = w->devices; d; d = d->next)
        if (d->name == name) return d;
    return nullptr;
}

void devices_open(game_window* w) {
    controllers_roll_call(w);
    device_add(w, "cursor", 2, 0, &cursor_ops);
    alias_add("cursor-x", "cursor.axis[0]");
    alias_add("cursor-y", "cursor.axis[1]");
}

void devices_close_all(game_window* w) {
    while (input_device* d = w->devices) {
        w->devices = d->next;
        if (d->axis_users) {
            d->axis_users = 0;
            d->ops->close_axes(d);
        }
        d->ops->destroy(d);
        delete d;
    }
    w->device_names.clear();
}

void devices_poll_active(game_window* w) {
    for (input_device* d = w->devices; d; d = d->next)
        if (d->buttons_active) d->ops->poll(d);
}
