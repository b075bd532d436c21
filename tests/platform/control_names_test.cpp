// Input names and codes both ways: the whole fixed key table, loose matching, hexadecimal
// scan codes, the special names, and device buttons with their ids.
#include "platform/devices.h"
#include "platform/input.h"
#include "platform/key_names.h"
#include "platform/window.h"

#include <gtest/gtest.h>

#include <string>

namespace {

uint32_t code_of(game_window* w, const char* name) {
    uint32_t code = 0;
    return input_button_code(w, name, &code) ? code : 0;
}

TEST(control_names, every_fixed_name_resolves_and_every_code_names_itself) {
    game_window w;
    for (const key_name_row& row : fixed_key_names) {
        uint32_t code = code_of(&w, row.name);
        // The keyboard's own names come first; its "M" and "N" are the keys' real codes.
        if (std::string(row.name) == "M")
            EXPECT_EQ(code, 0x1032u);
        else if (std::string(row.name) == "N")
            EXPECT_EQ(code, 0x1031u);
        else
            EXPECT_EQ(code, row.code) << row.name;
        const char* name = input_code_name(&w, row.code);
        ASSERT_NE(name, nullptr) << row.name;
        EXPECT_EQ(code_of(&w, name), row.code) << row.name << " named " << name;
    }
    for (uint32_t scan = 0; scan < 512; ++scan) {
        const char* name = input_code_name(&w, input_key_base + scan);
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(code_of(&w, name), input_key_base + scan) << name;
    }
}

TEST(control_names, the_configured_start_keys_all_resolve) {
    game_window w;
    const struct {
        const char* name;
        uint32_t code;
    } cases[] = {
        {"left", 0x114B},       {"right", 0x114D},
        {"x", 0x102D},          {"c", 0x102E},
        {"v", 0x102F},          {"up", 0x1148},
        {"down", 0x1150},       {"z", 0x102C},
        {"right ctrl", 0x111D}, {"b", 0x1030},
        {"n", 0x1031},          {"m", 0x1032},
        {"pause", 0x1045},      {".", 0x1034},
        {"\\", 0x102B},         {"/", 0x1035},
        {"[", 0x101A},          {"]", 0x101B},
        {"t", 0x1014},          {"s", 0x101F},
        {"enter", 0x101C},      {"keypad enter", 0x111C},
        {"esc", 0x1001},        {"page up", 0x1149},
        {"Page_Up", 0x1149},    {"PAGE UP", 0x1149},
        {"page down", 0x1151},  {"num lock", 0x1145},
        {"0x1d", 0x101D},       {"Close", 0xDEAD},
        {"Mouse Left", 0x2000}, {"mouse right", 0x2002},
    };
    for (const auto& c : cases) EXPECT_EQ(code_of(&w, c.name), c.code) << c.name;
    for (const char* bad : {"0x200", "pageup", "nothing", ""})
        EXPECT_EQ(code_of(&w, bad), 0u) << bad;
}

TEST(control_names, special_codes_and_characters) {
    game_window w;
    EXPECT_STREQ(input_code_name(&w, 0xDEAD), "Close");
    EXPECT_STREQ(input_code_name(&w, 0x2001), "Mouse Middle");
    EXPECT_EQ(input_code_name(&w, 'a'), nullptr) << "characters have no name";
}

// A device with buttons and axes that does nothing, to name its inputs.
bool yes(input_device*) {
    return true;
}
void nothing(input_device*) {}
int axis_zero(input_device*, int) {
    return 0;
}
const input_device_ops quiet_ops = {yes, yes, nothing, axis_zero, nothing, nothing};

class device_names : public testing::Test {
  protected:
    game_window w;
    void TearDown() override { devices_close_all(&w); }
};

TEST_F(device_names, buttons_by_either_form_within_the_count) {
    input_device* stick = device_add(&w, "Joystick1", 2, 12, &quiet_ops);
    input_device* pad = device_add(&w, "DualAction", 2, 8, &quiet_ops);
    EXPECT_EQ(code_of(&w, "Joystick1.key[3]"), stick->id + 3);
    EXPECT_TRUE(stick->buttons_active) << "a named button starts the polling";
    EXPECT_FALSE(pad->buttons_active);
    EXPECT_EQ(code_of(&w, "Joystick1.key[12]"), 0u);
    EXPECT_EQ(code_of(&w, "Joystick1 button 11"), stick->id + 11);
    EXPECT_EQ(code_of(&w, "DualAction.key[3]"), pad->id + 3);
    EXPECT_EQ(code_of(&w, "Dual Action button 3"), 0u) << "no blanks in the second form";
    EXPECT_STREQ(input_code_name(&w, stick->id + 5), "Joystick1 button 5");
    EXPECT_EQ(input_code_name(&w, 0x7FFF0000u + 1), nullptr);
}

TEST_F(device_names, twins_get_their_own_names_and_ids) {
    std::string first = device_unique_name(&w, "GamePad");
    input_device* a = device_add(&w, first, 2, 4, &quiet_ops);
    std::string second = device_unique_name(&w, "GamePad");
    input_device* b = device_add(&w, second, 2, 4, &quiet_ops);
    std::string third = device_unique_name(&w, "GamePad");
    EXPECT_EQ(first, "GamePad");
    EXPECT_EQ(second, "GamePad#2");
    EXPECT_EQ(third, "GamePad#3");
    EXPECT_NE(a->id, b->id);
    EXPECT_NE(a->id, 0u);
    EXPECT_EQ(a->id & 0xFFFF, 0u);
    // The same name again collides with an id in use and moves on to the next free one.
    EXPECT_NE(device_id_for(&w, "GamePad"), a->id);
}

TEST_F(device_names, axes_open_by_either_form_and_count_their_users) {
    input_device* stick = device_add(&w, "Joystick1", 3, 2, &quiet_ops);
    axis_handle* a = input_axis_open(&w, "Joystick1.axis[2]");
    axis_handle* b = input_axis_open(&w, "Joystick1 axis 0");
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(input_axis_open(&w, "Joystick1 axis 3"), nullptr);
    EXPECT_EQ(input_axis_open(&w, "Nobody axis 0"), nullptr);
    EXPECT_EQ(stick->axis_users, 2);
    input_axis_close(a);
    input_axis_close(b);
    EXPECT_EQ(stick->axis_users, 0);
}

} // namespace
