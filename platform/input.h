// platform/input.h — input codes, the time-stamped event queue and the reading of events
// and axes. Events are queued by the window's thread or by polling; read on the main thread.
#pragma once

#include <cstdint>

struct game_window;

// Input codes: characters 0..255, keys, mouse buttons, the close request.
constexpr uint32_t input_key_base = 0x1000; // + PC set-1 scan code (+0x100 extended)
constexpr uint32_t input_mouse_left = 0x2000;
constexpr uint32_t input_mouse_middle = 0x2001;
constexpr uint32_t input_mouse_right = 0x2002;
constexpr uint32_t input_close = 0xDEAD;
constexpr uint32_t input_released_bit = 0x80000000u; // set in a queued code word on release

constexpr int event_queue_capacity = 256;

// Circular, kept in time-stamp order; guarded by the window's event_lock.
struct event_queue {
    int first; // index of the oldest event
    int count;
    uint32_t code[event_queue_capacity]; // code, bit 31 set for a release
    int32_t seconds[event_queue_capacity];
    int32_t microseconds[event_queue_capacity];
};

// Queue operations; the caller holds event_lock.
void event_queue_clear(event_queue* queue);
// Drops the event when the queue is full; equal time stamps keep their arrival order.
void event_queue_push(event_queue* queue, uint32_t code, int pressed, int seconds,
                      int microseconds);
// Takes the oldest event; with a limit, only one stamped no later than (seconds, us).
int event_queue_take(event_queue* queue, uint32_t* code, int* pressed, int* seconds,
                     int* microseconds);
int event_queue_take_due(event_queue* queue, uint32_t* code, int* pressed, int limit_seconds,
                         int limit_microseconds);

// Queues an event on the window under its event_lock.
void input_queue_event(game_window* window, uint32_t code, int pressed, int seconds,
                       int microseconds);
// Both readers let the window process its messages first. 1 when an event was taken.
int input_next_event(game_window* window, uint32_t* code, int* pressed, int* seconds,
                     int* microseconds);
int input_next_event_due(game_window* window, uint32_t* code, int* pressed, int limit_seconds,
                         int limit_microseconds);

// An analogue input opened by name ("cursor-x", a controller axis).
struct axis_handle;

// Name to code (1 when the name names an input) and code to name (a pool text or null).
int input_button_code(game_window* window, const char* name, uint32_t* code);
const char* input_code_name(game_window* window, uint32_t code);
axis_handle* input_axis_open(game_window* window, const char* name);
int input_axis_read(axis_handle* axis); // raw value, ±32768 full range
void input_axis_close(axis_handle* axis);
