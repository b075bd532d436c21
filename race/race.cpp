// race/race.cpp — racing. Timing, demos, series and robots come with their own modules;
// until then a race has no gates to count and nothing is recorded.
#include "race/race.h"

void series_list_build() {}
void series_free() {}
int lines_loaded() {
    return 0;
}
void lines_save() {}
void lines_clear_stats() {}
void lines_learn(int) {}
void robot_drive(int) {}
int demo_load(const char*, const char**) {
    return 0;
}
void demo_close_playback() {}
void demo_close_recording() {}
void demo_record_tick() {}
void demo_play_tick() {}
void demo_skip(double) {}
void remote_history_apply(int, int) {}
void false_start_check(int) {}
void start_gate_animate() {}
void results_recompute() {}
int race_leader_finished() {
    return 0;
}
int race_order_count() {
    return 0;
}
int race_order_slot(int) {
    return 160;
}
int rider_is_straggler(int) {
    return 0;
}
void time_trial_note_gates() {}
void time_trial_tick() {}
void time_trial_restart() {}
