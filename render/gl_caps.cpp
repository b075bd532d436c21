// render/gl_caps.cpp — what the driver can do: its four strings, its version and the
// extensions the renderer uses.
#include "render/gl_caps.h"

#include "platform/log.h"

#include <cstdio>
#include <cstring>

namespace {

std::string gl_text(GLenum which) {
    const GLubyte* text = gl.GetString(which);
    return text ? std::string((const char*)text) : std::string("NULL");
}

} // namespace

bool gl_has_extension(const char* list, const char* name) {
    size_t length = strlen(name);
    if (length == 0) return false;
    for (const char* at = strstr(list, name); at; at = strstr(at + 1, name)) {
        bool starts = at == list || at[-1] == ' ';
        bool ends = at[length] == ' ' || at[length] == 0;
        if (starts && ends) return true;
    }
    return false;
}

bool gl_caps_load() {
    if (!gl_functions_load()) return false;
    gl_caps_record& c = gl_caps;
    c.vendor = gl_text(GL_VENDOR);
    c.renderer = gl_text(GL_RENDERER);
    c.version = gl_text(GL_VERSION);
    c.extensions = gl_text(GL_EXTENSIONS);
    sscanf(c.version.c_str(), "%d.%d", &c.major, &c.minor);
    const char* e = c.extensions.c_str();
    c.has_generate_mipmap = gl_has_extension(e, "GL_SGIS_generate_mipmap");
    c.has_framebuffer_object = gl_has_extension(e, "GL_EXT_framebuffer_object");
    c.has_multitexture = gl_has_extension(e, "GL_ARB_multitexture");
    c.has_fragment_shader = gl_has_extension(e, "GL_ARB_fragment_shader");
    c.has_vertex_shader = gl_has_extension(e, "GL_ARB_vertex_shader");
    if (c.has_multitexture) {
        gl.GetIntegerv(GL_MAX_TEXTURE_UNITS_ARB, &c.texture_units);
        log_printf("%d texture units\n", c.texture_units);
    }
    return true;
}
