// resources/files.h — the game's files: home folders, the data-folder check, the list of
// all file names, and the key material of scrambled files. Main thread only.
#pragma once

// Prepares the key material for scrambled files.
void scramble_prepare_keys();
// Finds the game data and creates the user home, starting the log there. 0 when no game
// data can be found.
int check_game_data();
// Opens the user home in the desktop's file manager.
int open_home_folder();
// The names of every file of the game, loose and in archives.
int file_name_count();
const char* file_name_at(int index);
