#pragma once
// The base of the round solids: how their surface normals are made (one per
// face, one per vertex, or none at all) and which way they point. A solid
// whose normals point inside is also wound the other way round, so that its
// inner faces are the front ones.
#include "scene3d/geometry/vectortypes.h"
#include "scene3d/objects/customsceneobject.h"
#include "scene3d/objects/normaldirection.h"

enum TNormalSmoothing : int { nsFlat, nsSmooth, nsNone };
LT_ENUM_INFO(TNormalSmoothing, nsFlat, nsSmooth, nsNone)

class T3DQuadricObject : public T3DSceneObject {
    LT_CLASS(T3DQuadricObject)
public:
    // Both setters rebuild the geometry when the value changes.
    TNormalSmoothing Normals() const { return FNormals; }
    void SetNormals(TNormalSmoothing Value);
    TNormalDirection NormalDirection() const { return FNormalDirection; }
    void SetNormalDirection(TNormalDirection Value);

protected:
    explicit T3DQuadricObject(TComponent* AOwner) : T3DSceneObject(AOwner) {}

    bool FacesInside() const { return FNormalDirection == ndInside; }
    // Sends the outward unit normal N, turned round when the faces look
    // inside; nothing for an object without normals.
    void SendNormal(const TAffineVector& N) const;

private:
    TNormalSmoothing FNormals = nsSmooth;
    TNormalDirection FNormalDirection = ndOutside;
};
