// The camera: its settings, projections and views, read back from GL.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/ui/forms.h"
#include "scene3d/geometry/vectorgeometry.h"
#include "scene3d/scene/camera.h"
#include "tests/scene3d/geometry/geometrytesting.h"
#include "tests/scene3d/opengl/glbindingtest.h"
#include "tests/scene3d/scene/scenetesting.h"

namespace {

class CameraTest : public GLBindingTest {
protected:
    // The matrix GL holds as the engine's matrix (rows are GL's columns).
    static TMatrix Current(GLenum Name)
    {
        TMatrix matrix;
        GL.glGetFloatv(Name, &matrix[0].X);
        return matrix;
    }
    // The projection for the viewport of a Width x Height window at 96 dpi.
    TMatrix Projection(const TRectangle& Viewport, int Width, int Height)
    {
        GL.glMatrixMode(GL_PROJECTION);
        GL.glLoadIdentity();
        FCamera->ApplyPerspective(Viewport, Width, Height, 96);
        const TMatrix projection = Current(GL_PROJECTION_MATRIX);
        GL.glLoadIdentity();
        GL.glMatrixMode(GL_MODELVIEW);
        return projection;
    }
    TMatrix View()
    {
        GL.glMatrixMode(GL_MODELVIEW);
        GL.glLoadIdentity();
        FCamera->ApplyView();
        const TMatrix view = Current(GL_MODELVIEW_MATRIX);
        GL.glLoadIdentity();
        return view;
    }

    std::unique_ptr<TComponent> FOwner = std::make_unique<TComponent>(nullptr);
    T3DScene* FScene = new T3DScene(FOwner.get());
    T3DCamera* FCamera = FScene->Cameras()->CreateChild<T3DCamera>();
};

using CameraSettings = SceneTest;

TEST_F(CameraSettings, ValuesThatMakeNoViewBecomeOne)
{
    T3DCamera* camera = FScene->Cameras()->CreateChild<T3DCamera>();
    EXPECT_EQ(camera->FocalLength(), 50);
    EXPECT_EQ(camera->DepthOfView(), 100);
    EXPECT_TRUE(Near(camera->Direction()->AsVector(), {0, 0, -1, 0}));
    EXPECT_TRUE(Near(camera->Up()->AsVector(), {0, 1, 0, 0}));
    camera->SetFocalLength(-5);
    EXPECT_EQ(camera->FocalLength(), 1);
    camera->SetFocalLength(0);
    EXPECT_EQ(camera->FocalLength(), 1);
    camera->SetNearPlaneBias(-2);
    EXPECT_EQ(camera->NearPlaneBias(), 1);
    camera->SetSceneScale(0);
    EXPECT_EQ(camera->SceneScale(), 1);
    camera->SetSceneScale(-2);
    EXPECT_EQ(camera->SceneScale(), -2);
}

// 2 atan2(127, 50) degrees, and back.
TEST_F(CameraSettings, FieldOfViewAndFocalLengthConvert)
{
    T3DCamera* camera = FScene->Cameras()->CreateChild<T3DCamera>();
    EXPECT_NEAR(camera->GetFieldOfView(254), 137.02, 0.01);
    camera->SetFieldOfView(254, 137.0205f);
    EXPECT_NEAR(camera->FocalLength(), 50, 0.001);
}

TEST_F(CameraSettings, OrbitingKeepsTheDistanceToTheTarget)
{
    T3DCamera* camera = FScene->Cameras()->CreateChild<T3DCamera>();
    camera->Position()->AssignPoint(0, 0, -15);
    camera->OrbitAboutTarget(10, 20);
    EXPECT_TRUE(Near(camera->Position()->AsVector(), {0, 0, -15, 1})) << "no target, no move";
    T3DTestObject* target = Top("Target");
    target->Position()->AssignPoint(1, 2, 3);
    camera->SetTargetObject(target);
    camera->OrbitAboutTarget(10, 20);
    EXPECT_GT(VectorDistance(camera->Position()->XYZ(), {0, 0, -15}), 1);
    EXPECT_NEAR(VectorDistance(camera->Position()->XYZ(), target->Position()->XYZ()),
                VectorDistance({0, 0, -15}, {1, 2, 3}), 1e-4);
}

// A window of 400 x 200 at 96 dpi: the near plane lies at
// 50 x 2 x 96 / (25.4 x 400); the perspective's near plane is 0.5 wide to
// either side and 0.25 high, the orthogonal box 1 and 0.5.
TEST_F(CameraTest, EachStyleProjectsAsItShould)
{
    const double n = 50.0 * 2 * 96 / (25.4 * 400);
    const double f = n + 100;
    const auto frustum = [&](double Left, double Right) {
        TMatrix m{};
        m[0][0] = float(2 * n / (Right - Left));
        m[1][1] = float(2 * n / 0.5);
        m[2][0] = float((Right + Left) / (Right - Left));
        m[2][2] = float(-(f + n) / (f - n));
        m[2][3] = -1;
        m[3][2] = float(-2 * f * n / (f - n));
        return m;
    };
    TMatrix orthogonal = IdentityHmgMatrix;
    orthogonal[0][0] = 1;
    orthogonal[1][1] = 2;
    orthogonal[2][2] = float(-2 / (f - n));
    orthogonal[3][2] = float(-(f + n) / (f - n));
    TMatrix flat = IdentityHmgMatrix;
    flat[0][0] = 2.0f / 400;
    flat[1][1] = 2.0f / 200;
    flat[2][2] = -1;
    flat[3] = {-1, -1, 0, 1};
    TMatrix infinite = frustum(-0.5, 0.5);
    infinite[2][2] = 0.0001f - 1;
    infinite[3][2] = float((0.0001 - 2) * n);
    struct TCase {
        T3DCameraStyle Style;
        TRectangle Viewport;
        TMatrix Expected;
        float NearPlane;
    };
    const TCase cases[] = {
        {csPerspective, {0, 0, 400, 200}, frustum(-0.5, 0.5), float(n)},
        // The left half of the window sees the left half of the view.
        {csPerspective, {0, 0, 200, 200}, frustum(-0.5, 0), float(n)},
        {csOrthogonal, {0, 0, 400, 200}, orthogonal, float(n)},
        {csOrtho2D, {0, 0, 400, 200}, flat, -1},
        {csInfinitePerspective, {0, 0, 400, 200}, infinite, float(n)},
    };
    for (const TCase& c : cases) {
        FCamera->SetCameraStyle(c.Style);
        EXPECT_TRUE(Near(Projection(c.Viewport, 400, 200), c.Expected, 1e-5)) << "style " << c.Style;
        EXPECT_NEAR(FCamera->NearPlane(), c.NearPlane, 1e-6) << "style " << c.Style;
    }
    FCamera->SetCameraStyle(csPerspective);
    Projection({0, 0, 400, 200}, 400, 200);
    EXPECT_NEAR(FCamera->ViewPortRadius(), std::sqrt(0.25 + 0.0625) / n, 1e-5);
    EXPECT_TRUE(Near(Projection({0, 0, 400, 200}, 0, 200), IdentityHmgMatrix)) << "no window, no projection";
    FCamera->SetCameraStyle(static_cast<T3DCameraStyle>(7));
    EXPECT_THROW(Projection({0, 0, 400, 200}, 400, 200), EAssertionFailed);
}

TEST_F(CameraTest, ACustomProjectionIsLeftToItsHandler)
{
    FCamera->SetCameraStyle(csCustom);
    TRectangle seen;
    int seenDPI = 0;
    float radiusGiven = 0;
    FCamera->SetOnCustomPerspective([&](const TRectangle& Viewport, int Width, int Height, int DPI, float& Radius) {
        seen = Viewport;
        seenDPI = DPI;
        radiusGiven = Radius;
        Radius = 7;
        GL.glOrtho(0, Width, 0, Height, -1, 1);
    });
    const TMatrix projection = Projection({10, 20, 300, 150}, 400, 300);
    EXPECT_EQ(projection[0][0], 2.0f / 400);
    EXPECT_EQ(seen.Left, 10);
    EXPECT_EQ(seen.Height, 150);
    EXPECT_EQ(seenDPI, 96);
    EXPECT_EQ(radiusGiven, 250) << "half the window's diagonal";
    EXPECT_EQ(FCamera->ViewPortRadius(), 7);
}

// The view puts the target (or the point ahead) on the -Z axis of the eye.
TEST_F(CameraTest, TheViewLooksAtTheTargetOrAlongTheDirection)
{
    T3DTestObject* target = FScene->Objects()->CreateChild<T3DTestObject>();
    target->Position()->AssignPoint(3, 0, 0);
    FCamera->Position()->AssignPoint(0, 0, 10);
    FCamera->SetTargetObject(target);
    TMatrix view = View();
    EXPECT_TRUE(Near(VectorTransform(TVector{3, 0, 0, 1}, view), {0, 0, -float(std::sqrt(109.0)), 1}, 1e-5));
    EXPECT_TRUE(Near(FCamera->LastDirection(), VectorNormalize(TVector{3, 0, -10, 0}), 1e-6));

    delete target;
    EXPECT_EQ(FCamera->TargetObject(), nullptr);
    view = View();
    EXPECT_TRUE(Near(VectorTransform(TVector{0, 0, 0, 1}, view), {0, 0, -10, 1}, 1e-5)) << "along -Z";
    EXPECT_TRUE(Near(FCamera->LastDirection(), {0, 0, -1, 0}));

    // Under a turned parent the camera's own direction turns with it.
    T3DTestObject* rig = FScene->Objects()->CreateChild<T3DTestObject>();
    rig->Position()->AssignPoint(0, 5, 0);
    rig->SetTurnAngle(90);
    FCamera->MoveTo(rig);
    FCamera->Position()->AssignPoint(0, 0, 0);
    view = View();
    const TAffineVector ahead = AffineVectorMake(FCamera->LastDirection());
    EXPECT_NEAR(VectorLength(ahead), 1, 1e-6);
    EXPECT_NEAR(ahead.Z, 0, 1e-6) << "turned off the Z axis";
    const TVector pointAhead = PointMake(VectorAdd(TAffineVector{0, 5, 0}, VectorScale(ahead, 4)));
    EXPECT_TRUE(Near(VectorTransform(pointAhead, view), {0, 0, -4, 1}, 1e-5));
}

class CameraStreaming : public SceneTest {
protected:
    void SetUp() override { EnsureApplication(); }
};

// A camera written with its scene comes back under the camera root, its
// target found again.
TEST_F(CameraStreaming, ACameraReadsBackIntoTheCameraRoot)
{
    TForm form(nullptr);
    form.SetName("frmScene");
    auto* scene = new T3DScene(&form);
    scene->SetName("Scene");
    // Owned by the form, as the objects of a stored scene are.
    auto* lighting = new T3DTestObject(&form);
    lighting->SetName("Lighting");
    scene->Objects()->AttachChild(lighting);
    auto* camera = new T3DCamera(&form);
    camera->SetName("Camera1");
    scene->Cameras()->AttachChild(camera);
    camera->SetTargetObject(lighting);
    camera->SetFocalLength(35);
    camera->SetNearPlaneBias(2);
    camera->SetCameraStyle(csOrthogonal);
    camera->Position()->AssignPoint(0, 0, -15);

    const std::string text = WriteComponentToText(form);
    for (const char* expected : {"object Camera1: T3DCamera", "TargetObject = Lighting", "FocalLength = 35",
                                 "NearPlaneBias = 2", "CameraStyle = csOrthogonal"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    for (const char* unexpected : {"DepthOfView", "SceneScale", "ShowAxes"})
        EXPECT_EQ(text.find(unexpected), std::string::npos) << unexpected << " in\n" << text;

    TForm again(nullptr);
    ReadComponentFromText(again, text, "scene");
    EXPECT_EQ(WriteComponentToText(again), text);
    auto* sceneRead = ComponentByName<T3DScene>(again, "Scene");
    auto* cameraRead = ComponentByName<T3DCamera>(again, "Camera1");
    ASSERT_NE(cameraRead, nullptr);
    EXPECT_EQ(cameraRead->Parent(), sceneRead->Cameras());
    EXPECT_EQ(cameraRead->TargetObject(), ComponentByName<T3DTestObject>(again, "Lighting"));
    EXPECT_EQ(cameraRead->FocalLength(), 35);
    EXPECT_TRUE(Near(cameraRead->Position()->AsVector(), {0, 0, -15, 1}));
    EXPECT_TRUE(Near(cameraRead->Direction()->AsVector(), {0, 0, -1, 0}));
}

// A camera that says when it goes.
class TNotingCamera : public T3DCamera {
public:
    using T3DCamera::T3DCamera;
    ~TNotingCamera() override { OnFree(); }
    std::function<void()> OnFree;
};

// Cameras go before anything else of a tree that is freed; their children
// stay in the tree until then.
TEST_F(CameraStreaming, CamerasAreFreedFirst)
{
    T3DTestObject* group = Top("Group");
    Under(group, "Lamp");
    auto* camera = new TNotingCamera(FOwner.get());
    group->AttachChild(camera);
    T3DTestObject* held = Under(camera, "Held");
    std::string treeWhenCameraWent;
    camera->OnFree = [&] { treeWhenCameraWent = ChildNames(*group) + " / " + held->Parent()->Name(); };
    group->DeleteChildren();
    EXPECT_EQ(treeWhenCameraWent, "Lamp Held / Group");
    EXPECT_EQ(group->GetChildCount(), 0);
    EXPECT_EQ(FOwner->FindComponent("Held"), nullptr);
}

} // namespace
