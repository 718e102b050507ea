#include "scene3d/geometry/vectorarithmetic.h"

#include "scene3d/base/engineassert.h"

#include <algorithm>
#include <cmath>

// Each component is computed in double and stored as a single.

TAffineVector VectorAdd(const TAffineVector& v1, const TAffineVector& v2)
{
    TAffineVector result = v1;
    AddVector(result, v2);
    return result;
}

TVector VectorAdd(const TVector& v1, const TVector& v2)
{
    TVector result = v1;
    AddVector(result, v2);
    return result;
}

void AddVector(TAffineVector& v1, const TAffineVector& v2)
{
    for (int i = 0; i < 3; ++i)
        v1[i] = float(double(v1[i]) + v2[i]);
}

void AddVector(TVector& v1, const TVector& v2)
{
    for (int i = 0; i < 4; ++i)
        v1[i] = float(double(v1[i]) + v2[i]);
}

void VectorArrayAdd(std::span<const TAffineVector> src, const TAffineVector& delta, std::span<TAffineVector> dest)
{
    EngineAssert(dest.size() == src.size());
    for (size_t i = 0; i < src.size(); ++i)
        dest[i] = VectorAdd(src[i], delta);
}

TAffineVector VectorSubtract(const TAffineVector& v1, const TAffineVector& v2)
{
    TAffineVector result = v1;
    SubtractVector(result, v2);
    return result;
}

TVector VectorSubtract(const TVector& v1, const TVector& v2)
{
    TVector result = v1;
    SubtractVector(result, v2);
    return result;
}

void SubtractVector(TAffineVector& v1, const TAffineVector& v2)
{
    for (int i = 0; i < 3; ++i)
        v1[i] = float(double(v1[i]) - v2[i]);
}

void SubtractVector(TVector& v1, const TVector& v2)
{
    for (int i = 0; i < 4; ++i)
        v1[i] = float(double(v1[i]) - v2[i]);
}

TVector VectorCombine(const TVector& v1, const TVector& v2, float f)
{
    TVector result;
    for (int i = 0; i < 4; ++i)
        result[i] = float(v1[i] + double(f) * v2[i]);
    return result;
}

void CombineVector(TAffineVector& v1, const TAffineVector& v2, float f)
{
    for (int i = 0; i < 3; ++i)
        v1[i] = float(v1[i] + double(f) * v2[i]);
}

TAffineVector VectorCombine(const TAffineVector& v1, const TAffineVector& v2, float f1, float f2)
{
    TAffineVector result;
    for (int i = 0; i < 3; ++i)
        result[i] = float(double(f1) * v1[i] + double(f2) * v2[i]);
    return result;
}

TAffineVector VectorNegate(const TAffineVector& v)
{
    return {-v.X, -v.Y, -v.Z};
}

TVector VectorNegate(const TVector& v)
{
    return {-v.X, -v.Y, -v.Z, -v.W};
}

void NegateVector(TAffineVector& v)
{
    v = VectorNegate(v);
}

void NegateVector(TVector& v)
{
    v = VectorNegate(v);
}

TAffineVector VectorScale(const TAffineVector& v, float factor)
{
    TAffineVector result = v;
    ScaleVector(result, factor);
    return result;
}

TVector VectorScale(const TVector& v, float factor)
{
    TVector result = v;
    ScaleVector(result, factor);
    return result;
}

void ScaleVector(TAffineVector& v, float factor)
{
    for (int i = 0; i < 3; ++i)
        v[i] = float(double(v[i]) * factor);
}

void ScaleVector(TVector& v, float factor)
{
    for (int i = 0; i < 4; ++i)
        v[i] = float(double(v[i]) * factor);
}

void ScaleVector(TAffineVector& v, const TAffineVector& factor)
{
    for (int i = 0; i < 3; ++i)
        v[i] = float(double(v[i]) * factor[i]);
}

void ScaleVector(TVector& v, const TVector& factor)
{
    for (int i = 0; i < 4; ++i)
        v[i] = float(double(v[i]) * factor[i]);
}

TVector VectorAbs(const TVector& v)
{
    return {std::fabs(v.X), std::fabs(v.Y), std::fabs(v.Z), std::fabs(v.W)};
}

void MaxVector(TVector& v, const TVector& other)
{
    for (int i = 0; i < 4; ++i)
        v[i] = std::max(v[i], other[i]);
}
