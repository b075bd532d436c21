// tools/mkdata/mkdata.cpp — the data generator: "--data FOLDER" writes the default game data
// there, "--digest-header FILE" writes the header that records the base archive's digest.
// Files whose bytes are already right are left untouched, so rebuilds stay quiet.
#include "tools/mkdata/mkdata.h"

#include "resources/stream.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

bool same_bytes(const std::string& path, const std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::stringstream old;
    old << in.rdbuf();
    return old.str() == bytes;
}

bool put(const std::string& path, const std::string& bytes) {
    if (same_bytes(path, bytes)) return true;
    if (write_whole_file(path, bytes)) return true;
    fprintf(stderr, "mkdata: can't write %s\n", path.c_str());
    return false;
}

int write_data(const std::string& folder) {
    bool ok = put(folder + "/zzzz.saf", make_base_archive());
    for (const data_file& f : make_tracks()) ok = put(folder + "/" + f.path, f.bytes) && ok;
    return ok ? 0 : 1;
}

// For looking at the pictures alone while drawing them.
int write_pictures(const std::string& folder) {
    bool ok = put(folder + "/font.png", make_font_picture());
    ok = put(folder + "/tach.png", make_tach_picture()) && ok;
    ok = put(folder + "/shifter.png", make_shifter_picture()) && ok;
    ok = put(folder + "/pitboard.png", make_pitboard_picture()) && ok;
    ok = put(folder + "/title.png", make_title_picture()) && ok;
    return ok ? 0 : 1;
}

int write_digest_header(const std::string& path) {
    std::string text = "// Made by mkdata: the digest of the base archive it writes.\n"
                       "#pragma once\n"
                       "constexpr char game_data_expected_digest[] = \"" +
                       game_data_digest(make_base_archive()) + "\";\n";
    return put(path, text) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && strcmp(argv[1], "--data") == 0) return write_data(argv[2]);
    if (argc == 3 && strcmp(argv[1], "--digest-header") == 0) return write_digest_header(argv[2]);
    if (argc == 3 && strcmp(argv[1], "--pictures") == 0) return write_pictures(argv[2]);
    fprintf(stderr, "usage: mkdata --data FOLDER | --digest-header FILE | --pictures FOLDER\n");
    return 2;
}
