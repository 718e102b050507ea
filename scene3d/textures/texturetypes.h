#pragma once
// The settings of a texture and the texture subsystem's error.
#include <functional>
#include <string>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/typeinfo.h"

class TObject;

LT_DECLARE_EXCEPTION(ETexture, Exception)

// What the alpha channel is made of before the upload.
enum T3DTextureImageAlpha {
    tiaDefault,                       // as the image has it
    tiaAlphaFromIntensity,            // the average of red, green and blue
    tiaSuperBlackTransparent,         // 0 for black, else 255
    tiaLuminance,                     // as tiaAlphaFromIntensity
    tiaLuminanceSqrt,                 // the root of the average
    tiaOpaque,                        // 255
    tiaTopLeftPointColorTransparent,  // 0 for the colour of the top-left pixel, else 255
    tiaInverseLuminance,              // 255 less the average
    tiaInverseLuminanceSqrt,          // 255 less the root of the average
};
LT_ENUM_INFO(T3DTextureImageAlpha, tiaDefault, tiaAlphaFromIntensity, tiaSuperBlackTransparent, tiaLuminance,
             tiaLuminanceSqrt, tiaOpaque, tiaTopLeftPointColorTransparent, tiaInverseLuminance,
             tiaInverseLuminanceSqrt)

// The texture environment: GL_DECAL, GL_MODULATE, GL_BLEND, GL_REPLACE.
enum T3DTextureMode { tmDecal, tmModulate, tmBlend, tmReplace };
LT_ENUM_INFO(T3DTextureMode, tmDecal, tmModulate, tmBlend, tmReplace)

// Which directions repeat; the others clamp.
enum T3DTextureWrap { twBoth, twNone, twVertical, twHorizontal };
LT_ENUM_INFO(T3DTextureWrap, twBoth, twNone, twVertical, twHorizontal)

enum T3DTextureFormat {
    tfDefault,
    tfRGB,
    tfRGBA,
    tfRGB16,
    tfRGBA16,
    tfAlpha,
    tfLuminance,
    tfLuminanceAlpha,
    tfIntensity,
    tfNormalMap,
    tfRGBAFloat16,
    tfRGBAFloat32,
};
LT_ENUM_INFO(T3DTextureFormat, tfDefault, tfRGB, tfRGBA, tfRGB16, tfRGBA16, tfAlpha, tfLuminance, tfLuminanceAlpha,
             tfIntensity, tfNormalMap, tfRGBAFloat16, tfRGBAFloat32)

enum T3DTextureCompression { tcDefault, tcNone, tcStandard, tcHighQuality, tcHighSpeed };
LT_ENUM_INFO(T3DTextureCompression, tcDefault, tcNone, tcStandard, tcHighQuality, tcHighSpeed)

enum T3DTextureFilteringQuality { tfIsotropic, tfAnisotropic };
LT_ENUM_INFO(T3DTextureFilteringQuality, tfIsotropic, tfAnisotropic)

// Where texture coordinates come from: the object's own, or generated.
enum T3DTextureMappingMode {
    tmmUser,
    tmmObjectLinear,
    tmmEyeLinear,
    tmmSphere,
    tmmCubeMapReflection,
    tmmCubeMapNormal,
    tmmCubeMapLight0,
    tmmCubeMapCamera,
};
LT_ENUM_INFO(T3DTextureMappingMode, tmmUser, tmmObjectLinear, tmmEyeLinear, tmmSphere, tmmCubeMapReflection,
             tmmCubeMapNormal, tmmCubeMapLight0, tmmCubeMapCamera)

// Sender (the image about to load), and the file name it is about to load,
// which the handler may rewrite.
using TTextureNeededEvent = std::function<void(TObject* Sender, std::string& FileName)>;
