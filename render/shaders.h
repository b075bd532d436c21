// render/shaders.h — the seven shader programs of the renderer, built from their sources
// after GL start-up, selected by slot (0 is the fixed-function pipeline). Main thread, with
// the context current.
#pragma once

constexpr int shader_slot_count = 8;
enum shader_slot {
    shader_fixed = 0,
    shader_lit,
    shader_env,
    shader_norm_lit,
    shader_norm_env,
    shader_norm_spec_lit,
    shader_terrain_normals,
    shader_terrain
};
constexpr int shader_max_bones = 10;

// The sources of one program.
struct shader_source {
    const char* name;
    const char* vertex;
    const char* fragment;
};
// The programs of slots 1 to 7, in slot order.
extern const shader_source shader_sources[shader_slot_count - 1];

// Builds the programs (1 when all seven were built, else none exists); logs every info log.
int shaders_build();
// The same from other sources, for slot 1 onwards (tests give a broken one).
int shaders_build_from(const shader_source* sources);
void shaders_delete();
// Selects a slot; nothing happens when it is current or out of range.
void shader_use(int slot);
unsigned shader_program(int slot);
int shader_current();
int shader_switch_count();
// m row by row; becomes "envmat" of the environment programs; slot 0 is current afterwards.
void shader_set_envmat(const float m[9]);
// On the current program: "nbones", and the bones' centres, translations and rotations
// (3 × 3, row by row). At most shader_max_bones.
void shader_set_bones(int count, const float* centres, const float* translations,
                      const float* rotations);
