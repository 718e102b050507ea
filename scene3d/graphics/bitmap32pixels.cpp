// The pixel operations of T3DBitmap32: alpha from colours, brightness,
// gamma and normal maps, each in place over the one pixel buffer.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "scene3d/base/engineassert.h"
#include "scene3d/graphics/bitmap32.h"
#include "scene3d/utils/numberhelpers.h"
#include "scene3d/utils/wincolors.h"

namespace {

using TByteTable = std::array<uint8_t, 256>;

// To the nearest integer, halves to even.
int RoundHalfEven(double Value)
{
    return static_cast<int>(std::nearbyint(Value));
}

} // namespace

void T3DBitmap32::AlphaFromAverage()
{
    uint8_t* pixel = FData.get();
    for (int n = PixelCount(); n > 0; --n, pixel += 4)
        pixel[3] = static_cast<uint8_t>((pixel[0] + pixel[1] + pixel[2]) / 3);
}

void T3DBitmap32::AlphaKeyColor(TColor Color)
{
    const TColor rgb = ResolveWinColor(Color);
    const int red = RedOf(rgb), green = GreenOf(rgb), blue = BlueOf(rgb);
    uint8_t* pixel = FData.get();
    for (int n = PixelCount(); n > 0; --n, pixel += 4)
        pixel[3] = pixel[0] == red && pixel[1] == green && pixel[2] == blue ? 0 : 255;
}

void T3DBitmap32::AlphaKeySuperBlack()
{
    AlphaKeyColor(clBlack);
}

void T3DBitmap32::AlphaKeyTopLeft()
{
    if (PixelCount() == 0)
        return;
    const uint8_t* topLeft = RowAddress(FVerticalReverse ? 0 : FHeight - 1);
    AlphaKeyColor(PackRGB(topLeft[0], topLeft[1], topLeft[2]));
}

void T3DBitmap32::FillAlpha(uint8_t Value)
{
    uint8_t* pixel = FData.get();
    for (int n = PixelCount(); n > 0; --n, pixel += 4)
        pixel[3] = Value;
}

void T3DBitmap32::NegateAlpha()
{
    uint8_t* pixel = FData.get();
    for (int n = PixelCount(); n > 0; --n, pixel += 4)
        pixel[3] = static_cast<uint8_t>(255 - pixel[3]);
}

void T3DBitmap32::RootAlpha()
{
    const uint8_t* table = SqrtByteTable();
    uint8_t* pixel = FData.get();
    for (int n = PixelCount(); n > 0; --n, pixel += 4)
        pixel[3] = table[pixel[3]];
}

void T3DBitmap32::ApplyColorTable(const uint8_t* Table)
{
    uint8_t* pixel = FData.get();
    for (int n = PixelCount(); n > 0; --n, pixel += 4) {
        pixel[0] = Table[pixel[0]];
        pixel[1] = Table[pixel[1]];
        pixel[2] = Table[pixel[2]];
    }
}

void T3DBitmap32::ScaleBrightness(float Factor)
{
    EngineAssert(Factor >= 0);
    if (PixelCount() == 0)
        return;
    TByteTable table;
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<uint8_t>(std::min(255, RoundHalfEven(static_cast<double>(i) * Factor)));
    ApplyColorTable(table.data());
}

void T3DBitmap32::ApplyGamma(float Gamma)
{
    EngineAssert(Gamma > 0);
    if (PixelCount() == 0)
        return;
    const double exponent = Gamma < 0.1f ? 10.0 : 1.0 / Gamma;
    TByteTable table;
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<uint8_t>(RoundHalfEven(std::pow(i / 255.0, exponent) * 255.0));
    ApplyColorTable(table.data());
}

namespace {

// The neighbours of Index on a line of Count: across the ends when Wrap (by
// masking with Count - 1), else the end itself.
struct TNeighbours {
    int Previous;
    int Next;
};

TNeighbours NeighboursOf(int Index, int Count, bool Wrap)
{
    if (Wrap)
        return {(Index - 1) & (Count - 1), (Index + 1) & (Count - 1)};
    return {std::max(Index - 1, 0), std::min(Index + 1, Count - 1)};
}

uint8_t NormalByte(float Component)
{
    return static_cast<uint8_t>(RoundHalfEven(std::clamp(Component, -128.0f, 127.0f) + 128.0f));
}

} // namespace

void T3DBitmap32::BuildNormalMap(float Scale, bool WrapX, bool WrapY)
{
    if (PixelCount() == 0)
        return;
    const auto green = [this](int X, int Y) { return static_cast<float>(FData[(std::size_t(Y) * FWidth + X) * 4 + 1]); };
    std::vector<uint8_t> normals(static_cast<std::size_t>(FDataSize));
    uint8_t* normal = normals.data();
    for (int y = 0; y < FHeight; ++y) {
        const TNeighbours rows = NeighboursOf(y, FHeight, WrapY);
        for (int x = 0; x < FWidth; ++x, normal += 4) {
            const TNeighbours columns = NeighboursOf(x, FWidth, WrapX);
            const float dx = Scale * (green(columns.Previous, y) - green(columns.Next, y));
            const float dy = Scale * (green(x, rows.Previous) - green(x, rows.Next));
            const float l = 127.0f / std::sqrt(dx * dx + dy * dy + 1.0f);
            normal[0] = NormalByte(dx * l);
            normal[1] = NormalByte(dy * l);
            normal[2] = NormalByte(l);
            normal[3] = 255;
        }
    }
    std::copy(normals.begin(), normals.end(), FData.get());
}
