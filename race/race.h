// race/race.h — racing: timing and results, the time trial, demos, the points series and
// the robot riders' lines and driving. Main thread only.
#pragma once

// Series files: listed at start-up, freed at shutdown.
void series_list_build();
void series_free();

// Robot lines: saved at shutdown when a set is loaded.
int lines_loaded();
void lines_save();
void lines_clear_stats();
void lines_learn(int slot);
void robot_drive(int slot);

// Demos. demo_load gives the demo's track folder on success.
int demo_load(const char* path, const char** track_folder);
void demo_close_playback();
void demo_close_recording();
void demo_record_tick();
void demo_play_tick();
void demo_skip(double seconds);
// Sets a remote rider to its own received state of that many ticks ago.
void remote_history_apply(int slot, int ticks_ago);

// Timing.
void false_start_check(int slot);
void start_gate_animate();
void results_recompute();
// The race leader has completed the race's laps.
int race_leader_finished();
// Slots in race order, leader first.
int race_order_count();
int race_order_slot(int index);
int rider_is_straggler(int slot);

// The time trial: gates passed before the tick, evaluated after it.
void time_trial_note_gates();
void time_trial_tick();
void time_trial_restart();
