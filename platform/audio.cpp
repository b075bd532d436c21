// platform/audio.cpp — the sound device. The mixer and the device bindings come with the
// audio output; until then no device opens and nothing is mixed.
#include "platform/audio.h"

int audio_open() {
    return 0;
}
int audio_open_capture(int, int) {
    return 0;
}
int audio_is_open() {
    return 0;
}
void audio_mix() {}
const unsigned char* audio_last_block(int* bytes) {
    *bytes = 0;
    return nullptr;
}
void audio_close() {}
void audio_close_for_exit() {}
