// The game's own keys: Escape and the menus, pause and step, chat, unbound keys, and the
// capture of a new binding.
#include "loop_fixture.h"

namespace {

constexpr uint32_t esc = 0x1001, pause = 0x1045, period = 0x1034, key_t = 0x1014;

class game_keys : public loop_test {
  protected:
    void SetUp() override {
        loop_test::SetUp();
        ride();
        loop_state.menu_keys[menu_key_esc] = esc;
        bind_key(bind_pause, pause);
        bind_key(bind_step, period);
        bind_key(bind_chat, key_t);
    }
    void press(uint32_t code) {
        handle_input_event(&window, code, 1);
        handle_input_event(&window, code, 0);
    }
};

TEST_F(game_keys, escape_opens_and_closes_the_menu) {
    press(esc);
    EXPECT_EQ(menu_page(), menu_main);
    press(esc);
    EXPECT_EQ(menu_page(), no_menu);
    menu_set_page(14);
    press(esc);
    EXPECT_EQ(menu_page(), 14) << "page 14 keeps Escape for itself";
}

TEST_F(game_keys, pause_toggles_and_step_runs_one_tick_while_paused) {
    press(period);
    EXPECT_EQ(race_state.tick_count, 0) << "step does nothing while running";
    press(pause);
    EXPECT_EQ(loop_state.paused, 1);
    press(period);
    press(period);
    EXPECT_EQ(race_state.tick_count, 2);
    press(pause);
    EXPECT_EQ(loop_state.paused, 0);
}

TEST_F(game_keys, a_menu_takes_every_press) {
    menu_set_page(menu_main);
    press(pause);
    EXPECT_EQ(loop_state.paused, 0);
}

TEST_F(game_keys, chat_opens_its_page_outside_the_editor) {
    press(key_t);
    EXPECT_EQ(menu_page(), menu_chat);
    menu_set_page(no_menu);
    loop_state.view_mode = view_editor;
    press(key_t);
    EXPECT_EQ(menu_page(), no_menu);
}

TEST_F(game_keys, an_unbound_key_changes_nothing) {
    loop_state_record before = loop_state;
    press(0x1000 + 0x58); // F12
    EXPECT_EQ(loop_state.paused, before.paused);
    EXPECT_EQ(loop_state.view_mode, before.view_mode);
    EXPECT_EQ(menu_page(), no_menu);
    for (int i = 0; i < ride_binding_count; ++i) EXPECT_EQ(loop_state.ride_controls[i].value, 0);
}

TEST_F(game_keys, a_capture_waits_for_a_key_and_escape_cancels_it) {
    control_capture.active = 1;
    control_capture.binding = &settings.bindings[bind_throttle];
    handle_input_event(&window, 'q', 1); // a typed character is no key
    EXPECT_EQ(control_capture.active, 1);
    handle_input_event(&window, esc, 1);
    EXPECT_EQ(control_capture.active, 0);
    EXPECT_EQ(menu_page(), no_menu) << "the cancelling Escape opens no menu";
    EXPECT_STREQ(settings.bindings[bind_throttle].key_name, "x");
}

} // namespace
