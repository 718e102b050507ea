#include "scene3d/utils/wincolors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TVector ToVector(TColor Color, float Alpha = 0.5f)
{
    TVector vector;
    WinColorToVector(Color, vector, Alpha);
    return vector;
}

void ExpectVector(const TVector& Actual, float R, float G, float B, float A)
{
    EXPECT_EQ(Actual.X, R);
    EXPECT_EQ(Actual.Y, G);
    EXPECT_EQ(Actual.Z, B);
    EXPECT_EQ(Actual.W, A);
}

TEST(WinColorToVector, BytesOver255WithTheGivenAlpha)
{
    ExpectVector(ToVector(255), 1, 0, 0, 0.5f);
    ExpectVector(ToVector(PackRGB(0, 51, 255), 1), 0, 0.2f, 1, 1);
    ExpectVector(ToVector(0x12FF0000), 0, 0, 1, 0.5f);   // the top byte of a plain colour is ignored
}

TEST(WinColorToVector, ANegativeValueIsTheSystemColourOfItsLowByte)
{
    const TColor face = ColorToRGB(clBtnFace);
    const TVector expected{RedOf(face) / 255.0f, GreenOf(face) / 255.0f, BlueOf(face) / 255.0f, 0.5f};
    ExpectVector(ToVector(clBtnFace), expected.X, expected.Y, expected.Z, 0.5f);
    // Only the high bit marks a system colour, not the whole top byte.
    ExpectVector(ToVector(static_cast<TColor>(0x8000000F)), expected.X, expected.Y, expected.Z, 0.5f);
    EXPECT_EQ(ResolveWinColor(static_cast<TColor>(0x80000005)), ColorToRGB(clWindow));
    EXPECT_EQ(ResolveWinColor(0x7F123456), 0x7F123456);
}

TEST(VectorToWinColor, RoundsHalfToEvenAndKeepsTheLowBits)
{
    EXPECT_EQ(VectorToWinColor({1, 0.5f, 0, 0.3f}), 255 | 128 << 8);
    EXPECT_EQ(VectorToWinColor({1.2f, 0, 0, 1}), 50);   // 306
    EXPECT_EQ(VectorToWinColor({-1 / 255.0f, 0, 0, 1}), 255);
    EXPECT_EQ(VectorToWinColor({std::numeric_limits<float>::quiet_NaN(), 1e30f, 1, 1}), 255 << 16);
    for (const TColor color : {0x000000, 0xFFFFFF, 0x804020, 0x01FE7F})
        EXPECT_EQ(VectorToWinColor(ToVector(color)), color) << color;
}

TEST(SystemColorVectors, TheFirst25SystemColoursWithAlphaOne)
{
    const std::array<TVector, 25>& colors = SystemColorVectors();
    ExpectVector(colors[5], 1, 1, 1, 1);   // clWindow
    for (int n = 0; n < 25; ++n) {
        const TVector expected = ToVector(clSystemColor | n, 1);
        ExpectVector(colors[n], expected.X, expected.Y, expected.Z, 1);
    }
}

} // namespace
