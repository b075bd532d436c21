// render/gl.h — the GL entry points the renderer calls, loaded at run time from the window's
// context (no GL library is linked). Main thread, with the context current.
#pragma once

#include <GL/gl.h>

struct gl_functions {
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
};
extern gl_functions gl;

// Loads every entry point; false (logged) when one is missing.
bool gl_load_entry_points();
