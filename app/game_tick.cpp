// app/game_tick.cpp — one tick of 1/128 s in its fixed order: remote riders, rider
// collisions, roost, the physics step, erosion, every bike's post-step, particles, the start
// gate, the tick count, demos and the time trial. Deterministic: slot order throughout, no
// clock, no unordered containers. Main thread only.
#include "app/main_loop.h"

#include "app/run_settings.h"
#include "bike/bike.h"
#include "net/net.h"
#include "race/race.h"
#include "track/track.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int max_extrapolate_ticks = 64;
constexpr int history_delay_ticks = 127;  // warm-up shows remote riders this far back
constexpr double start_gate_seconds = 10; // the flaps move this long after the drop
constexpr int results_interval_ticks = 512;

bool has_bike(int slot) {
    return race_state.slots[slot].bike != nullptr;
}
bool is_remote(int slot) {
    return race_state.slots[slot].kind == rider_remote;
}

void advance_remote_riders() {
    for (int s = 0; s < slot_count; ++s) {
        if (!has_bike(s) || !is_remote(s)) continue;
        if (session_warmup()) {
            remote_history_apply(s, history_delay_ticks);
        } else {
            int behind = race_state.tick_count - race_state.slots[s].last_update_tick;
            if (behind > 0)
                bike_extrapolate(race_state.slots[s].bike, std::min(behind, max_extrapolate_ticks));
        }
    }
}

// Fastest first; equal speeds in slot order so the pairs come out the same every run.
void sort_by_speed(std::vector<int>& riders) {
    std::stable_sort(riders.begin(), riders.end(), [](int a, int b) {
        return bike_speed(race_state.slots[a].bike) > bike_speed(race_state.slots[b].bike);
    });
}

// A remote rider takes part while its state is fresh, unless it straggles behind a player
// who does not.
bool remote_collides(int slot, int own) {
    if (remote_state_stale(slot)) return false;
    return !(!rider_is_straggler(own) && rider_is_straggler(slot));
}

void collide_riders(bool connected) {
    static std::vector<int> riders;
    riders.clear();
    if (!connected) {
        for (int s = 0; s < slot_count; ++s) {
            if (!has_bike(s) || is_remote(s)) continue;
            bike_prepare_contacts(race_state.slots[s].bike);
            riders.push_back(s);
        }
        sort_by_speed(riders);
        for (size_t i = 0; i < riders.size(); ++i)
            for (size_t j = i + 1; j < riders.size(); ++j)
                bike_collide(race_state.slots[riders[i]].bike, race_state.slots[riders[j]].bike, 0);
        return;
    }
    int own = session_own_slot();
    if (own >= slot_count || !has_bike(own)) return;
    bike* own_bike = race_state.slots[own].bike;
    bike_prepare_contacts(own_bike);
    if (session_warmup()) return;
    for (int s = 0; s < slot_count; ++s)
        if (has_bike(s) && is_remote(s) && remote_collides(s, own)) riders.push_back(s);
    sort_by_speed(riders);
    for (int s : riders) bike_collide(own_bike, race_state.slots[s].bike, 1);
}

// A rotating start so that no slot always throws its roost first.
void emit_roost() {
    static std::vector<int> occupied;
    occupied.clear();
    for (int s = 0; s < slot_count; ++s)
        if (has_bike(s)) occupied.push_back(s);
    if (occupied.empty()) return;
    size_t first = (size_t)race_state.tick_count % occupied.size();
    for (size_t k = 0; k < occupied.size(); ++k) {
        int s = occupied[(first + k) % occupied.size()];
        bike_emit_roost(race_state.slots[s].bike, is_remote(s));
    }
}

void for_remote_bikes(void (*action)(bike*)) {
    for (int s = 0; s < slot_count; ++s)
        if (has_bike(s) && is_remote(s)) action(race_state.slots[s].bike);
}

void post_step_bikes(bool connected) {
    for (int s = 0; s < slot_count; ++s) {
        if (!has_bike(s)) continue;
        rider_slot& slot = race_state.slots[s];
        if (slot.kind == rider_robot) robot_drive(s);
        if (connected && slot.kind == rider_remote) bike_disable_bodies(slot.bike);
        if (connected && slot.kind == rider_local) false_start_check(s);
        bike_post_step(slot.bike, slot.kind == rider_remote);
        if (!connected || slot.kind == rider_local) lines_learn(s);
    }
}

} // namespace

void game_tick() {
    bool connected = session_connected();
    if (connected) advance_remote_riders();
    if (race_state.time_trial) time_trial_note_gates();
    collide_riders(connected);
    emit_roost();
    if (connected) for_remote_bikes(bike_remember_velocities);
    physics_world_step(tick_length);
    if (connected) for_remote_bikes(bike_restore_velocities);
    if (run_settings.erode > 0)
        for (int s = 0; s < slot_count; ++s)
            if (has_bike(s) && !is_remote(s)) terrain_erode(race_state.slots[s].bike);
    post_step_bikes(connected);
    move_particles();
    if (race_state.tick_count * tick_length <=
        race_state.start_tick * tick_length + start_gate_seconds)
        start_gate_animate();
    ++race_state.tick_count;
    if (connected && race_state.tick_count % results_interval_ticks == results_interval_ticks - 1)
        results_recompute();
    demo_record_tick();
    demo_play_tick();
    if (race_state.time_trial) time_trial_tick();
}
