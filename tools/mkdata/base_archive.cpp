// tools/mkdata/base_archive.cpp — the base archive "zzzz.saf": the game's own files that the
// tracks share. Textures, models and sounds join it as their formats arrive.
#include "tools/mkdata/mkdata.h"

std::string make_base_archive() {
    std::vector<archive_member> members = {
        {"about.txt", "Tarvik game data.\n"
                      "Every file here is made by the game's own data generator.\n"},
        {"font.png", make_font_picture()},
        {"tach.png", make_tach_picture()},
        {"shifter.png", make_shifter_picture()},
        {"pitboard.png", make_pitboard_picture()},
        {"title.png", make_title_picture()},
    };
    for (archive_member& m : make_colour_pictures()) members.push_back(std::move(m));
    return archive_encode(members);
}
