#include "scene3d/context/eglconfigchoice.h"

#include <EGL/eglext.h>

#include <cstring>
#include <vector>

namespace {

struct TColorSizes {
    EGLint Channel = 0;   // red and blue; 0 asks nothing
    EGLint Green = 0;
    bool Float = false;
};

TColorSizes ColorSizesFor(const T3DFormatRequest& Request)
{
    const int bits = Request.ColorBits;
    TColorSizes sizes;
    if (bits >= 128)
        sizes = {32, 32};
    else if (bits >= 64)
        sizes = {16, 16};
    else if (bits >= 24)
        sizes = {8, 8};
    else if (bits > 0)
        sizes = {5, 6};
    sizes.Float = Request.FloatComponents;
    return sizes;
}

bool DisplayHasExtension(EGLDisplay Display, const char* Name)
{
    const char* list = eglQueryString(Display, EGL_EXTENSIONS);
    if (!list)
        return false;
    const std::size_t length = std::strlen(Name);
    for (const char* at = std::strstr(list, Name); at; at = std::strstr(at + 1, Name))
        if ((at == list || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0'))
            return true;
    return false;
}

std::vector<EGLint> ConfigAttributes(const T3DFormatRequest& Request, const TColorSizes& Color)
{
    std::vector<EGLint> attributes = {
        EGL_SURFACE_TYPE, Request.Window ? EGL_WINDOW_BIT : EGL_PBUFFER_BIT,
        EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
        EGL_DEPTH_SIZE, Request.DepthBits,
        EGL_STENCIL_SIZE, Request.StencilBits,
        EGL_ALPHA_SIZE, Request.AlphaBits,
    };
    if (Color.Channel > 0)
        attributes.insert(attributes.end(), {EGL_RED_SIZE, Color.Channel, EGL_GREEN_SIZE, Color.Green,
                                             EGL_BLUE_SIZE, Color.Channel});
    if (Color.Float)
        attributes.insert(attributes.end(), {EGL_COLOR_COMPONENT_TYPE_EXT, EGL_COLOR_COMPONENT_TYPE_FLOAT_EXT});
    if (Request.Samples && *Request.Samples > 0)
        attributes.insert(attributes.end(), {EGL_SAMPLE_BUFFERS, 1, EGL_SAMPLES, *Request.Samples});
    if (Request.Accelerated)
        attributes.insert(attributes.end(), {EGL_CONFIG_CAVEAT, EGL_NONE});
    attributes.push_back(EGL_NONE);
    return attributes;
}

EGLint Attribute(EGLDisplay Display, EGLConfig Config, EGLint Name)
{
    EGLint value = 0;
    eglGetConfigAttrib(Display, Config, Name, &value);
    return value;
}

} // namespace

EGLConfig ChooseEGLConfig(EGLDisplay Display, const T3DFormatRequest& Request, EGLint Visual)
{
    const TColorSizes color = ColorSizesFor(Request);
    if (color.Float && !DisplayHasExtension(Display, "EGL_EXT_pixel_format_float"))
        return nullptr;
    const std::vector<EGLint> attributes = ConfigAttributes(Request, color);
    EGLint count = 0;
    if (!eglChooseConfig(Display, attributes.data(), nullptr, 0, &count) || count < 1)
        return nullptr;
    std::vector<EGLConfig> configs(static_cast<std::size_t>(count));
    if (!eglChooseConfig(Display, attributes.data(), configs.data(), count, &count))
        return nullptr;
    configs.resize(static_cast<std::size_t>(count));

    const bool anySamples = !Request.Samples.has_value();
    EGLConfig withSamples = nullptr;
    for (const EGLConfig config : configs) {
        if (color.Channel > 0 && (Attribute(Display, config, EGL_RED_SIZE) != color.Channel ||
                                  Attribute(Display, config, EGL_GREEN_SIZE) != color.Green ||
                                  Attribute(Display, config, EGL_BLUE_SIZE) != color.Channel))
            continue;
        if (Visual != 0 && Attribute(Display, config, EGL_NATIVE_VISUAL_ID) != Visual)
            continue;
        if (Request.Samples.value_or(0) > 0 || Attribute(Display, config, EGL_SAMPLE_BUFFERS) == 0)
            return config;
        if (anySamples && !withSamples)
            withSamples = config;
    }
    return withSamples;
}
