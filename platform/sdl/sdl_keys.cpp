// platform/sdl/sdl_keys.cpp — the one table from SDL's scancodes to the PC keyboard's set-1
// scan codes (0x100 added for the E0-prefixed keys), with the name of every key. The scan
// codes, not SDL's numbering, are what bindings and stored files name.
#include "platform/sdl/sdl_keys.h"

#include <SDL.h>

namespace {

struct key_row {
    SDL_Scancode sdl;
    int scan; // set 1, + 0x100 when extended
    const char* name;
};

const key_row key_rows[] = {
    {SDL_SCANCODE_ESCAPE, 0x01, "Esc"},
    {SDL_SCANCODE_1, 0x02, "1"},
    {SDL_SCANCODE_2, 0x03, "2"},
    {SDL_SCANCODE_3, 0x04, "3"},
    {SDL_SCANCODE_4, 0x05, "4"},
    {SDL_SCANCODE_5, 0x06, "5"},
    {SDL_SCANCODE_6, 0x07, "6"},
    {SDL_SCANCODE_7, 0x08, "7"},
    {SDL_SCANCODE_8, 0x09, "8"},
    {SDL_SCANCODE_9, 0x0A, "9"},
    {SDL_SCANCODE_0, 0x0B, "0"},
    {SDL_SCANCODE_MINUS, 0x0C, "-"},
    {SDL_SCANCODE_EQUALS, 0x0D, "="},
    {SDL_SCANCODE_BACKSPACE, 0x0E, "Backspace"},
    {SDL_SCANCODE_TAB, 0x0F, "Tab"},
    {SDL_SCANCODE_Q, 0x10, "Q"},
    {SDL_SCANCODE_W, 0x11, "W"},
    {SDL_SCANCODE_E, 0x12, "E"},
    {SDL_SCANCODE_R, 0x13, "R"},
    {SDL_SCANCODE_T, 0x14, "T"},
    {SDL_SCANCODE_Y, 0x15, "Y"},
    {SDL_SCANCODE_U, 0x16, "U"},
    {SDL_SCANCODE_I, 0x17, "I"},
    {SDL_SCANCODE_O, 0x18, "O"},
    {SDL_SCANCODE_P, 0x19, "P"},
    {SDL_SCANCODE_LEFTBRACKET, 0x1A, "["},
    {SDL_SCANCODE_RIGHTBRACKET, 0x1B, "]"},
    {SDL_SCANCODE_RETURN, 0x1C, "Enter"},
    {SDL_SCANCODE_LCTRL, 0x1D, "Left Ctrl"},
    {SDL_SCANCODE_A, 0x1E, "A"},
    {SDL_SCANCODE_S, 0x1F, "S"},
    {SDL_SCANCODE_D, 0x20, "D"},
    {SDL_SCANCODE_F, 0x21, "F"},
    {SDL_SCANCODE_G, 0x22, "G"},
    {SDL_SCANCODE_H, 0x23, "H"},
    {SDL_SCANCODE_J, 0x24, "J"},
    {SDL_SCANCODE_K, 0x25, "K"},
    {SDL_SCANCODE_L, 0x26, "L"},
    {SDL_SCANCODE_SEMICOLON, 0x27, ";"},
    {SDL_SCANCODE_APOSTROPHE, 0x28, "'"},
    {SDL_SCANCODE_GRAVE, 0x29, "`"},
    {SDL_SCANCODE_LSHIFT, 0x2A, "Left Shift"},
    {SDL_SCANCODE_BACKSLASH, 0x2B, "\\"},
    {SDL_SCANCODE_Z, 0x2C, "Z"},
    {SDL_SCANCODE_X, 0x2D, "X"},
    {SDL_SCANCODE_C, 0x2E, "C"},
    {SDL_SCANCODE_V, 0x2F, "V"},
    {SDL_SCANCODE_B, 0x30, "B"},
    {SDL_SCANCODE_N, 0x31, "N"},
    {SDL_SCANCODE_M, 0x32, "M"},
    {SDL_SCANCODE_COMMA, 0x33, ","},
    {SDL_SCANCODE_PERIOD, 0x34, "."},
    {SDL_SCANCODE_SLASH, 0x35, "/"},
    {SDL_SCANCODE_RSHIFT, 0x36, "Right Shift"},
    {SDL_SCANCODE_KP_MULTIPLY, 0x37, "Keypad *"},
    {SDL_SCANCODE_LALT, 0x38, "Left Alt"},
    {SDL_SCANCODE_SPACE, 0x39, "Space"},
    {SDL_SCANCODE_CAPSLOCK, 0x3A, "Caps Lock"},
    {SDL_SCANCODE_F1, 0x3B, "F1"},
    {SDL_SCANCODE_F2, 0x3C, "F2"},
    {SDL_SCANCODE_F3, 0x3D, "F3"},
    {SDL_SCANCODE_F4, 0x3E, "F4"},
    {SDL_SCANCODE_F5, 0x3F, "F5"},
    {SDL_SCANCODE_F6, 0x40, "F6"},
    {SDL_SCANCODE_F7, 0x41, "F7"},
    {SDL_SCANCODE_F8, 0x42, "F8"},
    {SDL_SCANCODE_F9, 0x43, "F9"},
    {SDL_SCANCODE_F10, 0x44, "F10"},
    {SDL_SCANCODE_PAUSE, 0x45, "Pause"},
    {SDL_SCANCODE_SCROLLLOCK, 0x46, "Scroll Lock"},
    {SDL_SCANCODE_KP_7, 0x47, "Keypad 7"},
    {SDL_SCANCODE_KP_8, 0x48, "Keypad 8"},
    {SDL_SCANCODE_KP_9, 0x49, "Keypad 9"},
    {SDL_SCANCODE_KP_MINUS, 0x4A, "Keypad -"},
    {SDL_SCANCODE_KP_4, 0x4B, "Keypad 4"},
    {SDL_SCANCODE_KP_5, 0x4C, "Keypad 5"},
    {SDL_SCANCODE_KP_6, 0x4D, "Keypad 6"},
    {SDL_SCANCODE_KP_PLUS, 0x4E, "Keypad +"},
    {SDL_SCANCODE_KP_1, 0x4F, "Keypad 1"},
    {SDL_SCANCODE_KP_2, 0x50, "Keypad 2"},
    {SDL_SCANCODE_KP_3, 0x51, "Keypad 3"},
    {SDL_SCANCODE_KP_0, 0x52, "Keypad 0"},
    {SDL_SCANCODE_KP_PERIOD, 0x53, "Keypad ."},
    {SDL_SCANCODE_NONUSBACKSLASH, 0x56, "<"},
    {SDL_SCANCODE_F11, 0x57, "F11"},
    {SDL_SCANCODE_F12, 0x58, "F12"},
    {SDL_SCANCODE_KP_ENTER, 0x11C, "Keypad Enter"},
    {SDL_SCANCODE_RCTRL, 0x11D, "Right Ctrl"},
    {SDL_SCANCODE_KP_DIVIDE, 0x135, "Keypad /"},
    {SDL_SCANCODE_PRINTSCREEN, 0x137, "Print Screen"},
    {SDL_SCANCODE_RALT, 0x138, "Right Alt"},
    {SDL_SCANCODE_NUMLOCKCLEAR, 0x145, "Num Lock"},
    {SDL_SCANCODE_HOME, 0x147, "Home"},
    {SDL_SCANCODE_UP, 0x148, "Up"},
    {SDL_SCANCODE_PAGEUP, 0x149, "Page Up"},
    {SDL_SCANCODE_LEFT, 0x14B, "Left"},
    {SDL_SCANCODE_RIGHT, 0x14D, "Right"},
    {SDL_SCANCODE_END, 0x14F, "End"},
    {SDL_SCANCODE_DOWN, 0x150, "Down"},
    {SDL_SCANCODE_PAGEDOWN, 0x151, "Page Down"},
    {SDL_SCANCODE_INSERT, 0x152, "Insert"},
    {SDL_SCANCODE_DELETE, 0x153, "Delete"},
    {SDL_SCANCODE_LGUI, 0x15B, "Left Windows"},
    {SDL_SCANCODE_RGUI, 0x15C, "Right Windows"},
    {SDL_SCANCODE_APPLICATION, 0x15D, "Menu"},
};

} // namespace

int sdl_key_scan_code(int sdl_scancode) {
    for (const key_row& row : key_rows)
        if (row.sdl == sdl_scancode) return row.scan;
    return -1;
}

const char* sdl_key_name(int scan) {
    for (const key_row& row : key_rows)
        if (row.scan == scan) return row.name;
    return "";
}
