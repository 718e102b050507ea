#include "scene3d/opengl/openglapi.h"

#include <cstring>

#include "platform/gl/dynamiclibrary.h"
#include "platform/gl/glloader.h"

TOpenGLProcs GL;

namespace {

TDynamicLibrary& OpenGLLibrary()
{
    static TDynamicLibrary library;
    return library;
}

TDynamicLibrary& GLULibrary()
{
    static TDynamicLibrary library;
    return library;
}

template <typename T>
void Bind(T& Proc, void* Address)
{
    Proc = reinterpret_cast<T>(Address);
}

void BindLibraryProcs()
{
    const TDynamicLibrary& gl = OpenGLLibrary();
    const TDynamicLibrary& glu = GLULibrary();
#define LT_BIND_GL_PROC(Name) Bind(GL.Name, gl.Symbol(#Name));
#define LT_BIND_GLU_PROC(Name) Bind(GL.Name, glu.Symbol(#Name));
    LT_GL_1_1_PROCS(LT_BIND_GL_PROC)
    LT_GLU_PROCS(LT_BIND_GLU_PROC)
#undef LT_BIND_GL_PROC
#undef LT_BIND_GLU_PROC
}

} // namespace

bool LoadGLLibraries()
{
    TDynamicLibrary& gl = OpenGLLibrary();
    TDynamicLibrary& glu = GLULibrary();
    if (gl.IsOpen() && glu.IsOpen())
        return true;
    UnloadGLLibraries();
    if (!gl.Open(OpenGLLibraryName) || !glu.Open(GLULibraryName)) {
        UnloadGLLibraries();
        return false;
    }
    BindLibraryProcs();
    return true;
}

void UnloadGLLibraries()
{
    OpenGLLibrary().Close();
    GLULibrary().Close();
    BindLibraryProcs();   // a closed library's symbols are all nullptr
}

bool IsMesaDriver()
{
    if (!GL.glGetString)
        return false;
    const GLubyte* version = GL.glGetString(GL_VERSION);
    return version && std::strstr(reinterpret_cast<const char*>(version), "Mesa");
}

void LoadGLEntryPoints()
{
#define LT_FETCH_GL_PROC(Name, Type) Bind(GL.Name, GLProcAddress(#Name));
    LT_GL_EXTENSION_PROCS(LT_FETCH_GL_PROC)
#undef LT_FETCH_GL_PROC
}
