#pragma once
// A place in the scene where the program draws: any number of render
// handlers, called in the order they were registered whenever the object
// draws, each with a handler that hears when the point goes.
#include <utility>
#include <vector>

#include "scene3d/objects/customsceneobject.h"
#include "scene3d/render/rendercontextinfo.h"

class T3DRenderPoint : public T3DImmaterialSceneObject {
    LT_CLASS(T3DRenderPoint)
public:
    explicit T3DRenderPoint(TComponent* AOwner);
    // Clear.
    ~T3DRenderPoint() override;

    // Appends the pair; Freed (when given) is called with the point when the
    // pair is let go.
    void RegisterCallback(TDirectRenderEvent Render, TNotifyEvent Freed);
    // Lets go of every pair, the last registered first: the pair leaves the
    // list, then its Freed handler is called.
    void Clear();
    int CallbackCount() const { return static_cast<int>(FCallbacks.size()); }

    // The render handlers in order, each with the point and the pass.
    void CompileList(TRenderContextInfo& Rci) override;

private:
    std::vector<std::pair<TDirectRenderEvent, TNotifyEvent>> FCallbacks;
};
