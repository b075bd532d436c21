// bike/bike.h — one simulated bike and rider: its control inputs and the operations the
// game tick runs on it. Main thread only.
#pragma once

// The rider's inputs and the few fields of the bike that the input layer reads.
struct bike {
    float throttle;    // 0..1
    float clutch;      // 0..1, 1 fully engaged
    float front_brake; // 0..1
    float rear_brake;  // 0..1
    float steer;       // -1..1
    float dab;         // 0..1
    float back_up;     // 0..1
    float lean;        // -1..1, negative forward
    int gear;          // 0-based index into the gear ratios
    int shift_request; // -1, 0, +1; shifting acts on a change only
    int crash_timer;   // ticks; while above 0 the rider's own inputs are held off
};

// Control setters: each stores its value clamped to the field's range.
void bike_set_throttle(bike* b, float value);
void bike_set_clutch(bike* b, float value);
void bike_set_front_brake(bike* b, float value);
void bike_set_rear_brake(bike* b, float value);
void bike_set_steer(bike* b, float value);
void bike_set_dab(bike* b, float value);
void bike_set_back_up(bike* b, float value);
void bike_set_lean(bike* b, float value);
void bike_shift(bike* b, int request);
void bike_free(bike* b);

// The per-tick operations of the game tick.
void bike_prepare_contacts(bike* b);
float bike_speed(const bike* b); // ft/s of the frame body
void bike_collide(bike* a, bike* b, int one_sided);
void bike_emit_roost(bike* b, int remote);
void bike_post_step(bike* b, int remote);
void bike_extrapolate(bike* b, int ticks);
void bike_disable_bodies(bike* b);
void bike_remember_velocities(bike* b);
void bike_restore_velocities(bike* b);

// Set at start-up when the default collision shapes are the stock ones.
extern int stock_shapes;
void check_stock_shapes();
// Applies the player's Stability value to the riding assists.
void assists_apply_stability(double stability);

// The physics world and its contact group, one per process.
int physics_world_create();
void physics_world_destroy();
// One step of one tick, then the contact group is emptied.
void physics_world_step(double seconds);
void physics_contacts_empty();
