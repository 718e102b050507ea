#pragma once
// A material's extra textures, for texture units beyond the first. Without
// texture images there are none: the collection stays empty, and a
// collection of items with textures takes this class's place.
#include "scene3d/base/updateable.h"

class T3DTextureEx : public T3DUpdateAbleObject {
    LT_CLASS(T3DTextureEx)
public:
    using T3DUpdateAbleObject::T3DUpdateAbleObject;

    // Another empty collection has nothing to copy; other sources fail.
    void Assign(const TPersistent* Source) override;
};
