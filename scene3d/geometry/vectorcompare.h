#pragma once
// Comparing vectors. Equality compares the stored bits, so -0 differs from +0
// and a NaN equals the same NaN; the null test compares values.
#include "scene3d/geometry/vectortypes.h"

bool VectorEquals(const TAffineVector& v1, const TAffineVector& v2);
bool VectorEquals(const TVector& v1, const TVector& v2);
// All three components equal to 0 (-0 included).
bool VectorIsNull(const TAffineVector& v);
