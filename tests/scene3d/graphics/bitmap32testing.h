#pragma once
// Bitmaps of known pixels for the RGBA bitmap's tests.
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "scene3d/graphics/bitmap32.h"

using TPixel = std::array<uint8_t, 4>;   // red, green, blue, alpha

// A bitmap of Width (a multiple of 4) x Height holding Pixels row by row
// from row 0.
inline void FillBitmap32(T3DBitmap32& Bitmap, int Width, int Height, const std::vector<TPixel>& Pixels)
{
    Bitmap.SetWidth(Width);
    Bitmap.SetHeight(Height);
    std::memcpy(Bitmap.Data(), Pixels.data(), Pixels.size() * 4);
}

// The pixels of a bitmap row by row from row 0.
inline std::vector<TPixel> PixelsOf(const T3DBitmap32& Bitmap)
{
    std::vector<TPixel> pixels(static_cast<std::size_t>(Bitmap.DataSize() / 4));
    if (Bitmap.Data())
        std::memcpy(pixels.data(), Bitmap.Data(), pixels.size() * 4);
    return pixels;
}
