#include "scene3d/state/statecache.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "scene3d/opengl/openglapi.h"
#include "tests/scene3d/context/contexttesting.h"
#include "tests/scene3d/opengl/glbindingtest.h"
#include "tests/scene3d/opengl/glcallrecording.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The cache over a table that records the calls it makes.
class StateCacheCalls : public ::testing::Test {
protected:
    static std::vector<std::string> Sent() { return TOpenGLCallRecorder::Sent(); }

    TOpenGLCallRecorder FRecorder;
    T3DStateCache FCache;
};

const TVector Black = {0, 0, 0, 1};
const TVector Red = {1, 0, 0, 1};
const TVector Grey = {0.5f, 0.5f, 0.5f, 1};

TEST_F(StateCacheCalls, ACapabilityIsSwitchedOnlyWhenItChanges)
{
    FCache.Enable(ccBlend);
    FCache.Enable(ccBlend);
    FCache.Disable(ccBlend);
    FCache.Disable(ccBlend);
    EXPECT_THAT(Sent(), ElementsAre("Enable be2", "Disable be2"));

    // Every capability starts disabled in the cache, whatever GL says.
    FCache.Disable(ccDither);
    EXPECT_THAT(Sent(), IsEmpty());
    EXPECT_FALSE(FCache.IsEnabled(ccDither));
}

// Outside a pass a held-back disable is an ordinary one; inside, an Enable
// before anything is drawn cancels it, and whatever is still held goes out
// when asked for and when the pass ends.
TEST_F(StateCacheCalls, ADisableHeldBackDuringAPassIsSentOnlyWhenNothingEnablesItFirst)
{
    FCache.Enable(ccTexture2D);
    FCache.DeferDisable(ccTexture2D);
    EXPECT_THAT(Sent(), ElementsAre("Enable de1", "Disable de1"));

    FCache.Enable(ccTexture2D);
    Sent();
    {
        const TDeferredDisables pass(FCache);
        FCache.DeferDisable(ccTexture2D);
        EXPECT_FALSE(FCache.IsEnabled(ccTexture2D));
        FCache.Enable(ccTexture2D);
        EXPECT_TRUE(FCache.IsEnabled(ccTexture2D));
        EXPECT_THAT(Sent(), IsEmpty());

        FCache.DeferDisable(ccTexture2D);
        FCache.DeferDisable(ccBlend);   // off already: nothing to hold
        FCache.Disable(ccTexture2D);    // off in the cache already
        EXPECT_THAT(Sent(), IsEmpty());
        FCache.SendDeferredDisables();
        FCache.SendDeferredDisables();
        EXPECT_THAT(Sent(), ElementsAre("Disable de1"));

        FCache.Enable(ccTexture2D);   // GL has it off now
        FCache.Enable(ccTextureRect);
        FCache.DeferDisable(ccTexture2D);
        FCache.DeferDisable(ccTextureRect);
        EXPECT_THAT(Sent(), ElementsAre("Enable de1", "Enable 84f5"));
    }
    EXPECT_THAT(Sent(), ElementsAre("Disable de1", "Disable 84f5"));

    FCache.Enable(ccTexture2D);
    FCache.DeferDisable(ccTexture2D);
    EXPECT_THAT(Sent(), ElementsAre("Enable de1", "Disable de1"));
}

TEST_F(StateCacheCalls, PolygonModesAreComparedPerFace)
{
    FCache.SetPolygonMode(GL_FRONT, GL_LINE);
    FCache.SetPolygonMode(GL_FRONT, GL_LINE);
    FCache.SetPolygonMode(GL_FRONT_AND_BACK, GL_LINE);   // the back mode differs
    FCache.SetPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    FCache.SetPolygonMode(GL_BACK, GL_LINE);
    FCache.SetPolygonMode(GL_FRONT_LEFT, GL_POINT);       // not a face for polygons
    EXPECT_THAT(Sent(), ElementsAre("PolygonMode 404 1b01", "PolygonMode 408 1b01"));

    FCache.ResetPolygonModes();
    EXPECT_THAT(Sent(), IsEmpty());
    FCache.SetPolygonMode(GL_BACK, GL_LINE);
    EXPECT_THAT(Sent(), ElementsAre("PolygonMode 405 1b01"));
}

TEST_F(StateCacheCalls, MaterialColoursAreSentWhenTheyDiffer)
{
    FCache.SetMaterialColors(GL_FRONT, Black, Grey, Red, Black, 10);
    EXPECT_THAT(Sent(), ElementsAre("Materiali 404 1601 a", "Materialfv 404 1600 0 0 0 1",
                                    "Materialfv 404 1200 0.5 0.5 0.5 1", "Materialfv 404 1201 1 0 0 1",
                                    "Materialfv 404 1202 0 0 0 1"));
    FCache.SetMaterialColors(GL_FRONT, Black, Grey, Grey, Black, 10);
    EXPECT_THAT(Sent(), ElementsAre("Materialfv 404 1201 0.5 0.5 0.5 1"));
    // The back face has a cache of its own.
    FCache.SetMaterialColors(GL_BACK, Black, Grey, Grey, Black, 0);
    EXPECT_THAT(Sent(), ElementsAre("Materialfv 405 1600 0 0 0 1", "Materialfv 405 1200 0.5 0.5 0.5 1",
                                    "Materialfv 405 1201 0.5 0.5 0.5 1", "Materialfv 405 1202 0 0 0 1"));
    EXPECT_THROW(FCache.SetMaterialColors(GL_FRONT_AND_BACK, Black, Grey, Grey, Black, 0), EAssertionFailed);
}

TEST_F(StateCacheCalls, ResetMaterialsSendsGLsDefaultsAndForgetsTheColours)
{
    FCache.SetMaterialColors(GL_FRONT, Black, Grey, Red, Black, 10);
    Sent();
    FCache.ResetMaterials();
    EXPECT_THAT(Sent(), ElementsAre("Materialfv 408 1200 0.2 0.2 0.2 1", "Materialfv 408 1201 0.8 0.8 0.8 1",
                                    "Materialfv 408 1202 0 0 0 1", "Materialfv 408 1600 0 0 0 1",
                                    "Materiali 408 1601 0"));
    // The emission GL has now is sent anyway: the cache does not know it.
    FCache.SetMaterialColors(GL_FRONT, Black, Grey, Red, Black, 0);
    EXPECT_THAT(Sent(), ElementsAre("Materialfv 404 1600 0 0 0 1", "Materialfv 404 1200 0.5 0.5 0.5 1",
                                    "Materialfv 404 1201 1 0 0 1", "Materialfv 404 1202 0 0 0 1"));
}

TEST_F(StateCacheCalls, MaterialAlphaResendsTheDiffuseColour)
{
    FCache.SetMaterialColors(GL_FRONT, Black, Grey, Red, Black, 0);
    Sent();
    FCache.SetMaterialAlpha(GL_FRONT, 0.5f);
    FCache.SetMaterialAlpha(GL_FRONT, 0.5f);
    EXPECT_THAT(Sent(), ElementsAre("Materialfv 404 1201 1 0 0 0.5"));

    // With the diffuse colour forgotten, GL's default diffuse colour goes
    // with the alpha, not the cache's fill pattern.
    FCache.ResetMaterials();
    Sent();
    FCache.SetMaterialAlpha(GL_BACK, 0.25f);
    FCache.SetMaterialAlpha(GL_BACK, 0.25f);
    EXPECT_THAT(Sent(), ElementsAre("Materialfv 405 1201 0.8 0.8 0.8 0.25"));
}

TEST_F(StateCacheCalls, ATextureIsBoundWhenTheSlotsNameChanges)
{
    FCache.SetTexture(0, GL_TEXTURE_2D, 5);
    FCache.SetTexture(0, GL_TEXTURE_2D, 5);
    FCache.SetTexture(0, 0x84F5, 5);   // the target is not compared
    FCache.SetTexture(1, GL_TEXTURE_2D, 5);
    EXPECT_THAT(Sent(), ElementsAre("BindTexture de1 5", "BindTexture de1 5"));
    FCache.ResetTextures();
    FCache.SetTexture(0, GL_TEXTURE_2D, 5);
    EXPECT_THAT(Sent(), ElementsAre("BindTexture de1 5"));
    EXPECT_THROW(FCache.SetTexture(T3DStateCache::TextureSlots, GL_TEXTURE_2D, 5), EAssertionFailed);
}

TEST_F(StateCacheCalls, TheTextureMatrixReturnsToTheModelViewMatrix)
{
    TMatrix matrix = {};
    matrix[0].X = 2;
    matrix[3].X = 3;
    FCache.ResetTextureMatrix();   // the identity already
    EXPECT_THAT(Sent(), IsEmpty());
    FCache.SetTextureMatrix(matrix);
    FCache.SetTextureMatrix(matrix);
    EXPECT_THAT(Sent(), ElementsAre("MatrixMode 1702", "LoadMatrixf 2 3", "MatrixMode 1700", "MatrixMode 1702",
                                    "LoadMatrixf 2 3", "MatrixMode 1700"));
    FCache.ResetTextureMatrix();
    FCache.ResetTextureMatrix();
    EXPECT_THAT(Sent(), ElementsAre("MatrixMode 1702", "LoadIdentity", "MatrixMode 1700"));
}

TEST_F(StateCacheCalls, InvertingTheFrontFaceTwiceRestoresCounterClockwise)
{
    FCache.InvertFrontFace();
    FCache.InvertFrontFace();
    FCache.ResetFrontFace();
    EXPECT_THAT(Sent(), ElementsAre("FrontFace 900", "FrontFace 901", "FrontFace 901"));
}

TEST_F(StateCacheCalls, ResetAllKeepsTheCapabilitiesAndTheTextureMatrixFlag)
{
    FCache.Enable(ccLighting);
    FCache.SetPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    FCache.SetTexture(0, GL_TEXTURE_2D, 5);
    FCache.SetTextureMatrix(TMatrix{});
    FCache.InvertFrontFace();
    Sent();

    FCache.ResetAll();
    EXPECT_THAT(Sent(), ElementsAre("Materialfv 408 1200 0.2 0.2 0.2 1", "Materialfv 408 1201 0.8 0.8 0.8 1",
                                    "Materialfv 408 1202 0 0 0 1", "Materialfv 408 1600 0 0 0 1",
                                    "Materiali 408 1601 0", "FrontFace 901"));
    FCache.Enable(ccLighting);
    FCache.SetPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    FCache.SetTexture(0, GL_TEXTURE_2D, 5);
    FCache.ResetTextureMatrix();
    FCache.InvertFrontFace();
    EXPECT_THAT(Sent(), ElementsAre("PolygonMode 408 1b02", "BindTexture de1 5", "MatrixMode 1702", "LoadIdentity",
                                    "MatrixMode 1700", "FrontFace 900"));
}

// The cache in a real context, with GL's state read back after the calls.
class StateCacheInGL : public ContextTest {
protected:
    void SetUp() override
    {
        FContext = &NewMemoryContext();
        FContext->Activate();
    }
    void TearDown() override
    {
        FContext->Deactivate();
        ContextTest::TearDown();
    }

    static TVector Material(GLenum Face, GLenum Name)
    {
        TVector color;
        GL.glGetMaterialfv(Face, Name, &color.X);
        return color;
    }
    static GLint Integer(GLenum Name)
    {
        GLint value = -1;
        GL.glGetIntegerv(Name, &value);
        return value;
    }

    T3DContext* FContext = nullptr;
    T3DStateCache FCache;
};

std::array<float, 4> Components(const TVector& V)
{
    return {V.X, V.Y, V.Z, V.W};
}

TEST_F(StateCacheInGL, EveryStateSwitchesItsCapability)
{
    for (int n = ccAlphaTest; n <= ccTextureRect; ++n) {
        const auto state = static_cast<TCachedCapability>(n);
        SCOPED_TRACE(n);
        FCache.Enable(state);
        EXPECT_TRUE(GL.glIsEnabled(CapabilityOf(state)));
        FCache.Disable(state);
        EXPECT_FALSE(GL.glIsEnabled(CapabilityOf(state)));
    }
    EXPECT_EQ(GL.glGetError(), GLenum(GL_NO_ERROR));
}

// GL keeps the capability on while the disable is held back, and has it
// off once the pass is left, also by an exception.
TEST_F(StateCacheInGL, AHeldBackDisableReachesGLWhenThePassEnds)
{
    FCache.Enable(ccTexture2D);
    EXPECT_THROW(
        {
            const TDeferredDisables pass(FCache);
            FCache.DeferDisable(ccTexture2D);
            EXPECT_TRUE(GL.glIsEnabled(GL_TEXTURE_2D));
            throw EAssertionFailed("drawing failed");
        },
        EAssertionFailed);
    EXPECT_FALSE(GL.glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(FCache.IsEnabled(ccTexture2D));
}

TEST_F(StateCacheInGL, MaterialsReachTheFaces)
{
    FCache.SetMaterialColors(GL_FRONT, Black, Grey, Red, Black, 10);
    EXPECT_EQ(Components(Material(GL_FRONT, GL_DIFFUSE)), Components(Red));
    EXPECT_EQ(Components(Material(GL_FRONT, GL_AMBIENT)), Components(Grey));
    GLfloat shininess = 0;
    GL.glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
    EXPECT_EQ(shininess, 10);

    FCache.ResetAll();
    EXPECT_EQ(Components(Material(GL_FRONT, GL_DIFFUSE)), (std::array<float, 4>{0.8f, 0.8f, 0.8f, 1}));
    FCache.SetMaterialAlpha(GL_FRONT, 0.5f);
    EXPECT_EQ(Components(Material(GL_FRONT, GL_DIFFUSE)), (std::array<float, 4>{0.8f, 0.8f, 0.8f, 0.5f}));
    EXPECT_EQ(Components(Material(GL_BACK, GL_DIFFUSE)), (std::array<float, 4>{0.8f, 0.8f, 0.8f, 1}));
}

TEST_F(StateCacheInGL, TexturesModesWindingAndTheTextureMatrixReachGL)
{
    GLuint textures[2] = {};
    GL.glGenTextures(2, textures);
    FCache.SetTexture(0, GL_TEXTURE_2D, textures[1]);
    EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), static_cast<GLint>(textures[1]));

    FCache.SetPolygonMode(GL_FRONT, GL_LINE);
    FCache.SetPolygonMode(GL_BACK, GL_POINT);
    GLint modes[2] = {};
    GL.glGetIntegerv(GL_POLYGON_MODE, modes);
    EXPECT_EQ(modes[0], GL_LINE);
    EXPECT_EQ(modes[1], GL_POINT);

    FCache.InvertFrontFace();
    EXPECT_EQ(Integer(GL_FRONT_FACE), GL_CW);
    FCache.ResetAll();
    EXPECT_EQ(Integer(GL_FRONT_FACE), GL_CCW);

    TMatrix matrix = {};
    matrix[0] = {2, 0, 0, 0};
    matrix[1] = {0, 1, 0, 0};
    matrix[2] = {0, 0, 1, 0};
    matrix[3] = {0.25f, 0.5f, 0, 1};   // the translation
    FCache.SetTextureMatrix(matrix);
    GLfloat loaded[16] = {};
    GL.glGetFloatv(GL_TEXTURE_MATRIX, loaded);
    EXPECT_EQ(loaded[0], 2);
    EXPECT_EQ(loaded[12], 0.25f);
    EXPECT_EQ(loaded[13], 0.5f);
    EXPECT_EQ(Integer(GL_MATRIX_MODE), GL_MODELVIEW);
    FCache.ResetTextureMatrix();
    GL.glGetFloatv(GL_TEXTURE_MATRIX, loaded);
    EXPECT_EQ(loaded[0], 1);
    EXPECT_EQ(loaded[12], 0);
    GL.glDeleteTextures(2, textures);
    EXPECT_EQ(GL.glGetError(), GLenum(GL_NO_ERROR));
}

} // namespace
