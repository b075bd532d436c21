// app/screenshot.h — the screenshot key and the frames written for --record-video.
#pragma once

#include <cstdio>

struct game_window;

// Asks for the next frame to be written as "@screenshot%03d.png", numbered after the ones
// already there.
void take_screenshot(game_window* window);
// Writes the frame just drawn when a screenshot was asked for (before the buffers swap).
void screenshot_write_pending(int width, int height);
// The number the next screenshot takes: the first time, one past the largest existing.
int screenshot_number();
// Writes an RGB frame given bottom row first as a binary PPM, top row first.
void write_ppm_frame(FILE* out, int width, int height, const unsigned char* rgb);
// Reads the current frame and writes it to standard output (video recording).
void record_video_frame(int width, int height);
