#include "scene3d/textures/textureex.h"

#include <algorithm>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/format.h"
#include "scene3d/base/coordinates.h"
#include "scene3d/materials/material.h"
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/opengl/multitexgl.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/textures/texture.h"

namespace {

// Selects texture unit Unit, runs Action on its texture matrix and selects
// unit 0 and the model-view matrix again.
template <class TAction>
void OnTextureMatrixOf(int Unit, TAction Action)
{
    GL.glActiveTextureARB(static_cast<GLenum>(GL_TEXTURE0 + Unit));
    GL.glMatrixMode(GL_TEXTURE);
    Action();
    GL.glMatrixMode(GL_MODELVIEW);
    GL.glActiveTextureARB(GL_TEXTURE0);
}

} // namespace

LT_IMPLEMENT_CLASS(T3DTextureExItem, TCollectionItem)
{
    P.Property("Texture", &T3DTextureExItem::Texture);
    P.Property("TextureIndex", &T3DTextureExItem::TextureIndex, &T3DTextureExItem::SetTextureIndex)
        .StoredIf([](const TObject& o) { return static_cast<const T3DTextureExItem&>(o).TextureIndexStored(); });
    P.Property("TextureOffset", &T3DTextureExItem::TextureOffset);
    P.Property("TextureScale", &T3DTextureExItem::TextureScale);
}
LT_IMPLEMENT_CLASS(T3DTextureEx, TCollection) {}

T3DTextureExItem::T3DTextureExItem(TCollection* Collection)
    : TCollectionItem(Collection),
      FTexture(std::make_unique<T3DTexture>(this)),
      FTransform(this, [this] { NotifyChange(); })
{
    FTexture->SetOnChange([this](TObject*) { NotifyChange(); });
}

T3DTextureExItem::~T3DTextureExItem() = default;

void T3DTextureExItem::SetTexture(const T3DTexture* Value)
{
    FTexture->Assign(Value);
}

void T3DTextureExItem::SetTextureIndex(int Value)
{
    const int index = std::max(Value, 0);
    if (index == TextureIndex() && FTextureIndex)
        return;
    FTextureIndex = index;
    NotifyChange();
}

std::string T3DTextureExItem::DisplayName() const
{
    return Format("Tex [%d]", TextureIndex());
}

void T3DTextureExItem::Assign(const TPersistent* Source)
{
    const auto* other = dynamic_cast<const T3DTextureExItem*>(Source);
    if (!other) {
        TCollectionItem::Assign(Source);
        return;
    }
    FTexture->Assign(other->FTexture.get());
    FTextureIndex = other->TextureIndex();
    FTransform.Assign(other->FTransform);
}

T3DMaterial* T3DTextureExItem::OwnerMaterial() const
{
    return Collection() ? dynamic_cast<T3DMaterial*>(Collection()->GetOwner()) : nullptr;
}

void T3DTextureExItem::NotifyChange()
{
    Changed(false);
}

void T3DTextureExItem::NotifyTextureSwitched()
{
    if (T3DMaterial* material = OwnerMaterial())
        material->NotifyTextureSwitched(FTexture.get());
}

T3DTextureEx::T3DTextureEx(TPersistent* AOwner) : TCollection(AOwner, ItemsOf<T3DTextureExItem>()) {}

bool T3DTextureEx::IsTextureEnabled(int Index) const
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->TextureIndex() == Index && !Items(i)->Texture()->Disabled())
            return true;
    return false;
}

void T3DTextureEx::Update(TCollectionItem*)
{
    if (auto* material = dynamic_cast<T3DMaterial*>(GetOwner()))
        material->NotifyChange(this);
}

void T3DTextureEx::Apply(TRenderContextInfo& Rci)
{
    FApplied.clear();
    if (!GLCaps.ARB_multitexture)
        return;
    GLint units = 0;
    GL.glGetIntegerv(GL_MAX_TEXTURE_UNITS_ARB, &units);
    int userUnits = 0;
    for (int i = 0; i < Count(); ++i) {
        T3DTextureExItem& item = *Items(i);
        T3DTexture& texture = *item.Texture();
        const int unit = item.TextureIndex();
        if (unit >= units || texture.Disabled())
            continue;
        OnTextureMatrixOf(unit, [&item] {
            GL.glPushMatrix();
            const TMatrix matrix = item.TextureMatrix();
            GL.glLoadMatrixf(&matrix[0].X);
        });
        if (unit == 0)
            texture.Apply(Rci);
        else
            texture.ApplyAsUnit(Rci, unit, nullptr);
        FApplied.push_back(item.ID());
        if (unit > 0 && texture.MappingMode() == tmmUser)
            userUnits |= 1 << unit;
    }
    if (userUnits != 0)
        SetTexCoordUnitMask(1 | userUnits);
}

void T3DTextureEx::Revert(TRenderContextInfo& Rci)
{
    for (auto id = FApplied.rbegin(); id != FApplied.rend(); ++id) {
        auto* item = static_cast<T3DTextureExItem*>(FindItemID(*id));
        if (!item)
            continue;
        const int unit = item->TextureIndex();
        if (unit == 0)
            item->Texture()->Revert(Rci);
        else
            item->Texture()->RevertUnit(Rci, unit, nullptr);
        OnTextureMatrixOf(unit, [] { GL.glPopMatrix(); });
    }
    FApplied.clear();
}
