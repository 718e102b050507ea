#include <QImage>

#include "platform/rtl/classbuilder.h"
#include "platform/ui/jpegcodec.h"
#include "platform/ui/picture.h"

LT_IMPLEMENT_CLASS(TJPEGImage, TGraphic) {}

namespace {

// The quality of images made from other graphics.
constexpr int CompressionQuality = 90;

} // namespace

TJPEGImage::TJPEGImage() : FImage(std::make_unique<QImage>()) {}

TJPEGImage::~TJPEGImage() = default;

// Another JPEG image is copied as it is; any other graphic is compressed.
void TJPEGImage::Assign(const TPersistent* Source)
{
    if (!Source) {
        FData.clear();
        *FImage = QImage();
        Changed();
        return;
    }
    if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(Source)) {
        FData = jpeg->FData;
        *FImage = *jpeg->FImage;
        SetTransparent(jpeg->Transparent());
        Changed();
        return;
    }
    const auto* graphic = dynamic_cast<const TGraphic*>(Source);
    if (!graphic) {
        TGraphic::Assign(Source);
        return;
    }
    const QImage* image = graphic->Image();
    std::string data = image ? EncodeJpeg(*image, CompressionQuality) : std::string();
    QImage decoded = data.empty() ? QImage() : DecodeJpeg(data);
    FData = std::move(data);
    *FImage = std::move(decoded);
    Changed();
}

int TJPEGImage::Width() const
{
    return FImage->width();
}

int TJPEGImage::Height() const
{
    return FImage->height();
}

bool TJPEGImage::Empty() const
{
    return FImage->isNull();
}

// Takes the rest of the stream as the file. On a fault the image keeps what
// it held before.
void TJPEGImage::LoadFromStream(TStream& Stream)
{
    std::string data(static_cast<std::size_t>(std::max<int64_t>(0, Stream.Size() - Stream.Position())), '\0');
    Stream.ReadBuffer(data.data(), static_cast<int64_t>(data.size()));
    QImage image = DecodeJpeg(data);
    FData = std::move(data);
    *FImage = std::move(image);
    Changed();
}

void TJPEGImage::SaveToStream(TStream& Stream) const
{
    Stream.WriteBuffer(FData.data(), static_cast<int64_t>(FData.size()));
}

const QImage* TJPEGImage::Image() const
{
    return FImage->isNull() ? nullptr : FImage.get();
}
