#include "scene3d/geometry/geometryconstants.h"
#include "scene3d/geometry/matrixarithmetic.h"
#include "scene3d/geometry/matrixbuild.h"
#include "scene3d/geometry/matrixinversion.h"
#include "scene3d/geometry/vectorcompare.h"
#include "tests/scene3d/geometry/geometrytesting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TMatrix Diagonal(float a, float b, float c, float d)
{
    return {{{a, 0, 0, 0}, {0, b, 0, 0}, {0, 0, c, 0}, {0, 0, 0, d}}};
}

bool IsIdentity(const TMatrix& m)
{
    for (int r = 0; r < 4; ++r)
        if (!VectorEquals(m[r], IdentityHmgMatrix[r]))
            return false;
    return true;
}

// A rotation about a slanted axis, scaled uniformly, then moved.
TMatrix RigidMatrix(float scale)
{
    TMatrix m = CreateRotationMatrix({1, 2, 3}, 0.7f);
    ScaleMatrix(m, scale);
    m[3] = {4, -5, 6, 1};
    return m;
}

TEST(MatrixInversion, DeterminantsAndTheAdjugate)
{
    EXPECT_EQ(MatrixDeterminant(IdentityHmgMatrix), 1);
    EXPECT_EQ(MatrixDeterminant(Diagonal(2, 3, 4, 5)), 120);
    // Swapping two rows changes the sign.
    const TMatrix swapped{{{0, 1, 0, 0}, {1, 0, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};
    EXPECT_EQ(MatrixDeterminant(swapped), -1);
    EXPECT_NEAR(MatrixDeterminant(RigidMatrix(2)), 8, 1e-5);

    // m x adj(m) = det(m) x identity.
    const TMatrix m{{{2, 1, 0, 0}, {1, 3, 1, 0}, {0, 1, 4, 1}, {1, 0, 1, 5}}};
    TMatrix adjoint = m;
    AdjointMatrix(adjoint);
    TMatrix expected = IdentityHmgMatrix;
    ScaleMatrix(expected, MatrixDeterminant(m));
    EXPECT_TRUE(Near(MatrixMultiply(m, adjoint), expected, 1e-4));
}

// Nothing raises: a matrix without an inverse becomes the identity.
TEST(MatrixInversion, SingularMatricesBecomeTheIdentity)
{
    const float NaN = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        const char* name;
        TMatrix m;
    };
    const Case cases[] = {
        {"zero", TMatrix{}},
        {"two equal rows", {{{1, 2, 3, 4}, {1, 2, 3, 4}, {0, 0, 1, 0}, {0, 0, 0, 1}}}},
        {"flattened along z", Diagonal(1, 1, 0, 1)},
        {"determinant below EPSILON", Diagonal(1e-11f, 1e-11f, 1e-11f, 1e-11f)},
        {"NaN entry", Diagonal(1, NaN, 1, 1)},
    };
    for (const Case& c : cases) {
        TMatrix m = c.m;
        InvertMatrix(m);
        EXPECT_TRUE(IsIdentity(m)) << c.name;
    }

    TMatrix flat = RigidMatrix(1);
    flat[0] = {0, 0, 0, 0};
    InvertRigidMatrix(flat);
    EXPECT_TRUE(IsIdentity(flat)) << "rigid with a zero row 0";
}

TEST(MatrixInversion, GeneralInverseTimesTheMatrixIsTheIdentity)
{
    struct Case {
        const char* name;
        TMatrix m;
        double tolerance;
    };
    const Case cases[] = {
        {"scale and move", CreateScaleAndTranslationMatrix({2, 4, 0.5f}, {1, -2, 3}), 1e-6},
        {"rigid", RigidMatrix(3), 1e-5},
        {"shear", {{{1, 0, 0, 0}, {0.5f, 1, 0, 0}, {0.25f, 0.75f, 1, 0}, {0, 0, 0, 1}}}, 1e-6},
        // A perspective projection: near 1, far 100, a 90 degree view.
        {"perspective", {{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, -101.0f / 99, -1}, {0, 0, -200.0f / 99, 0}}}, 1e-5},
        {"general", {{{2, 1, 0, 3}, {1, 3, 1, 0}, {0, 1, 4, 1}, {1, 0, 1, 5}}}, 1e-5},
    };
    for (const Case& c : cases) {
        TMatrix inverse = c.m;
        InvertMatrix(inverse);
        EXPECT_TRUE(Near(MatrixMultiply(c.m, inverse), IdentityHmgMatrix, c.tolerance)) << c.name;
        EXPECT_TRUE(Near(MatrixMultiply(inverse, c.m), IdentityHmgMatrix, c.tolerance)) << c.name;
    }
}

// A determinant between EPSILON and the smallest normal single still inverts;
// its reciprocal lies beyond the single range, so it must not be rounded to
// single before scaling.
TEST(MatrixInversion, TinyDeterminantAboveEpsilonInverts)
{
    const float a = 1.7782794e-10f;  // a^4 is about 1e-39
    TMatrix m = Diagonal(a, a, a, a);
    ASSERT_GE(std::fabs(MatrixDeterminant(m)), EPSILON);
    InvertMatrix(m);
    EXPECT_NEAR(m[0][0] * a, 1, 1e-4);
    EXPECT_NEAR(m[3][3] * a, 1, 1e-4);
}

TEST(MatrixInversion, RigidInverseMatchesTheGeneralOne)
{
    for (float scale : {1.0f, 2.0f, 0.5f}) {
        const TMatrix m = RigidMatrix(scale);
        TMatrix rigid = m;
        InvertRigidMatrix(rigid);
        TMatrix general = m;
        InvertMatrix(general);
        EXPECT_TRUE(Near(rigid, general, 1e-5)) << scale;
        EXPECT_TRUE(Near(MatrixMultiply(m, rigid), IdentityHmgMatrix, 1e-5)) << scale;
        // Column 3 is (0, 0, 0, 1).
        for (int r = 0; r < 4; ++r)
            EXPECT_EQ(rigid[r][3], r == 3 ? 1 : 0) << scale << " row " << r;
    }
}

}  // namespace
