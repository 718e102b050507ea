#include "scene3d/geometry/scalars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const double Infinity = std::numeric_limits<double>::infinity();

TEST(Scalars, Power)
{
    struct Case {
        const char* name;
        double base;
        double exponent;
        double expected;
    };
    const Case cases[] = {
        {"integer path", 2, 3, 8},
        {"zero base", 0, 2, 0},
        {"zero exponent", 5, 0, 1},
        {"zero to the zero", 0, 0, 1},
        {"negative exponent", 2, -1, 0.5},
        {"exact by squaring", 3, 20, 3486784401.0},
        {"negative base, odd", -2, 3, -8},
        {"negative base, even", -2, 2, 4},
        {"negative base, negative odd", -2, -3, -0.125},
        {"fraction", 4, 0.5, 2},
        {"zero base, negative exponent", 0, -2, Infinity},
        {"largest 32-bit exponent", 1, 2147483647.0, 1},
        {"smallest 32-bit exponent", 2, -2147483648.0, 0},
        // Integral exponents beyond 32 bits: magnitude by logarithms, sign by parity.
        {"huge exponent", 2, 1e10, Infinity},
        {"huge exponent, small base", 0.5, 1e10, 0},
        {"huge negative exponent", 2, -1e10, 0},
        {"huge exponent, unit base", 1, 3e9, 1},
        {"huge even exponent, negative base", -1, 1e10, 1},
        {"huge odd exponent, negative base", -1, 2147483649.0, -1},
        {"huge odd exponent, base -2", -2, 4294967297.0, -Infinity},
        {"beyond 2^53 every exponent is even", -1, 1e300, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Power(c.base, c.exponent), c.expected) << c.name;

    // A negative base with a fractional exponent has no real power.
    EXPECT_TRUE(std::isnan(Power(-8, 1.0 / 3)));
}

TEST(Scalars, IntPower)
{
    EXPECT_EQ(IntPower(2, 10), 1024);
    EXPECT_EQ(IntPower(2, -2), 0.25);
    EXPECT_EQ(IntPower(7, 0), 1);
    EXPECT_EQ(IntPower(-3, 3), -27);
    EXPECT_EQ(IntPower(-1, std::numeric_limits<int>::min()), 1);
    EXPECT_EQ(IntPower(2, std::numeric_limits<int>::min()), 0);
    EXPECT_EQ(IntPower(2, std::numeric_limits<int>::max()), Infinity);
}

TEST(Scalars, RoundingHalvesToEvenAndTruncationTowardsZero)
{
    struct Case {
        float value;
        float rounded;
        float truncated;
    };
    const Case cases[] = {
        {2.5f, 2, 2}, {3.5f, 4, 3}, {-2.5f, -2, -2}, {-2.7f, -3, -2}, {0.49f, 0, 0}, {1e10f, 1e10f, 1e10f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundToFloat(c.value), c.rounded) << c.value;
        EXPECT_EQ(TruncToFloat(c.value), c.truncated) << c.value;
        EXPECT_EQ(RoundToInt(c.value), int64_t(c.rounded)) << c.value;
        EXPECT_EQ(TruncToInt(c.value), int64_t(c.truncated)) << c.value;
    }
}

TEST(Scalars, ClampAndReciprocalSquareRoot)
{
    EXPECT_EQ(Clamp(-1, 0, 10), 0);
    EXPECT_EQ(Clamp(11, 0, 10), 10);
    EXPECT_EQ(Clamp(5, 0, 10), 5);
    EXPECT_EQ(Clamp(5, 8, 2), 8) << "the minimum is tested first";
    EXPECT_EQ(Clamp(9, 8, 2), 2);
    EXPECT_EQ(RSqrt(4), 0.5f);
    EXPECT_EQ(RSqrt(0), std::numeric_limits<float>::infinity());
}

TEST(Scalars, SphereVisibleRadius)
{
    EXPECT_EQ(SphereVisibleRadius(3, 5), 3.75f);
    EXPECT_NEAR(SphereVisibleRadius(1, 10), 10 / std::sqrt(99.0), 1e-6);
    // From its surface a sphere fills the whole view.
    EXPECT_EQ(SphereVisibleRadius(2, 2), std::numeric_limits<float>::infinity());
}

}  // namespace
