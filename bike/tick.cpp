// bike/tick.cpp — the bike's part of the game tick. Contacts, forces and the post-step come
// with the bike physics; until then a bike stands still.
#include "bike/bike.h"

void bike_free(bike* b) {
    delete b;
}
void bike_prepare_contacts(bike*) {}
float bike_speed(const bike*) {
    return 0;
}
void bike_collide(bike*, bike*, int) {}
void bike_emit_roost(bike*, int) {}
void bike_post_step(bike*, int) {}
void bike_extrapolate(bike*, int) {}
void bike_disable_bodies(bike*) {}
void bike_remember_velocities(bike*) {}
void bike_restore_velocities(bike*) {}

int stock_shapes = 1;
void check_stock_shapes() {}
void assists_apply_stability(double) {}
