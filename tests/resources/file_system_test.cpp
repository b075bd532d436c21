// tests/resources/file_system_test.cpp — the home folders, path joining, folder creation, the
// file index (ranking, the name list, archive headers), game-name lookups and their suffix
// forms, writes by game name, and the start-up data check.
#include "resources/files.h"
#include "resources/stream.h"
#include "resources/writers.h"

#include "support/child_process.h"
#include "support/saved_environment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

// Each test gets a fresh root with the user's data folder (the user home is its "Tarvik/")
// and the game's data folder; the environment points there and is put back afterwards.
class FileSystem : public testing::Test {
  protected:
    saved_environment environment{"XDG_DATA_HOME", "HOME", "QD_HOME", "VEXO_LOGFILE",
                                  "VEXO_LOGFILE_FLAGS"};
    std::string root = make_temp_folder();
    std::string home = root + "/xdg/Tarvik/";
    std::string data = root + "/data/";

    void SetUp() override {
        setenv("XDG_DATA_HOME", (root + "/xdg").c_str(), 1);
        setenv("HOME", (root + "/home").c_str(), 1);
        setenv("QD_HOME", (root + "/data").c_str(), 1);
        unsetenv("VEXO_LOGFILE"); // would send the data check's log elsewhere
        unsetenv("VEXO_LOGFILE_FLAGS");
        fs::create_directories(data);
        file_system_reset();
    }
    void TearDown() override {
        file_system_reset();
        fs::remove_all(root);
    }

    void put(const std::string& path, const std::string& bytes) {
        ASSERT_TRUE(write_whole_file(path, bytes)) << path;
    }
    static void no_user_home() {
        unsetenv("XDG_DATA_HOME");
        unsetenv("HOME");
        file_system_reset();
    }
    static std::vector<std::string> names() {
        std::vector<std::string> list;
        for (const char* const* name = all_file_names(); *name; ++name) list.push_back(*name);
        return list;
    }
};

const std::string not_opened = "(not opened)";

// Everything a reading open of name delivers.
std::string content(const std::string& name) {
    stream* s = stream_open(name.c_str(), "rb");
    if (!s) return not_opened;
    std::string text;
    char buffer[256];
    while (int got = stream_read(s, buffer, sizeof buffer)) text.append(buffer, got);
    stream_close(s);
    return text;
}

std::string replace_all(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

// --- Home folders -------------------------------------------------------------------------

// Texts may hold <root> (the test's folder), <broot> (the same with backslashes) and <exe>
// (the test executable's folder).
struct folders_case {
    const char* label;
    const char* xdg; // null: unset
    const char* home;
    const char* qd_home;
    std::vector<std::string> expected;
};

void PrintTo(const folders_case& c, std::ostream* out) {
    *out << c.label;
}

class HomeFolders : public FileSystem, public testing::WithParamInterface<folders_case> {
  protected:
    std::string expand(const std::string& text) {
        std::string exe = fs::read_symlink("/proc/self/exe").parent_path().string() + "/";
        std::string text_root = replace_all(text, "<broot>", replace_all(root, "/", "\\"));
        return replace_all(replace_all(text_root, "<root>", root), "<exe>", exe);
    }
    void set(const char* name, const char* value) {
        if (value)
            setenv(name, expand(value).c_str(), 1);
        else
            unsetenv(name);
    }
};

TEST_P(HomeFolders, FollowTheEnvironment) {
    const folders_case& c = GetParam();
    set("XDG_DATA_HOME", c.xdg);
    set("HOME", c.home);
    set("QD_HOME", c.qd_home);
    file_system_reset();
    std::vector<std::string> folders;
    for (int i = 0; i < home_folder_count(); ++i) folders.push_back(home_folder(i));
    std::vector<std::string> expected;
    for (const std::string& e : c.expected) expected.push_back(expand(e));
    EXPECT_EQ(folders, expected);
    EXPECT_EQ(home_folder(-1), nullptr);
    EXPECT_EQ(home_folder(home_folder_count()), nullptr);
    EXPECT_EQ(user_home_present(), expected.size() == 2);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, HomeFolders,
    testing::ValuesIn(std::vector<folders_case>{
        {"Xdg", "<root>/xdg", "<root>/home", "<root>/data", {"<root>/xdg/Tarvik/", "<root>/data/"}},
        {"XdgWithSlashes",
         "<root>//xdg//",
         "<root>/home",
         "<root>/data",
         {"<root>/xdg/Tarvik/", "<root>/data/"}},
        {"HomeWithoutXdg",
         nullptr,
         "<root>/home",
         "<root>/data",
         {"<root>/home/.local/share/Tarvik/", "<root>/data/"}},
        {"RelativeXdgIgnored",
         "xdg",
         "<root>/home",
         "<root>/data",
         {"<root>/home/.local/share/Tarvik/", "<root>/data/"}},
        {"EmptyXdgIgnored",
         "",
         "<root>/home",
         "<root>/data",
         {"<root>/home/.local/share/Tarvik/", "<root>/data/"}},
        {"NoUserHome", nullptr, nullptr, "<root>/data", {"<root>/data/"}},
        {"EmptyHome", nullptr, "", "<root>/data", {"<root>/data/"}},
        {"BackslashedDataFolder",
         "<root>/xdg",
         "<root>/home",
         "<broot>\\data\\\\",
         {"<root>/xdg/Tarvik/", "<root>/data/"}},
        {"ExecutableFolderWithoutQdHome",
         "<root>/xdg",
         "<root>/home",
         nullptr,
         {"<root>/xdg/Tarvik/", "<exe>"}},
        {"EmptyQdHomeIsUnset", "<root>/xdg", "<root>/home", "", {"<root>/xdg/Tarvik/", "<exe>"}},
    }),
    [](const testing::TestParamInfo<folders_case>& info) { return std::string(info.param.label); });

// --- Paths and folders --------------------------------------------------------------------

TEST(PathJoin, TurnsBackslashesIntoSlashesAndMergesRuns) {
    const struct {
        const char *a, *b, *joined;
    } cases[] = {
        {"a", "b", "ab"},
        {"a/", "/b", "a/b"},
        {"C:\\games\\", "\\tarvik", "C:/games/tarvik"},
        {"//x///", "//y//z", "/x/y/z"},
        {"", "", ""},
        {"", "/", "/"},
        {"dir\\/\\", "file", "dir/file"},
    };
    for (const auto& c : cases) EXPECT_EQ(path_join(c.a, c.b), c.joined) << c.a << " + " << c.b;
    EXPECT_EQ(path_join(nullptr, "b"), "");
    EXPECT_EQ(path_join("a", nullptr), "");
}

TEST_F(FileSystem, MakeFoldersCreatesEveryParentButNotTheLastComponent) {
    make_folders((root + "/a//b///c").c_str());
    EXPECT_TRUE(fs::is_directory(root + "/a/b"));
    EXPECT_FALSE(fs::exists(root + "/a/b/c"));
    make_folders((root + "/d/e/").c_str());
    EXPECT_TRUE(fs::is_directory(root + "/d/e"));
    // A path of 1024 characters or more is left alone.
    std::string long_path = root + "/long/" + std::string(1024, 'x');
    make_folders(long_path.c_str());
    EXPECT_FALSE(fs::exists(root + "/long"));
}

// --- The index ----------------------------------------------------------------------------

TEST_F(FileSystem, LooseFilesOutrankArchivesAndTheUserHomeOutranksTheDataFolder) {
    put(home + "both.txt", "home");
    put(data + "both.txt", "data");
    put(data + "loose.txt", "data");
    put(data + "pack.saf",
        archive_encode(
            {{"both.txt", "member"}, {"loose.txt", "member"}, {"member.txt", "member"}}));
    EXPECT_EQ(content("@both.txt"), "home");
    EXPECT_EQ(content("@loose.txt"), "data");
    EXPECT_EQ(content("@member.txt"), "member");
    // Upper case misses every folder, so these come from the index walk, whose order is the
    // same: user home, data folder, archives.
    EXPECT_EQ(content("@BOTH.TXT"), "home");
    EXPECT_EQ(content("@LOOSE.TXT"), "data");
}

TEST_F(FileSystem, TheArchiveWhoseNameSortsFirstWins) {
    // Archives rank by their own names (bytewise: "C" before "a"), not by their folder.
    put(home + "b.saf", archive_encode({{"x", "b"}, {"y", "b"}, {"z", "b"}}));
    put(data + "a.saf", archive_encode({{"x", "a"}, {"y", "a"}}));
    put(data + "C.saf", archive_encode({{"y", "C"}}));
    // The same archive name in both folders: the user home's copy comes first.
    put(home + "d.saf", archive_encode({{"w", "home"}}));
    put(data + "d.saf", archive_encode({{"w", "data"}}));
    EXPECT_EQ(content("@x"), "a");
    EXPECT_EQ(content("@y"), "C");
    EXPECT_EQ(content("@z"), "b");
    EXPECT_EQ(content("@w"), "home");
}

TEST_F(FileSystem, NameListIsSortedAndDistinct) {
    put(home + "b.txt", "");
    put(home + "Z.txt", "");
    put(data + "b.txt", "");
    put(data + "sub/a.txt", "");
    put(data + "pack.saf", archive_encode({{"b.txt", ""}, {"c.txt", ""}, {"sub/a.txt", ""}}));
    EXPECT_EQ(names(),
              (std::vector<std::string>{"Z.txt", "b.txt", "c.txt", "pack.saf", "sub/a.txt"}));
    int count = 0;
    const file_entry* entries = file_index(&count);
    ASSERT_EQ(count, 8);
    // Lookup order: source, then name; archive members after every loose file.
    for (int i = 1; i < count; ++i) {
        const file_entry& a = entries[i - 1];
        const file_entry& b = entries[i];
        EXPECT_TRUE(a.source < b.source || (a.source == b.source && a.name < b.name))
            << a.name << " before " << b.name;
    }
    EXPECT_EQ(entries[count - 1].source, home_folder_count());
}

TEST_F(FileSystem, IndexLookupsIgnoreCaseButFolderLookupsDoNot) {
    put(data + "pack.saf", archive_encode({{"track/terrain.hf", "member"}}));
    EXPECT_EQ(content("@Track/Terrain.HF"), "member");

    put(home + "Readme.txt", "home");
    put(data + "README.TXT", "data");
    file_system_reset();
    // The folders are tried first, by exact name: the data folder's file matches.
    EXPECT_EQ(content("@README.TXT"), "data");
    // No folder has this spelling; the index walk finds the user home's file first.
    EXPECT_EQ(content("@readme.txt"), "home");
    EXPECT_EQ(content(data + "readme.txt"), not_opened);
}

TEST_F(FileSystem, FilesAddedAfterTheIndexIsBuiltAreFoundOnlyByExactName) {
    put(data + "old.txt", "old");
    EXPECT_EQ(names(), std::vector<std::string>{"old.txt"});
    put(data + "new.txt", "new");
    EXPECT_EQ(content("@new.txt"), "new");
    EXPECT_EQ(content("@NEW.TXT"), not_opened);
    EXPECT_EQ(names(), std::vector<std::string>{"old.txt"});
}

TEST_F(FileSystem, SymbolicLinkToAFolderAboveEndsTheScan) {
    put(data + "maps/a.txt", "a");
    fs::create_directory_symlink("..", data + "maps/up");
    fs::create_directory_symlink(".", data + "maps/self");
    EXPECT_EQ(names(), std::vector<std::string>{"maps/a.txt"});
}

// --- Archive headers ----------------------------------------------------------------------

TEST_F(FileSystem, ArchiveHeaderLinesGiveNamesAndOffsets) {
    put(data + "pack.saf", "4 a//b.txt\n"
                           "3\tc.txt\r\n" // any one separator byte; the CR stays
                           " +2 d.txt\n"  // white space and a sign before the size
                           "1 \n"         // no name: takes its bytes but is not listed
                           "2 e.txt\n"
                           "-\n"
                           "AAAACCCDDxEE");
    EXPECT_EQ(names(),
              (std::vector<std::string>{"a/b.txt", "c.txt\r", "d.txt", "e.txt", "pack.saf"}));
    EXPECT_EQ(content("@a/b.txt"), "AAAA");
    EXPECT_EQ(content("@a//b.txt"), not_opened); // requested names are compared as given
    EXPECT_EQ(content("@c.txt\r"), "CCC");
    EXPECT_EQ(content("@d.txt"), "DD");
    EXPECT_EQ(content("@e.txt"), "EE");
}

struct header_case {
    const char* label;
    std::string bytes;
    bool accepted;
};

void PrintTo(const header_case& c, std::ostream* out) {
    *out << c.label;
}

class ArchiveHeader : public FileSystem, public testing::WithParamInterface<header_case> {};

// A broken header takes out only its own archive, also the members listed before the fault.
TEST_P(ArchiveHeader, BrokenHeaderRemovesOnlyThatArchive) {
    put(data + "bad.saf", GetParam().bytes);
    put(data + "good.saf", archive_encode({{"good.txt", "good"}}));
    put(data + "loose.txt", "loose");
    std::vector<std::string> expected = {"bad.saf", "good.saf", "good.txt", "loose.txt"};
    if (GetParam().accepted) expected.insert(expected.begin() + 1, "first.txt");
    EXPECT_EQ(names(), expected);
    EXPECT_EQ(content("@first.txt"), GetParam().accepted ? "F" : not_opened);
    EXPECT_EQ(content("@good.txt"), "good");
}

INSTANTIATE_TEST_SUITE_P(
    Headers, ArchiveHeader,
    testing::ValuesIn(std::vector<header_case>{
        {"ExactlyToTheEnd", "1 first.txt\n-\nF", true},
        {"LastLineWithoutLineFeed", "1 first.txt\n-", false},
        {"EndsBeforeTheDash", "1 first.txt\n", false},
        {"Empty", "", false},
        {"LineWithoutNumber", "1 first.txt\nsecond.txt\n-\nFx", false},
        {"DashWithCarriageReturn", "1 first.txt\n-\r\nF", false},
        {"NegativeSize", "1 first.txt\n-1 second.txt\n-\nFx", false},
        {"SizePastTheEnd", "1 first.txt\n5 second.txt\n-\nFabcd", false},
        {"SizeOver31Bits", "1 first.txt\n2147483648 second.txt\n-\nFx", false},
        {"SizeOver32Bits", "1 first.txt\n4294967297 second.txt\n-\nFx", false},
        {"SizeOver64Bits", "1 first.txt\n99999999999999999999 second.txt\n-\nFx", false},
        {"LineOver1023Bytes", "1 first.txt\n1 " + std::string(1100, 'n') + "\n-\nFx", false},
    }),
    [](const testing::TestParamInfo<header_case>& info) { return std::string(info.param.label); });

// --- Suffix forms -------------------------------------------------------------------------

enum class place { user_home, data_folder, archive };

struct form_case {
    const char* label;
    const char* suffix;
    std::string (*encode)(const std::string&);
};

void PrintTo(const form_case& c, std::ostream* out) {
    *out << c.label;
}

std::string scrambled_gzip(const std::string& data) {
    return scram_encode(gzip_encode(data));
}

const form_case forms[] = {
    {"Gzip", ".gz", gzip_encode},
    {"Scrambled", ".scram", scram_encode},
    {"ScrambledGzip", ".gz.scram", scrambled_gzip},
};

class SuffixForm : public FileSystem,
                   public testing::WithParamInterface<std::tuple<form_case, place>> {};

TEST_P(SuffixForm, ReadingOpenFindsTheEncodedFile) {
    const auto& [form, where] = GetParam();
    const std::string payload = "terrain 1.5 2.5\n" + std::string(3000, 'h') + "end\n";
    const std::string name = "tracks/hill/terrain.hf"s + form.suffix;
    const std::string bytes = form.encode(payload);
    switch (where) {
    case place::user_home: put(home + name, bytes); break;
    case place::data_folder: put(data + name, bytes); break;
    case place::archive:
        put(data + "pack.saf", archive_encode({{"before", "xyz"}, {name, bytes}, {"after", "!"}}));
        break;
    }
    EXPECT_EQ(content("@tracks/hill/terrain.hf"), payload);
    if (where == place::data_folder) {
        EXPECT_EQ(content(data + "tracks/hill/terrain.hf"), payload);
    }
    // Only reading-only modes fall back to the encoded forms.
    EXPECT_EQ(stream_open("@tracks/hill/terrain.hf", "r+b"), nullptr);
}

std::string form_case_name(const testing::TestParamInfo<std::tuple<form_case, place>>& info) {
    const char* places[] = {"InUserHome", "InDataFolder", "InArchive"};
    return std::string(std::get<0>(info.param).label) + places[(int)std::get<1>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Forms, SuffixForm,
                         testing::Combine(testing::ValuesIn(forms),
                                          testing::Values(place::user_home, place::data_folder,
                                                          place::archive)),
                         form_case_name);

TEST_F(FileSystem, EachFolderTriesThePlainNameBeforeItsEncodedForms) {
    put(data + "a.txt", "plain");
    put(data + "a.txt.gz", gzip_encode("gzip"));
    put(data + "b.txt.gz", gzip_encode("gzip"));
    put(data + "b.txt.scram", scram_encode("scrambled"));
    put(home + "c.txt.scram", scram_encode("home"));
    put(data + "c.txt", "data");
    EXPECT_EQ(content("@a.txt"), "plain");
    EXPECT_EQ(content("@b.txt"), "gzip");
    EXPECT_EQ(content("@c.txt"), "home");
}

// --- Writing by game name -----------------------------------------------------------------

TEST_F(FileSystem, WritingByGameNameGoesToTheUserHomeOnly) {
    put(data + "cfg.txt", "data");
    put(data + "only_data.txt", "data");
    ASSERT_FALSE(fs::exists(home));

    stream* s = stream_open("@results.txt", "wb");
    ASSERT_NE(s, nullptr);
    stream_printf(s, "lap %d\n", 3);
    stream_close(s);
    EXPECT_EQ(read_file(home + "results.txt"), "lap 3\n");

    s = stream_open("@cfg.txt", "wb");
    ASSERT_NE(s, nullptr);
    stream_puts(s, "user");
    stream_close(s);
    EXPECT_EQ(read_file(home + "cfg.txt"), "user");
    EXPECT_EQ(read_file(data + "cfg.txt"), "data");
    EXPECT_EQ(content("@cfg.txt"), "user");

    // An update open is a writing open: the data folder's file is not a candidate.
    EXPECT_EQ(stream_open("@only_data.txt", "r+b"), nullptr);
    EXPECT_EQ(read_file(data + "only_data.txt"), "data");

    EXPECT_EQ(stream_rename("@cfg.txt", "@renamed.txt"), 1);
    EXPECT_EQ(read_file(home + "renamed.txt"), "user");
    EXPECT_FALSE(fs::exists(home + "cfg.txt"));
}

TEST_F(FileSystem, WithoutAUserHomeGameNamesAreReadOnly) {
    put(data + "cfg.txt", "data");
    no_user_home();
    ASSERT_EQ(home_folder_count(), 1);
    EXPECT_EQ(content("@cfg.txt"), "data");

    EXPECT_EQ(stream_open("@results.txt", "wb"), nullptr);
    EXPECT_EQ(stream_open("@cfg.txt", "wb"), nullptr);
    EXPECT_EQ(stream_open("@cfg.txt", "~wb"), nullptr);
    EXPECT_EQ(stream_open("@cfg.txt", "ab"), nullptr);
    EXPECT_EQ(stream_rename("@cfg.txt", "@moved.txt"), 0);
    EXPECT_EQ(stream_rename((data + "cfg.txt").c_str(), "@moved.txt"), 0);

    std::vector<std::string> left;
    for (const auto& entry : fs::recursive_directory_iterator(data))
        left.push_back(entry.path().lexically_relative(data).string());
    EXPECT_EQ(left, std::vector<std::string>{"cfg.txt"});
    EXPECT_EQ(read_file(data + "cfg.txt"), "data");
}

// --- The data check -----------------------------------------------------------------------

enum class archive_at { nowhere, data_folder, user_home, inside_archive };

struct check_case {
    const char* label;
    archive_at where;
    size_t size;
    bool right_digest;
    bool user_home;
    int found;
};

void PrintTo(const check_case& c, std::ostream* out) {
    *out << c.label;
}

class GameDataCheck : public FileSystem, public testing::WithParamInterface<check_case> {};

// The check starts the process-wide log, so each case runs in a child of its own.
TEST_P(GameDataCheck, FindsTheBaseArchiveByItsDigest) {
    const check_case& c = GetParam();
    std::string archive;
    for (size_t i = 0; i < c.size; ++i) archive += (char)(i * 7 + i / 251);
    std::string digest = c.right_digest ? game_data_digest(archive) : std::string(40, '0');
    switch (c.where) {
    case archive_at::nowhere: break;
    case archive_at::data_folder: put(data + "zzzz.saf", archive); break;
    case archive_at::user_home: put(home + "zzzz.saf", archive); break;
    case archive_at::inside_archive:
        put(data + "pack.saf", archive_encode({{"zzzz.saf", archive}}));
        break;
    }
    if (!c.user_home) no_user_home();
    int status = run_in_child([&] {
        file_system_reset();
        return check_game_data(digest.c_str());
    });
    EXPECT_EQ(status, c.found);
    if (c.user_home) {
        EXPECT_TRUE(fs::is_directory(home));
        EXPECT_TRUE(fs::exists(home + "lastlog.txt"));
    } else {
        EXPECT_FALSE(fs::exists(data + "lastlog.txt"));
        EXPECT_FALSE(fs::exists(root + "/home"));
    }
}

constexpr size_t mib = 1048576;

INSTANTIATE_TEST_SUITE_P(
    Cases, GameDataCheck,
    testing::ValuesIn(std::vector<check_case>{
        {"InDataFolder", archive_at::data_folder, 5000, true, true, 1},
        {"WrongDigest", archive_at::data_folder, 5000, false, true, 0},
        {"Missing", archive_at::nowhere, 0, true, true, 0},
        {"InUserHome", archive_at::user_home, 5000, true, true, 1},
        {"ArchiveMemberDoesNotCount", archive_at::inside_archive, 5000, true, true, 0},
        {"OnlyTheFirstMebibyteCounts", archive_at::data_folder, mib + 300, true, true, 1},
        {"EmptyArchive", archive_at::data_folder, 0, true, true, 1},
        {"NoUserHome", archive_at::data_folder, 5000, true, false, 1},
    }),
    [](const testing::TestParamInfo<check_case>& info) { return std::string(info.param.label); });

} // namespace
