#include "scene3d/geometry/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

TEST(Angles, NormalizeDegAngleFoldsIntoMinus180To180)
{
    struct Case {
        float angle;
        float expected;
    };
    const Case cases[] = {
        {540, 180},  {-190, 170}, {720, 0},    {0, 0},      {180, 180},   {-180, -180}, {190, -170},
        {-540, -180}, {359, -1},  {-359, 1},   {1080.5f, 0.5f}, {-725, -5}, {3600090, 90},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormalizeDegAngle(c.angle), c.expected) << c.angle;
}

TEST(Angles, DegreesAndRadians)
{
    EXPECT_EQ(DegreesToRadians(180.0), std::numbers::pi);
    EXPECT_NEAR(DegreesToRadians(-90.0), -std::numbers::pi / 2, 1e-15);
    // The single form multiplies by pi/180 rounded to single.
    EXPECT_FLOAT_EQ(DegreesToRadians(180.0f), float(std::numbers::pi));
    EXPECT_FLOAT_EQ(RadiansToDegrees(float(std::numbers::pi / 4)), 45);
}

TEST(Angles, Trigonometry)
{
    double s;
    double c;
    SinCos(std::numbers::pi / 6, s, c);
    EXPECT_NEAR(s, 0.5, 1e-15);
    EXPECT_NEAR(c, std::sqrt(3.0) / 2, 1e-15);

    float fs;
    float fc;
    SinCos(float(std::numbers::pi / 2), fs, fc);
    EXPECT_FLOAT_EQ(fs, 1);
    EXPECT_NEAR(fc, 0, 1e-7);
    SinCos(float(std::numbers::pi), 3.0f, fs, fc);
    EXPECT_NEAR(fs, 0, 1e-6);
    EXPECT_FLOAT_EQ(fc, -3);

    struct Case {
        float x;
        double expected;
    };
    const Case arcCosines[] = {{1, 0}, {-1, std::numbers::pi}, {0, std::numbers::pi / 2}, {0.5f, std::numbers::pi / 3}};
    for (const Case& a : arcCosines)
        EXPECT_NEAR(ArcCos(a.x), a.expected, 1e-6) << a.x;
    EXPECT_TRUE(std::isnan(ArcCos(1.5f)));

    EXPECT_NEAR(ArcTan2(1, -1), 3 * std::numbers::pi / 4, 1e-6);
    EXPECT_NEAR(ArcTan2(-1, 0), -std::numbers::pi / 2, 1e-6);
    EXPECT_NEAR(Tan(float(std::numbers::pi / 4)), 1, 1e-6);
}

}  // namespace
