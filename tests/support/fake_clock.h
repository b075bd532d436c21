// tests/support/fake_clock.h — a clock that moves only when told, or when the code sleeps.
#pragma once

#include <cstdint>
#include <vector>

struct fake_clock_state {
    uint64_t now_ms;
    std::vector<uint32_t> sleeps; // every sleep asked for, 0 for a yield
};
extern fake_clock_state fake_clock;

// Installs the fake clock at the given reading; sleeps advance it (a yield by 1 ms).
void fake_clock_install(uint64_t start_ms);
// Puts the system clock back.
void fake_clock_remove();
