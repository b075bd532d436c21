// platform/event_queue.cpp — the circular queue of 256 input events in time-stamp order.
// The caller holds the window's event_lock.
#include "platform/input.h"

namespace {

bool later(const event_queue* q, int i, int seconds, int microseconds) {
    return q->seconds[i] > seconds ||
           (q->seconds[i] == seconds && q->microseconds[i] > microseconds);
}

int slot(const event_queue* q, int n) {
    return (q->first + n) % event_queue_capacity;
}

void take_first(event_queue* q, uint32_t* code, int* pressed) {
    uint32_t word = q->code[q->first];
    *code = word & ~input_released_bit;
    *pressed = (word & input_released_bit) == 0;
    q->first = (q->first + 1) % event_queue_capacity;
    --q->count;
}

} // namespace

void event_queue_clear(event_queue* queue) {
    queue->first = 0;
    queue->count = 0;
}

void event_queue_push(event_queue* q, uint32_t code, int pressed, int seconds, int microseconds) {
    if (q->count >= event_queue_capacity) return;
    int n = q->count++;
    // Move it towards the front past every later event; equal stamps keep arrival order.
    while (n > 0 && later(q, slot(q, n - 1), seconds, microseconds)) {
        int from = slot(q, n - 1), to = slot(q, n);
        q->code[to] = q->code[from];
        q->seconds[to] = q->seconds[from];
        q->microseconds[to] = q->microseconds[from];
        --n;
    }
    int at = slot(q, n);
    q->code[at] = (code & ~input_released_bit) | (pressed ? 0 : input_released_bit);
    q->seconds[at] = seconds;
    q->microseconds[at] = microseconds;
}

int event_queue_take(event_queue* q, uint32_t* code, int* pressed, int* seconds,
                     int* microseconds) {
    if (q->count == 0) return 0;
    if (seconds) *seconds = q->seconds[q->first];
    if (microseconds) *microseconds = q->microseconds[q->first];
    take_first(q, code, pressed);
    return 1;
}

int event_queue_take_due(event_queue* q, uint32_t* code, int* pressed, int limit_seconds,
                         int limit_microseconds) {
    if (q->count == 0 || later(q, q->first, limit_seconds, limit_microseconds)) return 0;
    take_first(q, code, pressed);
    return 1;
}
