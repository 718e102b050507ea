#pragma once
// A picture with alpha handed to a canvas (which draws a graphic with its
// alpha): the pictures of image lists and glyphs.
#include <QImage>

#include "platform/rtl/exceptions.h"
#include "platform/ui/picture.h"

class TImageGraphic final : public TGraphic {
public:
    explicit TImageGraphic(QImage Image) : FImage(std::move(Image)) {}
    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }
    bool Empty() const override { return FImage.isNull(); }
    void LoadFromStream(TStream&) override { throw EInvalidOperation("A drawn picture cannot be loaded"); }
    void SaveToStream(TStream&) const override { throw EInvalidOperation("A drawn picture cannot be saved"); }
    const QImage* Image() const override { return &FImage; }

private:
    QImage FImage;
};
