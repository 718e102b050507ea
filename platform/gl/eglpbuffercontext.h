#pragma once
// An off-screen OpenGL context: a pbuffer on the surfaceless display with
// 8-bit red, green, blue and alpha, a 24-bit depth and an 8-bit stencil
// buffer, and a desktop OpenGL compatibility-profile context drawing into it.
#include <EGL/egl.h>

class TEGLPbufferContext {
public:
    // Raises EEGLError when the display, a config, the pbuffer or the
    // context cannot be had.
    TEGLPbufferContext(int Width, int Height);
    TEGLPbufferContext(const TEGLPbufferContext&) = delete;
    TEGLPbufferContext& operator=(const TEGLPbufferContext&) = delete;
    ~TEGLPbufferContext();

    // Makes the context current on the calling thread, drawing into the
    // pbuffer; raises EEGLError on failure.
    void MakeCurrent();
    // Leaves the calling thread without a current context when this one is
    // current there.
    void Release();

    EGLDisplay Display() const { return FDisplay; }
    EGLContext Context() const { return FContext; }
    EGLSurface Surface() const { return FSurface; }

private:
    EGLDisplay FDisplay;
    EGLSurface FSurface = EGL_NO_SURFACE;
    EGLContext FContext = EGL_NO_CONTEXT;
};
