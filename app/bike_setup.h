// app/bike_setup.h — the player's bike setup as menu items: the bike, the rider's name,
// number and graphics, the riding assists and the suspension and gearing adjustments. The
// setup lines live in "@config" and in setup files of their own under "@setups/".
// Main thread only.
#pragma once

#include "app/settings.h"

#include <string>

struct stream;

struct bike_setup_record {
    std::string bike;   // model name
    std::string name;   // the rider's name
    std::string number; // plate number, at most 7 characters
    std::string rider_texture, head_texture, bike_texture, wheel_texture; // "" for default
    setting_number stability, leveling, roll_damping, roll_limit_angle, roll_limit_factor,
        steering_damping, steering_strength, max_steering_force, direct_steering,
        slow_damping_speed, slow_damping_factor, land_damping_falloff, land_damping_factor,
        full_lock_speed, restricted_lock_speed, restricted_lock;
    setting_choice arcade, front_brake, rear_brake, stop_wheelies, auto_shift, auto_dab, auto_align,
        sticky_dab, reverse_steering, lean_indicator;
    setting_number auto_clutch_rpms, brake_torque, rear_brake_torque, max_dab_speed,
        front_sprocket_adjustment, rear_sprocket_adjustment, fork_compression_adjustment,
        fork_rebound_adjustment, fork_spring_rate_adjustment, fork_preload_adjustment,
        fork_oil_level_adjustment, shock_compression_adjustment, shock_rebound_adjustment,
        shock_spring_rate_adjustment, shock_preload_adjustment, rider_yspring, rider_ydamping,
        rider_zspring, rider_zdamping, rider_mass_distribution;
};
extern bike_setup_record bike_setup;

// Every setup item at its start value.
void bike_setup_reset();
// Takes one key and value; false when the key is not a setup key. A bad value is warned
// about (with the line number) and leaves the item as it was.
bool bike_setup_read(const char* key, const char* value, int line);
// Appends the setup lines ("bike=..." first) to the stream.
void bike_setup_write(stream* out);

// "@setups/" + name: written with the setup lines alone, read offering each line to the setup
// reader only. 1 on success.
int bike_setup_write_file(const char* name);
int bike_setup_read_file(const char* name);
