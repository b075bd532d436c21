// platform/sdl/sdl_message_box.cpp — the error box on SDL. SDL may show a message box
// before it is initialised; without a display it is skipped at once.
#include "platform/sdl/sdl_message_box.h"

#include <SDL.h>
#include <cstdlib>

namespace {
bool set(const char* name) {
    const char* value = getenv(name);
    return value && value[0];
}
} // namespace

int sdl_show_message_box(const char* title, const char* text) {
    if (!set("DISPLAY") && !set("WAYLAND_DISPLAY")) return 0;
    return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title, text, nullptr) == 0;
}
