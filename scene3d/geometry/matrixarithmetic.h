#pragma once
// Products of matrices and vectors, scaling and transposition.
#include "scene3d/geometry/vectortypes.h"

// a x b: row r of the result is the sum over k of a[r][k] * row k of b. The
// result is a new value, so m = MatrixMultiply(m, n) is safe.
TMatrix MatrixMultiply(const TMatrix& a, const TMatrix& b);

// v x m over all four components.
TVector VectorTransform(const TVector& v, const TMatrix& m);
// v as a point: X*row0 + Y*row1 + Z*row2 + row3, X, Y, Z of the rows.
TAffineVector VectorTransform(const TAffineVector& v, const TMatrix& m);

// Multiplies all sixteen entries.
void ScaleMatrix(TMatrix& m, double factor);
void TransposeMatrix(TMatrix& m);
