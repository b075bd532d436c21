// The built game as a player starts it: bad command lines, missing game data and missing
// tracks end with their messages and exit statuses before any window opens.
#include "support/child_process.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class entry : public testing::Test {
  protected:
    std::string user = make_temp_folder();
    std::string game_folder = std::filesystem::path(TARVIK_BINARY).parent_path();
    void TearDown() override { std::filesystem::remove_all(user); }

    int run(const std::vector<std::string>& args, const std::vector<std::string>& env,
            std::string* errors) {
        // No window can open: the game stops at its window, wherever the test runs.
        std::vector<std::string> all = {"DISPLAY=", "SDL_VIDEODRIVER=dummy",
                                        "XDG_DATA_HOME=" + user};
        all.insert(all.end(), env.begin(), env.end());
        return run_program(TARVIK_BINARY, args, all, errors);
    }
};

TEST_F(entry, command_line_errors_stop_with_their_message) {
    const struct {
        std::vector<std::string> args;
        int status;
        const char* errors;
    } cases[] = {
        {{"--nope"}, 1, "bad option '--nope'\n"},
        {{"a.qddemo", "b.qddemo"}, 1, "Too many files!\n"},
        {{"--lock-fps", "fast"}, 1, "Bad arg for --lock-fps\n"},
        {{"--chase-center=1,2"}, 1, "Bad arg for --chase-center\n"},
    };
    for (const auto& c : cases) {
        std::string errors;
        EXPECT_EQ(run(c.args, {}, &errors), c.status) << testing::PrintToString(c.args);
        EXPECT_EQ(errors, c.errors) << testing::PrintToString(c.args);
    }
}

TEST_F(entry, missing_game_data_is_reported_and_ends_cleanly) {
    std::string empty = make_temp_folder();
    std::string errors;
    EXPECT_EQ(run({}, {"QD_HOME=" + empty}, &errors), 0);
    EXPECT_EQ(errors, "Problem starting Tarvik: Can't find game data\n");
    std::filesystem::remove_all(empty);
}

TEST_F(entry, game_data_without_tracks_says_so) {
    std::string data = make_temp_folder();
    std::filesystem::copy_file(game_folder + "/zzzz.saf", data + "/zzzz.saf");
    std::string errors;
    EXPECT_EQ(run({"--bikes", "3"}, {"QD_HOME=" + data}, &errors), 1);
    EXPECT_EQ(errors, "--bikes doesn't do anything anymore\nNo tracks found\n");
    std::filesystem::remove_all(data);
}

TEST_F(entry, the_default_data_passes_the_check_and_lists_its_track) {
    std::string errors;
    run({"--debug"}, {}, &errors);
    std::string log = read_file(user + "/Tarvik/lastlog.txt");
    EXPECT_NE(log.find("Logfile \"" + user + "/Tarvik/lastlog.txt\" opened\n"), std::string::npos)
        << log;
    EXPECT_NE(log.find("] rabbithill -> Rabbit Hill\n"), std::string::npos) << log;
}

TEST_F(entry, open_home_makes_the_home_and_stops) {
    std::string errors;
    EXPECT_EQ(run({"--open-home"}, {"PATH=/nonexistent"}, &errors), 0);
    EXPECT_TRUE(std::filesystem::is_directory(user + "/Tarvik"));
}

} // namespace
