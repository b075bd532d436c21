// platform/folders.h — the folders the operating system names for the program: the user's
// data folder, the executable's own folder, and showing a folder in the desktop's file
// manager. Main thread only.
#pragma once

#include <string>

// $XDG_DATA_HOME, else $HOME/.local/share; empty when neither is known.
std::string platform_user_data_folder();
// The folder of the running executable, without a trailing "/"; empty when unknown.
std::string platform_executable_folder();
// Shows the folder in the desktop's file manager without waiting for it. 1 when started.
int platform_open_folder(const char* path);
