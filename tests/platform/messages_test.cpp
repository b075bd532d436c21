// tests/platform/messages_test.cpp — print_message and the message ring, line retirement,
// xmalloc and the out-of-memory exit, intern_string and error_box.
#include "platform/messages.h"

#include "platform/log.h"
#include "support/child_process.h"
#include "support/fake_clock.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// print_message always logs and the log opens once per process, so these tests run in a
// child with a fresh log whose lines carry the prefix of clock reading 0.
class MessageChild : public testing::Test {
  protected:
    std::string folder = make_temp_folder();
    std::string log_path = folder + "/log.txt";
    std::string report_path = folder + "/report";
    void TearDown() override { std::filesystem::remove_all(folder); }

    // Runs body in a child and returns its exit status; body reports through report().
    int run(const std::function<int()>& body) {
        return run_in_child([&] {
            unsetenv("VEXO_LOGFILE");
            unsetenv("VEXO_LOGFILE_FLAGS");
            fake_clock_install(0);
            log_printf("VEXO_LOGFILE=%s", log_path.c_str());
            return body();
        });
    }
    // Runs body in a child that must end normally; returns what it reported.
    std::string in_child(const std::function<std::string()>& body) {
        EXPECT_EQ(run([&] { return report(body()) ? 0 : 99; }), 0);
        return read_file(report_path);
    }
    bool report(const std::string& text) {
        FILE* out = fopen(report_path.c_str(), "wb");
        if (!out) return false;
        fwrite(text.data(), 1, text.size(), out);
        fclose(out);
        return true;
    }

    // What the body logged: the log after its two header lines.
    std::string logged() {
        std::string log = read_file(log_path);
        const std::string banner = "VEXO 0.31\n";
        size_t at = log.find(banner);
        return at == std::string::npos ? "(no log)" : log.substr(at + banner.size());
    }
};

TEST_F(MessageChild, LogGetsOneFinalNewlineAndResetsColour) {
    in_child([] {
        print_message("abc");
        print_message("def\n");
        print_message("\x1b[31mred");
        print_message("\x1b[32mgreen\n");
        print_message("100%s done"); // a text, never a format
        print_message("");
        return std::string();
    });
    EXPECT_EQ(logged(), "[0:00:00.00] abc\n"
                        "[0:00:00.00] def\n"
                        "[0:00:00.00] \x1b[31mred\x1b[0m\n"
                        "[0:00:00.00] \x1b[32mgreen\n\x1b[0m"
                        "[0:00:00.00] 100%s done\n"
                        "[0:00:00.00] \n");
}

TEST_F(MessageChild, RingLinesKeepAtMost127Characters) {
    std::string text;
    for (int i = 0; i < 200; ++i) text += (char)('a' + i % 26);
    std::string stored = in_child([&] {
        print_message(text.c_str());
        return std::string(message_visible_line(0));
    });
    EXPECT_EQ(stored, text.substr(0, 127));
    EXPECT_EQ(logged(), "[0:00:00.00] " + text + "\n"); // the log keeps it whole
}

TEST_F(MessageChild, ThousandAndFirstMessageOverwritesTheFirstLine) {
    std::string report = in_child([] {
        log_printf("\x13"
                   "NOFLUSH"); // a thousand disk commits would only slow the test
        char text[16];
        for (int i = 0; i <= message_ring_size; ++i) {
            snprintf(text, sizeof text, "m%d", i);
            print_message(text);
        }
        return std::string(message_ring.lines[0]) + " " + message_ring.lines[1] + " " +
               message_ring.lines[999] + " next " + std::to_string(message_ring.next) + " newest " +
               message_visible_line(0) + " " + message_visible_line(1);
    });
    EXPECT_EQ(report, "m1000 m1 m999 next 1 newest m1000 m999");
}

TEST_F(MessageChild, VisibleLinesAreTheNewestUpToTheConfiguredNumber) {
    std::string report = in_child([] {
        message_ring.max_visible = 3;
        std::string seen;
        for (const char* text : {"one", "two", "three", "four", "five"}) {
            print_message(text);
            seen += std::to_string(message_ring.count);
        }
        for (int i = 0; i < 4; ++i) {
            const char* line = message_visible_line(i);
            seen += std::string(" ") + (line ? line : "(none)");
        }
        return seen;
    });
    EXPECT_EQ(report, "12333 five four three (none)");
}

TEST_F(MessageChild, LinesRetireTwoSecondsAfterAPrintThenEveryFiveSeconds) {
    std::string report = in_child([] {
        double game_clock = 10.0;
        message_ring.clock = &game_clock;
        std::string seen;
        auto retire = [&](double at) {
            message_retire(at);
            seen += std::to_string(message_ring.count);
        };
        print_message("a");
        game_clock = 11.0;
        print_message("b"); // the newest print moves the deadline to 13
        print_message("c");
        seen += std::to_string(message_ring.count) + ":";
        retire(12.5);
        retire(13.0); // not yet past
        retire(13.25);
        retire(18.25);
        retire(18.5);
        game_clock = 20.0;
        print_message("d");
        seen += ":";
        retire(21.0);
        retire(22.5);
        retire(27.0);
        retire(28.0);
        retire(40.0);
        return seen;
    });
    EXPECT_EQ(report, "3:33221:21100");
}

// The error box records what it was asked to show, in a file the parent reads.
std::string box_record_path;
int record_box(const char* title, const char* text) {
    FILE* out = fopen(box_record_path.c_str(), "wb");
    if (!out) return 0;
    fprintf(out, "%s|%s", title, text);
    fclose(out);
    return 1;
}

// Sends this process's standard error into a file.
bool capture_standard_error(const std::string& path) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    return fd >= 0 && dup2(fd, 2) == 2;
}

TEST_F(MessageChild, OutOfMemoryShowsTheBoxAndExitsWithStatus1) {
    box_record_path = folder + "/box";
    std::string error_path = folder + "/stderr";
    int status = run([&] {
        if (!capture_standard_error(error_path)) return 98;
        error_box_show = record_box;
        out_of_memory();
    });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(read_file(box_record_path), "Error|Out of virtual memory");
    EXPECT_EQ(read_file(error_path), "Error: Out of virtual memory\n");
    EXPECT_EQ(logged(), "");
}

TEST_F(MessageChild, ErrorBoxCutsItsTextAndAlsoWritesStandardError) {
    box_record_path = folder + "/box";
    std::string error_path = folder + "/stderr";
    std::string long_text(2000, 'e');
    in_child([&] {
        if (!capture_standard_error(error_path)) return std::string("no stderr");
        error_box_show = record_box;
        error_box("Problem starting Tarvik", "%s", long_text.c_str());
        error_box("Second", "%d lines\n", 2);
        return std::string();
    });
    EXPECT_EQ(read_file(box_record_path), "Second|2 lines\n");
    EXPECT_EQ(read_file(error_path),
              "Problem starting Tarvik: " + long_text.substr(0, 1023) + "\nSecond: 2 lines\n");
}

TEST(Memory, XmallocOfZeroBytesGivesAUsableBlock) {
    void* block = xmalloc(0);
    EXPECT_NE(block, nullptr);
    free(block);
}

TEST(InternString, EqualTextsGiveOnePointerAcrossTableGrowth) {
    // Well past the first capacity, so the table grows while earlier entries must stay.
    std::vector<std::string> texts;
    for (int i = 0; i < 70; ++i) texts.push_back("intern-test-" + std::to_string(i));
    std::vector<const char*> stored;
    for (const std::string& text : texts) {
        const char* copy = intern_string(text.c_str());
        EXPECT_STREQ(copy, text.c_str());
        EXPECT_NE(copy, text.c_str());
        stored.push_back(copy);
    }
    EXPECT_EQ(std::set<const char*>(stored.begin(), stored.end()).size(), texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        std::string again = texts[i];
        EXPECT_EQ(intern_string(again.c_str()), stored[i]) << texts[i];
    }
    EXPECT_NE(intern_string("intern-test-1"), intern_string("intern-test-10"));
}

} // namespace
