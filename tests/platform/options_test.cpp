// tests/platform/options_test.cpp — option settings from VEXO_OPTIONS, the alias table for
// control names and the name pool.
#include "platform/log.h"

#include "support/child_process.h"
#include "support/fake_clock.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

// Option texts and the log are read once per process, so each case runs in a child with its
// own VEXO_OPTIONS and a fresh log whose lines all carry the prefix of clock reading 0.
class PlatformChild : public testing::Test {
  protected:
    std::string folder = make_temp_folder();
    std::string log_path = folder + "/log.txt";
    void TearDown() override { std::filesystem::remove_all(folder); }

    // Runs body in a child (options given, or VEXO_OPTIONS unset); returns its report.
    std::string in_child(const char* options, const std::function<std::string()>& body) {
        std::string report_path = folder + "/report";
        int status = run_in_child([&] {
            unsetenv("VEXO_LOGFILE");
            unsetenv("VEXO_LOGFILE_FLAGS");
            if (options)
                setenv("VEXO_OPTIONS", options, 1);
            else
                unsetenv("VEXO_OPTIONS");
            options_reload();
            fake_clock_install(0);
            log_printf("VEXO_LOGFILE=%s", log_path.c_str());
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

    // What the body logged: the log after its two header lines.
    std::string logged() {
        std::string log = read_file(log_path);
        const std::string banner = "VEXO 0.31\n";
        size_t at = log.find(banner);
        return at == std::string::npos ? "(no log)" : log.substr(at + banner.size());
    }
};

enum class kind { boolean, integer };

struct option_case {
    kind type;
    const char* options; // null: VEXO_OPTIONS unset
    const char* name;
    int default_value;
    int expected;
    bool complains; // logs "unrecognized setting for <name>"
};

void PrintTo(const option_case& c, std::ostream* out) {
    *out << (c.type == kind::boolean ? "bool " : "int ") << c.name << " in \""
         << (c.options ? c.options : "(unset)") << "\"";
}

class OptionLookup : public PlatformChild, public testing::WithParamInterface<option_case> {};

TEST_P(OptionLookup, ReadsValueOrKeepsDefault) {
    const option_case& c = GetParam();
    std::string value = in_child(c.options, [&] {
        int v = c.type == kind::boolean ? option_bool(c.name, c.default_value)
                                        : option_int(c.name, c.default_value);
        return std::to_string(v);
    });
    EXPECT_EQ(value, std::to_string(c.expected));
    EXPECT_EQ(logged(), c.complains
                            ? "[0:00:00.00] unrecognized setting for " + std::string(c.name) + "\n"
                            : "");
}

INSTANTIATE_TEST_SUITE_P(
    Switches, OptionLookup,
    testing::Values(option_case{kind::boolean, "[threaded:yes]", "threaded", 0, 1, false},
                    option_case{kind::boolean, "[threaded:on]", "threaded", 0, 1, false},
                    option_case{kind::boolean, "[threaded:no]", "threaded", 1, 0, false},
                    option_case{kind::boolean, "[threaded:off]", "threaded", 1, 0, false},
                    option_case{kind::boolean, "[threaded:maybe]", "threaded", 0, 0, true},
                    option_case{kind::boolean, "[threaded:maybe]", "threaded", 1, 1, true},
                    option_case{kind::boolean, "[threaded:YES]", "threaded", 0, 0, true},
                    option_case{kind::boolean, "[threaded:yes", "threaded", 0, 0, true},
                    option_case{kind::boolean, "[threaded:]", "threaded", 1, 1, true},
                    option_case{kind::boolean, "[dsnd:off][threaded:on]", "threaded", 0, 1, false},
                    option_case{kind::boolean, "[threaded:on][threaded:off]", "threaded", 0, 1,
                                false}, // the first group wins
                    option_case{kind::boolean, "[unthreaded:on]", "threaded", 0, 0, false},
                    option_case{kind::boolean, "threaded:on", "threaded", 0, 0, false},
                    option_case{kind::boolean, "", "dinput", 1, 1, false},
                    option_case{kind::boolean, nullptr, "dinput", 1, 1, false}));

INSTANTIATE_TEST_SUITE_P(
    Numbers, OptionLookup,
    testing::Values(
        option_case{kind::integer, "[sound-rate:44100]", "sound-rate", 22050, 44100, false},
        option_case{kind::integer, "[sound-rate:44100xyz]", "sound-rate", 22050, 44100, false},
        option_case{kind::integer, "[sound-rate: -12]", "sound-rate", 22050, -12, false},
        option_case{kind::integer, "[sound-rate:+7]", "sound-rate", 22050, 7, false},
        option_case{kind::integer, "[sound-rate:0]", "sound-rate", 22050, 0, false},
        option_case{kind::integer, "[sound-rate:]", "sound-rate", 22050, 22050, true},
        option_case{kind::integer, "[sound-rate:fast]", "sound-rate", 22050, 22050, true},
        option_case{kind::integer, "[sound-rate:99999999999]", "sound-rate", 22050, INT_MAX, false},
        option_case{kind::integer, "[sound-channels:8][sound-rate:11025]", "sound-rate", 22050,
                    11025, false},
        option_case{kind::integer, "[sound-rate-max:8]", "sound-rate", 22050, 22050, false},
        option_case{kind::integer, nullptr, "sound-mixahead", 125, 125, false}));

TEST_F(PlatformChild, OptionNamesAreCutTo60Characters) {
    std::string head(60, 'n');
    std::string options = "[" + head + ":on][" + head + "tail-one:no]";
    std::string report = in_child(options.c_str(), [&] {
        // Both lookups build the same key from the first 60 characters.
        return std::to_string(option_bool((head + "tail-two").c_str(), 0)) +
               std::to_string(option_bool((head + "tail-one").c_str(), 0));
    });
    EXPECT_EQ(report, "11");
}

TEST_F(PlatformChild, OptionTextIsReadOnceUntilReloaded) {
    std::string report = in_child("[threaded:on]", [] {
        std::string seen = std::to_string(option_bool("threaded", 0));
        setenv("VEXO_OPTIONS", "[threaded:off]", 1);
        seen += std::to_string(option_bool("threaded", 0));
        options_reload();
        seen += std::to_string(option_bool("threaded", 0));
        return seen;
    });
    EXPECT_EQ(report, "110");
}

TEST_F(PlatformChild, SecondAliasForANameIsRefusedAndLogged) {
    std::string report = in_child(nullptr, [] {
        std::string seen = std::to_string(alias_add("mouse-x", "cursor-x"));
        seen += std::to_string(alias_add("mouse-x", "joystick-x"));
        seen += std::string(" ") + alias_resolve("mouse-x");
        return seen;
    });
    EXPECT_EQ(report, "10 cursor-x");
    EXPECT_EQ(logged(), "[0:00:00.00] Second alias for 'mouse-x' ('joystick-x') ignored\n");
}

TEST_F(PlatformChild, AliasResolvesOneStepByExactName) {
    std::string report = in_child(nullptr, [] {
        // The table keeps its own copies of both texts.
        char name[] = "pedal", target[] = "throttle";
        alias_add(name, target);
        strcpy(name, "xxxxx");
        strcpy(target, "xxxxxxxx");
        alias_add("throttle", "gas");
        const char* upper = "Pedal";
        const char* unknown = "brake";
        std::string seen = std::string(alias_resolve("pedal")) + " " + alias_resolve("throttle");
        seen += alias_resolve(upper) == upper ? " self" : " other";
        seen += alias_resolve(unknown) == unknown ? " self" : " other";
        return seen;
    });
    EXPECT_EQ(report, "throttle gas self self");
    EXPECT_EQ(logged(), "");
}

TEST(NamePool, EqualTextsShareOneCopyWhateverTheOrderAdded) {
    const std::vector<std::string> texts = {"mouse", "a",       "zeta",  "Mouse", "ab", "",
                                            "b",     "mouse-x", "MOUSE", "aa",    "z"};
    std::vector<const char*> stored;
    for (const std::string& text : texts) {
        const char* copy = name_pool_add(text.c_str());
        ASSERT_TRUE(copy);
        EXPECT_STREQ(copy, text.c_str());
        EXPECT_NE(copy, text.c_str());
        stored.push_back(copy);
    }
    EXPECT_EQ(std::set<const char*>(stored.begin(), stored.end()).size(), texts.size());
    for (size_t i = texts.size(); i-- > 0;) {
        std::string again = texts[i]; // a different buffer with the same text
        EXPECT_EQ(name_pool_add(again.c_str()), stored[i]) << '"' << texts[i] << '"';
    }
}

} // namespace
