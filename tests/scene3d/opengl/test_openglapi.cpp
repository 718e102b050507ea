#include "scene3d/opengl/openglapi.h"

#include <gtest/gtest.h>

#include "tests/scene3d/opengl/glbindingtest.h"

namespace {

using OpenGLApi = GLBindingTest;

TEST_F(OpenGLApi, LoadingBindsBothLibrariesAndUnloadingUnbindsThem)
{
    EXPECT_TRUE(LoadGLLibraries());   // loaded already
    ASSERT_NE(GL.glGetString, nullptr);
    ASSERT_NE(GL.gluGetString, nullptr);
    EXPECT_NE(GL.glActiveTextureARB, nullptr);
    EXPECT_TRUE(IsMesaDriver());

    UnloadGLLibraries();
    EXPECT_EQ(GL.glGetString, nullptr);
    EXPECT_EQ(GL.gluErrorString, nullptr);
    EXPECT_FALSE(IsMesaDriver());

    ASSERT_TRUE(LoadGLLibraries());
    EXPECT_STREQ(reinterpret_cast<const char*>(GL.glGetString(GL_RENDERER)), GLString(GL_RENDERER).c_str());
}

TEST_F(OpenGLApi, EntryPointsBeyondOneOneReachTheDriver)
{
    ASSERT_TRUE(GLCaps.ARB_multitexture);
    GL.glActiveTextureARB(GL_TEXTURE2);
    GLint active = 0;
    GL.glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    EXPECT_EQ(active, GL_TEXTURE2);
    GL.glActiveTextureARB(GL_TEXTURE0);
}

} // namespace
