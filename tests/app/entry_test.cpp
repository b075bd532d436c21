// The built game on bad command lines: its messages on standard error and exit statuses,
// before any window opens.
#include "support/child_process.h"

#include <gtest/gtest.h>

namespace {

TEST(entry, command_line_errors_stop_with_their_message) {
    const struct {
        std::vector<std::string> args;
        int status;
        const char* errors;
    } cases[] = {
        {{"--nope"}, 1, "bad option '--nope'\n"},
        {{"a.qddemo", "b.qddemo"}, 1, "Too many files!\n"},
        {{"--lock-fps", "fast"}, 1, "Bad arg for --lock-fps\n"},
        {{"--chase-center=1,2"}, 1, "Bad arg for --chase-center\n"},
        {{"--open-home"}, 0, ""},
    };
    for (const auto& c : cases) {
        std::string errors;
        int status =
            run_program(TARVIK_BINARY, c.args, {"DISPLAY=", "VEXO_LOGFILE=/dev/null"}, &errors);
        EXPECT_EQ(status, c.status) << testing::PrintToString(c.args);
        EXPECT_EQ(errors, c.errors) << testing::PrintToString(c.args);
    }
}

TEST(entry, without_tracks_the_game_says_so) {
    std::string errors;
    int status = run_program(TARVIK_BINARY, {"--bikes", "3"}, {"VEXO_LOGFILE=/dev/null"}, &errors);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(errors, "--bikes doesn't do anything anymore\nNo tracks found\n");
}

} // namespace
