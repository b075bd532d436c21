// platform/memory.cpp — xmalloc, the out-of-memory exit and the table of interned texts.
#include "platform/audio.h"
#include "platform/messages.h"
#include "platform/window.h"

#include <cstdlib>
#include <cstring>

namespace {

// The interned texts: an array of pointers that doubles when full.
struct intern_table {
    const char** entries;
    int count;
    int capacity;
};
intern_table interned = {nullptr, 0, 0};
constexpr int intern_first_capacity = 16;

} // namespace

void out_of_memory() {
    // Nothing is logged: the log itself may need memory.
    audio_close_for_exit();
    window_close_for_exit();
    error_box("Error", "Out of virtual memory");
    exit(1);
}

void* xmalloc(size_t size) {
    void* block = malloc(size ? size : 1);
    if (!block) out_of_memory();
    return block;
}

const char* intern_string(const char* text) {
    for (int i = 0; i < interned.count; ++i)
        if (strcmp(interned.entries[i], text) == 0) return interned.entries[i];
    size_t size = strlen(text) + 1;
    char* copy = (char*)xmalloc(size);
    memcpy(copy, text, size);
    if (interned.count == interned.capacity) {
        int capacity = interned.capacity ? interned.capacity * 2 : intern_first_capacity;
        void* grown = realloc(interned.entries, capacity * sizeof(const char*));
        if (!grown) return copy; // still a valid copy, only not shared
        interned.entries = (const char**)grown;
        interned.capacity = capacity;
    }
    interned.entries[interned.count++] = copy;
    return copy;
}
