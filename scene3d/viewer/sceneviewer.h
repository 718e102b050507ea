#pragma once
// The window control that shows a scene: it owns a scene buffer whose
// context draws into the control's X window, renders a frame on every
// paint, resizes the buffer with the window and repaints whenever the
// buffer reports a change. Without OpenGL (the libraries missing, or Qt on
// a platform other than X11) it is an ordinary empty control.
#include "platform/rtl/rects.h"
#include "platform/ui/nativewindowcontrol.h"

class T3DCamera;
class T3DSceneBuffer;

enum TVSyncMode { vsmSync, vsmNoSync };
LT_ENUM_INFO(TVSyncMode, vsmSync, vsmNoSync)

class T3DSceneViewer : public TNativeWindowControl {
    LT_CLASS(T3DSceneViewer)
public:
    explicit T3DSceneViewer(TComponent* AOwner);
    // Frees the buffer (and its context) before the window.
    ~T3DSceneViewer() override;

    T3DSceneBuffer* Buffer() const { return FBuffer.get(); }
    // Buffers take no assignment: raises the platform's assignment error.
    void SetBuffer(const T3DSceneBuffer* Value);
    // The buffer's camera.
    T3DCamera* Camera() const;
    void SetCamera(T3DCamera* Value);
    // Whether frames wait for the vertical retrace (the swap interval,
    // set before the frame when it differs).
    TVSyncMode VSync() const { return FVSync; }
    void SetVSync(TVSyncMode Value) { FVSync = Value; }
    // The camera's angle of view over the smaller of width and height, in
    // degrees; 0 without a camera, whose setter then does nothing.
    float FieldOfView() const;
    void SetFieldOfView(float Value);
    // The buffer's render events.
    const TNotifyEvent& BeforeRender() const;
    void SetBeforeRender(TNotifyEvent Value);
    const TNotifyEvent& PostRender() const;
    void SetPostRender(TNotifyEvent Value);
    const TNotifyEvent& AfterRender() const;
    void SetAfterRender(TNotifyEvent Value);

    // Decided once, at construction.
    bool OpenGLAvailable() const { return FOpenGLAvailable; }

    void Dispatch(TMessage& Message) override;

protected:
    // The buffer makes its context on the new window.
    void CreateWnd() override;
    // The buffer destroys its context.
    void DestroyWnd() override;
    // Makes the window (and so the context) at once.
    void Loaded() override;

private:
    // The paint: a size message first when the control has moved on the
    // screen since the last paint (the surface follows the window), then
    // one frame.
    void Paint();
    // A structural setting changed: a new context with the new format on
    // the same window.
    void RemakeContext();
    void SetupVSync();

    bool FOpenGLAvailable = false;
    std::unique_ptr<T3DSceneBuffer> FBuffer;
    TVSyncMode FVSync = vsmNoSync;
    // Where the client area's origin was on the screen at the last paint.
    TPoint FLastOrigin = {-1, -1};
};
