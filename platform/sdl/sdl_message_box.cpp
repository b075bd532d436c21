// platform/sdl/sdl_message_box.cpp — the error box on SDL. SDL may show a message box
// before it is initialised; without a display it is skipped at once.
#include "platform/sdl/sdl_message_box.h"

#include <SDL.h>
#include <cstdlib>

int sdl_show_message_box(const char* title, const char* text) {
    if (!getenv("DISPLAY") && !getenv("WAYLAND_DISPLAY")) return 0;
    return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title, text, nullptr) == 0;
}
