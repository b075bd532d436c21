// editor/editor.h — the track editor's step and input. Main thread only.
#pragma once

#include <cstdint>

// One step of the editor; offline it takes the place of the game tick.
void editor_step();
// The editor sees an event first; 1 when it keeps it.
int editor_event(uint32_t code, int pressed);
