// The configuration file and the bike setup files: what is written reads back the same,
// values are clamped or refused, bindings keep their form, old and broken files still load,
// and a failed write keeps the old file.
#include "app/bike_setup.h"
#include "app/run_settings.h"
#include "app/track_list.h"
#include "resources/files.h"
#include "resources/writers.h"
#include "support/child_process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

namespace {

class config : public testing::Test {
  protected:
    std::string user = make_temp_folder();
    std::string data = make_temp_folder();
    std::string home = user + "/Tarvik/";

    void SetUp() override {
        setenv("XDG_DATA_HOME", user.c_str(), 1);
        setenv("QD_HOME", data.c_str(), 1);
        file_system_reset();
        start_values();
    }
    void TearDown() override {
        unsetenv("QD_HOME");
        file_system_reset();
        std::filesystem::remove_all(user);
        std::filesystem::remove_all(data);
    }
    static void start_values() {
        run_settings_reset();
        settings_reset();
        bike_setup_reset();
        track_list = track_list_record{};
    }
    void put_config(const std::string& text) {
        ASSERT_TRUE(write_whole_file(home + "config", text));
    }
    std::string written() { return read_file(home + "config"); }
    // The config line of a key as written, without its line feed.
    std::string line_of(const std::string& key) {
        std::string text = written();
        size_t at = text.find("\n" + key + "=");
        if (at == std::string::npos) return "";
        size_t end = text.find('\n', at + 1);
        return text.substr(at + 1, end - at - 1);
    }
};

TEST_F(config, start_values_written_read_back_and_written_again_are_identical) {
    write_config();
    std::string first = written();
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.rfind("xres=640\nyres=480\ndraw_fps=0\n", 0), 0u);
    EXPECT_NE(first.find("\nlaps=5.000000\n"), std::string::npos);
    EXPECT_NE(first.find("\nbike=450sxf(2013)\nname=Joe Motocross\nnumber=999\n"),
              std::string::npos);
    EXPECT_NE(first.find("\nthrottle_key=(k)x\n"), std::string::npos);
    EXPECT_EQ(first.find("use_fbo"), std::string::npos);
    settings.laps.value = 17;
    bike_setup.name = "Someone";
    read_config();
    write_config();
    EXPECT_EQ(written(), first);
}

TEST_F(config, changed_values_survive_the_round_trip) {
    settings.laps.value = 12;
    settings.fov.value = 95.5;
    set_choice(&settings.skill, "Expert");
    set_choice(&settings.slots[5], "Robot (4 stroke)");
    set_choice(&settings.render_texture, "Shaders/Copy");
    run_settings.window_width = 1280;
    settings.spy = 1;
    bike_setup.number = "42";
    set_choice(&bike_setup.sticky_dab, "Yes");
    bike_setup.rider_mass_distribution.value = 0.4;
    strcpy(settings.server_history[3], "race.example:19800");
    write_config();
    std::string first = written();
    start_values();
    read_config();
    EXPECT_EQ(settings.laps.value, 12);
    EXPECT_EQ(settings.fov.value, 95.5);
    EXPECT_STREQ(choice_name(&settings.skill), "Expert");
    EXPECT_EQ(settings.slots[5].index, 4);
    EXPECT_STREQ(choice_name(&settings.render_texture), "Shaders/Copy");
    EXPECT_EQ(run_settings.window_width, 1280);
    EXPECT_EQ(settings.spy, 1);
    EXPECT_EQ(bike_setup.number, "42");
    EXPECT_STREQ(choice_name(&bike_setup.sticky_dab), "Yes");
    EXPECT_DOUBLE_EQ(bike_setup.rider_mass_distribution.value, 0.4);
    EXPECT_STREQ(settings.server_history[3], "race.example:19800");
    write_config();
    EXPECT_EQ(written(), first);
}

TEST_F(config, values_are_clamped_or_refused) {
    const struct {
        std::string line;
        std::function<bool()> holds;
    } cases[] = {
        {"laps=99", [] { return settings.laps.value == 50; }},
        {"fov=5", [] { return settings.fov.value == 10; }},
        {"volume=loud", [] { return settings.volume.value == 10; }},
        {"minutes=-5", [] { return settings.minutes.value == 0; }},
        {"skill=expert", [] { return settings.skill.index == 0; }},
        {"skill=Expert", [] { return settings.skill.index == 2; }},
        {"slot07=Robot", [] { return settings.slots[7].index == 2; }},
        {"slot07=Pilot", [] { return settings.slots[7].index == 0; }},
        {"xres=wide", [] { return run_settings.window_width == 640; }},
        {"xres=800", [] { return run_settings.window_width == 800; }},
        {"max_dab_speed=50", [] { return bike_setup.max_dab_speed.value == 20; }},
        {"stop_wheelies=Front Only", [] { return bike_setup.stop_wheelies.index == 2; }},
        {"number=123456789", [] { return bike_setup.number == "1234567"; }},
        {"server_name_hist02=" + std::string(200, 'h'),
         [] { return settings.server_history[2][0] == 0; }},
        {"server_name=" + std::string(300, 's'),
         [] { return strlen(settings.server_name) == 127; }},
        {"track=dunes", [] { return std::string(settings.track) == "dunes"; }},
        {"laps=7\r", [] { return settings.laps.value == 7; }},
    };
    for (const auto& c : cases) {
        start_values();
        put_config(c.line + "\n");
        read_config();
        EXPECT_TRUE(c.holds()) << c.line;
    }
}

TEST_F(config, bindings_by_key_name_and_by_axis_keep_their_form) {
    put_config("throttle_key=(0.1,0.9)VirtualController axis 2\n"
               "front_brake_key=(k)q\n"
               "rear_brake_key= w\n"
               "clutch_key=(-0.0625,-0.9375)Pad axis 1\n");
    read_config();
    const control_binding& throttle = settings.bindings[bind_throttle];
    EXPECT_EQ(throttle.key_name, nullptr);
    EXPECT_STREQ(throttle.axis_name, "VirtualController axis 2");
    EXPECT_FLOAT_EQ(throttle.axis_low, 0.1f);
    EXPECT_FLOAT_EQ(throttle.axis_high, 0.9f);
    EXPECT_STREQ(settings.bindings[bind_front_brake].key_name, "q");
    EXPECT_STREQ(settings.bindings[bind_rear_brake].key_name, "w");
    write_config();
    EXPECT_EQ(line_of("throttle_key"), "throttle_key=(0.100000,0.900000)VirtualController axis 2");
    EXPECT_EQ(line_of("front_brake_key"), "front_brake_key=(k)q");
    EXPECT_EQ(line_of("rear_brake_key"), "rear_brake_key=(k)w");
    EXPECT_EQ(line_of("clutch_key"), "clutch_key=(-0.062500,-0.937500)Pad axis 1");
    start_values();
    read_config();
    EXPECT_STREQ(settings.bindings[bind_clutch].axis_name, "Pad axis 1");
    EXPECT_FLOAT_EQ(settings.bindings[bind_clutch].axis_high, -0.9375f);
}

TEST_F(config, an_older_file_with_keys_no_longer_known_still_loads) {
    put_config("ground_texture_distance=300\nsome_old_key=1\nuse_fbo=No\nlaps=3\n");
    read_config();
    EXPECT_STREQ(choice_name(&settings.render_texture), "Hardware/Copy");
    EXPECT_EQ(settings.laps.value, 3);
    write_config();
    EXPECT_EQ(line_of("render_texture"), "render_texture=Hardware/Copy");
    EXPECT_EQ(written().find("use_fbo"), std::string::npos);
    EXPECT_EQ(written().find("some_old_key"), std::string::npos);
}

TEST_F(config, broken_lines_are_skipped_and_the_rest_still_read) {
    std::string binary;
    for (int i = 0; i < 3000; ++i) binary += (char)(i * 37 % 256);
    put_config("no equals sign here\n" + std::string(5000, 'k') + "=1\n" + binary +
               "\nfov=60\n=\nlaps=\nminutes=9\n");
    read_config();
    EXPECT_EQ(settings.fov.value, 60);
    EXPECT_EQ(settings.laps.value, 5);
    EXPECT_EQ(settings.minutes.value, 9);
}

// The log opens once per process, so the warnings are read in a fresh run of this program
// that only reads the configuration (the disabled test below).
TEST_F(config, warnings_name_the_line_and_the_problem) {
    put_config("laps=99\nnonsense\nmystery=1\nvolume=loud\n" + std::string(2000, 'x') + "\n");
    std::string log = home + "warnings.txt";
    std::string errors;
    int status =
        run_program("/proc/self/exe",
                    {"--gtest_filter=config_child.DISABLED_reads_the_config",
                     "--gtest_also_run_disabled_tests"},
                    {"VEXO_LOGFILE=" + log, "XDG_DATA_HOME=" + user, "QD_HOME=" + data}, &errors);
    EXPECT_EQ(status, 0) << errors;
    std::string text = read_file(log);
    for (const char* expected : {"config warning: line 1: laps: 99 is outside",
                                 "config warning: line 2: no \"=\", skipped",
                                 "config warning: line 3: unknown key \"mystery\" ignored",
                                 "config warning: line 4: volume: \"loud\" is not a number",
                                 "config warning: line 5: longer than 1023 characters, skipped"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

TEST(config_child, DISABLED_reads_the_config) {
    run_settings_reset();
    settings_reset();
    bike_setup_reset();
    read_config();
}

TEST_F(config, a_failed_write_keeps_the_old_file) {
    put_config("laps=3\n");
    std::filesystem::create_directories(home + "config.new"); // the new file can't be made
    settings.laps.value = 40;
    write_config();
    EXPECT_EQ(written(), "laps=3\n");
}

TEST_F(config, the_selected_track_is_written_as_its_folder) {
    track_list.folders = {"dunes", "rabbithill"};
    track_list.names = {"Dunes", "Rabbit Hill"};
    settings.track_choice = {"track", "Track", track_list.names.data(), 2, 1};
    write_config();
    EXPECT_EQ(line_of("track"), "track=rabbithill");
}

TEST_F(config, setup_files_hold_the_setup_lines_alone) {
    bike_setup.name = "Sam";
    bike_setup.leveling.value = 33;
    ASSERT_TRUE(bike_setup_write_file("sand"));
    std::string text = read_file(home + "setups/sand");
    EXPECT_EQ(text.rfind("bike=450sxf(2013)\nname=Sam\n", 0), 0u);
    EXPECT_EQ(text.find("laps="), std::string::npos);
    EXPECT_NE(text.find("\nleveling=33.000000\n"), std::string::npos);
    bike_setup_reset();
    settings.laps.value = 9;
    ASSERT_TRUE(write_whole_file(home + "setups/sand", text + "laps=1\n"));
    ASSERT_TRUE(bike_setup_read_file("sand"));
    EXPECT_EQ(bike_setup.name, "Sam");
    EXPECT_EQ(bike_setup.leveling.value, 33);
    EXPECT_EQ(settings.laps.value, 9) << "a setup file sets setup items only";
    EXPECT_FALSE(bike_setup_read_file("missing"));
}

} // namespace
