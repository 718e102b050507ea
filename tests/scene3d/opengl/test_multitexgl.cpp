#include "scene3d/opengl/multitexgl.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "tests/scene3d/opengl/glbindingtest.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

std::vector<std::string> Calls;

template <typename... Args>
void Record(const char* Name, Args... args)
{
    std::ostringstream call;
    call << Name;
    ((call << ' ' << args), ...);
    Calls.push_back(call.str());
}

int Unit(GLenum Texture)
{
    return static_cast<int>(Texture - GL_TEXTURE0);
}

// The routing over a recording table, with the multitexture extension.
class TexCoordRouting : public ::testing::Test {
protected:
    void SetUp() override
    {
        GL.glTexCoord2f = [](GLfloat s, GLfloat t) { Record("TexCoord2f", s, t); };
        GL.glMultiTexCoord2fARB = [](GLenum unit, GLfloat s, GLfloat t) {
            Record("MultiTexCoord2f", Unit(unit), s, t);
        };
        GL.glActiveTextureARB = [](GLenum unit) { Record("ActiveTexture", Unit(unit)); };
        GL.glClientActiveTextureARB = [](GLenum unit) { Record("ClientActiveTexture", Unit(unit)); };
        GL.glEnable = [](GLenum) { Record("Enable"); };
        GL.glEnableClientState = [](GLenum) { Record("EnableClientState"); };
        GLCaps.ARB_multitexture = true;
        SetTexCoordNull();   // other GL work in the process may have left a mode
        Calls.clear();
    }
    void TearDown() override { SetTexCoordNull(); }

    // A coordinate, an enable and a client-state call through the routing.
    static std::vector<std::string> RouteThreeCalls()
    {
        Calls.clear();
        MultiTexGL.TexCoord2f(0.25f, 0.5f);
        MultiTexGL.Enable(GL_TEXTURE_2D);
        MultiTexGL.EnableClientState(GL_TEXTURE_COORD_ARRAY);
        return Calls;
    }

private:
    TSavedGLBinding FSaved;
};

struct TRouteCase {
    const char* Mode;
    std::function<void()> Select;
    int Mask;
    std::vector<std::string> Calls;
};

TEST_F(TexCoordRouting, EachModeReachesItsUnits)
{
    const TRouteCase cases[] = {
        {"main", SetTexCoordMain, 1, {"TexCoord2f 0.25 0.5", "Enable", "EnableClientState"}},
        {"dual", SetTexCoordDual, 3,
         {"TexCoord2f 0.25 0.5", "MultiTexCoord2f 1 0.25 0.5", "Enable", "ActiveTexture 1", "Enable",
          "ActiveTexture 0", "EnableClientState", "ClientActiveTexture 1", "EnableClientState",
          "ClientActiveTexture 0"}},
        {"second", SetTexCoordSecond, 2,
         {"MultiTexCoord2f 1 0.25 0.5", "ActiveTexture 1", "Enable", "ActiveTexture 0", "ClientActiveTexture 1",
          "EnableClientState", "ClientActiveTexture 0"}},
        {"mask 5", [] { SetTexCoordUnitMask(5); }, 5,
         {"MultiTexCoord2f 0 0.25 0.5", "MultiTexCoord2f 2 0.25 0.5", "ActiveTexture 0", "Enable",
          "ActiveTexture 2", "Enable", "ActiveTexture 0", "ClientActiveTexture 0", "EnableClientState",
          "ClientActiveTexture 2", "EnableClientState", "ClientActiveTexture 0"}},
        {"units 3, 1", [] { SetTexCoordUnits({GL_TEXTURE3, GL_TEXTURE1}); }, 10,
         {"MultiTexCoord2f 3 0.25 0.5", "MultiTexCoord2f 1 0.25 0.5", "ActiveTexture 3", "Enable",
          "ActiveTexture 1", "Enable", "ActiveTexture 0", "ClientActiveTexture 3", "EnableClientState",
          "ClientActiveTexture 1", "EnableClientState", "ClientActiveTexture 0"}},
        {"null", SetTexCoordNull, -1, {}},
    };
    EXPECT_THAT(RouteThreeCalls(), IsEmpty()) << "the routing starts in the null mode";
    for (const TRouteCase& c : cases) {
        c.Select();
        EXPECT_EQ(RouteThreeCalls(), c.Calls) << c.Mode;
        if (c.Mask >= 0) {
            EXPECT_EQ(GetTexCoordUnitMask(), c.Mask) << c.Mode;
        }
    }
}

TEST_F(TexCoordRouting, AnUpdateRepointsOnceAtItsEnd)
{
    BeginTexCoordUpdate();
    SetTexCoordDual();
    SetTexCoordMain();
    EXPECT_EQ(GetTexCoordUnitMask(), 1) << "the mask of the mode asked for";
    EXPECT_THAT(RouteThreeCalls(), IsEmpty());
    EndTexCoordUpdate();
    EXPECT_THAT(RouteThreeCalls(), ElementsAre("TexCoord2f 0.25 0.5", "Enable", "EnableClientState"));

    BeginTexCoordUpdate();
    BeginTexCoordUpdate();
    SetTexCoordSecond();
    EndTexCoordUpdate();
    EXPECT_THAT(RouteThreeCalls(), ElementsAre("TexCoord2f 0.25 0.5", "Enable", "EnableClientState"))
        << "the outer update still holds the change";
    EndTexCoordUpdate();
    EXPECT_EQ(RouteThreeCalls().front(), "MultiTexCoord2f 1 0.25 0.5");
}

TEST_F(TexCoordRouting, MasksAddUpAndKeepBitsZeroToSeven)
{
    SetTexCoordMain();
    AddTexCoordUnitMask(4);
    EXPECT_EQ(GetTexCoordUnitMask(), 5);
    AddTexCoordUnitMask(2);
    EXPECT_EQ(GetTexCoordUnitMask(), 7);
    SetTexCoordUnitMask(0x1F80);
    EXPECT_EQ(GetTexCoordUnitMask(), 0x80);
}

TEST_F(TexCoordRouting, BrokenPreconditionsAreAssertionFailures)
{
    GLCaps.ARB_multitexture = false;
    const std::function<void()> needing[] = {SetTexCoordDual, SetTexCoordSecond, [] { SetTexCoordUnitMask(1); }};
    for (const auto& set : needing) {
        try {
            set();
            ADD_FAILURE() << "no exception";
        } catch (const EAssertionFailed& e) {
            EXPECT_EQ(e.Message(), "Assertion failure");
        }
    }
    EXPECT_THAT(RouteThreeCalls(), IsEmpty()) << "the null mode stays";
    try {
        GetTexCoordUnitMask();
        ADD_FAILURE() << "no exception";
    } catch (const EAssertionFailed& e) {
        EXPECT_THAT(e.Message(), HasSubstr("MultiTexGL"));
    }
    EXPECT_THROW(EndTexCoordUpdate(), EAssertionFailed) << "no update to end";
}

// The routing through the real driver: what each unit holds afterwards.
class TexCoordRoutingOnMesa : public GLBindingTest {
protected:
    void TearDown() override
    {
        SetTexCoordNull();
        GLBindingTest::TearDown();
    }
};

TEST_F(TexCoordRoutingOnMesa, MaskFiveSetsUnitsZeroAndTwoAndLeavesUnitZeroActive)
{
    ASSERT_TRUE(GLCaps.ARB_multitexture);
    SetTexCoordUnitMask(5);
    MultiTexGL.TexCoord2f(0.25f, 0.75f);
    MultiTexGL.Enable(GL_TEXTURE_2D);
    MultiTexGL.EnableClientState(GL_TEXTURE_COORD_ARRAY);

    GLint active = -1;
    GL.glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    EXPECT_EQ(active, GL_TEXTURE0);
    GL.glGetIntegerv(GL_CLIENT_ACTIVE_TEXTURE, &active);
    EXPECT_EQ(active, GL_TEXTURE0);
    for (const int unit : {0, 1, 2}) {
        const bool routed = unit != 1;
        GL.glActiveTextureARB(GL_TEXTURE0 + unit);
        GL.glClientActiveTextureARB(GL_TEXTURE0 + unit);
        GLfloat coords[4] = {};
        GL.glGetFloatv(GL_CURRENT_TEXTURE_COORDS, coords);
        EXPECT_THAT(coords, ElementsAre(routed ? 0.25f : 0.0f, routed ? 0.75f : 0.0f, 0.0f, 1.0f)) << unit;
        EXPECT_EQ(GL.glIsEnabled(GL_TEXTURE_2D), routed) << unit;
        EXPECT_EQ(GL.glIsEnabled(GL_TEXTURE_COORD_ARRAY), routed) << unit;
    }
    GL.glActiveTextureARB(GL_TEXTURE0);
    GL.glClientActiveTextureARB(GL_TEXTURE0);
}

} // namespace
