#pragma once
// A box of CubeWidth x CubeHeight x CubeDepth centred at the origin, drawn
// as the quads of the faces it is asked for, with its material.
#include "scene3d/objects/customsceneobject.h"
#include "scene3d/objects/normaldirection.h"

enum TCubePart : int { cpTop, cpBottom, cpFront, cpBack, cpLeft, cpRight };
LT_ENUM_INFO(TCubePart, cpTop, cpBottom, cpFront, cpBack, cpLeft, cpRight)
using TCubeParts = TSet<TCubePart>;

class T3DCube : public T3DSceneObject {
    LT_CLASS(T3DCube)
public:
    explicit T3DCube(TComponent* AOwner);

    // The setters store a changed value and mark the geometry stale.
    float CubeWidth() const { return FCubeSize.X; }
    void SetCubeWidth(float Value);
    float CubeHeight() const { return FCubeSize.Y; }
    void SetCubeHeight(float Value);
    float CubeDepth() const { return FCubeSize.Z; }
    void SetCubeDepth(float Value);
    TNormalDirection NormalDirection() const { return FNormalDirection; }
    void SetNormalDirection(TNormalDirection Value);
    TCubeParts Parts() const { return FParts; }
    void SetParts(TCubeParts Value);

    // The size, normal direction and parts of another cube, then the
    // custom copy.
    void Assign(const TPersistent* Source) override;
    // Half the size on each axis.
    TVector GetHalfExtents() const override;
    // The ray against the box grown by a hair (half extents 0.5001 of the
    // size), in the cube's own frame: the first point where it enters the
    // box, or where it leaves it when it starts inside; the normal is the
    // outward normal of that face, in world coordinates.
    bool IntersectRay(const TVector& RayStart, const TVector& RayVector, TVector* IntersectPoint,
                      TVector* IntersectNormal) const override;
    // The outline of the faces drawn.
    std::unique_ptr<T3DSilhouette> BuildSilhouette(const TSilhouetteParameters& Parameters) const override;
    // "CubeSize": the three sizes as 12 bytes, written when one of them is
    // not 1; a block of another length raises EReadError.
    void DefineProperties(TFiler& Filer) override;
    // The faces in Parts, each a quad with its normal and texture
    // coordinates 0 .. 1, facing out of the box (into it with ndInside).
    void CompileList(TRenderContextInfo& Rci) override;

private:
    void SetSize(float& Field, float Value);

    TAffineVector FCubeSize = {1, 1, 1};
    TNormalDirection FNormalDirection = ndOutside;
    TCubeParts FParts = {cpTop, cpBottom, cpFront, cpBack, cpLeft, cpRight};
};
