// render/shaders.cpp — building, selecting and feeding the shader programs.
#include "render/shaders.h"

#include "platform/log.h"
#include "render/gl_caps.h"

#include <vector>

namespace {

// One program slot with its objects and cached uniform locations.
struct program_slot {
    GLhandleARB program, vertex, fragment;
    GLint nbones, bone_c, bone_t, bone_r, envmat; // -1 until looked up
};
program_slot slots[shader_slot_count];
int current_slot = 0;
int switches = 0;

void log_info(GLhandleARB object, const char* what, const char* name) {
    GLint length = 0;
    gl.GetObjectParameterivARB(object, GL_OBJECT_INFO_LOG_LENGTH_ARB, &length);
    if (length <= 1) return;
    std::vector<char> text(length + 1);
    gl.GetInfoLogARB(object, length, nullptr, text.data());
    if (text[0]) log_printf("%s for %s:\n%s\n", what, name, text.data());
}

bool compile(GLhandleARB shader, const char* source, const char* what, const char* name) {
    gl.ShaderSourceARB(shader, 1, &source, nullptr);
    gl.CompileShaderARB(shader);
    log_info(shader, what, name);
    GLint ok = 0;
    gl.GetObjectParameterivARB(shader, GL_OBJECT_COMPILE_STATUS_ARB, &ok);
    return ok != 0;
}

bool build(program_slot* slot, const shader_source& source) {
    *slot = program_slot{0, 0, 0, -1, -1, -1, -1, -1};
    slot->vertex = gl.CreateShaderObjectARB(GL_VERTEX_SHADER_ARB);
    slot->fragment = gl.CreateShaderObjectARB(GL_FRAGMENT_SHADER_ARB);
    if (!compile(slot->vertex, source.vertex, "vertex shader status", source.name)) return false;
    if (!compile(slot->fragment, source.fragment, "fragment shader status", source.name))
        return false;
    slot->program = gl.CreateProgramObjectARB();
    gl.AttachObjectARB(slot->program, slot->vertex);
    gl.AttachObjectARB(slot->program, slot->fragment);
    gl.LinkProgramARB(slot->program);
    log_info(slot->program, "link status", source.name);
    GLint ok = 0;
    gl.GetObjectParameterivARB(slot->program, GL_OBJECT_LINK_STATUS_ARB, &ok);
    return ok != 0;
}

GLint location(int slot, GLint* cached, const char* name) {
    if (*cached == -1) *cached = gl.GetUniformLocationARB(slots[slot].program, name);
    return *cached;
}

void set_sampler(int slot, const char* name, int unit) {
    GLint at = gl.GetUniformLocationARB(slots[slot].program, name);
    if (at >= 0) gl.Uniform1iARB(at, unit);
}

} // namespace

int shaders_build_from(const shader_source* sources) {
    if (!gl.CreateShaderObjectARB || !gl.UseProgramObjectARB) return 0;
    for (int s = 1; s < shader_slot_count; ++s) {
        if (!build(&slots[s], sources[s - 1])) {
            shaders_delete();
            return 0;
        }
    }
    // Samplers: the normal map on unit 1, the specular map on unit 2, "tex" stays on 0.
    for (int s : {shader_norm_lit, shader_norm_env, shader_norm_spec_lit, shader_terrain}) {
        gl.UseProgramObjectARB(slots[s].program);
        set_sampler(s, "nmap", 1);
        if (s == shader_norm_spec_lit || s == shader_terrain) set_sampler(s, "smap", 2);
    }
    gl.UseProgramObjectARB(slots[shader_terrain_normals].program);
    set_sampler(shader_terrain_normals, "base", 1);
    gl.UseProgramObjectARB(0);
    current_slot = 0;
    return 1;
}

int shaders_build() {
    return shaders_build_from(shader_sources);
}

void shaders_delete() {
    if (!gl.DeleteObjectARB) return;
    for (program_slot& s : slots) {
        if (s.program && s.vertex) gl.DetachObjectARB(s.program, s.vertex);
        if (s.program && s.fragment) gl.DetachObjectARB(s.program, s.fragment);
        for (GLhandleARB o : {s.vertex, s.fragment, s.program})
            if (o) gl.DeleteObjectARB(o);
        s = program_slot{0, 0, 0, -1, -1, -1, -1, -1};
    }
    if (current_slot && gl.UseProgramObjectARB) gl.UseProgramObjectARB(0);
    current_slot = 0;
}

void shader_use(int slot) {
    if (slot < 0 || slot >= shader_slot_count || slot == current_slot) return;
    gl.UseProgramObjectARB(slot ? slots[slot].program : 0);
    current_slot = slot;
    ++switches;
}

unsigned shader_program(int slot) {
    return slot >= 1 && slot < shader_slot_count ? (unsigned)slots[slot].program : 0;
}
int shader_current() {
    return current_slot;
}
int shader_switch_count() {
    return switches;
}

void shader_set_envmat(const float m[9]) {
    // Uploaded from the transpose without GL's transpose flag, so the shader sees m itself.
    const float t[9] = {m[0], m[3], m[6], m[1], m[4], m[7], m[2], m[5], m[8]};
    for (int s : {shader_env, shader_norm_env}) {
        if (!slots[s].program) continue;
        shader_use(s);
        GLint at = location(s, &slots[s].envmat, "envmat");
        if (at >= 0) gl.UniformMatrix3fvARB(at, 1, GL_FALSE, t);
    }
    shader_use(shader_fixed);
}

void shader_set_bones(int count, const float* centres, const float* translations,
                      const float* rotations) {
    int s = current_slot;
    if (s < 1 || s >= shader_slot_count) return;
    if (count > shader_max_bones) count = shader_max_bones;
    program_slot& p = slots[s];
    gl.Uniform1iARB(location(s, &p.nbones, "nbones"), count);
    if (count <= 0) return;
    gl.Uniform3fvARB(location(s, &p.bone_c, "bone_c"), count, centres);
    gl.Uniform3fvARB(location(s, &p.bone_t, "bone_t"), count, translations);
    std::vector<float> columns(9 * count); // each matrix given row by row, GL wants columns
    for (int b = 0; b < count; ++b)
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) columns[9 * b + 3 * c + r] = rotations[9 * b + 3 * r + c];
    gl.UniformMatrix3fvARB(location(s, &p.bone_r, "bone_r"), count, GL_FALSE, columns.data());
}
