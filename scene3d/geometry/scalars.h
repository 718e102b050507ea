#pragma once
// Scalar helpers: powers, rounding, clamping, the reciprocal square root and
// the visible radius of a sphere.
#include <cstdint>

// base^exponent. An integral exponent within the 32-bit range goes through
// IntPower (exact signs for negative bases); a larger integral one through
// logarithms of |base| with the sign its parity gives; any other through
// 2^(exponent*log2(base)), NaN for a negative base.
double Power(double base, double exponent);
// base^n by squaring; n = 0 gives 1, a negative n the reciprocal.
double IntPower(double base, int n);

// To the nearest integer, halves to even.
float RoundToFloat(float value);
int64_t RoundToInt(float value);
// Towards zero.
float TruncToFloat(float value);
int64_t TruncToInt(float value);

// min below min, max above max, else the value (min wins when min > max).
float Clamp(float value, float min, float max);
// 1/sqrt(value).
float RSqrt(float value);
// The radius a sphere of the given radius seems to have, seen from the given
// distance of its centre, on the plane through the centre square to the line
// of sight: radius*distance/sqrt(distance^2 - radius^2).
float SphereVisibleRadius(float radius, float distance);
