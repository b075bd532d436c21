// resources/textures.h — GL textures by name: loaded once, followed through links, played
// as frame animations, counted in texture memory and collected by load generation. Main
// thread, with the GL context current.
#pragma once

#include <cstdint>

// Upload flags.
constexpr int texture_repeat_h = 1, texture_repeat_v = 2, texture_compress_flag = 4,
              texture_no_mips = 8;

// The run settings the loader follows, copied in by start-up (and by the graphics menus).
struct texture_options_record {
    int reduce;   // top mip levels dropped, 0..10; a name with "!" in front drops none
    int compress; // 0 never, 1 when the info text asks with "[compress]", 2 always
    int debug;    // log missing textures and what is collected
};
extern texture_options_record texture_options;

extern uint32_t texture_memory;    // bytes of texture memory in use
extern int32_t texture_generation; // raised by the track loader before a track's textures

// A texture for the name ("!" in front asks for full detail); 0 when it can't load.
unsigned texture_load(const char* name);
// The name a texture was loaded under, its info text; null when unknown.
const char* texture_name(unsigned id);
const char* texture_info(unsigned id);
// Uploads pixels (rows top first, mip chain after level 0 when has_mips) into a new texture,
// dropping up to reduction top levels while both sides stay above 128; adds to
// texture_memory. Sizes that are no power of two are resampled to the next powers.
unsigned texture_upload(const uint8_t* pixels, int width, int height, int channels, bool has_mips,
                        int reduction, int flags, uint32_t* memory);
// The pixels of a picture instead of a texture (the ground drawn in software): 3 channels,
// sizes made powers of two and reduced like a texture's, with the mip chain after level 0.
// Kept by name with the generation, like textures. 1 on success.
int image_load(const char* name, const uint8_t** pixels, int* width, int* height);
// The name a kept image was loaded under; null when unknown.
const char* image_name(const uint8_t* pixels);
// Frees every texture, kept image and animation of an older generation (not generation 0).
void texture_collect();
// Frees every texture (shutdown).
void texture_cache_free();

// Frame animations (".seq" textures): the frame shown follows the time, s.
void anim_update(double time);
void anim_start(unsigned id, double time);
void anim_pause(unsigned id);
