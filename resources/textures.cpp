// resources/textures.cpp — the texture manager. Images and GL textures come with the
// texture loader; until then no texture loads.
#include "resources/textures.h"

unsigned texture_load(const char*) {
    return 0;
}
void texture_cache_free() {}
