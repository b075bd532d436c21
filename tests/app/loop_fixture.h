// tests/app/loop_fixture.h — the main loop's state reset to a fresh run, on the fake clock,
// with a window that is open but draws nothing.
#pragma once

#include "app/bike_setup.h"
#include "app/main_loop.h"
#include "app/run_settings.h"
#include "bike/bike.h"
#include "platform/window.h"
#include "support/fake_clock.h"
#include "track/track.h"
#include "ui/ui.h"

#include <gtest/gtest.h>

class loop_test : public testing::Test {
  protected:
    static constexpr uint64_t start_ms = 1000000; // the clock reads 1000 s at the start
    game_window window{};
    bike rider{};

    void SetUp() override {
        fake_clock_install(start_ms);
        run_settings_reset();
        settings_reset();
        bike_setup_reset();
        loop_state = loop_state_record{};
        race_state = race_state_record{};
        race_slots_clear();
        ride_controls_init();
        menu_set_page(no_menu);
        control_capture = control_capture_state{};
        current_track.loaded = 0;
        event_queue_clear(&window.events);
        window.open = true;
        loop_state.last_frame_time = start_ms / 1000.0;
    }

    void TearDown() override {
        current_track.loaded = 0;
        fake_clock_remove();
    }

    // A loaded track with the player riding in slot 0.
    void ride() {
        current_track.loaded = 1;
        race_state.slots[0].bike = &rider;
        race_state.slots[0].kind = rider_local;
        race_state.viewed_slot = 0;
        loop_state.view_mode = view_riding;
    }

    // Gives a binding the key code the window would have resolved for it.
    static void bind_key(int binding, uint32_t code) { settings.bindings[binding].key_code = code; }

    void queue(uint32_t code, int pressed, double seconds) {
        int s = (int)seconds;
        input_queue_event(&window, code, pressed, s, (int)((seconds - s) * 1000000 + 0.5));
    }

    // A frame whose real time was the given milliseconds; returns the ticks it ran.
    int frame(uint64_t elapsed_ms) {
        fake_clock.now_ms += elapsed_ms;
        double before = loop_state.sim_time;
        frame_time_step();
        run_frame_ticks(&window);
        return (int)((loop_state.sim_time - before) / tick_length + 0.5);
    }
};
