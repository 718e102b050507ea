// A lamp as the application draws it: a quad with the lamp material and its
// luminance texture, added to the frame off screen and read back.
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "scene3d/materials/material.h"
#include "scene3d/textures/texture.h"
#include "scene3d/textures/textureimage.h"
#include "scene3d/utils/wincolors.h"
#include "tests/scene3d/textures/texturetesting.h"
#include "tests/support/testsupport.h"

namespace {

using TRGBA = std::array<uint8_t, 4>;

class TexturedLamp : public TextureInContext {
protected:
    // The frame, bottom row first.
    static std::vector<TRGBA> Frame()
    {
        std::vector<TRGBA> pixels(FrameSize * FrameSize);
        GL.glReadPixels(0, 0, FrameSize, FrameSize, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }
    static void SaveFrame(const std::vector<TRGBA>& Pixels, const char* FileName)
    {
        QImage image(reinterpret_cast<const uchar*>(Pixels.data()), FrameSize, FrameSize, FrameSize * 4,
                     QImage::Format_RGBA8888);
        image.mirrored().save(FileName);
    }
};

// The texture is white in the middle and fades to black at a radius of
// half its side, so its corners are black: with alpha from luminance they
// are fully transparent, and the alpha test drops them. Brighter texels are
// added to the background more strongly.
TEST_F(TexturedLamp, BrightCentreAndDroppedCorners)
{
    TTempDir dir;
    const int side = 64;
    PaintedBitmap(side, side, [side](int X, int Y) {
        const double r = std::hypot(X + 0.5 - side / 2.0, Y + 0.5 - side / 2.0) / (side / 2.0);
        const int level = static_cast<int>(std::lround(255 * std::clamp(1 - r, 0.0, 1.0)));
        return PackRGB(level, level, level);
    })->SaveToFile(dir.File("texture.bmp"));

    GL.glViewport(0, 0, FrameSize, FrameSize);
    GL.glClearColor(0.1f, 0.2f, 0.3f, 1);
    GL.glClear(GL_COLOR_BUFFER_BIT);
    GL.glAlphaFunc(GL_GREATER, 0);   // the render pass's alpha function
    FCache.Enable(ccLighting);
    GL.glMatrixMode(GL_MODELVIEW);
    GL.glLoadIdentity();

    T3DMaterial lamp(nullptr);
    lamp.FrontProperties()->Emission()->SetColor({0.4f, 0.4f, 0.4f, 1});
    lamp.FrontProperties()->Specular()->SetColor({1, 0, 0, 1});
    T3DTexture& texture = *lamp.Texture();
    texture.Image()->LoadFromFile(dir.File("texture.bmp"));
    texture.SetDisabled(false);
    texture.SetImageAlpha(tiaLuminance);
    texture.SetTextureMode(tmModulate);
    lamp.SetBlendingMode(bmAdditive);

    lamp.Apply(FRci);
    GL.glBegin(GL_QUADS);
    GL.glNormal3f(0, 0, 1);
    GL.glTexCoord2f(0, 0);
    GL.glVertex2f(-0.75f, -0.75f);
    GL.glTexCoord2f(1, 0);
    GL.glVertex2f(0.75f, -0.75f);
    GL.glTexCoord2f(1, 1);
    GL.glVertex2f(0.75f, 0.75f);
    GL.glTexCoord2f(0, 1);
    GL.glVertex2f(-0.75f, 0.75f);
    GL.glEnd();
    lamp.Revert(FRci);
    EXPECT_FALSE(GL.glIsEnabled(GL_TEXTURE_2D));

    const std::vector<TRGBA> frame = Frame();
    SaveFrame(frame, "textured_lamp.png");
    const auto pixel = [&frame](int X, int Y) { return frame[static_cast<std::size_t>(Y * FrameSize + X)]; };
    // Lit, the lamp shows its emission plus its ambient colour under the
    // scene's ambient light: 0.44, times the texel, added at the texel's
    // alpha.
    const TRGBA centre = pixel(FrameSize / 2, FrameSize / 2);
    EXPECT_NEAR(centre[0], 26 + 112 * 0.9, 12);
    EXPECT_NEAR(centre[1], 51 + 112 * 0.9, 12);
    EXPECT_NEAR(centre[2], 77 + 112 * 0.9, 12);
    const TRGBA halfway = pixel(FrameSize / 2 + 12, FrameSize / 2);
    EXPECT_GT(halfway[0], 30);
    EXPECT_LT(halfway[0], centre[0] - 20);
    // The quad's corners and the frame outside the quad keep the background.
    for (const TRGBA background : {pixel(10, 10), pixel(53, 53), pixel(10, 53), pixel(53, 10), pixel(2, 32)}) {
        EXPECT_NEAR(background[0], 26, 1);
        EXPECT_NEAR(background[1], 51, 1);
        EXPECT_NEAR(background[2], 77, 1);
    }
}

} // namespace
