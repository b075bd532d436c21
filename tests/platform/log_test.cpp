// tests/platform/log_test.cpp — the log file: the line prefix, how the first message opens
// the file, the control texts, closing, errors and lines from several threads.
#include "platform/log.h"

#include "support/child_process.h"
#include "support/fake_clock.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

struct prefix_case {
    uint64_t clock_ms;
    const char* prefix;
};

void PrintTo(const prefix_case& c, std::ostream* out) {
    *out << c.clock_ms << " ms";
}

class LogPrefix : public testing::TestWithParam<prefix_case> {};

TEST_P(LogPrefix, ShowsHoursMinutesSecondsAndHundredths) {
    char buffer[32];
    log_format_prefix(GetParam().clock_ms, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, GetParam().prefix);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, LogPrefix,
    testing::Values(prefix_case{0, "[0:00:00.00] "}, prefix_case{3723456, "[1:02:03.45] "},
                    prefix_case{995, "[0:00:00.99] "}, // hundredths are cut, not rounded
                    prefix_case{59999, "[0:00:59.99] "}, prefix_case{3599999, "[0:59:59.99] "},
                    prefix_case{90000000, "[25:00:00.00] "}, // hours run on past a day
                    prefix_case{360000000000, "[100000:00:00.00] "}));

// The log opens once per process, so each test works in a child with a fresh one. The child
// starts with no log variables set and a clock reading 1:02:03.45.
class LogFile : public testing::Test {
  protected:
    std::string folder = make_temp_folder();
    std::string path = folder + "/lastlog.txt";
    void TearDown() override { std::filesystem::remove_all(folder); }

    // Runs body in a child; returns what it reported (written to a file the parent reads).
    std::string in_child(const std::function<std::string()>& body) {
        std::string report_path = folder + "/report";
        int status = run_in_child([&] {
            unsetenv("VEXO_LOGFILE");
            unsetenv("VEXO_LOGFILE_FLAGS");
            fake_clock_install(3723456);
            std::string report = body();
            FILE* out = fopen(report_path.c_str(), "wb");
            if (!out) return 99;
            fwrite(report.data(), 1, report.size(), out);
            fclose(out);
            return 0;
        });
        EXPECT_EQ(status, 0);
        return read_file(report_path);
    }

    static std::string line(const std::string& text) { return "[1:02:03.45] " + text; }
    static std::string header(const std::string& shown_path) {
        return line("Logfile \"" + shown_path + "\" opened\n") + line("VEXO 0.31\n");
    }
};

TEST_F(LogFile, SetupMessageOpensItsPathAndIsNotWritten) {
    in_child([&] {
        log_printf("VEXO_LOGFILE=%s", path.c_str());
        fake_clock.now_ms = 90000995; // each line reads the clock when it is written
        log_printf("ready %d\n", 7);
        return std::string();
    });
    EXPECT_EQ(read_file(path), header(path) + "[25:00:00.99] ready 7\n");
}

TEST_F(LogFile, PercentSignsInTheSetupPathAreOnlyText) {
    std::string odd_folder = folder + "/a%sb%d";
    ASSERT_EQ(mkdir(odd_folder.c_str(), 0700), 0);
    std::string odd_path = odd_folder + "/log%n.txt";
    in_child([&] {
        log_printf("VEXO_LOGFILE=%s", odd_path.c_str());
        return std::string();
    });
    EXPECT_EQ(read_file(odd_path), header(odd_path));
}

TEST_F(LogFile, EnvironmentPathWinsOverSetupPath) {
    std::string env_path = folder + "/from-env.txt";
    in_child([&] {
        setenv("VEXO_LOGFILE", env_path.c_str(), 1);
        log_printf("VEXO_LOGFILE=%s", path.c_str());
        log_printf("hello\n");
        return std::string();
    });
    EXPECT_EQ(read_file(env_path), header(env_path) + line("hello\n"));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(LogFile, FirstMessageWithoutAnyPathSilencesTheLogForGood) {
    in_child([&] {
        log_printf("too early\n");
        log_printf("VEXO_LOGFILE=%s", path.c_str()); // the log has started: not a set-up
        log_printf("dropped\n");
        return std::string();
    });
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(LogFile, LaterSetupTextIsAnOrdinaryLine) {
    std::string other = folder + "/other.txt";
    in_child([&] {
        log_printf("VEXO_LOGFILE=%s", path.c_str());
        log_printf("VEXO_LOGFILE=%s\n", other.c_str());
        return std::string();
    });
    EXPECT_EQ(read_file(path), header(path) + line("VEXO_LOGFILE=" + other + "\n"));
    EXPECT_FALSE(std::filesystem::exists(other));
}

TEST_F(LogFile, UnopenableFileDropsMessagesQuietly) {
    std::string missing = folder + "/no-such-folder/log.txt";
    in_child([&] {
        log_printf("VEXO_LOGFILE=%s", missing.c_str());
        log_printf("nowhere %s\n", "to go");
        log_error("still nowhere");
        log_printf(nullptr);
        return std::string();
    });
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(LogFile, LongTextsAndPathsAreWrittenWhole) {
    // Deep enough that the path alone is longer than any small line buffer.
    std::string deep = folder;
    for (int i = 0; i < 8; ++i) {
        deep += "/" + std::string(200, 'a' + i);
        ASSERT_EQ(mkdir(deep.c_str(), 0700), 0);
    }
    std::string deep_path = deep + "/log.txt";
    std::string long_text(3000, 'x');
    for (size_t i = 0; i < long_text.size(); i += 7) long_text[i] = 'A' + i % 26;
    in_child([&] {
        log_printf("VEXO_LOGFILE=%s", deep_path.c_str());
        log_printf("%s\n", long_text.c_str());
        return std::string();
    });
    EXPECT_EQ(read_file(deep_path), header(deep_path) + line(long_text + "\n"));
}

struct mode_case {
    const char* signs; // put in front of the path in VEXO_LOGFILE
    const char* flags; // VEXO_LOGFILE_FLAGS, or none
    bool appends;
};

void PrintTo(const mode_case& c, std::ostream* out) {
    *out << '"' << c.signs << "path\" flags " << (c.flags ? c.flags : "(unset)");
}

class LogOpenMode : public LogFile, public testing::WithParamInterface<mode_case> {};

TEST_P(LogOpenMode, KeepsOrTruncatesTheOldLog) {
    {
        FILE* old = fopen(path.c_str(), "w");
        ASSERT_TRUE(old);
        fputs("old run\n", old);
        fclose(old);
    }
    in_child([&] {
        setenv("VEXO_LOGFILE", (GetParam().signs + path).c_str(), 1);
        if (GetParam().flags) setenv("VEXO_LOGFILE_FLAGS", GetParam().flags, 1);
        log_printf("first\n"); // not a set-up message: opened from the environment, then written
        return std::string();
    });
    EXPECT_EQ(read_file(path),
              (GetParam().appends ? "old run\n" : "") + header(path) + line("first\n"));
}

INSTANTIATE_TEST_SUITE_P(Paths, LogOpenMode,
                         testing::Values(mode_case{">>", nullptr, true},
                                         mode_case{">", nullptr, false},
                                         mode_case{"", nullptr, false}, mode_case{">", "a", true},
                                         mode_case{"", "a", true}, mode_case{">>", "w", false}));

TEST_F(LogFile, ControlTextsSwitchDiskCommitsAndAreNeverWritten) {
    std::string held = in_child([&] {
        log_printf("VEXO_LOGFILE=%s", path.c_str());
        log_printf("a\n");
        log_printf("\x13"
                   "NOFLUSH");
        log_printf("b\n");
        std::string on_disk = read_file(path); // b waits in the stream's buffer
        log_printf("\x13"
                   "FLUSH");
        log_printf("c\n");
        log_printf("\x13"
                   "OTHER"); // an unknown word changes nothing
        log_printf("d\n");
        return on_disk; // the child ends without closing: only committed lines remain
    });
    EXPECT_EQ(held, header(path) + line("a\n"));
    EXPECT_EQ(read_file(path),
              header(path) + line("a\n") + line("b\n") + line("c\n") + line("d\n"));
}

TEST_F(LogFile, NullFormatClosesTheLogForGood) {
    std::string other = folder + "/other.txt";
    in_child([&] {
        log_printf("VEXO_LOGFILE=%s", path.c_str());
        log_printf("\x13"
                   "NOFLUSH");
        log_printf("kept\n"); // closing writes out what the stream still holds
        log_printf(nullptr);
        log_printf("dropped\n");
        log_printf("VEXO_LOGFILE=%s", other.c_str());
        log_printf(nullptr);
        return std::string();
    });
    EXPECT_EQ(read_file(path), header(path) + line("kept\n"));
    EXPECT_FALSE(std::filesystem::exists(other));
}

TEST_F(LogFile, ErrorIsLoggedAndItsTextPointerKept) {
    static const char text[] = "disk full";
    std::string report = in_child([&] {
        std::string seen = last_error_text();
        log_printf("VEXO_LOGFILE=%s", path.c_str());
        log_error(text);
        seen += last_error_text() == text ? " same" : " copied";
        return seen;
    });
    EXPECT_EQ(report, "Unknown same");
    EXPECT_EQ(read_file(path), header(path) + line("Error: disk full\n"));
}

TEST_F(LogFile, LinesFromSeveralThreadsStayWhole) {
    constexpr int threads = 4, lines_each = 250;
    in_child([&] {
        fake_clock_remove(); // the real clock, which every thread may read
        log_printf("VEXO_LOGFILE=%s", path.c_str());
        std::vector<std::thread> writers;
        for (int t = 0; t < threads; ++t)
            writers.emplace_back([t] {
                for (int i = 0; i < lines_each; ++i) log_printf("thread %d line %d\n", t, i);
            });
        for (std::thread& writer : writers) writer.join();
        log_printf(nullptr);
        return std::string();
    });
    std::istringstream log(read_file(path));
    std::string text;
    std::getline(log, text);
    std::getline(log, text); // the two header lines
    const std::regex whole(R"(\[\d+:\d\d:\d\d\.\d\d\] (thread \d line \d+))");
    std::set<std::string> seen;
    while (std::getline(log, text)) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(text, match, whole)) << text;
        seen.insert(match[1]);
    }
    EXPECT_EQ(seen.size(), (size_t)(threads * lines_each));
}

} // namespace
