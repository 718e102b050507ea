#include "scene3d/opengl/glcapabilities.h"

#include <cctype>
#include <charconv>
#include <string>

#include "scene3d/opengl/openglapi.h"

TOpenGLCapabilities GLCaps;

namespace {

bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Version x.y is there when the implementation's version is at least that.
bool AtLeast(const TOpenGLVersion& Version, int Minor)
{
    return Version.Major > 1 || (Version.Major == 1 && Version.Minor >= Minor);
}

std::string_view Text(const GLubyte* Text)
{
    return Text ? reinterpret_cast<const char*>(Text) : "";
}

} // namespace

TOpenGLVersion ParseVersionString(std::string_view Text)
{
    const std::size_t point = Text.find('.');
    if (point == std::string_view::npos || point == 0 || point + 1 >= Text.size() || !IsDigit(Text[point - 1]) ||
        !IsDigit(Text[point + 1]))
        return {};
    std::size_t first = point - 1;
    while (first > 0 && IsDigit(Text[first - 1]))
        --first;
    std::size_t last = point + 1;
    while (last < Text.size() && IsDigit(Text[last]))
        ++last;
    TOpenGLVersion version;
    const auto major = std::from_chars(Text.data() + first, Text.data() + point, version.Major);
    const auto minor = std::from_chars(Text.data() + point + 1, Text.data() + last, version.Minor);
    if (major.ec != std::errc() || minor.ec != std::errc())
        return {};
    return version;
}

bool ExtensionListHas(std::string_view List, std::string_view Name)
{
    if (Name.empty())
        return false;
    const std::string padded = " " + std::string(List) + " ";
    for (std::size_t at = padded.find(Name); at != std::string::npos; at = padded.find(Name, at + 1)) {
        const std::size_t end = at + Name.size();
        if (end == padded.size() || padded[end] == ' ')
            return true;
    }
    return false;
}

TOpenGLCapabilities CapabilitiesFor(std::string_view GLVersion, std::string_view GLExtensions,
                                std::string_view GLUVersion, std::string_view GLUExtensions)
{
    TOpenGLCapabilities caps;
    const TOpenGLVersion gl = ParseVersionString(GLVersion);
    caps.Version1_1 = AtLeast(gl, 1);
    caps.Version1_2 = AtLeast(gl, 2);
    caps.Version1_3 = AtLeast(gl, 3);
    caps.Version1_4 = AtLeast(gl, 4);
    caps.Version1_5 = AtLeast(gl, 5);
    const TOpenGLVersion glu = ParseVersionString(GLUVersion);
    caps.GLUVersion1_1 = AtLeast(glu, 1);
    caps.GLUVersion1_2 = AtLeast(glu, 2);
    caps.GLUVersion1_3 = AtLeast(glu, 3);
#define LT_READ_GL_FLAG(Flag, Name) caps.Flag = ExtensionListHas(GLExtensions, Name);
#define LT_READ_GLU_FLAG(Flag, Name) caps.Flag = ExtensionListHas(GLUExtensions, Name);
    LT_GL_EXTENSION_FLAGS(LT_READ_GL_FLAG)
    LT_GLU_EXTENSION_FLAGS(LT_READ_GLU_FLAG)
#undef LT_READ_GL_FLAG
#undef LT_READ_GLU_FLAG
    return caps;
}

void LoadGLCapabilities()
{
    GLCaps = CapabilitiesFor(Text(GL.glGetString(GL_VERSION)), Text(GL.glGetString(GL_EXTENSIONS)),
                             Text(GL.gluGetString(GLU_VERSION)), Text(GL.gluGetString(GLU_EXTENSIONS)));
    LoadWGLCapabilities();
}

void LoadWGLCapabilities()
{
    GLCaps.WGL_ARB_multisample = false;
    GLCaps.WGL_EXT_swap_control = false;
    GLCaps.WGL_ARB_buffer_region = false;
    GLCaps.WGL_ARB_extensions_string = false;
    GLCaps.WGL_ARB_pbuffer = false;
    GLCaps.WGL_ARB_pixel_format = false;
    GLCaps.WGL_ATI_pixel_format_float = false;
}
