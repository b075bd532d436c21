// resources/archive.cpp — the ".saf" archive header: member lines "size name", ended by a
// line "-", with the members' bytes following back to back.
#include "resources/internal.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {
constexpr int line_bytes = 1024; // 1023 and the terminator
}

bool saf_read_header(FILE* file, int64_t file_size, std::vector<saf_member>* members) {
    members->clear();
    int64_t header_bytes = 0;
    std::vector<std::pair<std::string, int64_t>> lines;
    char line[line_bytes];
    for (;;) {
        if (!fgets(line, sizeof line, file)) return false;
        size_t length = strlen(line);
        if (length == 0 || line[length - 1] != '\n') return false; // no line feed: broken
        header_bytes += (int64_t)length;
        if (strcmp(line, "-\n") == 0) break;
        char* end = nullptr;
        errno = 0;
        long long size = strtoll(line, &end, 10);
        if (end == line) return false;
        // A size the 32-bit offsets can't hold, or a negative one, can't be a member.
        if (errno == ERANGE || size < 0 || size > INT32_MAX) return false;
        std::string name;
        if (*end != '\n') { // one separator byte, then the name up to the line feed
            for (const char* c = end + 1; *c != '\n'; ++c) {
                if (*c == '/' && !name.empty() && name.back() == '/') continue;
                name += *c;
            }
        }
        lines.emplace_back(name, size);
    }
    int64_t offset = header_bytes;
    for (const auto& [name, size] : lines) {
        if (offset + size > file_size || offset > INT32_MAX) { // outside: refuse the archive
            members->clear();
            return false;
        }
        if (!name.empty()) members->push_back({name, (int32_t)offset, (int32_t)size});
        offset += size;
    }
    return true;
}
