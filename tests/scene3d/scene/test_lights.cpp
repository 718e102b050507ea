// Light sources: their settings, and the GL lights the scene makes of them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "scene3d/geometry/vectorgeometry.h"
#include "scene3d/scene/lightsource.h"
#include "tests/scene3d/geometry/geometrytesting.h"
#include "tests/scene3d/opengl/glbindingtest.h"
#include "tests/scene3d/scene/scenetesting.h"

namespace {

using LightSettings = SceneTest;

TEST_F(LightSettings, ASpotCutOffIsAnAngleUpTo90OrNoCone)
{
    struct TCase {
        float Value;
        float Kept;
    };
    auto* light = FScene->Objects()->CreateChild<T3DLightSource>();
    EXPECT_EQ(light->SpotCutOff(), 180);
    for (const TCase& c : {TCase{120, 180}, TCase{45, 45}, TCase{-1, 45}, TCase{90, 90}, TCase{90.5f, 90},
                           TCase{0, 0}, TCase{180, 180}}) {
        light->SetSpotCutOff(c.Value);
        EXPECT_EQ(light->SpotCutOff(), c.Kept) << "after " << c.Value;
    }
}

// Setting a light reaches the scene; a new spot direction is a vector and
// moves the light.
TEST_F(LightSettings, ChangesAreReported)
{
    auto* light = FScene->Objects()->CreateChild<T3DLightSource>();
    SceneTest::Settle(*light);
    const int before = FScene->PassedOn();
    light->SetLinearAttenuation(0.5f);
    light->SetLinearAttenuation(0.5f);
    light->Diffuse()->SetGreen(0.25f);
    EXPECT_EQ(FScene->PassedOn(), before + 2) << "once for an attenuation that did not change";
    T3DCoordinates direction(nullptr, {0, -1, 0, 1}, csFree);
    light->SetSpotDirection(&direction);
    EXPECT_TRUE(Near(light->SpotDirection()->AsVector(), {0, -1, 0, 0}));
    EXPECT_TRUE(light->Changes().Contains(ocLocalMatrix));
    EXPECT_FALSE(light->IntersectRay({0, 0, 5, 1}, {0, 0, -1, 0}, nullptr, nullptr));
    EXPECT_EQ(light->BuildSilhouette({}), nullptr);
}

class SceneLights : public GLBindingTest {
protected:
    T3DLightSource* Light(T3DBaseSceneObject* Parent)
    {
        return Parent->CreateChild<T3DLightSource>();
    }
    static GLint MaxLights()
    {
        GLint count = 0;
        GL.glGetIntegerv(GL_MAX_LIGHTS, &count);
        return count;
    }
    static std::vector<bool> Enabled()
    {
        std::vector<bool> enabled;
        for (GLint i = 0; i < MaxLights(); ++i)
            enabled.push_back(GL.glIsEnabled(static_cast<GLenum>(GL_LIGHT0 + i)));
        return enabled;
    }
    static TVector Sent(GLenum Light, GLenum Name)
    {
        TVector value{-9, -9, -9, -9};
        GL.glGetLightfv(Light, Name, &value.X);
        return value;
    }
    static float SentValue(GLenum Light, GLenum Name) { return Sent(Light, Name).X; }

    std::unique_ptr<TComponent> FOwner = std::make_unique<TComponent>(nullptr);
    T3DScene* FScene = new T3DScene(FOwner.get());
};

TEST_F(SceneLights, ANinthLightNeverShines)
{
    for (int i = 0; i < 9; ++i)
        Light(FScene->Objects());
    for (GLint i = 0; i < MaxLights(); ++i)
        GL.glEnable(static_cast<GLenum>(GL_LIGHT0 + i));
    FScene->SetupLights(MaxLights());
    std::vector<bool> expected(static_cast<std::size_t>(MaxLights()), false);
    for (std::size_t i = 0; i < 8 && i < expected.size(); ++i)
        expected[i] = true;
    EXPECT_EQ(Enabled(), expected);
    EXPECT_EQ(static_cast<T3DLightSource*>(FScene->Objects()->GetChild(8))->LightID(), 0u);
}

// With the view 10 back from the origin: a point light under a moved
// parent, a spot under a turned one, a parallel light turned itself, a
// light that does not shine and an empty slot.
TEST_F(SceneLights, LightsAreSentInTheViewsCoordinates)
{
    T3DTestObject* moved = FScene->Objects()->CreateChild<T3DTestObject>();
    moved->Position()->AssignPoint(1, 0, 0);
    T3DLightSource* point = Light(moved);
    point->SetLightStyle(lsOmni);
    point->Position()->AssignPoint(0, 2, 0);
    point->Diffuse()->SetColor({1, 0, 0, 1});
    point->Ambient()->SetColor({0.1f, 0.2f, 0.3f, 1});
    point->SetSpotCutOff(30);
    point->SetQuadraticAttenuation(0.25f);

    T3DTestObject* turned = FScene->Objects()->CreateChild<T3DTestObject>();
    turned->SetTurnAngle(90);
    T3DLightSource* spot = Light(turned);
    spot->SetSpotCutOff(45);
    spot->SetSpotExponent(3);
    spot->Specular()->SetColor({0, 0, 1, 1});
    spot->SetLinearAttenuation(0.5f);

    T3DLightSource* parallel = Light(FScene->Objects());
    parallel->SetLightStyle(lsParallel);
    parallel->SetPitchAngle(90);

    Light(FScene->Objects())->SetShining(false);
    T3DLightSource* gone = Light(FScene->Objects());
    delete gone;

    GL.glEnable(GL_LIGHT3);
    GL.glEnable(GL_LIGHT4);
    GL.glMatrixMode(GL_MODELVIEW);
    GL.glLoadIdentity();
    GL.glTranslatef(0, 0, -10);
    FScene->SetupLights(MaxLights());
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true, false, false, false, false, false}));

    EXPECT_TRUE(Near(Sent(GL_LIGHT0, GL_POSITION), {1, 2, -10, 1}, 1e-6));
    EXPECT_TRUE(Near(Sent(GL_LIGHT0, GL_DIFFUSE), {1, 0, 0, 1}));
    EXPECT_TRUE(Near(Sent(GL_LIGHT0, GL_AMBIENT), {0.1f, 0.2f, 0.3f, 1}));
    EXPECT_TRUE(Near(Sent(GL_LIGHT0, GL_SPECULAR), {0, 0, 0, 1}));
    EXPECT_EQ(SentValue(GL_LIGHT0, GL_SPOT_CUTOFF), 180) << "only a spot has a cone";
    EXPECT_EQ(SentValue(GL_LIGHT0, GL_CONSTANT_ATTENUATION), 1);
    EXPECT_EQ(SentValue(GL_LIGHT0, GL_QUADRATIC_ATTENUATION), 0.25f);

    EXPECT_TRUE(Near(Sent(GL_LIGHT1, GL_POSITION), {0, 0, -10, 1}, 1e-6));
    EXPECT_EQ(SentValue(GL_LIGHT1, GL_SPOT_CUTOFF), 45);
    EXPECT_EQ(SentValue(GL_LIGHT1, GL_SPOT_EXPONENT), 3);
    const TVector spotDirection = Sent(GL_LIGHT1, GL_SPOT_DIRECTION);
    EXPECT_TRUE(Near(AffineVectorMake(spotDirection),
                     AffineVectorMake(VectorTransform(TVector{0, 0, -1, 0}, turned->AbsoluteMatrix())), 1e-6))
        << "turned with the parent";
    EXPECT_NEAR(std::abs(spotDirection.X), 1, 1e-6);
    EXPECT_TRUE(Near(Sent(GL_LIGHT1, GL_SPECULAR), {0, 0, 1, 1}));
    EXPECT_EQ(SentValue(GL_LIGHT1, GL_LINEAR_ATTENUATION), 0.5f);

    const TVector towards = Sent(GL_LIGHT2, GL_POSITION);
    EXPECT_EQ(towards.W, 0) << "a direction";
    EXPECT_TRUE(Near(AffineVectorMake(towards),
                     AffineVectorMake(VectorTransform(TVector{0, 0, -1, 0}, parallel->AbsoluteMatrix())), 1e-6))
        << "turned with the light";
    EXPECT_NEAR(std::abs(towards.Y), 1, 1e-6);

    TMatrix view;
    GL.glGetFloatv(GL_MODELVIEW_MATRIX, &view[0].X);
    EXPECT_TRUE(Near(view[3], {0, 0, -10, 1})) << "the view matrix is as before";
    GLint depth = 0;
    GL.glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
}

} // namespace
