// platform/sdl/sdl_controllers.cpp — game controllers through SDL's joystick API: the roll
// call at window set-up names each device, lists its axes (absolute, -32767..32767) and its
// buttons (hats count as four buttons each), and polling turns button changes into events.
// An axis that rests at one end of its range (a trigger) is read from its rest, 0..32767, so
// that it reads 0 untouched and can be bound by pressing it. Main thread only.
#include "platform/clock.h"
#include "platform/devices.h"
#include "platform/log.h"
#include "platform/window.h"

#include <SDL.h>
#include <cstdio>

namespace {

constexpr int axis_limit = 100, button_limit = 500;
constexpr int rest_at_end = 30000; // an axis found beyond this at the roll call rests there

struct controller {
    SDL_Joystick* joystick;
    int buttons, hats;
    std::vector<int> rest; // -1 rests low, +1 rests high, 0 centred
};

controller* of(input_device* d) {
    return (controller*)d->binding;
}

int axis_value(controller* c, int axis) {
    int raw = SDL_JoystickGetAxis(c->joystick, axis);
    if (c->rest[axis] < 0)
        raw = (raw + 32768) / 2;
    else if (c->rest[axis] > 0)
        raw = (32767 - raw) / 2;
    return raw < -32767 ? -32767 : raw;
}

bool button_pressed(controller* c, int index) {
    if (index < c->buttons) return SDL_JoystickGetButton(c->joystick, index) != 0;
    int hat = (index - c->buttons) / 4, direction = (index - c->buttons) % 4;
    const Uint8 masks[4] = {SDL_HAT_UP, SDL_HAT_RIGHT, SDL_HAT_DOWN, SDL_HAT_LEFT};
    return (SDL_JoystickGetHat(c->joystick, hat) & masks[direction]) != 0;
}

bool controller_acquire(input_device*) {
    return true;
}
void controller_release(input_device*) {}

void controller_poll(input_device* d) {
    controller* c = of(d);
    SDL_JoystickUpdate();
    for (int j = 0; j < d->axis_count; ++j) d->axis_values[j] = axis_value(c, j);
    int s, us;
    time_now(&s, &us);
    for (int k = 0; k < d->button_count; ++k) {
        uint8_t now = button_pressed(c, k) ? 1 : 0;
        if (now == d->button_states[k]) continue;
        d->button_states[k] = now;
        input_queue_event(d->window, d->id + k, now, s, us);
    }
}

int controller_read_axis(input_device* d, int axis) {
    controller* c = of(d);
    SDL_JoystickUpdate();
    d->axis_values[axis] = axis_value(c, axis);
    return d->axis_values[axis];
}

void controller_destroy(input_device* d) {
    controller* c = of(d);
    log_printf("Killing %s\n", d->name.c_str());
    if (d->timestamp_adjustment > 0)
        log_printf("Timestamp adjustment was %d\n", d->timestamp_adjustment);
    SDL_JoystickClose(c->joystick);
    delete c;
}

const input_device_ops controller_ops = {controller_acquire, controller_acquire,
                                         controller_release, controller_read_axis,
                                         controller_poll,    controller_destroy};

std::string device_base_name(const char* instance) {
    std::string name;
    for (const char* c = instance; *c; ++c)
        if (*c != ' ' && *c != '.') name += *c;
    return name.empty() ? std::string("Controller") : name;
}

void open_controller(game_window* w, int index) {
    const char* instance = SDL_JoystickNameForIndex(index);
    if (!instance) instance = "Controller";
    char product[16];
    snprintf(product, sizeof product, "%04x:%04x", SDL_JoystickGetDeviceVendor(index),
             SDL_JoystickGetDeviceProduct(index));
    log_printf("%s (%s)\n", instance, product);
    std::string name = device_unique_name(w, device_base_name(instance));
    SDL_Joystick* joystick = SDL_JoystickOpen(index);
    if (!joystick) {
        log_printf("Can't create \"%s\"\n", name.c_str());
        return;
    }
    int axes = SDL_JoystickNumAxes(joystick), buttons = SDL_JoystickNumButtons(joystick);
    int hats = SDL_JoystickNumHats(joystick);
    if (axes < 0 || buttons < 0 || hats < 0) {
        log_printf("Can't get device caps\n");
        SDL_JoystickClose(joystick);
        return;
    }
    if (axes == 0 && buttons == 0 && hats == 0) {
        log_printf("Ignoring Dunsel device\n");
        SDL_JoystickClose(joystick);
        return;
    }
    if (axes > axis_limit) {
        log_printf("Wow! This thing has a lot of axes!\nThe first ignored axis is called \"%s\"\n",
                   ("axis " + std::to_string(axis_limit)).c_str());
        axes = axis_limit;
    }
    int keys = buttons + 4 * hats;
    if (keys > button_limit) {
        log_printf("Wow! This thing has a lot of buttons!\nThe first ignored button is called "
                   "\"%s\"\n",
                   ("button " + std::to_string(button_limit)).c_str());
        keys = button_limit;
        if (buttons > keys) buttons = keys;
        hats = (keys - buttons) / 4;
    }
    log_printf("%d axes, %d keys\n", axes, keys);
    controller* c = new controller{joystick, buttons, hats, std::vector<int>(axes, 0)};
    SDL_JoystickUpdate();
    for (int j = 0; j < axes; ++j) {
        int raw = SDL_JoystickGetAxis(joystick, j);
        c->rest[j] = raw < -rest_at_end ? -1 : raw > rest_at_end ? 1 : 0;
        log_printf("axis %d is %s\n", j, "absolute");
    }
    input_device* d = device_add(w, name, axes, keys, &controller_ops);
    d->binding = c;
    for (int j = 0; j < axes; ++j) {
        char axis_name[256];
        snprintf(axis_name, sizeof axis_name, "%.200s axis %d", name.c_str(), j);
        log_printf("Adding axis \"%s\"\n", axis_name);
        w->device_names.push_back(axis_name);
        d->axis_values[j] = axis_value(c, j);
    }
    for (int k = 0; k < keys; ++k) d->button_states[k] = button_pressed(c, k) ? 1 : 0;
}

} // namespace

void controllers_roll_call(game_window* w) {
    if (!option_bool("dinput", 1)) {
        log_printf("DirectInput disabled\n");
        return;
    }
    if (!SDL_WasInit(SDL_INIT_JOYSTICK) && SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        log_printf("Can't open direct input library\n");
        log_printf("%s\n", SDL_GetError());
        return;
    }
    log_printf("DirectInput roll call...\n");
    int count = SDL_NumJoysticks();
    for (int i = 0; i < count; ++i) open_controller(w, i);
    log_printf("End of DirectInput roll call\n");
    const char* const aliases[][2] = {
        {"mouse-x", "Mouse.axis[0]"},          {"mouse-y", "Mouse.axis[1]"},
        {"mouse-left", "Mouse.key[0]"},        {"mouse-right", "Mouse.key[1]"},
        {"mouse-middle", "Mouse.key[2]"},      {"joystick-a-x", "Joystick1.axis[0]"},
        {"joystick-a-y", "Joystick1.axis[1]"}, {"joystick-a-1", "Joystick1.key[0]"},
        {"joystick-a-2", "Joystick1.key[1]"},  {"joystick-b-x", "Joystick2.axis[0]"},
        {"joystick-b-y", "Joystick2.axis[1]"}, {"joystick-b-2", "Joystick2.key[1]"},
        {"joystick-b-1", "Joystick2.key[0]"},
    };
    for (const auto& a : aliases) alias_add(a[0], a[1]);
}
