// render/gl.cpp — loading the GL entry points through the window's context.
#include "render/gl.h"

#include "platform/log.h"
#include "platform/window.h"

gl_functions gl;

namespace {

template <typename F>
bool load(F* slot, const char* name) {
    *slot = (F)window_gl_proc_address(name);
    if (!*slot) log_printf("GL entry point %s is missing\n", name);
    return *slot != nullptr;
}

} // namespace

bool gl_load_entry_points() {
    bool ok = true;
    ok &= load(&gl.ClearColor, "glClearColor");
    ok &= load(&gl.Clear, "glClear");
    ok &= load(&gl.Enable, "glEnable");
    ok &= load(&gl.Disable, "glDisable");
    ok &= load(&gl.CullFace, "glCullFace");
    ok &= load(&gl.PixelStorei, "glPixelStorei");
    ok &= load(&gl.ShadeModel, "glShadeModel");
    ok &= load(&gl.Viewport, "glViewport");
    ok &= load(&gl.ReadPixels, "glReadPixels");
    ok &= load(&gl.Finish, "glFinish");
    ok &= load(&gl.GetString, "glGetString");
    return ok;
}
