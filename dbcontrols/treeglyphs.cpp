#include "dbcontrols/treeglyphs.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/canvas.h"

namespace {

int Scaled(double Scale, int Value)
{
    return static_cast<int>(std::lround(Scale * Value));
}

} // namespace

void PaintDottedLine(TCanvas* Canvas, const TPoint& Start, int Length, bool OddPhase, bool Horizontal)
{
    const int step = 2 * std::max(1, Canvas->Pen()->Width());
    const bool odd = ((Start.X + Start.Y) & 1) != 0;
    const TColor color = Canvas->Pen()->Color();
    for (int i = odd == OddPhase ? 0 : 1; i < Length; i += step) {
        if (Horizontal)
            Canvas->SetPixels(Start.X + i, Start.Y, color);
        else
            Canvas->SetPixels(Start.X, Start.Y + i, color);
    }
}

void PaintTreeGlyph(TCanvas* Canvas, const TRect& Rect, int Kind, bool ShiftLeft, double ScaleY, double ScaleX,
                    bool OddPhase)
{
    const int cx = (Rect.Left + Rect.Right) / 2;
    const int cy = (Rect.Top + Rect.Bottom) / 2;
    const TColor lineColor = Canvas->Pen()->Color();
    if (Kind <= 5) {
        TRect box{cx - Scaled(ScaleX, 4), cy - Scaled(ScaleY, 4), cx + Scaled(ScaleX, 4) + 1,
                  cy + Scaled(ScaleY, 4) + 1};
        if (ShiftLeft)
            OffsetRect(box, -1, 0);
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(clWindow);
        Canvas->FillRect(box);
        Canvas->Brush()->SetColor(clBtnShadow);
        Canvas->FrameRect(box);
        Canvas->Brush()->SetColor(clWindowText);
        Canvas->FillRect({box.Left + Scaled(ScaleX, 2), cy, box.Right - Scaled(ScaleX, 2), cy + 1});
        if (Kind >= 3)
            Canvas->FillRect({cx, box.Top + Scaled(ScaleY, 2), cx + 1, box.Bottom - Scaled(ScaleY, 2)});
        const int right = box.Right + Scaled(ScaleX, 1) - 1;
        PaintDottedLine(Canvas, {right, cy}, Rect.Right - right, OddPhase, true);
        if (Kind == 0 || Kind == 1 || Kind == 3 || Kind == 4)
            PaintDottedLine(Canvas, {cx, Rect.Top}, box.Top - Rect.Top, OddPhase, false);
        if (Kind == 0 || Kind == 2 || Kind == 3 || Kind == 5) {
            const int below = box.Bottom + Scaled(ScaleY, 1) - 1;
            PaintDottedLine(Canvas, {cx, below}, Rect.Bottom - below, OddPhase, false);
        }
        Canvas->Pen()->SetColor(lineColor);
        return;
    }
    if (Kind == 6 || Kind == 9)
        PaintDottedLine(Canvas, {cx, Rect.Top}, Rect.Height(), OddPhase, false);
    if (Kind == 6 || Kind == 7 || Kind == 8)
        PaintDottedLine(Canvas, {cx, cy}, Rect.Right - cx, OddPhase, true);
    if (Kind == 8)
        PaintDottedLine(Canvas, {cx, cy}, Rect.Bottom - cy, OddPhase, false);
    if (Kind == 7)
        PaintDottedLine(Canvas, {cx, Rect.Top}, cy - Rect.Top, OddPhase, false);
}
