// platform/key_names.cpp — the special input names and the fixed key names, each with its
// PC set-1 scan code (0x100 added for extended keys). Alt, the Windows keys, Print Screen
// and Scroll Lock are named only by the keyboard's own key names.
#include "platform/key_names.h"

#include "platform/input.h"

const key_name_row special_names[4] = {
    {"Close", input_close},
    {"Mouse Left", input_mouse_left},
    {"Mouse Middle", input_mouse_middle},
    {"Mouse Right", input_mouse_right},
};

#define K(name, scan)                                                                              \
    { name, input_key_base + (scan) }
const key_name_row fixed_key_names[98] = {
    K("Esc", 0x01),        K("0", 0x0B),           K("1", 0x02),         K("2", 0x03),
    K("3", 0x04),          K("4", 0x05),           K("5", 0x06),         K("6", 0x07),
    K("7", 0x08),          K("8", 0x09),           K("9", 0x0A),         K("A", 0x1E),
    K("B", 0x30),          K("C", 0x2E),           K("D", 0x20),         K("E", 0x12),
    K("F", 0x21),          K("G", 0x22),           K("H", 0x23),         K("I", 0x17),
    K("J", 0x24),          K("K", 0x25),           K("L", 0x26),         K("M", 0x31),
    K("N", 0x32),          K("O", 0x18),           K("P", 0x19),         K("Q", 0x10),
    K("R", 0x13),          K("S", 0x1F),           K("T", 0x14),         K("U", 0x16),
    K("V", 0x2F),          K("W", 0x11),           K("X", 0x2D),         K("Y", 0x15),
    K("Z", 0x2C),          K("-", 0x0C),           K("=", 0x0D),         K("[", 0x1A),
    K("]", 0x1B),          K(";", 0x27),           K("'", 0x28),         K("`", 0x29),
    K("\\", 0x2B),         K(",", 0x33),           K(".", 0x34),         K("/", 0x35),
    K("Backspace", 0x0E),  K("Tab", 0x0F),         K("Enter", 0x1C),     K("Left Ctrl", 0x1D),
    K("Left Shift", 0x2A), K("Right Shift", 0x36), K("Space", 0x39),     K(" ", 0x39),
    K("Caps Lock", 0x3A),  K("Right Ctrl", 0x11D), K("Insert", 0x152),   K("Delete", 0x153),
    K("Home", 0x147),      K("End", 0x14F),        K("Page Up", 0x149),  K("Page Down", 0x151),
    K("Up", 0x148),        K("Down", 0x150),       K("Left", 0x14B),     K("Right", 0x14D),
    K("F1", 0x3B),         K("F2", 0x3C),          K("F3", 0x3D),        K("F4", 0x3E),
    K("F5", 0x3F),         K("F6", 0x40),          K("F7", 0x41),        K("F8", 0x42),
    K("F9", 0x43),         K("F10", 0x44),         K("F11", 0x57),       K("F12", 0x58),
    K("Pause", 0x45),      K("Num Lock", 0x145),   K("Keypad /", 0x135), K("Keypad *", 0x37),
    K("Keypad -", 0x4A),   K("Keypad 7", 0x47),    K("Keypad 8", 0x48),  K("Keypad 9", 0x49),
    K("Keypad +", 0x4E),   K("Keypad 4", 0x4B),    K("Keypad 5", 0x4C),  K("Keypad 6", 0x4D),
    K("Keypad 1", 0x4F),   K("Keypad 2", 0x50),    K("Keypad 3", 0x51),  K("Keypad Enter", 0x11C),
    K("Keypad 0", 0x52),   K("Keypad .", 0x53),
};
#undef K
