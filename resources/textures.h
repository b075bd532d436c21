// resources/textures.h — GL textures by name, collected by load generation. Main thread.
#pragma once

// A texture handle for the name ("!" in front asks for full detail); 0 when it can't load.
unsigned texture_load(const char* name);
// Frees every cached texture.
void texture_cache_free();
