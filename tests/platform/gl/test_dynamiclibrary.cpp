#include <gtest/gtest.h>

#include "platform/gl/dynamiclibrary.h"
#include "platform/gl/glloader.h"

TEST(DynamicLibrary, OpensTheDispatchLibrariesAndFindsTheirExports)
{
    TDynamicLibrary gl;
    TDynamicLibrary glu;
    ASSERT_TRUE(gl.Open(OpenGLLibraryName)) << gl.Error();
    ASSERT_TRUE(glu.Open(GLULibraryName)) << glu.Error();
    EXPECT_NE(gl.Symbol("glGetString"), nullptr);
    EXPECT_NE(glu.Symbol("gluErrorString"), nullptr);
    EXPECT_EQ(gl.Symbol("glNoSuchFunction"), nullptr);
    gl.Close();
    EXPECT_FALSE(gl.IsOpen());
    EXPECT_EQ(gl.Symbol("glGetString"), nullptr);
}

TEST(DynamicLibrary, AMissingLibraryFailsWithTheLoadersReason)
{
    TDynamicLibrary library;
    ASSERT_TRUE(library.Open(OpenGLLibraryName));
    EXPECT_FALSE(library.Open("libNoSuchLibrary.so.7"));
    EXPECT_FALSE(library.IsOpen());
    EXPECT_NE(library.Error().find("libNoSuchLibrary.so.7"), std::string::npos) << library.Error();
}
