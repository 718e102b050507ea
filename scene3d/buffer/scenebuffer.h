#pragma once
// The drawing surface of a viewer: the rendering context made from the
// buffer's format settings, the GL state every frame starts from
// (background, lighting, depth test, culling, fog, shading), the camera the
// scene is seen through, the frame statistics, and the passes that draw a
// frame or pick the objects in a rectangle. A buffer knows of its viewer
// only the two hooks: OnChange (repaint) and OnStructuralChange (make the
// context anew).
#include <GL/gl.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/graphics.h"
#include "scene3d/base/updateable.h"
#include "scene3d/buffer/bufferformat.h"
#include "scene3d/context/context.h"
#include "scene3d/render/rectangle.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/render/selectionnames.h"

class T3DBaseSceneObject;
class T3DCamera;
class T3DColor;
class T3DFogEnvironment;
class T3DPickList;
class T3DScene;
class T3DStateCache;
class T3DTexture;
class TComponent;

using TDirectRenderEvent = std::function<void(TObject* Sender, TRenderContextInfo& Rci)>;

// A rectangle of a viewport by its edges, in window pixels (y down).
struct TPickRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

class T3DSceneBuffer : public T3DUpdateAbleObject {
    LT_CLASS(T3DSceneBuffer)
public:
    explicit T3DSceneBuffer(TPersistent* AOwner);
    // Destroys the context.
    ~T3DSceneBuffer() override;

    // Settings.

    T3DFogEnvironment* FogEnvironment() const { return FFogEnvironment.get(); }
    void SetFogEnvironment(const T3DFogEnvironment* Value);
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value);
    float BackgroundAlpha() const { return FBackgroundAlpha; }
    T3DColor* AmbientColor() const { return FAmbientColor.get(); }
    void SetAmbientColor(const T3DColor* Value);
    TContextOptions ContextOptions() const { return FContextOptions; }
    void SetContextOptions(TContextOptions Value);
    int AccumBufferBits() const { return FAccumBufferBits; }
    void SetAccumBufferBits(int Value);
    bool DepthTest() const { return FDepthTest; }
    void SetDepthTest(bool Value);
    bool FaceCulling() const { return FFaceCulling; }
    void SetFaceCulling(bool Value);
    bool FogEnable() const { return FFogEnable; }
    void SetFogEnable(bool Value);
    bool Lighting() const { return FLighting; }
    void SetLighting(bool Value);
    T3DAntiAliasing AntiAliasing() const { return FAntiAliasing; }
    void SetAntiAliasing(T3DAntiAliasing Value);
    T3DDepthPrecision DepthPrecision() const { return FDepthPrecision; }
    void SetDepthPrecision(T3DDepthPrecision Value);
    T3DColorDepth ColorDepth() const { return FColorDepth; }
    void SetColorDepth(T3DColorDepth Value);
    T3DShadeModel ShadeModel() const { return FShadeModel; }
    void SetShadeModel(T3DShadeModel Value);

    // Events: OnChange (inherited) repaints; OnStructuralChange makes the
    // viewer recreate its window and so the context. BeforeRender,
    // PostRender and AfterRender are raised only for a buffer whose owner
    // is a component not being designed.
    const TNotifyEvent& OnStructuralChange() const { return FOnStructuralChange; }
    void SetOnStructuralChange(TNotifyEvent Value) { FOnStructuralChange = std::move(Value); }
    const TNotifyEvent& BeforeRender() const { return FBeforeRender; }
    void SetBeforeRender(TNotifyEvent Value) { FBeforeRender = std::move(Value); }
    const TNotifyEvent& PostRender() const { return FPostRender; }
    void SetPostRender(TNotifyEvent Value) { FPostRender = std::move(Value); }
    const TNotifyEvent& AfterRender() const { return FAfterRender; }
    void SetAfterRender(TNotifyEvent Value) { FAfterRender = std::move(Value); }
    const TDirectRenderEvent& InitiateRendering() const { return FInitiateRendering; }
    void SetInitiateRendering(TDirectRenderEvent Value) { FInitiateRendering = std::move(Value); }
    const TDirectRenderEvent& WrapUpRendering() const { return FWrapUpRendering; }
    void SetWrapUpRendering(TDirectRenderEvent Value) { FWrapUpRendering = std::move(Value); }
    // The viewer's set-up before each pass (vertical sync).
    void SetPreRenderHook(std::function<void()> Value) { FPreRenderHook = std::move(Value); }

    // The context.

    // Makes the context on the window Device, or with MemoryContext an
    // off-screen one of the viewport's size with BufferCount buffers.
    // "Failed to create RenderingContext." without a context class;
    // EOpenGLError "Need at least OpenGL version 1.1" on an older driver.
    void CreateContext(TOutputDevice Device, bool MemoryContext, int BufferCount);
    // Frees the context and leaves the camera's scene.
    void DestroyContext();
    bool HasContext() const { return FRenderingContext != nullptr; }
    T3DContext* RenderingContext() const { return FRenderingContext.get(); }
    T3DStateCache& StateCache() const { return *FStateCache; }

    // The viewport: at least 1 x 1.
    void Resize(int Width, int Height);
    void SetViewport(int X, int Y, int Width, int Height);
    const TRectangle& Viewport() const { return FViewport; }

    // The camera; one outside a scene is refused (the buffer then has none).
    T3DCamera* Camera() const { return FCamera; }
    void SetCamera(T3DCamera* Value);

    // Frames.

    // Draws one frame of the scene, or of BaseObject and what it holds;
    // nothing while rendering or picking, nor without a context.
    void RenderFrame(T3DBaseSceneObject* BaseObject = nullptr);
    // The projection and view through the camera for the viewport, and
    // the scene drawn from the object root or from BaseObject.
    void RenderPass(const TRectangle& Viewport, int DPI, TRenderMode DrawState, T3DBaseSceneObject* BaseObject);
    // Loads the projection (narrowed to PickRect when given) and the view.
    void ApplyProjectionAndView(const TRectangle& Viewport, int DPI, const TPickRect* PickRect);
    bool Rendering() const { return FRendering; }
    int RenderDPI() const { return FRenderDPI; }

    // What the last ApplyProjectionAndView set up.
    const TMatrix& ProjectionMatrix() const { return FProjectionMatrix; }
    const TMatrix& ViewMatrix() const { return FViewMatrix; }
    const TVector& CameraAbsolutePosition() const { return FCameraAbsolutePosition; }

    // Makes M the view matrix, keeping the old one on a stack.
    void PushModelViewMatrix(const TMatrix& M);
    // "Unbalanced PopModelViewMatrix" with the stack empty.
    void PopModelViewMatrix();

    // Statistics from the high-resolution counter (of the cadencer clock).
    int FrameCount() const { return FFrameCount; }
    float FramesPerSecond() const { return FFramesPerSecond; }
    int64_t FirstPerfCounter() const { return FFirstPerfCounter; }
    double LastFrameTime() const { return FLastFrameTime; }
    void ResetStatistics();

    // Binds Texture (as the cube map for a face Target; its own target for
    // Target 0) and copies the frame's area into it at (XDest, YDest); when
    // forced or while the texture's image is empty, the area becomes the
    // texture's whole image instead, mipmapped as its filter asks.
    void CopyFrameToTexture(T3DTexture& Texture, int X, int Y, int Width, int Height, int XDest, int YDest,
                            GLenum Target, bool ForceFullImage);

    // Picking.

    // Fills PickList with every object drawn in the rectangle, sorted by
    // the list's mode. Nothing without a camera; "Already rendering" while
    // a frame is drawn.
    void RenderSelectionForRect(const TPickRect& Rect, T3DPickList* PickList, int ObjectCountGuess);
    // A new list sorted by nearest depth (the caller frees it).
    std::unique_ptr<T3DPickList> PickListForRect(const TPickRect& Rect, int ObjectCountGuess);
    // The nearest object under the pixel, or nullptr.
    T3DBaseSceneObject* PickObjectAtPixel(int X, int Y);
    // The table naming the objects of the last pick pass.
    T3DSelectionNames& SelectionNames() { return FSelectionNames; }

    // The repaint request: OnChange, unless rendering.
    void NotifyChange(TObject* Sender) override;
    // OnStructuralChange.
    void NotifyContextRebuild();

private:
    class TCameraWatch;

    void SetupGLState();
    void ClearBuffers();
    // Forgets the camera and leaves the scene it is registered with; the
    // camera may be half freed (out of its scene already).
    void ForgetCamera();
    void LeaveScene();
    void RaiseRenderEvent(const TNotifyEvent& Event);
    template <class T>
    void StoreAndRepaint(T& Field, T Value);
    template <class T>
    void StoreAndRebuild(T& Field, T Value);

    std::unique_ptr<T3DFogEnvironment> FFogEnvironment;
    std::unique_ptr<T3DColor> FAmbientColor;
    std::unique_ptr<T3DStateCache> FStateCache;
    std::unique_ptr<T3DContext> FRenderingContext;
    std::unique_ptr<TCameraWatch> FCameraWatch;
    TColor FBackgroundColor = clBtnFace;
    float FBackgroundAlpha = 1;
    TContextOptions FContextOptions = {roDoubleBuffer, roRenderToWindow};
    int FAccumBufferBits = 0;
    bool FDepthTest = true;
    bool FFaceCulling = true;
    bool FFogEnable = false;
    bool FLighting = true;
    T3DAntiAliasing FAntiAliasing = aaDefault;
    T3DDepthPrecision FDepthPrecision = dpDefault;
    T3DColorDepth FColorDepth = cdDefault;
    T3DShadeModel FShadeModel = smDefault;

    TNotifyEvent FOnStructuralChange;
    TNotifyEvent FBeforeRender;
    TNotifyEvent FPostRender;
    TNotifyEvent FAfterRender;
    TDirectRenderEvent FInitiateRendering;
    TDirectRenderEvent FWrapUpRendering;
    std::function<void()> FPreRenderHook;

    T3DCamera* FCamera = nullptr;
    T3DScene* FRegisteredScene = nullptr;
    TRectangle FViewport = {0, 0, 1, 1};
    bool FRendering = false;
    int FRenderDPI = 96;
    int FFrameCount = 0;
    int64_t FFirstPerfCounter = 0;
    float FFramesPerSecond = 0;
    double FLastFrameTime = 0;
    std::vector<TMatrix> FModelViewStack;
    TMatrix FProjectionMatrix = IdentityHmgMatrix;
    TMatrix FViewMatrix = IdentityHmgMatrix;
    TVector FCameraAbsolutePosition = NullHmgPoint;
    T3DSelectionNames FSelectionNames;
};
