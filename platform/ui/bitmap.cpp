#include <cstring>
#include <algorithm>
#include <string>

#include <QBuffer>
#include <QImage>

#include "platform/rtl/classbuilder.h"
#include "platform/ui/canvas.h"
#include "platform/ui/picture.h"
#include "platform/ui/qtconvert.h"

LT_IMPLEMENT_CLASS(TBitmap, TGraphic) {}

namespace {

// The canvas of a bitmap paints on the bitmap's image; on an empty bitmap it
// paints on a scratch pixel nobody sees, as drawing there changes nothing.
class TBitmapCanvas final : public TCanvas {
public:
    explicit TBitmapCanvas(QImage& Image) : FImage(Image), FScratch(1, 1, QImage::Format_RGB32)
    {
        FScratch.fill(Qt::white);
    }
    void Release() { ReleaseOwnDevice(); }

protected:
    QPaintDevice* OwnDevice() const override { return FImage.isNull() ? &FScratch : &FImage; }

private:
    QImage& FImage;
    mutable QImage FScratch;
};

TBitmapCanvas& BitmapCanvas(const std::unique_ptr<TCanvas>& Canvas)
{
    return static_cast<TBitmapCanvas&>(*Canvas);
}

// The pixel format of every bitmap: 32 bits per pixel, no alpha.
constexpr QImage::Format BitmapFormat = QImage::Format_RGB32;

} // namespace

TBitmap::TBitmap() : FImage(std::make_unique<QImage>()), FCanvas(std::make_unique<TBitmapCanvas>(*FImage))
{
    FCanvas->SetOnChange([this](TCanvas*) { Changed(); });
}

TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TPersistent* Source)
{
    if (!Source) {
        SetSize(0, 0);
        return;
    }
    const auto* graphic = dynamic_cast<const TGraphic*>(Source);
    if (!graphic) {
        TGraphic::Assign(Source);
        return;
    }
    const QImage* image = graphic->Image();
    QImage copy;
    if (image)
        copy = image->format() == BitmapFormat ? image->copy() : image->convertToFormat(BitmapFormat);
    BitmapCanvas(FCanvas).Release();
    *FImage = std::move(copy);
    FWidth = FImage->width();
    FHeight = FImage->height();
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(graphic))
        FTransparentColor = bitmap->FTransparentColor;
    SetTransparent(graphic->Transparent());
    Changed();
}

int TBitmap::Width() const
{
    return FImage->isNull() ? FWidth : FImage->width();
}

int TBitmap::Height() const
{
    return FImage->isNull() ? FHeight : FImage->height();
}

void TBitmap::SetWidth(int Value)
{
    SetSize(Value, Height());
}

void TBitmap::SetHeight(int Value)
{
    SetSize(Width(), Value);
}

// Keeps the pixels the old and new sizes share; new pixels are white.
void TBitmap::SetSize(int Width, int Height)
{
    Width = std::max(0, Width);
    Height = std::max(0, Height);
    if (Width == this->Width() && Height == this->Height())
        return;
    BitmapCanvas(FCanvas).Release();
    QImage resized;
    if (Width > 0 && Height > 0) {
        resized = QImage(Width, Height, BitmapFormat);
        if (resized.isNull())
            throw EOutOfResources("Out of memory for a bitmap of " + std::to_string(Width) + " x " +
                                  std::to_string(Height) + " pixels");
        resized.fill(Qt::white);
        const QImage old = FImage->format() == BitmapFormat ? *FImage : FImage->convertToFormat(BitmapFormat);
        const int w = std::min(Width, old.width()), h = std::min(Height, old.height());
        for (int y = 0; y < h; ++y)
            std::memcpy(resized.scanLine(y), old.constScanLine(y), static_cast<std::size_t>(w) * 4);
    }
    *FImage = std::move(resized);
    FWidth = Width;
    FHeight = Height;
    Changed();
}

bool TBitmap::Empty() const
{
    return FImage->isNull();
}

// Reads one BMP file from the stream's position: as many bytes as its header
// gives, or the rest of the stream when the header's size is not plausible.
void TBitmap::LoadFromStream(TStream& Stream)
{
    const int64_t available = Stream.Size() - Stream.Position();
    std::string data;
    if (available >= 14) {
        data.resize(14);
        Stream.ReadBuffer(data.data(), 14);
        uint32_t fileSize = 0;
        for (int i = 0; i < 4; ++i)
            fileSize |= static_cast<uint32_t>(static_cast<unsigned char>(data[2 + i])) << (8 * i);
        const int64_t size = fileSize >= 14 && fileSize <= available ? fileSize : available;
        data.resize(static_cast<std::size_t>(size));
        Stream.ReadBuffer(data.data() + 14, size - 14);
    } else if (available > 0) {
        data.resize(static_cast<std::size_t>(available));
        Stream.ReadBuffer(data.data(), available);
    }
    QImage image;
    if (!data.empty()) {
        if (data.compare(0, 2, "BM") != 0 ||
            !image.loadFromData(reinterpret_cast<const uchar*>(data.data()), static_cast<int>(data.size()), "BMP"))
            throw EInvalidGraphic("Bitmap image is not valid");
        image = image.convertToFormat(BitmapFormat);
    }
    BitmapCanvas(FCanvas).Release();
    *FImage = std::move(image);
    FWidth = FImage->width();
    FHeight = FImage->height();
    Changed();
}

void TBitmap::SaveToStream(TStream& Stream) const
{
    const QImage* image = Image();
    if (!image)
        return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image->save(&buffer, "BMP"))
        throw EWriteError("Bitmap image could not be written");
    Stream.WriteBuffer(bytes.constData(), bytes.size());
}

// Ends the canvas's painting first, so that a copy taken of the image never
// shares pixels a painter still writes to.
const QImage* TBitmap::Image() const
{
    BitmapCanvas(FCanvas).Release();
    return FImage->isNull() ? nullptr : FImage.get();
}

QImage* TBitmap::MutableImage()
{
    BitmapCanvas(FCanvas).Release();
    return FImage.get();
}

TCanvas* TBitmap::Canvas()
{
    return FCanvas.get();
}

TColor TBitmap::TransparentColor() const
{
    if (FTransparentColor != clDefault || FImage->isNull())
        return FTransparentColor;
    return FromQColor(QColor(FImage->pixel(0, FImage->height() - 1)));
}

void TBitmap::SetTransparentColor(TColor Value)
{
    if (Value == FTransparentColor)
        return;
    FTransparentColor = Value;
    Changed();
}
