#pragma once
// Linear interpolation between vectors: v1 + t*(v2 - v1).
#include "scene3d/geometry/vectortypes.h"

#include <span>

TAffineVector VectorLerp(const TAffineVector& v1, const TAffineVector& v2, float t);
// Over all four components.
TVector VectorLerp(const TVector& v1, const TVector& v2, float t);
// dest[i] = VectorLerp(src1[i], src2[i], t); the three spans hold as many items.
void VectorArrayLerp(std::span<const TAffineVector> src1, std::span<const TAffineVector> src2, float t,
                     std::span<TAffineVector> dest);
void VectorArrayLerp(std::span<const TVector> src1, std::span<const TVector> src2, float t, std::span<TVector> dest);
