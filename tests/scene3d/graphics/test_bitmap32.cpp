#include "scene3d/graphics/bitmap32.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/rtl/exceptions.h"
#include "platform/ui/canvas.h"
#include "platform/ui/picture.h"
#include "scene3d/materials/color.h"
#include "scene3d/utils/wincolors.h"
#include "tests/scene3d/graphics/bitmap32testing.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

TPixel Opaque(TColor Color)
{
    return {static_cast<uint8_t>(RedOf(Color)), static_cast<uint8_t>(GreenOf(Color)),
            static_cast<uint8_t>(BlueOf(Color)), 255};
}

// A platform bitmap whose pixel (x, y) has the colour x + 10 y in red and
// 200 - y in blue: every pixel differs.
std::unique_ptr<TBitmap> NumberedBitmap(int Width, int Height)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(Width, Height);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            bitmap->Canvas()->SetPixels(x, y, PackRGB(x + 10 * y, 7, 200 - y));
    return bitmap;
}

std::vector<TPixel> NumberedRow(int Width, int Y)
{
    std::vector<TPixel> row;
    for (int x = 0; x < Width; ++x)
        row.push_back(Opaque(PackRGB(x + 10 * Y, 7, 200 - Y)));
    return row;
}

std::vector<TPixel> Row(const T3DBitmap32& Bitmap, int Row)
{
    const std::vector<TPixel> pixels = PixelsOf(Bitmap);
    const auto first = pixels.begin() + Row * Bitmap.Width();
    return {first, first + Bitmap.Width()};
}

TEST(Bitmap32, PlatformRowsGoBottomUpUnlessReversed)
{
    struct TCase {
        int Width, Height;
    };
    for (const TCase c : {TCase{4, 3}, TCase{8, 1}}) {
        SCOPED_TRACE(std::to_string(c.Width) + " x " + std::to_string(c.Height));
        const auto source = NumberedBitmap(c.Width, c.Height);
        for (const bool reversed : {false, true}) {
            T3DBitmap32 bitmap;
            bitmap.SetBlank(true);
            bitmap.SetVerticalReverse(reversed);
            bitmap.Assign(source.get());
            EXPECT_FALSE(bitmap.Blank());
            EXPECT_EQ(bitmap.Width(), c.Width);
            EXPECT_EQ(bitmap.Height(), c.Height);
            EXPECT_EQ(bitmap.DataSize(), c.Width * c.Height * 4);
            for (int row = 0; row < c.Height; ++row) {
                const int line = reversed ? row : c.Height - 1 - row;
                EXPECT_EQ(Row(bitmap, row), NumberedRow(c.Width, line)) << "row " << row;
            }
        }
    }
}

TEST(Bitmap32, OtherWidthsAreStretchedToAMultipleOf4)
{
    TBitmap narrow;
    narrow.SetSize(2, 1);
    narrow.Canvas()->SetPixels(0, 0, clRed);
    narrow.Canvas()->SetPixels(1, 0, clBlue);
    T3DBitmap32 bitmap;
    bitmap.Assign(&narrow);
    EXPECT_EQ(bitmap.Width(), 4);
    EXPECT_EQ(bitmap.Height(), 1);
    EXPECT_THAT(PixelsOf(bitmap), ElementsAre(Opaque(clRed), Opaque(clRed), Opaque(clBlue), Opaque(clBlue)));
}

// A JPEG image takes the road of other graphics: drawn in place when its
// width is a multiple of 4, stretched otherwise. Plain colours survive the
// compression within a step or two.
TEST(Bitmap32, JPEGImagesAreDrawnIntoAPlatformBitmapFirst)
{
    for (const int width : {8, 6}) {
        SCOPED_TRACE(width);
        TBitmap source;
        source.SetSize(width, 8);
        source.Canvas()->Brush()->SetColor(PackRGB(200, 40, 40));
        source.Canvas()->FillRect(Rect(0, 0, width, 8));
        TJPEGImage jpeg;
        jpeg.Assign(&source);

        T3DBitmap32 bitmap;
        bitmap.Assign(&jpeg);
        EXPECT_EQ(bitmap.Width(), 8);
        EXPECT_EQ(bitmap.Height(), 8);
        for (const TPixel& pixel : PixelsOf(bitmap)) {
            EXPECT_NEAR(pixel[0], 200, 3);
            EXPECT_NEAR(pixel[1], 40, 3);
            EXPECT_NEAR(pixel[2], 40, 3);
            EXPECT_EQ(pixel[3], 255);
        }
    }
}

TEST(Bitmap32, PicturesLoadedFromFilesConvertThroughTheirGraphic)
{
    const auto source = NumberedBitmap(4, 2);
    const std::string file = (std::filesystem::temp_directory_path() / "bitmap32_picture.bmp").string();
    source->SaveToFile(file);
    TPicture picture;
    picture.LoadFromFile(file);
    std::remove(file.c_str());
    T3DBitmap32 bitmap;
    bitmap.Assign(picture.Graphic());
    EXPECT_EQ(Row(bitmap, 0), NumberedRow(4, 1));
    EXPECT_EQ(Row(bitmap, 1), NumberedRow(4, 0));
}

TEST(Bitmap32, AssignCopiesAnotherBitmapOrEmptiesOnNothing)
{
    T3DBitmap32 source;
    FillBitmap32(source, 4, 1, {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}});
    T3DBitmap32 copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.Width(), 4);
    EXPECT_EQ(copy.Height(), 1);
    EXPECT_EQ(PixelsOf(copy), PixelsOf(source));
    EXPECT_NE(copy.Data(), source.Data());

    T3DBitmap32 blank;
    blank.SetBlank(true);
    blank.SetWidth(8);
    blank.SetHeight(2);
    copy.Assign(&blank);
    EXPECT_TRUE(copy.Blank());
    EXPECT_EQ(copy.DataSize(), 64);
    EXPECT_EQ(copy.Data(), nullptr);

    copy.Assign(nullptr);
    EXPECT_EQ(copy.Width(), 0);
    EXPECT_EQ(copy.Height(), 0);
    EXPECT_EQ(copy.DataSize(), 0);
    EXPECT_TRUE(copy.IsEmpty());

    T3DColor color(nullptr);
    EXPECT_THROW(copy.Assign(&color), EConvertError);
}

TEST(Bitmap32, ThePlatformBitmapHasTheRowsTopDownWithoutAlpha)
{
    T3DBitmap32 bitmap;
    FillBitmap32(bitmap, 4, 2,
                 {{255, 0, 0, 0}, {0, 255, 0, 10}, {0, 0, 255, 20}, {1, 2, 3, 30},
                  {4, 5, 6, 40}, {7, 8, 9, 50}, {10, 11, 12, 60}, {13, 14, 15, 70}});
    const auto platform = bitmap.ToPlatformBitmap();
    ASSERT_NE(platform, nullptr);
    EXPECT_EQ(platform->Width(), 4);
    EXPECT_EQ(platform->Height(), 2);
    EXPECT_EQ(platform->Canvas()->Pixels(0, 0), PackRGB(4, 5, 6));   // the last row is the top
    EXPECT_EQ(platform->Canvas()->Pixels(2, 1), PackRGB(0, 0, 255));

    // Back again: the same colours, every alpha 255.
    T3DBitmap32 back;
    back.Assign(platform.get());
    std::vector<TPixel> expected = PixelsOf(bitmap);
    for (TPixel& pixel : expected)
        pixel[3] = 255;
    EXPECT_EQ(PixelsOf(back), expected);

    bitmap.SetBlank(true);
    EXPECT_EQ(bitmap.ToPlatformBitmap(), nullptr);
}

TEST(Bitmap32, WidthsRoundUpToMultiplesOf4)
{
    T3DBitmap32 bitmap;
    bitmap.SetWidth(5);
    EXPECT_EQ(bitmap.Width(), 8);
    EXPECT_TRUE(bitmap.IsEmpty());
    EXPECT_EQ(bitmap.Data(), nullptr);
    bitmap.SetHeight(3);
    EXPECT_FALSE(bitmap.IsEmpty());
    EXPECT_EQ(bitmap.DataSize(), 8 * 3 * 4);
    uint8_t* const pixels = bitmap.Data();
    ASSERT_NE(pixels, nullptr);
    bitmap.SetWidth(8);
    EXPECT_EQ(bitmap.Data(), pixels);   // unchanged: nothing reallocated
    EXPECT_EQ(bitmap.RowAddress(0), pixels);
    EXPECT_EQ(bitmap.RowAddress(2), pixels + 2 * 8 * 4);
    EXPECT_THROW(bitmap.RowAddress(3), EAssertionFailed);
    EXPECT_THROW(bitmap.RowAddress(-1), EAssertionFailed);

    bitmap.SetBlank(true);
    EXPECT_EQ(bitmap.Data(), nullptr);
    EXPECT_EQ(bitmap.DataSize(), 96);
    bitmap.SetHeight(4);
    EXPECT_EQ(bitmap.Data(), nullptr);
    EXPECT_EQ(bitmap.DataSize(), 128);
    EXPECT_THROW(bitmap.RowAddress(0), EAssertionFailed);
    bitmap.SetBlank(false);
    EXPECT_NE(bitmap.Data(), nullptr);
}

// Sizes are counted in 64 bits: a size whose byte count would wrap in 32
// bits is refused before anything is allocated or changed.
TEST(Bitmap32, SizesBeyondTheLimitsAreRefused)
{
    const auto refused = [](const auto& Call) {
        try {
            Call();
            ADD_FAILURE() << "the size was taken";
        } catch (const EAssertionFailed& e) {
            EXPECT_EQ(e.Message(), "Assertion failure");
        }
    };
    T3DBitmap32 bitmap;
    bitmap.SetBlank(true);   // sizes without memory
    bitmap.SetWidth(65532);
    bitmap.SetHeight(8192);   // 2^31 - 262144 bytes
    EXPECT_EQ(bitmap.DataSize(), 65532 * 8192 * 4);
    refused([&] { bitmap.SetHeight(8193); });
    refused([&] { bitmap.SetWidth(65533); });   // 65536 after rounding
    refused([&] { bitmap.SetWidth(-1); });
    refused([&] { bitmap.SetHeight(-4); });
    EXPECT_EQ(bitmap.Width(), 65532);
    EXPECT_EQ(bitmap.Height(), 8192);
    EXPECT_EQ(bitmap.DataSize(), 65532 * 8192 * 4);

    T3DBitmap32 small;
    FillBitmap32(small, 4, 1, {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}});
    const std::vector<TPixel> before = PixelsOf(small);
    TBitmap wide;
    wide.SetSize(65536, 1);
    refused([&] { small.Assign(&wide); });
    wide.SetSize(65534, 1);   // another graphic's road: 65536 after rounding
    refused([&] { small.Assign(&wide); });
    EXPECT_EQ(small.Width(), 4);
    EXPECT_EQ(PixelsOf(small), before);
}

} // namespace
