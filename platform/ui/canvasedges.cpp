// Focus rectangles and three-dimensional edges.
#include <QPolygon>

#include "platform/ui/canvas.h"
#include "platform/ui/canvasstate.h"
#include "platform/ui/qtconvert.h"

namespace {

// The colours of one ring of an edge: left and top, right and bottom.
struct TEdgeRing {
    TColor LeftTop;
    TColor RightBottom;
};

// The outer ring of Edge, if it has one.
bool OuterRing(unsigned Edge, unsigned Flags, TEdgeRing& Ring)
{
    if (!(Edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)))
        return false;
    if (Flags & BF_MONO)
        Ring = {clWindowFrame, clWindowFrame};
    else if (Flags & BF_FLAT)
        Ring = {clBtnShadow, clBtnShadow};
    else if (Edge & BDR_RAISEDOUTER)
        Ring = {(Flags & BF_SOFT) ? clBtnHighlight : cl3DLight, cl3DDkShadow};
    else
        Ring = {(Flags & BF_SOFT) ? cl3DDkShadow : clBtnShadow, clBtnHighlight};
    return true;
}

bool InnerRing(unsigned Edge, unsigned Flags, TEdgeRing& Ring)
{
    if (!(Edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)))
        return false;
    if (Flags & BF_MONO)
        Ring = {clWindow, clWindow};
    else if (Flags & BF_FLAT)
        Ring = {clBtnFace, clBtnFace};
    else if (Edge & BDR_RAISEDINNER)
        Ring = {(Flags & BF_SOFT) ? cl3DLight : clBtnHighlight, clBtnShadow};
    else
        Ring = {(Flags & BF_SOFT) ? clBtnShadow : cl3DDkShadow, cl3DLight};
    return true;
}

// Draws one pixel wide ring on the sides Flags names and moves those sides
// of R inwards. Right and bottom are drawn last and own the corners they
// share with left and top.
void DrawRing(QPainter& Painter, TRect& R, const TEdgeRing& Ring, unsigned Flags)
{
    if (IsRectEmpty(R))
        return;
    const QColor lt = ToQColor(Ring.LeftTop), rb = ToQColor(Ring.RightBottom);
    if (Flags & BF_LEFT)
        Painter.fillRect(R.Left, R.Top, 1, R.Height(), lt);
    if (Flags & BF_TOP)
        Painter.fillRect(R.Left, R.Top, R.Width(), 1, lt);
    if (Flags & BF_RIGHT)
        Painter.fillRect(R.Right - 1, R.Top, 1, R.Height(), rb);
    if (Flags & BF_BOTTOM)
        Painter.fillRect(R.Left, R.Bottom - 1, R.Width(), 1, rb);
    if (Flags & BF_LEFT)
        ++R.Left;
    if (Flags & BF_TOP)
        ++R.Top;
    if (Flags & BF_RIGHT)
        --R.Right;
    if (Flags & BF_BOTTOM)
        --R.Bottom;
}

} // namespace

// Inverts every other pixel of the frame, so drawing it twice restores the
// picture.
void TCanvas::DrawFocusRect(const TRect& Rect)
{
    if (IsRectEmpty(Rect))
        return;
    Apply();
    QPolygon points;
    const auto add = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            points << QPoint(x, y);
    };
    for (int x = Rect.Left; x < Rect.Right; ++x) {
        add(x, Rect.Top);
        if (Rect.Bottom - 1 > Rect.Top)
            add(x, Rect.Bottom - 1);
    }
    for (int y = Rect.Top + 1; y < Rect.Bottom - 1; ++y) {
        add(Rect.Left, y);
        if (Rect.Right - 1 > Rect.Left)
            add(Rect.Right - 1, y);
    }
    QPainter& p = *FState->Painter;
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(Qt::white, 1, Qt::SolidLine, Qt::SquareCap));
    p.drawPoints(points);
    FState->PenDirty = true;
    Changed();
}

bool TCanvas::DrawEdge(TRect& Rect, unsigned Edge, unsigned Flags)
{
    Apply();
    QPainter& p = *FState->Painter;
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    FState->PenDirty = true;
    TRect inner = Rect;
    TEdgeRing ring;
    if (OuterRing(Edge, Flags, ring))
        DrawRing(p, inner, ring, Flags);
    if (InnerRing(Edge, Flags, ring))
        DrawRing(p, inner, ring, Flags);
    if ((Flags & BF_MIDDLE) && !IsRectEmpty(inner))
        p.fillRect(ToQRect(inner), ToQColor((Flags & BF_MONO) ? clWindow : clBtnFace));
    if (Flags & BF_ADJUST)
        Rect = inner;
    Changed();
    return true;
}
