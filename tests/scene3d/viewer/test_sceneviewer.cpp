// The scene viewer off the X11 window system (Qt's offscreen platform),
// where it is an empty control, and what it computes without a context.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/typeinfo.h"
#include "platform/ui/forms.h"
#include "scene3d/buffer/scenebuffer.h"
#include "scene3d/scene/camera.h"
#include "scene3d/scene/scene.h"
#include "scene3d/scene/sceneroot.h"
#include "scene3d/viewer/sceneviewer.h"
#include "tests/scene3d/scene/scenetesting.h"

namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

class SceneViewerOffscreen : public ::testing::Test {
protected:
    SceneViewerOffscreen()
    {
        EnsureApplication();
        FForm = std::make_unique<TForm>(nullptr);
        FViewer = new T3DSceneViewer(FForm.get());
        FScene = new T3DScene(FForm.get());
    }

    std::unique_ptr<TForm> FForm;
    T3DSceneViewer* FViewer = nullptr;
    T3DScene* FScene = nullptr;
};

TEST_F(SceneViewerOffscreen, WithoutX11TheViewerIsAnEmptyControl)
{
    FViewer->SetParent(FForm.get());
    FViewer->SetCamera(FScene->Cameras()->CreateChild<T3DCamera>());
    FForm->Show();
    EXPECT_FALSE(FViewer->OpenGLAvailable());
    EXPECT_EQ(FViewer->Handle(), 0u);
    EXPECT_FALSE(FViewer->HandleAllocated());
    EXPECT_NO_THROW(FViewer->Perform(WM_PAINT));
    FViewer->Repaint();
    EXPECT_FALSE(FViewer->Buffer()->HasContext());
    EXPECT_EQ(FViewer->Buffer()->FrameCount(), 0);
}

TEST_F(SceneViewerOffscreen, StartsAsAHundredPixelSquareWithoutVSync)
{
    EXPECT_EQ(FViewer->Width(), 100);
    EXPECT_EQ(FViewer->Height(), 100);
    EXPECT_EQ(FViewer->VSync(), vsmNoSync);
    EXPECT_EQ(FViewer->Buffer()->Owner(), FViewer);
}

// Through the camera, over the smaller side: focal length 50 spans about
// 137 degrees over 254 pixels; without a camera nothing is computed.
TEST_F(SceneViewerOffscreen, FieldOfViewIsTheCamerasOverTheSmallerSide)
{
    FViewer->SetBounds(0, 0, 261, 254);
    EXPECT_EQ(FViewer->FieldOfView(), 0);
    FViewer->SetFieldOfView(90);
    auto* camera = FScene->Cameras()->CreateChild<T3DCamera>();
    EXPECT_EQ(camera->FocalLength(), 50);
    FViewer->SetCamera(camera);
    EXPECT_NEAR(FViewer->FieldOfView(), 137.02, 0.01);
    FViewer->SetFieldOfView(90);
    EXPECT_NEAR(camera->FocalLength(), 127, 0.01);
    EXPECT_NEAR(FViewer->FieldOfView(), 90, 1e-3);
    FViewer->SetBounds(0, 0, 254, 400);
    EXPECT_NEAR(FViewer->FieldOfView(), 90, 1e-3);
}

TEST_F(SceneViewerOffscreen, AFreedCameraLeavesTheViewer)
{
    auto* camera = FScene->Cameras()->CreateChild<T3DCamera>();
    FViewer->SetCamera(camera);
    ASSERT_EQ(FViewer->Camera(), camera);
    delete camera;
    EXPECT_EQ(FViewer->Camera(), nullptr);
    EXPECT_EQ(FViewer->FieldOfView(), 0);
}

TEST_F(SceneViewerOffscreen, BuffersTakeNoAssignment)
{
    T3DSceneBuffer other(nullptr);
    EXPECT_THAT([&] { FViewer->SetBuffer(&other); },
                ThrowsMessage<EConvertError>(StrEq("Cannot assign a T3DSceneBuffer to a T3DSceneBuffer")));
}

TEST(ViewerClasses, AreKnownByNameForStoredDescriptions)
{
    for (const char* name : {"T3DSceneViewer", "T3DNonVisualViewer", "T3DMemoryViewer"}) {
        ASSERT_NE(FindClassInfo(name), nullptr) << name;
        EXPECT_NE(FindClassInfo(name)->Factory(), nullptr) << name;
    }
}

} // namespace
