// The buffers a scene knows: registered at their first frame, told of the
// scene's changes, sharing lists and textures with the first one.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "scene3d/opengl/openglapi.h"
#include "tests/scene3d/buffer/buffertesting.h"

namespace {

using ::testing::ElementsAre;

constexpr TVector Red = {1, 0, 0, 1};

class SceneBuffers : public BufferTest {};

TEST_F(SceneBuffers, SceneChangesReachTheBuffersAfterTheirFirstFrame)
{
    int repaints = 0;
    FBuffer->SetOnChange([&](TObject*) { ++repaints; });
    TDrawnObject* square = Square("Square", -10, Red);
    EXPECT_EQ(repaints, 0) << "not registered before its first frame";
    FBuffer->RenderFrame();
    EXPECT_EQ(repaints, 0) << "the frame's own changes repaint nothing";
    square->Position()->AssignPoint(0, 1, -10);
    EXPECT_EQ(repaints, 1);

    FScene->BeginUpdate();
    square->Position()->AssignPoint(0, 2, -10);
    square->SetVisible(false);
    square->SetShowAxes(true);
    FScene->EndUpdate();
    EXPECT_EQ(repaints, 2);
}

// The second buffer draws the square from the list the first one compiled,
// and when the first goes the second's context becomes the base.
TEST_F(SceneBuffers, TwoBuffersShareListsAndTheBaseIsHandedOn)
{
    FBuffer->SetLighting(false);
    Square("Square", -10, Red);
    std::unique_ptr<T3DSceneBuffer> second = NewMemoryBuffer(FOwner.get(), FCamera);
    second->SetLighting(false);
    FBuffer->RenderFrame();
    second->RenderFrame();
    EXPECT_THAT(FScene->Buffers(), ElementsAre(FBuffer.get(), second.get()));
    EXPECT_EQ(FScene->BaseContext(), FBuffer->RenderingContext());
    const std::vector<T3DContext*>& group = second->RenderingContext()->SharingGroup();
    EXPECT_NE(std::find(group.begin(), group.end(), FBuffer->RenderingContext()), group.end());
    EXPECT_EQ(FLog, std::vector<std::string>{"Square"}) << "compiled once";
    EXPECT_EQ(Centre(second.get()), (TRGBA{255, 0, 0, 255}));

    FBuffer->DestroyContext();
    EXPECT_THAT(FScene->Buffers(), ElementsAre(second.get()));
    EXPECT_EQ(FScene->BaseContext(), second->RenderingContext());
    second->RenderFrame();
    EXPECT_EQ(Centre(second.get()), (TRGBA{255, 0, 0, 255}));
    second.reset();
    EXPECT_TRUE(FScene->Buffers().empty());
    EXPECT_EQ(FScene->BaseContext(), nullptr);
}

// The pass record: the camera's place and look, the view and the buffer's
// settings.
TEST_F(SceneBuffers, ThePassRecordDescribesTheView)
{
    FCamera->Position()->AssignPoint(1, 2, 3);
    Square("Square", -10, Red);
    TRenderContextInfo seen;
    FBuffer->SetFaceCulling(false);
    FBuffer->SetInitiateRendering([&](TObject*, TRenderContextInfo& Rci) { seen = Rci; });
    FBuffer->RenderFrame();
    EXPECT_EQ(seen.Scene, FScene);
    EXPECT_EQ(seen.Buffer, FBuffer.get());
    EXPECT_EQ(seen.DrawState, rmRendering);
    EXPECT_EQ(seen.CameraPosition.X, 1);
    EXPECT_EQ(seen.CameraPosition.Z, 3);
    EXPECT_FLOAT_EQ(seen.CameraDirection.Z, -1);
    EXPECT_FLOAT_EQ(seen.CameraUp.Y, 1);
    EXPECT_EQ(seen.ViewPortWidth, Size);
    EXPECT_EQ(seen.RenderDPI, 96);
    EXPECT_FALSE(seen.BufferFaceCulling);
    EXPECT_FLOAT_EQ(seen.FarClippingDistance, FCamera->NearPlane() + FCamera->DepthOfView());
    EXPECT_EQ(seen.StateCache, &FBuffer->StateCache());
    EXPECT_FLOAT_EQ(seen.ModelViewMatrix[3].X, -1) << "the view moves the world against the camera";
    EXPECT_EQ(FScene->CurrentCamera(), FCamera);
}

} // namespace
