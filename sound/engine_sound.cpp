// sound/engine_sound.cpp — engine sound synthesis. The sound tables come with the engine
// sound; until then every bike is silent.
#include "sound/sound.h"

void sound_voice_update(int, float) {}
void sound_voice_stop(int) {}
