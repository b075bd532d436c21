// tests/platform/event_queue_test.cpp — the circular input event queue: time-stamp order,
// the full queue, the release flag, taking only due events, and reading through a window.
#include "platform/input.h"
#include "platform/window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

struct event {
    uint32_t code;
    int pressed;
    int seconds, microseconds;
    bool operator==(const event&) const = default;
};

std::ostream& operator<<(std::ostream& out, const event& e) {
    return out << "{0x" << std::hex << e.code << std::dec << (e.pressed ? " down " : " up ")
               << e.seconds << "s " << e.microseconds << "us}";
}

class EventQueue : public testing::Test {
  protected:
    event_queue queue;
    void SetUp() override { event_queue_clear(&queue); }

    void push(const event& e) {
        event_queue_push(&queue, e.code, e.pressed, e.seconds, e.microseconds);
    }
    std::vector<event> take_all() {
        std::vector<event> taken;
        event e;
        while (event_queue_take(&queue, &e.code, &e.pressed, &e.seconds, &e.microseconds))
            taken.push_back(e);
        return taken;
    }
};

TEST_F(EventQueue, TakesEventsInTimeStampOrder) {
    // Seconds compare first, then microseconds.
    for (const event& e : {event{1, 1, 2, 0}, event{2, 1, 1, 500}, event{3, 1, 1, 999999},
                           event{4, 1, 0, 999999}, event{5, 1, 3, 0}, event{6, 1, 1, 200}})
        push(e);
    EXPECT_EQ(take_all(), (std::vector<event>{{4, 1, 0, 999999},
                                              {6, 1, 1, 200},
                                              {2, 1, 1, 500},
                                              {3, 1, 1, 999999},
                                              {1, 1, 2, 0},
                                              {5, 1, 3, 0}}));
    EXPECT_EQ(queue.count, 0);
}

TEST_F(EventQueue, EqualStampsKeepArrivalOrder) {
    for (const event& e : {event{1, 1, 5, 10}, event{2, 0, 5, 10}, event{3, 1, 6, 0},
                           event{4, 1, 5, 10}, event{5, 1, 4, 0}, event{6, 0, 5, 10}})
        push(e);
    EXPECT_EQ(take_all(), (std::vector<event>{{5, 1, 4, 0},
                                              {1, 1, 5, 10},
                                              {2, 0, 5, 10},
                                              {4, 1, 5, 10},
                                              {6, 0, 5, 10},
                                              {3, 1, 6, 0}}));
}

TEST_F(EventQueue, FullQueueDropsTheNewEvent) {
    for (int i = 0; i < event_queue_capacity; ++i) push({(uint32_t)i, 1, 10 + i, 0});
    push({0x999, 1, 0, 0}); // earlier than everything queued, still dropped
    EXPECT_EQ(queue.count, event_queue_capacity);
    std::vector<event> taken = take_all();
    ASSERT_EQ(taken.size(), (size_t)event_queue_capacity);
    EXPECT_EQ(taken.front(), (event{0, 1, 10, 0}));
    EXPECT_EQ(taken.back(), (event{255, 1, 265, 0}));
}

struct flag_case {
    uint32_t code;
    int pressed;
    uint32_t code_out;
    int pressed_out;
};

void PrintTo(const flag_case& c, std::ostream* out) {
    *out << "0x" << std::hex << c.code << std::dec << " pressed " << c.pressed;
}

class EventFlag : public EventQueue, public testing::WithParamInterface<flag_case> {};

TEST_P(EventFlag, ReleaseTravelsInBit31AndNeverInTheCode) {
    push({GetParam().code, GetParam().pressed, 1, 0});
    std::vector<event> taken = take_all();
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].code, GetParam().code_out);
    EXPECT_EQ(taken[0].pressed, GetParam().pressed_out);
}

INSTANTIATE_TEST_SUITE_P(Codes, EventFlag,
                         testing::Values(flag_case{'a', 1, 'a', 1},
                                         flag_case{input_key_base + 0x149, 0,
                                                   input_key_base + 0x149, 0},
                                         flag_case{input_close, 5, input_close, 1},
                                         flag_case{0x7FFF0003, 0, 0x7FFF0003, 0},
                                         flag_case{0x7FFF0003, 1, 0x7FFF0003, 1}));

TEST_F(EventQueue, TakeDueTakesOnlyEventsNoLaterThanTheLimit) {
    for (const event& e : {event{1, 1, 1, 0}, event{2, 0, 1, 500}, event{3, 1, 2, 0}}) push(e);
    event e{};
    EXPECT_EQ(event_queue_take_due(&queue, &e.code, &e.pressed, 0, 999999), 0);
    std::vector<uint32_t> due;
    while (event_queue_take_due(&queue, &e.code, &e.pressed, 1, 500)) due.push_back(e.code);
    EXPECT_EQ(due, (std::vector<uint32_t>{1, 2})); // a stamp equal to the limit is due
    EXPECT_EQ(e.pressed, 0);
    EXPECT_EQ(queue.count, 1);
    EXPECT_EQ(event_queue_take_due(&queue, &e.code, &e.pressed, 2, 0), 1);
    EXPECT_EQ(e.code, 3u);
    EXPECT_EQ(event_queue_take_due(&queue, &e.code, &e.pressed, 100, 0), 0);
}

TEST_F(EventQueue, StaysOrderedAcrossManyWrapArounds) {
    // A simple model: a list kept sorted by stamp, equal stamps in arrival order.
    std::vector<event> model;
    uint32_t random = 12345, next_code = 0;
    auto roll = [&](uint32_t range) {
        random = random * 1103515245u + 12345u;
        return (random >> 16) % range;
    };
    int base_ms = 0;
    for (int step = 0; step < 20000; ++step) {
        if (roll(100) < 52) {
            // Stamps within a few ms of a slowly rising time, often equal, out of order.
            int ms = base_ms + (int)roll(6);
            event e{next_code++, (int)roll(2), ms / 1000, ms % 1000 * 1000};
            push(e);
            if (model.size() < (size_t)event_queue_capacity) {
                auto at = std::upper_bound(
                    model.begin(), model.end(), e, [](const event& a, const event& b) {
                        return a.seconds != b.seconds ? a.seconds < b.seconds
                                                      : a.microseconds < b.microseconds;
                    });
                model.insert(at, e);
            }
            base_ms += (int)roll(3);
        } else {
            event e{};
            int took = event_queue_take(&queue, &e.code, &e.pressed, &e.seconds, &e.microseconds);
            ASSERT_EQ(took, model.empty() ? 0 : 1) << "step " << step;
            if (took) {
                ASSERT_EQ(e, model.front()) << "step " << step;
                model.erase(model.begin());
            }
        }
        ASSERT_EQ(queue.count, (int)model.size()) << "step " << step;
    }
}

TEST(WindowEvents, QueuedEventsAreReadBackWithTheirStamps) {
    game_window window{};
    event_queue_clear(&window.events);
    input_queue_event(&window, input_mouse_left, 1, 7, 250000);
    input_queue_event(&window, input_mouse_left, 0, 7, 125000);
    input_queue_event(&window, input_close, 1, 8, 0);

    event e{};
    ASSERT_EQ(input_next_event(&window, &e.code, &e.pressed, &e.seconds, &e.microseconds), 1);
    EXPECT_EQ(e, (event{input_mouse_left, 0, 7, 125000}));
    EXPECT_EQ(input_next_event_due(&window, &e.code, &e.pressed, 7, 249999), 0);
    ASSERT_EQ(input_next_event_due(&window, &e.code, &e.pressed, 7, 250000), 1);
    EXPECT_EQ(e.code, input_mouse_left);
    EXPECT_EQ(e.pressed, 1);
    ASSERT_EQ(input_next_event(&window, &e.code, &e.pressed, &e.seconds, &e.microseconds), 1);
    EXPECT_EQ(e, (event{input_close, 1, 8, 0}));
    EXPECT_EQ(input_next_event(&window, &e.code, &e.pressed, &e.seconds, &e.microseconds), 0);
}

} // namespace
