// platform/window.cpp — the game window: opening in the fixed order (modes, options, native
// window, input devices, GL context), the frame bracket, mode switches and closing. The window
// system itself sits behind window_system. Main thread only.
#include "platform/window.h"

#include "platform/devices.h"
#include "platform/log.h"
#include "platform/window_system.h"

namespace {

game_window* open_window = nullptr; // the one window, for the out-of-memory exit
bool options_read = false;
bool option_threaded = false;

void read_window_options() {
    if (options_read) return;
    options_read = true;
    option_threaded = option_bool("threaded", 0);
    log_printf("Options:\n");
    log_printf("%10s [%s]\n", "threaded:", option_threaded ? "on" : "off");
    // SDL serves a window's events and its GL context on the thread that made it, so the
    // window stays with the game's own thread.
    if (option_threaded)
        log_printf("threaded: the window system keeps the window on the main thread; "
                   "running unthreaded\n");
}

int desktop_width() {
    return display_modes()[0].width;
}
int desktop_height() {
    return display_modes()[0].height;
}

bool enter_fullscreen(game_window* w, int width, int height) {
    w->fullscreen_active = false;
    choose_fullscreen_size(display_modes(), width, height, desktop_width(), desktop_height(),
                           &w->fullscreen_width, &w->fullscreen_height);
    bool desktop =
        w->fullscreen_width == desktop_width() && w->fullscreen_height == desktop_height();
    bool ok = window_system->set_fullscreen(w, w->fullscreen_width, w->fullscreen_height, desktop);
    w->fullscreen_active = true;
    return ok;
}

void run_mode_request(game_window* w) {
    window_mode_request r = w->request;
    w->request.pending = false;
    {
        std::lock_guard<std::mutex> hold(w->window_lock);
        w->busy = true;
    }
    if (r.fullscreen) {
        enter_fullscreen(w, r.width, r.height);
    } else {
        w->fullscreen_active = false;
        int width = r.width, height = r.height;
        if (width == 0 || height == 0) {
            width = desktop_width();
            height = desktop_height();
        }
        window_system->set_windowed(w, width, height);
    }
    std::lock_guard<std::mutex> hold(w->window_lock);
    w->busy = false;
}

void destroy(game_window* w) {
    w->closing = true;
    if (w->devices) {
        log_printf("Closing input devices\n");
        devices_close_all(w);
    }
    if (w->native) {
        log_printf("Destroying window\n");
        window_system->destroy_window(w);
    }
    log_printf("Window shutdown complete\n");
    if (open_window == w) open_window = nullptr;
    delete w;
}

} // namespace

game_window* window_open_gl(const char* title, int width, int height, int flags, int alpha_bits,
                            int depth_bits, int stencil_bits, int accumulation_bits) {
    if (!window_system) {
        log_printf("Can't open window \"%s\": no window system\n", title);
        return nullptr;
    }
    game_window* w = new game_window();
    display_modes();
    read_window_options();
    w->title = title;
    w->width = width;
    w->height = height;
    w->depth = flags & 0xFF;
    w->threaded = false;
    bool fullscreen = (flags & window_fullscreen_flag) != 0;
    if (fullscreen) {
        choose_fullscreen_size(display_modes(), width, height, desktop_width(), desktop_height(),
                               &w->fullscreen_width, &w->fullscreen_height);
        w->width = w->fullscreen_width;
        w->height = w->fullscreen_height;
    } else if (width == 0 || height == 0) {
        w->width = desktop_width();
        w->height = desktop_height();
    }
    log_printf("Creating window\n");
    int color_bits = w->depth == 32 ? 24 : w->depth;
    if (!window_system->create_window(w, fullscreen, color_bits, alpha_bits, depth_bits,
                                      stencil_bits, accumulation_bits)) {
        log_error("Can't create window!\n");
        destroy(w);
        return nullptr;
    }
    w->fullscreen_active = fullscreen;
    w->open = true;
    open_window = w;
    devices_open(w);
    alias_add("cursor-left", "Mouse Left");
    alias_add("cursor-middle", "Mouse Middle");
    alias_add("cursor-right", "Mouse Right");
    log_printf("Creating OpenGL context\n");
    if (!window_system->create_gl(w)) {
        log_printf("Couldn't create OpenGL context\n");
        destroy(w);
        return nullptr;
    }
    w->has_gl = true;
    return w;
}

void window_close_gl(game_window* w) {
    if (!w) return;
    if (w->has_gl) {
        log_printf("Deleting OpenGL context\n");
        window_system->destroy_gl(w);
        w->has_gl = false;
    }
    w->open = false;
    destroy(w);
}

window_frame* window_begin_frame(game_window* w) {
    if (!w || !w->has_gl) return nullptr;
    int width, height;
    if (!window_system->drawable(w, &width, &height)) return nullptr;
    w->window_lock.lock();
    if (w->busy) {
        w->window_lock.unlock();
        return nullptr;
    }
    w->frame.width = width > 0 ? width : w->width;
    w->frame.height = height > 0 ? height : w->height;
    return &w->frame;
}

int window_end_frame(game_window* w) {
    window_system->swap(w);
    w->window_lock.unlock();
    return 1;
}

int window_request_mode(game_window* w, int width, int height, int flags) {
    w->request = {true, (flags & window_fullscreen_flag) != 0, width, height};
    return 1;
}

void window_pump(game_window* w) {
    if (!w || !w->native || w->closing) return;
    window_system->pump(w);
    if (w->request.pending) run_mode_request(w);
}

int window_is_open(game_window* w) {
    return w && w->open;
}
void window_request_close(game_window* w) {
    if (w) w->open = false;
}

const char* const* window_device_names(game_window* w) {
    w->device_name_list.clear();
    for (const std::string& n : w->device_names) w->device_name_list.push_back(n.c_str());
    w->device_name_list.push_back(nullptr);
    return w->device_name_list.data();
}

void* window_gl_proc_address(const char* name) {
    return window_system ? window_system->gl_proc_address(name) : nullptr;
}

void window_close_for_exit() {
    if (open_window) window_close_gl(open_window);
}
