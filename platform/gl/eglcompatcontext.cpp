#include "platform/gl/eglcompatcontext.h"

#include <EGL/eglext.h>

#include <map>
#include <mutex>

#include "platform/gl/eglerror.h"

EGLContext CreateCompatibilityContext(EGLDisplay Display, EGLConfig Config, EGLContext Share)
{
    const EGLint profile[] = {
        EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT,
        EGL_NONE,
    };
    if (!eglBindAPI(EGL_OPENGL_API))
        return EGL_NO_CONTEXT;
    return eglCreateContext(Display, Config, Share, profile);
}

EGLContext SharingRootContext(EGLDisplay Display)
{
    static std::mutex lock;
    static std::map<EGLDisplay, EGLContext> roots;
    const std::lock_guard guard(lock);
    EGLContext& root = roots[Display];
    if (root == EGL_NO_CONTEXT) {
        root = CreateCompatibilityContext(Display, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT);
        if (root == EGL_NO_CONTEXT)
            RaiseLastEGLError("eglCreateContext (sharing root without a config)");
    }
    return root;
}
