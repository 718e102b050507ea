#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/rtl/exceptions.h"
#include "scene3d/graphics/bitmap32.h"
#include "scene3d/utils/wincolors.h"
#include "tests/scene3d/graphics/bitmap32testing.h"

namespace {

using ::testing::ElementsAre;

struct TPixelCase {
    std::string Name;
    std::function<void(T3DBitmap32&)> Operation;
    std::vector<TPixel> Before;
    std::vector<TPixel> After;
};

TEST(Bitmap32Pixels, OperationsOnFourPixels)
{
    const TColor face = ResolveWinColor(clBtnFace);
    const TPixel faceOpaque = {static_cast<uint8_t>(RedOf(face)), static_cast<uint8_t>(GreenOf(face)),
                               static_cast<uint8_t>(BlueOf(face)), 9};
    const std::vector<TPixelCase> cases = {
        {"alpha from the average, rounded down",
         [](T3DBitmap32& B) { B.AlphaFromAverage(); },
         {{30, 60, 90, 7}, {255, 255, 255, 0}, {0, 0, 0, 255}, {1, 1, 0, 9}},
         {{30, 60, 90, 60}, {255, 255, 255, 255}, {0, 0, 0, 0}, {1, 1, 0, 0}}},
        {"key colour",
         [](T3DBitmap32& B) { B.AlphaKeyColor(PackRGB(10, 20, 30)); },
         {{10, 20, 30, 99}, {10, 20, 31, 99}, {30, 20, 10, 0}, {10, 20, 30, 255}},
         {{10, 20, 30, 0}, {10, 20, 31, 255}, {30, 20, 10, 255}, {10, 20, 30, 0}}},
        {"key colour of the system",
         [](T3DBitmap32& B) { B.AlphaKeyColor(clBtnFace); },
         {faceOpaque, {0, 0, 0, 9}, faceOpaque, {255, 255, 255, 9}},
         {{faceOpaque[0], faceOpaque[1], faceOpaque[2], 0}, {0, 0, 0, 255},
          {faceOpaque[0], faceOpaque[1], faceOpaque[2], 0}, {255, 255, 255, 255}}},
        {"super black",
         [](T3DBitmap32& B) { B.AlphaKeySuperBlack(); },
         {{0, 0, 0, 200}, {0, 0, 1, 200}, {1, 0, 0, 0}, {0, 0, 0, 0}},
         {{0, 0, 0, 0}, {0, 0, 1, 255}, {1, 0, 0, 255}, {0, 0, 0, 0}}},
        {"fill",
         [](T3DBitmap32& B) { B.FillAlpha(7); },
         {{1, 2, 3, 0}, {4, 5, 6, 255}, {7, 8, 9, 100}, {0, 0, 0, 7}},
         {{1, 2, 3, 7}, {4, 5, 6, 7}, {7, 8, 9, 7}, {0, 0, 0, 7}}},
        {"negate",
         [](T3DBitmap32& B) { B.NegateAlpha(); },
         {{1, 2, 3, 0}, {4, 5, 6, 255}, {7, 8, 9, 200}, {0, 0, 0, 128}},
         {{1, 2, 3, 255}, {4, 5, 6, 0}, {7, 8, 9, 55}, {0, 0, 0, 127}}},
        {"root",
         [](T3DBitmap32& B) { B.RootAlpha(); },
         {{1, 2, 3, 0}, {4, 5, 6, 255}, {7, 8, 9, 64}, {0, 0, 0, 1}},
         {{1, 2, 3, 0}, {4, 5, 6, 255}, {7, 8, 9, 128}, {0, 0, 0, 16}}},
        {"brightness 2",
         [](T3DBitmap32& B) { B.ScaleBrightness(2.0f); },
         {{200, 100, 0, 100}, {127, 128, 1, 3}, {255, 255, 255, 255}, {0, 0, 0, 0}},
         {{255, 200, 0, 100}, {254, 255, 2, 3}, {255, 255, 255, 255}, {0, 0, 0, 0}}},
        {"brightness 0.5, halves to even",
         [](T3DBitmap32& B) { B.ScaleBrightness(0.5f); },
         {{3, 5, 7, 3}, {1, 255, 254, 9}, {0, 0, 0, 0}, {0, 0, 0, 0}},
         {{2, 2, 4, 3}, {0, 128, 127, 9}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
        {"gamma 0.05 takes the exponent 10",
         [](T3DBitmap32& B) { B.ApplyGamma(0.05f); },
         {{200, 255, 0, 200}, {230, 100, 128, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}},
         {{22, 255, 0, 200}, {91, 0, 0, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
        {"gamma 2",
         [](T3DBitmap32& B) { B.ApplyGamma(2.0f); },
         {{64, 255, 0, 64}, {1, 128, 254, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}},
         {{128, 255, 0, 64}, {16, 181, 254, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
    };
    for (const TPixelCase& c : cases) {
        SCOPED_TRACE(c.Name);
        T3DBitmap32 bitmap;
        FillBitmap32(bitmap, 4, 1, c.Before);
        c.Operation(bitmap);
        EXPECT_EQ(PixelsOf(bitmap), c.After);
    }
}

TEST(Bitmap32Pixels, TheTopLeftKeyIsTheFirstPixelOfTheImagesTopRow)
{
    const std::vector<TPixel> pixels = {{1, 1, 1, 9}, {2, 2, 2, 9}, {3, 3, 3, 9}, {1, 1, 1, 9},
                                        {2, 2, 2, 9}, {1, 1, 1, 9}, {2, 2, 2, 9}, {3, 3, 3, 9}};
    T3DBitmap32 bitmap;
    FillBitmap32(bitmap, 4, 2, pixels);
    bitmap.AlphaKeyTopLeft();   // row 1 is the top: key (2, 2, 2)
    EXPECT_THAT(PixelsOf(bitmap), ElementsAre(TPixel{1, 1, 1, 255}, TPixel{2, 2, 2, 0}, TPixel{3, 3, 3, 255},
                                              TPixel{1, 1, 1, 255}, TPixel{2, 2, 2, 0}, TPixel{1, 1, 1, 255},
                                              TPixel{2, 2, 2, 0}, TPixel{3, 3, 3, 255}));

    bitmap.SetVerticalReverse(true);   // row 0 is the top: key (1, 1, 1)
    bitmap.AlphaKeyTopLeft();
    EXPECT_THAT(PixelsOf(bitmap), ElementsAre(TPixel{1, 1, 1, 0}, TPixel{2, 2, 2, 255}, TPixel{3, 3, 3, 255},
                                              TPixel{1, 1, 1, 0}, TPixel{2, 2, 2, 255}, TPixel{1, 1, 1, 0},
                                              TPixel{2, 2, 2, 255}, TPixel{3, 3, 3, 255}));
}

TEST(Bitmap32Pixels, RefusedFactorsLeaveThePixels)
{
    T3DBitmap32 bitmap;
    FillBitmap32(bitmap, 4, 1, {{10, 20, 30, 40}, {50, 60, 70, 80}, {0, 0, 0, 0}, {1, 1, 1, 1}});
    const std::vector<TPixel> before = PixelsOf(bitmap);
    EXPECT_THROW(bitmap.ScaleBrightness(-0.5f), EAssertionFailed);
    EXPECT_THROW(bitmap.ApplyGamma(0), EAssertionFailed);
    EXPECT_THROW(bitmap.ApplyGamma(-1), EAssertionFailed);
    EXPECT_EQ(PixelsOf(bitmap), before);
}

// A blank bitmap has sizes but no pixels: the operations have nothing to
// change (and must not write through the missing memory).
TEST(Bitmap32Pixels, BlankAndEmptyBitmapsAreLeftAlone)
{
    T3DBitmap32 blank;
    blank.SetBlank(true);
    blank.SetWidth(8);
    blank.SetHeight(8);
    T3DBitmap32 empty;
    for (T3DBitmap32* bitmap : {&blank, &empty}) {
        bitmap->AlphaFromAverage();
        bitmap->AlphaKeyColor(clRed);
        bitmap->AlphaKeySuperBlack();
        bitmap->AlphaKeyTopLeft();
        bitmap->FillAlpha(1);
        bitmap->NegateAlpha();
        bitmap->RootAlpha();
        bitmap->ScaleBrightness(2);
        bitmap->ApplyGamma(2);
        bitmap->BuildNormalMap(1, true, true);
        EXPECT_EQ(bitmap->Data(), nullptr);
    }
    EXPECT_EQ(blank.DataSize(), 256);
}

TEST(Bitmap32Pixels, NormalMapsFollowTheGreenSlope)
{
    // Green rises 0, 10, 20, 30 along the row: without wrapping the end
    // pixels are their own outer neighbours.
    const std::vector<TPixel> ramp = {{9, 0, 9, 9}, {9, 10, 9, 9}, {9, 20, 9, 9}, {9, 30, 9, 9}};
    T3DBitmap32 bitmap;
    FillBitmap32(bitmap, 4, 1, ramp);
    bitmap.BuildNormalMap(1, false, false);
    EXPECT_THAT(PixelsOf(bitmap), ElementsAre(TPixel{2, 128, 141, 255}, TPixel{1, 128, 134, 255},
                                              TPixel{1, 128, 134, 255}, TPixel{2, 128, 141, 255}));

    // Wrapping: the first pixel's left neighbour is the last one.
    FillBitmap32(bitmap, 4, 1, ramp);
    bitmap.BuildNormalMap(1, true, false);
    EXPECT_EQ(PixelsOf(bitmap)[0], (TPixel{255, 128, 134, 255}));
    EXPECT_EQ(PixelsOf(bitmap)[3], (TPixel{255, 128, 134, 255}));

    // Rows: the same slope upwards gives it in green; a flat map points up.
    T3DBitmap32 column;
    FillBitmap32(column, 4, 2, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0},
                                {0, 20, 0, 0}, {0, 20, 0, 0}, {0, 20, 0, 0}, {0, 20, 0, 0}});
    column.BuildNormalMap(0.5f, false, false);
    EXPECT_EQ(PixelsOf(column)[0], (TPixel{128, 2, 141, 255}));
    T3DBitmap32 flat;
    FillBitmap32(flat, 4, 1, {{0, 50, 0, 0}, {0, 50, 0, 0}, {0, 50, 0, 0}, {0, 50, 0, 0}});
    flat.BuildNormalMap(8, true, true);
    EXPECT_EQ(PixelsOf(flat)[2], (TPixel{128, 128, 255, 255}));
}

} // namespace
