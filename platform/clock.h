// platform/clock.h — the millisecond clock and the precise sleep that pace the main loop.
// The operating-system calls sit behind a small table so that tests can run the loop on a
// clock of their own. Main thread only, except time_now, which any thread may read.
#pragma once

#include <cstdint>

// The clock the platform reads; the default one is the monotonic clock of the system.
struct clock_ops {
    uint64_t (*now_ms)();       // milliseconds since an arbitrary start, never going back
    void (*sleep_ms)(uint32_t); // sleep at least that many milliseconds (0: yield)
};

// Replaces the clock (null restores the system clock). Not thread-safe: set before use.
void clock_set(const clock_ops* ops);

// Reads the millisecond clock as whole seconds and microseconds; always returns 1.
int time_now(int* seconds, int* microseconds);
// The same reading in seconds.
double time_now_seconds();
uint64_t time_now_ms();

// Sleeps at least (seconds, microseconds): one millisecond less than asked, then yields
// until the clock reaches the wanted time.
void sleep_for(int seconds, int microseconds);
