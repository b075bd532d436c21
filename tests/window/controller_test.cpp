// Game controllers through SDL's virtual joysticks: the roll call names them, buttons become
// events with the device's codes, axes read back through their handles, triggers rest at 0,
// and an axis drives a ride control over its configured range.
#include "app/main_loop.h"
#include "app/run_settings.h"
#include "platform/devices.h"
#include "platform/input.h"
#include "platform/window.h"
#include "ui/ui.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr int stick_axes = 4, stick_buttons = 6, stick_hats = 1;

class controllers : public testing::Test {
  protected:
    game_window w;
    std::vector<int> attached;
    std::vector<SDL_Joystick*> sticks;

    // Attaches a virtual controller; trigger_axis (if any) rests fully released at -32768.
    SDL_Joystick* attach(int trigger_axis = -1) {
        SDL_InitSubSystem(SDL_INIT_JOYSTICK);
        int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, stick_axes,
                                              stick_buttons, stick_hats);
        EXPECT_GE(index, 0) << SDL_GetError();
        attached.push_back(index);
        SDL_Joystick* j = SDL_JoystickOpen(index);
        if (trigger_axis >= 0) SDL_JoystickSetVirtualAxis(j, trigger_axis, -32768);
        SDL_JoystickUpdate();
        sticks.push_back(j);
        return j;
    }
    void TearDown() override {
        devices_close_all(&w);
        for (SDL_Joystick* j : sticks) SDL_JoystickClose(j);
        for (size_t i = attached.size(); i-- > 0;) SDL_JoystickDetachVirtual(attached[i]);
    }
    void set_axis(SDL_Joystick* j, int axis, int value) {
        SDL_JoystickSetVirtualAxis(j, axis, (Sint16)value);
        SDL_JoystickUpdate();
    }
    void set_button(SDL_Joystick* j, int button, bool down) {
        SDL_JoystickSetVirtualButton(j, button, down);
        SDL_JoystickUpdate();
    }
};

TEST_F(controllers, the_roll_call_names_twins_apart_and_lists_their_axes) {
    attach();
    attach();
    controllers_roll_call(&w);
    input_device* first = device_find(&w, "VirtualController");
    input_device* second = device_find(&w, "VirtualController#2");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first->id, second->id);
    EXPECT_EQ(first->axis_count, stick_axes);
    EXPECT_EQ(first->button_count, stick_buttons + 4 * stick_hats);
    std::vector<std::string> names;
    for (const char* const* n = window_device_names(&w); *n; ++n) names.push_back(*n);
    EXPECT_EQ(names.size(), 2u * stick_axes);
    EXPECT_EQ(names[0], "VirtualController axis 0");
    EXPECT_EQ(names[stick_axes], "VirtualController#2 axis 0");
}

TEST_F(controllers, buttons_become_events_with_the_device_codes) {
    SDL_Joystick* j = attach();
    controllers_roll_call(&w);
    input_device* d = device_find(&w, "VirtualController");
    ASSERT_NE(d, nullptr);
    uint32_t code = 0;
    ASSERT_TRUE(input_button_code(&w, "VirtualController.key[2]", &code));
    EXPECT_EQ(code, d->id + 2);
    EXPECT_STREQ(input_code_name(&w, code), "VirtualController button 2");
    set_button(j, 2, true);
    uint32_t got;
    int pressed, s, us;
    ASSERT_TRUE(input_next_event(&w, &got, &pressed, &s, &us));
    EXPECT_EQ(got, d->id + 2);
    EXPECT_EQ(pressed, 1);
    EXPECT_FALSE(input_next_event(&w, &got, &pressed, &s, &us)) << "one event per change";
    set_button(j, 2, false);
    ASSERT_TRUE(input_next_event(&w, &got, &pressed, &s, &us));
    EXPECT_EQ(pressed, 0);
    // The hat's four directions follow the buttons: up, right, down, left.
    SDL_JoystickSetVirtualHat(j, 0, SDL_HAT_DOWN);
    SDL_JoystickUpdate();
    ASSERT_TRUE(input_next_event(&w, &got, &pressed, &s, &us));
    EXPECT_EQ(got, d->id + stick_buttons + 2);
}

TEST_F(controllers, axes_read_through_handles_and_triggers_rest_at_zero) {
    SDL_Joystick* j = attach(3);
    controllers_roll_call(&w);
    axis_handle* stick = input_axis_open(&w, "VirtualController axis 1");
    axis_handle* trigger = input_axis_open(&w, "VirtualController.axis[3]");
    ASSERT_NE(stick, nullptr);
    ASSERT_NE(trigger, nullptr);
    set_axis(j, 1, 16384);
    EXPECT_EQ(input_axis_read(stick), 16384);
    set_axis(j, 1, -32768);
    EXPECT_EQ(input_axis_read(stick), -32767) << "absolute axes stay within -32767..32767";
    EXPECT_EQ(input_axis_read(trigger), 0) << "a released trigger reads as centred";
    set_axis(j, 3, 32767);
    EXPECT_EQ(input_axis_read(trigger), 32767);
    input_axis_close(stick);
    input_axis_close(trigger);
}

class controller_riding : public controllers {
  protected:
    void SetUp() override {
        settings_reset();
        run_settings_reset();
        loop_state = loop_state_record{};
        ride_controls_init();
        control_capture = control_capture_state{};
    }
};

TEST_F(controller_riding, an_axis_drives_a_ride_control_over_its_range) {
    SDL_Joystick* j = attach();
    controllers_roll_call(&w);
    control_binding& throttle = settings.bindings[bind_throttle];
    throttle.key_name = nullptr;
    throttle.axis_name = "VirtualController axis 0";
    throttle.axis_low = 0.1f;
    throttle.axis_high = 0.9f;
    throttle.axis = input_axis_open(&w, throttle.axis_name);
    ASSERT_NE(throttle.axis, nullptr);
    const struct {
        int raw;
        float throttle;
    } cases[] = {{0, 0}, {3277, 0}, {16384, 0.5f}, {29491, 1}, {32767, 1}, {-20000, 0}};
    for (const auto& c : cases) {
        set_axis(j, 0, c.raw);
        loop_state.control_outputs[out_throttle] = 0;
        ride_controls_update();
        EXPECT_NEAR(loop_state.control_outputs[out_throttle], c.throttle, 0.001) << c.raw;
    }
    input_axis_close(throttle.axis);
    throttle.axis = nullptr;
}

// The controls page watches every axis; pressing a trigger binds it as a positive axis.
TEST_F(controller_riding, a_pressed_trigger_takes_a_binding) {
    SDL_Joystick* j = attach(3);
    controllers_roll_call(&w);
    control_capture.active = 1;
    control_capture.binding = &settings.bindings[bind_rear_brake];
    for (const char* const* n = window_device_names(&w); *n; ++n) {
        axis_handle* a = input_axis_open(&w, *n);
        ASSERT_LE(std::abs(input_axis_read(a)), 0x4000) << *n << " starts centred";
        control_capture.axis_names[control_capture.axis_count] = *n;
        control_capture.axes[control_capture.axis_count++] = a;
    }
    set_axis(j, 3, 32767);
    game_window idle; // no events: the tick only looks at the watched axes
    idle.open = true;
    loop_state.last_frame_time = 0;
    loop_state.target_time = tick_length;
    run_frame_ticks(&idle);
    const control_binding& b = settings.bindings[bind_rear_brake];
    EXPECT_EQ(control_capture.active, 0);
    EXPECT_STREQ(b.axis_name, "VirtualController axis 3");
    EXPECT_EQ(b.key_name, nullptr);
    EXPECT_FLOAT_EQ(b.axis_low, 0.0625f);
    EXPECT_FLOAT_EQ(b.axis_high, 0.9375f);
    input_axis_close(b.axis);
    settings.bindings[bind_rear_brake].axis = nullptr;
}

} // namespace
