#include <EGL/egl.h>
#include <gtest/gtest.h>

#include <array>

#include "platform/gl/dynamiclibrary.h"
#include "platform/gl/eglpbuffercontext.h"
#include "platform/gl/glloader.h"
#include "tests/support/glcontexttest.h"

namespace {

// Clears the current pbuffer to a colour and reads one pixel back.
std::array<GLubyte, 4> ClearAndReadPixel(const TDynamicLibrary& gl, float red, float green, float blue)
{
    const auto clearColor = reinterpret_cast<decltype(&::glClearColor)>(gl.Symbol("glClearColor"));
    const auto clear = reinterpret_cast<decltype(&::glClear)>(gl.Symbol("glClear"));
    const auto readPixels = reinterpret_cast<decltype(&::glReadPixels)>(gl.Symbol("glReadPixels"));
    clearColor(red, green, blue, 1.0f);
    clear(GL_COLOR_BUFFER_BIT);
    std::array<GLubyte, 4> pixel{};
    readPixels(3, 5, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
    return pixel;
}

} // namespace

using EGLPbufferContext = GLContextTest;

TEST_F(EGLPbufferContext, IsADesktopCompatibilityContext)
{
    EXPECT_NE(GLString(GL_VERSION).find("Compatibility Profile"), std::string::npos) << GLString(GL_VERSION);
    EXPECT_FALSE(GLString(GL_EXTENSIONS).empty());
}

TEST(EGLPbufferContextPair, EachContextDrawsIntoItsOwnPbuffer)
{
    TDynamicLibrary gl;
    ASSERT_TRUE(gl.Open(OpenGLLibraryName)) << gl.Error();
    TEGLPbufferContext first(8, 8);
    TEGLPbufferContext second(8, 8);

    first.MakeCurrent();
    EXPECT_EQ(ClearAndReadPixel(gl, 1.0f, 0.0f, 0.0f), (std::array<GLubyte, 4>{255, 0, 0, 255}));
    second.MakeCurrent();
    EXPECT_EQ(ClearAndReadPixel(gl, 0.0f, 0.0f, 1.0f), (std::array<GLubyte, 4>{0, 0, 255, 255}));

    first.Release();   // not current: the second stays
    EXPECT_EQ(eglGetCurrentContext(), second.Context());
    second.Release();
    EXPECT_EQ(eglGetCurrentContext(), EGL_NO_CONTEXT);
}
