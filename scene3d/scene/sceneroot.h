#pragma once
// The two roots of a scene, one for its objects and one for its cameras.
// Their children stand in the world: a child's absolute matrix is its local
// matrix, whatever the root's own placement.
#include "scene3d/scene/basesceneobject.h"

class T3DSceneRootObject : public T3DBaseSceneObject {
    LT_CLASS(T3DSceneRootObject)
public:
    // AOwner must be a T3DScene ("Assertion failure" otherwise), which the
    // root belongs to from the start.
    explicit T3DSceneRootObject(TComponent* AOwner);
};
