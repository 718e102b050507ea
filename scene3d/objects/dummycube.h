#pragma once
// The invisible grouping node: a cube outline shown only at design time
// (or when asked at run time) around the children it holds. It can record
// itself and its whole subtree into one display list (Amalgamate), and a
// handler can hide the subtree pass by pass.
#include <functional>
#include <memory>

#include "scene3d/objects/customsceneobject.h"

class T3DColor;
class T3DListHandle;

// Whether the subtree of Sender is drawn in this pass.
using T3DVisibilityDeterminationEvent = std::function<bool(TObject* Sender, TRenderContextInfo& Rci)>;

class T3DDummyCube : public T3DCameraInvariantObject {
    LT_CLASS(T3DDummyCube)
public:
    explicit T3DDummyCube(TComponent* AOwner);
    ~T3DDummyCube() override;

    float CubeSize() const { return FCubeSize; }
    void SetCubeSize(float Value);
    T3DColor* EdgeColor() const { return FEdgeColor.get(); }
    // The values of Value; the cube's own colour object is ignored.
    void SetEdgeColor(const T3DColor* Value);
    bool VisibleAtRunTime() const { return FVisibleAtRunTime; }
    void SetVisibleAtRunTime(bool Value);
    // Switched on, the object alters colours (the state cache is reset after
    // it); switched off, the recorded group list goes.
    bool Amalgamate() const { return FAmalgamate; }
    void SetAmalgamate(bool Value);
    const T3DVisibilityDeterminationEvent& OnVisibilityDetermination() const { return FOnVisibilityDetermination; }
    void SetOnVisibilityDetermination(T3DVisibilityDeterminationEvent Value)
    {
        FOnVisibilityDetermination = std::move(Value);
    }

    // The size, the edge colour and the run-time visibility of another dummy
    // cube (reported as a change), then the camera-invariant copy.
    void Assign(const TPersistent* Source) override;
    // |CubeSize| / 2 on each axis.
    TVector GetHalfExtents() const override;
    // A dummy cube is never hit.
    bool IntersectRay(const TVector& RayStart, const TVector& RayVector, TVector* IntersectPoint,
                      TVector* IntersectNormal) const override;
    // The absolute position without children; the average of the children's
    // centre points with them.
    TVector CenterPoint() const override;
    // Frees the group list, then marks the node's own list stale.
    void ListInvalidated() override;
    // Nothing when the visibility handler says no. Amalgamated, the subtree
    // is recorded once into the group list (a list without a GL name stops
    // with "Handle=0 for " and the class name) and the list is called.
    void DrawObject(TRenderContextInfo& Rci, bool RenderSelf, bool RenderChildren) override;
    // The stippled outline in EdgeColor, at design time or when visible at
    // run time.
    void CompileList(TRenderContextInfo& Rci) override;

private:
    float FCubeSize = 1;
    std::unique_ptr<T3DColor> FEdgeColor;
    bool FVisibleAtRunTime = false;
    bool FAmalgamate = false;
    T3DVisibilityDeterminationEvent FOnVisibilityDetermination;
    std::unique_ptr<T3DListHandle> FGroupList;
};
