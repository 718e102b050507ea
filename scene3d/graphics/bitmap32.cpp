#include "scene3d/graphics/bitmap32.h"

#include <cstring>

#include "platform/rtl/classbuilder.h"
#include "platform/ui/canvas.h"
#include "platform/ui/picture.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/utils/crossplatform.h"

LT_IMPLEMENT_CLASS(T3DBitmap32, TPersistent) {}

namespace {

// Sides beyond the limit stay as they are (without overflowing) for the
// size check to refuse.
int RoundUpTo4(int Value)
{
    return Value > T3DBitmap32::MaxSide ? Value : (Value + 3) & ~3;
}

} // namespace

T3DBitmap32::T3DBitmap32() = default;
T3DBitmap32::~T3DBitmap32() = default;

int T3DBitmap32::CheckedDataSize(int64_t Width, int64_t Height)
{
    EngineAssert(Width >= 0 && Height >= 0 && Width <= MaxSide && Height <= MaxSide);
    const int64_t size = Width * Height * 4;
    EngineAssert(size <= INT32_MAX);
    return static_cast<int>(size);
}

int T3DBitmap32::DataSizeFor(int Width, int Height)
{
    EngineAssert(Width >= 0);
    return CheckedDataSize(RoundUpTo4(Width), Height);
}

void T3DBitmap32::Resize(int Width, int Height)
{
    const int size = CheckedDataSize(Width, Height);
    std::unique_ptr<uint8_t[]> data;
    if (!FBlank && size > 0)
        data = std::make_unique_for_overwrite<uint8_t[]>(static_cast<std::size_t>(size));
    FData = std::move(data);
    FWidth = Width;
    FHeight = Height;
    FDataSize = size;
}

void T3DBitmap32::SetWidth(int Value)
{
    EngineAssert(Value >= 0);
    const int width = RoundUpTo4(Value);
    if (width != FWidth)
        Resize(width, FHeight);
}

void T3DBitmap32::SetHeight(int Value)
{
    EngineAssert(Value >= 0);
    if (Value != FHeight)
        Resize(FWidth, Value);
}

void T3DBitmap32::SetBlank(bool Value)
{
    if (Value == FBlank)
        return;
    FBlank = Value;
    Resize(FWidth, FHeight);
}

uint8_t* T3DBitmap32::RowAddress(int Row)
{
    EngineAssert(FData && Row >= 0 && Row < FHeight);
    return FData.get() + static_cast<std::size_t>(Row) * static_cast<std::size_t>(FWidth) * 4;
}

void T3DBitmap32::Assign(const TPersistent* Source)
{
    if (!Source) {
        FData.reset();
        FWidth = 0;
        FHeight = 0;
        FDataSize = 0;
    } else if (const auto* other = dynamic_cast<const T3DBitmap32*>(Source)) {
        if (other == this)
            return;
        std::unique_ptr<uint8_t[]> data;
        if (other->FData) {
            data = std::make_unique_for_overwrite<uint8_t[]>(static_cast<std::size_t>(other->FDataSize));
            std::memcpy(data.get(), other->FData.get(), static_cast<std::size_t>(other->FDataSize));
        }
        FData = std::move(data);
        FBlank = other->FBlank;
        FDataSize = other->FDataSize;
        FWidth = other->FWidth;
        FHeight = other->FHeight;
    } else if (const auto* bitmap = dynamic_cast<const TBitmap*>(Source); bitmap && bitmap->Width() % 4 == 0) {
        ConvertBitmap(*bitmap);
    } else if (const auto* graphic = dynamic_cast<const TGraphic*>(Source)) {
        ConvertGraphic(*graphic);
    } else {
        TPersistent::Assign(Source);
    }
}

// Scan line 0 is the platform bitmap's top row: it becomes the last row, or
// row 0 when the rows are reversed. Blue, green, red, (unused) become red,
// green, blue, 255.
void T3DBitmap32::ConvertBitmap(const TBitmap& Bitmap)
{
    const int width = Bitmap.Width();
    const int height = Bitmap.Height();
    EngineAssert(width % 4 == 0);
    CheckedDataSize(width, height);
    const bool wasBlank = FBlank;
    FBlank = false;
    try {
        Resize(width, height);
    } catch (...) {
        FBlank = wasBlank;
        throw;
    }
    if (!FData)
        return;
    for (int line = 0; line < height; ++line) {
        const uint8_t* source = BitmapScanLine(Bitmap, line);
        uint8_t* target = RowAddress(FVerticalReverse ? line : height - 1 - line);
        for (int x = 0; x < width; ++x, source += 4, target += 4) {
            target[0] = source[2];
            target[1] = source[1];
            target[2] = source[0];
            target[3] = 255;
        }
    }
}

// Drawn at its place when its width is a multiple of 4, otherwise stretched
// over a bitmap of the next such width.
void T3DBitmap32::ConvertGraphic(const TGraphic& Graphic)
{
    const int width = RoundUpTo4(Graphic.Width());
    const int height = Graphic.Height();
    CheckedDataSize(width, height);
    TBitmap bitmap;
    bitmap.SetSize(width, height);
    if (width == Graphic.Width())
        bitmap.Canvas()->Draw(0, 0, &Graphic);
    else
        bitmap.Canvas()->StretchDraw(Rect(0, 0, width, height), &Graphic);
    ConvertBitmap(bitmap);
}

std::unique_ptr<TBitmap> T3DBitmap32::ToPlatformBitmap() const
{
    if (FBlank)
        return nullptr;
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(FWidth, FHeight);
    if (!FData)
        return bitmap;
    for (int line = 0; line < FHeight; ++line) {
        const uint8_t* source = FData.get() + static_cast<std::size_t>(FHeight - 1 - line) * FWidth * 4;
        uint8_t* target = BitmapScanLine(*bitmap, line);
        for (int x = 0; x < FWidth; ++x, source += 4, target += 4) {
            target[0] = source[2];
            target[1] = source[1];
            target[2] = source[0];
            target[3] = 255;
        }
    }
    return bitmap;
}
