// platform/sdl/sdl_keys.h — SDL scancodes to PC set-1 scan codes, and every key's name.
#pragma once

// The set-1 scan code (0x100 added for extended keys), or -1 for a key the PC has not.
int sdl_key_scan_code(int sdl_scancode);
// The key's name by its scan code; "" when the table has none.
const char* sdl_key_name(int scan);
