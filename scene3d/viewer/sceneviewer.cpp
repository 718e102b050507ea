#include "scene3d/viewer/sceneviewer.h"

#include <algorithm>

#include "platform/rtl/classbuilder.h"
#include "platform/ui/widgetbridge.h"
#include "platform/ui/x11display.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/buffer/scenebuffer.h"
#include "scene3d/context/eglcontext.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/scene/camera.h"

LT_IMPLEMENT_CLASS(T3DSceneViewer, TNativeWindowControl)
{
    P.Property("Camera", &T3DSceneViewer::Camera, &T3DSceneViewer::SetCamera);
    P.Property("Buffer", &T3DSceneViewer::Buffer);
    P.Property("VSync", &T3DSceneViewer::VSync, &T3DSceneViewer::SetVSync).Default(vsmNoSync);
    P.Property("FieldOfView", &T3DSceneViewer::FieldOfView, &T3DSceneViewer::SetFieldOfView);
    P.Property("BeforeRender", &T3DSceneViewer::BeforeRender, &T3DSceneViewer::SetBeforeRender);
    P.Property("PostRender", &T3DSceneViewer::PostRender, &T3DSceneViewer::SetPostRender);
    P.Property("AfterRender", &T3DSceneViewer::AfterRender, &T3DSceneViewer::SetAfterRender);
}

T3DSceneViewer::T3DSceneViewer(TComponent* AOwner)
    : TNativeWindowControl(AOwner), FOpenGLAvailable(X11Display() && LoadGLLibraries())
{
    SetControlStyle({csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks});
    SetBounds(Left(), Top(), 100, 100);
    FBuffer = std::make_unique<T3DSceneBuffer>(this);
    FBuffer->SetPreRenderHook([this] { SetupVSync(); });
    FBuffer->SetOnChange([this](TObject*) {
        if (!FBuffer->Rendering())
            Invalidate();
    });
    FBuffer->SetOnStructuralChange([this](TObject*) { RemakeContext(); });
}

T3DSceneViewer::~T3DSceneViewer()
{
    FBuffer.reset();
}

void T3DSceneViewer::SetBuffer(const T3DSceneBuffer* Value)
{
    FBuffer->Assign(Value);
}

T3DCamera* T3DSceneViewer::Camera() const
{
    return FBuffer->Camera();
}

void T3DSceneViewer::SetCamera(T3DCamera* Value)
{
    FBuffer->SetCamera(Value);
}

float T3DSceneViewer::FieldOfView() const
{
    if (!Camera())
        return 0;
    return Camera()->GetFieldOfView(static_cast<float>(std::min(Width(), Height())));
}

void T3DSceneViewer::SetFieldOfView(float Value)
{
    if (Camera())
        Camera()->SetFieldOfView(static_cast<float>(std::min(Width(), Height())), Value);
}

const TNotifyEvent& T3DSceneViewer::BeforeRender() const { return FBuffer->BeforeRender(); }
void T3DSceneViewer::SetBeforeRender(TNotifyEvent Value) { FBuffer->SetBeforeRender(std::move(Value)); }
const TNotifyEvent& T3DSceneViewer::PostRender() const { return FBuffer->PostRender(); }
void T3DSceneViewer::SetPostRender(TNotifyEvent Value) { FBuffer->SetPostRender(std::move(Value)); }
const TNotifyEvent& T3DSceneViewer::AfterRender() const { return FBuffer->AfterRender(); }
void T3DSceneViewer::SetAfterRender(TNotifyEvent Value) { FBuffer->SetAfterRender(std::move(Value)); }

void T3DSceneViewer::CreateWnd()
{
    TNativeWindowControl::CreateWnd();
    if (!FOpenGLAvailable)
        return;
    FBuffer->Resize(Width(), Height());
    FBuffer->CreateContext(Handle(), false, 1);
}

void T3DSceneViewer::DestroyWnd()
{
    FBuffer->DestroyContext();
    TNativeWindowControl::DestroyWnd();
}

void T3DSceneViewer::Loaded()
{
    TNativeWindowControl::Loaded();
    Handle();
}

// Recreating the window would leave the old one to be deleted later, with
// the new context's surface on it; the surface is made anew on the same
// window instead (every config of the display shares the window's visual).
void T3DSceneViewer::RemakeContext()
{
    if (!FOpenGLAvailable || !HandleAllocated())
        return;
    FBuffer->DestroyContext();
    FBuffer->CreateContext(Handle(), false, 1);
    Invalidate();
}

void T3DSceneViewer::SetupVSync()
{
    auto* context = dynamic_cast<T3DEGLContext*>(FBuffer->RenderingContext());
    if (!context || context->OutputDevice() == 0)
        return;
    int interval = 0;
    switch (FVSync) {
    case vsmSync: interval = 1; break;
    case vsmNoSync: interval = 0; break;
    default: EngineAssert(false);
    }
    if (context->SwapInterval() != interval)
        context->SetSwapInterval(interval);
}

void T3DSceneViewer::Paint()
{
    const TPoint origin = ClientToScreen({0, 0});
    if (!(origin == FLastOrigin) && FBuffer->HasContext())
        PostMessage(this, WM_SIZE, 0, MakeLParam(Width(), Height()));
    FLastOrigin = origin;
    if (FOpenGLAvailable && Width() > 0 && Height() > 0)
        FBuffer->RenderFrame();
}

void T3DSceneViewer::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PAINT:
        Message.Result = 0;
        Paint();
        break;
    case WM_SIZE:
        TNativeWindowControl::Dispatch(Message);
        FBuffer->Resize(LoWord(static_cast<uintptr_t>(Message.LParam)), HiWord(static_cast<uintptr_t>(Message.LParam)));
        break;
    default:
        TNativeWindowControl::Dispatch(Message);
    }
}
