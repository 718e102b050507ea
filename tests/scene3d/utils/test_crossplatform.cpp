#include "scene3d/utils/crossplatform.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cerrno>

#include "platform/rtl/exceptions.h"
#include "platform/ui/picture.h"

namespace {

TEST(GraphicClassForExtension, RegisteredFormatsByExtension)
{
    EXPECT_EQ(GraphicClassForExtension(".BMP"), &TBitmap::StaticClassInfo());
    EXPECT_EQ(GraphicClassForExtension("jpeg"), &TJPEGImage::StaticClassInfo());
    EXPECT_EQ(GraphicClassForExtension("..bmp"), nullptr);   // one dot only
    EXPECT_EQ(GraphicClassForExtension(".png"), nullptr);
}

TEST(RaiseLastSystemError, CarriesTheSystemsText)
{
    errno = ENOENT;
    EXPECT_THROW(
        {
            try {
                RaiseLastSystemError();
            } catch (const EOSError& e) {
                EXPECT_EQ(e.Message(), "OS Error : No such file or directory");
                throw;
            }
        },
        EOSError);
}

TEST(BitmapScanLine, RowsOfTheBitmapToChangeInPlace)
{
    TBitmap bitmap;
    bitmap.SetSize(4, 3);
    uint32_t* row = reinterpret_cast<uint32_t*>(BitmapScanLine(bitmap, 2));
    row[1] = 0xFF123456;
    EXPECT_EQ(bitmap.Image()->pixel(1, 2), 0xFF123456u);
    EXPECT_THROW(BitmapScanLine(bitmap, 3), ERangeError);
    EXPECT_THROW(BitmapScanLine(bitmap, -1), ERangeError);
    TBitmap empty;
    EXPECT_THROW(BitmapScanLine(empty, 0), ERangeError);
}

TEST(PerformanceCounter, RunsForwardAtItsFrequency)
{
    int64_t frequency = 0;
    ASSERT_TRUE(ReadPerformanceFrequency(frequency));
    EXPECT_GT(frequency, 0);
    int64_t first = 0;
    int64_t second = 0;
    ReadPerformanceCounter(first);
    ReadPerformanceCounter(second);
    EXPECT_LE(first, second);
}

} // namespace
