#include "platform/ui/canvas.h"

#include <algorithm>
#include <cstdlib>

#include <QImage>
#include <QPolygon>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/canvasstate.h"
#include "platform/ui/picture.h"
#include "platform/ui/qtconvert.h"

LT_IMPLEMENT_CLASS(TCanvas, TPersistent)
{
    P.Property("Brush", &TCanvas::Brush);
    P.Property("Font", &TCanvas::Font);
    P.Property("Pen", &TCanvas::Pen);
}

namespace {

// Dash patterns in pixels, as one pixel wide pens draw them.
QList<qreal> DashesOf(TPenStyle Style)
{
    switch (Style) {
    case psDash: return {18, 6};
    case psDot: return {3, 3};
    case psDashDot: return {9, 6, 3, 6};
    case psDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

QPolygon QPolygonOf(const std::vector<TPoint>& Points)
{
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(Points.size()));
    for (const TPoint& p : Points)
        polygon << QPoint(p.X, p.Y);
    return polygon;
}

} // namespace

QPen QPenOf(const TPen& Pen)
{
    if (Pen.Style() == psClear)
        return QPen(Qt::NoPen);
    QPen pen(ToQColor(Pen.Color()));
    const int width = std::max(1, Pen.Width());
    pen.setWidth(width);
    if (width == 1) {
        // A flat cap leaves the end point out, as lines here always do.
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        if (const QList<qreal> dashes = DashesOf(Pen.Style()); !dashes.isEmpty())
            pen.setDashPattern(dashes);
    } else {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    return pen;
}

QBrush QBrushOf(const TBrush& Brush)
{
    static constexpr Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,
                                                Qt::VerPattern,   Qt::FDiagPattern, Qt::BDiagPattern,
                                                Qt::CrossPattern, Qt::DiagCrossPattern};
    return QBrush(ToQColor(Brush.Color()), styles[Brush.Style()]);
}

QPainter::CompositionMode CompositionOf(TPenMode Mode)
{
    switch (Mode) {
    case pmBlack: return QPainter::RasterOp_ClearDestination;
    case pmWhite: return QPainter::RasterOp_SetDestination;
    case pmNop: return QPainter::CompositionMode_Destination;
    case pmNot: return QPainter::RasterOp_NotDestination;
    case pmCopy: return QPainter::CompositionMode_SourceOver;
    case pmNotCopy: return QPainter::RasterOp_NotSource;
    case pmMergePenNot: return QPainter::RasterOp_SourceOrNotDestination;
    case pmMaskPenNot: return QPainter::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen: return QPainter::RasterOp_NotSourceOrDestination;
    case pmMaskNotPen: return QPainter::RasterOp_NotSourceAndDestination;
    case pmMerge: return QPainter::RasterOp_SourceOrDestination;
    case pmNotMerge: return QPainter::RasterOp_NotSourceAndNotDestination;
    case pmMask: return QPainter::RasterOp_SourceAndDestination;
    case pmNotMask: return QPainter::RasterOp_NotSourceOrNotDestination;
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    }
    return QPainter::CompositionMode_SourceOver;
}

QImage* PaintedImage(const QPainter& Painter)
{
    QPaintDevice* device = Painter.device();
    return device && device->devType() == QInternal::Image ? static_cast<QImage*>(device) : nullptr;
}

TCanvas::TCanvas()
    : FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()),
      FState(std::make_unique<TState>())
{
    FFont->SetOnChange([this](TGraphicsObject*) { FState->FontDirty = true; });
    FPen->SetOnChange([this](TGraphicsObject*) { FState->PenDirty = true; });
    FBrush->SetOnChange([this](TGraphicsObject*) { FState->BrushDirty = true; });
}

TCanvas::~TCanvas() = default;

void TCanvas::BeginPaint(QPaintDevice* Device)
{
    ReleaseOwnDevice();
    if (FState->Depth == 0) {
        auto painter = std::make_unique<QPainter>();
        if (!Device || !painter->begin(Device))
            throw EInvalidOperation("Canvas cannot paint on this device");
        FState->Painter = std::move(painter);
        FState->MarkDirty();
    }
    ++FState->Depth;
}

void TCanvas::EndPaint()
{
    if (FState->Depth == 0)
        return;
    if (--FState->Depth == 0) {
        FState->Painter->end();
        FState->Painter.reset();
        FState->OwnPainting = false;
        FState->Saved = 0;
    }
}

void TCanvas::ReleaseOwnDevice()
{
    if (FState->OwnPainting) {
        FState->Depth = 1;
        EndPaint();
    }
}

bool TCanvas::Painting() const
{
    return FState->Painter != nullptr;
}

QPainter* TCanvas::Painter() const
{
    return FState->Painter.get();
}

void TCanvas::Apply() const
{
    TState& s = *FState;
    if (!s.Painter) {
        QPaintDevice* device = OwnDevice();
        auto painter = std::make_unique<QPainter>();
        if (!device || !painter->begin(device))
            throw EInvalidOperation("Canvas does not allow drawing");
        s.Painter = std::move(painter);
        s.Depth = 1;
        s.OwnPainting = true;
        s.MarkDirty();
    }
    QPainter& p = *s.Painter;
    if (s.FontDirty) {
        p.setFont(ToQFont(*FFont));
        s.FontDirty = false;
    }
    if (s.PenDirty) {
        p.setPen(QPenOf(*FPen));
        p.setCompositionMode(CompositionOf(FPen->Mode()));
        s.PenDirty = false;
    }
    if (s.BrushDirty) {
        p.setBrush(QBrushOf(*FBrush));
        p.setBrushOrigin(0, 0);
        s.BrushDirty = false;
    }
}

void TCanvas::Changed()
{
    if (FOnChange)
        FOnChange(this);
}

void TCanvas::MoveTo(int X, int Y)
{
    FPenPos = {X, Y};
}

void TCanvas::LineTo(int X, int Y)
{
    Apply();
    FState->Painter->drawLine(FPenPos.X, FPenPos.Y, X, Y);
    FPenPos = {X, Y};
    Changed();
}

void TCanvas::FillRect(const TRect& Rect)
{
    Apply();
    if (FBrush->Style() != bsClear && !IsRectEmpty(Rect)) {
        QPainter& p = *FState->Painter;
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        FState->PenDirty = true;
        p.fillRect(ToQRect(Rect), p.brush());
    }
    Changed();
}

void TCanvas::FrameRect(const TRect& Rect)
{
    Apply();
    if (!IsRectEmpty(Rect)) {
        QPainter& p = *FState->Painter;
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        FState->PenDirty = true;
        const QBrush brush = p.brush();
        const int w = Rect.Width(), h = Rect.Height();
        p.fillRect(Rect.Left, Rect.Top, w, 1, brush);
        p.fillRect(Rect.Left, Rect.Bottom - 1, w, 1, brush);
        p.fillRect(Rect.Left, Rect.Top, 1, h, brush);
        p.fillRect(Rect.Right - 1, Rect.Top, 1, h, brush);
    }
    Changed();
}

namespace {

// The box a shape with corners (X1, Y1) and (X2, Y2) is drawn in: the pen
// runs along its inside edge, so the shape covers X1 .. X2 - 1. An inside
// frame pen wider than a pixel keeps its whole width inside.
QRectF ShapeBox(int X1, int Y1, int X2, int Y2, const TPen& Pen)
{
    QRectF box(std::min(X1, X2), std::min(Y1, Y2), std::max(0, std::abs(X2 - X1) - 1),
               std::max(0, std::abs(Y2 - Y1) - 1));
    if (Pen.Style() == psInsideFrame && Pen.Width() > 1) {
        const qreal inset = (Pen.Width() - 1) / 2.0;
        box.adjust(inset, inset, -inset, -inset);
    }
    return box;
}

} // namespace

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2)
{
    Apply();
    if (X1 != X2 && Y1 != Y2)
        FState->Painter->drawRect(ShapeBox(X1, Y1, X2, Y2, *FPen));
    Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3)
{
    Apply();
    if (X1 != X2 && Y1 != Y2)
        FState->Painter->drawRoundedRect(ShapeBox(X1, Y1, X2, Y2, *FPen), X3 / 2.0, Y3 / 2.0);
    Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2)
{
    Apply();
    if (X1 != X2 && Y1 != Y2)
        FState->Painter->drawEllipse(ShapeBox(X1, Y1, X2, Y2, *FPen));
    Changed();
}

void TCanvas::Polygon(const std::vector<TPoint>& Points)
{
    Apply();
    FState->Painter->drawPolygon(QPolygonOf(Points), Qt::OddEvenFill);
    Changed();
}

void TCanvas::Polyline(const std::vector<TPoint>& Points)
{
    Apply();
    FState->Painter->drawPolyline(QPolygonOf(Points));
    if (!Points.empty())
        FPenPos = Points.back();
    Changed();
}

void TCanvas::PolyPolyline(const std::vector<std::vector<TPoint>>& Lines)
{
    Apply();
    for (const std::vector<TPoint>& line : Lines)
        FState->Painter->drawPolyline(QPolygonOf(line));
    Changed();
}

TColor TCanvas::Pixels(int X, int Y) const
{
    Apply();
    const QImage* image = PaintedImage(*FState->Painter);
    if (!image || !image->rect().contains(X, Y))
        return clNone;
    if (FState->Painter->hasClipping() && !FState->Painter->clipRegion().contains(QPoint(X, Y)))
        return clNone;
    return FromQColor(QColor(image->pixel(X, Y)));
}

void TCanvas::SetPixels(int X, int Y, TColor Color)
{
    Apply();
    QPainter& p = *FState->Painter;
    if (QImage* image = PaintedImage(p);
        image && image->rect().contains(X, Y) && (!p.hasClipping() || p.clipRegion().contains(QPoint(X, Y)))) {
        image->setPixel(X, Y, ToQColor(Color).rgb());
    } else if (!image) {
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setPen(ToQColor(Color));
        p.drawPoint(X, Y);
        p.restore();
    }
    Changed();
}

namespace {

// The pixels of a graphic as drawn: a transparent bitmap leaves out every
// pixel of its transparent colour.
QImage DrawnImage(const TGraphic& Graphic)
{
    const QImage& image = *Graphic.Image();
    const auto* bitmap = dynamic_cast<const TBitmap*>(&Graphic);
    if (!Graphic.Transparent() || !bitmap)
        return image;
    const QRgb key = ToQColor(bitmap->TransparentColor()).rgb() & 0xFFFFFFu;
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if ((line[x] & 0xFFFFFFu) == key)
                line[x] = 0;
    }
    return masked;
}

bool Drawable(const TGraphic* Graphic)
{
    return Graphic && !Graphic->Empty() && Graphic->Image();
}

} // namespace

void TCanvas::Draw(int X, int Y, const TGraphic* Graphic)
{
    if (!Drawable(Graphic))
        return;
    const QImage image = DrawnImage(*Graphic);
    Apply();
    QPainter& p = *FState->Painter;
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    FState->PenDirty = true;
    p.drawImage(QPoint(X, Y), image);
    Changed();
}

void TCanvas::StretchDraw(const TRect& Rect, const TGraphic* Graphic)
{
    if (!Drawable(Graphic))
        return;
    const QImage image = DrawnImage(*Graphic);
    Apply();
    QPainter& p = *FState->Painter;
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    FState->PenDirty = true;
    p.drawImage(ToQRect(Rect), image);
    Changed();
}

void TCanvas::CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& SourceRect)
{
    Source.Apply();
    const QImage* sourceImage = PaintedImage(*Source.FState->Painter);
    if (!sourceImage)
        throw EInvalidOperation("Canvas cannot copy from this device");
    const QImage part = sourceImage->copy(ToQRect(SourceRect));
    Apply();
    QPainter& p = *FState->Painter;
    p.setCompositionMode(QPainter::CompositionMode_Source);
    FState->PenDirty = true;
    p.drawImage(ToQRect(Dest), part);
    Changed();
}

void TCanvas::SaveState()
{
    Apply();
    FState->Painter->save();
    ++FState->Saved;
}

void TCanvas::RestoreState()
{
    if (!FState->Painter || FState->Saved == 0)
        return;
    FState->Painter->restore();
    --FState->Saved;
    FState->MarkDirty();
}

void TCanvas::IntersectClipRect(const TRect& Rect)
{
    Apply();
    QPainter& p = *FState->Painter;
    p.setClipRect(ToQRect(Rect), p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void TCanvas::ExcludeClipRect(const TRect& Rect)
{
    Apply();
    QPainter& p = *FState->Painter;
    const QRegion current = p.hasClipping() ? p.clipRegion() : QRegion(0, 0, p.device()->width(), p.device()->height());
    p.setClipRegion(current.subtracted(QRegion(ToQRect(Rect))));
}

TRect TCanvas::ClipRect() const
{
    if (!FState->Painter && !OwnDevice())
        return {};
    Apply();
    const QPainter& p = *FState->Painter;
    if (p.hasClipping())
        return FromQRect(p.clipRegion().boundingRect());
    return Rect(0, 0, p.device()->width(), p.device()->height());
}
