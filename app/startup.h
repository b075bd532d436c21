// app/startup.h — the program's entry: start-up in its fixed order, the main loop, and
// shutdown in the reverse order. Main thread.
#pragma once

struct game_window;

// The whole run; returns the process exit status.
int tarvik_main(int argc, char** argv);
constexpr int startup_run_loop = -1;  // start-up done: run the main loop
constexpr int startup_skip_loop = -2; // the window never became ready: shut down at once
// Start-up up to the main loop. Returns one of the two above with *window set, or the exit
// status to stop with.
int startup(int argc, char** argv, game_window** window);
// Shutdown after the loop (or after the window never became ready); returns 0.
int shutdown(game_window* window);

// Start-up helpers.
void video_modes_build();
void video_mode_size(int* width, int* height);
int cpu_has_mmx();
// The texture choices of riding gear, helmet, bike and wheel graphics.
void gear_choices_build();
