#include "scene3d/opengl/glerrors.h"

#include "platform/rtl/strutils.h"
#include "scene3d/opengl/openglapi.h"

namespace {

// Reads error flags until one is clear, at most MaxReads of them.
void ReadErrorsUntilClear(int MaxReads)
{
    for (int read = 0; read < MaxReads; ++read)
        if (GL.glGetError() == GL_NO_ERROR)
            return;
}

} // namespace

void RaiseGLErrors()
{
    const GLenum first = GL.glGetError();
    if (first == GL_NO_ERROR)
        return;
    ReadErrorsUntilClear(7);
    const GLubyte* text = GL.gluErrorString(first);
    throw EOpenGLError(text ? reinterpret_cast<const char*>(text) : "OpenGL error 0x" + IntToHex(first, 4));
}

void DiscardGLErrors()
{
    ReadErrorsUntilClear(8);
}
