#include <cmath>

#include <gtest/gtest.h>

#include "scene3d/lists/cubicspline.h"

namespace {

TEST(CubicSpline, TwoPointsGiveTheStraightLine)
{
    const float x[] = {1, 3};
    const float y[] = {-2, 2};
    const float z[] = {5, 5};
    const TCubicSpline spline(x, y, z, nullptr, 2);
    for (const float t : {-1.0f, 0.0f, 0.25f, 0.5f, 1.0f, 2.0f}) {
        float sx, sy, sz;
        spline.SplineXYZ(t, sx, sy, sz);
        EXPECT_NEAR(sx, 1 + 2 * t, 1e-5) << t;
        EXPECT_NEAR(sy, -2 + 4 * t, 1e-5) << t;
        EXPECT_NEAR(sz, 5, 1e-5) << t;
    }
}

TEST(CubicSpline, PassesThroughEveryNodeSmoothly)
{
    const float y[] = {0, 2, -1, 4, 3};
    const TCubicSpline spline(y, y, nullptr, nullptr, 5);
    auto at = [&](float t) {
        float sx, sy, sz;
        spline.SplineXYZ(t, sx, sy, sz);
        EXPECT_EQ(sz, 0) << "an axis without values";
        return sy;
    };
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(at(static_cast<float>(i)), y[i], 1e-4) << i;
    // Slopes match across the inner nodes, and the ends are natural.
    const float h = 1e-2f;
    for (int i = 1; i < 4; ++i) {
        const float t = static_cast<float>(i);
        EXPECT_NEAR((at(t) - at(t - h)) / h, (at(t + h) - at(t)) / h, 0.2f) << i;
    }
    EXPECT_NEAR(at(0) - 2 * at(h) + at(2 * h), 0, 1e-3);
}

TEST(CubicSpline, FewerThanTwoPointsGiveNoSegments)
{
    const float one[] = {7};
    for (const int n : {0, 1}) {
        const TCubicSpline spline(one, one, one, one, n);
        float sx = -1, sy = -1, sz = -1;
        spline.SplineXYZ(0.5f, sx, sy, sz);
        EXPECT_EQ(sx, 0) << n;
        EXPECT_EQ(sy, 0) << n;
        EXPECT_EQ(sz, 0) << n;
    }
}

} // namespace
