#pragma once
// A material's extra textures: each item puts a texture of its own into one
// texture unit (TextureIndex), with a texture matrix made of its offset and
// scale. Applying them needs multitexturing.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/rtl/collection.h"
#include "scene3d/geometry/vectortypes.h"
#include "scene3d/textures/texturetransform.h"

class T3DCoordinates;
class T3DMaterial;
class T3DTexture;
struct TRenderContextInfo;

class T3DTextureExItem : public TCollectionItem {
    LT_CLASS(T3DTextureExItem)
public:
    explicit T3DTextureExItem(TCollection* Collection);
    ~T3DTextureExItem() override;

    // Owned; disabled at first.
    T3DTexture* Texture() const { return FTexture.get(); }
    void SetTexture(const T3DTexture* Value);
    // The texture unit; the item's ID until set. Negative values become 0.
    int TextureIndex() const { return FTextureIndex.value_or(ID()); }
    void SetTextureIndex(int Value);
    bool TextureIndexStored() const { return FTextureIndex.has_value() && *FTextureIndex != ID(); }
    // (0, 0, 0) and (1, 1, 1) at first; the texture matrix scales, then
    // offsets.
    T3DCoordinates* TextureOffset() const { return FTransform.Offset(); }
    T3DCoordinates* TextureScale() const { return FTransform.Scale(); }
    void SetTextureOffset(const T3DCoordinates* Value) { FTransform.SetOffset(Value); }
    void SetTextureScale(const T3DCoordinates* Value) { FTransform.SetScale(Value); }
    TMatrix TextureMatrix() const { return FTransform.Matrix(); }
    bool TextureMatrixIsIdentity() const { return FTransform.IsIdentity(); }

    // "Tex [<index>]".
    std::string DisplayName() const override;
    // From another item: its texture, index, offset and scale.
    void Assign(const TPersistent* Source) override;

    // The material that owns the collection, or nullptr.
    T3DMaterial* OwnerMaterial() const;
    // A change of the item or its texture reaches the material.
    void NotifyChange();
    // The texture was switched on or off: the material hears of it.
    void NotifyTextureSwitched();

private:
    std::unique_ptr<T3DTexture> FTexture;
    std::optional<int> FTextureIndex;
    TTextureTransform FTransform;
};

class T3DTextureEx : public TCollection {
    LT_CLASS(T3DTextureEx)
public:
    // Owner: the material.
    explicit T3DTextureEx(TPersistent* AOwner);

    T3DTextureExItem* Items(int Index) const { return static_cast<T3DTextureExItem*>(TCollection::Items(Index)); }
    T3DTextureExItem* Add() { return static_cast<T3DTextureExItem*>(TCollection::Add()); }

    // Whether an item with an enabled texture sits in that texture unit.
    bool IsTextureEnabled(int Index) const;

    // With multitexturing: each item with an enabled texture in a unit the
    // implementation has gets its texture matrix pushed and loaded, and its
    // texture applied to its unit. Texture coordinates then go to the main
    // unit and to each applied unit above 0 whose texture takes the
    // object's own coordinates.
    void Apply(TRenderContextInfo& Rci);
    // Reverts what Apply applied, last first, and pops the matrices.
    void Revert(TRenderContextInfo& Rci);

protected:
    // The material hears of every change.
    void Update(TCollectionItem* Item) override;

private:
    // The IDs of the items Apply applied.
    std::vector<int> FApplied;
};
