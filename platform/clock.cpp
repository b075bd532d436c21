// platform/clock.cpp — time_now and sleep_for over the clock table (system clock by default).
#include "platform/clock.h"

#include "platform/posix/posix_clock.h"

namespace {
const clock_ops* active_clock = &posix_clock;
}

void clock_set(const clock_ops* ops) {
    active_clock = ops ? ops : &posix_clock;
}

uint64_t time_now_ms() {
    return active_clock->now_ms();
}

int time_now(int* seconds, int* microseconds) {
    uint64_t ms = time_now_ms();
    *seconds = (int)(ms / 1000);
    *microseconds = (int)(ms % 1000) * 1000;
    return 1;
}

double time_now_seconds() {
    int s, us;
    time_now(&s, &us);
    return s + us * 0.000001;
}

void sleep_for(int seconds, int microseconds) {
    int start_s, start_us;
    time_now(&start_s, &start_us);
    int64_t ms = (int64_t)seconds * 1000 + microseconds / 1000;
    if (ms > 1) ms -= 1;
    if (ms > 0) active_clock->sleep_ms((uint32_t)ms);
    int64_t end_us = (int64_t)start_us + microseconds;
    int64_t end_s = start_s + seconds + end_us / 1000000;
    end_us %= 1000000;
    // The last stretch yields until the clock has really reached the wanted time.
    for (;;) {
        int s, us;
        time_now(&s, &us);
        if (s > end_s || (s == end_s && us >= end_us)) break;
        active_clock->sleep_ms(0);
    }
}
