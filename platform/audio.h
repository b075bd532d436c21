// platform/audio.h — the sound device and the software mixer. Main thread calls; the mixer
// may run on an audio thread of its own.
#pragma once

// Opens the normal output device; 0 when there is none.
int audio_open();
// Capture mode: no device, the mixer fills blocks of the given size at the given rate.
int audio_open_capture(int rate, int block_samples);
int audio_is_open();
// Lets the mixer run once per frame.
void audio_mix();
// The mixer's last block of stereo 8-bit frames; null when none.
const unsigned char* audio_last_block(int* bytes);
void audio_close();
// Closes the device for the out-of-memory exit.
void audio_close_for_exit();
