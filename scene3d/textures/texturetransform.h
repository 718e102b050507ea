#pragma once
// The texture matrix of an extra texture or a library material: texture
// coordinates are scaled by Scale, then moved by Offset. The coordinates
// belong to the owner; a change of either runs the owner's change handler.
// The matrix is made from the coordinates as they are when asked for, so
// coordinates read from a stored description count at once.
#include <functional>
#include <memory>

#include "scene3d/geometry/vectortypes.h"

class T3DCoordinates;
class TPersistent;

class TTextureTransform {
public:
    // Offset (0, 0, 0) and scale (1, 1, 1): the identity.
    TTextureTransform(TPersistent* Owner, std::function<void()> Changed);
    ~TTextureTransform();
    TTextureTransform(const TTextureTransform&) = delete;
    TTextureTransform& operator=(const TTextureTransform&) = delete;

    T3DCoordinates* Offset() const { return FOffset.get(); }
    T3DCoordinates* Scale() const { return FScale.get(); }
    // Take the components of Value.
    void SetOffset(const T3DCoordinates* Value);
    void SetScale(const T3DCoordinates* Value);
    // Both from Other.
    void Assign(const TTextureTransform& Other);

    TMatrix Matrix() const;
    // Offset (0, 0, 0) and scale (1, 1, 1).
    bool IsIdentity() const;

private:
    void Changed();

    std::unique_ptr<T3DCoordinates> FOffset;
    std::unique_ptr<T3DCoordinates> FScale;
    std::function<void()> FChanged;
};
