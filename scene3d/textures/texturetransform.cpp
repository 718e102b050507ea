#include "scene3d/textures/texturetransform.h"

#include "scene3d/base/coordinates.h"
#include "scene3d/geometry/geometryconstants.h"
#include "scene3d/geometry/matrixbuild.h"

namespace {

constexpr TVector NoOffset = {0, 0, 0, 0};
constexpr TVector NoScale = {1, 1, 1, 0};

} // namespace

TTextureTransform::TTextureTransform(TPersistent* Owner, std::function<void()> Changed)
    : FOffset(std::make_unique<T3DCoordinates>(Owner, NoOffset, csVector)),
      FScale(std::make_unique<T3DCoordinates>(Owner, NoScale, csVector)),
      FChanged(std::move(Changed)),
      FMatrix(IdentityHmgMatrix)
{
    FOffset->SetOnChange([this](TObject*) { Rebuild(); });
    FScale->SetOnChange([this](TObject*) { Rebuild(); });
}

TTextureTransform::~TTextureTransform() = default;

void TTextureTransform::SetOffset(const T3DCoordinates* Value)
{
    FOffset->Assign(Value);
    Rebuild();
}

void TTextureTransform::SetScale(const T3DCoordinates* Value)
{
    FScale->Assign(Value);
    Rebuild();
}

void TTextureTransform::Assign(const TTextureTransform& Other)
{
    FOffset->Assign(Other.FOffset.get());
    FScale->Assign(Other.FScale.get());
    Rebuild();
}

void TTextureTransform::Rebuild()
{
    const TAffineVector offset = FOffset->XYZ();
    const TAffineVector scale = FScale->XYZ();
    FIsIdentity = offset.X == 0 && offset.Y == 0 && offset.Z == 0 && scale.X == 1 && scale.Y == 1 && scale.Z == 1;
    FMatrix = FIsIdentity ? IdentityHmgMatrix : CreateScaleAndTranslationMatrix(scale, offset);
    if (FChanged)
        FChanged();
}
