// resources/file_index.cpp — the index of every file the game can open by name: loose files
// under the home folders, then the members of ".saf" archives, ranked by where they come
// from. Built once, on first use.
#include "resources/files.h"
#include "resources/internal.h"

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace {

struct index_state {
    bool built = false;
    std::vector<file_entry> entries; // lookup order: source, then name
    std::vector<std::string> names;  // distinct names, strcmp order
    std::vector<const char*> name_list;
};
index_state the_index;

bool by_name_then_source(const file_entry& a, const file_entry& b) {
    int order = strcmp(a.name.c_str(), b.name.c_str());
    return order != 0 ? order < 0 : a.source < b.source;
}

bool by_source_then_name(const file_entry& a, const file_entry& b) {
    if (a.source != b.source) return a.source < b.source;
    return strcmp(a.name.c_str(), b.name.c_str()) < 0;
}

// Each folder is entered once per scan, so a link back to a folder above ends there.
void scan_folder(const std::string& folder, size_t home_length, int source,
                 std::set<std::pair<dev_t, ino_t>>* visited) {
    struct stat info;
    if (stat(folder.c_str(), &info) != 0) return;
    if (!visited->insert({info.st_dev, info.st_ino}).second) return;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    std::string base = folder;
    while (!base.empty() && base.back() == '/') base.pop_back();
    std::vector<std::string> children;
    while (dirent* e = readdir(dir)) {
        if (strcmp(e->d_name, ".") == 0 || strcmp(e->d_name, "..") == 0) continue;
        children.push_back(base + "/" + e->d_name);
    }
    closedir(dir);
    for (const std::string& child : children) {
        if (stat(child.c_str(), &info) != 0) continue;
        if (S_ISDIR(info.st_mode)) {
            scan_folder(child, home_length, source, visited);
        } else if (child.size() > home_length && info.st_size <= INT32_MAX) {
            the_index.entries.push_back(
                {child, child.substr(home_length), 0, (int32_t)info.st_size, source});
        }
    }
}

bool ends_with(const std::string& text, const char* suffix) {
    size_t n = strlen(suffix);
    return text.size() >= n && text.compare(text.size() - n, n, suffix) == 0;
}

void add_archive(const file_entry& archive, int source) {
    FILE* file = fopen(archive.path.c_str(), "rb");
    if (!file) return;
    std::vector<saf_member> members;
    if (saf_read_header(file, archive.size, &members))
        for (saf_member& m : members)
            the_index.entries.push_back(
                {archive.path, std::move(m.name), m.offset, m.size, source});
    fclose(file);
}

void build_index() {
    if (the_index.built) return;
    the_index.built = true;
    int folders = home_folder_count();
    for (int i = 0; i < folders; ++i) {
        std::string folder = home_folder(i);
        // The home folder's own text, trailing "/" included, is cut from every name.
        std::set<std::pair<dev_t, ino_t>> visited;
        scan_folder(folder, folder.size(), i, &visited);
    }
    std::sort(the_index.entries.begin(), the_index.entries.end(), by_name_then_source);
    // Archives rank by their own names, after every loose file.
    std::vector<file_entry> archives;
    for (const file_entry& e : the_index.entries)
        if (ends_with(e.name, ".saf")) archives.push_back(e);
    int source = folders;
    for (const file_entry& a : archives) add_archive(a, source++);

    std::sort(the_index.entries.begin(), the_index.entries.end(), by_name_then_source);
    for (const file_entry& e : the_index.entries)
        if (the_index.names.empty() || the_index.names.back() != e.name)
            the_index.names.push_back(e.name);
    for (const std::string& n : the_index.names) the_index.name_list.push_back(n.c_str());
    the_index.name_list.push_back(nullptr);
    std::sort(the_index.entries.begin(), the_index.entries.end(), by_source_then_name);
}

} // namespace

const file_entry* file_index(int* count) {
    build_index();
    *count = (int)the_index.entries.size();
    return the_index.entries.data();
}

const char* const* all_file_names() {
    build_index();
    return the_index.name_list.data();
}

void file_system_reset() {
    the_index = index_state();
    reset_home_folders();
}
