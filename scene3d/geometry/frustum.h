#pragma once
// The view frustum: its planes from a combined model-view-projection matrix and
// whether a sphere or a box lies wholly outside it.
#include <span>

#include "scene3d/geometry/vectortypes.h"

// With column k = (m[0][k], m[1][k], m[2][k], m[3][k]): left = col3 + col0,
// top = col3 - col1, right = col3 - col0, bottom = col3 + col1,
// near = col3 + col2, far = col3 - col2, each normalised.
TFrustumPlanes ExtractFrustumFromModelViewProjection(const TMatrix& modelViewProjection);
// Outside when the centre lies more than radius behind any plane; a sphere
// that just touches a plane from outside (distance exactly -radius) is visible.
bool IsSphereOutside(const TAffineVector& centre, float radius, const TFrustumPlanes& frustum);
// The test for the sphere around the box: centre (min + max)/2, radius |max - min|/2.
bool IsBoxOutside(const TAffineVector& min, const TAffineVector& max, const TFrustumPlanes& frustum);
// Whether every point lies behind one and the same plane, so that the body
// they span (a box by its corners) lies wholly outside. A body outside only
// across a corner of the frustum counts as inside.
bool ArePointsOutside(std::span<const TAffineVector> points, const TFrustumPlanes& frustum);
