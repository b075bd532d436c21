// The game window on a real X display (the test run starts Xvfb): the window opens at its
// size and clears to the start-up colour, typed keys arrive as key codes and characters in
// time-stamp order, the close button asks to quit, and the built game closes cleanly.
#include "platform/clock.h"
#include "platform/input.h"
#include "platform/window.h"
#include "render/gl_caps.h"
#include "render/render.h"
#include "support/child_process.h"
#include "support/png_file.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <cstdlib>
#include <filesystem>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct event {
    uint32_t code;
    int pressed;
    int64_t ms;
};

// The X window whose title is exactly the given text, found by xdotool.
unsigned long find_window(const char* title) {
    std::string command =
        std::string("timeout 10 xdotool search --sync --onlyvisible --name '^") + title + "$'";
    FILE* p = popen(command.c_str(), "r");
    unsigned long id = 0;
    if (p) {
        if (fscanf(p, "%lu", &id) != 1) id = 0;
        pclose(p);
    }
    return id;
}

// What the window manager's close button sends.
void send_close_request(unsigned long window) {
    Display* d = XOpenDisplay(nullptr);
    ASSERT_NE(d, nullptr);
    XEvent e = {};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = (long)XInternAtom(d, "WM_DELETE_WINDOW", False);
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, window, False, NoEventMask, &e);
    XFlush(d);
    XCloseDisplay(d);
}

// Events taken from the window until none came for a while.
std::vector<event> drain(game_window* w, int quiet_ms = 400) {
    std::vector<event> got;
    uint64_t last = time_now_ms();
    while (time_now_ms() - last < (uint64_t)quiet_ms) {
        uint32_t code;
        int pressed, s, us;
        if (input_next_event(w, &code, &pressed, &s, &us)) {
            got.push_back({code, pressed, (int64_t)s * 1000 + us / 1000});
            last = time_now_ms();
        } else {
            sleep_for(0, 5000);
        }
    }
    return got;
}

class window_test : public testing::Test {
  protected:
    game_window* w = nullptr;
    void open(int width, int height, int flags = 24) {
        w = window_open_gl("Tarvik", width, height, flags, 0, 16, 0, 0);
        ASSERT_NE(w, nullptr);
        drain(w, 200); // the window's own start-up events
    }
    void TearDown() override {
        if (w) window_close_gl(w);
    }
};

TEST_F(window_test, opens_at_the_asked_size_and_clears_to_the_start_colour) {
    open(320, 240);
    window_frame* frame = window_begin_frame(w);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->width, 320);
    EXPECT_EQ(frame->height, 240);
    ASSERT_TRUE(gl_load_capabilities());
    gl_initial_state(0);
    set_projection(frame->width, frame->height, 110);
    render_clear_frame();
    std::vector<unsigned char> rgb(320 * 240 * 3);
    ASSERT_TRUE(read_frame_pixels(320, 240, rgb.data()));
    window_end_frame(w);
    write_png_bottom_up("window_start_colour.png", 320, 240, rgb.data());
    for (size_t at : {(size_t)0, rgb.size() / 2 / 3 * 3, rgb.size() - 3}) {
        EXPECT_NEAR(rgb[at], 50, 1);
        EXPECT_NEAR(rgb[at + 1], 153, 1);
        EXPECT_NEAR(rgb[at + 2], 204, 1);
    }
}

TEST_F(window_test, a_window_of_width_0_and_fullscreen_take_the_desktop_size) {
    open(0, 0);
    window_frame* frame = window_begin_frame(w);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->width, display_modes()[0].width);
    EXPECT_EQ(frame->height, display_modes()[0].height);
    window_end_frame(w);
    window_close_gl(w);
    w = nullptr;
    open(0, 0, 24 | window_fullscreen_flag);
    frame = window_begin_frame(w);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->width, display_modes()[0].width);
    window_end_frame(w);
}

TEST_F(window_test, typed_keys_arrive_as_codes_and_characters_in_time_order) {
    open(320, 240);
    unsigned long id = find_window("Tarvik");
    ASSERT_NE(id, 0u);
    int64_t before = (int64_t)time_now_ms();
    std::string command = "xdotool windowfocus --sync " + std::to_string(id) +
                          " key --delay 30 x Tab Pause Num_Lock KP_Enter Escape BackSpace";
    ASSERT_EQ(system(command.c_str()), 0);
    std::vector<event> got = drain(w);
    int64_t after = (int64_t)time_now_ms();
    const std::vector<std::pair<uint32_t, int>> expected = {
        {0x102D, 1}, {'x', 1},    {0x102D, 0}, {0x100F, 1}, {9, 1},      {0x100F, 0}, {0x1045, 1},
        {0x1045, 0}, {0x1145, 1}, {0x1145, 0}, {0x111C, 1}, {13, 1},     {0x111C, 0}, {0x1001, 1},
        {27, 1},     {0x1001, 0}, {0x100E, 1}, {8, 1},      {0x100E, 0},
    };
    std::vector<std::pair<uint32_t, int>> codes;
    for (const event& e : got) codes.push_back({e.code, e.pressed});
    EXPECT_EQ(codes, expected);
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_GE(got[i].ms, before - 1);
        EXPECT_LE(got[i].ms, after);
        if (i) {
            EXPECT_GE(got[i].ms, got[i - 1].ms) << "event " << i;
        }
    }
    EXPECT_STREQ(input_code_name(w, 0x102D), "X");
    EXPECT_STREQ(input_code_name(w, 0x1045), "Pause");
    EXPECT_STREQ(input_code_name(w, 0x1145), "Num Lock");
    EXPECT_STREQ(input_code_name(w, 0x111C), "Keypad Enter");
}

TEST_F(window_test, the_close_button_asks_and_leaves_the_window_open) {
    open(320, 240);
    unsigned long id = find_window("Tarvik");
    ASSERT_NE(id, 0u);
    send_close_request(id);
    std::vector<event> got = drain(w);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].code, input_close);
    EXPECT_EQ(got[0].pressed, 1);
    EXPECT_TRUE(window_is_open(w));
}

// The built game: a key bound in "@config" reaches its ride controls, the close button ends it
// through its shutdown with status 0, and the configuration is written back whole.
TEST(game_window, the_game_answers_a_key_and_closes_cleanly) {
    std::string home = make_temp_folder();
    std::filesystem::create_directories(home + "/Tarvik");
    FILE* config = fopen((home + "/Tarvik/config").c_str(), "wb");
    ASSERT_NE(config, nullptr);
    fputs("throttle_key=(k)q\nvideo_mode=Windowed\nxres=400\nyres=300\n", config);
    fclose(config);
    pid_t game = fork();
    if (game == 0) {
        setenv("XDG_DATA_HOME", home.c_str(), 1);
        execl(TARVIK_BINARY, TARVIK_BINARY, "--debug", "--nosound", (char*)nullptr);
        _exit(127);
    }
    unsigned long id = find_window("Tarvik");
    ASSERT_NE(id, 0u);
    std::string keys = "xdotool windowfocus --sync " + std::to_string(id) + " key --delay 50 q";
    EXPECT_EQ(system(keys.c_str()), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    send_close_request(id);
    int status = -1;
    for (int i = 0; i < 100 && waitpid(game, &status, WNOHANG) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (waitpid(game, &status, WNOHANG) == 0) {
        kill(game, SIGKILL);
        waitpid(game, &status, 0);
        FAIL() << "the game did not close";
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    std::string log = read_file(home + "/Tarvik/lastlog.txt");
    EXPECT_NE(log.find("Ride control \"Throttle\" pressed\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Ride control \"Throttle\" released\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Window shutdown complete\n"), std::string::npos) << log;
    std::string written = read_file(home + "/Tarvik/config");
    for (const char* line : {"xres=400\n", "video_mode=Windowed\n", "throttle_key=(k)q\n",
                             "screenshot_key=(k)s\n", "message_lines=5\n"})
        EXPECT_NE(written.find(line), std::string::npos) << line << written;
    std::filesystem::remove_all(home);
}

} // namespace
