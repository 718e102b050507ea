#include "scene3d/opengl/glcapabilities.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "scene3d/opengl/openglapi.h"
#include "tests/scene3d/opengl/glbindingtest.h"

namespace {

struct TVersionCase {
    const char* Text;
    TOpenGLVersion Expected;
};

TEST(GLVersionString, DigitsAroundTheFirstPoint)
{
    const TVersionCase cases[] = {
        {"1.5.0 NVIDIA 53.03", {1, 5}},
        {"4.5 (Compatibility Profile) Mesa 22.3.6", {4, 5}},
        {"OpenGL2.0 vendor", {2, 0}},
        {"Version 12.34", {12, 34}},
        {"1.", {0, 0}},
        {".5", {0, 0}},
        {"1.x", {0, 0}},
        {"v.2 3.4", {0, 0}},
        {"", {0, 0}},
        {"99999999999.1", {0, 0}},
    };
    for (const TVersionCase& c : cases)
        EXPECT_EQ(ParseVersionString(c.Text), c.Expected) << '"' << c.Text << '"';
}

TEST(GLVersionString, SetsTheFlagsOfEveryVersionUpToIt)
{
    const TOpenGLCapabilities v15 = CapabilitiesFor("1.5.0 vendor", "", "1.3", "");
    EXPECT_TRUE(v15.Version1_0 && v15.Version1_1 && v15.Version1_2 && v15.Version1_3 && v15.Version1_4 &&
                v15.Version1_5);
    EXPECT_TRUE(v15.GLUVersion1_1 && v15.GLUVersion1_2 && v15.GLUVersion1_3);

    const TOpenGLCapabilities v12 = CapabilitiesFor("1.2 Mesa", "", "1.1", "");
    EXPECT_TRUE(v12.Version1_1 && v12.Version1_2);
    EXPECT_FALSE(v12.Version1_3 || v12.Version1_4 || v12.Version1_5);
    EXPECT_TRUE(v12.GLUVersion1_1);
    EXPECT_FALSE(v12.GLUVersion1_2);

    const TOpenGLCapabilities v20 = CapabilitiesFor("OpenGL 2.0", "", "", "");
    EXPECT_TRUE(v20.Version1_1 && v20.Version1_5);
    EXPECT_TRUE(v20.GLUVersion1_0);
    EXPECT_FALSE(v20.GLUVersion1_1);

    const TOpenGLCapabilities broken = CapabilitiesFor("1.", "", "", "");
    EXPECT_TRUE(broken.Version1_0);
    EXPECT_FALSE(broken.Version1_1);
}

struct TExtensionCase {
    const char* List;
    const char* Name;
    bool Expected;
};

TEST(GLExtensionList, NameFollowedByABlankOrTheEnd)
{
    const TExtensionCase cases[] = {
        // The start of the list counts as a blank: Mesa lists this one first.
        {"GL_ARB_multisample GL_EXT_abgr", " GL_ARB_multisample", true},
        {"GL_EXT_abgr GL_ARB_multisample", " GL_ARB_multisample", true},
        {"GL_EXT_abgr", "GL_EXT_abgr", true},
        {"GL_EXT_texture3D GL_EXT_texture", "GL_EXT_texture", true},
        {"GL_EXT_texture3D GL_EXT_texture_object", "GL_EXT_texture", false},
        {"GL_ARB_multitexturefoo", "GL_ARB_multitexture", false},
        {"GL_EXT_stencil_two_side GL_EXT_abgr", "EXT_stencil_two_side", true},
        {"XGL_ARB_shadow", "GL_ARB_shadow", true},   // what precedes is not looked at
        {"WGL_ARB_pbuffer", "WGL_ARB_pbuffer ", true},
        {"", "GL_EXT_abgr", false},
        {"GL_EXT_abgr ", "", false},
    };
    for (const TExtensionCase& c : cases)
        EXPECT_EQ(ExtensionListHas(c.List, c.Name), c.Expected) << '"' << c.List << "\" / \"" << c.Name << '"';
}

struct TFlagName {
    const char* Name;
    bool TOpenGLCapabilities::*Flag;
};

constexpr TFlagName GLFlags[] = {
#define LT_FLAG_NAME(Flag, Name) {Name, &TOpenGLCapabilities::Flag},
    LT_GL_EXTENSION_FLAGS(LT_FLAG_NAME)
#undef LT_FLAG_NAME
};

constexpr TFlagName GLUFlags[] = {
#define LT_FLAG_NAME(Flag, Name) {Name, &TOpenGLCapabilities::Flag},
    LT_GLU_EXTENSION_FLAGS(LT_FLAG_NAME)
#undef LT_FLAG_NAME
};

// Whether a word of the list ends with the name (without its blanks).
bool SomeWordEndsWith(const std::string& List, std::string Name)
{
    Name.erase(0, Name.find_first_not_of(' '));
    std::istringstream words(List);
    for (std::string word; words >> word;)
        if (word.size() >= Name.size() && word.compare(word.size() - Name.size(), Name.size(), Name) == 0)
            return true;
    return false;
}

using GLCapabilitiesOfMesa = GLBindingTest;

TEST_F(GLCapabilitiesOfMesa, FlagsFollowTheImplementationsLists)
{
    const std::string glList = GLString(GL_EXTENSIONS);
    const std::string gluList = reinterpret_cast<const char*>(GL.gluGetString(GLU_EXTENSIONS));
    for (const TFlagName& f : GLFlags)
        EXPECT_EQ(GLCaps.*f.Flag, SomeWordEndsWith(glList, f.Name)) << '"' << f.Name << '"';
    for (const TFlagName& f : GLUFlags)
        EXPECT_EQ(GLCaps.*f.Flag, SomeWordEndsWith(gluList, f.Name)) << '"' << f.Name << '"';

    ASSERT_EQ(glList.rfind("GL_ARB_multisample ", 0), 0u) << "Mesa no longer lists it first";
    EXPECT_TRUE(GLCaps.ARB_multisample);
    EXPECT_TRUE(GLCaps.ARB_multitexture);
    EXPECT_TRUE(GLCaps.Version1_1 && GLCaps.Version1_5);
    EXPECT_TRUE(GLCaps.GLUVersion1_3);
}

TEST_F(GLCapabilitiesOfMesa, WindowSystemFlagsStayFalse)
{
    const TOpenGLCapabilities caps = GLCaps;
    EXPECT_FALSE(caps.WGL_ARB_extensions_string || caps.WGL_ARB_multisample || caps.WGL_EXT_swap_control ||
                 caps.WGL_ARB_buffer_region || caps.WGL_ARB_pbuffer || caps.WGL_ARB_pixel_format ||
                 caps.WGL_ATI_pixel_format_float);
    GLCaps.WGL_ARB_extensions_string = true;   // as a GL list naming it would set it
    LoadWGLCapabilities();
    EXPECT_FALSE(GLCaps.WGL_ARB_extensions_string);
}

} // namespace
