#pragma once
// Planes as (A, B, C, D): the normal through three points, normalisation and
// the signed distance of a point.
#include "scene3d/geometry/vectortypes.h"

// The unit normal of the plane through p1, p2, p3: (p2 - p1) x (p3 - p1), normalised.
TAffineVector CalcPlaneNormal(const TAffineVector& p1, const TAffineVector& p2, const TAffineVector& p3);
// Scales A, B, C and D so that the normal (A, B, C) has unit length.
void NormalizePlane(THmgPlane& plane);
// A*p.X + B*p.Y + C*p.Z + D: the signed distance when the plane is normalised.
float PlaneEvaluatePoint(const THmgPlane& plane, const TAffineVector& p);
