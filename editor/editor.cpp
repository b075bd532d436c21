// editor/editor.cpp — the track editor. Its tools come with the editor; until then it
// keeps no events and changes nothing.
#include "editor/editor.h"

void editor_step() {}
int editor_event(uint32_t, int) {
    return 0;
}
