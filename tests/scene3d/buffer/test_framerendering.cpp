// Frames a buffer draws, read back from its pbuffer.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scene3d/base/engineassert.h"
#include "scene3d/geometry/matrixbuild.h"
#include "scene3d/materials/color.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/picklist.h"
#include "scene3d/scene/fogenvironment.h"
#include "scene3d/scene/lightsource.h"
#include "scene3d/scene/sceneroot.h"
#include "scene3d/utils/wincolors.h"
#include "tests/scene3d/buffer/buffertesting.h"

namespace {

using ::testing::ElementsAre;

constexpr TVector Red = {1, 0, 0, 1};
constexpr TVector Green = {0, 1, 0, 1};
constexpr TVector White = {1, 1, 1, 1};

class FrameRendering : public BufferTest {};

TEST_F(FrameRendering, TheFrameIsClearedInTheBackgroundColour)
{
    FBuffer->SetBackgroundColor(PackRGB(0, 0, 255));
    FBuffer->SetLighting(false);
    Square("Square", -10, Red);
    FBuffer->RenderFrame();
    EXPECT_EQ(Corner(), (TRGBA{0, 0, 255, 255}));
    EXPECT_EQ(Centre(), (TRGBA{255, 0, 0, 255}));
    EXPECT_EQ(FLog, std::vector<std::string>{"Square"});

    FBuffer->SetBackgroundColor(PackRGB(0, 128, 0));
    FBuffer->RenderFrame();
    EXPECT_EQ(Corner(), (TRGBA{0, 128, 0, 255}));
}

// With the colour clear left out, the last frame's pixels stay where
// nothing is drawn.
TEST_F(FrameRendering, ColourClearCanBeLeftOut)
{
    FBuffer->SetBackgroundColor(PackRGB(0, 0, 255));
    FBuffer->RenderFrame();
    FBuffer->SetContextOptions({roNoSwapBuffers, roNoColorBufferClear});
    FBuffer->SetBackgroundColor(PackRGB(255, 255, 0));
    FBuffer->RenderFrame();
    EXPECT_EQ(Corner(), (TRGBA{0, 0, 255, 255}));
}

// The nearer square is drawn first; with the depth test off the farther
// one, drawn after it, covers it. Each frame sets the test anew.
TEST_F(FrameRendering, TheDepthTestFollowsTheSetting)
{
    FBuffer->SetLighting(false);
    Square("Near", -10, Red);
    Square("Far", -12, Green);
    FBuffer->RenderFrame();
    EXPECT_EQ(Centre(), (TRGBA{255, 0, 0, 255}));
    EXPECT_TRUE(FBuffer->StateCache().IsEnabled(ccDepthTest));

    FBuffer->SetDepthTest(false);
    FBuffer->RenderFrame();
    EXPECT_EQ(Centre(), (TRGBA{0, 255, 0, 255}));
    EXPECT_FALSE(FBuffer->StateCache().IsEnabled(ccDepthTest));
    FBuffer->SetDepthTest(true);
    FBuffer->RenderFrame();
    FBuffer->RenderingContext()->Activate();
    GL.glDisable(GL_DEPTH_TEST);
    FBuffer->RenderingContext()->Deactivate();
    FBuffer->RenderFrame();
    EXPECT_EQ(Centre(), (TRGBA{255, 0, 0, 255})) << "set again in GL, whatever the cache believes";
}

// Lit without lights, a square shows only the ambient light on GL's default
// material (ambient 0.2): 0.2 x 0.2 of white, then 0.2 x 1 with a white
// ambient colour; unlit it shows its own colour.
TEST_F(FrameRendering, LightingAndTheAmbientColour)
{
    Square("Square", -10, White);
    FBuffer->RenderFrame();
    const TRGBA dim = Centre();
    EXPECT_NEAR(dim[0], 10, 2);
    EXPECT_EQ(dim[0], dim[1]);

    T3DColor white(nullptr);
    white.SetColor({1, 1, 1, 1});
    FBuffer->SetAmbientColor(&white);
    FBuffer->RenderFrame();
    EXPECT_NEAR(Centre()[0], 51, 2);

    FBuffer->SetLighting(false);
    FBuffer->RenderFrame();
    EXPECT_EQ(Centre(), (TRGBA{255, 255, 255, 255}));
}

// A white light at the camera lights the square facing it with GL's
// default diffuse material (0.8) on top of the ambient 0.04.
TEST_F(FrameRendering, TheScenesLightsShineOnTheFrame)
{
    Square("Square", -10, White);
    auto* light = FScene->Objects()->CreateChild<T3DLightSource>();
    light->Diffuse()->SetColor({1, 1, 1, 1});
    FBuffer->RenderFrame();
    EXPECT_NEAR(Centre()[0], 214, 3);
    light->SetShining(false);
    FBuffer->RenderFrame();
    EXPECT_NEAR(Centre()[0], 10, 2);
}

// Linear fog ending at the square's distance paints it in the fog colour.
TEST_F(FrameRendering, FogCoversTheSceneWhenEnabled)
{
    FBuffer->SetLighting(false);
    Square("Square", -10, Red);
    T3DColor blue(nullptr);
    blue.SetColor({0, 0, 1, 1});
    FBuffer->FogEnvironment()->SetFogColor(&blue);
    FBuffer->FogEnvironment()->SetFogStart(0);
    FBuffer->FogEnvironment()->SetFogEnd(5);
    FBuffer->RenderFrame();
    EXPECT_EQ(Centre(), (TRGBA{255, 0, 0, 255})) << "fog is off by default";
    FBuffer->SetFogEnable(true);
    FBuffer->RenderFrame();
    EXPECT_EQ(Centre(), (TRGBA{0, 0, 255, 255}));
}

TEST_F(FrameRendering, ACameraOutsideASceneIsRefusedAndOnlyTheBackgroundDrawn)
{
    FBuffer->SetBackgroundColor(PackRGB(0, 0, 255));
    FBuffer->SetLighting(false);
    Square("Square", -10, Red);
    T3DCamera loose(FOwner.get());
    FBuffer->SetCamera(&loose);
    EXPECT_EQ(FBuffer->Camera(), nullptr);
    FBuffer->RenderFrame();
    EXPECT_EQ(Centre(), (TRGBA{0, 0, 255, 255}));
    EXPECT_TRUE(FLog.empty());
    EXPECT_TRUE(FScene->Buffers().empty());
}

TEST_F(FrameRendering, AFreedCameraIsForgotten)
{
    FBuffer->RenderFrame();
    ASSERT_EQ(FScene->Buffers().size(), 1u);
    delete FCamera;
    EXPECT_EQ(FBuffer->Camera(), nullptr);
    EXPECT_TRUE(FScene->Buffers().empty());
    FBuffer->RenderFrame();
}

TEST_F(FrameRendering, ASceneFreedFirstLeavesTheBufferWithoutCamera)
{
    FBuffer->RenderFrame();
    delete FScene;
    FScene = nullptr;
    EXPECT_EQ(FBuffer->Camera(), nullptr);
    FBuffer->RenderFrame();
    EXPECT_EQ(FBuffer->FrameCount(), 2);
}

TEST_F(FrameRendering, AResizeKeepsAtLeastOnePixel)
{
    FBuffer->Resize(0, 0);
    EXPECT_EQ(FBuffer->Viewport().Width, 1);
    EXPECT_EQ(FBuffer->Viewport().Height, 1);
    GLint viewport[4] = {};
    FBuffer->RenderingContext()->Activate();
    GL.glGetIntegerv(GL_VIEWPORT, viewport);
    FBuffer->RenderingContext()->Deactivate();
    EXPECT_THAT(viewport, ElementsAre(0, 0, 1, 1));
}

// A paint arriving while a pick draws is dropped; a pick asked for while a
// frame draws is refused.
TEST_F(FrameRendering, FramesAndPicksDoNotNest)
{
    Square("Square", -10, Red);
    std::string refusal;
    FBuffer->SetInitiateRendering([&](TObject*, TRenderContextInfo& Rci) {
        if (Rci.DrawState == rmPicking) {
            FBuffer->RenderFrame();
            return;
        }
        try {
            FBuffer->PickObjectAtPixel(Size / 2, Size / 2);
        } catch (const EAssertionFailed& e) {
            refusal = e.Message();
        }
    });
    EXPECT_NE(FBuffer->PickObjectAtPixel(Size / 2, Size / 2), nullptr);
    EXPECT_EQ(FBuffer->FrameCount(), 0);
    FBuffer->RenderFrame();
    EXPECT_EQ(refusal, "Already rendering");
    EXPECT_EQ(FBuffer->FrameCount(), 1);
}

TEST_F(FrameRendering, TheModelViewStackMustBeBalanced)
{
    const TMatrix moved = CreateScaleAndTranslationMatrix({1, 1, 1}, {1, 2, 3});
    FBuffer->RenderFrame();
    const TMatrix view = FBuffer->ViewMatrix();
    FBuffer->PushModelViewMatrix(moved);
    EXPECT_TRUE(SameMatrix(FBuffer->ViewMatrix(), moved));
    FBuffer->PopModelViewMatrix();
    EXPECT_TRUE(SameMatrix(FBuffer->ViewMatrix(), view));
    try {
        FBuffer->PopModelViewMatrix();
        ADD_FAILURE() << "an empty stack popped";
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.Message(), "Unbalanced PopModelViewMatrix");
    }

    FBuffer->SetInitiateRendering([&](TObject*, TRenderContextInfo&) { FBuffer->PushModelViewMatrix(moved); });
    try {
        FBuffer->RenderFrame();
        ADD_FAILURE() << "a frame left a matrix on the stack";
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.Message(), "Unbalance Push/PopModelViewMatrix.");
    }
}

} // namespace
