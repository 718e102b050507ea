#pragma once
// The engine's OpenGL binding: one procedure variable per entry point the
// engine may call, named after its function, all in one table. OpenGL 1.1
// and GLU come from the dispatch libraries loaded by name; every later entry
// point is fetched with a context current. The table is a plain value, so a
// test can put a recording table in its place and restore the real one.
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>

#include "scene3d/opengl/glprocnames.h"

struct TOpenGLProcs {
#define LT_DECLARE_GL_PROC(Name) decltype(&::Name) Name = nullptr;
#define LT_DECLARE_GL_EXTENSION_PROC(Name, Type) Type Name = nullptr;
    LT_GL_1_1_PROCS(LT_DECLARE_GL_PROC)
    LT_GLU_PROCS(LT_DECLARE_GL_PROC)
    LT_GL_EXTENSION_PROCS(LT_DECLARE_GL_EXTENSION_PROC)
#undef LT_DECLARE_GL_PROC
#undef LT_DECLARE_GL_EXTENSION_PROC
};

// The table every OpenGL call of the engine goes through: GL.glBegin(...).
extern TOpenGLProcs GL;

// Loads the OpenGL and GLU libraries and binds their functions; true at once
// when both are loaded already. When either fails, neither stays loaded and
// their functions are unbound.
bool LoadGLLibraries();
// Unbinds the functions of both libraries and frees them.
void UnloadGLLibraries();
// Whether the current context's implementation is Mesa ("Mesa" in its
// GL_VERSION); false without the libraries or a current context.
bool IsMesaDriver();

// Fetches every entry point beyond OpenGL 1.1, with a context current. EGL
// hands out a stub for names the driver lacks, so the version and extension
// flags (LoadGLCapabilities), not the addresses, say what may be called.
void LoadGLEntryPoints();
