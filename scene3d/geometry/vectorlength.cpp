#include "scene3d/geometry/vectorlength.h"

#include <cmath>

namespace {

double SquaredLength(const TAffineVector& v)
{
    return double(v.X) * v.X + double(v.Y) * v.Y + double(v.Z) * v.Z;
}

double SquaredDistance(const TAffineVector& v1, const TAffineVector& v2)
{
    const double dx = double(v1.X) - v2.X;
    const double dy = double(v1.Y) - v2.Y;
    const double dz = double(v1.Z) - v2.Z;
    return dx * dx + dy * dy + dz * dz;
}

}  // namespace

float VectorLength(float x, float y)
{
    return float(std::sqrt(double(x) * x + double(y) * y));
}

float VectorLength(const TAffineVector& v)
{
    return float(std::sqrt(SquaredLength(v)));
}

float VectorLength(const TVector& v)
{
    return float(std::sqrt(SquaredLength({v.X, v.Y, v.Z})));
}

float VectorNorm(const TAffineVector& v)
{
    return float(SquaredLength(v));
}

void NormalizeVector(TAffineVector& v)
{
    const double inverse = 1 / std::sqrt(SquaredLength(v));
    for (int i = 0; i < 3; ++i)
        v[i] = float(v[i] * inverse);
}

TAffineVector VectorNormalize(const TAffineVector& v)
{
    TAffineVector result = v;
    NormalizeVector(result);
    return result;
}

void NormalizeVector(TVector& v)
{
    TAffineVector direction{v.X, v.Y, v.Z};
    NormalizeVector(direction);
    v = {direction.X, direction.Y, direction.Z, 0};
}

TVector VectorNormalize(const TVector& v)
{
    TVector result = v;
    NormalizeVector(result);
    return result;
}

void NormalizeVectorArray(std::span<TAffineVector> vectors)
{
    for (TAffineVector& v : vectors)
        NormalizeVector(v);
}

float VectorSpacing(const TAffineVector& v1, const TAffineVector& v2)
{
    return float(std::fabs(double(v1.X) - v2.X) + std::fabs(double(v1.Y) - v2.Y) + std::fabs(double(v1.Z) - v2.Z));
}

float VectorDistance(const TAffineVector& v1, const TAffineVector& v2)
{
    return float(std::sqrt(SquaredDistance(v1, v2)));
}

float VectorDistance2(const TAffineVector& v1, const TAffineVector& v2)
{
    return float(SquaredDistance(v1, v2));
}
