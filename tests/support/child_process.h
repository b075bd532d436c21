// tests/support/child_process.h — runs code in a forked child, for the process-wide state
// (the log, the option text) that a test must see fresh.
#pragma once

#include <functional>
#include <string>
#include <vector>

// Runs body in a child process and returns its exit status (the body's return value).
int run_in_child(const std::function<int()>& body);

// Runs a program with arguments and environment additions ("NAME=value"); returns its exit
// status and fills the standard error text.
int run_program(const std::string& path, const std::vector<std::string>& args,
                const std::vector<std::string>& env, std::string* error_text);

// The whole content of a file ("" when missing).
std::string read_file(const std::string& path);
// A fresh empty folder under the system's temporary folder.
std::string make_temp_folder();
