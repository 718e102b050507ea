#include "scene3d/geometry/vectorproducts.h"

float VectorDotProduct(const TAffineVector& v1, const TAffineVector& v2)
{
    return float(double(v1.X) * v2.X + double(v1.Y) * v2.Y + double(v1.Z) * v2.Z);
}

float VectorDotProduct(const TVector& v1, const TVector& v2)
{
    return float(double(v1.X) * v2.X + double(v1.Y) * v2.Y + double(v1.Z) * v2.Z + double(v1.W) * v2.W);
}

float PointProject(const TAffineVector& p, const TAffineVector& origin, const TAffineVector& direction)
{
    return float((double(p.X) - origin.X) * direction.X + (double(p.Y) - origin.Y) * direction.Y
                 + (double(p.Z) - origin.Z) * direction.Z);
}

TAffineVector VectorCrossProduct(const TAffineVector& v1, const TAffineVector& v2)
{
    return {float(double(v1.Y) * v2.Z - double(v1.Z) * v2.Y), float(double(v1.Z) * v2.X - double(v1.X) * v2.Z),
            float(double(v1.X) * v2.Y - double(v1.Y) * v2.X)};
}

TVector VectorCrossProduct(const TVector& v1, const TVector& v2)
{
    return {float(double(v1.Y) * v2.Z - double(v1.Z) * v2.Y), float(double(v1.Z) * v2.X - double(v1.X) * v2.Z),
            float(double(v1.X) * v2.Y - double(v1.Y) * v2.X), 0};
}

TAffineVector VectorPerpendicular(const TAffineVector& v, const TAffineVector& n)
{
    const double along = double(v.X) * n.X + double(v.Y) * n.Y + double(v.Z) * n.Z;
    return {float(v.X - along * n.X), float(v.Y - along * n.Y), float(v.Z - along * n.Z)};
}
