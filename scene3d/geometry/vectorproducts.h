#pragma once
// Dot and cross products and the projections built on them.
#include "scene3d/geometry/vectortypes.h"

float VectorDotProduct(const TAffineVector& v1, const TAffineVector& v2);
// Over all four components.
float VectorDotProduct(const TVector& v1, const TVector& v2);
// (p - origin).direction: how far p lies along the direction from the origin.
float PointProject(const TAffineVector& p, const TAffineVector& origin, const TAffineVector& direction);

TAffineVector VectorCrossProduct(const TAffineVector& v1, const TAffineVector& v2);
// The cross product of the X, Y, Z parts, as a direction (W 0).
TVector VectorCrossProduct(const TVector& v1, const TVector& v2);

// v without its component along the unit vector n: v - (v.n)*n.
TAffineVector VectorPerpendicular(const TAffineVector& v, const TAffineVector& n);
