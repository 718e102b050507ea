#pragma once
// The scene object a buffer looks through. Its projection comes from the
// focal length (millimetres of a lens in front of the screen, at the
// buffer's pixels per inch) and the viewport: perspective, orthogonal, a
// flat 2D mapping of the pixels, a perspective without far plane, or one
// the OnCustomPerspective handler makes. Its view looks at its target
// object or, without one, along its own direction. Cameras of a scene hang
// under the scene's camera root.
#include <functional>

#include "scene3d/render/rectangle.h"
#include "scene3d/scene/basesceneobject.h"

enum T3DCameraStyle { csPerspective, csOrthogonal, csOrtho2D, csCustom, csInfinitePerspective };
LT_ENUM_INFO(T3DCameraStyle, csPerspective, csOrthogonal, csOrtho2D, csCustom, csInfinitePerspective)

// Sets the projection for the viewport (Width x Height pixels at DPI) and
// may change the viewport radius.
using TOnCustomPerspective = std::function<void(const TRectangle& Viewport, int Width, int Height, int DPI,
                                                float& ViewPortRadius)>;

class T3DCamera : public T3DBaseSceneObject {
    LT_CLASS(T3DCamera)
public:
    // Looking along -Z with +Y up, focal length 50, depth of view 100.
    explicit T3DCamera(TComponent* AOwner);

    float FocalLength() const { return FFocalLength; }
    // 0 or less is taken as 1.
    void SetFocalLength(float Value);
    // How far beyond the near plane the camera sees.
    float DepthOfView() const { return FDepthOfView; }
    void SetDepthOfView(float Value);
    // Multiplies the near plane distance; 0 or less is taken as 1.
    float NearPlaneBias() const { return FNearPlaneBias; }
    void SetNearPlaneBias(float Value);
    // Divides the size of the view; 0 is taken as 1.
    float SceneScale() const { return FSceneScale; }
    void SetSceneScale(float Value);
    // The object looked at; forgotten when it is freed.
    T3DBaseSceneObject* TargetObject() const { return FTargetObject; }
    void SetTargetObject(T3DBaseSceneObject* Value);
    T3DCameraStyle CameraStyle() const { return FCameraStyle; }
    void SetCameraStyle(T3DCameraStyle Value);
    const TOnCustomPerspective& OnCustomPerspective() const { return FOnCustomPerspective; }
    void SetOnCustomPerspective(TOnCustomPerspective Value) { FOnCustomPerspective = std::move(Value); }

    // The angle in degrees that a viewport dimension (pixels) spans:
    // 2 atan2(dimension / 2, focal length); 0 for focal length 0.
    float GetFieldOfView(float ViewportDimension) const;
    // The focal length at which the dimension spans the angle.
    void SetFieldOfView(float ViewportDimension, float FieldOfView);

    // Multiplies the projection for the viewport (an area of a window of
    // Width x Height pixels at DPI) into the current matrix, which must be
    // the projection matrix. Nothing for a width or height below 1.
    void ApplyPerspective(const TRectangle& Viewport, int Width, int Height, int DPI);
    // Multiplies the view into the current matrix, which must be the
    // model-view matrix: from the absolute position towards the target's
    // absolute position with Up as up, or without a target along Direction
    // with Up, both through the parent's frame.
    void ApplyView();
    // Set by the projection: the near plane's distance and the radius of the
    // view at unit distance.
    float NearPlane() const { return FNearPlane; }
    float ViewPortRadius() const { return FViewPortRadius; }
    // Set by the view: the direction looked in.
    const TVector& LastDirection() const { return FLastDirection; }

    // Moves the camera on the sphere around its target (see OrbitAboutPoint);
    // nothing without a target.
    void OrbitAboutTarget(float PitchDelta, float TurnDelta);

    // A camera draws only its children and is never hit by a ray.
    void DrawObject(TRenderContextInfo& Rci, bool RenderSelf, bool RenderChildren) override;
    bool IntersectRay(const TVector& RayStart, const TVector& RayVector, TVector* IntersectPoint,
                      TVector* IntersectNormal) const override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Repaints unless the camera is being read.
    void ViewChanged();

    float FFocalLength = 50;
    float FDepthOfView = 100;
    float FNearPlaneBias = 1;
    float FSceneScale = 1;
    T3DBaseSceneObject* FTargetObject = nullptr;
    T3DCameraStyle FCameraStyle = csPerspective;
    TOnCustomPerspective FOnCustomPerspective;
    float FNearPlane = 0;
    float FViewPortRadius = 0;
    TVector FLastDirection = {0, 0, -1, 0};
};
