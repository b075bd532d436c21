// app/race_state.h — the rider slot table and the race clock, shared by the tick, the race
// reset, demos, robots and the network session. Main thread only.
#pragma once

#include "app/settings.h"

struct bike;
struct sound_voice;

constexpr int slot_count = 160;
constexpr int no_slot = 160;              // stored wherever a slot number means "none"
constexpr double tick_length = 1.0 / 128; // s (0.0078125)

enum rider_kind { rider_local = 0, rider_remote = 1, rider_robot = 2 };

// One of the 160 places a rider can take in a session.
struct rider_slot {
    struct bike* bike;    // null when empty
    int kind;             // rider_kind; an empty slot rests at rider_remote
    sound_voice* voice;   // the engine sound, or null
    int last_update_tick; // tick of the latest state from the server
    float present;        // 1 while a demo still supplies records for the slot
    char name[32];        // rider name shown by the race display
};

struct race_state_record {
    rider_slot slots[slot_count];
    int tick_count;         // ticks since the last race reset
    int start_tick;         // tick at which the start gate drops
    int viewed_slot;        // the slot the cameras and race display follow
    int time_trial;         // slot 0 the player, slot 1 the ghost
    double game_clock;      // s of real time, advanced by every frame's step
    int lineup[gate_count]; // lineup_value per gate of the next race reset
    int rider_count;        // riders in the race
};
extern race_state_record race_state;

constexpr int remote_stale_ticks = 128; // a remote state older than 1 s is stale
// The slot's latest state from the server is at least remote_stale_ticks old.
bool remote_state_stale(int slot);

// Every slot empty at its rest values: no bike, remote, no voice, no name.
void race_slots_clear();
// The bike in the viewed slot, or null.
bike* viewed_bike();
// The viewed slot holds a local rider with a bike.
bool viewed_is_local();
