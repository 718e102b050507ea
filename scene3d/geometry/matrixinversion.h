#pragma once
// Determinants and inverses. A matrix that cannot be inverted (determinant, or
// for a rigid matrix its squared scale, below EPSILON in magnitude or NaN)
// becomes the identity; nothing raises.
#include "scene3d/geometry/vectortypes.h"

float MatrixDeterminant(const TMatrix& m);
// Replaces m by its adjugate: each entry becomes the signed cofactor of the
// transposed position.
void AdjointMatrix(TMatrix& m);
void InvertMatrix(TMatrix& m);
// For a rotation with uniform scale followed by a translation: inverts by
// transposing and rescaling the rotation, without a determinant.
void InvertRigidMatrix(TMatrix& m);
