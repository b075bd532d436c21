// platform/gl.h — the GL entry points the game calls, loaded at run time from the window's
// context (no GL library is linked), and the record of what the driver can do (filled by the
// renderer's capability check). Main thread, with the context current.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

#include <string>

struct gl_functions {
    // GL 1.1
    void (*ClearColor)(GLclampf, GLclampf, GLclampf, GLclampf);
    void (*Clear)(GLbitfield);
    void (*Enable)(GLenum);
    void (*Disable)(GLenum);
    void (*CullFace)(GLenum);
    void (*PixelStorei)(GLenum, GLint);
    void (*ShadeModel)(GLenum);
    void (*Viewport)(GLint, GLint, GLsizei, GLsizei);
    void (*ReadPixels)(GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, GLvoid*);
    void (*Finish)();
    const GLubyte* (*GetString)(GLenum);
    void (*GetIntegerv)(GLenum, GLint*);
    GLenum (*GetError)();
    void (*GenTextures)(GLsizei, GLuint*);
    void (*DeleteTextures)(GLsizei, const GLuint*);
    void (*BindTexture)(GLenum, GLuint);
    void (*TexParameteri)(GLenum, GLenum, GLint);
    void (*TexParameterfv)(GLenum, GLenum, const GLfloat*);
    void (*TexImage2D)(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum,
                       const GLvoid*);
    void (*TexSubImage2D)(GLenum, GLint, GLint, GLint, GLsizei, GLsizei, GLenum, GLenum,
                          const GLvoid*);
    void (*GetTexLevelParameteriv)(GLenum, GLint, GLenum, GLint*);
    void (*TexEnvi)(GLenum, GLenum, GLint);
    void (*BlendFunc)(GLenum, GLenum);
    void (*Begin)(GLenum);
    void (*End)();
    void (*Vertex3f)(GLfloat, GLfloat, GLfloat);
    void (*TexCoord2f)(GLfloat, GLfloat);
    void (*Color4f)(GLfloat, GLfloat, GLfloat, GLfloat);
    void (*MatrixMode)(GLenum);
    void (*LoadIdentity)();
    void (*PushMatrix)();
    void (*PopMatrix)();
    void (*Translatef)(GLfloat, GLfloat, GLfloat);
    void (*Scalef)(GLfloat, GLfloat, GLfloat);
    void (*Frustum)(GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble);
    void (*Ortho)(GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble);
    void (*EnableClientState)(GLenum);
    void (*DisableClientState)(GLenum);
    void (*VertexPointer)(GLint, GLenum, GLsizei, const GLvoid*);
    void (*TexCoordPointer)(GLint, GLenum, GLsizei, const GLvoid*);
    void (*ColorPointer)(GLint, GLenum, GLsizei, const GLvoid*);
    void (*DrawElements)(GLenum, GLsizei, GLenum, const GLvoid*);
    // Multitexture, framebuffer objects and mipmap generation (null when missing)
    PFNGLACTIVETEXTUREARBPROC ActiveTextureARB;
    PFNGLCLIENTACTIVETEXTUREARBPROC ClientActiveTextureARB;
    PFNGLMULTITEXCOORD2FARBPROC MultiTexCoord2fARB;
    PFNGLMULTITEXCOORD3FARBPROC MultiTexCoord3fARB;
    PFNGLMULTITEXCOORD4FARBPROC MultiTexCoord4fARB;
    PFNGLGENFRAMEBUFFERSEXTPROC GenFramebuffersEXT;
    PFNGLBINDFRAMEBUFFEREXTPROC BindFramebufferEXT;
    PFNGLDELETEFRAMEBUFFERSEXTPROC DeleteFramebuffersEXT;
    PFNGLCHECKFRAMEBUFFERSTATUSEXTPROC CheckFramebufferStatusEXT;
    PFNGLFRAMEBUFFERTEXTURE2DEXTPROC FramebufferTexture2DEXT;
    PFNGLFRAMEBUFFERRENDERBUFFEREXTPROC FramebufferRenderbufferEXT;
    PFNGLGENRENDERBUFFERSEXTPROC GenRenderbuffersEXT;
    PFNGLBINDRENDERBUFFEREXTPROC BindRenderbufferEXT;
    PFNGLDELETERENDERBUFFERSEXTPROC DeleteRenderbuffersEXT;
    PFNGLRENDERBUFFERSTORAGEEXTPROC RenderbufferStorageEXT;
    PFNGLGENERATEMIPMAPEXTPROC GenerateMipmapEXT;
    // Shader objects
    PFNGLCREATESHADEROBJECTARBPROC CreateShaderObjectARB;
    PFNGLSHADERSOURCEARBPROC ShaderSourceARB;
    PFNGLCOMPILESHADERARBPROC CompileShaderARB;
    PFNGLCREATEPROGRAMOBJECTARBPROC CreateProgramObjectARB;
    PFNGLATTACHOBJECTARBPROC AttachObjectARB;
    PFNGLDETACHOBJECTARBPROC DetachObjectARB;
    PFNGLLINKPROGRAMARBPROC LinkProgramARB;
    PFNGLUSEPROGRAMOBJECTARBPROC UseProgramObjectARB;
    PFNGLDELETEOBJECTARBPROC DeleteObjectARB;
    PFNGLGETOBJECTPARAMETERIVARBPROC GetObjectParameterivARB;
    PFNGLGETINFOLOGARBPROC GetInfoLogARB;
    PFNGLGETUNIFORMLOCATIONARBPROC GetUniformLocationARB;
    PFNGLUNIFORM1IARBPROC Uniform1iARB;
    PFNGLUNIFORM1FARBPROC Uniform1fARB;
    PFNGLUNIFORM3FVARBPROC Uniform3fvARB;
    PFNGLUNIFORMMATRIX3FVARBPROC UniformMatrix3fvARB;
    PFNGLVERTEXATTRIB4FARBPROC VertexAttrib4fARB;
};
extern gl_functions gl;

// What the driver can do, read once by gl_caps_load.
struct gl_caps_record {
    std::string vendor, renderer, version, extensions; // "NULL" when the GL gives none
    int major, minor;
    bool has_generate_mipmap;
    bool has_framebuffer_object;
    bool has_multitexture;
    bool has_fragment_shader;
    bool has_vertex_shader;
    int texture_units; // read only with multitexture
};
extern gl_caps_record gl_caps;

// Loads every entry point; false (logged) when one of GL 1.1 is missing. The extension ones
// are fetched whether or not the driver lists the extension, and stay null when missing.
bool gl_functions_load();
