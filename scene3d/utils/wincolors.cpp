#include "scene3d/utils/wincolors.h"

#include <cmath>

namespace {

float ByteFraction(int Byte)
{
    return static_cast<float>(Byte / 255.0);
}

// The low 8 bits of Component * 255 rounded to nearest, ties to even; 0
// for a product that is no number.
int LowByteOfScaled(float Component)
{
    const double rounded = std::nearbyint(static_cast<double>(Component) * 255.0);
    if (!std::isfinite(rounded))
        return 0;
    return static_cast<int>(static_cast<int64_t>(std::fmod(rounded, 256.0)) & 0xFF);
}

} // namespace

TColor ResolveWinColor(TColor Color)
{
    return Color < 0 ? ColorToRGB(clSystemColor | (Color & 0xFF)) : Color;
}

void WinColorToVector(TColor Color, TVector& Vector, float Alpha)
{
    const TColor rgb = ResolveWinColor(Color);
    Vector = {ByteFraction(RedOf(rgb)), ByteFraction(GreenOf(rgb)), ByteFraction(BlueOf(rgb)), Alpha};
}

TColor VectorToWinColor(const TVector& Vector)
{
    return PackRGB(LowByteOfScaled(Vector.X), LowByteOfScaled(Vector.Y), LowByteOfScaled(Vector.Z));
}

const std::array<TVector, 25>& SystemColorVectors()
{
    static const std::array<TVector, 25> vectors = [] {
        std::array<TVector, 25> colors;
        for (int n = 0; n < 25; ++n)
            WinColorToVector(clSystemColor | n, colors[n], 1.0f);
        return colors;
    }();
    return vectors;
}
