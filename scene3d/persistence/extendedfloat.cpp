#include "scene3d/persistence/extendedfloat.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int ExponentBias = 16383;
constexpr int MaxExponent = 0x7FFF;
constexpr uint64_t IntegerBit = uint64_t{1} << 63;
constexpr uint64_t QuietBit = uint64_t{1} << 62;

TExtendedBytes Pack(bool negative, int exponent, uint64_t mantissa)
{
    TExtendedBytes bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<uint8_t>(mantissa >> (8 * i));
    const unsigned signAndExponent = (negative ? 0x8000u : 0u) | static_cast<unsigned>(exponent);
    bytes[8] = static_cast<uint8_t>(signAndExponent);
    bytes[9] = static_cast<uint8_t>(signAndExponent >> 8);
    return bytes;
}

} // namespace

TExtendedBytes DoubleToExtended(double value)
{
    const bool negative = std::signbit(value);
    if (std::isnan(value))
        return Pack(negative, MaxExponent, IntegerBit | QuietBit);
    if (std::isinf(value))
        return Pack(negative, MaxExponent, IntegerBit);
    if (value == 0)
        return Pack(negative, 0, 0);
    int exponent = 0;
    // |value| = fraction * 2^exponent with 0.5 <= fraction < 1; the fraction
    // has at most 53 significant bits, so the 64-bit mantissa holds it exactly.
    const double fraction = std::frexp(std::fabs(value), &exponent);
    const auto mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
    return Pack(negative, exponent - 1 + ExponentBias, mantissa);
}

double ExtendedToDouble(const TExtendedBytes& bytes)
{
    uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | bytes[i];
    const unsigned signAndExponent = bytes[8] | (static_cast<unsigned>(bytes[9]) << 8);
    const bool negative = (signAndExponent & 0x8000u) != 0;
    const int exponent = static_cast<int>(signAndExponent & 0x7FFFu);
    double magnitude = 0;
    if (exponent == MaxExponent)
        magnitude = (mantissa & ~IntegerBit) == 0 ? std::numeric_limits<double>::infinity()
                                                  : std::numeric_limits<double>::quiet_NaN();
    else
        // Denormals have the exponent of the smallest normal number.
        magnitude = std::ldexp(static_cast<double>(mantissa), std::max(exponent, 1) - ExponentBias - 63);
    return negative ? -magnitude : magnitude;
}
