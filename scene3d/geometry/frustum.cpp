#include "scene3d/geometry/frustum.h"

#include <algorithm>

#include "scene3d/geometry/planes.h"
#include "scene3d/geometry/vectorlength.h"

namespace {

// column 3 + sign * column k.
THmgPlane ColumnPlane(const TMatrix& m, int k, double sign)
{
    THmgPlane plane;
    for (int r = 0; r < 4; ++r)
        plane[r] = float(m[r][3] + sign * m[r][k]);
    NormalizePlane(plane);
    return plane;
}

}  // namespace

TFrustumPlanes ExtractFrustumFromModelViewProjection(const TMatrix& modelViewProjection)
{
    TFrustumPlanes frustum;
    frustum.Left = ColumnPlane(modelViewProjection, 0, +1);
    frustum.Top = ColumnPlane(modelViewProjection, 1, -1);
    frustum.Right = ColumnPlane(modelViewProjection, 0, -1);
    frustum.Bottom = ColumnPlane(modelViewProjection, 1, +1);
    frustum.Near = ColumnPlane(modelViewProjection, 2, +1);
    frustum.Far = ColumnPlane(modelViewProjection, 2, -1);
    return frustum;
}

bool IsSphereOutside(const TAffineVector& centre, float radius, const TFrustumPlanes& frustum)
{
    for (int i = 0; i < 6; ++i)
        if (PlaneEvaluatePoint(frustum[i], centre) < -radius)
            return true;
    return false;
}

bool IsBoxOutside(const TAffineVector& min, const TAffineVector& max, const TFrustumPlanes& frustum)
{
    const TAffineVector centre{float((double(min.X) + max.X) / 2), float((double(min.Y) + max.Y) / 2),
                               float((double(min.Z) + max.Z) / 2)};
    return IsSphereOutside(centre, VectorDistance(min, max) / 2, frustum);
}

bool ArePointsOutside(std::span<const TAffineVector> points, const TFrustumPlanes& frustum)
{
    if (points.empty())
        return false;
    for (int i = 0; i < 6; ++i)
        if (std::all_of(points.begin(), points.end(),
                        [&](const TAffineVector& point) { return PlaneEvaluatePoint(frustum[i], point) < 0; }))
            return true;
    return false;
}
