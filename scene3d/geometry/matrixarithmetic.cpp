#include "scene3d/geometry/matrixarithmetic.h"

#include <utility>

TMatrix MatrixMultiply(const TMatrix& a, const TMatrix& b)
{
    TMatrix result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            result[r][c] = float(double(a[r][0]) * b[0][c] + double(a[r][1]) * b[1][c] + double(a[r][2]) * b[2][c]
                                 + double(a[r][3]) * b[3][c]);
    return result;
}

TVector VectorTransform(const TVector& v, const TMatrix& m)
{
    TVector result;
    for (int c = 0; c < 4; ++c)
        result[c] = float(double(v.X) * m[0][c] + double(v.Y) * m[1][c] + double(v.Z) * m[2][c] + double(v.W) * m[3][c]);
    return result;
}

TAffineVector VectorTransform(const TAffineVector& v, const TMatrix& m)
{
    TAffineVector result;
    for (int c = 0; c < 3; ++c)
        result[c] = float(double(v.X) * m[0][c] + double(v.Y) * m[1][c] + double(v.Z) * m[2][c] + m[3][c]);
    return result;
}

void ScaleMatrix(TMatrix& m, double factor)
{
    for (TVector& row : m)
        for (int c = 0; c < 4; ++c)
            row[c] = float(row[c] * factor);
}

void TransposeMatrix(TMatrix& m)
{
    for (int r = 0; r < 4; ++r)
        for (int c = r + 1; c < 4; ++c)
            std::swap(m[r][c], m[c][r]);
}
