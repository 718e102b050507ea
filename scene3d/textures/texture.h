#pragma once
// A material's texture. Textures have no images yet, so a texture is always
// disabled: applying it switches texturing off, reverting it has nothing to
// undo, and it never holds an OpenGL texture object. A texture with images,
// its upload and its settings takes this class's place.
#include "scene3d/base/updateable.h"

struct TRenderContextInfo;

class T3DTexture : public T3DUpdateAbleObject {
    LT_CLASS(T3DTexture)
public:
    using T3DUpdateAbleObject::T3DUpdateAbleObject;

    bool Disabled() const { return true; }

    // Switches 2D and rectangle texturing off through the pass's state
    // cache and sends texture coordinates to the main unit.
    void Apply(TRenderContextInfo& Rci) const;
    // A disabled texture has nothing to undo.
    void Revert(TRenderContextInfo&) const {}
    // There is no texture object to free.
    void ReleaseHandle() {}

    // Another texture has nothing this one could take; other sources fail.
    void Assign(const TPersistent* Source) override;
};
