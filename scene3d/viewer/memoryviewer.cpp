#include "scene3d/viewer/memoryviewer.h"

#include <GL/glext.h>

#include <algorithm>

#include "platform/rtl/classbuilder.h"
#include "scene3d/buffer/scenebuffer.h"
#include "scene3d/textures/cubemapimage.h"
#include "scene3d/textures/texture.h"

LT_IMPLEMENT_CLASS(T3DMemoryViewer, T3DNonVisualViewer)
{
    P.Property("BufferCount", &T3DMemoryViewer::BufferCount, &T3DMemoryViewer::SetBufferCount).Default(1);
}

T3DMemoryViewer::T3DMemoryViewer(TComponent* AOwner) : T3DNonVisualViewer(AOwner) {}

void T3DMemoryViewer::SetBufferCount(int Value)
{
    FBufferCount = std::clamp(Value, 1, 4);
    Buffer()->DestroyContext();
}

void T3DMemoryViewer::Render(T3DBaseSceneObject* BaseObject)
{
    if (!Buffer()->HasContext()) {
        Buffer()->SetViewport(0, 0, Width(), Height());
        Buffer()->CreateContext(0, true, FBufferCount);
    }
    Buffer()->RenderFrame(BaseObject);
}

GLenum T3DMemoryViewer::CopyTarget(const T3DTexture& Texture) const
{
    if (!dynamic_cast<const T3DCubeMapImage*>(Texture.Image()))
        return 0;
    return static_cast<GLenum>(GL_TEXTURE_CUBE_MAP_POSITIVE_X + FCubeMapFace);
}
