// platform/sdl/sdl_message_box.h — SDL's simple message box as the error box binding.
#pragma once

// Shows the box when a display is there; returns 1 when it was shown.
int sdl_show_message_box(const char* title, const char* text);
