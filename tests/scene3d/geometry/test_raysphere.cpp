#include "scene3d/geometry/raysphere.h"
#include "tests/scene3d/geometry/geometrytesting.h"

#include <gtest/gtest.h>

namespace {

// Rays along +x against the unit sphere at the origin.
TEST(RaySphere, HitsByWhereTheRayStarts)
{
    struct Case {
        const char* name;
        TAffineVector start;
        int hits;
        TAffineVector i1;
        TAffineVector i2;
    };
    const Case cases[] = {
        {"miss", {-5, 2, 0}, 0, {}, {}},
        {"through", {-5, 0, 0}, 2, {-1, 0, 0}, {1, 0, 0}},
        {"tangent ahead", {-5, 1, 0}, 1, {0, 1, 0}, {}},
        {"tangent at the start", {0, 0, 1}, 0, {}, {}},
        {"tangent behind", {5, 1, 0}, 0, {}, {}},
        {"start inside", {0, 0, 0}, 1, {1, 0, 0}, {}},
        {"start inside, off centre", {-0.5f, 0.6f, 0}, 1, {0.8f, 0.6f, 0}, {}},
        {"start on the surface, leaving", {1, 0, 0}, 1, {1, 0, 0}, {}},
        {"start on the surface, entering", {-1, 0, 0}, 2, {-1, 0, 0}, {1, 0, 0}},
        {"behind", {5, 0, 0}, 0, {}, {}},
    };
    const TAffineVector marker{99, 99, 99};
    for (const Case& c : cases) {
        TAffineVector i1 = marker;
        TAffineVector i2 = marker;
        EXPECT_EQ(RayCastSphereIntersect(c.start, {1, 0, 0}, {0, 0, 0}, 1, i1, i2), c.hits) << c.name;
        EXPECT_TRUE(Near(i1, c.hits >= 1 ? c.i1 : marker)) << c.name;
        EXPECT_TRUE(Near(i2, c.hits == 2 ? c.i2 : marker)) << c.name;
    }
}

TEST(RaySphere, SphereAwayFromTheOrigin)
{
    TAffineVector i1;
    TAffineVector i2;
    ASSERT_EQ(RayCastSphereIntersect({1, 1, 1}, {0, 0, -1}, {1, 1, -10}, 2, i1, i2), 2);
    EXPECT_TRUE(Near(i1, {1, 1, -8}));
    EXPECT_TRUE(Near(i2, {1, 1, -12}));
}

}  // namespace
