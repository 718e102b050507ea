// Materials applied in a real OpenGL context, the state read back from GL
// and a quad drawn into the pbuffer.
#include <QImage>
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "scene3d/materials/material.h"
#include "scene3d/opengl/multitexgl.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/state/statecache.h"
#include "tests/scene3d/opengl/glbindingtest.h"

namespace {

using TRGBA = std::array<uint8_t, 4>;

class MaterialInGL : public GLBindingTest {
protected:
    void SetUp() override
    {
        GLBindingTest::SetUp();
        FRci.StateCache = &FCache;
    }
    void TearDown() override
    {
        EXPECT_EQ(GL.glGetError(), GLenum(GL_NO_ERROR));
        SetTexCoordNull();   // as the process started
        GLBindingTest::TearDown();
    }

    static GLint Integer(GLenum Name)
    {
        GLint value = -1;
        GL.glGetIntegerv(Name, &value);
        return value;
    }
    static GLfloat Float(GLenum Name)
    {
        GLfloat value = -1;
        GL.glGetFloatv(Name, &value);
        return value;
    }

    // A quad over the middle half of the frame, facing the viewer.
    static void DrawQuad()
    {
        GL.glBegin(GL_QUADS);
        GL.glNormal3f(0, 0, 1);
        GL.glVertex2f(-0.5f, -0.5f);
        GL.glVertex2f(0.5f, -0.5f);
        GL.glVertex2f(0.5f, 0.5f);
        GL.glVertex2f(-0.5f, 0.5f);
        GL.glEnd();
    }
    // The frame, bottom row first.
    static std::vector<TRGBA> Frame()
    {
        std::vector<TRGBA> pixels(Width * Height);
        GL.glReadPixels(0, 0, Width, Height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }
    static void SaveFrame(const std::vector<TRGBA>& Pixels, const char* FileName)
    {
        QImage image(reinterpret_cast<const uchar*>(Pixels.data()), Width, Height, Width * 4,
                     QImage::Format_RGBA8888);
        image.mirrored().save(FileName);
    }

    T3DStateCache FCache;
    TRenderContextInfo FRci;
};

TEST_F(MaterialInGL, BlendingAndCullingReachGL)
{
    T3DMaterial material(nullptr);
    material.SetBlendingMode(bmTransparency);
    material.SetFaceCulling(fcCull);
    material.Apply(FRci);
    EXPECT_TRUE(GL.glIsEnabled(GL_BLEND));
    EXPECT_TRUE(GL.glIsEnabled(GL_ALPHA_TEST));
    EXPECT_EQ(Integer(GL_BLEND_SRC), GL_SRC_ALPHA);
    EXPECT_EQ(Integer(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_TRUE(GL.glIsEnabled(GL_CULL_FACE));
    material.Revert(FRci);

    T3DMaterial twoSided(nullptr);
    twoSided.SetBlendingMode(bmAlphaTest50);
    twoSided.SetFaceCulling(fcNoCull);
    twoSided.BackProperties()->Diffuse()->SetColor({0, 1, 0, 1});
    twoSided.Apply(FRci);
    EXPECT_FALSE(GL.glIsEnabled(GL_BLEND));
    EXPECT_EQ(Integer(GL_ALPHA_TEST_FUNC), GL_GEQUAL);
    EXPECT_EQ(Float(GL_ALPHA_TEST_REF), 0.5f);
    EXPECT_FALSE(GL.glIsEnabled(GL_CULL_FACE));
    GLfloat back[4] = {};
    GL.glGetMaterialfv(GL_BACK, GL_DIFFUSE, back);
    EXPECT_EQ(back[1], 1);
    EXPECT_EQ(back[0], 0);
    twoSided.Revert(FRci);
    EXPECT_EQ(Integer(GL_ALPHA_TEST_FUNC), GL_GREATER);
    EXPECT_EQ(Float(GL_ALPHA_TEST_REF), 0);
}

// The lamps' material: emission 0.4 and red specular, added to the frame
// with the texture off. With lighting on and no light shining, a lamp shows
// its emission plus its ambient colour under the scene's ambient light (0.2
// x 0.2), added to the background. A lamp whose diffuse alpha is 0 leaves
// the background as it was.
TEST_F(MaterialInGL, ALampIsAddedToTheBackground)
{
    GL.glViewport(0, 0, Width, Height);
    GL.glClearColor(0.1f, 0.2f, 0.3f, 1);
    GL.glClear(GL_COLOR_BUFFER_BIT);
    GL.glAlphaFunc(GL_GREATER, 0);   // the render pass's alpha function
    FCache.Enable(ccLighting);

    T3DMaterial lamp(nullptr);
    lamp.FrontProperties()->Emission()->SetColor({0.4f, 0.4f, 0.4f, 1});
    lamp.FrontProperties()->Specular()->SetColor({1, 0, 0, 1});
    lamp.Texture();
    lamp.SetBlendingMode(bmAdditive);

    GL.glMatrixMode(GL_MODELVIEW);
    GL.glLoadIdentity();
    GL.glTranslatef(-0.5f, 0, 0);
    lamp.Apply(FRci);
    DrawQuad();
    lamp.Revert(FRci);

    T3DMaterial invisible(nullptr);
    invisible.Assign(&lamp);
    invisible.FrontProperties()->Diffuse()->SetAlpha(0);
    GL.glTranslatef(1, 0, 0);
    invisible.Apply(FRci);
    DrawQuad();
    invisible.Revert(FRci);

    const std::vector<TRGBA> frame = Frame();
    SaveFrame(frame, "lamp_material.png");
    const auto pixel = [&frame](int X, int Y) { return frame[static_cast<std::size_t>(Y * Width + X)]; };
    const TRGBA lit = pixel(16, 32);
    EXPECT_NEAR(lit[0], 138, 1);   // (0.1 + 0.44) x 255
    EXPECT_NEAR(lit[1], 163, 1);
    EXPECT_NEAR(lit[2], 189, 1);
    for (const TRGBA background : {pixel(48, 32), pixel(16, 2), pixel(2, 60)}) {
        EXPECT_NEAR(background[0], 26, 1);
        EXPECT_NEAR(background[1], 51, 1);
        EXPECT_NEAR(background[2], 77, 1);
    }
    EXPECT_FALSE(GL.glIsEnabled(GL_TEXTURE_2D));
}

} // namespace
