// Copying a buffer's frame into a texture.
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdint>
#include <vector>

#include "scene3d/buffer/scenebuffer.h"
#include "scene3d/context/contextactivation.h"
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/opengl/glerrors.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/textures/texture.h"
#include "scene3d/textures/textureimage.h"
#include "scene3d/utils/texturefilters.h"

namespace {

bool IsCubeMapFace(GLenum Target)
{
    return Target >= GL_TEXTURE_CUBE_MAP_POSITIVE_X && Target <= GL_TEXTURE_CUBE_MAP_NEGATIVE_Z;
}

// The frame's area read and given to the texture bound to Target as its
// whole image, mipmapped as its filter asks.
void UploadFrameArea(T3DTexture& Texture, GLenum Target, int X, int Y, int Width, int Height)
{
    std::vector<uint8_t> pixels(static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height) * 4);
    GL.glPixelStorei(GL_PACK_ALIGNMENT, 1);
    GL.glReadPixels(X, Y, Width, Height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    const GLint format = Texture.OpenGLTextureFormat();
    if (!IsMipmapFilter(Texture.MinFilter())) {
        GL.glTexImage2D(Target, 0, format, Width, Height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    } else if (GLCaps.SGIS_generate_mipmap && Target == GL_TEXTURE_2D) {
        GL.glTexParameteri(Target, GL_GENERATE_MIPMAP_SGIS, GL_TRUE);
        GL.glTexImage2D(Target, 0, format, Width, Height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    } else {
        GL.gluBuild2DMipmaps(Target, format, Width, Height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    }
}

} // namespace

void T3DSceneBuffer::CopyFrameToTexture(T3DTexture& Texture, int X, int Y, int Width, int Height, int XDest,
                                        int YDest, GLenum Target, bool ForceFullImage)
{
    if (!FRenderingContext)
        return;
    const TContextActivation active(*FRenderingContext);
    if (Target == 0)
        Target = Texture.Image()->TextureTarget();
    const GLuint handle = Texture.Handle();
    GL.glBindTexture(IsCubeMapFace(Target) ? GL_TEXTURE_CUBE_MAP : Target, handle);
    if (ForceFullImage || Texture.Image()->GetWidth() == 0 || Texture.Image()->GetHeight() == 0)
        UploadFrameArea(Texture, Target, X, Y, Width, Height);
    else
        GL.glCopyTexSubImage2D(Target, 0, XDest, YDest, X, Y, Width, Height);
    RaiseGLErrors();
}
