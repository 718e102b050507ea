#include "platform/ui/imglist.h"

#include <algorithm>

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/filer.h"
#include "platform/rtl/streams.h"
#include "platform/ui/canvas.h"
#include "platform/ui/imagegraphic.h"
#include "platform/ui/imageutils.h"
#include "platform/ui/picture.h"
#include "platform/ui/qtconvert.h"

LT_IMPLEMENT_CLASS(TCustomImageList, TComponent) {}

LT_IMPLEMENT_CLASS(TImageList, TCustomImageList)
{
    P.Property("BkColor", &TImageList::BkColor, &TImageList::SetBkColor).Default(clNone).Idents(ColorIdents());
    P.Property("Height", &TImageList::Height, &TImageList::SetHeight).Default(16);
    P.Property("Masked", &TImageList::Masked, &TImageList::SetMasked).Default(1);
    P.Property("Width", &TImageList::Width, &TImageList::SetWidth).Default(16);
    P.Property("OnChange", &TImageList::OnChange, &TImageList::SetOnChange);
}

namespace {
constexpr char kMagic[4] = {'L', 'T', 'I', 'L'};
constexpr uint8_t kVersion = 1;

void PutLE(std::string& Out, uint32_t Value, int Bytes)
{
    for (int i = 0; i < Bytes; ++i)
        Out += static_cast<char>((Value >> (8 * i)) & 0xFF);
}

uint32_t GetLE(const std::string& In, std::size_t At, int Bytes)
{
    uint32_t value = 0;
    for (int i = 0; i < Bytes; ++i)
        value |= static_cast<uint32_t>(static_cast<unsigned char>(In[At + static_cast<std::size_t>(i)])) << (8 * i);
    return value;
}

const QImage& BitmapImage(TBitmap* Bitmap)
{
    static const QImage empty;
    if (!Bitmap || !Bitmap->Image())
        return empty;
    return *Bitmap->Image();
}
} // namespace

struct TCustomImageList::TPictures {
    std::vector<QImage> List;
};

TCustomImageList::TCustomImageList(TComponent* AOwner)
    : TComponent(AOwner), FPictures(std::make_unique<TPictures>())
{
}

TCustomImageList::~TCustomImageList() = default;

int TCustomImageList::Count() const
{
    return static_cast<int>(FPictures->List.size());
}

void TCustomImageList::SetSize(int AWidth, int AHeight)
{
    AWidth = std::max(1, AWidth);
    AHeight = std::max(1, AHeight);
    if (AWidth == FWidth && AHeight == FHeight)
        return;
    FWidth = AWidth;
    FHeight = AHeight;
    FPictures->List.clear();
    Change();
}

void TCustomImageList::SetMasked(bool Value)
{
    if (Value == FMasked)
        return;
    FMasked = Value;
    Change();
}

void TCustomImageList::SetBkColor(TColor Value)
{
    if (Value == FBkColor)
        return;
    FBkColor = Value;
    Change();
}

void TCustomImageList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EInvalidOperation("Invalid image list index (" + std::to_string(Index) + ")");
}

int TCustomImageList::AddPictures(const QImage& Strip)
{
    if (Strip.isNull())
        throw EInvalidOperation("Cannot add an empty image to an image list");
    const int first = Count();
    const int pieces = std::max(1, Strip.width() / FWidth);
    for (int i = 0; i < pieces; ++i) {
        QImage picture(FWidth, FHeight, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), Strip, QRect(i * FWidth, 0, FWidth, FHeight));
        painter.end();
        FPictures->List.push_back(std::move(picture));
    }
    Change();
    return first;
}

int TCustomImageList::Add(TBitmap* Image, TBitmap* Mask)
{
    const QImage& image = BitmapImage(Image);
    const QImage& mask = BitmapImage(Mask);
    return AddPictures(mask.isNull() ? image.convertToFormat(QImage::Format_ARGB32) : ImageWithMask(image, mask));
}

int TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor)
{
    const QImage& image = BitmapImage(Image);
    if (image.isNull())
        return AddPictures(image);
    const TColor key =
        MaskColor == clDefault ? FromQColor(QColor(image.pixel(0, image.height() - 1))) : MaskColor;
    return AddPictures(ImageWithTransparentColor(image, key));
}

void TCustomImageList::Replace(int Index, TBitmap* Image, TBitmap* Mask)
{
    CheckIndex(Index);
    std::vector<QImage> saved = std::move(FPictures->List);
    FPictures->List.clear();
    try {
        Add(Image, Mask);
    } catch (...) {
        FPictures->List = std::move(saved);
        throw;
    }
    QImage picture = std::move(FPictures->List.front());
    FPictures->List = std::move(saved);
    FPictures->List[static_cast<std::size_t>(Index)] = std::move(picture);
    Change();
}

void TCustomImageList::Delete(int Index)
{
    CheckIndex(Index);
    FPictures->List.erase(FPictures->List.begin() + Index);
    Change();
}

void TCustomImageList::Clear()
{
    if (FPictures->List.empty())
        return;
    FPictures->List.clear();
    Change();
}

void TCustomImageList::Move(int CurIndex, int NewIndex)
{
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    auto& list = FPictures->List;
    QImage picture = std::move(list[static_cast<std::size_t>(CurIndex)]);
    list.erase(list.begin() + CurIndex);
    list.insert(list.begin() + NewIndex, std::move(picture));
    Change();
}

QImage TCustomImageList::Picture(int Index) const
{
    if (Index < 0 || Index >= Count())
        return {};
    const QImage& picture = FPictures->List[static_cast<std::size_t>(Index)];
    if (FMasked)
        return picture;
    QImage opaque(picture.size(), QImage::Format_ARGB32);
    opaque.fill(ToQColor(FBkColor == clNone ? clWhite : FBkColor));
    QPainter painter(&opaque);
    painter.drawImage(QPoint(0, 0), picture);
    return opaque;
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) const
{
    if (!Canvas || Index < 0 || Index >= Count())
        return;
    const QImage picture = Picture(Index);
    const TImageGraphic graphic(Enabled ? picture : DisabledImage(picture));
    Canvas->Draw(X, Y, &graphic);
}

void TCustomImageList::GetBitmap(int Index, TBitmap* Image) const
{
    if (!Image || Index < 0 || Index >= Count())
        return;
    Image->SetSize(FWidth, FHeight);
    TCanvas* canvas = Image->Canvas();
    canvas->FillRect(Rect(0, 0, FWidth, FHeight));
    Draw(canvas, 0, 0, Index);
}

int TCustomImageList::RegisterChanges(std::function<void()> Handler)
{
    FChangeLinks.emplace_back(FNextLinkId, std::move(Handler));
    return FNextLinkId++;
}

void TCustomImageList::UnRegisterChanges(int Id)
{
    std::erase_if(FChangeLinks, [Id](const auto& link) { return link.first == Id; });
}

void TCustomImageList::Change()
{
    if (ComponentState().Contains(csLoading))
        return;
    for (const auto& [id, handler] : std::vector(FChangeLinks))
        handler();
    if (FOnChange)
        FOnChange(this);
}

void TCustomImageList::Loaded()
{
    TComponent::Loaded();
    Change();
}

void TCustomImageList::DefineProperties(TFiler& Filer)
{
    TComponent::DefineProperties(Filer);
    Filer.DefineBinaryProperty(
        "Bitmap", [this](TStream& Stream) { ReadBitmap(Stream); },
        [this](TStream& Stream) { WriteBitmap(Stream); }, Count() > 0);
}

void TCustomImageList::WriteBitmap(TStream& Stream) const
{
    QImage strip(FWidth * Count(), FHeight, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i < Count(); ++i)
        painter.drawImage(QPoint(i * FWidth, 0), FPictures->List[static_cast<std::size_t>(i)]);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!strip.save(&buffer, "PNG"))
        throw EWriteError("Image list pictures could not be written");
    std::string header(kMagic, sizeof kMagic);
    header += static_cast<char>(kVersion);
    PutLE(header, static_cast<uint32_t>(FWidth), 2);
    PutLE(header, static_cast<uint32_t>(FHeight), 2);
    PutLE(header, static_cast<uint32_t>(Count()), 4);
    Stream.WriteBuffer(header.data(), static_cast<int64_t>(header.size()));
    Stream.WriteBuffer(png.constData(), png.size());
}

void TCustomImageList::ReadBitmap(TStream& Stream)
{
    std::string data(static_cast<std::size_t>(Stream.Size() - Stream.Position()), '\0');
    Stream.ReadBuffer(data.data(), static_cast<int64_t>(data.size()));
    const auto invalid = [](const std::string& why) { throw EInvalidGraphic("Image list data is not valid: " + why); };
    if (data.size() < 13 || data.compare(0, 4, kMagic, 4) != 0)
        invalid("no image list header");
    if (static_cast<uint8_t>(data[4]) != kVersion)
        invalid("format version " + std::to_string(static_cast<uint8_t>(data[4])));
    const int width = static_cast<int>(GetLE(data, 5, 2));
    const int height = static_cast<int>(GetLE(data, 7, 2));
    const uint32_t count = GetLE(data, 9, 4);
    if (width <= 0 || height <= 0)
        invalid("picture size " + std::to_string(width) + " x " + std::to_string(height));
    QImage strip;
    if (!strip.loadFromData(reinterpret_cast<const uchar*>(data.data() + 13), static_cast<int>(data.size() - 13),
                            "PNG"))
        invalid("the pictures are no PNG image");
    if (static_cast<int64_t>(strip.width()) != static_cast<int64_t>(count) * width || strip.height() != height)
        invalid("the strip is " + std::to_string(strip.width()) + " x " + std::to_string(strip.height()) +
                " pixels for " + std::to_string(count) + " pictures");
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    FWidth = width;
    FHeight = height;
    FPictures->List.clear();
    for (uint32_t i = 0; i < count; ++i)
        FPictures->List.push_back(strip.copy(static_cast<int>(i) * width, 0, width, height));
    Change();
}
