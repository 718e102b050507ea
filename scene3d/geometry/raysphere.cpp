#include "scene3d/geometry/raysphere.h"

#include <cmath>

namespace {

TAffineVector PointAlong(const TAffineVector& start, const TAffineVector& direction, double distance)
{
    return {float(start.X + distance * direction.X), float(start.Y + distance * direction.Y),
            float(start.Z + distance * direction.Z)};
}

}  // namespace

int RayCastSphereIntersect(const TAffineVector& rayStart, const TAffineVector& rayVector,
                           const TAffineVector& centre, float radius, TAffineVector& i1, TAffineVector& i2)
{
    // p: how far along the ray the point nearest the centre lies; k: the
    // squared half chord there.
    const double p = (double(centre.X) - rayStart.X) * rayVector.X + (double(centre.Y) - rayStart.Y) * rayVector.Y
                     + (double(centre.Z) - rayStart.Z) * rayVector.Z;
    const double qx = centre.X - (rayStart.X + p * rayVector.X);
    const double qy = centre.Y - (rayStart.Y + p * rayVector.Y);
    const double qz = centre.Z - (rayStart.Z + p * rayVector.Z);
    const double k = double(radius) * radius - (qx * qx + qy * qy + qz * qz);
    if (k < 0)
        return 0;
    if (k == 0) {
        if (p <= 0)
            return 0;
        i1 = PointAlong(rayStart, rayVector, p);
        return 1;
    }
    const double d = std::sqrt(k);
    if (p >= d) {
        i1 = PointAlong(rayStart, rayVector, p - d);
        i2 = PointAlong(rayStart, rayVector, p + d);
        return 2;
    }
    if (p + d >= 0) {
        i1 = PointAlong(rayStart, rayVector, p + d);
        return 1;
    }
    return 0;
}
