// platform/gl.cpp — the GL entry points, fetched through the window system.
#include "platform/gl.h"

#include "platform/log.h"
#include "platform/window.h"

gl_functions gl;
gl_caps_record gl_caps;

namespace {

template <typename F>
bool load(F* slot, const char* name) {
    *slot = (F)window_gl_proc_address(name);
    return *slot != nullptr;
}

template <typename F>
bool load_required(F* slot, const char* name) {
    if (load(slot, name)) return true;
    log_printf("GL entry point %s is missing\n", name);
    return false;
}

} // namespace

bool gl_functions_load() {
    bool ok = true;
    ok &= load_required(&gl.ClearColor, "glClearColor");
    ok &= load_required(&gl.Clear, "glClear");
    ok &= load_required(&gl.Enable, "glEnable");
    ok &= load_required(&gl.Disable, "glDisable");
    ok &= load_required(&gl.CullFace, "glCullFace");
    ok &= load_required(&gl.PixelStorei, "glPixelStorei");
    ok &= load_required(&gl.ShadeModel, "glShadeModel");
    ok &= load_required(&gl.Viewport, "glViewport");
    ok &= load_required(&gl.ReadPixels, "glReadPixels");
    ok &= load_required(&gl.Finish, "glFinish");
    ok &= load_required(&gl.GetString, "glGetString");
    ok &= load_required(&gl.GetIntegerv, "glGetIntegerv");
    ok &= load_required(&gl.GetError, "glGetError");
    ok &= load_required(&gl.GenTextures, "glGenTextures");
    ok &= load_required(&gl.DeleteTextures, "glDeleteTextures");
    ok &= load_required(&gl.BindTexture, "glBindTexture");
    ok &= load_required(&gl.TexParameteri, "glTexParameteri");
    ok &= load_required(&gl.TexParameterfv, "glTexParameterfv");
    ok &= load_required(&gl.TexImage2D, "glTexImage2D");
    ok &= load_required(&gl.TexSubImage2D, "glTexSubImage2D");
    ok &= load_required(&gl.GetTexLevelParameteriv, "glGetTexLevelParameteriv");
    ok &= load_required(&gl.TexEnvi, "glTexEnvi");
    ok &= load_required(&gl.BlendFunc, "glBlendFunc");
    ok &= load_required(&gl.Begin, "glBegin");
    ok &= load_required(&gl.End, "glEnd");
    ok &= load_required(&gl.Vertex3f, "glVertex3f");
    ok &= load_required(&gl.TexCoord2f, "glTexCoord2f");
    ok &= load_required(&gl.Color4f, "glColor4f");
    ok &= load_required(&gl.MatrixMode, "glMatrixMode");
    ok &= load_required(&gl.LoadIdentity, "glLoadIdentity");
    ok &= load_required(&gl.PushMatrix, "glPushMatrix");
    ok &= load_required(&gl.PopMatrix, "glPopMatrix");
    ok &= load_required(&gl.Translatef, "glTranslatef");
    ok &= load_required(&gl.Scalef, "glScalef");
    ok &= load_required(&gl.Frustum, "glFrustum");
    ok &= load_required(&gl.Ortho, "glOrtho");
    ok &= load_required(&gl.EnableClientState, "glEnableClientState");
    ok &= load_required(&gl.DisableClientState, "glDisableClientState");
    ok &= load_required(&gl.VertexPointer, "glVertexPointer");
    ok &= load_required(&gl.TexCoordPointer, "glTexCoordPointer");
    ok &= load_required(&gl.ColorPointer, "glColorPointer");
    ok &= load_required(&gl.DrawElements, "glDrawElements");
    load(&gl.ActiveTextureARB, "glActiveTextureARB");
    load(&gl.ClientActiveTextureARB, "glClientActiveTextureARB");
    load(&gl.MultiTexCoord2fARB, "glMultiTexCoord2fARB");
    load(&gl.MultiTexCoord3fARB, "glMultiTexCoord3fARB");
    load(&gl.MultiTexCoord4fARB, "glMultiTexCoord4fARB");
    load(&gl.GenFramebuffersEXT, "glGenFramebuffersEXT");
    load(&gl.BindFramebufferEXT, "glBindFramebufferEXT");
    load(&gl.DeleteFramebuffersEXT, "glDeleteFramebuffersEXT");
    load(&gl.CheckFramebufferStatusEXT, "glCheckFramebufferStatusEXT");
    load(&gl.FramebufferTexture2DEXT, "glFramebufferTexture2DEXT");
    load(&gl.FramebufferRenderbufferEXT, "glFramebufferRenderbufferEXT");
    load(&gl.GenRenderbuffersEXT, "glGenRenderbuffersEXT");
    load(&gl.BindRenderbufferEXT, "glBindRenderbufferEXT");
    load(&gl.DeleteRenderbuffersEXT, "glDeleteRenderbuffersEXT");
    load(&gl.RenderbufferStorageEXT, "glRenderbufferStorageEXT");
    load(&gl.GenerateMipmapEXT, "glGenerateMipmapEXT");
    load(&gl.CreateShaderObjectARB, "glCreateShaderObjectARB");
    load(&gl.ShaderSourceARB, "glShaderSourceARB");
    load(&gl.CompileShaderARB, "glCompileShaderARB");
    load(&gl.CreateProgramObjectARB, "glCreateProgramObjectARB");
    load(&gl.AttachObjectARB, "glAttachObjectARB");
    load(&gl.DetachObjectARB, "glDetachObjectARB");
    load(&gl.LinkProgramARB, "glLinkProgramARB");
    load(&gl.UseProgramObjectARB, "glUseProgramObjectARB");
    load(&gl.DeleteObjectARB, "glDeleteObjectARB");
    load(&gl.GetObjectParameterivARB, "glGetObjectParameterivARB");
    load(&gl.GetInfoLogARB, "glGetInfoLogARB");
    load(&gl.GetUniformLocationARB, "glGetUniformLocationARB");
    load(&gl.Uniform1iARB, "glUniform1iARB");
    load(&gl.Uniform1fARB, "glUniform1fARB");
    load(&gl.Uniform3fvARB, "glUniform3fvARB");
    load(&gl.UniformMatrix3fvARB, "glUniformMatrix3fvARB");
    load(&gl.VertexAttrib4fARB, "glVertexAttrib4fARB");
    return ok;
}
