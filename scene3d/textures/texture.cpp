#include "scene3d/textures/texture.h"

#include "platform/rtl/classbuilder.h"
#include "platform/ui/picture.h"
#include "scene3d/base/coordinates.h"
#include "scene3d/context/contexthandles.h"
#include "scene3d/materials/color.h"
#include "scene3d/materials/material.h"
#include "scene3d/textures/pictureimages.h"
#include "scene3d/textures/textureex.h"
#include "scene3d/textures/textureimageclasses.h"

namespace {

const char* const DefaultImageClassName = "T3DPersistentImage";
constexpr TVector DefaultMappingPlane = {1, 0, 0, 0};

T3DTextureFormat ProcessTextureFormat = tfRGBA;
T3DTextureCompression ProcessTextureCompression = tcNone;

const T3DTexture& TextureOf(const TObject& Object)
{
    return static_cast<const T3DTexture&>(Object);
}

const TTextureImageClass& RegisteredImageClass(const std::string& Name)
{
    const TTextureImageClass* imageClass = FindTextureImageClass(Name);
    if (!imageClass)
        throw ETexture("Texture image class not registered: " + Name);
    return *imageClass;
}

} // namespace

LT_IMPLEMENT_CLASS(T3DTexture, T3DUpdateAbleObject)
{
    P.Property("ImageClassName", &T3DTexture::ImageClassName, &T3DTexture::SetImageClassName)
        .StoredIf([](const TObject& o) { return TextureOf(o).ImageClassName() != DefaultImageClassName; });
    P.Property("Image", &T3DTexture::Image);
    P.Property("ImageAlpha", &T3DTexture::ImageAlpha, &T3DTexture::SetImageAlpha).Default(tiaDefault);
    P.Property("ImageBrightness", &T3DTexture::ImageBrightness, &T3DTexture::SetImageBrightness).DefaultFloat(1);
    P.Property("ImageGamma", &T3DTexture::ImageGamma, &T3DTexture::SetImageGamma).DefaultFloat(1);
    P.Property("MagFilter", &T3DTexture::MagFilter, &T3DTexture::SetMagFilter).Default(maLinear);
    P.Property("MinFilter", &T3DTexture::MinFilter, &T3DTexture::SetMinFilter).Default(miLinearMipmapLinear);
    P.Property("TextureMode", &T3DTexture::TextureMode, &T3DTexture::SetTextureMode).Default(tmDecal);
    P.Property("TextureWrap", &T3DTexture::TextureWrap, &T3DTexture::SetTextureWrap).Default(twBoth);
    P.Property("TextureFormat", &T3DTexture::TextureFormat, &T3DTexture::SetTextureFormat).Default(tfDefault);
    P.Property("Compression", &T3DTexture::Compression, &T3DTexture::SetCompression).Default(tcDefault);
    P.Property("FilteringQuality", &T3DTexture::FilteringQuality, &T3DTexture::SetFilteringQuality)
        .Default(tfIsotropic);
    P.Property("MappingMode", &T3DTexture::MappingMode, &T3DTexture::SetMappingMode).Default(tmmUser);
    P.Property("MappingSCoordinates", &T3DTexture::MappingSCoordinates)
        .StoredIf([](const TObject& o) { return TextureOf(o).HasMappingCoordinates(); });
    P.Property("MappingTCoordinates", &T3DTexture::MappingTCoordinates)
        .StoredIf([](const TObject& o) { return TextureOf(o).HasMappingCoordinates(); });
    P.Property("EnvColor", &T3DTexture::EnvColor);
    P.Property("Disabled", &T3DTexture::Disabled, &T3DTexture::SetDisabled).Default(1);
    P.Property("NormalMapScale", &T3DTexture::NormalMapScale, &T3DTexture::SetNormalMapScale)
        .DefaultFloat(T3DTexture::DefaultNormalMapScale);
}

T3DTextureFormat DefaultTextureFormat()
{
    return ProcessTextureFormat;
}

void SetDefaultTextureFormat(T3DTextureFormat Value)
{
    ProcessTextureFormat = Value;
}

T3DTextureCompression DefaultTextureCompression()
{
    return ProcessTextureCompression;
}

void SetDefaultTextureCompression(T3DTextureCompression Value)
{
    ProcessTextureCompression = Value;
}

T3DTexture::T3DTexture(TPersistent* AOwner)
    : T3DUpdateAbleObject(AOwner),
      FImage(std::make_unique<T3DPersistentImage>(this)),
      FEnvColor(std::make_unique<T3DColor>(this, ColorTransparentBlack, [this](TObject*) { FParamsChanged = true; })),
      FTextureHandle(std::make_unique<T3DTextureHandle>())
{
}

T3DTexture::~T3DTexture() = default;

std::string T3DTexture::ImageClassName() const
{
    return FImage->ClassName();
}

void T3DTexture::SetImageClassName(const std::string& Value)
{
    if (Value.empty() || Value == ImageClassName())
        return;
    ReplaceImage(RegisteredImageClass(Value).Create(this));
}

void T3DTexture::SetImage(const T3DTextureImage* Value)
{
    if (!Value) {
        ReplaceImage(std::make_unique<T3DPersistentImage>(this));
        return;
    }
    if (Value == FImage.get())
        return;
    if (&Value->ClassType() != &FImage->ClassType())
        ReplaceImage(RegisteredImageClass(Value->ClassName()).Create(this));
    FImage->Assign(Value);
}

void T3DTexture::ReplaceImage(std::unique_ptr<T3DTextureImage> Image)
{
    FImage = std::move(Image);
    FImageChanged = true;
    NotifyChange(this);
}

void T3DTexture::SetNormalMapScale(float Value)
{
    if (Value == FNormalMapScale)
        return;
    FNormalMapScale = Value;
    if (FTextureFormat == tfNormalMap) {
        FImageChanged = true;
        NotifyChange(this);
    }
}

void T3DTexture::SetEnvColor(const T3DColor* Value)
{
    FEnvColor->Assign(Value);
}

void T3DTexture::SetMappingMode(T3DTextureMappingMode Value)
{
    if (Value == FMappingMode)
        return;
    FMappingMode = Value;
    if (auto* material = dynamic_cast<T3DMaterial*>(Owner()); material && Value == tmmUser)
        material->NotifyTextureSwitched(this);
    else
        NotifyChange(this);
}

T3DCoordinates4* T3DTexture::MappingCoordinates(std::unique_ptr<T3DCoordinates4>& Plane) const
{
    if (!Plane)
        Plane = std::make_unique<T3DCoordinates4>(const_cast<T3DTexture*>(this), DefaultMappingPlane, csFree);
    return Plane.get();
}

void T3DTexture::SetDisabled(bool Value)
{
    if (Value == FDisabled)
        return;
    FDisabled = Value;
    if (!NotifyTextureSwitched())
        NotifyChange(this);
}

bool T3DTexture::NotifyTextureSwitched()
{
    if (auto* material = dynamic_cast<T3DMaterial*>(Owner())) {
        material->NotifyTextureSwitched(this);
        return true;
    }
    if (auto* item = dynamic_cast<T3DTextureExItem*>(Owner())) {
        item->NotifyTextureSwitched();
        return true;
    }
    return false;
}

bool T3DTexture::HasHandle() const
{
    return FTextureHandle->Handle() != 0;
}

void T3DTexture::ReleaseHandle()
{
    FTextureHandle->DestroyHandle();
    FImageChanged = true;
    FParamsChanged = true;
    FRequiredMemorySize = -1;
}

void T3DTexture::Assign(const TPersistent* Source)
{
    if (!Source) {
        SetDisabled(true);
        SetImage(nullptr);
        return;
    }
    if (const auto* other = dynamic_cast<const T3DTexture*>(Source)) {
        if (other == this)
            return;
        FImageAlpha = other->FImageAlpha;
        FImageBrightness = other->FImageBrightness;
        FImageGamma = other->FImageGamma;
        FNormalMapScale = other->FNormalMapScale;
        FTextureMode = other->FTextureMode;
        FTextureWrap = other->FTextureWrap;
        FTextureFormat = other->FTextureFormat;
        FCompression = other->FCompression;
        FFilteringQuality = other->FFilteringQuality;
        FMinFilter = other->FMinFilter;
        FMagFilter = other->FMagFilter;
        FMappingMode = other->FMappingMode;
        FEnvColor->SetColorSilently(other->FEnvColor->Color());
        if (other->HasMappingCoordinates()) {
            MappingSCoordinates()->Assign(other->MappingSCoordinates());
            MappingTCoordinates()->Assign(other->MappingTCoordinates());
        } else {
            FMapSCoordinates.reset();
            FMapTCoordinates.reset();
        }
        SetImage(other->FImage.get());
        FImageChanged = true;
        FParamsChanged = true;
        if (other->FDisabled != FDisabled)
            SetDisabled(other->FDisabled);
        NotifyChange(this);
        return;
    }
    if (dynamic_cast<const TGraphic*>(Source) || dynamic_cast<const TPicture*>(Source)) {
        FImage->Assign(Source);
        return;
    }
    T3DUpdateAbleObject::Assign(Source);
}
