// app/shutdown.cpp — shutdown: the start-up road backwards, the configuration written last
// before the log closes.
#include "app/startup.h"

#include "app/main_loop.h"
#include "app/run_settings.h"
#include "bike/bike.h"
#include "net/net.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "platform/log.h"
#include "platform/window.h"
#include "race/race.h"
#include "render/render.h"
#include "resources/textures.h"
#include "sound/sound.h"
#include "track/track.h"

namespace {

void close_axis(axis_handle** axis) {
    if (*axis) input_axis_close(*axis);
    *axis = nullptr;
}

} // namespace

int shutdown(game_window* window) {
    if (session_connected()) session_disconnect(); // 1
    session_reset();                               // 2
    series_free();                                 // 3
    if (lines_loaded()) lines_save();
    lines_clear_stats();
    physics_contacts_empty(); // 4
    log_printf("Deallocating bikes\n");
    for (int s = 0; s < slot_count; ++s) {
        sound_voice_stop(s);
        if (race_state.slots[s].bike) bike_free(race_state.slots[s].bike);
        race_state.slots[s].bike = nullptr;
    }
    race_state.rider_count = 0;
    log_printf("Finished deallocating bikes\n");
    demo_close_playback(); // 5
    demo_close_recording();
    track_free();
    physics_world_destroy();
    scene_lists_free(); // 6
    close_axis(&loop_state.cursor_x);
    close_axis(&loop_state.cursor_y);
    for (control_binding& b : settings.bindings) close_axis(&b.axis);
    audio_close(); // 7
    if (entry_values.audio_capture) fclose(entry_values.audio_capture);
    entry_values.audio_capture = nullptr;
    window_close_gl(window);
    texture_cache_free();
    write_config();      // 8
    log_printf(nullptr); // 9
    sleep_for(1, 0);
    return 0;
}
