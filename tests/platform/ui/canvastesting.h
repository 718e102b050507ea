#pragma once
// Drawing on bitmaps and reading their pixels back, for the canvas tests.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QImage>

#include "platform/rtl/rects.h"
#include "platform/ui/canvas.h"
#include "platform/ui/picture.h"
#include "platform/ui/qtconvert.h"

// A bitmap of Width x Height pixels filled with Background.
inline std::unique_ptr<TBitmap> MakeBitmap(int Width, int Height, TColor Background = clWhite)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(Width, Height);
    bitmap->MutableImage()->fill(ToQColor(Background));
    return bitmap;
}

inline TColor PixelAt(const TBitmap& Bitmap, int X, int Y)
{
    return FromQColor(QColor(Bitmap.Image()->pixel(X, Y)));
}

// The pixels as rows of characters: '.' white, '#' black, 'R' red, 'B' blue,
// 'C' aqua, anything else '?'.
inline std::vector<std::string> Rows(const TBitmap& Bitmap)
{
    static const std::map<TColor, char> legend = {
        {clWhite, '.'}, {clBlack, '#'}, {clRed, 'R'}, {clBlue, 'B'}, {clAqua, 'C'}};
    std::vector<std::string> rows;
    for (int y = 0; y < Bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < Bitmap.Width(); ++x) {
            const auto it = legend.find(PixelAt(Bitmap, x, y));
            row += it == legend.end() ? '?' : it->second;
        }
        rows.push_back(row);
    }
    return rows;
}

// The smallest rectangle holding every pixel that is not Background; empty
// when there is none.
inline TRect InkBounds(const TBitmap& Bitmap, TColor Background = clWhite)
{
    TRect ink{Bitmap.Width(), Bitmap.Height(), 0, 0};
    for (int y = 0; y < Bitmap.Height(); ++y)
        for (int x = 0; x < Bitmap.Width(); ++x)
            if (PixelAt(Bitmap, x, y) != Background) {
                ink.Left = std::min(ink.Left, x);
                ink.Top = std::min(ink.Top, y);
                ink.Right = std::max(ink.Right, x + 1);
                ink.Bottom = std::max(ink.Bottom, y + 1);
            }
    return IsRectEmpty(ink) ? TRect{} : ink;
}

inline bool SamePixels(const TBitmap& A, const TBitmap& B)
{
    return *A.Image() == *B.Image();
}
