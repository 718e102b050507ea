#pragma once
// Another object drawn again at the proxy's place: its geometry (and its
// children), optionally under its own local matrix and followed by its
// effects, then the proxy's own children. Extents, rays and silhouettes
// are the master's.
#include "platform/ui/componentref.h"
#include "scene3d/scene/basesceneobject.h"

enum T3DProxyObjectOption : int { pooEffects, pooObjects, pooTransformation };
LT_ENUM_INFO(T3DProxyObjectOption, pooEffects, pooObjects, pooTransformation)
using T3DProxyObjectOptions = TSet<T3DProxyObjectOption>;

inline constexpr T3DProxyObjectOptions AllProxyObjectOptions = {pooEffects, pooObjects, pooTransformation};

class T3DProxyObject : public T3DBaseSceneObject {
    LT_CLASS(T3DProxyObject)
public:
    explicit T3DProxyObject(TComponent* AOwner);

    // Not owned; dropped when it is freed.
    T3DBaseSceneObject* MasterObject() const { return FMasterObject.Get(); }
    void SetMasterObject(T3DBaseSceneObject* Value);
    // What of the master shows: its geometry and children (pooObjects), its
    // local matrix (pooTransformation), its effects' post-render hooks
    // (pooEffects).
    T3DProxyObjectOptions ProxyOptions() const { return FProxyOptions; }
    void SetProxyOptions(T3DProxyObjectOptions Value);

    // The master and the options of another proxy, then the node's copy.
    void Assign(const TPersistent* Source) override;
    // These answer for the master when there is one. A question that comes
    // back to the proxy while it asks its master (a proxy of itself, or of
    // a proxy of it) gets the plain node's answer.
    TVector GetHalfExtents() const override;
    // The ray is carried into the master's world as the proxy draws it (the
    // proxy's frame standing for the master's own frame, or for its
    // parent's with pooTransformation), and the hit carried back.
    bool IntersectRay(const TVector& RayStart, const TVector& RayVector, TVector* IntersectPoint,
                      TVector* IntersectNormal) const override;
    // The master's silhouette, the parameters taken as in its own frame.
    std::unique_ptr<T3DSilhouette> BuildSilhouette(const TSilhouetteParameters& Parameters) const override;
    // The master (with pooObjects, when the proxy itself is drawn) with its
    // children, names pushed under the proxy's while picking; then the
    // proxy's children; then the master's effects (pooEffects). A proxy
    // reached again while it draws returns at once.
    void DrawObject(TRenderContextInfo& Rci, bool RenderSelf, bool RenderChildren) override;

private:
    // The matrix from the proxy's world to the master's: where a point of
    // the proxy's frame stands as the master draws there.
    TMatrix ToMasterWorld() const;

    TComponentRef<T3DBaseSceneObject> FMasterObject;
    T3DProxyObjectOptions FProxyOptions = AllProxyObjectOptions;
    bool FDrawing = false;
    mutable bool FAsking = false;
};
