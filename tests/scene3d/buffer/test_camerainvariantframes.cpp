// Camera-invariant groups drawn in a buffer's frames: placed from the view
// the buffer's camera set up, and drawing under the buffer's model-view
// stack.
#include <gtest/gtest.h>

#include <stdexcept>

#include "scene3d/objects/dummycube.h"
#include "scene3d/opengl/openglapi.h"
#include "tests/scene3d/buffer/buffertesting.h"

namespace {

constexpr TVector Red = {1, 0, 0, 1};

class CameraInvariantFrames : public BufferTest {
protected:
    void SetUp() override
    {
        BufferTest::SetUp();
        FBuffer->SetLighting(false);
        FBuffer->SetBackgroundColor(0);
        FGroup = FScene->Objects()->CreateChild<T3DDummyCube>();
        FGroup->SetCamInvarianceMode(cimPosition);
        FGroup->Position()->AssignPoint(0, 0, -10);
        FSquare = Square("Square", 0, Red, FGroup);
    }

    T3DDummyCube* FGroup = nullptr;
    TDrawnObject* FSquare = nullptr;
};

// Ten units ahead of the camera wherever it stands: the group keeps to the
// middle of the frame as the camera moves aside.
TEST_F(CameraInvariantFrames, APositionInvariantGroupFollowsTheBuffersCamera)
{
    for (float x : {0.0f, 3.0f, -4.0f}) {
        FCamera->Position()->AssignPoint(x, 0, 0);
        FBuffer->RenderFrame();
        EXPECT_EQ(Centre(), (TRGBA{255, 0, 0, 255})) << x;
    }
}

TEST_F(CameraInvariantFrames, TheGroupDrawsUnderTheBuffersModelViewStack)
{
    TMatrix stacked = IdentityHmgMatrix;
    TMatrix inGL = IdentityHmgMatrix;
    TMatrix passed = IdentityHmgMatrix;
    FSquare->OnBuild = [&](TRenderContextInfo& Rci) {
        stacked = FBuffer->ViewMatrix();
        passed = Rci.ModelViewMatrix;
        GL.glGetFloatv(GL_MODELVIEW_MATRIX, &inGL[0].X);
    };
    FCamera->Position()->AssignPoint(2, 0, 0);
    FBuffer->RenderFrame();
    EXPECT_TRUE(SameMatrix(stacked, inGL));
    EXPECT_TRUE(SameMatrix(passed, inGL));
    EXPECT_FLOAT_EQ(inGL[3].Z, -10) << "the group's place before the camera";
    EXPECT_FALSE(SameMatrix(FBuffer->ViewMatrix(), inGL)) << "popped after the group";
}

// A failure inside the group leaves the stack as it was: the next frame
// draws without the unbalanced-stack assertion.
TEST_F(CameraInvariantFrames, AFailureInsideTheGroupPopsTheStack)
{
    bool fail = true;
    FSquare->SetStyle({sfDirectDraw});
    FSquare->OnBuild = [&](TRenderContextInfo&) {
        if (fail)
            throw std::runtime_error("failed drawing");
    };
    EXPECT_THROW(FBuffer->RenderFrame(), std::runtime_error);
    fail = false;
    FBuffer->RenderFrame();
    EXPECT_EQ(Centre(), (TRGBA{255, 0, 0, 255}));
}

} // namespace
