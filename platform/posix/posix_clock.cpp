// platform/posix/posix_clock.cpp — CLOCK_MONOTONIC in milliseconds, nanosleep and yield.
#include "platform/posix/posix_clock.h"

#include <sched.h>
#include <time.h>

namespace {

uint64_t monotonic_ms() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (uint64_t)now.tv_sec * 1000 + (uint64_t)now.tv_nsec / 1000000;
}

void monotonic_sleep(uint32_t ms) {
    if (ms == 0) {
        sched_yield();
        return;
    }
    timespec wait = {(time_t)(ms / 1000), (long)(ms % 1000) * 1000000};
    while (nanosleep(&wait, &wait) != 0) {
    }
}

} // namespace

const clock_ops posix_clock = {monotonic_ms, monotonic_sleep};
