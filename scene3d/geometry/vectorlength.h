#pragma once
// Lengths, normalisation and distances. Normalising a zero vector is not
// guarded: its components come out NaN.
#include "scene3d/geometry/vectortypes.h"

#include <span>

// sqrt(x^2 + y^2).
float VectorLength(float x, float y);
float VectorLength(const TAffineVector& v);
// The length of the X, Y, Z part; W is left out.
float VectorLength(const TVector& v);
// The squared length.
float VectorNorm(const TAffineVector& v);

void NormalizeVector(TAffineVector& v);
TAffineVector VectorNormalize(const TAffineVector& v);
// Scales X, Y, Z by their own length and sets W to 0.
void NormalizeVector(TVector& v);
TVector VectorNormalize(const TVector& v);
void NormalizeVectorArray(std::span<TAffineVector> vectors);

// |dx| + |dy| + |dz|.
float VectorSpacing(const TAffineVector& v1, const TAffineVector& v2);
float VectorDistance(const TAffineVector& v1, const TAffineVector& v2);
// The squared distance.
float VectorDistance2(const TAffineVector& v1, const TAffineVector& v2);
