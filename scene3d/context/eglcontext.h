#pragma once
// The rendering context of this platform: an EGL context of the desktop
// OpenGL compatibility profile. Its display is the application's X11
// display when Qt runs on xcb, else Mesa's surfaceless display; it draws
// into a window surface on an X11 window or into a pbuffer. Every context
// of a display shares its GL objects with the display's root context, so
// any two contexts of one display can join a sharing group whatever their
// formats. The class registers itself as the manager's context class.
#include <EGL/egl.h>

#include <memory>

#include "scene3d/context/context.h"

class T3DEGLContext final : public T3DContext {
public:
    explicit T3DEGLContext(std::shared_ptr<T3DContextManager> Manager);
    ~T3DEGLContext() override;

    bool HasNativeContext() const override { return FContext != EGL_NO_CONTEXT; }
    void PresentBuffers() override;
    TOutputDevice OutputDevice() const override { return FDevice; }

    EGLDisplay Display() const { return FDisplay; }
    // The config the context was made with: its "pixel format" is the
    // config's EGL_CONFIG_ID.
    EGLConfig Config() const { return FConfig; }
    // How many vertical retraces a presented frame waits for. EGL cannot
    // tell the interval in force, so this is the last one set (EGL's
    // default, 1, on a new surface).
    int SwapInterval() const { return FSwapInterval; }
    // For a window context, which must be current; raises E3DContext when
    // EGL refuses the interval.
    void SetSwapInterval(int Value);

protected:
    void ActivateNative() override;
    void DeactivateNative() override;
    void CreateNativeContext(TOutputDevice Device) override;
    void CreateNativeMemoryContext(TOutputDevice Device, int Width, int Height, int BufferCount) override;
    void ShareNativeLists(T3DContext& Other) override;
    void DestroyNativeContext() override;

private:
    EGLint CreateOnDisplay(EGLDisplay Display, EGLConfig Config, EGLSurface Surface);

    EGLDisplay FDisplay = EGL_NO_DISPLAY;
    EGLConfig FConfig = nullptr;
    EGLSurface FSurface = EGL_NO_SURFACE;
    EGLContext FContext = EGL_NO_CONTEXT;
    TOutputDevice FDevice = 0;
    bool FPbuffer = false;
    int FSwapInterval = 1;
};
