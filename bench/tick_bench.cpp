// bench/tick_bench.cpp — the cost of the frame's tick loop and of one game tick with a full
// field of riders, so that the 128 ticks a second keep their headroom as the game grows.
#include "app/main_loop.h"
#include "app/run_settings.h"
#include "bike/bike.h"
#include "platform/window.h"
#include "track/track.h"

#include <benchmark/benchmark.h>

namespace {

void fill_field(int riders) {
    race_slots_clear();
    for (int s = 0; s < riders; ++s) {
        race_state.slots[s].bike = new bike{};
        race_state.slots[s].kind = s == 0 ? rider_local : rider_robot;
    }
}

void empty_field() {
    for (rider_slot& s : race_state.slots) {
        delete s.bike;
        s.bike = nullptr;
    }
}

void bm_game_tick(benchmark::State& state) {
    physics_world_create();
    fill_field((int)state.range(0));
    for (auto _ : state) game_tick();
    empty_field();
    physics_world_destroy();
}
BENCHMARK(bm_game_tick)->Arg(1)->Arg(40);

// One frame's worth of ticks (16, the longest step) with queued input to hand out.
void bm_frame_ticks(benchmark::State& state) {
    settings_reset();
    ride_controls_init();
    current_track.loaded = 1;
    fill_field(1);
    race_state.viewed_slot = 0;
    game_window window{};
    window.open = true;
    for (auto _ : state) {
        for (int i = 0; i < 8; ++i) input_queue_event(&window, 0x1000 + 0x2D, i & 1, 0, i * 1000);
        loop_state.last_frame_time = 1;
        loop_state.target_time = loop_state.sim_time + 0.125;
        run_frame_ticks(&window);
    }
    empty_field();
    current_track.loaded = 0;
}
BENCHMARK(bm_frame_ticks);

} // namespace
