// How the control outputs drive the player's bike: steering sense, sticky sit/dab, the
// rate-limited clutch and the shift thresholds.
#include "loop_fixture.h"

namespace {

class driving : public loop_test {
  protected:
    void SetUp() override {
        loop_test::SetUp();
        ride();
    }
    void drive(int output, float value) {
        loop_state.control_outputs[output] = value;
        drive_viewed_bike();
    }
};

TEST_F(driving, steering_is_reversed_by_default) {
    drive(out_steer, 0.5f);
    EXPECT_EQ(rider.steer, -0.5f);
    bike_setup.reverse_steering.index = 0;
    drive(out_steer, 0.5f);
    EXPECT_EQ(rider.steer, 0.5f);
}

TEST_F(driving, sticky_dab_latches_on_each_press) {
    bike_setup.sticky_dab.index = 1;
    const float presses[] = {0, 1, 0, 0, 0.7f, 0.4f, 0};
    const float sitting[] = {0, 1, 1, 1, 0, 0, 0};
    for (int i = 0; i < 7; ++i) {
        drive(out_dab, presses[i]);
        EXPECT_EQ(rider.dab, sitting[i]) << "tick " << i;
    }
}

TEST_F(driving, dab_follows_the_control_when_not_sticky) {
    drive(out_dab, 1);
    drive(out_dab, 0);
    EXPECT_EQ(rider.dab, 0);
}

TEST_F(driving, the_clutch_pulls_in_at_once_and_lets_out_over_32_ticks) {
    rider.clutch = 1;
    drive(out_clutch, 1);
    EXPECT_EQ(rider.clutch, 0);
    for (int tick = 1; tick <= 32; ++tick) {
        drive(out_clutch, 0);
        if (tick < 32) {
            EXPECT_LT(rider.clutch, 1) << tick;
        }
    }
    EXPECT_FLOAT_EQ(rider.clutch, 1);
    // Half a lever gives a partial engagement, reached without overshoot.
    drive(out_clutch, 0.4375f); // 1 - 0.4375 × 8/7 = 0.5
    EXPECT_FLOAT_EQ(rider.clutch, 0.5f);
    drive(out_clutch, 0.42f);
    EXPECT_LE(rider.clutch, 1 - 0.42f * 8 / 7);
}

TEST_F(driving, shifting_needs_more_than_half_a_control) {
    const struct {
        float output;
        int request;
    } cases[] = {{0.6f, 1}, {0.5f, 0}, {-0.6f, -1}, {-0.5f, 0}};
    for (const auto& c : cases) {
        rider.shift_request = 5; // a value no request leaves behind
        drive(out_shift, c.output);
        EXPECT_EQ(rider.shift_request, c.request) << c.output;
    }
}

TEST_F(driving, only_a_local_rider_is_driven) {
    race_state.slots[0].kind = rider_robot;
    drive(out_throttle, 1);
    EXPECT_EQ(rider.throttle, 0);
}

TEST_F(driving, key_presses_sum_into_the_outputs) {
    constexpr uint32_t left = 0x1000 + 0x14B, right = 0x1000 + 0x14D;
    bind_key(bind_left, left);
    bind_key(bind_right, right);
    handle_input_event(&window, left, 1);
    ride_controls_update();
    EXPECT_EQ(loop_state.control_outputs[out_steer], 1);
    handle_input_event(&window, right, 1);
    loop_state.control_outputs[out_steer] = 0;
    ride_controls_update();
    EXPECT_EQ(loop_state.control_outputs[out_steer], 0) << "both held cancel out";
    handle_input_event(&window, left, 0);
    loop_state.control_outputs[out_steer] = 0;
    ride_controls_update();
    EXPECT_EQ(loop_state.control_outputs[out_steer], -1);
}

} // namespace
