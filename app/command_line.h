// app/command_line.h — the "--" options and the one demo file argument.
#pragma once

// The arguments not yet read.
struct option_cursor {
    int left;            // arguments left
    char** next;         // the next one
    bool end_of_options; // "--" was seen: every further argument is a file
};

// Tests the next argument against one option. With value null the option takes no value;
// otherwise *value is its text (or null when the option stood last).
bool match_option(option_cursor* cursor, const char* name, const char** value);

// Reads the whole command line into the run settings. Returns -1 to go on, or the exit
// status to stop with (messages already written to standard error).
int read_command_line(int argc, char** argv);
