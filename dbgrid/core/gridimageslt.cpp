// The grid's shared pictures, drawn pixel by pixel (no stored images): each
// list is made on first use and freed with the application.
#include "dbgrid/core/gridimageslt.h"

#include <QCoreApplication>
#include <QCursor>
#include <QImage>
#include <QPixmap>

#include <array>
#include <functional>
#include <memory>

#include "platform/ui/canvas.h"
#include "platform/ui/imglist.h"
#include "platform/ui/picture.h"

namespace {
constexpr int kIndicatorWidth = 8, kIndicatorHeight = 11;
constexpr int kMarkerWidth = 9, kMarkerHeight = 10;
constexpr int kCursorSize = 32;
// The selection cursors are registered from this number on.
constexpr TCursor kFirstCursorNumber = 1000;
// The see-through colours of the pictures: white, olive for the light
// arrow, magenta for the sort markers.
constexpr TColor kIndicatorGround = clWhite;
constexpr TColor kLightArrowGround = static_cast<TColor>(0x808000);
constexpr TColor kMarkerGround = static_cast<TColor>(0xFF00FF);

// One row of pixels from X1 to X2 inclusive.
void Span(TCanvas* Canvas, int Y, int X1, int X2)
{
    Canvas->FillRect(TRect{X1, Y, X2 + 1, Y + 1});
}

// The arrow of the current record: a triangle pointing right, Left its
// base, 9 pixels high about row Middle.
void PaintArrow(TCanvas* Canvas, int Left, int Middle, int Half)
{
    for (int i = 0; i <= Half; ++i)
        Canvas->FillRect(TRect{Left + i, Middle - (Half - i), Left + i + 1, Middle + (Half - i) + 1});
}

using TPainter = std::function<void(TCanvas*)>;

// A picture of the indicator's size on Ground, drawn in Ink.
std::unique_ptr<TBitmap> Picture(int Width, int Height, TColor Ground, TColor Ink, const TPainter& Paint)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(Width, Height);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(Ground);
    canvas->FillRect(TRect{0, 0, Width, Height});
    canvas->Brush()->SetColor(Ink);
    Paint(canvas);
    return bitmap;
}

constexpr int kMiddle = kIndicatorHeight / 2;

void PaintCurrent(TCanvas* C)
{
    PaintArrow(C, 2, kMiddle, 4);
}

void PaintEdit(TCanvas* C)
{
    // An I-beam: the caret of an edited row.
    C->FillRect(TRect{3, 2, 5, kIndicatorHeight - 2});
    Span(C, 1, 1, 2);
    Span(C, 1, 5, 6);
    Span(C, kIndicatorHeight - 2, 1, 2);
    Span(C, kIndicatorHeight - 2, 5, 6);
}

void PaintInsert(TCanvas* C)
{
    // An asterisk: a row not yet in the table.
    C->FillRect(TRect{3, kMiddle - 4, 5, kMiddle + 5});
    C->FillRect(TRect{0, kMiddle - 1, 8, kMiddle + 1});
    for (int i = 1; i <= 3; ++i) {
        C->FillRect(TRect{3 - i, kMiddle - 1 - i, 5 - i, kMiddle - i});
        C->FillRect(TRect{3 + i, kMiddle - 1 - i, 5 + i, kMiddle - i});
        C->FillRect(TRect{3 - i, kMiddle + i, 5 - i, kMiddle + 1 + i});
        C->FillRect(TRect{3 + i, kMiddle + i, 5 + i, kMiddle + 1 + i});
    }
}

void PaintDot(TCanvas* C, int Left)
{
    Span(C, kMiddle - 2, Left + 1, Left + 2);
    C->FillRect(TRect{Left, kMiddle - 1, Left + 4, kMiddle + 1});
    Span(C, kMiddle + 1, Left + 1, Left + 2);
}

void PaintMultiArrow(TCanvas* C)
{
    PaintArrow(C, 0, kMiddle, 3);
    PaintDot(C, 4);
}

// The sort markers: a triangle 9 wide pointing down or up, dark with a
// lighter rim at the bottom edge.
void PaintMarker(TCanvas* C, bool Down)
{
    for (int i = 0; i <= 4; ++i) {
        const int y = Down ? 3 + i : 7 - i;
        Span(C, y, i, kMarkerWidth - 1 - i);
    }
}

TColor SearchArrowGround(TColor SearchColor)
{
    // The olive is the light arrow's see-through colour: a search colour of
    // olive is drawn one step darker so that it shows.
    return SearchColor == kLightArrowGround ? RGBColor(0, 127, 127) : SearchColor;
}

// A cursor of black arrows with a white rim, its hot spot at the tip.
QCursor ArrowCursor(TGridCursorLt Kind)
{
    QImage shape(kCursorSize, kCursorSize, QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    const auto set = [&](int x, int y) {
        // The arrows are drawn pointing down; the side arrows are turned.
        const int px = Kind == gcDownLt ? x : Kind == gcRightLt ? y : kCursorSize - 1 - y;
        const int py = Kind == gcDownLt ? y : x;
        shape.setPixel(px, py, qRgb(0, 0, 0));
    };
    const int centre = kCursorSize / 2;
    for (int y = 2; y < 12; ++y)
        for (int x = centre - 2; x <= centre + 1; ++x)
            set(x, y);
    for (int i = 0; i < 8; ++i)
        for (int x = centre - 8 + i; x <= centre + 7 - i; ++x)
            set(x, 12 + i);
    QImage rimmed = shape;
    for (int y = 0; y < kCursorSize; ++y)
        for (int x = 0; x < kCursorSize; ++x) {
            if (qAlpha(shape.pixel(x, y)) != 0)
                continue;
            bool nearShape = false;
            for (int dy = -1; dy <= 1 && !nearShape; ++dy)
                for (int dx = -1; dx <= 1 && !nearShape; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    nearShape = nx >= 0 && ny >= 0 && nx < kCursorSize && ny < kCursorSize &&
                                qAlpha(shape.pixel(nx, ny)) != 0;
                }
            if (nearShape)
                rimmed.setPixel(x, y, qRgb(255, 255, 255));
        }
    const QPoint tip = Kind == gcDownLt    ? QPoint(centre, 19)
                       : Kind == gcRightLt ? QPoint(19, centre)
                                           : QPoint(kCursorSize - 20, centre);
    return QCursor(QPixmap::fromImage(rimmed), tip.x(), tip.y());
}

struct TGridImages {
    std::unique_ptr<TCustomImageList> Indicators;
    std::unique_ptr<TCustomImageList> SortMarkers;
    std::unique_ptr<TFont> SortIndexFont;
    std::array<std::unique_ptr<QCursor>, 3> Cursors;
    TColor SearchColor = clYellow;
    TColor SearchTextColor = clBlack;

    TGridImages()
    {
        Indicators = std::make_unique<TCustomImageList>(nullptr);
        Indicators->SetSize(kIndicatorWidth, kIndicatorHeight);
        const TPainter painters[] = {PaintCurrent, PaintEdit, PaintInsert, [](TCanvas* C) { PaintDot(C, 2); },
                                     PaintMultiArrow};
        for (const TPainter& paint : painters)
            Indicators->AddMasked(Picture(kIndicatorWidth, kIndicatorHeight, kIndicatorGround, clBlack, paint).get(),
                                  kIndicatorGround);
        Indicators->AddMasked(
            Picture(kIndicatorWidth, kIndicatorHeight, kLightArrowGround, clWhite, PaintCurrent).get(),
            kLightArrowGround);
        Indicators->Add(SearchArrow().get(), nullptr);

        SortMarkers = std::make_unique<TCustomImageList>(nullptr);
        SortMarkers->SetSize(kMarkerWidth, kMarkerHeight);
        for (const bool down : {true, false})
            SortMarkers->AddMasked(Picture(kMarkerWidth, kMarkerHeight, kMarkerGround, RGBColor(80, 80, 80),
                                           [down](TCanvas* C) { PaintMarker(C, down); })
                                       .get(),
                                   kMarkerGround);

        SortIndexFont = std::make_unique<TFont>();
        SortIndexFont->SetName("Arial");
        SortIndexFont->SetHeight(1 - kMarkerHeight);

        for (const TGridCursorLt kind : {gcDownLt, gcRightLt, gcLeftLt}) {
            Cursors[kind] = std::make_unique<QCursor>(ArrowCursor(kind));
            RegisterCursor(kFirstCursorNumber + kind, *Cursors[kind]);
        }
    }

    ~TGridImages()
    {
        for (const TGridCursorLt kind : {gcDownLt, gcRightLt, gcLeftLt})
            UnregisterCursor(kFirstCursorNumber + kind);
    }

    // The arrow of the current record on the search colour, opaque.
    std::unique_ptr<TBitmap> SearchArrow() const
    {
        return Picture(kIndicatorWidth, kIndicatorHeight, SearchArrowGround(SearchColor), SearchTextColor,
                       PaintCurrent);
    }
};

std::unique_ptr<TGridImages>& ImagesHolder()
{
    static std::unique_ptr<TGridImages> images;
    return images;
}

void FreeImages()
{
    ImagesHolder().reset();
}

TGridImages& Images()
{
    std::unique_ptr<TGridImages>& images = ImagesHolder();
    if (!images) {
        images = std::make_unique<TGridImages>();
        qAddPostRoutine(FreeImages);
    }
    return *images;
}
} // namespace

TCustomImageList* GridIndicatorImages()
{
    return Images().Indicators.get();
}

TCustomImageList* GridSortMarkerImages()
{
    return Images().SortMarkers.get();
}

const TFont* GridSortIndexFont()
{
    return Images().SortIndexFont.get();
}

const QCursor& GridCursor(TGridCursorLt Cursor)
{
    return *Images().Cursors[Cursor];
}

TCursor GridCursorNumber(TGridCursorLt Cursor)
{
    Images();
    return kFirstCursorNumber + Cursor;
}

TColor GridSearchColor()
{
    return Images().SearchColor;
}

void SetGridSearchColor(TColor Value)
{
    TGridImages& images = Images();
    if (images.SearchColor == Value)
        return;
    images.SearchColor = Value;
    images.Indicators->Replace(iiSearchLt, images.SearchArrow().get(), nullptr);
}

TColor GridSearchTextColor()
{
    return Images().SearchTextColor;
}

void SetGridSearchTextColor(TColor Value)
{
    TGridImages& images = Images();
    if (images.SearchTextColor == Value)
        return;
    images.SearchTextColor = Value;
    images.Indicators->Replace(iiSearchLt, images.SearchArrow().get(), nullptr);
}
