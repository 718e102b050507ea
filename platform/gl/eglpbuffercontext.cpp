#include "platform/gl/eglpbuffercontext.h"

#include "platform/gl/eglcompatcontext.h"
#include "platform/gl/egldisplay.h"
#include "platform/gl/eglerror.h"

namespace {

EGLConfig ChoosePbufferConfig(EGLDisplay Display)
{
    const EGLint attributes[] = {
        EGL_SURFACE_TYPE, EGL_PBUFFER_BIT,
        EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
        EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8, EGL_ALPHA_SIZE, 8,
        EGL_DEPTH_SIZE, 24, EGL_STENCIL_SIZE, 8,
        EGL_NONE,
    };
    EGLConfig config = nullptr;
    EGLint count = 0;
    if (!eglChooseConfig(Display, attributes, &config, 1, &count))
        RaiseLastEGLError("eglChooseConfig");
    if (count < 1)
        throw EEGLError("EGL has no config for an OpenGL pbuffer with depth and stencil");
    return config;
}

} // namespace

TEGLPbufferContext::TEGLPbufferContext(int Width, int Height) : FDisplay(SurfacelessDisplay())
{
    const EGLConfig config = ChoosePbufferConfig(FDisplay);
    const EGLint size[] = {EGL_WIDTH, Width, EGL_HEIGHT, Height, EGL_NONE};
    FSurface = eglCreatePbufferSurface(FDisplay, config, size);
    if (FSurface == EGL_NO_SURFACE)
        RaiseLastEGLError("eglCreatePbufferSurface");
    FContext = CreateCompatibilityContext(FDisplay, config, EGL_NO_CONTEXT);
    if (FContext == EGL_NO_CONTEXT) {
        const EGLint error = eglGetError();
        eglDestroySurface(FDisplay, FSurface);
        throw EEGLError("eglCreateContext (OpenGL compatibility profile) failed: " + EGLErrorText(error));
    }
}

TEGLPbufferContext::~TEGLPbufferContext()
{
    Release();
    eglDestroyContext(FDisplay, FContext);
    eglDestroySurface(FDisplay, FSurface);
}

void TEGLPbufferContext::MakeCurrent()
{
    if (!eglMakeCurrent(FDisplay, FSurface, FSurface, FContext))
        RaiseLastEGLError("eglMakeCurrent");
}

void TEGLPbufferContext::Release()
{
    if (eglGetCurrentContext() == FContext)
        eglMakeCurrent(FDisplay, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
}
