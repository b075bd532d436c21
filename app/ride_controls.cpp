// app/ride_controls.cpp — the working table of ride controls: axis values, the per-tick
// control outputs, and how the outputs drive the player's bike.
#include "app/main_loop.h"

#include "app/bike_setup.h"
#include "app/settings.h"
#include "bike/bike.h"
#include "platform/input.h"
#include "race/race.h"

namespace {

constexpr float clutch_engage_rate = 4; // per second: a full let-out takes at least 0.25 s

float clamp(float value, float low, float high) {
    return value < low ? low : value > high ? high : value;
}

struct ride_control_entry {
    int binding;
    int output;
    float scale;
};
const ride_control_entry ride_table[ride_binding_count] = {
    {bind_left, out_steer, 1},
    {bind_right, out_steer, -1},
    {bind_throttle, out_throttle, 1},
    {bind_front_brake, out_front_brake, 1},
    {bind_rear_brake, out_rear_brake, 1},
    {bind_upshift, out_shift, 1},
    {bind_downshift, out_shift, -1},
    {bind_clutch, out_clutch, 1},
    {bind_dab, out_dab, 1},
    {bind_back_up, out_back_up, 1},
    {bind_lean_forward, out_lean, -1},
    {bind_lean_backward, out_lean, 1},
};

// raw / 32768 mapped from the binding's range onto 0..1.
float axis_value(const control_binding* b, int raw) {
    float v = raw / 32768.0f;
    if (b->axis_high == b->axis_low) return v >= b->axis_low ? 1 : 0;
    return clamp((v - b->axis_low) / (b->axis_high - b->axis_low), 0, 1);
}

} // namespace

void ride_controls_init() {
    for (int i = 0; i < ride_binding_count; ++i) {
        const ride_control_entry& e = ride_table[i];
        loop_state.ride_controls[i] = {&settings.bindings[e.binding], e.output, e.scale, 0};
    }
}

void ride_controls_update() {
    for (ride_control& rc : loop_state.ride_controls) {
        const control_binding* b = rc.binding;
        if (b->axis_name && b->axis) rc.value = axis_value(b, input_axis_read(b->axis));
        loop_state.control_outputs[rc.output] += rc.scale * rc.value;
    }
}

void drive_viewed_bike() {
    if (!viewed_is_local()) return;
    bike* b = viewed_bike();
    const float* out = loop_state.control_outputs;
    if (race_state.time_trial && out[out_back_up] > 0.5f &&
        choice_is(&settings.time_trial_abort, "Yes"))
        time_trial_restart();

    float steer = out[out_steer];
    if (choice_is(&bike_setup.reverse_steering, "Yes")) steer = -steer;
    bike_set_steer(b, steer);
    bike_set_front_brake(b, out[out_front_brake]);
    bike_set_rear_brake(b, out[out_rear_brake]);
    bike_set_throttle(b, out[out_throttle]);
    bike_set_back_up(b, out[out_back_up]);
    bike_set_lean(b, out[out_lean]);

    float dab = out[out_dab];
    if (choice_is(&bike_setup.sticky_dab, "Yes")) {
        if (loop_state.dab_last < 0.5f && dab >= 0.5f) loop_state.dab_latched ^= 1;
        bike_set_dab(b, loop_state.dab_latched ? 1 : 0);
    } else {
        bike_set_dab(b, dab);
    }
    loop_state.dab_last = dab;

    // Pulling the lever in is immediate; letting it out is rate-limited.
    float engage = clamp(1 - out[out_clutch] * 8 / 7, 0, 1);
    if (engage > b->clutch) {
        float limit = b->clutch + clutch_engage_rate * (float)tick_length;
        bike_set_clutch(b, engage < limit ? engage : limit);
    } else {
        bike_set_clutch(b, engage);
    }

    float shift = out[out_shift];
    bike_shift(b, shift > 0.5f ? 1 : shift < -0.5f ? -1 : 0);
}
