// resources/stream_open.cpp — opening streams: game names through the home folders and the
// index, plain paths with their numbered backups and their ".gz" / ".scram" forms.
#include "resources/files.h"
#include "resources/internal.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t game_path_limit = 511;
constexpr size_t backup_path_limit = 1000;
constexpr size_t suffix_path_limit = 1022;
constexpr int backup_limit = 9999;
constexpr size_t copy_chunk = 65536;

bool reading_only(const char* mode) {
    return strchr(mode, 'r') && !strchr(mode, '+');
}

bool exists(const std::string& path) {
    FILE* f = fopen(path.c_str(), "rb");
    if (f) fclose(f);
    return f != nullptr;
}

// Copies the file to the first free "path.~N~"; false when none is free or the copy fails.
bool make_backup(const std::string& path) {
    for (int i = 1; i <= backup_limit; ++i) {
        std::string backup = path + ".~" + std::to_string(i) + "~";
        if (exists(backup)) continue;
        FILE* in = fopen(path.c_str(), "rb");
        FILE* out = fopen(backup.c_str(), "wb");
        bool ok = in && out;
        std::vector<char> chunk(copy_chunk);
        while (ok) {
            size_t got = fread(chunk.data(), 1, chunk.size(), in);
            if (got == 0) break;
            ok = fwrite(chunk.data(), 1, got, out) == got;
        }
        if (in) fclose(in);
        if (out && fclose(out) != 0) ok = false;
        return ok;
    }
    return false;
}

stream* new_stream(FILE* file, int32_t base, int32_t length) {
    stream* s = (stream*)calloc(1, sizeof(stream));
    if (!s) return nullptr;
    s->file = file;
    s->base = base;
    s->length = length;
    s->pushback = -1;
    return s;
}

// The decoders a name's suffixes ask for; the stream is closed when one can't start.
stream* start_decoders(stream* s, bool gzipped, bool scrambled) {
    if (!s) return nullptr;
    s->gzipped = gzipped;
    s->scrambled = scrambled;
    if (scrambled && !(s->cipher = scram_open(s->file))) {
        stream_close(s);
        return nullptr;
    }
    if (gzipped && !gzip_start(s)) {
        stream_close(s);
        return nullptr;
    }
    return s;
}

stream* open_plain(const std::string& path, const char* mode) {
    bool backup = mode[0] == '~';
    if (backup) ++mode;
    if (!reading_only(mode)) make_folders(path.c_str());
    if (backup && path.size() <= backup_path_limit && exists(path) && !make_backup(path))
        return nullptr;
    if (FILE* f = fopen(path.c_str(), mode))
        return start_decoders(new_stream(f, 0, stream_unlimited), false, false);
    if (!reading_only(mode)) return nullptr;
    const struct {
        const char* suffix;
        bool gzipped, scrambled;
    } forms[] = {{".gz", true, false}, {".scram", false, true}, {".gz.scram", true, true}};
    for (const auto& form : forms) {
        std::string name = path + form.suffix;
        if (name.size() > suffix_path_limit) continue;
        if (FILE* f = fopen(name.c_str(), "rb"))
            return start_decoders(new_stream(f, 0, stream_unlimited), form.gzipped, form.scrambled);
    }
    return nullptr;
}

bool same_name(const std::string& entry, const std::string& wanted) {
    if (entry.size() != wanted.size()) return false;
    for (size_t i = 0; i < entry.size(); ++i)
        if (tolower((unsigned char)entry[i]) != tolower((unsigned char)wanted[i])) return false;
    return true;
}

stream* open_indexed(const std::string& rest) {
    const struct {
        const char* suffix;
        bool gzipped, scrambled;
    } forms[] = {{"", false, false},
                 {".gz", true, false},
                 {".scram", false, true},
                 {".gz.scram", true, true}};
    int count;
    const file_entry* entries = file_index(&count);
    for (int i = 0; i < count; ++i) {
        const file_entry& e = entries[i];
        for (const auto& form : forms) {
            if (!same_name(e.name, rest + form.suffix)) continue;
            FILE* f = fopen(e.path.c_str(), "rb");
            if (!f) return nullptr;
            if (fseek(f, e.offset, SEEK_SET) != 0) {
                fclose(f);
                return nullptr;
            }
            return start_decoders(new_stream(f, e.offset, e.size), form.gzipped, form.scrambled);
        }
    }
    return nullptr;
}

} // namespace

stream* stream_open(const char* name, const char* mode) {
    if (name[0] != '@') return open_plain(name, mode);
    int count;
    file_index(&count);
    std::string rest = name + 1;
    bool reading = reading_only(mode[0] == '~' ? mode + 1 : mode);
    // A write by game name goes to the user home only, never into the game's data.
    int folders = reading ? home_folder_count() : (user_home_present() ? 1 : 0);
    for (int i = 0; i < folders; ++i) {
        std::string path = std::string(home_folder(i)) + rest;
        if (path.size() > game_path_limit) path.resize(game_path_limit);
        if (stream* s = open_plain(path, mode)) return s;
    }
    return reading ? open_indexed(rest) : nullptr;
}

stream* stream_wrap_file(FILE* file) {
    return new_stream(file, 0, stream_unlimited);
}

void stream_close(stream* s) {
    if (!s) return;
    if (s->gzip) gzip_end(s);
    if (s->cipher) scram_close(s->cipher);
    if (s->file) fclose(s->file);
    free(s);
}

int stream_rename(const char* from, const char* to) {
    std::string paths[2];
    for (int i = 0; i < 2; ++i) {
        const char* name = i == 0 ? from : to;
        if (name[0] == '@' && !user_home_present()) return 0; // never inside the game's data
        paths[i] = name[0] == '@' ? std::string(home_folder(0)) + (name + 1) : std::string(name);
        if (paths[i].size() > game_path_limit) paths[i].resize(game_path_limit);
    }
    return rename(paths[0].c_str(), paths[1].c_str()) == 0;
}
