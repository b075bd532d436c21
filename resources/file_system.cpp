// resources/file_system.cpp — the home folders, path joining and folder creation.
#include "resources/files.h"

#include "platform/folders.h"

#include <cstdlib>
#include <sys/stat.h>
#include <vector>

namespace {

struct folders_state {
    bool built = false;
    bool user_home = false;
    std::vector<std::string> folders;
};
folders_state home;

constexpr size_t make_folders_limit = 1024;

void build_folders() {
    if (home.built) return;
    home.built = true;
    std::string user = platform_user_data_folder();
    if (!user.empty()) {
        home.folders.push_back(path_join(user.c_str(), "/Tarvik/"));
        home.user_home = true;
    }
    const char* data = getenv("QD_HOME");
    if (data && !data[0]) data = nullptr; // an empty value would make "/" the data folder
    std::string data_folder = data ? std::string(data) : platform_executable_folder();
    if (data || !data_folder.empty()) home.folders.push_back(path_join(data_folder.c_str(), "/"));
}

} // namespace

std::string path_join(const char* a, const char* b) {
    if (!a || !b) return std::string();
    std::string joined;
    for (const char* part : {a, b}) {
        for (const char* c = part; *c; ++c) {
            char ch = *c == '\\' ? '/' : *c;
            if (ch == '/' && !joined.empty() && joined.back() == '/') continue;
            joined += ch;
        }
    }
    return joined;
}

const char* home_folder(int index) {
    build_folders();
    if (index < 0 || index >= (int)home.folders.size()) return nullptr;
    return home.folders[index].c_str();
}

int home_folder_count() {
    build_folders();
    return (int)home.folders.size();
}

bool user_home_present() {
    build_folders();
    return home.user_home;
}

void make_folders(const char* path) {
    std::string p = path;
    if (p.size() >= make_folders_limit) return;
    for (size_t i = 1; i < p.size(); ++i) {
        if (p[i] != '/' || p[i - 1] == '/') continue;
        mkdir(p.substr(0, i).c_str(), 0755);
    }
}

void reset_home_folders() {
    home = folders_state();
}
