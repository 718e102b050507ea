#include "scene3d/utils/crossplatform.h"

#include <QImage>
#include <cerrno>

#include "platform/rtl/clocks.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/syserror.h"
#include "platform/ui/picture.h"

void RaiseLastSystemError()
{
    throw EOSError("OS Error : " + SysErrorMessage(errno));
}

void ReadPerformanceCounter(int64_t& Counter)
{
    Counter = QueryPerformanceCounter();
}

bool ReadPerformanceFrequency(int64_t& Frequency)
{
    Frequency = QueryPerformanceFrequency();
    return Frequency > 0;
}

uint8_t* BitmapScanLine(TBitmap& Bitmap, int Row)
{
    QImage* image = Bitmap.MutableImage();
    if (!image || Row < 0 || Row >= image->height())
        throw ERangeError("Scan line index out of range");
    return image->scanLine(Row);
}

const uint8_t* BitmapScanLine(const TBitmap& Bitmap, int Row)
{
    const QImage* image = Bitmap.Image();
    if (!image || Row < 0 || Row >= image->height())
        throw ERangeError("Scan line index out of range");
    return image->constScanLine(Row);
}

const TClassInfo* GraphicClassForExtension(const std::string& Extension)
{
    return TPicture::FileFormatClass(Extension);
}
