// The lamp scene drawn and picked through a scene buffer of the viewer's
// size, as the main window shows it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "scene3d/buffer/scenebuffer.h"
#include "scene3d/materials/color.h"
#include "scene3d/materials/faceproperties.h"
#include "scene3d/materials/libmaterial.h"
#include "scene3d/materials/material.h"
#include "scene3d/materials/materiallibrary.h"
#include "scene3d/objects/dummycube.h"
#include "scene3d/opengl/openglapi.h"
#include "tests/scene3d/objects/lampscene.h"
#include "tests/scene3d/opengl/glcallrecording.h"

namespace {

class LampSceneBuffer : public LampScene {
protected:
    void SetUp() override
    {
        LampScene::SetUp();
        FContext->Deactivate();
        FBuffer = std::make_unique<T3DSceneBuffer>(FOwner.get());
        FBuffer->SetContextOptions({roNoSwapBuffers});
        FBuffer->SetBackgroundColor(0);
        FBuffer->SetDepthTest(false);
        FBuffer->Resize(Width, Height);
        FBuffer->CreateContext(0, true, 1);
        FBuffer->SetCamera(FCamera);
        BuildLamps();
    }

    // Odd channels lit, as the benchmark shows them.
    void LightHalf()
    {
        std::array<bool, 16> halfLit{};
        for (std::size_t c = 0; c < halfLit.size(); c += 2)
            halfLit[c] = true;
        ShowRow(halfLit);
    }

    void TearDown() override
    {
        FBuffer.reset();
        FContext->Activate();
        LampScene::TearDown();
    }

    void RenderThroughBuffer()
    {
        FBuffer->RenderFrame();
        FBuffer->RenderingContext()->Activate();
        FFrame = Frame();
        FBuffer->RenderingContext()->Deactivate();
    }

    std::unique_ptr<T3DSceneBuffer> FBuffer;
};

const std::array<std::pair<int, int>, 6> SomeLamps = {{{1, 1}, {16, 1}, {1, 16}, {16, 16}, {2, 9}, {7, 3}}};

// The start-up look: every lamp small and dark, so that no glow reaches
// into its neighbour's box.
TEST_F(LampSceneBuffer, AFrameShowsTheLampsWhereTheCameraPutsThem)
{
    ShowRow({});
    RenderThroughBuffer();
    for (const auto& [c, i] : SomeLamps) {
        SCOPED_TRACE(testing::Message() << "channel " << c << " lamp " << i);
        const TFramePoint expected = LampCentre(c, i);
        const TFramePoint measured = MeasuredCentre(expected.PixelPos(), 4);
        EXPECT_NEAR(measured.X, expected.X, 0.75);
        EXPECT_NEAR(measured.Y, expected.Y, 0.75);
    }
}

TEST_F(LampSceneBuffer, APickOnALampCentreReturnsThatSpriteNeverItsGroup)
{
    LightHalf();
    for (const auto& [c, i] : SomeLamps) {
        SCOPED_TRACE(testing::Message() << "channel " << c << " lamp " << i);
        const TPixelPos centre = LampPixel(c, i);
        T3DBaseSceneObject* picked = FBuffer->PickObjectAtPixel(centre.X, centre.Y);
        EXPECT_EQ(picked, Lamp(c, i));
        EXPECT_EQ(dynamic_cast<T3DDummyCube*>(picked), nullptr);
    }
    // Between two dark lamps of a dark channel, clear of the lit columns.
    const TFramePoint a = LampCentre(4, 3);
    const TFramePoint b = LampCentre(4, 4);
    const TPixelPos between = TFramePoint{(a.X + b.X) / 2, (a.Y + b.Y) / 2}.PixelPos();
    EXPECT_EQ(FBuffer->PickObjectAtPixel(between.X, between.Y), nullptr);
}

// Channel 1's lamps drawn one after another with one library material (a
// red glow), followed in the same channel by a green square without a
// texture nearer to the camera (so drawn last among the blended), and by a
// second green square in a channel of its own after the others; channels 2
// to 16 hidden.
class SharedLibMaterial : public LampSceneBuffer {
protected:
    void SetUp() override
    {
        LampSceneBuffer::SetUp();
        T3DLibMaterial* glow = FLibrary.Materials()->Add();
        glow->SetName("Glow");
        T3DMaterial* material = glow->Material();
        material->FrontProperties()->Emission()->SetColor(Red);
        Glow(*material);
        for (int i = 1; i <= 16; ++i) {
            Lamp(1, i)->Material()->SetMaterialLibrary(&FLibrary);
            Lamp(1, i)->Material()->SetLibMaterialName("Glow");
        }
        for (int c = 2; c <= 16; ++c)
            Channel(c)->SetVisible(false);
        FNearSquare = Square(Channel(1), 0);
        FLastSquare = Square(FLighting->CreateChild<T3DDummyCube>(), -2);
    }

    // A green sprite of side 1 at (0, Y, -5), blended, with no texture.
    static T3DSprite* Square(T3DBaseSceneObject* Parent, float Y)
    {
        auto* square = Parent->CreateChild<T3DSprite>();
        square->Position()->AssignPoint(0, Y, -5);
        square->Material()->FrontProperties()->Emission()->SetColor(Green);
        square->Material()->SetBlendingMode(bmAdditive);
        return square;
    }

    // Where a point at (X, Y) of the squares' plane, 10 units before the
    // camera, shows.
    static TPixelPos OnSquares(float X, float Y) { return Projected(X * 1.5f, Y * 1.5f).PixelPos(); }

    static bool Enabled(GLenum Capability)
    {
        return GL.glIsEnabled(Capability) == GL_TRUE;
    }

    static inline const TVector Red = {1, 0, 0, 1};
    static inline const TVector Green = {0, 1, 0, 1};

    T3DMaterialLibrary FLibrary{nullptr};
    T3DSprite* FNearSquare = nullptr;
    T3DSprite* FLastSquare = nullptr;
};

// Textured lamps glow (bright centre, black corners); the squares drawn
// after them with texturing still on would lose their corners to the glow's
// transparent rim. Twice, since an amalgamated channel draws from its list
// the second time; its list ends with a lamp (the near square hidden).
TEST_F(SharedLibMaterial, LampsShowTheirTextureAndTheSquaresAfterThemNone)
{
    for (const bool amalgamate : {false, true}) {
        SCOPED_TRACE(amalgamate ? "amalgamated" : "drawn object by object");
        Channel(1)->SetAmalgamate(amalgamate);
        FNearSquare->SetVisible(!amalgamate);
        const std::vector<float> squares = amalgamate ? std::vector<float>{-2} : std::vector<float>{0, -2};
        for (int frame = 1; frame <= 2; ++frame) {
            SCOPED_TRACE(testing::Message() << "frame " << frame);
            RenderThroughBuffer();
            for (const int i : {1, 8, 16}) {
                SCOPED_TRACE(testing::Message() << "lamp " << i);
                const TPixelPos centre = LampPixel(1, i);
                EXPECT_GT(Pixel(centre)[0], 200);
                EXPECT_LT(Pixel({centre.X + 3, centre.Y + 3})[0], 40);
            }
            for (const float y : squares) {
                SCOPED_TRACE(testing::Message() << "square at " << y);
                for (const TPixelPos p : {OnSquares(0, y), OnSquares(0.4f, y + 0.4f), OnSquares(-0.4f, y - 0.4f)}) {
                    EXPECT_GT(Pixel(p)[1], 200) << p.X << ", " << p.Y;
                    EXPECT_LT(Pixel(p)[0], 60) << p.X << ", " << p.Y;
                }
            }
            FBuffer->RenderingContext()->Activate();
            EXPECT_FALSE(Enabled(GL_TEXTURE_2D));
            EXPECT_FALSE(Enabled(GL_BLEND));
            EXPECT_TRUE(Enabled(GL_ALPHA_TEST));
            FBuffer->RenderingContext()->Deactivate();
        }
    }
}

// Texturing goes on for the first lamp and off only for the square after
// the last, once its colour was set and before it is drawn.
TEST_F(SharedLibMaterial, TexturingIsSwitchedOnceForAllLamps)
{
    FBuffer->RenderFrame();   // uploads the texture
    std::vector<std::string> sent;
    {
        const TOpenGLCallRecorder recorder;
        FBuffer->RenderFrame();
        sent = TOpenGLCallRecorder::Sent();
    }
    const auto count = [&sent](const std::string& Call) { return std::count(sent.begin(), sent.end(), Call); };
    EXPECT_EQ(count("Enable de1"), 1);
    EXPECT_EQ(count("Disable de1"), 1);
    const auto green = std::find(sent.begin(), sent.end(), "Materialfv 404 1600 0 1 0 1");
    const auto off = std::find(sent.begin(), sent.end(), "Disable de1");
    EXPECT_LT(std::find(sent.begin(), sent.end(), "Enable de1"), green);
    EXPECT_LT(green, off);
    EXPECT_NE(off, sent.end());
}

} // namespace
