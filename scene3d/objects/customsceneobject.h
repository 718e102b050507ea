#pragma once
// Scene objects that draw with a material of their own, and the ones that
// draw without any: the immaterial object, and the camera-invariant object
// that can pin its drawing to the camera's position or orientation.
#include <memory>
#include <string>

#include "scene3d/scene/basesceneobject.h"

class T3DMaterial;

// A node with a material, created and freed with it; the material's changes
// reach the node.
class T3DCustomSceneObject : public T3DBaseSceneObject {
    LT_CLASS(T3DCustomSceneObject)
public:
    ~T3DCustomSceneObject() override;

    T3DMaterial* Material() const { return FMaterial.get(); }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }

    // The material and the hint of another custom object, then the node's
    // own settings.
    void Assign(const TPersistent* Source) override;
    // Whether the material (or the library material it draws with) blends:
    // transparency, additive and modulate do; opaque and the alpha tests do not.
    bool IsBlended() const override;
    // The display list, then the material texture's GL texture.
    void DestroyListHandle() override;
    // The object itself once per pass of its material (once without the
    // material when the pass ignores materials), then its children.
    void DrawObject(TRenderContextInfo& Rci, bool RenderSelf, bool RenderChildren) override;

protected:
    explicit T3DCustomSceneObject(TComponent* AOwner);

private:
    std::unique_ptr<T3DMaterial> FMaterial;
    std::string FHint;
};

// A custom object that shows its material in stored descriptions.
class T3DSceneObject : public T3DCustomSceneObject {
    LT_CLASS(T3DSceneObject)
public:
    // Takes the settings of Value and reports a change.
    void SetMaterial(const T3DMaterial* Value);

protected:
    explicit T3DSceneObject(TComponent* AOwner) : T3DCustomSceneObject(AOwner) {}
};

// A custom object drawn without its material.
class T3DImmaterialSceneObject : public T3DCustomSceneObject {
    LT_CLASS(T3DImmaterialSceneObject)
public:
    void DrawObject(TRenderContextInfo& Rci, bool RenderSelf, bool RenderChildren) override;

protected:
    explicit T3DImmaterialSceneObject(TComponent* AOwner) : T3DCustomSceneObject(AOwner) {}
};

// What a camera-invariant object keeps of the camera's view: everything
// (none), only the camera's turn (position: drawn as if standing at the
// camera), or only its place (orientation: drawn in the camera's own axes).
enum T3DCameraInvarianceMode : int { cimNone, cimPosition, cimOrientation };
LT_ENUM_INFO(T3DCameraInvarianceMode, cimNone, cimPosition, cimOrientation)

class T3DCameraInvariantObject : public T3DImmaterialSceneObject {
    LT_CLASS(T3DCameraInvariantObject)
public:
    T3DCameraInvarianceMode CamInvarianceMode() const { return FCamInvarianceMode; }
    void SetCamInvarianceMode(T3DCameraInvarianceMode Value);

    // The mode of another camera-invariant object, then the custom copy.
    void Assign(const TPersistent* Source) override;
    // As the immaterial object with cimNone; otherwise under a model-view
    // matrix of the mode's own (the pass's view matrix moved to the camera,
    // or the camera's axes) times the local matrix. A mode outside the
    // three is an assertion failure.
    void DrawObject(TRenderContextInfo& Rci, bool RenderSelf, bool RenderChildren) override;

protected:
    explicit T3DCameraInvariantObject(TComponent* AOwner) : T3DImmaterialSceneObject(AOwner) {}

private:
    T3DCameraInvarianceMode FCamInvarianceMode = cimNone;
};
