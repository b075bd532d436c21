// The command line: every option in both value forms, the clamps, the error messages with
// their exit statuses, "--" and the file arguments.
#include "app/command_line.h"
#include "app/run_settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int go_on = -1;

struct parse_result {
    int status;
    std::string errors;
};

class command_line : public testing::Test {
  protected:
    std::vector<std::string> storage; // the values point into these

    parse_result parse(const std::vector<std::string>& args) {
        run_settings_reset();
        storage = args;
        std::vector<char*> argv = {const_cast<char*>("tarvik")};
        for (std::string& a : storage) argv.push_back(a.data());
        argv.push_back(nullptr);
        testing::internal::CaptureStderr();
        int status = read_command_line((int)storage.size() + 1, argv.data());
        return {status, testing::internal::GetCapturedStderr()};
    }
};

const run_settings_record& rs = run_settings;
const app_globals_record& g = app_globals;
const entry_values_record& e = entry_values;

struct flag_case {
    const char* option;
    std::function<bool()> set;
};

TEST_F(command_line, every_flag_sets_its_value) {
    const flag_case cases[] = {
        {"--fugly", [] { return rs.flat_shading == 1; }},
        {"--nosound", [] { return e.sound_off == 1; }},
        {"--novertexarrays", [] { return rs.no_vertex_arrays == 1; }},
        {"--learn", [] { return g.learn_lines == 1; }},
        {"--debug", [] { return rs.debug_level == 1; }},
        {"--super-debug", [] { return rs.debug_level == 2; }},
        {"--practice", [] { return rs.practice == 1; }},
        {"--warp", [] { return e.warp == 1; }},
        {"--record-video", [] { return e.record_video == 1; }},
        {"--editor", [] { return g.editor_enabled == 1; }},
        {"--hidden-pause", [] { return e.show_pause_text == 0; }},
        {"--hidden-hud", [] { return e.show_hud == 0; }},
        {"--accurate-skip", [] { return g.accurate_skip == 1; }},
        {"--glfinish", [] { return e.gl_finish == 1; }},
        {"--print-orientation", [] { return g.print_orientation == 1; }},
    };
    for (const flag_case& c : cases) {
        parse_result r = parse({c.option});
        EXPECT_EQ(r.status, go_on) << c.option;
        EXPECT_EQ(r.errors, "") << c.option;
        EXPECT_TRUE(c.set()) << c.option;
    }
    EXPECT_EQ(parse({"--learn", "--nolearn"}).status, go_on);
    EXPECT_EQ(g.learn_lines, 0);
}

TEST_F(command_line, nommx_clears_the_processor_flag) {
    parse({"--nommx"});
    EXPECT_EQ(rs.use_mmx, 0);
}

struct value_case {
    const char* option;
    const char* value;
    std::function<bool()> stored;
};

// Each case runs twice: the value as the next argument, and joined by "=".
TEST_F(command_line, every_value_option_stores_and_clamps_in_both_forms) {
    const value_case cases[] = {
        {"--texture-detail", "9",
         [] { return rs.texture_reduce == 4 && rs.ground_texture_reduce == 4; }},
        {"--texture-detail", "-3",
         [] { return rs.texture_reduce == 0 && rs.ground_texture_reduce == 0; }},
        {"--texture-detail", "2",
         [] { return rs.texture_reduce == 2 && rs.ground_texture_reduce == 2; }},
        {"--ground-texture-detail", "7",
         [] { return rs.ground_texture_reduce == 4 && rs.texture_reduce == 0; }},
        {"--roostfrequency", "5000", [] { return rs.roost_frequency == 1000; }},
        {"--roostfrequency", "-1", [] { return rs.roost_frequency == 0; }},
        {"--roostfrequency", "500", [] { return rs.roost_frequency == 500; }},
        {"--erode", "250", [] { return rs.erode == 100; }},
        {"--erode", "-5", [] { return rs.erode == 0; }},
        {"--erode", "12.5", [] { return rs.erode == 12.5f; }},
        {"--detail", "1000", [] { return rs.terrain_detail == 1000; }},
        {"--max-detail-distance", "100",
         [] { return rs.max_detail_distance == 100 && rs.detail_fade_distance == 105; }},
        {"--lod-scale", "0", [] { return rs.lod_scale == 0.000001f; }},
        {"--lod-scale", "1e9", [] { return rs.lod_scale == 1000000; }},
        {"--lod-scale", "2.5", [] { return rs.lod_scale == 2.5f; }},
        {"--lod-bias", "-3.5", [] { return rs.lod_bias == -3.5f; }},
        {"--lock-fps", "30", [] { return e.lock_fps == 30; }},
        {"--fake-lag", "2500", [] { return g.fake_lag == 1; }},
        {"--fake-lag", "250", [] { return std::abs(g.fake_lag - 0.25) < 1e-9; }},
        {"--fake-lag", "-10", [] { return g.fake_lag == 0; }},
        {"--fake-loss", "101", [] { return g.fake_loss == 100; }},
        {"--fake-loss", "50", [] { return g.fake_loss == 50; }},
        {"--record-audio", "out.raw", [] { return std::string(e.record_audio_path) == "out.raw"; }},
        {"--rotate-lineup", "3", [] { return g.rotate_lineup == 3; }},
        {"--rotate-lineup", "x", [] { return g.rotate_lineup == 0; }},
        {"--width", "800", [] { return rs.window_width == 800; }},
        {"--width", "wide", [] { return rs.window_width == 640; }},
        {"--height", "600", [] { return rs.window_height == 600; }},
        {"--depth", "32", [] { return e.color_depth == 32; }},
        {"--depth", "deep", [] { return e.color_depth == 0; }},
        {"--draw-fps", "1", [] { return g.draw_fps == 1; }},
        {"--draw-time", "1", [] { return g.draw_time == 1; }},
        {"--draw-ping", "1", [] { return rs.draw_ping == 1; }},
        {"--draw-render-stats", "2", [] { return g.draw_render_stats == 2; }},
        {"--track", "tracks/hill", [] { return std::string(g.start_track) == "tracks/hill"; }},
        {"--connect", "host:1", [] { return std::string(g.server_address) == "host:1"; }},
        {"--connect", "tarvik:host:1", [] { return std::string(g.server_address) == "host:1"; }},
        {"--password", "pw", [] { return std::string(g.server_password) == "pw"; }},
        {"--chase-center", "1,2.5,-3",
         [] {
             return e.chase_center[0] == 1 && e.chase_center[1] == 2.5f && e.chase_center[2] == -3;
         }},
    };
    for (const value_case& c : cases) {
        std::string joined = std::string(c.option) + "=" + c.value;
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{c.option, c.value}, std::vector<std::string>{joined}}) {
            parse_result r = parse(args);
            EXPECT_EQ(r.status, go_on) << joined;
            EXPECT_EQ(r.errors, "") << joined;
            EXPECT_TRUE(c.stored()) << joined << (args.size() == 2 ? " (separate)" : " (joined)");
        }
    }
}

TEST_F(command_line, unreadable_checked_values_stop_with_bad_arg) {
    for (const char* option :
         {"--texture-detail", "--ground-texture-detail", "--roostfrequency", "--erode", "--detail",
          "--max-detail-distance", "--lod-scale", "--lod-bias", "--lock-fps", "--fake-lag",
          "--fake-loss", "--chase-center"}) {
        parse_result r = parse({option, "abc"});
        EXPECT_EQ(r.status, 1) << option;
        EXPECT_EQ(r.errors, std::string("Bad arg for ") + option + "\n");
    }
    parse_result r = parse({"--chase-center", "1,2"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.errors, "Bad arg for --chase-center\n");
    EXPECT_EQ(e.chase_center[1], 2.52f) << "a failed chase centre keeps the old one";
}

TEST_F(command_line, a_failure_ends_the_reading) {
    parse_result r = parse({"--erode", "x", "--fugly"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(rs.flat_shading, 0);
}

TEST_F(command_line, a_value_option_standing_last_is_reported) {
    parse_result r = parse({"--fugly", "--width"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.errors, "Missing value for --width\n");
}

TEST_F(command_line, connect_cancels_track_either_way) {
    for (const char* address : {"host", "tarvik:host"}) {
        parse_result r = parse({"--track", "hill", "--connect", address});
        EXPECT_EQ(r.status, go_on);
        EXPECT_EQ(g.start_track, nullptr);
        EXPECT_STREQ(g.server_address, "host");
    }
}

TEST_F(command_line, bikes_is_accepted_with_a_notice) {
    parse_result r = parse({"--bikes", "5", "--fugly"});
    EXPECT_EQ(r.status, go_on);
    EXPECT_EQ(r.errors, "--bikes doesn't do anything anymore\n");
    EXPECT_EQ(rs.flat_shading, 1);
}

TEST_F(command_line, unknown_options_and_files) {
    struct file_case {
        std::vector<std::string> args;
        int status;
        const char* errors;
        const char* demo;
    };
    const file_case cases[] = {
        {{"--nope"}, 1, "bad option '--nope'\n", nullptr},
        {{"-x"}, 1, "bad option '-x'\n", nullptr},
        {{"race.qddemo"}, go_on, "", "race.qddemo"},
        {{"a.qddemo", "b.qddemo"}, 1, "Too many files!\n", "a.qddemo"},
        {{"--", "-dash.qddemo"}, go_on, "", "-dash.qddemo"},
        {{"--fugly", "--", "--warp"}, go_on, "", "--warp"},
        {{"--"}, go_on, "", nullptr},
        {{"--", "a.qddemo", "b.qddemo"}, 1, "Too many files!\n", "a.qddemo"},
    };
    for (const file_case& c : cases) {
        parse_result r = parse(c.args);
        std::string shown = testing::PrintToString(c.args);
        EXPECT_EQ(r.status, c.status) << shown;
        EXPECT_EQ(r.errors, c.errors) << shown;
        EXPECT_STREQ(g.demo_argument, c.demo) << shown;
    }
    EXPECT_EQ(e.warp, 0) << "after -- an option is a file";
}

TEST_F(command_line, open_home_stops_at_once_with_status_0) {
    parse_result r = parse({"--open-home", "--nope"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.errors, "");
}

TEST(match_option, needs_the_whole_name_or_an_equals_sign) {
    char a0[] = "--widthx=3", a1[] = "--width=7";
    char* argv[] = {a0, a1};
    option_cursor cursor = {2, argv, false};
    const char* value = nullptr;
    EXPECT_FALSE(match_option(&cursor, "--width", &value));
    EXPECT_FALSE(match_option(&cursor, "--width", nullptr)) << "a flag must match exactly";
    ++cursor.next;
    --cursor.left;
    EXPECT_TRUE(match_option(&cursor, "--width", &value));
    EXPECT_STREQ(value, "7");
    EXPECT_EQ(cursor.left, 0);
}

} // namespace
