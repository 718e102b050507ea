// The fog environment: its settings, their defaults, and GL's fog state.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/exceptions.h"
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/scene/fogenvironment.h"
#include "tests/scene3d/geometry/geometrytesting.h"
#include "tests/scene3d/opengl/glbindingtest.h"

namespace {

using ::testing::ThrowsMessage;

// A fog environment of an owner that counts its changes.
class FogSettings : public ::testing::Test {
protected:
    FogSettings()
    {
        FFog.SetOnChange([this](TObject*) { ++FChanges; });
    }

    TComponent FOwner{nullptr};
    T3DFogEnvironment FFog{&FOwner};
    int FChanges = 0;
};

TEST_F(FogSettings, OnlyAFogAsNewIsAtItsDefaults)
{
    struct TCase {
        const char* Change;
        void (*Apply)(T3DFogEnvironment&);
    };
    const TCase cases[] = {
        {"colour", [](T3DFogEnvironment& f) { f.FogColor()->SetAlpha(0.5f); }},
        {"start", [](T3DFogEnvironment& f) { f.SetFogStart(0); }},
        {"end", [](T3DFogEnvironment& f) { f.SetFogEnd(100); }},
        {"mode", [](T3DFogEnvironment& f) { f.SetFogMode(fmExp2); }},
        {"distance", [](T3DFogEnvironment& f) { f.SetFogDistance(fdEyePlane); }},
    };
    EXPECT_TRUE(FFog.IsAtDefaults());
    for (const TCase& c : cases) {
        T3DFogEnvironment fog(nullptr);
        c.Apply(fog);
        EXPECT_FALSE(fog.IsAtDefaults()) << c.Change;
    }
}

TEST_F(FogSettings, ChangesReachTheOwnerOnce)
{
    FFog.SetFogStart(5);
    FFog.SetFogStart(5);
    FFog.SetFogMode(fmExp);
    EXPECT_EQ(FChanges, 2);
    T3DColor grey(nullptr);
    grey.SetColor({0.5f, 0.5f, 0.5f, 0.2f});
    FFog.SetFogColor(&grey);
    FFog.SetFogColor(nullptr);
    EXPECT_EQ(FChanges, 3);
    EXPECT_TRUE(Near(FFog.FogColor()->Color(), {0.5f, 0.5f, 0.5f, 0.2f}));
}

TEST_F(FogSettings, AssignCopiesAnotherFogOnly)
{
    T3DFogEnvironment source(nullptr);
    source.SetFogEnd(50);
    source.SetFogDistance(fdEyeRadial);
    source.FogColor()->SetRed(1);
    FFog.Assign(&source);
    EXPECT_EQ(FChanges, 1);
    EXPECT_EQ(FFog.FogEnd(), 50);
    EXPECT_EQ(FFog.FogDistance(), fdEyeRadial);
    EXPECT_EQ(FFog.FogColor()->Red(), 1);
    const T3DColor colour(nullptr);
    EXPECT_THAT([&] { FFog.Assign(&colour); },
                ThrowsMessage<EConvertError>("Cannot assign a T3DColor to a T3DFogEnvironment"));
}

using FogInGL = GLBindingTest;

TEST_F(FogInGL, TheSettingsReachGL)
{
    T3DFogEnvironment fog(nullptr);
    fog.FogColor()->SetColor({0.25f, 0.5f, 0.75f, 0.125f});
    fog.SetFogStart(2);
    fog.SetFogEnd(20);
    fog.SetFogMode(fmExp2);
    fog.ApplyFog();
    GLint mode = 0;
    GL.glGetIntegerv(GL_FOG_MODE, &mode);
    EXPECT_EQ(mode, GL_EXP2);
    GLfloat value[4] = {};
    GL.glGetFloatv(GL_FOG_DENSITY, value);
    EXPECT_EQ(value[0], 0.125f) << "the colour's alpha";
    GL.glGetFloatv(GL_FOG_START, value);
    EXPECT_EQ(value[0], 2);
    GL.glGetFloatv(GL_FOG_END, value);
    EXPECT_EQ(value[0], 20);
    GL.glGetFloatv(GL_FOG_COLOR, value);
    EXPECT_TRUE(Near(TVector{value[0], value[1], value[2], value[3]}, {0.25f, 0.5f, 0.75f, 0.125f}));
    fog.SetFogMode(fmLinear);
    fog.ApplyFog();
    GL.glGetIntegerv(GL_FOG_MODE, &mode);
    EXPECT_EQ(mode, GL_LINEAR);
}

// fdDefault brings back the mode the context had before fog was first
// applied: on Mesa the eye plane's absolute distance.
TEST_F(FogInGL, TheDefaultDistanceIsTheContextsFirst)
{
    ASSERT_TRUE(GLCaps.NV_fog_distance);
    const auto distanceAfter = [](TFogDistance Distance) {
        T3DFogEnvironment fog(nullptr);
        fog.SetFogDistance(Distance);
        fog.ApplyFog();
        GLint mode = 0;
        GL.glGetIntegerv(GL_FOG_DISTANCE_MODE_NV, &mode);
        return mode;
    };
    EXPECT_EQ(distanceAfter(fdEyeRadial), GL_EYE_RADIAL_NV);
    EXPECT_EQ(distanceAfter(fdDefault), 0x855C);
    EXPECT_EQ(distanceAfter(fdEyeRadial), GL_EYE_RADIAL_NV);
    EXPECT_EQ(distanceAfter(fdEyePlane), GL_EYE_PLANE_ABSOLUTE_NV);
    EXPECT_THROW(distanceAfter(static_cast<TFogDistance>(3)), EAssertionFailed);
}

} // namespace
