#include "scene3d/geometry/geometryconstants.h"
#include "scene3d/geometry/matrixarithmetic.h"
#include "scene3d/geometry/matrixbuild.h"
#include "scene3d/geometry/vectorcompare.h"
#include "scene3d/geometry/vectorlength.h"
#include "scene3d/geometry/vectormake.h"
#include "scene3d/geometry/vectorproducts.h"
#include "tests/scene3d/geometry/geometrytesting.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

const float QuarterTurn = float(std::numbers::pi / 2);

const TMatrix Sample{{{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}}};

bool BitEqual(const TMatrix& a, const TMatrix& b)
{
    for (int r = 0; r < 4; ++r)
        if (!VectorEquals(a[r], b[r]))
            return false;
    return true;
}

TEST(MatrixArithmetic, IdentityLeavesAMatrixUnchangedAlsoWhenTheResultAliasesAnInput)
{
    EXPECT_TRUE(BitEqual(MatrixMultiply(Sample, IdentityHmgMatrix), Sample));
    EXPECT_TRUE(BitEqual(MatrixMultiply(IdentityHmgMatrix, Sample), Sample));
    TMatrix m = Sample;
    m = MatrixMultiply(m, IdentityHmgMatrix);
    EXPECT_TRUE(BitEqual(m, Sample));
    m = MatrixMultiply(IdentityHmgMatrix, m);
    EXPECT_TRUE(BitEqual(m, Sample));
    // Squaring in place reads the original on both sides.
    m = MatrixMultiply(m, m);
    EXPECT_EQ(m[0][0], 1 * 1 + 2 * 5 + 3 * 9 + 4 * 13);
    EXPECT_EQ(m[3][3], 13 * 4 + 14 * 8 + 15 * 12 + 16 * 16);
}

// Row vectors: transforming by a x b is transforming by a, then by b.
TEST(MatrixArithmetic, ProductAppliesTheLeftMatrixFirst)
{
    const TMatrix move = CreateScaleAndTranslationMatrix({1, 1, 1}, {10, 0, 0});
    const TMatrix turn = CreateRotationMatrix({0, 0, 1}, QuarterTurn);
    const TAffineVector p{1, 2, 3};
    EXPECT_TRUE(Near(VectorTransform(p, MatrixMultiply(move, turn)), VectorTransform(VectorTransform(p, move), turn),
                     1e-5));
    EXPECT_TRUE(Near(VectorTransform(p, MatrixMultiply(move, turn)), {2, -11, 3}, 1e-5));
}

// A point moves with row 3, a direction (W 0) does not.
TEST(MatrixArithmetic, TransformOfPointsAndDirections)
{
    const TMatrix m = CreateScaleAndTranslationMatrix({2, 3, 4}, {10, 20, 30});
    EXPECT_TRUE(Near(VectorTransform(TAffineVector{1, 1, 1}, m), {12, 23, 34}));
    EXPECT_TRUE(Near(VectorTransform(TVector{1, 1, 1, 1}, m), {12, 23, 34, 1}));
    EXPECT_TRUE(Near(VectorTransform(TVector{1, 1, 1, 0}, m), {2, 3, 4, 0}));
    EXPECT_TRUE(Near(VectorTransform(TVector{1, 0, 0, 0}, Sample), Sample[0]));
}

TEST(MatrixArithmetic, TransposeAndScale)
{
    TMatrix identity = IdentityHmgMatrix;
    TransposeMatrix(identity);
    EXPECT_TRUE(BitEqual(identity, IdentityHmgMatrix));

    TMatrix m = Sample;
    TransposeMatrix(m);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(m[r][c], Sample[c][r]) << r << "," << c;

    ScaleMatrix(m, -0.5);
    EXPECT_EQ(m[3][0], -2);
    EXPECT_EQ(m[0][3], -6.5f);
}

// A quarter turn about +z takes +x to -y and +y to +x; the axis need not be
// of unit length.
TEST(MatrixBuild, QuarterTurnAboutZ)
{
    struct Case {
        TVector v;
        TVector expected;
    };
    const Case cases[] = {
        {{1, 0, 0, 0}, {0, -1, 0, 0}},
        {{0, 1, 0, 0}, {1, 0, 0, 0}},
        {{0, 0, 1, 1}, {0, 0, 1, 1}},
    };
    for (const TAffineVector& axis : {TAffineVector{0, 0, 1}, TAffineVector{0, 0, 5}})
        for (const Case& c : cases) {
            TVector v = c.v;
            RotateVector(v, axis, QuarterTurn);
            EXPECT_TRUE(Near(v, c.expected)) << axis.Z;
        }
    TVector back{1, 0, 0, 0};
    RotateVector(back, {0, 0, -1}, QuarterTurn);
    EXPECT_TRUE(Near(back, {0, 1, 0, 0}));
}

TEST(MatrixBuild, RotationKeepsLengthsAndTheAxis)
{
    const TMatrix m = CreateRotationMatrix({1, 1, 1}, 1.2f);
    EXPECT_TRUE(Near(VectorTransform(TAffineVector{2, 2, 2}, m), {2, 2, 2}, 1e-5));
    EXPECT_NEAR(VectorLength(VectorTransform(TAffineVector{3, -4, 12}, m)), 13, 1e-5);
    // A third of a turn about (1, 1, 1) cycles the axes.
    const TMatrix third = CreateRotationMatrix({1, 1, 1}, float(2 * std::numbers::pi / 3));
    EXPECT_TRUE(Near(VectorTransform(TAffineVector{1, 0, 0}, third), {0, 0, 1}, 1e-6));
}

// Rows 0 and 1 that drifted apart from square come back as an orthonormal
// frame: row 1 keeps its direction, row 0 its plane with row 1.
TEST(MatrixBuild, NormalizeMatrixGivesAnOrthonormalFrame)
{
    TMatrix m{{{2, 0, 0, 5}, {1, 1, 0, 7}, {9, 9, 9, 9}, {1, 2, 3, 4}}};
    NormalizeMatrix(m);
    for (int r = 0; r < 3; ++r) {
        EXPECT_NEAR(VectorLength(m[r]), 1, 1e-6) << r;
        EXPECT_EQ(m[r].W, 0) << r;
        for (int k = r + 1; k < 3; ++k)
            EXPECT_NEAR(VectorDotProduct(AffineVectorMake(m[r].X, m[r].Y, m[r].Z),
                                         AffineVectorMake(m[k].X, m[k].Y, m[k].Z)),
                        0, 1e-6)
                << r << "," << k;
    }
    const float h = float(std::numbers::sqrt2 / 2);
    EXPECT_TRUE(Near(m[0], {h, -h, 0, 0}));
    EXPECT_TRUE(Near(m[1], {h, h, 0, 0}));
    EXPECT_TRUE(Near(m[2], {0, 0, 1, 0}));
    EXPECT_TRUE(VectorEquals(m[3], NullHmgPoint));
}

}  // namespace
