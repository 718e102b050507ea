#pragma once
// GL tests draw in an OpenGL context of their own: a small pbuffer on
// Mesa's surfaceless EGL platform with a desktop compatibility-profile
// context, so they need no X server. A test whose context cannot be made
// fails: a missing driver package must turn the run red, never pass as a
// skipped test. The first context of a test program prints GL_VERSION and
// GL_RENDERER.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/gl/eglpbuffercontext.h"

class GLContextTest : public ::testing::Test {
protected:
    static constexpr int Width = 64;
    static constexpr int Height = 64;

    // Makes the context and makes it current.
    void SetUp() override;
    void TearDown() override;
    // glGetString of the current context ("" for a null answer).
    static std::string GLString(GLenum Name);

private:
    std::unique_ptr<TEGLPbufferContext> FContext;
};
