#pragma once
// The texture matrix of an extra texture or a library material: texture
// coordinates are scaled by Scale, then moved by Offset. The coordinates
// belong to the owner; a change of either rebuilds the matrix and then runs
// the owner's change handler.
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

    const TMatrix& Matrix() const { return FMatrix; }
    bool IsIdentity() const { return FIsIdentity; }

private:
    void Rebuild();

    std::unique_ptr<T3DCoordinates> FOffset;
    std::unique_ptr<T3DCoordinates> FScale;
    std::function<void()> FChanged;
    TMatrix FMatrix;
    bool FIsIdentity = true;
};
