#pragma once
// The 80-bit extended-precision floats of the engine's archives: a 64-bit
// mantissa with an explicit integer bit, a 15-bit exponent (bias 16383) and
// the sign, stored little-endian in 10 bytes.
#include <array>
#include <cstdint>

using TExtendedBytes = std::array<uint8_t, 10>;

// Every double is exactly representable; infinities keep their sign, NaNs
// become the quiet NaN.
TExtendedBytes DoubleToExtended(double value);
// Rounds to the nearest double: values below the double range (80-bit
// denormals among them) become zeros or double denormals, values above it
// infinities; an all-ones exponent gives an infinity (empty fraction) or NaN.
double ExtendedToDouble(const TExtendedBytes& bytes);
