#include "scene3d/buffer/scenebuffer.h"

#include <GL/gl.h>

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/base/flagset.h"
#include "scene3d/base/storechange.h"
#include "scene3d/cadencer/cadencerclock.h"
#include "scene3d/context/contextactivation.h"
#include "scene3d/context/contextmanager.h"
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/opengl/glerrors.h"
#include "scene3d/opengl/multitexgl.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/materials/color.h"
#include "scene3d/scene/camera.h"
#include "scene3d/scene/fogenvironment.h"
#include "scene3d/scene/scene.h"
#include "scene3d/state/statecache.h"
#include "scene3d/utils/wincolors.h"

LT_IMPLEMENT_CLASS(T3DSceneBuffer, T3DUpdateAbleObject)
{
    P.Property("FogEnvironment", &T3DSceneBuffer::FogEnvironment)
        .StoredIf([](const TObject& buffer) {
            return !static_cast<const T3DSceneBuffer&>(buffer).FogEnvironment()->IsAtDefaults();
        });
    P.Property("BackgroundColor", &T3DSceneBuffer::BackgroundColor, &T3DSceneBuffer::SetBackgroundColor)
        .Default(clBtnFace)
        .Idents(ColorIdents());
    P.Property("AmbientColor", &T3DSceneBuffer::AmbientColor);
    P.Property("ContextOptions", &T3DSceneBuffer::ContextOptions, &T3DSceneBuffer::SetContextOptions)
        .Default(static_cast<int64_t>(TContextOptions{roDoubleBuffer, roRenderToWindow}.Bits()));
    P.Property("AccumBufferBits", &T3DSceneBuffer::AccumBufferBits, &T3DSceneBuffer::SetAccumBufferBits).Default(0);
    P.Property("DepthTest", &T3DSceneBuffer::DepthTest, &T3DSceneBuffer::SetDepthTest).Default(true);
    P.Property("FaceCulling", &T3DSceneBuffer::FaceCulling, &T3DSceneBuffer::SetFaceCulling).Default(true);
    P.Property("FogEnable", &T3DSceneBuffer::FogEnable, &T3DSceneBuffer::SetFogEnable).Default(false);
    P.Property("Lighting", &T3DSceneBuffer::Lighting, &T3DSceneBuffer::SetLighting).Default(true);
    P.Property("AntiAliasing", &T3DSceneBuffer::AntiAliasing, &T3DSceneBuffer::SetAntiAliasing).Default(aaDefault);
    P.Property("DepthPrecision", &T3DSceneBuffer::DepthPrecision, &T3DSceneBuffer::SetDepthPrecision)
        .Default(dpDefault);
    P.Property("ColorDepth", &T3DSceneBuffer::ColorDepth, &T3DSceneBuffer::SetColorDepth).Default(cdDefault);
    P.Property("ShadeModel", &T3DSceneBuffer::ShadeModel, &T3DSceneBuffer::SetShadeModel).Default(smDefault);
}

// Hears of the camera's freeing, which the buffer (not a component) cannot.
class T3DSceneBuffer::TCameraWatch : public TComponent {
public:
    explicit TCameraWatch(T3DSceneBuffer& Buffer) : TComponent(nullptr), FBuffer(Buffer) {}

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        if (Operation == opRemove && AComponent == FBuffer.FCamera)
            FBuffer.ForgetCamera();
        TComponent::Notification(AComponent, Operation);
    }

private:
    T3DSceneBuffer& FBuffer;
};

namespace {

TMatrix CurrentMatrix(GLenum Name)
{
    TMatrix matrix;
    GL.glGetFloatv(Name, &matrix[0].X);
    return matrix;
}

// In the cache and in GL itself, whatever the cache believed.
void SetCapability(T3DStateCache& Cache, TCachedCapability State, bool On)
{
    if (On) {
        Cache.Enable(State);
        GL.glEnable(CapabilityOf(State));
    } else {
        Cache.Disable(State);
        GL.glDisable(CapabilityOf(State));
    }
}

} // namespace

T3DSceneBuffer::T3DSceneBuffer(TPersistent* AOwner)
    : T3DUpdateAbleObject(AOwner),
      FFogEnvironment(std::make_unique<T3DFogEnvironment>(this)),
      FAmbientColor(std::make_unique<T3DColor>(this, TVector{0.2f, 0.2f, 0.2f, 1}, TNotifyEvent{})),
      FStateCache(std::make_unique<T3DStateCache>()),
      FCameraWatch(std::make_unique<TCameraWatch>(*this))
{
    ResetStatistics();
}

T3DSceneBuffer::~T3DSceneBuffer()
{
    DestroyContext();
    SetCamera(nullptr);
}

void T3DSceneBuffer::SetFogEnvironment(const T3DFogEnvironment* Value)
{
    FFogEnvironment->Assign(Value);
    NotifyChange(this);
}

void T3DSceneBuffer::SetAmbientColor(const T3DColor* Value)
{
    FAmbientColor->Assign(Value);
}

template <class T>
void T3DSceneBuffer::StoreAndRepaint(T& Field, T Value)
{
    if (StoreChange(Field, Value))
        NotifyChange(this);
}

template <class T>
void T3DSceneBuffer::StoreAndRebuild(T& Field, T Value)
{
    if (StoreChange(Field, Value))
        NotifyContextRebuild();
}

void T3DSceneBuffer::SetBackgroundColor(TColor Value) { StoreAndRepaint(FBackgroundColor, Value); }
void T3DSceneBuffer::SetDepthTest(bool Value) { StoreAndRepaint(FDepthTest, Value); }
void T3DSceneBuffer::SetFaceCulling(bool Value) { StoreAndRepaint(FFaceCulling, Value); }
void T3DSceneBuffer::SetFogEnable(bool Value) { StoreAndRepaint(FFogEnable, Value); }
void T3DSceneBuffer::SetLighting(bool Value) { StoreAndRepaint(FLighting, Value); }
void T3DSceneBuffer::SetShadeModel(T3DShadeModel Value) { StoreAndRepaint(FShadeModel, Value); }
void T3DSceneBuffer::SetContextOptions(TContextOptions Value) { StoreAndRebuild(FContextOptions, Value); }
void T3DSceneBuffer::SetAccumBufferBits(int Value) { StoreAndRebuild(FAccumBufferBits, Value); }
void T3DSceneBuffer::SetAntiAliasing(T3DAntiAliasing Value) { StoreAndRebuild(FAntiAliasing, Value); }
void T3DSceneBuffer::SetDepthPrecision(T3DDepthPrecision Value) { StoreAndRebuild(FDepthPrecision, Value); }
void T3DSceneBuffer::SetColorDepth(T3DColorDepth Value) { StoreAndRebuild(FColorDepth, Value); }

void T3DSceneBuffer::NotifyChange(TObject*)
{
    if (!FRendering && OnChange())
        OnChange()(this);
}

void T3DSceneBuffer::NotifyContextRebuild()
{
    if (FOnStructuralChange)
        FOnStructuralChange(this);
}

void T3DSceneBuffer::CreateContext(TOutputDevice Device, bool MemoryContext, int BufferCount)
{
    DestroyContext();
    const TFlagSet rendering(FRendering);
    T3DContextManager* manager = ContextManager();
    std::unique_ptr<T3DContext> context = manager ? manager->CreateContext() : nullptr;
    if (!context)
        throw E3DContext("Failed to create RenderingContext.");
    context->SetColorBits(ColorBitsFor(FColorDepth, FContextOptions));
    T3DContextOptions options;
    if (FContextOptions.Contains(roDoubleBuffer))
        options.Include(rcoDoubleBuffered);
    if (FContextOptions.Contains(roStereo))
        options.Include(rcoStereo);
    context->SetOptions(options);
    context->SetDepthBits(DepthBitsFor(FDepthPrecision));
    context->SetStencilBits(FContextOptions.Contains(roStencilBuffer) ? 8 : 0);
    context->SetAlphaBits(FContextOptions.Contains(roDestinationAlpha) ? 8 : 0);
    context->SetAccumBits(FAccumBufferBits);
    context->SetAuxBuffers(0);
    context->SetAntiAliasing(FAntiAliasing);
    if (MemoryContext)
        context->CreateMemoryContext(Device, FViewport.Width, FViewport.Height, BufferCount);
    else
        context->CreateContext(Device);
    {
        const TContextActivation active(*context);
        if (!GLCaps.Version1_1)
            throw EOpenGLError("Need at least OpenGL version 1.1");
        GL.glViewport(0, 0, FViewport.Width, FViewport.Height);
        FStateCache = std::make_unique<T3DStateCache>();
        SetupGLState();
        TVector background;
        WinColorToVector(FBackgroundColor, background, 1);
        GL.glClearColor(background.X, background.Y, background.Z, 1);
    }
    FRenderingContext = std::move(context);
}

void T3DSceneBuffer::DestroyContext()
{
    if (!FRenderingContext)
        return;
    FRenderingContext.reset();
    LeaveScene();
}

void T3DSceneBuffer::LeaveScene()
{
    if (FRegisteredScene)
        FRegisteredScene->RemoveBuffer(this);
    FRegisteredScene = nullptr;
}

void T3DSceneBuffer::Resize(int Width, int Height)
{
    FViewport.Width = std::max(1, Width);
    FViewport.Height = std::max(1, Height);
    if (FRenderingContext) {
        const TContextActivation active(*FRenderingContext);
        GL.glViewport(0, 0, FViewport.Width, FViewport.Height);
    }
}

void T3DSceneBuffer::SetViewport(int X, int Y, int Width, int Height)
{
    FViewport = {X, Y, std::max(1, Width), std::max(1, Height)};
    NotifyChange(this);
}

void T3DSceneBuffer::SetCamera(T3DCamera* Value)
{
    if (Value == FCamera)
        return;
    if (FCamera)
        ForgetCamera();
    if (Value && Value->Scene()) {
        FCamera = Value;
        FCameraWatch->FreeNotification(FCamera);
        FCamera->PlacementChanged();
    }
    NotifyChange(this);
}

void T3DSceneBuffer::ForgetCamera()
{
    LeaveScene();
    FCameraWatch->RemoveFreeNotification(FCamera);
    FCamera = nullptr;
}

void T3DSceneBuffer::SetupGLState()
{
    GL.glLightModelfv(GL_LIGHT_MODEL_AMBIENT, &FAmbientColor->Color().X);
    GL.glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, FContextOptions.Contains(roTwoSideLighting) ? GL_TRUE : GL_FALSE);
    T3DStateCache& cache = *FStateCache;
    SetCapability(cache, ccNormalize, true);
    SetCapability(cache, ccDepthTest, FDepthTest);
    SetCapability(cache, ccCullFace, FFaceCulling);
    SetCapability(cache, ccLighting, FLighting);
    SetCapability(cache, ccFog, FFogEnable);
    GLint redBits = 0;
    GL.glGetIntegerv(GL_RED_BITS, &redBits);
    SetCapability(cache, ccDither, redBits < 8);
    GL.glDepthFunc(GL_LESS);
    GL.glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    GL.glShadeModel(FShadeModel == smFlat ? GL_FLAT : GL_SMOOTH);
}

void T3DSceneBuffer::ClearBuffers()
{
    GLbitfield bits = 0;
    if (!FContextOptions.Contains(roNoColorBuffer) && !FContextOptions.Contains(roNoColorBufferClear))
        bits |= GL_COLOR_BUFFER_BIT;
    if (!FContextOptions.Contains(roNoDepthBufferClear))
        bits |= GL_DEPTH_BUFFER_BIT;
    if (FContextOptions.Contains(roStencilBuffer))
        bits |= GL_STENCIL_BUFFER_BIT;
    if (bits)
        GL.glClear(bits);
}

void T3DSceneBuffer::RaiseRenderEvent(const TNotifyEvent& Event)
{
    const auto* owner = dynamic_cast<const TComponent*>(Owner());
    if (Event && owner && !owner->ComponentState().Contains(csDesigning))
        Event(this);
}

void T3DSceneBuffer::RenderFrame(T3DBaseSceneObject* BaseObject)
{
    if (FRendering || !FRenderingContext)
        return;
    TVector background;
    WinColorToVector(FBackgroundColor, background, FBackgroundAlpha);
    T3DCadencerClock& clock = CurrentCadencerClock();
    const int64_t start = clock.Counter();
    if (FCamera && FCamera->Scene()) {
        FCamera->AbsoluteMatrix();
        FRegisteredScene = FCamera->Scene();
        FRegisteredScene->AddBuffer(this);
    }
    {
        const TFlagSet rendering(FRendering);
        const TContextActivation active(*FRenderingContext);
        if (FFrameCount == 0)
            FFirstPerfCounter = clock.Counter();
        FRenderDPI = 96;
        DiscardGLErrors();
        SetupGLState();
        GL.glClearColor(background.X, background.Y, background.Z, background.W);
        ClearBuffers();
        RaiseGLErrors();
        RenderPass(FViewport, FRenderDPI, rmRendering, BaseObject);
        RaiseGLErrors();
        if (!FContextOptions.Contains(roNoSwapBuffers))
            FRenderingContext->PresentBuffers();
        ++FFrameCount;
        const int64_t end = clock.Counter();
        const int64_t frequency = clock.Frequency();
        if (frequency > 0)
            FLastFrameTime = static_cast<double>(end - start) / static_cast<double>(frequency);
        if (end != FFirstPerfCounter)
            FFramesPerSecond = static_cast<float>(static_cast<int64_t>(FFrameCount) * frequency /
                                                  (end - FFirstPerfCounter));
        RaiseGLErrors();
    }
    RaiseRenderEvent(FAfterRender);
}

void T3DSceneBuffer::RenderPass(const TRectangle& Viewport, int DPI, TRenderMode DrawState,
                                T3DBaseSceneObject* BaseObject)
{
    ApplyProjectionAndView(Viewport, DPI, nullptr);
    SetTexCoordNull();
    SetTexCoordMain();
    if (FPreRenderHook)
        FPreRenderHook();
    RaiseRenderEvent(FBeforeRender);
    if (FCamera && FCamera->Scene()) {
        T3DScene* scene = FCamera->Scene();
        GLint maxLights = 0;
        GL.glGetIntegerv(GL_MAX_LIGHTS, &maxLights);
        scene->SetupLights(maxLights);
        if (FFogEnable) {
            FStateCache->Enable(ccFog);
            FFogEnvironment->ApplyFog();
        } else {
            FStateCache->Disable(ccFog);
        }
        scene->RenderScene(this, Viewport.Width, Viewport.Height, DrawState, BaseObject);
    }
    RaiseRenderEvent(FPostRender);
    EngineAssert(FModelViewStack.empty(), "Unbalance Push/PopModelViewMatrix.");
}

void T3DSceneBuffer::ApplyProjectionAndView(const TRectangle& Viewport, int DPI, const TPickRect* PickRect)
{
    GL.glMatrixMode(GL_PROJECTION);
    GL.glLoadIdentity();
    if (PickRect) {
        GLint viewport[4] = {Viewport.Left, Viewport.Top, Viewport.Width, Viewport.Height};
        GL.gluPickMatrix((PickRect->Left + PickRect->Right) / 2,
                         Viewport.Height - (PickRect->Top + PickRect->Bottom) / 2,
                         std::abs(PickRect->Right - PickRect->Left), std::abs(PickRect->Bottom - PickRect->Top),
                         viewport);
    }
    FProjectionMatrix = CurrentMatrix(GL_PROJECTION_MATRIX);
    if (FCamera) {
        FCamera->ApplyPerspective(Viewport, Viewport.Width, Viewport.Height, DPI);
        FProjectionMatrix = CurrentMatrix(GL_PROJECTION_MATRIX);
    }
    GL.glMatrixMode(GL_MODELVIEW);
    GL.glLoadIdentity();
    if (FCamera) {
        if (FCamera->Scene())
            FCamera->Scene()->SetCurrentCamera(FCamera);
        FCamera->ApplyView();
        FCameraAbsolutePosition = FCamera->AbsolutePosition();
    }
    FViewMatrix = CurrentMatrix(GL_MODELVIEW_MATRIX);
}

void T3DSceneBuffer::PushModelViewMatrix(const TMatrix& M)
{
    FModelViewStack.push_back(FViewMatrix);
    FViewMatrix = M;
}

void T3DSceneBuffer::PopModelViewMatrix()
{
    EngineAssert(!FModelViewStack.empty(), "Unbalanced PopModelViewMatrix");
    FViewMatrix = FModelViewStack.back();
    FModelViewStack.pop_back();
}

void T3DSceneBuffer::ResetStatistics()
{
    FFramesPerSecond = 0;
    FFrameCount = 0;
    FFirstPerfCounter = 0;
}
