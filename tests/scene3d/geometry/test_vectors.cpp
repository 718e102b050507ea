#include "scene3d/geometry/geometryconstants.h"
#include "scene3d/geometry/vectorarithmetic.h"
#include "scene3d/geometry/vectorcompare.h"
#include "scene3d/geometry/vectorlength.h"
#include "scene3d/geometry/vectorlerp.h"
#include "scene3d/geometry/vectormake.h"
#include "scene3d/geometry/vectorproducts.h"
#include "tests/scene3d/geometry/geometrytesting.h"

#include "platform/rtl/exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

const float NaN = std::numeric_limits<float>::quiet_NaN();

// Equality is on the stored bits, the null test on values: -0 and +0 are the
// same value but different bits, a NaN is no value but equals its own bits.
TEST(VectorCompare, EqualityIsBitExactWhileTheNullTestComparesValues)
{
    struct Case {
        TVector a;
        TVector b;
        bool equal;
    };
    const Case cases[] = {
        {{1, 2, 3, 4}, {1, 2, 3, 4}, true},
        {{0, 0, 0, 0}, {-0.0f, 0, 0, 0}, false},
        {{1, 2, 3, 0}, {1, 2, 3, -0.0f}, false},  // W takes part
        {{NaN, 0, 0, 0}, {NaN, 0, 0, 0}, true},
        {{1, 2, 3, 4}, {1, 2, 3, std::nextafter(4.0f, 5.0f)}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VectorEquals(c.a, c.b), c.equal) << c.a.X << " " << c.b.X << " " << c.a.W << " " << c.b.W;

    EXPECT_TRUE(VectorEquals(TAffineVector{1, 2, 3}, TAffineVector{1, 2, 3}));
    EXPECT_FALSE(VectorEquals(TAffineVector{1, 2, -0.0f}, TAffineVector{1, 2, 0}));
    EXPECT_TRUE(VectorIsNull({-0.0f, 0, -0.0f}));
    EXPECT_FALSE(VectorIsNull({0, 0, std::numeric_limits<float>::denorm_min()}));
    EXPECT_FALSE(VectorIsNull({NaN, 0, 0}));
}

TEST(VectorMake, PointsAndDirections)
{
    TVector v;
    SetVector4(v, 1, 2, 3);
    EXPECT_TRUE(VectorEquals(v, TVector{1, 2, 3, 1}));
    EXPECT_TRUE(VectorEquals(PointMake({1, 2, 3}), TVector{1, 2, 3, 1}));
    EXPECT_TRUE(VectorEquals(DirectionMake({1, 2, 3}), TVector{1, 2, 3, 0}));
    EXPECT_TRUE(VectorEquals(VectorMake(TAffineVector{1, 2, 3}, 7), TVector{1, 2, 3, 7}));
    EXPECT_TRUE(VectorEquals(AffineVectorMake(TVector{1, 2, 3, 7}), TAffineVector{1, 2, 3}));
}

// Homogeneous sums and combinations act on W too; the affine forms have none.
TEST(VectorArithmetic, HomogeneousFormsIncludeW)
{
    const TVector a{1, 2, 3, 1};
    const TVector b{4, 5, 6, 1};
    EXPECT_TRUE(Near(VectorAdd(a, b), {5, 7, 9, 2}));
    EXPECT_TRUE(Near(VectorSubtract(a, b), {-3, -3, -3, 0}));
    EXPECT_TRUE(Near(VectorCombine(a, b, 2), {9, 12, 15, 3}));
    EXPECT_TRUE(Near(VectorScale(a, -2), {-2, -4, -6, -2}));
    EXPECT_TRUE(Near(VectorNegate(a), {-1, -2, -3, -1}));
    EXPECT_TRUE(Near(VectorAbs({-1, 2, -0.5f, -4}), {1, 2, 0.5f, 4}));

    TVector m{1, 5, -3, 0};
    MaxVector(m, {2, 4, -1, -1});
    EXPECT_TRUE(Near(m, {2, 5, -1, 0}));

    TVector s{1, 2, 3, 4};
    ScaleVector(s, TVector{2, 3, 4, 5});
    EXPECT_TRUE(Near(s, {2, 6, 12, 20}));

    TAffineVector c{1, 1, 1};
    CombineVector(c, {1, 2, 3}, 0.5f);
    EXPECT_TRUE(Near(c, {1.5f, 2, 2.5f}));
    EXPECT_TRUE(Near(VectorCombine(TAffineVector{1, 0, 0}, TAffineVector{0, 1, 0}, 2, 3), {2, 3, 0}));

    TAffineVector d{1, 2, 3};
    SubtractVector(d, {1, 1, 1});
    AddVector(d, {0, 0, 10});
    ScaleVector(d, 2);
    NegateVector(d);
    EXPECT_TRUE(Near(d, {0, -2, -24}));
}

// A sum of products is rounded to single once, at the end: 1 + 2^-24 - 1 in
// single steps would lose the small term.
TEST(VectorProducts, DotProductRoundsOnceAtTheEnd)
{
    const float small = std::ldexp(1.0f, -24);
    EXPECT_EQ(VectorDotProduct(TAffineVector{1, small, -1}, TAffineVector{1, 1, 1}), small);
    EXPECT_EQ(VectorDotProduct(TVector{1, 2, 3, 4}, TVector{1, 1, 1, 1}), 10);
    EXPECT_EQ(PointProject({3, 5, 7}, {1, 1, 1}, {0, 1, 0}), 4);
}

TEST(VectorProducts, CrossProductIsRightHandedAndADirection)
{
    EXPECT_TRUE(Near(VectorCrossProduct(TAffineVector{1, 0, 0}, TAffineVector{0, 1, 0}), {0, 0, 1}));
    EXPECT_TRUE(Near(VectorCrossProduct(TAffineVector{0, 1, 0}, TAffineVector{1, 0, 0}), {0, 0, -1}));
    EXPECT_TRUE(VectorEquals(VectorCrossProduct(TVector{0, 1, 0, 1}, TVector{0, 0, 1, 1}), TVector{1, 0, 0, 0}));
    EXPECT_TRUE(Near(VectorPerpendicular({3, 4, 5}, {0, 0, 1}), {3, 4, 0}));
}

// Homogeneous lengths and normalisation use X, Y, Z only; normalising sets W to 0.
TEST(VectorLength, HomogeneousFormsLeaveOutW)
{
    EXPECT_EQ(VectorLength(3.0f, 4.0f), 5);
    EXPECT_EQ(VectorLength(TAffineVector{2, 3, 6}), 7);
    EXPECT_EQ(VectorLength(TVector{2, 3, 6, 100}), 7);
    EXPECT_EQ(VectorNorm({2, 3, 6}), 49);
    EXPECT_TRUE(Near(VectorNormalize(TVector{0, 3, 4, 1}), {0, 0.6f, 0.8f, 0}));
    EXPECT_TRUE(Near(VectorNormalize(TAffineVector{0, 0, -2}), {0, 0, -1}));
    EXPECT_EQ(VectorSpacing({1, 2, 3}, {0, 4, -1}), 7);
    EXPECT_EQ(VectorDistance({1, 2, 3}, {3, 5, 9}), 7);
    EXPECT_EQ(VectorDistance2({1, 2, 3}, {3, 5, 9}), 49);
    // A zero vector is not guarded: its direction is NaN.
    EXPECT_TRUE(std::isnan(VectorNormalize(NullVector).X));
}

TEST(VectorLerp, BetweenAndBeyondTheEnds)
{
    EXPECT_TRUE(Near(VectorLerp(TAffineVector{0, 0, 0}, TAffineVector{2, 4, 8}, 0.25f), {0.5f, 1, 2}));
    EXPECT_TRUE(Near(VectorLerp(TAffineVector{0, 0, 0}, TAffineVector{2, 4, 8}, -1), {-2, -4, -8}));
    EXPECT_TRUE(Near(VectorLerp(TVector{0, 0, 0, 1}, TVector{2, 4, 8, 0}, 0.5f), {1, 2, 4, 0.5f}));
}

TEST(VectorBulk, ArraysMatchTheSingleFormsAndRefuseMismatchedSizes)
{
    const std::vector<TAffineVector> a{{1, 0, 0}, {0, 2, 0}, {0, 0, 3}};
    const std::vector<TAffineVector> b{{3, 0, 0}, {0, 4, 0}, {0, 0, 5}};
    std::vector<TAffineVector> out(3);

    VectorArrayAdd(a, {1, 1, 1}, out);
    for (size_t i = 0; i < a.size(); ++i)
        EXPECT_TRUE(VectorEquals(out[i], VectorAdd(a[i], {1, 1, 1}))) << i;

    VectorArrayLerp(a, b, 0.5f, out);
    for (size_t i = 0; i < a.size(); ++i)
        EXPECT_TRUE(VectorEquals(out[i], VectorLerp(a[i], b[i], 0.5f))) << i;

    const std::vector<TVector> ha{{0, 0, 0, 0}, {1, 1, 1, 1}};
    const std::vector<TVector> hb{{2, 2, 2, 2}, {3, 3, 3, 3}};
    std::vector<TVector> hout(2);
    VectorArrayLerp(ha, hb, 0.5f, hout);
    EXPECT_TRUE(Near(hout[0], {1, 1, 1, 1}));
    EXPECT_TRUE(Near(hout[1], {2, 2, 2, 2}));

    std::vector<TAffineVector> n{{3, 0, 4}, {0, -5, 0}};
    NormalizeVectorArray(n);
    EXPECT_TRUE(Near(n[0], {0.6f, 0, 0.8f}));
    EXPECT_TRUE(Near(n[1], {0, -1, 0}));

    std::vector<TAffineVector> tooShort(2);
    EXPECT_THROW(VectorArrayAdd(a, {1, 1, 1}, tooShort), EAssertionFailed);
    EXPECT_THROW(VectorArrayLerp(a, tooShort, 0.5f, out), EAssertionFailed);
}

}  // namespace
