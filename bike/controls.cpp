// bike/controls.cpp — the rider's control inputs, clamped as they are stored. Throttle,
// dab, back-up, lean and shifting are held off while the rider is down after a crash.
#include "bike/bike.h"

namespace {
float clamp(float value, float low, float high) {
    return value < low ? low : value > high ? high : value;
}
} // namespace

void bike_set_throttle(bike* b, float v) {
    b->throttle = b->crash_timer > 0 ? 0 : clamp(v, 0, 1);
}
void bike_set_clutch(bike* b, float v) {
    b->clutch = clamp(v, 0, 1);
}
void bike_set_front_brake(bike* b, float v) {
    b->front_brake = clamp(v, 0, 1);
}
void bike_set_rear_brake(bike* b, float v) {
    b->rear_brake = clamp(v, 0, 1);
}
void bike_set_steer(bike* b, float v) {
    b->steer = clamp(v, -1, 1);
}
void bike_set_dab(bike* b, float v) {
    b->dab = b->crash_timer > 0 ? 0 : clamp(v, 0, 1);
}
void bike_set_back_up(bike* b, float v) {
    b->back_up = b->crash_timer > 0 ? 0 : clamp(v, 0, 1);
}
void bike_set_lean(bike* b, float v) {
    b->lean = b->crash_timer > 0 ? 0 : clamp(v, -1, 1);
}

// Edge-triggered: one request per change of the control. The gear itself moves with the
// drivetrain, which knows the gear ratios.
void bike_shift(bike* b, int request) {
    if (b->crash_timer > 0 || request < -1 || request > 1 || request == b->shift_request) return;
    b->shift_request = request;
}
