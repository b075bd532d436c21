// bike/physics_world.cpp — the one ODE world of the process (gravity 32 ft/s² down) and the
// contact joint group the tyres fill every tick. Main thread only.
#include "bike/bike.h"

#include <ode/ode.h>

namespace {
constexpr double gravity = -32; // ft/s², y is up
dWorldID world = nullptr;
dJointGroupID contacts = nullptr;
} // namespace

int physics_world_create() {
    dInitODE2(0);
    world = dWorldCreate();
    dWorldSetGravity(world, 0, gravity, 0);
    contacts = dJointGroupCreate(0);
    return world != nullptr;
}

void physics_world_destroy() {
    if (contacts) dJointGroupDestroy(contacts);
    if (world) dWorldDestroy(world);
    contacts = nullptr;
    world = nullptr;
    dCloseODE();
}

void physics_world_step(double seconds) {
    if (!world) return;
    dWorldStep(world, seconds);
    physics_contacts_empty();
}

void physics_contacts_empty() {
    if (contacts) dJointGroupEmpty(contacts);
}
