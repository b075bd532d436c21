// platform/sdl/sdl_window.cpp — the window system on SDL2: the display's modes, the window
// with its GL context, fullscreen switches, and SDL's events turned into input events stamped
// on the game's own clock. Main thread only.
#include "platform/clock.h"
#include "platform/log.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/window.h"
#include "platform/window_system.h"

#include <SDL.h>
#include <cstdlib>
#include <cstring>

namespace {

struct sdl_window {
    SDL_Window* window;
    SDL_GLContext context;
};

sdl_window* native(game_window* w) {
    return (sdl_window*)w->native;
}

// A window nobody can see is no use to a player: SDL's stand-in drivers are only taken when
// SDL_VIDEODRIVER names them.
bool invisible_driver(const char* name) {
    return strcmp(name, "offscreen") == 0 || strcmp(name, "dummy") == 0 ||
           strcmp(name, "evdev") == 0;
}

bool video_ready() {
    if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
    const char* wanted = getenv("SDL_VIDEODRIVER");
    bool started = false;
    if (wanted && wanted[0]) {
        started = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    } else {
        for (int i = 0; i < SDL_GetNumVideoDrivers() && !started; ++i) {
            const char* name = SDL_GetVideoDriver(i);
            if (invisible_driver(name)) continue;
            SDL_SetHint(SDL_HINT_VIDEODRIVER, name);
            started = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
        }
    }
    if (!started) {
        log_printf("Can't start the window system: %s\n", SDL_GetError());
        return false;
    }
    log_printf("Window system: %s\n", SDL_GetCurrentVideoDriver());
    return true;
}

bool list_modes(system_mode* desktop, system_mode* modes, int* count, int capacity) {
    *count = 0;
    if (!video_ready()) return false;
    SDL_DisplayMode m;
    if (SDL_GetDesktopDisplayMode(0, &m) != 0) {
        *desktop = {640, 480, 0, 0};
    } else {
        *desktop = {m.w, m.h, (int)SDL_BITSPERPIXEL(m.format), m.refresh_rate};
    }
    int n = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < n && *count < capacity; ++i)
        if (SDL_GetDisplayMode(0, i, &m) == 0)
            modes[(*count)++] = {m.w, m.h, (int)SDL_BITSPERPIXEL(m.format), m.refresh_rate};
    return true;
}

bool create_window(game_window* w, bool fullscreen, int color_bits, int alpha_bits, int depth_bits,
                   int stencil_bits, int accumulation_bits) {
    if (!video_ready()) return false;
    log_printf("Choosing pixel format\n");
    int per_channel = color_bits >= 24 ? 8 : color_bits >= 15 ? 5 : 4;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, per_channel);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, color_bits == 16 ? 6 : per_channel);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, per_channel);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, alpha_bits);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depth_bits);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, stencil_bits);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, accumulation_bits / 4);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_GREEN_SIZE, accumulation_bits / 4);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_BLUE_SIZE, accumulation_bits / 4);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_ALPHA_SIZE, accumulation_bits / 4);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    SDL_Window* window = SDL_CreateWindow(w->title.c_str(), SDL_WINDOWPOS_UNDEFINED,
                                          SDL_WINDOWPOS_UNDEFINED, w->width, w->height, flags);
    if (!window) {
        log_printf("No suitable pixel formats found\n");
        log_printf("%s\n", SDL_GetError());
        return false;
    }
    log_printf("Setting pixel format %d\n",
               (int)SDL_BITSPERPIXEL(SDL_GetWindowPixelFormat(window)));
    w->native = new sdl_window{window, nullptr};
    if (fullscreen) {
        SDL_DisplayMode desktop;
        bool desktop_size = SDL_GetDesktopDisplayMode(0, &desktop) == 0 && desktop.w == w->width &&
                            desktop.h == w->height;
        window_system->set_fullscreen(w, w->width, w->height, desktop_size);
    }
    SDL_RaiseWindow(window);
    SDL_StartTextInput();
    return true;
}

bool create_gl(game_window* w) {
    sdl_window* n = native(w);
    n->context = SDL_GL_CreateContext(n->window);
    if (!n->context) {
        log_printf("%s\n", SDL_GetError());
        return false;
    }
    SDL_GL_MakeCurrent(n->window, n->context);
    return true;
}

void destroy_gl(game_window* w) {
    sdl_window* n = native(w);
    SDL_GL_MakeCurrent(n->window, nullptr);
    SDL_GL_DeleteContext(n->context);
    n->context = nullptr;
}

void destroy_window(game_window* w) {
    sdl_window* n = native(w);
    SDL_StopTextInput();
    SDL_DestroyWindow(n->window);
    delete n;
    w->native = nullptr;
}

// The game's clock for an SDL time stamp.
struct stamp_base {
    int64_t offset_ms; // game clock minus SDL ticks
};

void queue(game_window* w, uint32_t code, bool pressed, uint32_t sdl_ms, const stamp_base& base) {
    int64_t ms = (int64_t)sdl_ms + base.offset_ms;
    if (ms < 0) ms = 0;
    input_queue_event(w, code, pressed, (int)(ms / 1000), (int)(ms % 1000) * 1000);
}

// The characters the game reads from key presses, which SDL's text events leave out.
int control_character(SDL_Scancode key) {
    switch (key) {
    case SDL_SCANCODE_TAB: return 9;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER: return 13;
    case SDL_SCANCODE_BACKSPACE: return 8;
    case SDL_SCANCODE_ESCAPE: return 27;
    default: return -1;
    }
}

void translate_key(game_window* w, const SDL_KeyboardEvent& k, const stamp_base& base) {
    // Alt, keys held with Alt and F10 belong to the window system, not the game.
    SDL_Scancode key = k.keysym.scancode;
    if (key == SDL_SCANCODE_LALT || key == SDL_SCANCODE_RALT || key == SDL_SCANCODE_F10 ||
        (k.keysym.mod & KMOD_ALT))
        return;
    int scan = sdl_key_scan_code(key);
    bool pressed = k.type == SDL_KEYDOWN;
    if (scan >= 0) queue(w, input_key_base + scan, pressed, k.timestamp, base);
    int c = control_character(key);
    if (pressed && c >= 0) queue(w, (uint32_t)c, true, k.timestamp, base);
}

// Typed text as bytes: code points up to 255 pass, the rest has no character code.
void translate_text(game_window* w, const SDL_TextInputEvent& t, const stamp_base& base) {
    const unsigned char* p = (const unsigned char*)t.text;
    while (*p) {
        uint32_t cp;
        int length;
        if (*p < 0x80)
            cp = *p, length = 1;
        else if ((*p & 0xE0) == 0xC0)
            cp = *p & 0x1F, length = 2;
        else if ((*p & 0xF0) == 0xE0)
            cp = *p & 0x0F, length = 3;
        else
            cp = *p & 0x07, length = 4;
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80) return; // broken text: stop there
            cp = cp << 6 | (p[i] & 0x3F);
        }
        p += length;
        if (cp >= 32 && cp < 256) queue(w, cp, true, t.timestamp, base);
    }
}

void translate_button(game_window* w, const SDL_MouseButtonEvent& b, const stamp_base& base) {
    uint32_t code = b.button == SDL_BUTTON_LEFT     ? input_mouse_left
                    : b.button == SDL_BUTTON_MIDDLE ? input_mouse_middle
                    : b.button == SDL_BUTTON_RIGHT  ? input_mouse_right
                                                    : 0;
    if (code) queue(w, code, b.type == SDL_MOUSEBUTTONDOWN, b.timestamp, base);
}

void pump(game_window* w) {
    stamp_base base = {(int64_t)time_now_ms() - (int64_t)SDL_GetTicks()};
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP: translate_key(w, e.key, base); break;
        case SDL_TEXTINPUT: translate_text(w, e.text, base); break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: translate_button(w, e.button, base); break;
        case SDL_QUIT:
            // The close button asks; the game decides. It is stamped now.
            queue(w, input_close, true, SDL_GetTicks(), base);
            break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                std::lock_guard<std::mutex> hold(w->window_lock);
                w->width = e.window.data1;
                w->height = e.window.data2;
                log_printf("WM_SIZE message %dx%d\n", w->width, w->height);
            }
            break;
        default: break;
        }
    }
}

bool drawable(game_window* w, int* width, int* height) {
    sdl_window* n = native(w);
    if (!n) return false;
    Uint32 flags = SDL_GetWindowFlags(n->window);
    if (flags & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN)) return false;
    SDL_GL_GetDrawableSize(n->window, width, height);
    return *width > 0 && *height > 0;
}

void swap(game_window* w) {
    SDL_GL_SwapWindow(native(w)->window);
}

bool set_fullscreen(game_window* w, int width, int height, bool desktop_size) {
    SDL_Window* window = native(w)->window;
    if (desktop_size) return SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
    SDL_DisplayMode mode = {0, width, height, 0, nullptr};
    SDL_DisplayMode closest;
    if (!SDL_GetClosestDisplayMode(0, &mode, &closest)) return false;
    SDL_SetWindowDisplayMode(window, &closest);
    return SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) == 0;
}

bool set_windowed(game_window* w, int width, int height) {
    SDL_Window* window = native(w)->window;
    bool ok = SDL_SetWindowFullscreen(window, 0) == 0;
    SDL_SetWindowSize(window, width, height);
    SDL_SetWindowPosition(window, 0, 0);
    SDL_ShowWindow(window);
    return ok;
}

void cursor_position(game_window* w, int* x, int* y) {
    *x = *y = 0;
    sdl_window* n = native(w);
    if (!n || SDL_GetMouseFocus() != n->window) {
        // Outside the window: the global position relative to the window's corner.
        int gx, gy, wx = 0, wy = 0;
        SDL_GetGlobalMouseState(&gx, &gy);
        if (n) SDL_GetWindowPosition(n->window, &wx, &wy);
        *x = gx - wx;
        *y = gy - wy;
        return;
    }
    SDL_GetMouseState(x, y);
}

void* gl_proc_address(const char* name) {
    return SDL_GL_GetProcAddress(name);
}

const window_system_ops sdl_window_system = {
    list_modes,   create_window, create_gl,      destroy_gl,   destroy_window,  pump,
    drawable,     swap,          set_fullscreen, set_windowed, cursor_position, gl_proc_address,
    sdl_key_name,
};

} // namespace

const window_system_ops* window_system = &sdl_window_system;
