#include "scene3d/geometry/matrixinversion.h"

#include "scene3d/geometry/geometryconstants.h"
#include "scene3d/geometry/matrixarithmetic.h"

#include <cmath>

namespace {

// The determinant of the 3x3 matrix given row by row, rounded to single.
float Determinant3(double a1, double a2, double a3, double b1, double b2, double b3, double c1, double c2, double c3)
{
    return float(a1 * (b2 * c3 - b3 * c2) - b1 * (a2 * c3 - a3 * c2) + c1 * (a2 * b3 - a3 * b2));
}

// The determinant of m without the row and the column given.
float Minor(const TMatrix& m, int row, int column)
{
    float entries[9];
    int n = 0;
    for (int r = 0; r < 4; ++r)
        if (r != row)
            for (int c = 0; c < 4; ++c)
                if (c != column)
                    entries[n++] = m[r][c];
    return Determinant3(entries[0], entries[1], entries[2], entries[3], entries[4], entries[5], entries[6], entries[7],
                        entries[8]);
}

}  // namespace

float MatrixDeterminant(const TMatrix& m)
{
    return float(double(m[0][0]) * Minor(m, 0, 0) - double(m[0][1]) * Minor(m, 0, 1)
                 + double(m[0][2]) * Minor(m, 0, 2) - double(m[0][3]) * Minor(m, 0, 3));
}

void AdjointMatrix(TMatrix& m)
{
    TMatrix adjoint;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const float minor = Minor(m, c, r);
            adjoint[r][c] = (r + c) % 2 == 0 ? minor : -minor;
        }
    m = adjoint;
}

void InvertMatrix(TMatrix& m)
{
    const float det = MatrixDeterminant(m);
    if (!(std::fabs(det) >= EPSILON)) {  // NaN included
        m = IdentityHmgMatrix;
        return;
    }
    AdjointMatrix(m);
    ScaleMatrix(m, 1 / double(det));
}

void InvertRigidMatrix(TMatrix& m)
{
    const float scale2 = float(double(m[0][0]) * m[0][0] + double(m[0][1]) * m[0][1] + double(m[0][2]) * m[0][2]);
    if (!(std::fabs(scale2) >= EPSILON)) {
        m = IdentityHmgMatrix;
        return;
    }
    const double inverse = 1 / double(scale2);
    TMatrix result = IdentityHmgMatrix;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            result[r][c] = float(m[c][r] * inverse);
    const TVector& translation = m[3];
    for (int c = 0; c < 3; ++c)
        result[3][c] = float(-(double(result[0][c]) * translation.X + double(result[1][c]) * translation.Y
                               + double(result[2][c]) * translation.Z));
    m = result;
}
