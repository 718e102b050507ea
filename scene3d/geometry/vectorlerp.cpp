#include "scene3d/geometry/vectorlerp.h"

#include "scene3d/base/engineassert.h"

namespace {

float Lerp(float a, float b, float t)
{
    return float(a + double(t) * (double(b) - a));
}

template <typename Vector>
void ArrayLerp(std::span<const Vector> src1, std::span<const Vector> src2, float t, std::span<Vector> dest)
{
    EngineAssert(src2.size() == src1.size() && dest.size() == src1.size());
    for (size_t i = 0; i < src1.size(); ++i)
        dest[i] = VectorLerp(src1[i], src2[i], t);
}

}  // namespace

TAffineVector VectorLerp(const TAffineVector& v1, const TAffineVector& v2, float t)
{
    return {Lerp(v1.X, v2.X, t), Lerp(v1.Y, v2.Y, t), Lerp(v1.Z, v2.Z, t)};
}

TVector VectorLerp(const TVector& v1, const TVector& v2, float t)
{
    return {Lerp(v1.X, v2.X, t), Lerp(v1.Y, v2.Y, t), Lerp(v1.Z, v2.Z, t), Lerp(v1.W, v2.W, t)};
}

void VectorArrayLerp(std::span<const TAffineVector> src1, std::span<const TAffineVector> src2, float t,
                     std::span<TAffineVector> dest)
{
    ArrayLerp(src1, src2, t, dest);
}

void VectorArrayLerp(std::span<const TVector> src1, std::span<const TVector> src2, float t, std::span<TVector> dest)
{
    ArrayLerp(src1, src2, t, dest);
}
