// T3DBitmap32::UploadToTexture and the size it uploads at.
#include "scene3d/graphics/textureupload.h"

#include <algorithm>
#include <memory>

#include "scene3d/base/engineassert.h"
#include "scene3d/graphics/bitmap32.h"
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/opengl/glerrors.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/utils/numberhelpers.h"

namespace {

bool IsFloatFormat(GLint Format)
{
    switch (Format) {
    case GL_RGBA_FLOAT32_ATI:
    case GL_RGBA_FLOAT16_ATI:
    case GL_FLOAT_RGBA16_NV:
    case GL_FLOAT_RGBA32_NV:
        return true;
    default:
        return false;
    }
}

int MaxTextureSize()
{
    GLint size = 0;
    GL.glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
    return size;
}

} // namespace

TTextureSize TextureUploadSize(int Width, int Height, bool NonPowerOfTwo, int MaxTextureSize)
{
    if (!NonPowerOfTwo) {
        Width = NextPowerOfTwo(Width);
        Height = NextPowerOfTwo(Height);
    }
    return {std::min(Width, MaxTextureSize), std::min(Height, MaxTextureSize)};
}

void T3DBitmap32::UploadToTexture(GLenum Target, T3DMinFilter MinFilter, GLint InternalFormat, int& Width,
                                  int& Height)
{
    if (FDataSize == 0)
        return;
    const TTextureSize size = TextureUploadSize(FWidth, FHeight, GLCaps.ARB_texture_non_power_of_two, MaxTextureSize());
    Width = size.Width;
    Height = size.Height;
    const bool isFloat = IsFloatFormat(InternalFormat);
    if (isFloat)
        EngineAssert(Target == GL_TEXTURE_2D, "ATI Float-type texture must use GL_TEXTURE_2D");

    // A blank bitmap has nothing to scale: OpenGL only reserves the texture.
    const uint8_t* pixels = FData.get();
    std::unique_ptr<uint8_t[]> scaled;
    if (pixels && !isFloat && (size.Width != FWidth || size.Height != FHeight)) {
        scaled = std::make_unique_for_overwrite<uint8_t[]>(static_cast<std::size_t>(size.Width) * size.Height * 4);
        const GLint result = GL.gluScaleImage(GL_RGBA, FWidth, FHeight, GL_UNSIGNED_BYTE, pixels, size.Width,
                                              size.Height, GL_UNSIGNED_BYTE, scaled.get());
        if (result != 0)
            throw EOpenGLError(reinterpret_cast<const char*>(GL.gluErrorString(static_cast<GLenum>(result))));
        pixels = scaled.get();
    }

    if (isFloat) {
        GL.glTexImage2D(Target, 0, InternalFormat, size.Width, size.Height, 0, GL_RGBA, GL_FLOAT, nullptr);
    } else if (!IsMipmapFilter(MinFilter)) {
        GL.glTexImage2D(Target, 0, InternalFormat, size.Width, size.Height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    } else if (GLCaps.SGIS_generate_mipmap && Target == GL_TEXTURE_2D) {
        GL.glTexParameteri(Target, GL_GENERATE_MIPMAP_SGIS, GL_TRUE);
        GL.glTexImage2D(Target, 0, InternalFormat, size.Width, size.Height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    } else if (pixels) {
        GL.gluBuild2DMipmaps(Target, InternalFormat, size.Width, size.Height, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    } else {
        // GLU cannot build mipmaps of nothing.
        GL.glTexImage2D(Target, 0, InternalFormat, size.Width, size.Height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    }
}
