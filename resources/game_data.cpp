// resources/game_data.cpp — the start-up check that the game's data is there: the user home
// is made and the log started in it, then each home folder is asked for the base archive
// "zzzz.saf" whose digest the build recorded.
#include "resources/files.h"
#include "resources/internal.h"

#include "platform/folders.h"
#include "platform/log.h"

#include <cstdio>
#include <nettle/sha1.h>
#include <strings.h>

namespace {

constexpr long digest_span = 1048576; // only the archive's first MiB is digested
constexpr int read_bytes = 256;

bool folder_has_game_data(const char* folder, const char* expected) {
    std::string path = std::string(folder) + "zzzz.saf";
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return false;
    sha1_ctx hash;
    sha1_init(&hash);
    unsigned char buffer[read_bytes];
    long total = 0;
    size_t got;
    while (total < digest_span && (got = fread(buffer, 1, read_bytes, f)) > 0) {
        if (total + (long)got > digest_span) got = digest_span - total;
        sha1_update(&hash, got, buffer);
        total += got;
    }
    fclose(f);
    uint8_t digest[SHA1_DIGEST_SIZE];
    sha1_digest(&hash, sizeof digest, digest);
    return strcasecmp(digest_hex(digest, sizeof digest).c_str(), expected) == 0;
}

} // namespace

std::string digest_hex(const uint8_t* digest, int bytes) {
    std::string text;
    char pair[3];
    for (int i = 0; i < bytes; ++i) {
        snprintf(pair, sizeof pair, "%02x", digest[i]);
        text += pair;
    }
    return text;
}

int check_game_data(const char* expected_digest) {
    if (user_home_present()) {
        make_folders(home_folder(0));
        log_printf("VEXO_LOGFILE=%slastlog.txt", home_folder(0));
    }
    for (int i = 0; i < home_folder_count(); ++i)
        if (folder_has_game_data(home_folder(i), expected_digest)) return 1;
    return 0;
}

int open_home_folder() {
    if (!user_home_present()) return 0;
    make_folders(home_folder(0));
    std::string folder = home_folder(0);
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return platform_open_folder(folder.c_str());
}
