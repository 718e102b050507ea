#pragma once
// Component arithmetic on vectors: sums, differences, weighted combinations,
// negation, scaling, absolute values and maxima. "Vector..." forms return the
// result; the verb-first forms ("AddVector") change their first argument.
// Homogeneous forms act on all four components.
#include "scene3d/geometry/vectortypes.h"

#include <span>

TAffineVector VectorAdd(const TAffineVector& v1, const TAffineVector& v2);
TVector VectorAdd(const TVector& v1, const TVector& v2);
void AddVector(TAffineVector& v1, const TAffineVector& v2);
void AddVector(TVector& v1, const TVector& v2);
// dest[i] = src[i] + delta for every item; dest holds as many items as src.
void VectorArrayAdd(std::span<const TAffineVector> src, const TAffineVector& delta, std::span<TAffineVector> dest);

TAffineVector VectorSubtract(const TAffineVector& v1, const TAffineVector& v2);
TVector VectorSubtract(const TVector& v1, const TVector& v2);
void SubtractVector(TAffineVector& v1, const TAffineVector& v2);
void SubtractVector(TVector& v1, const TVector& v2);

// v1 + f*v2.
TVector VectorCombine(const TVector& v1, const TVector& v2, float f);
// v1 += f*v2.
void CombineVector(TAffineVector& v1, const TAffineVector& v2, float f);
// f1*v1 + f2*v2.
TAffineVector VectorCombine(const TAffineVector& v1, const TAffineVector& v2, float f1, float f2);

TAffineVector VectorNegate(const TAffineVector& v);
TVector VectorNegate(const TVector& v);
void NegateVector(TAffineVector& v);
void NegateVector(TVector& v);

TAffineVector VectorScale(const TAffineVector& v, float factor);
TVector VectorScale(const TVector& v, float factor);
void ScaleVector(TAffineVector& v, float factor);
void ScaleVector(TVector& v, float factor);
// Component by component: v.X *= factor.X, ...
void ScaleVector(TAffineVector& v, const TAffineVector& factor);
void ScaleVector(TVector& v, const TVector& factor);

// The absolute value of each component.
TVector VectorAbs(const TVector& v);
// v becomes the component-wise maximum of v and other.
void MaxVector(TVector& v, const TVector& other);
