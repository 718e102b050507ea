#pragma once
// Building transformation matrices: scale and translation, rotation about an
// axis, and putting a drifted rotation back into shape.
#include "scene3d/geometry/vectortypes.h"

// The identity with the diagonal (scale.X, scale.Y, scale.Z, 1) and row 3
// (offset.X, offset.Y, offset.Z, 1).
TMatrix CreateScaleAndTranslationMatrix(const TAffineVector& scale, const TAffineVector& offset);
// The rotation by angle (radians) about the axis, which is normalised first.
// With the axis (0, 0, 1) and a quarter turn, (1, 0, 0) goes to (0, -1, 0).
TMatrix CreateRotationMatrix(const TAffineVector& axis, float angle);
// v (all four components) times the rotation matrix.
void RotateVector(TVector& v, const TAffineVector& axis, float angle);
// Makes the rotation rows unit length and perpendicular, keeping the
// direction of row 1 and the plane of rows 0 and 1; row 3 becomes (0, 0, 0, 1).
void NormalizeMatrix(TMatrix& m);
