// platform/posix/posix_folders.cpp — XDG data folder, /proc/self/exe and xdg-open.
#include "platform/folders.h"

#include <climits>
#include <cstdlib>
#include <spawn.h>
#include <unistd.h>

extern char** environ;

std::string platform_user_data_folder() {
    const char* xdg = getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return xdg; // a relative value is to be ignored
    const char* home = getenv("HOME");
    if (home && home[0]) return std::string(home) + "/.local/share";
    return std::string();
}

std::string platform_executable_folder() {
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0 || length >= (ssize_t)sizeof path - 1) return std::string();
    std::string folder(path, length);
    size_t slash = folder.rfind('/');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

int platform_open_folder(const char* path) {
    char program[] = "xdg-open";
    char* argv[] = {program, const_cast<char*>(path), nullptr};
    pid_t child;
    return posix_spawnp(&child, program, nullptr, nullptr, argv, environ) == 0;
}
