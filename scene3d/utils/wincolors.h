#pragma once
// Platform colours (red in the lowest byte, system colours negative) and the
// engine's colour vectors (red, green, blue, alpha as floats 0..1).
#include <array>
#include <cstdint>

#include "platform/ui/graphics.h"
#include "scene3d/geometry/vectortypes.h"

// b << 16 | g << 8 | r.
constexpr TColor PackRGB(uint8_t R, uint8_t G, uint8_t B)
{
    return RGBColor(R, G, B);
}
constexpr int RedOf(TColor Color) { return GetRValue(Color); }
constexpr int GreenOf(TColor Color) { return GetGValue(Color); }
constexpr int BlueOf(TColor Color) { return GetBValue(Color); }

// A negative value (high bit set) is a system colour: the system's RGB for
// index Color & 0xFF. Any other value is returned unchanged.
TColor ResolveWinColor(TColor Color);

// The colour as a vector: each byte / 255 (so 255 gives exactly 1), the
// given alpha; system colours are resolved first, the top byte of any other
// value is ignored.
void WinColorToVector(TColor Color, TVector& Vector, float Alpha);
// Red, green and blue times 255, rounded to nearest (ties to even), and of
// each only the low 8 bits: components outside 0..1 are not clamped. Alpha is
// ignored.
TColor VectorToWinColor(const TVector& Vector);

// The system colours 0 to 24 as vectors with alpha 1.
const std::array<TVector, 25>& SystemColorVectors();
