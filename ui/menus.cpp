// ui/menus.cpp — the menu pages. Pages and their items come with the menus; until then a
// page can be set and shown as open, but it draws nothing and ignores keys.
#include "ui/ui.h"

control_capture_state control_capture;

namespace {
int current_page = no_menu;
}

int menu_page() {
    return current_page;
}
void menu_set_page(int page) {
    current_page = page;
}
void menu_draw() {}
void menu_event(uint32_t, int) {}
void menu_hover_update(int, int) {}
void menu_hover_reset() {}
