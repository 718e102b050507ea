// The texture object of a texture: made, set up and filled from the image.
#include <array>

#include "scene3d/base/engineassert.h"
#include "scene3d/context/contexthandles.h"
#include "scene3d/graphics/bitmap32.h"
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/opengl/glerrors.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/textures/cubemapimage.h"
#include "scene3d/textures/texture.h"

namespace {

bool IsFloatFormat(T3DTextureFormat Format)
{
    return Format == tfRGBAFloat16 || Format == tfRGBAFloat32;
}

bool RepeatsS(T3DTextureWrap Wrap)
{
    return Wrap == twBoth || Wrap == twHorizontal;
}

bool RepeatsT(T3DTextureWrap Wrap)
{
    return Wrap == twBoth || Wrap == twVertical;
}

constexpr std::array<GLenum, 6> CubeMapFaceTargets = {
    GL_TEXTURE_CUBE_MAP_POSITIVE_X, GL_TEXTURE_CUBE_MAP_NEGATIVE_X, GL_TEXTURE_CUBE_MAP_POSITIVE_Y,
    GL_TEXTURE_CUBE_MAP_NEGATIVE_Y, GL_TEXTURE_CUBE_MAP_POSITIVE_Z, GL_TEXTURE_CUBE_MAP_NEGATIVE_Z,
};

GLint MinFilterOf(T3DMinFilter Filter)
{
    constexpr GLint filters[] = {GL_NEAREST,
                                 GL_LINEAR,
                                 GL_NEAREST_MIPMAP_NEAREST,
                                 GL_LINEAR_MIPMAP_NEAREST,
                                 GL_NEAREST_MIPMAP_LINEAR,
                                 GL_LINEAR_MIPMAP_LINEAR};
    EngineAssert(Filter >= miNearest && Filter <= miLinearMipmapLinear);
    return filters[Filter];
}

GLint MagFilterOf(T3DMagFilter Filter)
{
    EngineAssert(Filter == maNearest || Filter == maLinear);
    return Filter == maNearest ? GL_NEAREST : GL_LINEAR;
}

// The format the settings ask for, tfDefault replaced by the process's.
T3DTextureFormat ResolvedFormat(T3DTextureFormat Format)
{
    if (Format == tfDefault)
        Format = DefaultTextureFormat();
    return Format == tfDefault ? tfRGBA : Format;
}

// tcNone unless the context compresses textures and the format is not a
// float one; tcDefault replaced by the process's.
T3DTextureCompression ResolvedCompression(T3DTextureCompression Compression, T3DTextureFormat Format)
{
    if (!GLCaps.ARB_texture_compression || IsFloatFormat(Format))
        return tcNone;
    if (Compression == tcDefault)
        Compression = DefaultTextureCompression();
    return Compression == tcDefault ? tcNone : Compression;
}

GLint UncompressedFormat(T3DTextureFormat Format)
{
    switch (Format) {
    case tfRGB:
    case tfNormalMap:
        return GL_RGB8;
    case tfRGBA:
        return GL_RGBA8;
    case tfRGB16:
        return GL_RGB5;
    case tfRGBA16:
        return GL_RGBA4;
    case tfAlpha:
        return GL_ALPHA8;
    case tfLuminance:
        return GL_LUMINANCE8;
    case tfLuminanceAlpha:
        return GL_LUMINANCE8_ALPHA8;
    case tfIntensity:
        return GL_INTENSITY8;
    case tfRGBAFloat16:
        return GLCaps.ATI_texture_float ? GL_RGBA_FLOAT16_ATI : GL_FLOAT_RGBA16_NV;
    case tfRGBAFloat32:
        return GLCaps.ATI_texture_float ? GL_RGBA_FLOAT32_ATI : GL_FLOAT_RGBA32_NV;
    default:
        EngineAssert(false);
        return GL_RGBA8;
    }
}

GLint CompressedFormat(T3DTextureFormat Format)
{
    switch (Format) {
    case tfRGB:
    case tfRGB16:
    case tfNormalMap:
        return GL_COMPRESSED_RGB_ARB;
    case tfRGBA:
    case tfRGBA16:
        return GL_COMPRESSED_RGBA_ARB;
    case tfAlpha:
        return GL_COMPRESSED_ALPHA_ARB;
    case tfLuminance:
        return GL_COMPRESSED_LUMINANCE_ARB;
    case tfLuminanceAlpha:
        return GL_COMPRESSED_LUMINANCE_ALPHA_ARB;
    case tfIntensity:
        return GL_COMPRESSED_INTENSITY_ARB;
    default:
        EngineAssert(false);
        return GL_COMPRESSED_RGBA_ARB;
    }
}

GLenum CompressionHint(T3DTextureCompression Compression)
{
    switch (Compression) {
    case tcStandard:
        return GL_DONT_CARE;
    case tcHighQuality:
        return GL_NICEST;
    case tcHighSpeed:
        return GL_FASTEST;
    default:
        EngineAssert(false);
        return GL_DONT_CARE;
    }
}

// The alpha channel as ImageAlpha asks.
void ApplyImageAlpha(T3DBitmap32& Bitmap, T3DTextureImageAlpha Alpha)
{
    switch (Alpha) {
    case tiaDefault:
        break;
    case tiaAlphaFromIntensity:
    case tiaLuminance:
        Bitmap.AlphaFromAverage();
        break;
    case tiaSuperBlackTransparent:
        Bitmap.AlphaKeySuperBlack();
        break;
    case tiaLuminanceSqrt:
        Bitmap.AlphaFromAverage();
        Bitmap.RootAlpha();
        break;
    case tiaOpaque:
        Bitmap.FillAlpha(255);
        break;
    case tiaTopLeftPointColorTransparent:
        Bitmap.AlphaKeyTopLeft();
        break;
    case tiaInverseLuminance:
        Bitmap.AlphaFromAverage();
        Bitmap.NegateAlpha();
        break;
    case tiaInverseLuminanceSqrt:
        Bitmap.AlphaFromAverage();
        Bitmap.RootAlpha();
        Bitmap.NegateAlpha();
        break;
    default:
        EngineAssert(false);
    }
}

// Lets the image's built bitmap go when the upload ends, however it ends.
class TBuiltBitmap {
public:
    explicit TBuiltBitmap(T3DTextureImage& Image) : FImage(Image) {}
    TBuiltBitmap(const TBuiltBitmap&) = delete;
    TBuiltBitmap& operator=(const TBuiltBitmap&) = delete;
    ~TBuiltBitmap() { FImage.FreeBitmap32(); }

private:
    T3DTextureImage& FImage;
};

} // namespace

GLint T3DTexture::OpenGLTextureFormat() const
{
    const T3DTextureFormat format = ResolvedFormat(FTextureFormat);
    const T3DTextureCompression compression = ResolvedCompression(FCompression, format);
    return compression == tcNone ? UncompressedFormat(format) : CompressedFormat(format);
}

GLuint T3DTexture::Handle()
{
    if (HasHandle() && !IsStale())
        return FTextureHandle->Handle();
    if (!HasHandle()) {
        FTextureHandle->AllocateHandle();
        EngineAssert(HasHandle());
    }
    const GLenum target = FImage->TextureTarget();
    const bool unsupported = target == GL_TEXTURE_CUBE_MAP && !GLCaps.ARB_texture_cube_map;
    if (!unsupported) {
        GL.glBindTexture(target, FTextureHandle->Handle());
        SetParameters(target);
    }
    FImageChanged = false;
    FParamsChanged = false;
    if (!unsupported) {
        if (target == GL_TEXTURE_CUBE_MAP)
            UploadCubeMap();
        else
            UploadImage(target);
    }
    return FTextureHandle->Handle();
}

void T3DTexture::SetParameters(GLenum Target) const
{
    GL.glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    GL.glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    GL.glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    GL.glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    GL.glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);

    const T3DTextureFormat format = ResolvedFormat(FTextureFormat);
    if (IsFloatFormat(format)) {
        GL.glTexParameteri(Target, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        GL.glTexParameteri(Target, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        const bool filtered = GLCaps.ATI_texture_float && format == tfRGBAFloat16;
        GL.glTexParameteri(Target, GL_TEXTURE_MIN_FILTER, filtered ? MinFilterOf(FMinFilter) : GL_NEAREST);
        GL.glTexParameteri(Target, GL_TEXTURE_MAG_FILTER, filtered ? MagFilterOf(FMagFilter) : GL_NEAREST);
        return;
    }

    const GLint clamp = GLCaps.Version1_2 || GLCaps.EXT_texture_edge_clamp ? GL_CLAMP_TO_EDGE : GL_CLAMP;
    GL.glTexParameteri(Target, GL_TEXTURE_WRAP_S, RepeatsS(FTextureWrap) ? GL_REPEAT : clamp);
    GL.glTexParameteri(Target, GL_TEXTURE_WRAP_T, RepeatsT(FTextureWrap) ? GL_REPEAT : clamp);
    GL.glTexParameteri(Target, GL_TEXTURE_MIN_FILTER, MinFilterOf(FMinFilter));
    GL.glTexParameteri(Target, GL_TEXTURE_MAG_FILTER, MagFilterOf(FMagFilter));
    if (GLCaps.EXT_texture_filter_anisotropic)
        GL.glTexParameteri(Target, GL_TEXTURE_MAX_ANISOTROPY_EXT, FFilteringQuality == tfAnisotropic ? 2 : 1);
}

// Faces go up only when all six are square of one size.
void T3DTexture::UploadCubeMap()
{
    const auto* cube = dynamic_cast<const T3DCubeMapImage*>(FImage.get());
    const int size = FImage->GetWidth();
    bool square = size > 0;
    for (int face = cmfPX; face <= cmfNZ; ++face) {
        const int width = cube ? cube->Picture(static_cast<T3DCubeMapFace>(face))->Width() : FImage->GetWidth();
        const int height = cube ? cube->Picture(static_cast<T3DCubeMapFace>(face))->Height() : FImage->GetHeight();
        square = square && width == size && height == size;
    }
    if (!square)
        return;
    for (const GLenum target : CubeMapFaceTargets)
        UploadImage(target);
}

void T3DTexture::UploadImage(GLenum Target)
{
    T3DBitmap32* bitmap = FImage->BuildBitmap32(Target);
    const TBuiltBitmap built(*FImage);
    if (!bitmap || bitmap->Width() == 0 || bitmap->Height() == 0)
        return;
    const T3DTextureFormat format = ResolvedFormat(FTextureFormat);
    const T3DTextureCompression compression = ResolvedCompression(FCompression, format);
    if (compression != tcNone)
        GL.glHint(GL_TEXTURE_COMPRESSION_HINT_ARB, CompressionHint(compression));
    const GLint internalFormat = OpenGLTextureFormat();
    if (format == tfNormalMap)
        bitmap->BuildNormalMap(FNormalMapScale, RepeatsS(FTextureWrap), RepeatsT(FTextureWrap));
    ApplyImageAlpha(*bitmap, FImageAlpha);
    if (FImageBrightness != 1)
        bitmap->ScaleBrightness(FImageBrightness);
    if (FImageGamma != 1)
        bitmap->ApplyGamma(FImageGamma);
    RaiseGLErrors();
    bitmap->UploadToTexture(Target, FMinFilter, internalFormat, FTexWidth, FTexHeight);

    GLint size = 0;
    GL.glGetTexLevelParameteriv(Target, 0, GL_TEXTURE_COMPRESSED_IMAGE_SIZE_ARB, &size);
    FRequiredMemorySize = GL.glGetError() == GL_NO_ERROR ? size : -1;
    DiscardGLErrors();
}
