#include "platform/gl/egldisplay.h"

#include <EGL/eglext.h>

#include <string_view>

#include "platform/gl/eglerror.h"

namespace {

bool HasClientExtension(std::string_view Name)
{
    const char* list = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    if (!list)
        return false;
    std::string_view rest(list);
    while (!rest.empty()) {
        const std::size_t blank = rest.find(' ');
        if (rest.substr(0, blank) == Name)
            return true;
        if (blank == std::string_view::npos)
            break;
        rest.remove_prefix(blank + 1);
    }
    return false;
}

EGLDisplay OpenSurfacelessDisplay()
{
    if (!HasClientExtension("EGL_MESA_platform_surfaceless"))
        throw EEGLError("EGL offers no surfaceless platform (EGL_MESA_platform_surfaceless)");
    const auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!getPlatformDisplay)
        throw EEGLError("EGL lacks eglGetPlatformDisplayEXT");
    const EGLDisplay display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display == EGL_NO_DISPLAY)
        RaiseLastEGLError("eglGetPlatformDisplayEXT(EGL_PLATFORM_SURFACELESS_MESA)");
    if (!eglInitialize(display, nullptr, nullptr))
        RaiseLastEGLError("eglInitialize");
    return display;
}

} // namespace

EGLDisplay SurfacelessDisplay()
{
    static const EGLDisplay display = OpenSurfacelessDisplay();
    return display;
}
