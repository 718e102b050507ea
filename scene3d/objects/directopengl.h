#pragma once
// An object drawn by the program's own OpenGL calls: its OnRender handler
// draws it, every frame or once into the object's display list.
#include "scene3d/objects/customsceneobject.h"
#include "scene3d/render/rendercontextinfo.h"

class T3DDirectOpenGL : public T3DImmaterialSceneObject {
    LT_CLASS(T3DDirectOpenGL)
public:
    explicit T3DDirectOpenGL(TComponent* AOwner);

    // True records the handler's drawing into a display list (replayed
    // until the list is stale); False calls the handler every frame.
    bool UseBuildList() const { return FUseBuildList; }
    void SetUseBuildList(bool Value);
    const TDirectRenderEvent& OnRender() const { return FOnRender; }
    // A new handler makes the recorded drawing stale.
    void SetOnRender(TDirectRenderEvent Value);
    // Whether the handler's drawing blends, for the order of the pass.
    bool Blend() const { return FBlend; }
    void SetBlend(bool Value);

    // The settings and the handler of another such object, then the custom copy.
    void Assign(const TPersistent* Source) override;
    bool IsBlended() const override { return FBlend; }
    // The handler, with texture coordinates going to the main unit.
    void CompileList(TRenderContextInfo& Rci) override;

private:
    bool FUseBuildList = false;
    TDirectRenderEvent FOnRender;
    bool FBlend = false;
};
