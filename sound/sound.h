// sound/sound.h — engine sound per rider slot. Main thread; the mixer plays the result.
#pragma once

// Sets the voice of the slot's bike for this frame at the given gain (0 silences it).
void sound_voice_update(int slot, float gain);
void sound_voice_stop(int slot);
