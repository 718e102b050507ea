#include "scene3d/geometry/vectorcompare.h"

#include <cstring>

bool VectorEquals(const TAffineVector& v1, const TAffineVector& v2)
{
    return std::memcmp(&v1, &v2, sizeof v1) == 0;
}

bool VectorEquals(const TVector& v1, const TVector& v2)
{
    return std::memcmp(&v1, &v2, sizeof v1) == 0;
}

bool VectorIsNull(const TAffineVector& v)
{
    return v.X == 0 && v.Y == 0 && v.Z == 0;
}
