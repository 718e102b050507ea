#pragma once
// A material's texture: one texture image that supplies the pixels, what is
// done to them before they go to OpenGL (alpha, brightness, gamma), and how
// OpenGL samples and combines them. The texture object is made on the first
// Handle while the texture is enabled and filled again only after a change:
// image settings and contents mark the image changed, sampling settings the
// parameters changed; either makes the next Handle bind, set the parameters
// and upload again.
#include <GL/gl.h>

#include <memory>
#include <string>

#include "scene3d/base/updateable.h"
#include "scene3d/textures/texturetypes.h"
#include "scene3d/utils/texturefilters.h"

class T3DColor;
class T3DCoordinates4;
class T3DLibMaterial;
class T3DTextureHandle;
class T3DTextureImage;
class TGraphic;
struct TRenderContextInfo;

// Stand for tfDefault and tcDefault; at first tfRGBA and tcNone.
T3DTextureFormat DefaultTextureFormat();
void SetDefaultTextureFormat(T3DTextureFormat Value);
T3DTextureCompression DefaultTextureCompression();
void SetDefaultTextureCompression(T3DTextureCompression Value);

class T3DTexture : public T3DUpdateAbleObject {
    LT_CLASS(T3DTexture)
public:
    static constexpr float DefaultNormalMapScale = 0.125f;

    // Owner: a material or an extra-texture item. Disabled, with an empty
    // persistent image and no texture object.
    explicit T3DTexture(TPersistent* AOwner);
    ~T3DTexture() override;

    // The image's class name. Another registered class replaces the image
    // with a new, empty one of that class; an empty name does nothing; a
    // name that is not registered raises ETexture and keeps the image.
    std::string ImageClassName() const;
    void SetImageClassName(const std::string& Value);
    T3DTextureImage* Image() const { return FImage.get(); }
    // nullptr: a new empty persistent image. Otherwise the image becomes
    // one of Value's class (a registered one) and takes Value's contents.
    void SetImage(const T3DTextureImage* Value);

    // Settings of the image: a change re-uploads the pixels.
    T3DTextureImageAlpha ImageAlpha() const { return FImageAlpha; }
    void SetImageAlpha(T3DTextureImageAlpha Value) { SetImageSetting(FImageAlpha, Value); }
    float ImageBrightness() const { return FImageBrightness; }
    void SetImageBrightness(float Value) { SetImageSetting(FImageBrightness, Value); }
    float ImageGamma() const { return FImageGamma; }
    void SetImageGamma(float Value) { SetImageSetting(FImageGamma, Value); }
    // How much the heights of a normal map slope; counts only for the
    // tfNormalMap format.
    float NormalMapScale() const { return FNormalMapScale; }
    void SetNormalMapScale(float Value);

    // Settings of the texture object: a change sets its parameters again
    // (and re-uploads).
    T3DMagFilter MagFilter() const { return FMagFilter; }
    void SetMagFilter(T3DMagFilter Value) { SetParameter(FMagFilter, Value); }
    T3DMinFilter MinFilter() const { return FMinFilter; }
    void SetMinFilter(T3DMinFilter Value) { SetParameter(FMinFilter, Value); }
    T3DTextureMode TextureMode() const { return FTextureMode; }
    void SetTextureMode(T3DTextureMode Value) { SetParameter(FTextureMode, Value); }
    T3DTextureWrap TextureWrap() const { return FTextureWrap; }
    void SetTextureWrap(T3DTextureWrap Value) { SetParameter(FTextureWrap, Value); }
    T3DTextureFormat TextureFormat() const { return FTextureFormat; }
    void SetTextureFormat(T3DTextureFormat Value) { SetParameter(FTextureFormat, Value); }
    T3DTextureCompression Compression() const { return FCompression; }
    void SetCompression(T3DTextureCompression Value) { SetParameter(FCompression, Value); }
    T3DTextureFilteringQuality FilteringQuality() const { return FFilteringQuality; }
    void SetFilteringQuality(T3DTextureFilteringQuality Value) { SetParameter(FFilteringQuality, Value); }
    // The colour of the tmBlend environment; always a parameter change.
    T3DColor* EnvColor() const { return FEnvColor.get(); }
    void SetEnvColor(const T3DColor* Value);

    // Where texture coordinates come from. Going back to tmmUser tells an
    // owning material that the texture switched (its object compiles its
    // list again); other switches are ordinary changes.
    T3DTextureMappingMode MappingMode() const { return FMappingMode; }
    void SetMappingMode(T3DTextureMappingMode Value);
    // The planes of the linear mappings, (1, 0, 0, 0) until set; made on
    // first use.
    T3DCoordinates4* MappingSCoordinates() const { return MappingCoordinates(FMapSCoordinates); }
    T3DCoordinates4* MappingTCoordinates() const { return MappingCoordinates(FMapTCoordinates); }
    bool HasMappingCoordinates() const { return FMapSCoordinates || FMapTCoordinates; }

    // A switch tells an owning material (or the material of an owning
    // extra-texture item) that the texture switched; without an owner it is
    // an ordinary change.
    bool Disabled() const { return FDisabled; }
    void SetDisabled(bool Value);

    // Through which an owner rewrites the names of files the image is
    // about to load (library materials look them up on their paths).
    const TTextureNeededEvent& OnTextureNeeded() const { return FOnTextureNeeded; }
    void SetOnTextureNeeded(TTextureNeededEvent Value) { FOnTextureNeeded = std::move(Value); }

    // The OpenGL texture object, made, bound, set up and filled first when
    // there is none or something changed; needs the context current.
    GLuint Handle();
    // Whether a texture object exists.
    bool HasHandle() const;
    // Frees the texture object; the next Handle makes a new one.
    void ReleaseHandle();
    // Whether the next Handle uploads.
    bool IsStale() const { return FImageChanged || FParamsChanged; }
    // The size uploaded last.
    int TexWidth() const { return FTexWidth; }
    int TexHeight() const { return FTexHeight; }
    // The texture's size in the implementation's memory when it tells
    // (compressed textures); -1 when unknown.
    int RequiredMemorySize() const { return FRequiredMemorySize; }
    // The internal format the settings ask for, with the process defaults
    // and what the context supports.
    GLint OpenGLTextureFormat() const;

    // Switches texturing on the main unit, binds the texture and sets the
    // environment and coordinate generation; a disabled texture switches
    // texturing off. Texture coordinates go to the main unit.
    void Apply(TRenderContextInfo& Rci);
    // Switches texturing and coordinate generation off again.
    void Revert(TRenderContextInfo& Rci);
    // The same for texture unit Unit (1 or more) as the second (or later)
    // texture of a library material, whose texture matrix it loads;
    // LibMaterial may be nullptr. Unit 0 is active again afterwards.
    void ApplyAsUnit(TRenderContextInfo& Rci, int Unit, const T3DLibMaterial* LibMaterial);
    void RevertUnit(TRenderContextInfo& Rci, int Unit, const T3DLibMaterial* LibMaterial);

    // The image changed: the next Handle uploads.
    void MarkImageChanged() { FImageChanged = true; }

    // From another texture: every setting and the image; both change kinds
    // are set. A platform graphic or picture goes into the image. nullptr
    // disables the texture and leaves it an empty persistent image.
    void Assign(const TPersistent* Source) override;

private:
    template <class T>
    void SetImageSetting(T& Field, T Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        FImageChanged = true;
        NotifyChange(this);
    }
    template <class T>
    void SetParameter(T& Field, T Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        FParamsChanged = true;
        NotifyChange(this);
    }
    // The plane, made on first use.
    T3DCoordinates4* MappingCoordinates(std::unique_ptr<T3DCoordinates4>& Plane) const;
    // Takes Image as the texture's image; marks the image changed.
    void ReplaceImage(std::unique_ptr<T3DTextureImage> Image);
    // Tells the owning material (directly or through an extra-texture item)
    // that the texture was switched on or off; false without one.
    bool NotifyTextureSwitched();

    // Of the texture object bound to Target (texturehandle.cpp).
    void SetParameters(GLenum Target) const;
    void UploadImage(GLenum Target);
    void UploadCubeMap();
    void ApplyMappingMode() const;
    void ApplyEnvironment() const;
    void DisableCoordinateGeneration() const;
    void LoadCubeMapMatrix(const TRenderContextInfo& Rci) const;

    std::unique_ptr<T3DTextureImage> FImage;
    T3DTextureImageAlpha FImageAlpha = tiaDefault;
    float FImageBrightness = 1;
    float FImageGamma = 1;
    T3DMagFilter FMagFilter = maLinear;
    T3DMinFilter FMinFilter = miLinearMipmapLinear;
    T3DTextureMode FTextureMode = tmDecal;
    T3DTextureWrap FTextureWrap = twBoth;
    T3DTextureFormat FTextureFormat = tfDefault;
    T3DTextureCompression FCompression = tcDefault;
    T3DTextureFilteringQuality FFilteringQuality = tfIsotropic;
    T3DTextureMappingMode FMappingMode = tmmUser;
    mutable std::unique_ptr<T3DCoordinates4> FMapSCoordinates;
    mutable std::unique_ptr<T3DCoordinates4> FMapTCoordinates;
    std::unique_ptr<T3DColor> FEnvColor;
    bool FDisabled = true;
    float FNormalMapScale = DefaultNormalMapScale;

    bool FImageChanged = true;
    bool FParamsChanged = true;
    std::unique_ptr<T3DTextureHandle> FTextureHandle;
    int FRequiredMemorySize = -1;
    int FTexWidth = 0;
    int FTexHeight = 0;
    TTextureNeededEvent FOnTextureNeeded;
};
