#include "scene3d/geometry/frustum.h"
#include "scene3d/geometry/geometryconstants.h"
#include "scene3d/geometry/planes.h"
#include "scene3d/geometry/vectorcompare.h"
#include "tests/scene3d/geometry/geometrytesting.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A perspective projection (row vectors) looking down -z: a 90 degree view,
// near 1, far 100.
const TMatrix Perspective{{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, -101.0f / 99, -1}, {0, 0, -200.0f / 99, 0}}};

TEST(Planes, NormalDistanceAndNormalisation)
{
    EXPECT_TRUE(Near(CalcPlaneNormal({0, 0, 0}, {1, 0, 0}, {0, 1, 0}), {0, 0, 1}));
    EXPECT_TRUE(Near(CalcPlaneNormal({0, 0, 0}, {0, 1, 0}, {1, 0, 0}), {0, 0, -1}));
    EXPECT_TRUE(Near(CalcPlaneNormal({1, 1, 1}, {1, 3, 1}, {1, 1, 5}), {1, 0, 0}));

    THmgPlane plane{0, 3, 4, 10};
    NormalizePlane(plane);
    EXPECT_TRUE(Near(plane, {0, 0.6f, 0.8f, 2}));
    EXPECT_FLOAT_EQ(PlaneEvaluatePoint(plane, {7, 0, 5}), 6);
    EXPECT_FLOAT_EQ(PlaneEvaluatePoint(plane, {0, -6, -8}), -8);
}

// With the identity as the combined matrix, the view is the cube -1..1.
TEST(Frustum, PlanesOfTheUnitCubeInTheirOrder)
{
    const TFrustumPlanes f = ExtractFrustumFromModelViewProjection(IdentityHmgMatrix);
    // Left, top, right, bottom, near, far.
    const THmgPlane inOrder[] = {{1, 0, 0, 1}, {0, -1, 0, 1}, {-1, 0, 0, 1},
                                 {0, 1, 0, 1}, {0, 0, 1, 1},  {0, 0, -1, 1}};
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(Near(f[i], inOrder[i])) << i;
    EXPECT_TRUE(VectorEquals(f.Near, f[4]));
}

TEST(Frustum, PerspectivePlanesAreNormalisedDistances)
{
    const TFrustumPlanes f = ExtractFrustumFromModelViewProjection(Perspective);
    EXPECT_NEAR(PlaneEvaluatePoint(f.Near, {0, 0, -3}), 2, 1e-5);
    EXPECT_NEAR(PlaneEvaluatePoint(f.Far, {0, 0, -3}), 97, 1e-3);
    // The side planes pass through the eye at 45 degrees.
    EXPECT_NEAR(PlaneEvaluatePoint(f.Left, {0, 0, 0}), 0, 1e-6);
    EXPECT_NEAR(PlaneEvaluatePoint(f.Left, {-1, 0, -1}), 0, 1e-6);
    EXPECT_NEAR(PlaneEvaluatePoint(f.Right, {0, 0, -2}), std::sqrt(2.0), 1e-6);
}

TEST(Frustum, SphereOutsideOnlyWhenWhollyBehindAPlane)
{
    const TFrustumPlanes cube = ExtractFrustumFromModelViewProjection(IdentityHmgMatrix);
    // The left plane's distance of (x, 0, 0) is x + 1.
    struct Case {
        const char* name;
        TAffineVector centre;
        float radius;
        bool outside;
    };
    const Case cases[] = {
        {"inside", {0, 0, 0}, 0.1f, false},
        {"straddling a plane", {1.2f, 0, 0}, 0.5f, false},
        {"touching from outside", {-3, 0, 0}, 2, false},
        {"just beyond", {-3, 0, 0}, std::nextafter(2.0f, 0.0f), true},
        {"beyond the near plane", {0, 0, -5}, 1, true},
        {"larger than the view", {0, 0, 10}, 20, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsSphereOutside(c.centre, c.radius, cube), c.outside) << c.name;


    const TFrustumPlanes view = ExtractFrustumFromModelViewProjection(Perspective);
    EXPECT_FALSE(IsSphereOutside({0, 0, -50}, 1, view));
    EXPECT_TRUE(IsSphereOutside({0, 0, 5}, 1, view)) << "behind the eye";
    EXPECT_TRUE(IsSphereOutside({0, 0, -0.5f}, 0.2f, view)) << "before the near plane";
}

// A box is tested through the sphere around it, so a box beside a corner of
// the view may count as visible.
TEST(Frustum, BoxThroughItsSurroundingSphere)
{
    const TFrustumPlanes cube = ExtractFrustumFromModelViewProjection(IdentityHmgMatrix);
    EXPECT_FALSE(IsBoxOutside({-0.5f, -0.5f, -0.5f}, {0.5f, 0.5f, 0.5f}, cube));
    EXPECT_TRUE(IsBoxOutside({3, 3, 3}, {4, 4, 4}, cube));
    EXPECT_FALSE(IsBoxOutside({1.05f, -0.1f, -0.1f}, {1.25f, 0.1f, 0.1f}, cube));
    EXPECT_TRUE(IsBoxOutside({1.2f, -0.1f, -0.1f}, {1.3f, 0.1f, 0.1f}, cube));
}

// Points are outside when all lie behind one plane; points spread outside
// across two planes (beside a corner of the view) count as inside.
TEST(Frustum, PointsOutsideWhenAllBehindOnePlane)
{
    const TFrustumPlanes cube = ExtractFrustumFromModelViewProjection(IdentityHmgMatrix);
    const TAffineVector inside[] = {{0, 0, 0}, {5, 5, 5}};
    const TAffineVector beyondRight[] = {{1.5f, 0, 0}, {3, 4, -2}, {1.01f, -9, 9}};
    const TAffineVector besideACorner[] = {{1.5f, 0, 0}, {0, 1.5f, 0}};
    EXPECT_FALSE(ArePointsOutside(inside, cube));
    EXPECT_TRUE(ArePointsOutside(beyondRight, cube));
    EXPECT_FALSE(ArePointsOutside(besideACorner, cube));
    EXPECT_FALSE(ArePointsOutside({}, cube));
}

}  // namespace
