// platform/error_box.cpp — the modal box for fatal errors. The text always goes to standard
// error as well, so a run without a display still says why it stopped.
#include "platform/messages.h"

#include "platform/sdl/sdl_message_box.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

int (*error_box_show)(const char* title, const char* text) = sdl_show_message_box;

void error_box(const char* title, const char* format, ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    fprintf(stderr, "%s: %s%s", title, text, text[0] && text[strlen(text) - 1] == '\n' ? "" : "\n");
    fflush(stderr);
    if (error_box_show) error_box_show(title, text);
}
