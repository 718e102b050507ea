#include "scene3d/opengl/glerrors.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>

#include "tests/scene3d/opengl/glbindingtest.h"

namespace {

std::deque<GLenum> Pending;

// glGetError over a queue of pending errors, with GLU's real texts.
class PendingGLErrors : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(LoadGLLibraries());
        FSaved.emplace();
        GL.glGetError = [] {
            if (Pending.empty())
                return GLenum(GL_NO_ERROR);
            const GLenum error = Pending.front();
            Pending.pop_front();
            return error;
        };
    }
    void TearDown() override
    {
        FSaved.reset();
        UnloadGLLibraries();
    }

private:
    std::optional<TSavedGLBinding> FSaved;
};

TEST_F(PendingGLErrors, ThreeErrorsGiveOneExceptionForTheFirstAndLeaveNone)
{
    Pending = {GL_INVALID_ENUM, GL_INVALID_VALUE, GL_INVALID_OPERATION};
    try {
        RaiseGLErrors();
        FAIL() << "no exception";
    } catch (const EOpenGLError& e) {
        EXPECT_EQ(e.Message(), "invalid enumerant");
    }
    EXPECT_TRUE(Pending.empty());
    EXPECT_NO_THROW(RaiseGLErrors());
}

TEST_F(PendingGLErrors, AtMostEightFlagsAreRead)
{
    Pending.assign(10, GL_OUT_OF_MEMORY);
    EXPECT_THROW(RaiseGLErrors(), EOpenGLError);
    EXPECT_EQ(Pending.size(), 2u);

    Pending.assign(10, GL_OUT_OF_MEMORY);
    DiscardGLErrors();
    EXPECT_EQ(Pending.size(), 2u);
    Pending.assign(3, GL_OUT_OF_MEMORY);
    DiscardGLErrors();
    EXPECT_TRUE(Pending.empty());
}

using GLErrorsOfMesa = GLBindingTest;

TEST_F(GLErrorsOfMesa, ARealErrorIsRaisedOnceAndCleared)
{
    GL.glEnable(0x7FFF);
    EXPECT_THROW(RaiseGLErrors(), EOpenGLError);
    EXPECT_EQ(GL.glGetError(), GLenum(GL_NO_ERROR));

    GL.glEnd();   // outside glBegin
    DiscardGLErrors();
    EXPECT_EQ(GL.glGetError(), GLenum(GL_NO_ERROR));
}

} // namespace
