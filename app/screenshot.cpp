// app/screenshot.cpp — screenshots and the frames of a video recording. Main thread.
#include "app/screenshot.h"

#include "app/main_loop.h"
#include "platform/messages.h"
#include "render/render.h"
#include "resources/files.h"
#include "resources/images.h"

#include <cstdio>
#include <cstdlib>

namespace {

// The frame's pixels, bottom row first; null (and nothing shown) when it can't be read.
unsigned char* read_frame(int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    unsigned char* rgb = (unsigned char*)malloc((size_t)width * height * 3);
    if (rgb && !read_frame_pixels(width, height, rgb)) {
        free(rgb);
        return nullptr;
    }
    return rgb;
}

} // namespace

int screenshot_number() {
    if (loop_state.screenshot_next == 0) {
        unsigned largest = 0;
        for (const char* const* name = all_file_names(); *name; ++name) {
            unsigned n;
            if (sscanf(*name, "screenshot%u.ppm", &n) == 1 && n > largest) largest = n;
        }
        loop_state.screenshot_next = (int)largest + 1;
    }
    return loop_state.screenshot_next++;
}

// The key only asks: the frame is read before the next swap, while its pixels are still the
// ones on screen.
void take_screenshot(game_window*) {
    loop_state.screenshot_pending = 1;
}

void screenshot_write_pending(int width, int height) {
    if (!loop_state.screenshot_pending) return;
    loop_state.screenshot_pending = 0;
    unsigned char* rgb = read_frame(width, height);
    if (!rgb) return;
    int n = screenshot_number();
    char name[64], message[64];
    snprintf(name, sizeof name, "@screenshot%03d.png", n);
    if (image_write_png_rgb(name, width, height, rgb)) {
        snprintf(message, sizeof message, "Saved \"screenshot%03d.png\"", n);
        print_message(message);
    }
    free(rgb);
}

void write_ppm_frame(FILE* out, int width, int height, const unsigned char* rgb) {
    fprintf(out, "P6\n%d %d\n255\n", width, height);
    for (int row = height - 1; row >= 0; --row)
        fwrite(rgb + (size_t)row * width * 3, 1, (size_t)width * 3, out);
    fflush(out);
}

void record_video_frame(int width, int height) {
    unsigned char* rgb = read_frame(width, height);
    if (!rgb) return;
    write_ppm_frame(stdout, width, height, rgb);
    free(rgb);
}
