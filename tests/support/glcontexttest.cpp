#include "tests/support/glcontexttest.h"

#include <iostream>

#include "platform/gl/dynamiclibrary.h"
#include "platform/gl/glloader.h"
#include "platform/rtl/exceptions.h"

namespace {

using TGetString = decltype(&::glGetString);

// glGetString from the dispatch library, independent of the engine's own
// loading.
TGetString GetStringProc()
{
    static TDynamicLibrary library;
    static const TGetString proc = [] {
        if (!library.Open(OpenGLLibraryName))
            throw Exception(library.Error());
        const auto found = reinterpret_cast<TGetString>(library.Symbol("glGetString"));
        if (!found)
            throw Exception(std::string(OpenGLLibraryName) + " exports no glGetString");
        return found;
    }();
    return proc;
}

} // namespace

void GLContextTest::SetUp()
{
    try {
        FContext = std::make_unique<TEGLPbufferContext>(Width, Height);
        FContext->MakeCurrent();
        GetStringProc();
    } catch (const Exception& e) {
        FAIL() << "no OpenGL context: " << e.Message();
    }
    static bool printed = false;
    if (!printed) {
        printed = true;
        std::cout << "GL_VERSION: " << GLString(GL_VERSION) << "\nGL_RENDERER: " << GLString(GL_RENDERER)
                  << std::endl;
    }
}

void GLContextTest::TearDown()
{
    FContext.reset();
}

std::string GLContextTest::GLString(GLenum Name)
{
    const GLubyte* text = GetStringProc()(Name);
    return text ? reinterpret_cast<const char*>(text) : "";
}
