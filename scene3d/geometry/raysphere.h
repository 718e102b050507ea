#pragma once
// Where a ray meets a sphere.
#include "scene3d/geometry/vectortypes.h"

// The points where the ray from rayStart along the unit vector rayVector
// meets the sphere, nearest first; returns how many (0, 1 or 2) were written.
// A ray that only touches the sphere ahead of its start has one hit; a ray
// that starts inside has one, where it leaves; a sphere wholly behind the
// start has none.
int RayCastSphereIntersect(const TAffineVector& rayStart, const TAffineVector& rayVector,
                           const TAffineVector& centre, float radius, TAffineVector& i1, TAffineVector& i2);
