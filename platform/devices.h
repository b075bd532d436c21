// platform/devices.h — the input devices of a window: the cursor and the game controllers,
// each with a table of operations, in a list owned by the window. Main thread only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct game_window;
struct input_device;

// What a kind of device does; the cursor's are logic, a controller's come from its binding.
struct input_device_ops {
    bool (*activate_buttons)(input_device* d);
    bool (*open_axes)(input_device* d);
    void (*close_axes)(input_device* d);
    int (*read_axis)(input_device* d, int axis);
    void (*poll)(input_device* d); // queues an event for every button that changed
    void (*destroy)(input_device* d);
};

struct input_device {
    input_device* next;
    game_window* window;
    std::string name;    // unique within the window
    uint32_t id;         // n × 0x10000
    int axis_users;      // open axis handles
    bool buttons_active; // a binding named one of its buttons: it is polled
    int button_count, axis_count;
    const input_device_ops* ops;
    std::vector<int32_t> axis_values;
    std::vector<uint8_t> button_states; // 0 released, else pressed
    int timestamp_adjustment;           // ms taken off device time stamps
    void* binding;                      // the system's own device record
};

// The id a name gives, made unique among the window's devices; 0 when none is free.
uint32_t device_id_for(game_window* w, const std::string& name);
// A name not yet taken: the base, else base#2, base#3 and so on.
std::string device_unique_name(game_window* w, const std::string& base);
// Links a new device at the head of the window's list.
input_device* device_add(game_window* w, const std::string& name, int axes, int buttons,
                         const input_device_ops* ops);
input_device* device_find(game_window* w, const char* name);

// Window set-up: the cursor, the controllers and the control-name aliases.
void devices_open(game_window* w);
void devices_close_all(game_window* w);
// Polls every device whose buttons a binding named.
void devices_poll_active(game_window* w);

// Lists the game controllers into the window's devices (the controller binding).
void controllers_roll_call(game_window* w);
