#pragma once
// Constants of the geometry: the smallest determinant inversion accepts, the
// identity matrix and the null vectors.
#include "scene3d/geometry/vectortypes.h"

// A denormal single: matrices whose determinant (or, for rigid inversion,
// squared scale) is smaller in magnitude invert to the identity.
inline constexpr float EPSILON = 1e-40f;

inline constexpr TMatrix IdentityHmgMatrix{{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};

inline constexpr TAffineVector NullVector{0, 0, 0};
inline constexpr TVector NullHmgVector{0, 0, 0, 0};
// The homogeneous origin.
inline constexpr TVector NullHmgPoint{0, 0, 0, 1};
