// The lamp scene drawn and picked through a scene buffer of the viewer's
// size, as the main window shows it.
#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "scene3d/buffer/scenebuffer.h"
#include "scene3d/objects/dummycube.h"
#include "tests/scene3d/objects/lampscene.h"

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

} // namespace
