// platform/key_names.h — the fixed names of inputs: the special names and the 98 fixed key
// names with their scan codes.
#pragma once

#include <cstdint>

struct key_name_row {
    const char* name;
    uint32_t code; // the input code: 0x1000 + scan code for keys
};

extern const key_name_row special_names[4];
extern const key_name_row fixed_key_names[98];
