#include "scene3d/geometry/planes.h"

#include "scene3d/geometry/vectorarithmetic.h"
#include "scene3d/geometry/vectorlength.h"
#include "scene3d/geometry/vectorproducts.h"

#include <cmath>

TAffineVector CalcPlaneNormal(const TAffineVector& p1, const TAffineVector& p2, const TAffineVector& p3)
{
    return VectorNormalize(VectorCrossProduct(VectorSubtract(p2, p1), VectorSubtract(p3, p1)));
}

void NormalizePlane(THmgPlane& plane)
{
    const double inverse =
        1 / std::sqrt(double(plane.X) * plane.X + double(plane.Y) * plane.Y + double(plane.Z) * plane.Z);
    for (int i = 0; i < 4; ++i)
        plane[i] = float(plane[i] * inverse);
}

float PlaneEvaluatePoint(const THmgPlane& plane, const TAffineVector& p)
{
    return float(double(plane.X) * p.X + double(plane.Y) * p.Y + double(plane.Z) * p.Z + plane.W);
}
