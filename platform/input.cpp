// platform/input.cpp — queuing and reading input events on a window, and the naming of
// inputs. Keys, controllers and their names arrive with the input bindings; until then no
// name resolves and no axis opens.
#include "platform/input.h"

#include "platform/window.h"

void input_queue_event(game_window* window, uint32_t code, int pressed, int seconds,
                       int microseconds) {
    std::lock_guard<std::mutex> hold(window->event_lock);
    event_queue_push(&window->events, code, pressed, seconds, microseconds);
}

int input_next_event(game_window* window, uint32_t* code, int* pressed, int* seconds,
                     int* microseconds) {
    window_pump(window);
    std::lock_guard<std::mutex> hold(window->event_lock);
    return event_queue_take(&window->events, code, pressed, seconds, microseconds);
}

int input_next_event_due(game_window* window, uint32_t* code, int* pressed, int limit_seconds,
                         int limit_microseconds) {
    window_pump(window);
    std::lock_guard<std::mutex> hold(window->event_lock);
    return event_queue_take_due(&window->events, code, pressed, limit_seconds, limit_microseconds);
}

int input_button_code(game_window*, const char*, uint32_t*) {
    return 0;
}
const char* input_code_name(game_window*, uint32_t) {
    return nullptr;
}
axis_handle* input_axis_open(game_window*, const char*) {
    return nullptr;
}
int input_axis_read(axis_handle*) {
    return 0;
}
void input_axis_close(axis_handle*) {}
