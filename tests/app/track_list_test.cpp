// The track and demo lists built from the game's files: display names from "desc", the
// folder when there is none, the order by display name, and the first track chosen.
#include "app/run_settings.h"
#include "app/track_list.h"
#include "resources/files.h"
#include "resources/writers.h"
#include "support/child_process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

class track_lists : public testing::Test {
  protected:
    std::string data = make_temp_folder();
    std::string user = make_temp_folder();

    void SetUp() override {
        setenv("QD_HOME", data.c_str(), 1);
        setenv("XDG_DATA_HOME", user.c_str(), 1);
        file_system_reset();
        track_list = track_list_record{};
        settings_reset();
        run_settings_reset();
    }
    void TearDown() override {
        unsetenv("QD_HOME");
        std::filesystem::remove_all(data);
        std::filesystem::remove_all(user);
        file_system_reset();
    }
    void put(const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(write_whole_file(data + "/" + name, bytes));
    }
};

TEST_F(track_lists, tracks_sorted_by_display_name_without_case) {
    put("b/terrain.hf", "");
    put("b/desc", "alpine Valley\r\nsecond line");
    put("a/terrain.hf", "");
    put("a/desc", "Zig Zag\n");
    put("zz/terrain.hf.gz", ""); // no desc: listed under its folder
    put("c/terrain.hf", "");
    put("c/terrain.hf.gz", ""); // both forms are one track
    put("c/desc", "Canyon");
    put("notrack/desc", "Not a track");
    put("archive.saf", archive_encode({{"m/terrain.hf", ""}, {"m/desc", "Mesa\n"}}));
    track_list_build();
    const std::vector<std::string> folders(track_list.folders.begin(), track_list.folders.end());
    const std::vector<std::string> names(track_list.names.begin(), track_list.names.end());
    EXPECT_EQ(folders, (std::vector<std::string>{"b", "c", "m", "a", "zz"}));
    EXPECT_EQ(names,
              (std::vector<std::string>{"alpine Valley", "Canyon", "Mesa", "Zig Zag", "zz"}));
    EXPECT_EQ(settings.track_choice.count, 5);
}

TEST_F(track_lists, the_first_track_is_the_wanted_folder) {
    put("rabbithill/terrain.hf", "");
    put("rabbithill/desc", "Rabbit Hill\n");
    put("dunes/terrain.hf", "");
    put("dunes/desc", "Dunes\n");
    track_list_build();
    choose_first_track();
    EXPECT_STREQ(choice_name(&settings.track_choice), "Rabbit Hill") << "the configured track";
    app_globals.start_track = "dunes";
    choose_first_track();
    EXPECT_STREQ(choice_name(&settings.track_choice), "Dunes") << "--track wins";
    settings.track_choice.index = 0;
    app_globals.start_track = "elsewhere";
    choose_first_track();
    EXPECT_EQ(settings.track_choice.index, 0) << "an unknown folder keeps the first of the list";
}

TEST_F(track_lists, demos_take_their_base_names) {
    put("demos/race one.qddemo", "");
    put("demos/old/holeshot.v2.qddemo", "");
    put("demos/notes.txt", "");
    put("other/lost.qddemo", "");
    demo_list_build();
    const std::vector<std::string> demos(track_list.demos.begin(), track_list.demos.end());
    EXPECT_EQ(demos, (std::vector<std::string>{"holeshot.v2", "race one"}));
}

} // namespace
