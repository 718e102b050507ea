#include "platform/ui/frame3d.h"

#include "platform/ui/canvas.h"

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width)
{
    TBrush* brush = Canvas->Brush();
    const TColor savedColor = brush->Color();
    const TBrushStyle savedStyle = brush->Style();
    brush->SetStyle(bsSolid);
    TRect& r = Rect;
    for (int i = 0; i < Width && !IsRectEmpty(r); ++i) {
        brush->SetColor(TopColor);
        Canvas->FillRect({r.Left, r.Top, r.Right - 1, r.Top + 1});
        Canvas->FillRect({r.Left, r.Top, r.Left + 1, r.Bottom});
        brush->SetColor(BottomColor);
        Canvas->FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
        Canvas->FillRect({r.Left + 1, r.Bottom - 1, r.Right, r.Bottom});
        InflateRect(r, -1, -1);
    }
    brush->SetColor(savedColor);
    brush->SetStyle(savedStyle);
}
