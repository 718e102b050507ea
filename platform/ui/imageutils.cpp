#include "platform/ui/imageutils.h"

#include <algorithm>

#include <QColor>

#include "platform/ui/qtconvert.h"

QImage ImageWithTransparentColor(const QImage& Image, TColor Color)
{
    QImage result = Image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(Color).rgb() & 0xFFFFFFu;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] & 0xFFFFFFu) == key)
                line[x] = 0;
    }
    return result;
}

QImage ImageWithMask(const QImage& Image, const QImage& Mask)
{
    QImage result = Image.convertToFormat(QImage::Format_ARGB32);
    const QImage mask = Mask.convertToFormat(QImage::Format_RGB32);
    const int w = std::min(result.width(), mask.width()), h = std::min(result.height(), mask.height());
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        const auto* bits = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < w; ++x)
            if (qGray(bits[x]) >= 128)
                line[x] = 0;
    }
    return result;
}

QImage DisabledImage(const QImage& Image)
{
    QImage result = Image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            const int grey = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    return result;
}
