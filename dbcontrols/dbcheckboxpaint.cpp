// The check box paints itself: the background in its colour, the box in
// the classic, themed or flat look and the caption beside it.
#include <algorithm>

#include "dbcontrols/buttonpaint.h"
#include "dbcontrols/dbcheckboxlt.h"

namespace {
constexpr int kCaptionGap = 5;
}

void TCustomDBCheckBoxLt::Paint()
{
    PaintControl(Canvas(), false);
}

void TCustomDBCheckBoxLt::PaintControl(TCanvas* Canvas, bool PaintingCopy)
{
    TRect checkRect, captionRect;
    PaintLayout(Canvas, checkRect, captionRect);
    if (PaintingCopy) {
        PaintCaption(Canvas, captionRect, false);
        PaintCheckGlyph(Canvas, checkRect, LinkState(), false, false, false);
        return;
    }
    const bool focused = Focused();
    PaintCaption(Canvas, captionRect, focused);
    PaintCheckGlyph(Canvas, checkRect, FState, focused, (FMouseAbove && FMousePressed) || FSpacePressed,
                    FMouseAbove);
}

void TCustomDBCheckBoxLt::GetLayout(TRect& CheckRect, TRect& CaptionRect) const
{
    const TRect client = ClientRect();
    const bool captionRight = FAlignment == taRightJustify;
    PlaceCheckBoxRect(client, captionRight ? 0 : 1, 1, CheckRect);
    CaptionRect = client;
    if (captionRight)
        CaptionRect.Left = CheckRect.Right + kCaptionGap;
    else
        CaptionRect.Right = CheckRect.Left - kCaptionGap;
}

void TCustomDBCheckBoxLt::PaintLayout(TCanvas* Canvas, TRect& CheckRect, TRect& CaptionRect)
{
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color());
    Canvas->FillRect(ClientRect());
    GetLayout(CheckRect, CaptionRect);
}

void TCustomDBCheckBoxLt::PaintCaption(TCanvas* Canvas, const TRect& CaptionRect, bool Focused)
{
    const std::string caption = Caption();
    Canvas->SetFont(Font());
    Canvas->Brush()->SetStyle(bsClear);
    constexpr unsigned format = DT_LEFT | DT_SINGLELINE | DT_VCENTER;
    TRect measured = CaptionRect;
    Canvas->DrawText(caption, measured, format | DT_CALCRECT);
    const int height = measured.Height();
    TRect textRect{CaptionRect.Left, CaptionRect.Top + (CaptionRect.Height() - height) / 2,
                   std::min(CaptionRect.Right, measured.Right), 0};
    textRect.Bottom = textRect.Top + height;
    if (!Enabled() && !ComponentState().Contains(csDesigning)) {
        TRect shadow = CaptionRect;
        OffsetRect(shadow, 1, 1);
        Canvas->Font()->SetColor(clHighlightText);
        Canvas->DrawText(caption, shadow, format);
        Canvas->Font()->SetColor(clGrayText);
    }
    TRect area = CaptionRect;
    Canvas->DrawText(caption, area, format);
    Canvas->Brush()->SetStyle(bsSolid);
    if (Focused && !caption.empty()) {
        TRect focus{textRect.Left - 1, textRect.Top - 1, textRect.Right + 1, textRect.Bottom + 2};
        IntersectRect(focus, focus, ClientRect());
        Canvas->Brush()->SetColor(Color());
        Canvas->DrawFocusRect(focus);
    }
}

void TCustomDBCheckBoxLt::PaintCheckGlyph(TCanvas* Canvas, const TRect& CheckRect, TCheckBoxState AState,
                                          bool Focused, bool Pressed, bool Hot)
{
    const bool enabled = Enabled() || ComponentState().Contains(csDesigning);
    const bool active = Hot || Focused || FAlwaysShowBorder;
    PaintButtonFace(Canvas, CheckRect, Color(), static_cast<int>(AState), enabled, active, FFlat, Pressed ? 1 : 0,
                    bpkCheckBoxLt);
}
