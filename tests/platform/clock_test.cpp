// tests/platform/clock_test.cpp — time_now and sleep_for on the fake clock, which moves only
// when the code sleeps (a yield moves it by 1 ms).
#include "platform/clock.h"

#include "support/fake_clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

struct reading_case {
    uint64_t clock_ms;
    int seconds, microseconds;
};

void PrintTo(const reading_case& c, std::ostream* out) {
    *out << c.clock_ms << " ms";
}

class TimeNow : public testing::TestWithParam<reading_case> {
  protected:
    void TearDown() override { fake_clock_remove(); }
};

TEST_P(TimeNow, SplitsMillisecondsIntoSecondsAndMicroseconds) {
    fake_clock_install(GetParam().clock_ms);
    int seconds = -1, microseconds = -1;
    EXPECT_EQ(time_now(&seconds, &microseconds), 1);
    EXPECT_EQ(seconds, GetParam().seconds);
    EXPECT_EQ(microseconds, GetParam().microseconds);
    EXPECT_NEAR(time_now_seconds(), GetParam().seconds + GetParam().microseconds * 1e-6, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Readings, TimeNow,
                         testing::Values(reading_case{0, 0, 0}, reading_case{1, 0, 1000},
                                         reading_case{999, 0, 999000}, reading_case{1000, 1, 0},
                                         reading_case{3723456, 3723, 456000},
                                         reading_case{3000000001, 3000000, 1000}));

struct sleep_case {
    uint64_t start_ms;
    int seconds, microseconds;
    std::vector<uint32_t> sleeps; // 0 is a yield
    uint64_t end_ms;
};

void PrintTo(const sleep_case& c, std::ostream* out) {
    *out << "at " << c.start_ms << " ms for " << c.seconds << " s " << c.microseconds << " us";
}

class SleepFor : public testing::TestWithParam<sleep_case> {
  protected:
    void TearDown() override { fake_clock_remove(); }
};

TEST_P(SleepFor, SleepsOneMillisecondShortThenYieldsUntilDue) {
    const sleep_case& c = GetParam();
    fake_clock_install(c.start_ms);
    sleep_for(c.seconds, c.microseconds);
    EXPECT_EQ(fake_clock.sleeps, c.sleeps);
    EXPECT_EQ(fake_clock.now_ms, c.end_ms);
}

INSTANTIATE_TEST_SUITE_P(
    Waits, SleepFor,
    testing::Values(
        sleep_case{5000, 0, 0, {}, 5000},
        sleep_case{5000, 0, 500, {0}, 5001},  // no real sleep; due once the counter moves on
        sleep_case{5000, 0, 1000, {1}, 5001}, // one millisecond is not shortened
        sleep_case{5000, 0, 2000, {1, 0}, 5002}, sleep_case{5000, 0, 7812, {6, 0, 0}, 5008},
        sleep_case{5000, 1, 0, {999, 0}, 6000},
        sleep_case{5000, 0, 1500000, {1499, 0}, 6500}, // microseconds past a second
        sleep_case{5000, 2, 1250000, {3249, 0}, 8250},
        sleep_case{999, 0, 2000, {1, 0}, 1001}, // the wanted time carries into the next second
        sleep_case{5999, 0, 500, {0}, 6000}));

} // namespace
