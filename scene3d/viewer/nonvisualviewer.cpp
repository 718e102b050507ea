#include "scene3d/viewer/nonvisualviewer.h"

#include <algorithm>

#include "platform/rtl/classbuilder.h"
#include "scene3d/buffer/scenebuffer.h"
#include "scene3d/context/contextactivation.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/scene/camera.h"
#include "scene3d/textures/sizedimages.h"
#include "scene3d/textures/texture.h"

LT_IMPLEMENT_CLASS(T3DNonVisualViewer, TComponent)
{
    P.Property("Buffer", &T3DNonVisualViewer::Buffer);
    P.Property("Width", &T3DNonVisualViewer::Width, &T3DNonVisualViewer::SetWidth).Default(256);
    P.Property("Height", &T3DNonVisualViewer::Height, &T3DNonVisualViewer::SetHeight).Default(256);
    P.Property("Camera", &T3DNonVisualViewer::Camera, &T3DNonVisualViewer::SetCamera);
    P.Property("BeforeRender", &T3DNonVisualViewer::BeforeRender, &T3DNonVisualViewer::SetBeforeRender);
    P.Property("PostRender", &T3DNonVisualViewer::PostRender, &T3DNonVisualViewer::SetPostRender);
    P.Property("AfterRender", &T3DNonVisualViewer::AfterRender, &T3DNonVisualViewer::SetAfterRender);
}

T3DNonVisualViewer::T3DNonVisualViewer(TComponent* AOwner)
    : TComponent(AOwner), FBuffer(std::make_unique<T3DSceneBuffer>(this))
{
    FBuffer->SetOnStructuralChange([this](TObject*) { FBuffer->DestroyContext(); });
}

T3DNonVisualViewer::~T3DNonVisualViewer() = default;

void T3DNonVisualViewer::SetBuffer(const T3DSceneBuffer* Value)
{
    FBuffer->Assign(Value);
}

T3DCamera* T3DNonVisualViewer::Camera() const
{
    return FBuffer->Camera();
}

void T3DNonVisualViewer::SetCamera(T3DCamera* Value)
{
    FBuffer->SetCamera(Value);
}

void T3DNonVisualViewer::SetWidth(int Value)
{
    FWidth = std::max(1, Value);
    FBuffer->DestroyContext();
}

void T3DNonVisualViewer::SetHeight(int Value)
{
    FHeight = std::max(1, Value);
    FBuffer->DestroyContext();
}

const TNotifyEvent& T3DNonVisualViewer::BeforeRender() const { return FBuffer->BeforeRender(); }
void T3DNonVisualViewer::SetBeforeRender(TNotifyEvent Value) { FBuffer->SetBeforeRender(std::move(Value)); }
const TNotifyEvent& T3DNonVisualViewer::PostRender() const { return FBuffer->PostRender(); }
void T3DNonVisualViewer::SetPostRender(TNotifyEvent Value) { FBuffer->SetPostRender(std::move(Value)); }
const TNotifyEvent& T3DNonVisualViewer::AfterRender() const { return FBuffer->AfterRender(); }
void T3DNonVisualViewer::SetAfterRender(TNotifyEvent Value) { FBuffer->SetAfterRender(std::move(Value)); }

void T3DNonVisualViewer::CopyToTexture(T3DTexture& Texture)
{
    CopyToTexture(Texture, 0, 0, FWidth, FHeight, 0, 0, GL_BACK);
}

void T3DNonVisualViewer::CopyToTexture(T3DTexture& Texture, int XSrc, int YSrc, int AWidth, int AHeight,
                                       int XDest, int YDest, GLenum ReadBuffer)
{
    if (!FBuffer->HasContext())
        return;
    const bool drawnInto = dynamic_cast<const T3DSizedImage*>(Texture.Image()) != nullptr;
    const TContextActivation active(*FBuffer->RenderingContext());
    GL.glReadBuffer(ReadBuffer);
    FBuffer->CopyFrameToTexture(Texture, XSrc, YSrc, AWidth, AHeight, XDest, YDest, CopyTarget(Texture), !drawnInto);
}

GLenum T3DNonVisualViewer::CopyTarget(const T3DTexture&) const
{
    return 0;
}
