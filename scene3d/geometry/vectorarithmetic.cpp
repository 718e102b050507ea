#include "scene3d/geometry/vectorarithmetic.h"

#include "scene3d/base/engineassert.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

template <typename Vector>
constexpr int ComponentCount = sizeof(Vector) / sizeof(float);

// v1[i] = operation(v1[i], v2[i]) for each component, computed in double and
// stored as a single.
template <typename Vector, typename Operation>
void EachComponent(Vector& v1, const Vector& v2, Operation operation)
{
    for (int i = 0; i < ComponentCount<Vector>; ++i)
        v1[i] = float(operation(double(v1[i]), double(v2[i])));
}

template <typename Vector, typename Operation>
Vector EachComponentOf(Vector v1, const Vector& v2, Operation operation)
{
    EachComponent(v1, v2, operation);
    return v1;
}

// operation(v[i], factor) for each component.
template <typename Vector, typename Operation>
void EachComponent(Vector& v, float factor, Operation operation)
{
    for (int i = 0; i < ComponentCount<Vector>; ++i)
        v[i] = float(operation(double(v[i]), double(factor)));
}

auto AddScaled(float f)
{
    return [f](double a, double b) { return a + f * b; };
}

}  // namespace

TAffineVector VectorAdd(const TAffineVector& v1, const TAffineVector& v2)
{
    return EachComponentOf(v1, v2, std::plus<double>());
}

TVector VectorAdd(const TVector& v1, const TVector& v2)
{
    return EachComponentOf(v1, v2, std::plus<double>());
}

void AddVector(TAffineVector& v1, const TAffineVector& v2)
{
    EachComponent(v1, v2, std::plus<double>());
}

void AddVector(TVector& v1, const TVector& v2)
{
    EachComponent(v1, v2, std::plus<double>());
}

void VectorArrayAdd(std::span<const TAffineVector> src, const TAffineVector& delta, std::span<TAffineVector> dest)
{
    EngineAssert(dest.size() == src.size());
    for (size_t i = 0; i < src.size(); ++i)
        dest[i] = VectorAdd(src[i], delta);
}

TAffineVector VectorSubtract(const TAffineVector& v1, const TAffineVector& v2)
{
    return EachComponentOf(v1, v2, std::minus<double>());
}

TVector VectorSubtract(const TVector& v1, const TVector& v2)
{
    return EachComponentOf(v1, v2, std::minus<double>());
}

void SubtractVector(TAffineVector& v1, const TAffineVector& v2)
{
    EachComponent(v1, v2, std::minus<double>());
}

void SubtractVector(TVector& v1, const TVector& v2)
{
    EachComponent(v1, v2, std::minus<double>());
}

TVector VectorCombine(const TVector& v1, const TVector& v2, float f)
{
    return EachComponentOf(v1, v2, AddScaled(f));
}

void CombineVector(TAffineVector& v1, const TAffineVector& v2, float f)
{
    EachComponent(v1, v2, AddScaled(f));
}

TAffineVector VectorCombine(const TAffineVector& v1, const TAffineVector& v2, float f1, float f2)
{
    return EachComponentOf(v1, v2, [f1, f2](double a, double b) { return f1 * a + f2 * b; });
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
    EachComponent(v, factor, std::multiplies<double>());
}

void ScaleVector(TVector& v, float factor)
{
    EachComponent(v, factor, std::multiplies<double>());
}

void ScaleVector(TAffineVector& v, const TAffineVector& factor)
{
    EachComponent(v, factor, std::multiplies<double>());
}

void ScaleVector(TVector& v, const TVector& factor)
{
    EachComponent(v, factor, std::multiplies<double>());
}

TVector VectorAbs(const TVector& v)
{
    return {std::fabs(v.X), std::fabs(v.Y), std::fabs(v.Z), std::fabs(v.W)};
}

void MaxVector(TVector& v, const TVector& other)
{
    EachComponent(v, other, [](double a, double b) { return std::max(a, b); });
}
