#pragma once
// Pixel work shared by image lists and glyph buttons: see-through colours
// and the greyed look of a disabled picture.
#include <QImage>

#include "platform/ui/graphics.h"

// A copy with alpha in which every pixel of Color is see-through.
QImage ImageWithTransparentColor(const QImage& Image, TColor Color);
// A copy with alpha in which the pixels that are light in Mask (a
// black-and-white picture of the same size) are see-through.
QImage ImageWithMask(const QImage& Image, const QImage& Mask);
// The disabled look: every visible pixel turned to a light shade of grey by
// its brightness; see-through pixels stay so.
QImage DisabledImage(const QImage& Image);
