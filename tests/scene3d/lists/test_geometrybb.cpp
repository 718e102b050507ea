#include <array>

#include <gtest/gtest.h>

#include "scene3d/geometry/matrixbuild.h"
#include "scene3d/lists/geometrybb.h"

namespace {

std::array<float, 6> Bounds(const TAABB& Box)
{
    return {Box.Min.X, Box.Min.Y, Box.Min.Z, Box.Max.X, Box.Max.Y, Box.Max.Z};
}

TEST(BoundingBox, HalfExtentsUnionScaleAndPoints)
{
    TAABB box;
    BoxFromHalfExtents(box, {1, -2, 0.5f});
    EXPECT_EQ(Bounds(box), (std::array<float, 6>{-1, -2, -0.5f, 1, 2, 0.5f}));
    UnionBox(box, {{-3, 0, 0}, {0, 0, 4}});
    EXPECT_EQ(Bounds(box), (std::array<float, 6>{-3, -2, -0.5f, 1, 2, 4}));
    ScaleBox(box, {2, 1, 0.5f});
    EXPECT_EQ(Bounds(box), (std::array<float, 6>{-6, -2, -0.25f, 2, 2, 2}));
    IncludePointInBox(box, {10, 0, -1});
    EXPECT_EQ(Bounds(box), (std::array<float, 6>{-6, -2, -1, 10, 2, 2}));
}

TEST(BoundingBox, TransformBoundsTheTransformedCorners)
{
    TAABB box{{0, 0, 0}, {2, 1, 1}};
    // A quarter turn about Z, then a move by (10, 0, 0).
    TMatrix m = CreateRotationMatrix({0, 0, 1}, 1.5707963f);
    m[3] = {10, 0, 0, 1};
    TransformBox(box, m);
    const std::array<float, 6> expected{10, -2, 0, 11, 0, 1};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(Bounds(box)[i], expected[i], 1e-5) << i;
}

} // namespace
