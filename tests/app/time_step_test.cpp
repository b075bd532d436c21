// The time step of a frame and the ticks it runs: real time capped at 0.125 s, the locked
// frame rate, the warp, the frame histogram, and events in the tick of their time stamp.
#include "loop_fixture.h"

namespace {

constexpr uint32_t key_z = 0x1000 + 0x2C;

using time_step = loop_test;

TEST_F(time_step, lock_fps_gives_exactly_its_frame_time) {
    entry_values.lock_fps = 30;
    for (uint64_t real_ms : {5, 50, 33, 0, 100}) {
        double target = loop_state.target_time, clock = race_state.game_clock;
        fake_clock.now_ms += real_ms;
        EXPECT_EQ(frame_time_step(), 1.0 / 30) << real_ms;
        EXPECT_DOUBLE_EQ(loop_state.target_time - target, 1.0 / 30);
        EXPECT_DOUBLE_EQ(race_state.game_clock - clock, 1.0 / 30);
    }
    // About 4.27 ticks a frame: 30 frames make exactly one second of ticks.
    loop_state.sim_time = loop_state.target_time = 0;
    loop_state.last_frame_time = fake_clock.now_ms / 1000.0;
    int ticks = 0;
    for (int i = 0; i < 30; ++i) ticks += frame(33);
    EXPECT_NEAR(ticks, 128, 1);
}

TEST_F(time_step, lock_fps_sleeps_out_a_short_frame) {
    entry_values.lock_fps = 50; // 20 ms a frame
    fake_clock.now_ms += 5;
    frame_time_step();
    EXPECT_GE(fake_clock.now_ms, start_ms + 20);
}

TEST_F(time_step, warp_runs_100_ticks_a_frame) {
    entry_values.warp = 1;
    EXPECT_EQ(frame(1), 100);
    EXPECT_EQ(frame(500), 100);
}

TEST_F(time_step, a_stall_runs_only_16_ticks) {
    EXPECT_EQ(frame(2000), 16);
    EXPECT_EQ(loop_state.stats.longest_step, 0.125);
    EXPECT_EQ(frame(125), 16);
    EXPECT_EQ(frame(62), 8);
}

TEST_F(time_step, a_frame_shorter_than_a_tick_waits_for_one) {
    fake_clock.now_ms += 3;
    double step = frame_time_step();
    EXPECT_GE(step, tick_length);
    EXPECT_LT(step, 2 * tick_length);
    EXPECT_EQ(loop_state.stats.buckets[0], 1) << "only the first measurement is counted";
    EXPECT_EQ(loop_state.stats.shortest_step, step);
}

TEST_F(time_step, histogram_buckets_double_from_one_tick) {
    const struct {
        uint64_t ms;
        int bucket;
    } cases[] = {{8, 1},   {15, 1},  {16, 2},  {31, 2},  {32, 3},
                 {400, 6}, {499, 6}, {500, 7}, {2000, 7}};
    for (const auto& c : cases) {
        loop_state.stats = frame_stats{};
        fake_clock.now_ms += c.ms;
        frame_time_step();
        for (int j = 0; j < frame_bucket_count; ++j)
            EXPECT_EQ(loop_state.stats.buckets[j], j == c.bucket) << c.ms << " ms, bucket " << j;
    }
}

TEST_F(time_step, a_connected_step_is_stretched_toward_the_server) {
    race_state.tick_count = 1000;
    const struct {
        int start_tick, ahead_ticks; // the server's target minus tick_count minus one
        double factor;
    } cases[] = {
        {2000, 0, 1},     {2000, 64, 2.5},  {2000, 128, 4},     {2000, 1000, 4}, // before the drop
        {500, 8, 1.0625}, {500, 16, 1.125}, {500, 500, 1.125},                   // racing
        {500, -64, 0.75}, {500, -128, 0.5}, {2000, -1000, 0.5},                  // running ahead
    };
    for (const auto& c : cases) {
        race_state.start_tick = c.start_tick;
        EXPECT_DOUBLE_EQ(stretch_toward_server(0.01, 1001 + c.ahead_ticks), 0.01 * c.factor)
            << c.start_tick << " " << c.ahead_ticks;
    }
}

// The clutch lets out by 1/32 a tick once released, so its value after the frame tells in
// which tick the release was handled.
class event_timing : public loop_test {
  protected:
    void SetUp() override {
        loop_test::SetUp();
        ride();
        bind_key(bind_clutch, key_z);
        queue(key_z, 1, 999.99); // held from before the frame
    }
};

TEST_F(event_timing, an_event_is_handled_in_the_tick_of_its_time_stamp) {
    // A 125 ms frame: 16 ticks, tick k covering real time up to 1000 s + k × 7.8125 ms.
    queue(key_z, 0, 1000.040); // in the slot of tick 6
    EXPECT_EQ(frame(125), 16);
    EXPECT_FLOAT_EQ(rider.clutch, 11.0f / 32);
}

TEST_F(event_timing, the_last_tick_takes_what_is_left) {
    queue(key_z, 0, 1000.5); // stamped after the frame's end
    EXPECT_EQ(frame(125), 16);
    EXPECT_FLOAT_EQ(rider.clutch, 1.0f / 32);
}

TEST_F(event_timing, an_offline_menu_stops_the_ride) {
    menu_set_page(menu_main);
    queue(key_z, 0, 1000.040);
    frame(125);
    EXPECT_EQ(rider.clutch, 0);
    EXPECT_EQ(race_state.tick_count, 0);
}

TEST_F(event_timing, pause_stops_the_game_tick) {
    loop_state.paused = 1;
    frame(125);
    EXPECT_EQ(race_state.tick_count, 0);
    loop_state.paused = 0;
    frame(125);
    EXPECT_EQ(race_state.tick_count, 16);
}

} // namespace
