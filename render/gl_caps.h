// render/gl_caps.h — reading what the driver can do into gl_caps, after the window's GL
// context exists. Main thread.
#pragma once

#include "platform/gl.h"

// Loads every entry point and the capabilities; with multitexture logs the texture units.
// False (logged) when a GL 1.1 entry point is missing.
bool gl_caps_load();
// The extension is in the list as a whole word: at the start or after a blank, and followed
// by a blank or the end.
bool gl_has_extension(const char* list, const char* name);
