// app/race_state.cpp — the slot table and the race clock.
#include "app/race_state.h"

#include <cstring>

race_state_record race_state;

void race_slots_clear() {
    for (rider_slot& s : race_state.slots) {
        s.bike = nullptr;
        s.kind = rider_remote;
        s.voice = nullptr;
        s.last_update_tick = 0;
        s.present = 0;
        memset(s.name, 0, sizeof s.name);
    }
}

bike* viewed_bike() {
    int v = race_state.viewed_slot;
    return v >= 0 && v < slot_count ? race_state.slots[v].bike : nullptr;
}

bool viewed_is_local() {
    int v = race_state.viewed_slot;
    return viewed_bike() && race_state.slots[v].kind == rider_local;
}

bool remote_state_stale(int slot) {
    return race_state.tick_count - race_state.slots[slot].last_update_tick >= remote_stale_ticks;
}
