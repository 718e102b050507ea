#include "platform/gl/egldisplay.h"

#include <EGL/eglext.h>

#include <string_view>

#include "platform/gl/eglerror.h"

namespace {

bool ListHas(const char* List, std::string_view Name)
{
    if (!List)
        return false;
    std::string_view rest(List);
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

bool HasClientExtension(std::string_view Name)
{
    return ListHas(eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS), Name);
}

// The initialised display of a platform; PlatformName says which in errors.
EGLDisplay OpenPlatformDisplay(EGLenum Platform, void* NativeDisplay, const char* PlatformName)
{
    const auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!getPlatformDisplay)
        throw EEGLError("EGL lacks eglGetPlatformDisplayEXT");
    const EGLDisplay display = getPlatformDisplay(Platform, NativeDisplay, nullptr);
    if (display == EGL_NO_DISPLAY)
        RaiseLastEGLError(std::string("eglGetPlatformDisplayEXT(") + PlatformName + ")");
    if (!eglInitialize(display, nullptr, nullptr))
        RaiseLastEGLError("eglInitialize");
    return display;
}

EGLDisplay OpenSurfacelessDisplay()
{
    if (!HasClientExtension("EGL_MESA_platform_surfaceless"))
        throw EEGLError("EGL offers no surfaceless platform (EGL_MESA_platform_surfaceless)");
    return OpenPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, "EGL_PLATFORM_SURFACELESS_MESA");
}

} // namespace

EGLDisplay SurfacelessDisplay()
{
    static const EGLDisplay display = OpenSurfacelessDisplay();
    return display;
}

EGLDisplay X11EGLDisplay(void* XDisplay)
{
    if (!HasClientExtension("EGL_EXT_platform_x11"))
        throw EEGLError("EGL offers no X11 platform (EGL_EXT_platform_x11)");
    return OpenPlatformDisplay(EGL_PLATFORM_X11_EXT, XDisplay, "EGL_PLATFORM_X11_EXT");
}

EGLDisplay ApplicationEGLDisplay(void* XDisplay)
{
    return XDisplay ? X11EGLDisplay(XDisplay) : SurfacelessDisplay();
}

bool IsSoftwareDisplay(EGLDisplay Display)
{
    if (!ListHas(eglQueryString(Display, EGL_EXTENSIONS), "EGL_MESA_query_driver"))
        return false;
    const auto driverName = reinterpret_cast<PFNEGLGETDISPLAYDRIVERNAMEPROC>(
        eglGetProcAddress("eglGetDisplayDriverName"));
    const char* name = driverName ? driverName(Display) : nullptr;
    if (!name)
        return false;
    const std::string_view driver(name);
    return driver == "swrast" || driver == "kms_swrast";
}
