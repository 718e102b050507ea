#include "scene3d/materials/material.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/displaylistowner.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/materials/libmaterial.h"
#include "scene3d/materials/materiallibrary.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/textures/texture.h"
#include "scene3d/textures/textureex.h"

namespace {

bool BackPropertiesStored(const TObject& Material)
{
    return static_cast<const T3DMaterial&>(Material).HasBackProperties();
}

bool TextureStored(const TObject& Material)
{
    return static_cast<const T3DMaterial&>(Material).HasTexture();
}

bool TextureExStored(const TObject& Material)
{
    return static_cast<const T3DMaterial&>(Material).HasTextureEx();
}

} // namespace

LT_IMPLEMENT_CLASS(T3DMaterial, T3DUpdateAbleObject)
{
    P.Property("BackProperties", &T3DMaterial::BackProperties).StoredIf(BackPropertiesStored);
    P.Property("FrontProperties", &T3DMaterial::FrontProperties);
    P.Property("BlendingMode", &T3DMaterial::BlendingMode, &T3DMaterial::SetBlendingMode).Default(bmOpaque);
    P.Property("MaterialOptions", &T3DMaterial::MaterialOptions, &T3DMaterial::SetMaterialOptions).Default(0);
    P.Property("Texture", &T3DMaterial::Texture).StoredIf(TextureStored);
    P.Property("FaceCulling", &T3DMaterial::FaceCulling, &T3DMaterial::SetFaceCulling).Default(fcBufferDefault);
    P.Property("MaterialLibrary", &T3DMaterial::MaterialLibrary, &T3DMaterial::SetMaterialLibrary);
    P.Property("LibMaterialName", &T3DMaterial::LibMaterialName, &T3DMaterial::SetLibMaterialName);
    P.Property("TextureEx", &T3DMaterial::TextureEx).StoredIf(TextureExStored);
}

T3DMaterial::T3DMaterial(TPersistent* AOwner)
    : T3DUpdateAbleObject(AOwner), FFrontProperties(std::make_unique<T3DFaceProperties>(this))
{
}

T3DMaterial::~T3DMaterial()
{
    if (FLibMaterial)
        FLibMaterial->UnregisterUser(this);
    if (FMaterialLibrary)
        FMaterialLibrary->UnregisterMaterial(this);
}

T3DFaceProperties* T3DMaterial::BackProperties() const
{
    if (!FBackProperties)
        FBackProperties = std::make_unique<T3DFaceProperties>(const_cast<T3DMaterial*>(this));
    return FBackProperties.get();
}

void T3DMaterial::SetBackProperties(const T3DFaceProperties* Value)
{
    BackProperties()->Assign(Value);
    NotifyChange(this);
}

void T3DMaterial::SetFrontProperties(const T3DFaceProperties* Value)
{
    FFrontProperties->Assign(Value);
    NotifyChange(this);
}

void T3DMaterial::SetBlendingMode(TBlendingMode Value)
{
    if (Value == FBlendingMode)
        return;
    FBlendingMode = Value;
    NotifyChange(this);
}

void T3DMaterial::SetMaterialOptions(TMaterialOptions Value)
{
    if (Value == FMaterialOptions)
        return;
    FMaterialOptions = Value;
    NotifyChange(this);
}

void T3DMaterial::SetFaceCulling(TFaceCulling Value)
{
    if (Value == FFaceCulling)
        return;
    FFaceCulling = Value;
    NotifyChange(this);
}

// The texture of a library material looks its files up through the library.
T3DTexture* T3DMaterial::Texture() const
{
    if (!FTexture) {
        auto texture = std::make_unique<T3DTexture>(const_cast<T3DMaterial*>(this));
        if (const auto* libMaterial = dynamic_cast<const T3DLibMaterial*>(Owner()))
            texture->SetOnTextureNeeded([libMaterial](TObject* Sender, std::string& FileName) {
                if (const T3DMaterialLibrary* library = libMaterial->MaterialLibrary())
                    library->TextureNeeded(Sender, FileName);
            });
        FTexture = std::move(texture);
    }
    return FTexture.get();
}

void T3DMaterial::SetTexture(const T3DTexture* Value)
{
    if (Value)
        Texture()->Assign(Value);
    else
        FTexture.reset();
}

T3DTextureEx* T3DMaterial::TextureEx() const
{
    if (!FTextureEx)
        FTextureEx = std::make_unique<T3DTextureEx>(const_cast<T3DMaterial*>(this));
    return FTextureEx.get();
}

void T3DMaterial::SetMaterialLibrary(T3DMaterialLibrary* Value)
{
    StoreMaterialLibrary(Value);
    SetLibMaterialName(FLibMaterialName);
}

void T3DMaterial::StoreMaterialLibrary(T3DMaterialLibrary* Value)
{
    if (Value == FMaterialLibrary)
        return;
    if (FMaterialLibrary)
        FMaterialLibrary->UnregisterMaterial(this);
    FMaterialLibrary = Value;
    if (FMaterialLibrary)
        FMaterialLibrary->RegisterMaterial(this);
}

void T3DMaterial::SetLibMaterialName(const std::string& Value)
{
    constexpr int MaxLinks = 16;
    T3DLibMaterial* found = FMaterialLibrary ? FMaterialLibrary->LibMaterialByName(Value) : nullptr;
    int links = 0;
    for (const T3DLibMaterial* link = found; link; link = link->Material()->FLibMaterial)
        EngineAssert(link->Material() != this && ++links < MaxLinks, "Error: Cyclic material reference detected!");
    FLibMaterialName = Value;
    if (found != FLibMaterial)
        LinkLibMaterial(found);
}

void T3DMaterial::LinkLibMaterial(T3DLibMaterial* Value)
{
    if (FLibMaterial)
        FLibMaterial->UnregisterUser(this);
    FLibMaterial = Value;
    if (FLibMaterial)
        FLibMaterial->RegisterUser(this);
    NotifyTextureSwitched(this);
}

void T3DMaterial::LibMaterialFreed(const T3DLibMaterial* LibMaterial)
{
    if (LibMaterial != FLibMaterial)
        return;
    FLibMaterial = nullptr;
    FLibMaterialName.clear();
}

void T3DMaterial::MaterialLibraryFreed()
{
    FMaterialLibrary = nullptr;
}

void T3DMaterial::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const T3DMaterial*>(Source);
    if (!source) {
        T3DUpdateAbleObject::Assign(Source);
        return;
    }
    if (source == this)
        return;
    if (source->FBackProperties)
        BackProperties()->Assign(source->FBackProperties.get());
    else
        FBackProperties.reset();
    FFrontProperties->Assign(source->FFrontProperties.get());
    FBlendingMode = source->FBlendingMode;
    FMaterialOptions = source->FMaterialOptions;
    SetTexture(source->FTexture.get());
    FFaceCulling = source->FFaceCulling;
    StoreMaterialLibrary(source->FMaterialLibrary);
    SetLibMaterialName(source->FLibMaterialName);
    if (source->FTextureEx)
        TextureEx()->Assign(source->FTextureEx.get());
    else
        FTextureEx.reset();
    NotifyChange(this);
}

bool T3DMaterial::IsBlended() const
{
    if (FLibMaterial)
        return FLibMaterial->Material()->IsBlended();
    switch (FBlendingMode) {
    case bmTransparency:
    case bmAdditive:
    case bmModulate:
        return true;
    case bmOpaque:
    case bmAlphaTest50:
    case bmAlphaTest100:
        return false;
    }
    EngineAssert(false);
    return false;
}

void T3DMaterial::ReleaseTextureHandle()
{
    if (FTexture)
        FTexture->ReleaseHandle();
}

void T3DMaterial::NotifyChange(TObject*)
{
    if (auto* owner = dynamic_cast<T3DUpdateAbleComponent*>(Owner()))
        owner->NotifyChange(this);
    else if (auto* libMaterial = dynamic_cast<T3DLibMaterial*>(Owner()))
        libMaterial->NotifyUsers();
}

void T3DMaterial::NotifyTextureSwitched(TObject*)
{
    if (auto* owner = Supports<IDisplayListOwner>(Owner()))
        owner->ListInvalidated();
    else if (auto* libMaterial = dynamic_cast<T3DLibMaterial*>(Owner()))
        libMaterial->NotifyTextureSwitched();
}
