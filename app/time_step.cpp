// app/time_step.cpp — how much game time a frame may run: real time since the last frame,
// cut to 0.125 s, or the locked frame rate, or the warp of 100 ticks, stretched toward the
// server's tick when connected.
#include "app/main_loop.h"

#include "app/run_settings.h"
#include "net/net.h"
#include "platform/clock.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double longest_step = 0.125; // s: after a stall the game runs slow, not in a burst
constexpr int warp_ticks = 100;

void sleep_seconds(double seconds) {
    if (seconds <= 0) return;
    int s = (int)seconds;
    int us = (int)std::ceil((seconds - s) * 1000000);
    sleep_for(s, us);
}

void count_frame(double interval) {
    int j = 0;
    while (j < frame_bucket_count - 1 && interval >= tick_length * (1 << j)) ++j;
    ++loop_state.stats.buckets[j];
}

} // namespace

double stretch_toward_server(double step, int server_tick_target) {
    double g = (server_tick_target - race_state.tick_count - 1) * tick_length;
    if (g >= 0) {
        if (race_state.tick_count < race_state.start_tick) return step * (1 + 3 * std::min(g, 1.0));
        return step * (1 + 0.125 * std::min(8 * g, 1.0));
    }
    return step * (0.5 + 0.5 * std::max(g + 1, 0.0));
}

double frame_time_step() {
    loop_state_record& L = loop_state;
    bool connected = session_connected();
    double now = time_now_seconds();
    double w = now - L.last_frame_time;
    count_frame(w);
    double step;
    if (!connected && entry_values.lock_fps > 0) {
        double frame = 1.0 / entry_values.lock_fps;
        if (w < frame) {
            sleep_seconds(frame - w);
            now = time_now_seconds();
        }
        step = frame;
    } else if (!connected && entry_values.warp) {
        step = warp_ticks * tick_length;
    } else {
        while (w < tick_length) {
            sleep_seconds(tick_length - w);
            now = time_now_seconds();
            w = now - L.last_frame_time;
        }
        step = std::min(w, longest_step);
    }
    if (L.stats.shortest_step == 0 || step < L.stats.shortest_step) L.stats.shortest_step = step;
    if (step > L.stats.longest_step) L.stats.longest_step = step;
    if (connected) step = stretch_toward_server(step, session_server_tick_target());

    L.last_frame_time = now;
    L.target_time += step;
    race_state.game_clock += step;
    return step;
}
