#include "scene3d/scene/camera.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/base/storechange.h"
#include "scene3d/geometry/vectorgeometry.h"
#include "scene3d/opengl/openglapi.h"

LT_IMPLEMENT_CLASS(T3DCamera, T3DBaseSceneObject)
{
    P.Property("Position", &T3DCamera::Position);
    P.Property("Direction", &T3DCamera::Direction);
    P.Property("Up", &T3DCamera::Up);
    P.Property("OnProgress", &T3DCamera::OnProgress, &T3DCamera::SetOnProgress);
    P.Property("FocalLength", &T3DCamera::FocalLength, &T3DCamera::SetFocalLength).DefaultFloat(50);
    P.Property("DepthOfView", &T3DCamera::DepthOfView, &T3DCamera::SetDepthOfView).DefaultFloat(100);
    P.Property("NearPlaneBias", &T3DCamera::NearPlaneBias, &T3DCamera::SetNearPlaneBias).DefaultFloat(1);
    P.Property("SceneScale", &T3DCamera::SceneScale, &T3DCamera::SetSceneScale).DefaultFloat(1);
    P.Property("TargetObject", &T3DCamera::TargetObject, &T3DCamera::SetTargetObject);
    P.Property("CameraStyle", &T3DCamera::CameraStyle, &T3DCamera::SetCameraStyle).Default(csPerspective);
    P.Property("OnCustomPerspective", &T3DCamera::OnCustomPerspective, &T3DCamera::SetOnCustomPerspective);
}

namespace {

// Keeps the infinite perspective's far clipping just short of infinity.
constexpr double InfiniteEpsilon = 0.0001;

double Diagonal(double Width, double Height)
{
    return std::sqrt(Width * Width + Height * Height);
}

} // namespace

T3DCamera::T3DCamera(TComponent* AOwner) : T3DBaseSceneObject(AOwner)
{
    Direction()->SetVectorSilently({0, 0, -1, 0});
}

void T3DCamera::SetFocalLength(float Value)
{
    if (Value <= 0)
        Value = 1;
    if (StoreChange(FFocalLength, Value))
        ViewChanged();
}

void T3DCamera::SetDepthOfView(float Value)
{
    if (StoreChange(FDepthOfView, Value))
        ViewChanged();
}

void T3DCamera::SetNearPlaneBias(float Value)
{
    if (Value <= 0)
        Value = 1;
    if (StoreChange(FNearPlaneBias, Value))
        NotifyChange(this);
}

void T3DCamera::SetSceneScale(float Value)
{
    if (Value == 0)
        Value = 1;
    if (StoreChange(FSceneScale, Value))
        NotifyChange(this);
}

void T3DCamera::SetTargetObject(T3DBaseSceneObject* Value)
{
    if (Value == FTargetObject)
        return;
    if (FTargetObject)
        RemoveFreeNotification(FTargetObject);
    FTargetObject = Value;
    if (FTargetObject)
        FreeNotification(FTargetObject);
    ViewChanged();
}

void T3DCamera::SetCameraStyle(T3DCameraStyle Value)
{
    if (StoreChange(FCameraStyle, Value))
        NotifyChange(this);
}

void T3DCamera::ViewChanged()
{
    if (!ComponentState().Contains(csLoading))
        PlacementChanged();
}

void T3DCamera::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent == FTargetObject)
        FTargetObject = nullptr;
    T3DBaseSceneObject::Notification(AComponent, Operation);
}

float T3DCamera::GetFieldOfView(float ViewportDimension) const
{
    if (FFocalLength == 0)
        return 0;
    return RadiansToDegrees(2 * std::atan2(ViewportDimension / 2, FFocalLength));
}

void T3DCamera::SetFieldOfView(float ViewportDimension, float FieldOfView)
{
    SetFocalLength(ViewportDimension / (2 * std::tan(DegreesToRadians(FieldOfView / 2))));
}

void T3DCamera::ApplyPerspective(const TRectangle& Viewport, int Width, int Height, int DPI)
{
    if (Width < 1 || Height < 1)
        return;
    const double width = Width;
    const double height = Height;
    if (FCameraStyle == csOrtho2D) {
        GL.gluOrtho2D(0, width, 0, height);
        FNearPlane = -1;
        FViewPortRadius = static_cast<float>(Diagonal(width, height) / 2);
        return;
    }
    if (FCameraStyle == csCustom) {
        FViewPortRadius = static_cast<float>(Diagonal(width, height) / 2);
        if (FOnCustomPerspective)
            FOnCustomPerspective(Viewport, Width, Height, DPI, FViewPortRadius);
        return;
    }
    // The near plane's extent per pixel of the window's larger side.
    const double largest = std::max(width, height);
    const auto scale = [this](double Size) {
        return FCameraStyle == csOrthogonal ? FNearPlaneBias * 100.0 / (Size * FFocalLength * FSceneScale)
                                            : FNearPlaneBias / (Size * FSceneScale);
    };
    const double qx = scale(width);
    const double qy = scale(height);
    const double right = width * ((2.0 * Viewport.Width + 2.0 * Viewport.Left - width) * qx) / (2 * largest);
    const double left = -width * ((width - 2.0 * Viewport.Left) * qx) / (2 * largest);
    const double top = height * ((2.0 * Viewport.Height + 2.0 * Viewport.Top - height) * qy) / (2 * largest);
    const double bottom = -height * ((height - 2.0 * Viewport.Top) * qy) / (2 * largest);
    FNearPlane = static_cast<float>(FFocalLength * 2.0 * DPI / (25.4 * largest) * FNearPlaneBias);
    const double nearPlane = FNearPlane;
    const double farPlane = nearPlane + FDepthOfView;
    switch (FCameraStyle) {
    case csPerspective:
        GL.glFrustum(left, right, bottom, top, nearPlane, farPlane);
        break;
    case csOrthogonal:
        GL.glOrtho(left, right, bottom, top, nearPlane, farPlane);
        break;
    case csInfinitePerspective: {
        TMatrix projection = IdentityHmgMatrix;
        projection[0][0] = static_cast<float>(2 * nearPlane / (right - left));
        projection[1][1] = static_cast<float>(2 * nearPlane / (top - bottom));
        projection[2][0] = static_cast<float>((right + left) / (right - left));
        projection[2][1] = static_cast<float>((top + bottom) / (top - bottom));
        projection[2][2] = static_cast<float>(InfiniteEpsilon - 1);
        projection[2][3] = -1;
        projection[3][2] = static_cast<float>((InfiniteEpsilon - 2) * nearPlane);
        projection[3][3] = 0;
        GL.glMultMatrixf(&projection[0].X);
        break;
    }
    default:
        EngineAssert(false);
    }
    FViewPortRadius = static_cast<float>(std::sqrt(right * right + top * top) / nearPlane);
}

void T3DCamera::ApplyView()
{
    const TAffineVector eye = AffineVectorMake(AbsolutePosition());
    TAffineVector centre;
    TAffineVector up;
    if (FTargetObject) {
        centre = AffineVectorMake(FTargetObject->AbsolutePosition());
        FLastDirection = DirectionMake(VectorNormalize(VectorSubtract(centre, eye)));
        up = Up()->XYZ();
    } else {
        const TMatrix& frame = ParentAbsoluteMatrix();
        FLastDirection = VectorTransform(DirectionMake(Direction()->XYZ()), frame);
        up = AffineVectorMake(VectorTransform(DirectionMake(Up()->XYZ()), frame));
        centre = VectorAdd(eye, AffineVectorMake(FLastDirection));
    }
    GL.gluLookAt(eye.X, eye.Y, eye.Z, centre.X, centre.Y, centre.Z, up.X, up.Y, up.Z);
    ClearStructureChange();
}

void T3DCamera::OrbitAboutTarget(float PitchDelta, float TurnDelta)
{
    OrbitAboutPoint(FTargetObject, PitchDelta, TurnDelta);
}

void T3DCamera::DrawObject(TRenderContextInfo& Rci, bool, bool RenderChildren)
{
    if (RenderChildren)
        DrawChildren(0, GetChildCount() - 1, Rci);
}

bool T3DCamera::IntersectRay(const TVector&, const TVector&, TVector*, TVector*) const
{
    return false;
}
