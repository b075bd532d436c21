// app/bike_setup.cpp — the setup items with their keys, labels, start values and ranges, and
// their lines in the configuration and setup files.
#include "app/bike_setup.h"

#include "app/config_lines.h"
#include "resources/stream.h"

#include <cstring>
#include <vector>

bike_setup_record bike_setup;

namespace {

constexpr size_t number_length = 7;

const char* const brake_modes[] = {"Normal", "Antilock"};
const char* const wheelie_modes[] = {"No", "Yes", "Front Only"};

// One number or choice item, in the order the files carry them.
struct setup_item {
    setting_number* number;
    setting_choice* choice;
};

std::vector<setup_item> setup_items() {
    bike_setup_record& b = bike_setup;
    return {{&b.stability, nullptr},
            {&b.leveling, nullptr},
            {&b.roll_damping, nullptr},
            {&b.roll_limit_angle, nullptr},
            {&b.roll_limit_factor, nullptr},
            {&b.steering_damping, nullptr},
            {&b.steering_strength, nullptr},
            {&b.max_steering_force, nullptr},
            {&b.direct_steering, nullptr},
            {&b.slow_damping_speed, nullptr},
            {&b.slow_damping_factor, nullptr},
            {&b.land_damping_falloff, nullptr},
            {&b.land_damping_factor, nullptr},
            {&b.full_lock_speed, nullptr},
            {&b.restricted_lock_speed, nullptr},
            {&b.restricted_lock, nullptr},
            {nullptr, &b.arcade},
            {nullptr, &b.front_brake},
            {nullptr, &b.rear_brake},
            {nullptr, &b.stop_wheelies},
            {nullptr, &b.auto_shift},
            {nullptr, &b.auto_dab},
            {nullptr, &b.auto_align},
            {nullptr, &b.sticky_dab},
            {nullptr, &b.reverse_steering},
            {nullptr, &b.lean_indicator},
            {&b.auto_clutch_rpms, nullptr},
            {&b.brake_torque, nullptr},
            {&b.rear_brake_torque, nullptr},
            {&b.max_dab_speed, nullptr},
            {&b.front_sprocket_adjustment, nullptr},
            {&b.rear_sprocket_adjustment, nullptr},
            {&b.fork_compression_adjustment, nullptr},
            {&b.fork_rebound_adjustment, nullptr},
            {&b.fork_spring_rate_adjustment, nullptr},
            {&b.fork_preload_adjustment, nullptr},
            {&b.fork_oil_level_adjustment, nullptr},
            {&b.shock_compression_adjustment, nullptr},
            {&b.shock_rebound_adjustment, nullptr},
            {&b.shock_spring_rate_adjustment, nullptr},
            {&b.shock_preload_adjustment, nullptr},
            {&b.rider_yspring, nullptr},
            {&b.rider_ydamping, nullptr},
            {&b.rider_zspring, nullptr},
            {&b.rider_zdamping, nullptr},
            {&b.rider_mass_distribution, nullptr}};
}

// The text items: key and field.
struct text_item {
    const char* key;
    std::string* value;
};

} // namespace

void bike_setup_reset() {
    bike_setup_record& b = bike_setup;
    b.bike = "450sxf(2013)";
    b.name = "Joe Motocross";
    b.number = "999";
    b.rider_texture = b.head_texture = b.bike_texture = b.wheel_texture = "";
    b.stability = make_number("stability", "Stability", 100, 1, 0, 100);
    b.leveling = make_number("leveling", "Leveling", 20, 1, 0, 100);
    b.roll_damping = make_number("roll_damping", "Roll Damping", 60, 1, 0, 100);
    b.roll_limit_angle = make_number("roll_limit_angle", "Roll Limit Angle", 45, 1, 0, 180);
    b.roll_limit_factor = make_number("roll_limit_factor", "Roll Limit Factor", 10, 1, 0, 64);
    b.steering_damping = make_number("steering_damping", "Steering Damping", 45, 1, 0, 100);
    b.steering_strength = make_number("steering_strength", "Steering Strength", 75, 1, 0, 100);
    b.max_steering_force = make_number("max_steering_force", "Max Steering Force", 400, 5, 0, 1000);
    b.direct_steering = make_number("direct_steering", "Direct Steering", 1, 0.125, 0, 1);
    b.slow_damping_speed = make_number("slow_damping_speed", "Slow Damping Speed", 40, 1, 0, 100);
    b.slow_damping_factor =
        make_number("slow_damping_factor", "Slow Damping Factor", 2, 0.25, 1, 10);
    b.land_damping_falloff =
        make_number("land_damping_falloff", "Landing Damping Falloff", 0.25, 0.0625, 0, 0.5);
    b.land_damping_factor =
        make_number("land_damping_factor", "Landing Damping Factor", 2, 0.25, 1, 3);
    b.full_lock_speed = make_number("full_lock_speed", "Full Lock Speed", 10, 1, 1, 100);
    b.restricted_lock_speed =
        make_number("restricted_lock_speed", "Restricted Lock Speed", 50, 1, 1, 100);
    b.restricted_lock = make_number("restricted_lock", "Restricted Lock Angle", 7.5, 0.125, 0, 45);
    b.arcade = make_choice("arcade", "Arcade Physics", no_yes_names, 1);
    b.front_brake = make_choice("front_brake", "Front Brake", brake_modes, 1);
    b.rear_brake = make_choice("rear_brake", "Rear Brake", brake_modes, 0);
    b.stop_wheelies = make_choice("stop_wheelies", "Stop Wheelies", wheelie_modes, 0);
    b.auto_shift = make_choice("auto_shift", "Automatic Shifting", no_yes_names, 1);
    b.auto_dab = make_choice("auto_dab", "Dab When Stopped", no_yes_names, 1);
    b.auto_align = make_choice("auto_align", "Realign After Fall", no_yes_names, 1);
    b.sticky_dab = make_choice("sticky_dab", "Sticky Sit/Dab", no_yes_names, 0);
    b.reverse_steering = make_choice("reverse_steering", "Reversed Steering", no_yes_names, 1);
    b.lean_indicator = make_choice("lean_indicator", "Lean Indicator", no_yes_names, 1);
    b.auto_clutch_rpms = make_number("auto_clutch_rpms", "Auto Clutch RPMs", 5000, 100, 0, 5000);
    b.brake_torque = make_number("brake_torque", "Braking Torque (Front)", 250, 10, 0, 500);
    b.rear_brake_torque =
        make_number("rear_brake_torque", "Braking Torque (Rear)", 250, 10, 0, 500);
    b.max_dab_speed = make_number("max_dab_speed", "Max Dab Speed (MPH)", 20, 1, 5, 20);
    b.front_sprocket_adjustment =
        make_number("front_sprocket_adjustment", "Countershaft Sprocket", 0, 1, -2, 2);
    b.rear_sprocket_adjustment =
        make_number("rear_sprocket_adjustment", "Rear Sprocket", 0, 1, -2, 2);
    b.fork_compression_adjustment =
        make_number("fork_compression_adjustment", "Fork Compression Damping", 50, 1, 0, 100);
    b.fork_rebound_adjustment =
        make_number("fork_rebound_adjustment", "Fork Rebound Damping", 50, 1, 0, 100);
    b.fork_spring_rate_adjustment =
        make_number("fork_spring_rate_adjustment", "Fork Spring Rate", 50, 1, 0, 100);
    b.fork_preload_adjustment =
        make_number("fork_preload_adjustment", "Fork Preload", 50, 1, 0, 100);
    b.fork_oil_level_adjustment =
        make_number("fork_oil_level_adjustment", "Fork Oil Level", 50, 1, 0, 100);
    b.shock_compression_adjustment =
        make_number("shock_compression_adjustment", "Shock Compression Damping", 50, 1, 0, 100);
    b.shock_rebound_adjustment =
        make_number("shock_rebound_adjustment", "Shock Rebound Damping", 50, 1, 0, 100);
    b.shock_spring_rate_adjustment =
        make_number("shock_spring_rate_adjustment", "Shock Spring Rate", 50, 1, 0, 100);
    b.shock_preload_adjustment =
        make_number("shock_preload_adjustment", "Shock Preload", 50, 1, 0, 100);
    b.rider_yspring = make_number("rider_yspring", "Rider Vertical Spring", 50, 1, 0, 100);
    b.rider_ydamping = make_number("rider_ydamping", "Rider Vertical Damping", 50, 1, 0, 100);
    b.rider_zspring = make_number("rider_zspring", "Rider Forward Spring", 50, 1, 0, 100);
    b.rider_zdamping = make_number("rider_zdamping", "Rider Forward Damping", 50, 1, 0, 100);
    b.rider_mass_distribution =
        make_number("rider_mass_distribution", "Rider Mass Distribution", 0.33, 0.01, 0.33, 0.5);
}

bool bike_setup_read(const char* key, const char* value, int line) {
    bike_setup_record& b = bike_setup;
    const text_item texts[] = {{"bike", &b.bike},
                               {"name", &b.name},
                               {"number", &b.number},
                               {"rider_texture", &b.rider_texture},
                               {"head_texture", &b.head_texture},
                               {"bike_texture", &b.bike_texture},
                               {"wheel_texture", &b.wheel_texture}};
    for (const text_item& t : texts) {
        if (strcmp(key, t.key) != 0) continue;
        *t.value = value;
        if (t.value == &b.number && b.number.size() > number_length) {
            config_warning(line, "number \"%.100s\" cut to %d characters", value,
                           (int)number_length);
            b.number.resize(number_length);
        }
        return true;
    }
    for (const setup_item& item : setup_items()) {
        if (item.number && strcmp(key, item.number->key) == 0) {
            config_set_number(item.number, value, line);
            return true;
        }
        if (item.choice && strcmp(key, item.choice->key) == 0) {
            config_set_choice(item.choice, value, line);
            return true;
        }
    }
    return false;
}

void bike_setup_write(stream* out) {
    bike_setup_record& b = bike_setup;
    stream_printf(out, "bike=%s\n", b.bike.c_str());
    stream_printf(out, "name=%s\n", b.name.c_str());
    stream_printf(out, "number=%s\n", b.number.c_str());
    stream_printf(out, "rider_texture=%s\n", b.rider_texture.c_str());
    stream_printf(out, "head_texture=%s\n", b.head_texture.c_str());
    stream_printf(out, "bike_texture=%s\n", b.bike_texture.c_str());
    stream_printf(out, "wheel_texture=%s\n", b.wheel_texture.c_str());
    for (const setup_item& item : setup_items()) {
        if (item.number)
            stream_printf(out, "%s=%f\n", item.number->key, item.number->value);
        else
            stream_printf(out, "%s=%s\n", item.choice->key, choice_name(item.choice));
    }
}

int bike_setup_write_file(const char* name) {
    std::string path = std::string("@setups/") + name;
    return config_write_file(path.c_str(), [](stream* out) { bike_setup_write(out); });
}

int bike_setup_read_file(const char* name) {
    std::string path = std::string("@setups/") + name;
    return config_read_file(path.c_str(), [](const char* key, const char* value, int line) {
        if (!bike_setup_read(key, value, line))
            config_warning(line, "unknown setup key \"%.100s\"", key);
    });
}
