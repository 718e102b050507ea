// The lamp scene of the main window drawn off screen: where the lamps land,
// how lit, dark and hidden lamps look, and the scene turned.
#include <cstdio>

#include "tests/scene3d/objects/lampscene.h"

namespace {

bool IsBlack(const TLampPixel& P)
{
    return P[0] == 0 && P[1] == 0 && P[2] == 0;
}

bool IsGrey(const TLampPixel& P)
{
    return P[0] > 40 && std::abs(P[0] - P[1]) <= 2 && std::abs(P[1] - P[2]) <= 2;
}

bool IsRed(const TLampPixel& P)
{
    return P[0] > 150 && P[1] < P[0] / 4 && P[2] < P[0] / 4;
}

std::array<bool, 16> OnlyChannel(int C)
{
    std::array<bool, 16> on{};
    on[static_cast<std::size_t>(C - 1)] = true;
    return on;
}

} // namespace

TEST_F(LampScene, EveryLampGlowsGreyWhereTheCameraPutsIt)
{
    BuildLamps();
    Render();
    Save("lampscene-startup.png");
    for (int c = 1; c <= 16; ++c)
        for (int i = 1; i <= 16; ++i) {
            SCOPED_TRACE(testing::Message() << "channel " << c << " lamp " << i);
            EXPECT_TRUE(IsGrey(Pixel(LampPixel(c, i))));
        }
    // Between the lamps the background shows.
    const TFramePoint a = LampCentre(1, 1);
    const TFramePoint b = LampCentre(2, 2);
    EXPECT_TRUE(IsBlack(Pixel(TFramePoint{(a.X + b.X) / 2, (a.Y + b.Y) / 2}.PixelPos())));
    // Channel 1 on the left, lamp 1 on top.
    EXPECT_LT(LampCentre(1, 1).X, LampCentre(16, 1).X);
    EXPECT_LT(LampCentre(1, 1).Y, LampCentre(1, 16).Y);
    for (const auto& [c, i] : {std::pair{1, 1}, {16, 1}, {1, 16}, {16, 16}}) {
        const TFramePoint expected = LampCentre(c, i);
        const TFramePoint measured = MeasuredCentre(LampPixel(c, i), 5);
        std::printf("channel %d lamp %d: computed (%.2f, %.2f), measured (%.2f, %.2f)\n", c, i, expected.X,
                    expected.Y, measured.X, measured.Y);
        EXPECT_NEAR(measured.X, expected.X, 0.75);
        EXPECT_NEAR(measured.Y, expected.Y, 0.75);
    }
}

TEST_F(LampScene, LitLampsAreLargeAndRedDarkOnesSmallAndGrey)
{
    BuildLamps();
    ShowRow(OnlyChannel(3));
    Render();
    Save("lampscene-step.png");
    // 6 pixels beside the centre: inside a lit lamp (0.8 units, 20 pixels
    // across), outside a dark one (0.2 units, 5 pixels).
    for (int i = 1; i <= 16; i += 5) {
        SCOPED_TRACE(testing::Message() << "lamp " << i);
        const TPixelPos lit = LampPixel(3, i);
        const TPixelPos dark = LampPixel(10, i);
        EXPECT_TRUE(IsRed(Pixel(lit)));
        EXPECT_FALSE(IsBlack(Pixel({lit.X, lit.Y + 6})));
        EXPECT_TRUE(IsGrey(Pixel(dark)));
        EXPECT_TRUE(IsBlack(Pixel({dark.X, dark.Y + 6})));
    }
}

TEST_F(LampScene, AHiddenChannelShowsTheBackground)
{
    BuildLamps();
    Channel(5)->SetVisible(false);
    Render();
    for (int i = 1; i <= 16; ++i) {
        EXPECT_TRUE(IsBlack(Pixel(LampPixel(5, i)))) << "lamp " << i;
        EXPECT_TRUE(IsGrey(Pixel(LampPixel(4, i)))) << "lamp " << i;
    }
}

TEST_F(LampScene, TurningTheSceneHalfRoundMirrorsTheColumns)
{
    BuildLamps();
    ShowRow(OnlyChannel(1));
    FLighting->SetTurnAngle(180);
    Render();
    for (int i = 1; i <= 16; ++i) {
        SCOPED_TRACE(testing::Message() << "lamp " << i);
        EXPECT_TRUE(IsRed(Pixel(LampPixel(16, i))));
        EXPECT_TRUE(IsGrey(Pixel(LampPixel(1, i))));
    }
    FLighting->SetTurnAngle(30);
    Render();
    Save("lampscene-turned30.png");
}

TEST_F(LampScene, APickOnALampCentreHitsThatSpriteAlone)
{
    BuildLamps();
    ShowRow(OnlyChannel(2));
    for (const auto& [c, i] : {std::pair{1, 1}, {2, 9}, {16, 16}, {7, 3}}) {
        SCOPED_TRACE(testing::Message() << "channel " << c << " lamp " << i);
        const std::vector<T3DBaseSceneObject*> hits = HitsAt(LampPixel(c, i));
        ASSERT_EQ(hits.size(), 1u);
        EXPECT_EQ(hits[0], Lamp(c, i));
    }
    const TFramePoint a = LampCentre(3, 3);
    const TFramePoint b = LampCentre(4, 4);
    EXPECT_TRUE(HitsAt(TFramePoint{(a.X + b.X) / 2, (a.Y + b.Y) / 2}.PixelPos()).empty());
}
