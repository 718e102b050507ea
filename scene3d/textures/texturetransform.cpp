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
      FChanged(std::move(Changed))
{
    FOffset->SetOnChange([this](TObject*) { this->Changed(); });
    FScale->SetOnChange([this](TObject*) { this->Changed(); });
}

TTextureTransform::~TTextureTransform() = default;

void TTextureTransform::SetOffset(const T3DCoordinates* Value)
{
    FOffset->Assign(Value);
    Changed();
}

void TTextureTransform::SetScale(const T3DCoordinates* Value)
{
    FScale->Assign(Value);
    Changed();
}

void TTextureTransform::Assign(const TTextureTransform& Other)
{
    FOffset->Assign(Other.FOffset.get());
    FScale->Assign(Other.FScale.get());
    Changed();
}

TMatrix TTextureTransform::Matrix() const
{
    return IsIdentity() ? IdentityHmgMatrix : CreateScaleAndTranslationMatrix(FScale->XYZ(), FOffset->XYZ());
}

bool TTextureTransform::IsIdentity() const
{
    const TAffineVector offset = FOffset->XYZ();
    const TAffineVector scale = FScale->XYZ();
    return offset.X == 0 && offset.Y == 0 && offset.Z == 0 && scale.X == 1 && scale.Y == 1 && scale.Z == 1;
}

void TTextureTransform::Changed()
{
    if (FChanged)
        FChanged();
}
