#include "scene3d/context/eglcontext.h"

#include <string>

#include "platform/gl/eglcompatcontext.h"
#include "platform/gl/egldisplay.h"
#include "platform/gl/eglerror.h"
#include "platform/gl/glloader.h"
#include "platform/gl/x11window.h"
#include "platform/rtl/format.h"
#include "platform/ui/x11display.h"
#include "scene3d/context/contextmanager.h"
#include "scene3d/context/eglconfigchoice.h"
#include "scene3d/context/formatrequest.h"
#include "scene3d/context/windowhook.h"
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/opengl/openglapi.h"

namespace {

const bool Registered = [] {
    RegisterContextClass([](std::shared_ptr<T3DContextManager> Manager) -> std::unique_ptr<T3DContext> {
        return std::make_unique<T3DEGLContext>(std::move(Manager));
    });
    return true;
}();

// The config id of the context activated last (0: none, or a context was
// created since), and the GL_VENDOR of the last full load of the binding.
EGLint LastConfigId = 0;
std::string LastVendor;

constexpr GLenum MultisampleFilterHint = 0x8534;

// A window context that cannot be had fails as the system would.
[[noreturn]] void RaiseSystemError(const std::string& Text)
{
    throw EOSError("OS Error : " + Text);
}

std::string LastEGLFailure(const char* Call)
{
    return std::string(Call) + " failed: " + EGLErrorText(eglGetError());
}

// OpenGL and GLU, loaded once for the process.
void LoadLibraries()
{
    if (!LoadGLLibraries())
        RaiseSystemError(std::string("cannot load ") + OpenGLLibraryName + " and " + GLULibraryName);
}

// The config for the request, relaxed as far as needed; nullptr when none.
EGLConfig ChooseConfig(EGLDisplay Display, const T3DFormatRequest& Request, EGLint Visual)
{
    EGLConfig config = nullptr;
    ChooseWithRelaxation(Request, [&](const T3DFormatRequest& asked) {
        config = ChooseEGLConfig(Display, asked, Visual);
        return config != nullptr;
    });
    return config;
}

T3DContextAcceleration AccelerationOf(EGLDisplay Display)
{
    return IsSoftwareDisplay(Display) ? T3DContextAcceleration::Software : T3DContextAcceleration::Hardware;
}

std::string GLText(GLenum Name)
{
    const GLubyte* text = GL.glGetString(Name);
    return text ? reinterpret_cast<const char*>(text) : "";
}

} // namespace

T3DEGLContext::T3DEGLContext(std::shared_ptr<T3DContextManager> Manager) : T3DContext(std::move(Manager)) {}

T3DEGLContext::~T3DEGLContext()
{
    DestroyContextOnFree();
}

void T3DEGLContext::CreateNativeContext(TOutputDevice Device)
{
    RegisterContextWindow(Device, this);
    try {
        LoadLibraries();
        void* connection = X11Display();
        if (!connection)
            RaiseSystemError("windows take OpenGL only on the X11 window system");
        const auto visual = static_cast<EGLint>(X11WindowVisual(connection, Device));
        if (visual == 0)
            RaiseSystemError(Format("0x%x is no X11 window", Device));
        const EGLDisplay display = X11EGLDisplay(connection);
        const EGLConfig config = ChooseConfig(display, FormatRequestFor(*this, true), visual);
        if (!config)
            RaiseSystemError("no EGL config for the window's visual and the format");
        const EGLint surfaceAttributes[] = {
            EGL_RENDER_BUFFER, Options().Contains(rcoDoubleBuffered) ? EGL_BACK_BUFFER : EGL_SINGLE_BUFFER,
            EGL_NONE,
        };
        const EGLSurface surface = eglCreateWindowSurface(display, config, Device, surfaceAttributes);
        if (surface == EGL_NO_SURFACE)
            RaiseSystemError(LastEGLFailure("eglCreateWindowSurface"));
        const EGLint error = CreateOnDisplay(display, config, surface);
        if (error != EGL_SUCCESS)
            RaiseSystemError("eglCreateContext failed: " + EGLErrorText(error));
    } catch (...) {
        UnregisterContextWindow(Device);
        throw;
    }
    FDevice = Device;
    FPbuffer = false;
}

void T3DEGLContext::CreateNativeMemoryContext(TOutputDevice, int Width, int Height, int BufferCount)
{
    LoadLibraries();
    // One colour buffer: EGL pbuffers have no auxiliary buffers to draw into.
    if (BufferCount > 1)
        throw Exception("Format not supported for pbuffer operation.");
    const EGLDisplay display = ApplicationEGLDisplay(X11Display());
    const EGLConfig config = ChooseConfig(display, FormatRequestFor(*this, false), 0);
    if (!config)
        throw Exception("Format not supported for pbuffer operation.");
    const EGLint size[] = {EGL_WIDTH, Width, EGL_HEIGHT, Height, EGL_NONE};
    const EGLSurface surface = eglCreatePbufferSurface(display, config, size);
    if (surface == EGL_NO_SURFACE)
        throw Exception("Unabled to create pbuffer.");
    if (CreateOnDisplay(display, config, surface) != EGL_SUCCESS)
        throw Exception("Unabled to create pbuffer's RC.");
    FDevice = 0;
    FPbuffer = true;
}

// Makes the context on the display, sharing with the display's root, and
// keeps it with the surface; on failure the surface is destroyed and EGL's
// error returned.
EGLint T3DEGLContext::CreateOnDisplay(EGLDisplay Display, EGLConfig Config, EGLSurface Surface)
{
    EGLContext context = EGL_NO_CONTEXT;
    try {
        context = CreateCompatibilityContext(Display, Config, SharingRootContext(Display));
    } catch (...) {
        eglDestroySurface(Display, Surface);
        throw;
    }
    if (context == EGL_NO_CONTEXT) {
        const EGLint error = eglGetError();
        eglDestroySurface(Display, Surface);
        return error;
    }
    FDisplay = Display;
    FConfig = Config;
    FSurface = Surface;
    FContext = context;
    FSwapInterval = 1;
    SetAcceleration(AccelerationOf(Display));
    LastConfigId = 0;
    return EGL_SUCCESS;
}

void T3DEGLContext::ActivateNative()
{
    if (!eglMakeCurrent(FDisplay, FSurface, FSurface, FContext)) {
        const EGLint error = eglGetError();
        const char* name = EGLErrorName(error);
        throw E3DContext(Format("Context activation failed: %X, %s", error, name ? name : "unknown EGL error"));
    }
    EGLint configId = 0;
    eglGetConfigAttrib(FDisplay, FConfig, EGL_CONFIG_ID, &configId);
    if (configId != LastConfigId) {
        const std::string vendor = GLText(GL_VENDOR);
        if (vendor != LastVendor) {
            LoadGLEntryPoints();
            LoadGLCapabilities();
            LastVendor = vendor;
        } else {
            LoadWGLCapabilities();
        }
        LastConfigId = configId;
    }
    if ((AntiAliasing() == aa2xHQ || AntiAliasing() == aa4xHQ) && GLCaps.ARB_multisample &&
        GLCaps.NV_multisample_filter_hint)
        GL.glHint(MultisampleFilterHint, GL_NICEST);
}

void T3DEGLContext::DeactivateNative()
{
    if (!eglMakeCurrent(FDisplay, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT))
        throw Exception("Context deactivation failed");
}

void T3DEGLContext::PresentBuffers()
{
    if (!FPbuffer && FDevice != 0 && Options().Contains(rcoDoubleBuffered))
        eglSwapBuffers(FDisplay, FSurface);
}

void T3DEGLContext::SetSwapInterval(int Value)
{
    if (!eglSwapInterval(FDisplay, Value))
        throw E3DContext(LastEGLFailure("eglSwapInterval"));
    FSwapInterval = Value;
}

void T3DEGLContext::ShareNativeLists(T3DContext& Other)
{
    // Contexts of one display share through its root context already.
    const auto* other = dynamic_cast<const T3DEGLContext*>(&Other);
    if (!other || other->FDisplay != FDisplay)
        throw Exception("Incompatible contexts");
}

void T3DEGLContext::DestroyNativeContext()
{
    if (!FPbuffer)
        UnregisterContextWindow(FDevice);
    const bool deleted = eglDestroyContext(FDisplay, FContext);
    eglDestroySurface(FDisplay, FSurface);
    FDisplay = EGL_NO_DISPLAY;
    FConfig = nullptr;
    FSurface = EGL_NO_SURFACE;
    FContext = EGL_NO_CONTEXT;
    FDevice = 0;
    if (!deleted)
        throw E3DContext("Delete context failed");
}
