// tests/support/fake_clock.cpp — the fake clock table.
#include "support/fake_clock.h"

#include "platform/clock.h"

fake_clock_state fake_clock;

namespace {
uint64_t fake_now() {
    return fake_clock.now_ms;
}
void fake_sleep(uint32_t ms) {
    fake_clock.sleeps.push_back(ms);
    fake_clock.now_ms += ms ? ms : 1;
}
const clock_ops fake_ops = {fake_now, fake_sleep};
} // namespace

void fake_clock_install(uint64_t start_ms) {
    fake_clock.now_ms = start_ms;
    fake_clock.sleeps.clear();
    clock_set(&fake_ops);
}

void fake_clock_remove() {
    clock_set(nullptr);
}
