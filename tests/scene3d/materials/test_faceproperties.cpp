#include "scene3d/materials/faceproperties.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/state/statecache.h"
#include "tests/scene3d/materials/materialtesting.h"
#include "tests/scene3d/opengl/glcallrecording.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(FaceProperties, DefaultsOfALitFace)
{
    const T3DFaceProperties face(nullptr);
    EXPECT_EQ(face.Ambient()->Red(), 0.2f);
    EXPECT_EQ(face.Diffuse()->Green(), 0.8f);
    EXPECT_EQ(face.Emission()->Blue(), 0);
    EXPECT_EQ(face.Specular()->Alpha(), 1);
    EXPECT_EQ(face.Shininess(), 0);
    EXPECT_EQ(face.PolygonMode(), pmFill);
    EXPECT_EQ(GLPolygonMode(pmLines), GLenum(GL_LINE));
    EXPECT_EQ(GLPolygonMode(pmPoints), GLenum(GL_POINT));
}

// The face properties of a material of a scene object: every change reaches
// the object once.
TEST(FaceProperties, ChangesReachTheSceneObjectOnce)
{
    TSceneObjectSpy spy(nullptr);
    T3DFaceProperties& face = *spy.Material()->FrontProperties();
    face.Diffuse()->SetRed(0.5f);
    EXPECT_THAT(spy.Heard(), ElementsAre("changed"));   // a colour of a material is no list matter

    T3DColor red(nullptr, {1, 0, 0, 1}, nullptr);
    face.SetEmission(&red);
    EXPECT_THAT(spy.Heard(), ElementsAre("changed"));
    EXPECT_EQ(face.Emission()->Red(), 1);

    face.SetShininess(0);
    face.SetPolygonMode(pmFill);
    EXPECT_THAT(spy.Heard(), IsEmpty());
    face.SetShininess(128);
    face.SetPolygonMode(pmPoints);
    EXPECT_THAT(spy.Heard(), ElementsAre("changed", "changed"));
    EXPECT_THROW(face.SetShininess(129), ERangeError);
    EXPECT_THROW(face.SetShininess(-1), ERangeError);
    EXPECT_EQ(face.Shininess(), 128);
    EXPECT_THAT(spy.Heard(), IsEmpty());
}

TEST(FaceProperties, AssignCopiesEverythingAsOneChange)
{
    T3DFaceProperties source(nullptr);
    source.Ambient()->SetColorSilently({0.1f, 0.2f, 0.3f, 0.4f});
    source.Diffuse()->SetColorSilently({0.5f, 0.6f, 0.7f, 0.8f});
    source.Emission()->SetColorSilently({1, 0, 0, 1});
    source.Specular()->SetColorSilently({0, 1, 0, 0.5f});
    source.SetShininess(64);
    source.SetPolygonMode(pmLines);

    TSceneObjectSpy spy(nullptr);
    T3DFaceProperties& face = *spy.Material()->FrontProperties();
    face.Assign(&source);
    EXPECT_THAT(spy.Heard(), ElementsAre("changed"));
    EXPECT_EQ(face.Ambient()->Blue(), 0.3f);
    EXPECT_EQ(face.Diffuse()->Alpha(), 0.8f);
    EXPECT_EQ(face.Emission()->Red(), 1);
    EXPECT_EQ(face.Specular()->Alpha(), 0.5f);
    EXPECT_EQ(face.Shininess(), 64);
    EXPECT_EQ(face.PolygonMode(), pmLines);

    face.Assign(&spy);   // anything else is ignored
    face.Assign(nullptr);
    EXPECT_THAT(spy.Heard(), IsEmpty());
}

TEST(FaceProperties, LitAndUnlitFacesGoThroughTheStateCache)
{
    TOpenGLCallRecorder recorder;
    T3DStateCache cache;
    TRenderContextInfo rci;
    rci.StateCache = &cache;
    T3DFaceProperties face(nullptr);
    face.Emission()->SetColorSilently({0.4f, 0.4f, 0.4f, 1});
    face.SetShininess(20);
    face.SetPolygonMode(pmLines);

    face.ApplyLit(rci, GL_BACK);
    EXPECT_THAT(TOpenGLCallRecorder::Sent(),
                ElementsAre("Materiali 405 1601 14", "Materialfv 405 1600 0.4 0.4 0.4 1",
                            "Materialfv 405 1200 0.2 0.2 0.2 1", "Materialfv 405 1201 0.8 0.8 0.8 1",
                            "Materialfv 405 1202 0 0 0 1", "PolygonMode 405 1b01"));
    face.ApplyLit(rci, GL_BACK);
    EXPECT_THAT(TOpenGLCallRecorder::Sent(), IsEmpty());

    face.ApplyUnlit(rci, GL_FRONT);
    face.ApplyUnlit(rci, GL_FRONT);
    EXPECT_THAT(TOpenGLCallRecorder::Sent(),
                ElementsAre("Color4fv 0.8 0.8 0.8 1", "PolygonMode 404 1b01", "Color4fv 0.8 0.8 0.8 1"));
}

} // namespace
