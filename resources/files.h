// resources/files.h — the game's folders and file index: the user home and the data folder,
// the list of every file name (loose files and ".saf" archive members), the data-folder
// check, and the shell view of the home folder. Main thread only; built lazily, once.
#pragma once

#include <cstdint>
#include <string>

// Folder index, each ending in "/": 0 the user home (when known), then the data folder.
// Null when index is out of range.
const char* home_folder(int index);
int home_folder_count();
// True when home_folder(0) is the user home: writes by game name go only there.
bool user_home_present();

// a + b with "\" turned into "/" and runs of "/" made one; empty when either is null.
std::string path_join(const char* a, const char* b);
// Creates every folder named before a "/" of the path (errors ignored).
void make_folders(const char* path);

// One file the index knows: a loose file or an archive member.
struct file_entry {
    std::string path; // the file holding the data: the loose file or the archive
    std::string name; // game name below its home folder, "/"-separated
    int32_t offset;   // of the data in path
    int32_t size;     // bytes
    int32_t source;   // home folder i for loose files; folder count + k for archive k
};

// The index in lookup order (source, then name); built on first use.
const file_entry* file_index(int* count);
// Every distinct name, sorted by strcmp, ending with null.
const char* const* all_file_names();
// Forgets the folders and the index so that the next use builds them again (tests only:
// the game builds them once).
void file_system_reset();

// Prepares the key material for scrambled files.
void scramble_prepare_keys();
// Creates the user home, starts the log there, and looks for the base archive "zzzz.saf"
// whose SHA-1 digest (40 hex digits) is given. 1 when found.
int check_game_data(const char* expected_digest);
// Shows the user home in the desktop's file manager.
int open_home_folder();
// Sizes the process working set after a track load (logs what it does).
void adjust_working_set();
