#include "scene3d/geometry/scalars.h"

#include <cmath>
#include <limits>

double Power(double base, double exponent)
{
    if (exponent == 0)
        return 1;
    if (base == 0 && exponent > 0)
        return 0;
    if (exponent == std::nearbyint(exponent)) {
        if (exponent >= std::numeric_limits<int>::min() && exponent <= std::numeric_limits<int>::max())
            return IntPower(base, int(exponent));
        const double magnitude = std::exp2(exponent * std::log2(std::fabs(base)));
        const bool odd = std::fabs(std::fmod(exponent, 2.0)) == 1;
        return base < 0 && odd ? -magnitude : magnitude;
    }
    return std::exp2(exponent * std::log2(base));
}

double IntPower(double base, int n)
{
    uint64_t remaining = n < 0 ? -int64_t(n) : n;
    double result = 1;
    double square = base;
    while (remaining != 0) {
        if (remaining & 1)
            result *= square;
        square *= square;
        remaining >>= 1;
    }
    return n < 0 ? 1 / result : result;
}

float RoundToFloat(float value)
{
    return std::nearbyint(value);
}

int64_t RoundToInt(float value)
{
    return std::llrint(value);
}

float TruncToFloat(float value)
{
    return std::trunc(value);
}

int64_t TruncToInt(float value)
{
    // trunc is exact, so llrint only converts; out of range it gives the
    // processor's "integer indefinite" value instead of undefined behaviour.
    return std::llrint(std::trunc(value));
}

float Clamp(float value, float min, float max)
{
    if (value < min)
        return min;
    if (value > max)
        return max;
    return value;
}

float RSqrt(float value)
{
    return float(1 / std::sqrt(double(value)));
}

float SphereVisibleRadius(float radius, float distance)
{
    // Each step is rounded to single.
    const float c = float(double(radius) * radius);
    const float d = float(double(distance) * distance);
    const float e = float(std::sqrt(double(d) - c));
    const float m = float((double(c) + d - double(e) * e) / (2 * double(e)));
    return float(std::sqrt(double(c) + double(m) * m));
}
