#include "dbcontrols/buttonpaint.h"

#include <algorithm>
#include <cmath>

#include "dbcontrols/buttoncache.h"
#include "platform/ui/imglist.h"
#include "platform/ui/sysmetrics.h"

namespace {

bool ThemesOn = true;

TRect Inflated(TRect R, int D)
{
    InflateRect(R, D, D);
    return R;
}

void Fill(TCanvas* Canvas, const TRect& R, TColor Color)
{
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(R);
}

void Frame(TCanvas* Canvas, const TRect& R, TColor Color)
{
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FrameRect(R);
}

unsigned FrameFlags(bool Pressed, bool Flat, bool Enabled)
{
    return (Pressed ? DFCS_PUSHED : 0) | (Flat ? DFCS_FLAT : 0) | (Enabled ? 0 : DFCS_INACTIVE);
}

} // namespace

TRect PaintPlainButtonFace(TCanvas* Canvas, const TRect& Rect, bool Pressed, bool Active, bool Flat, bool Enabled)
{
    TRect inner = Rect;
    if (ThemesOn) {
        TThemedState state;
        state.Disabled = !Enabled;
        state.Pressed = Pressed;
        state.Hot = Active;
        if (!Flat || Pressed || Active)
            Canvas->DrawThemed(TThemedElement::ButtonPush, state, Rect);
        else
            Fill(Canvas, Rect, clBtnFace);
        InflateRect(inner, Flat ? -1 : -2, Flat ? -1 : -2);
        return inner;
    }
    if (Flat) {
        Fill(Canvas, inner, clBtnFace);
        InflateRect(inner, -1, -1);
    } else {
        Canvas->DrawEdge(inner, Pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
        Fill(Canvas, inner, clBtnFace);
    }
    return inner;
}

namespace {

// Draws a sign rectangle in the enabled or disabled look.
void PaintSignPart(TCanvas* Canvas, TRect R, bool Enabled)
{
    if (Enabled) {
        Fill(Canvas, R, clBtnText);
        return;
    }
    OffsetRect(R, 1, 1);
    Fill(Canvas, R, clBtnHighlight);
    OffsetRect(R, -1, -1);
    Fill(Canvas, R, clBtnShadow);
}

} // namespace

bool ButtonThemesEnabled()
{
    return ThemesOn;
}

void SetButtonThemesEnabled(bool Value)
{
    if (Value == ThemesOn)
        return;
    ThemesOn = Value;
    FlushButtonBitmapCache();
}

void PaintDropDownFace(TCanvas* Canvas, const TRect& Rect, bool Pressed, bool Active, bool Flat, bool Enabled)
{
    if (ThemesOn) {
        TThemedState state;
        state.Disabled = !Enabled;
        state.Pressed = Pressed;
        state.Hot = Active;
        Canvas->DrawThemed(TThemedElement::ComboDropDownButton, state, Rect);
        return;
    }
    Canvas->DrawFrameControl(Rect, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | FrameFlags(Pressed, Flat, Enabled));
}

void PaintUpDownHalfFace(TCanvas* Canvas, const TRect& Rect, int Half, bool Pressed, bool Active, bool Flat,
                         bool Enabled)
{
    if (ThemesOn) {
        TThemedState state;
        state.Disabled = !Enabled;
        state.Pressed = Pressed;
        state.Hot = Active;
        Canvas->DrawThemed(Half == 0 ? TThemedElement::ScrollArrowUp : TThemedElement::ScrollArrowDown, state, Rect);
        return;
    }
    Canvas->DrawFrameControl(Rect, DFC_SCROLL,
                             (Half == 0 ? DFCS_SCROLLUP : DFCS_SCROLLDOWN) | FrameFlags(Pressed, Flat, Enabled));
}

void PaintEllipsisFace(TCanvas* Canvas, const TRect& Rect, bool Pressed, bool Active, bool Flat, bool Enabled)
{
    const TRect inner = PaintPlainButtonFace(Canvas, Rect, Pressed, Active, Flat, Enabled);
    const int width = inner.Width();
    const int side = width > 7 ? 2 : 1;
    const int gap = width >= 12 ? 2 : 1;
    const int total = 3 * side + 2 * gap;
    int x = inner.Left + (width - total) / 2;
    int y = inner.Top + (inner.Height() - side) / 2;
    if (Pressed) {
        ++x;
        ++y;
    }
    for (int i = 0; i < 3; ++i)
        PaintSignPart(Canvas, Bounds(x + i * (side + gap), y, side, side), Enabled);
}

void PaintPlusMinusFace(TCanvas* Canvas, const TRect& Rect, bool Plus, bool Pressed, bool Active, bool Flat,
                        bool Enabled)
{
    const TRect inner = PaintPlainButtonFace(Canvas, Rect, Pressed, Active, Flat, Enabled);
    const int smaller = std::min(inner.Width(), inner.Height());
    int length = std::max(1, smaller * 4 / 7);
    const int thickness = std::max(1, length / 3);
    // The bar takes the parity that centres it in the face.
    const int parity = (smaller + (Flat ? -1 : 1)) & 1;
    if ((length & 1) != parity)
        ++length;
    if (Plus && (length & 1) != (thickness & 1))
        length += smaller < 12 ? 1 : -1;
    int x = inner.Left + (inner.Width() - length) / 2;
    int y = inner.Top + (inner.Height() - thickness) / 2;
    if (Pressed) {
        ++x;
        ++y;
    }
    PaintSignPart(Canvas, Bounds(x, y, length, thickness), Enabled);
    if (Plus)
        PaintSignPart(Canvas, Bounds(x + (length - thickness) / 2, y - (length - thickness) / 2, thickness, length),
                      Enabled);
}

void PaintCheckBoxFace(TCanvas* Canvas, const TRect& Rect, int CheckState, bool Active, bool Pressed, bool Flat,
                       bool Enabled)
{
    const int side = std::min(Rect.Width(), Rect.Height());
    const TRect square = Bounds(Rect.Left + (Rect.Width() - side) / 2, Rect.Top + (Rect.Height() - side) / 2, side,
                                side);
    if (ThemesOn) {
        TThemedState state;
        state.Disabled = !Enabled;
        state.Checked = CheckState == 1;
        state.Mixed = CheckState == 2;
        state.Pressed = Pressed;
        Canvas->DrawThemed(TThemedElement::CheckBox, state, square);
        return;
    }
    const unsigned state = (CheckState == 2 ? DFCS_BUTTON3STATE : DFCS_BUTTONCHECK) |
                           (CheckState != 0 ? DFCS_CHECKED : 0) | (Enabled ? 0 : DFCS_INACTIVE) |
                           (Pressed ? DFCS_PUSHED : 0);
    if (!Flat) {
        Canvas->DrawFrameControl(square, DFC_BUTTON, state);
        return;
    }
    Canvas->SaveState();
    Canvas->IntersectClipRect(Inflated(square, -1));
    Canvas->DrawFrameControl(Inflated(square, 1), DFC_BUTTON, state | DFCS_FLAT);
    Canvas->RestoreState();
    Frame(Canvas, Inflated(square, -1), Active ? clBtnFace : clBtnShadow);
}

void PaintSingleButtonFace(TCanvas* Canvas, TButtonPaintKindLt Kind, const TRect& Rect, int Half, bool Pressed,
                           bool Active, bool Flat, bool Enabled)
{
    const bool clipped = Active && Flat && !ThemesOn;
    if (clipped) {
        Canvas->SaveState();
        Canvas->IntersectClipRect(Inflated(Rect, -1));
    }
    // A flat face keeps the classic 3D border outside the clip.
    const TRect face = Flat && !ThemesOn ? Inflated(Rect, Active ? 1 : 2) : Rect;
    switch (Kind) {
    case bpkDropDownLt:
        PaintDropDownFace(Canvas, face, Pressed, Active, Flat, Enabled);
        break;
    case bpkEllipsisLt:
        PaintEllipsisFace(Canvas, face, Pressed, Active, Flat, Enabled);
        break;
    case bpkUpDownLt:
        PaintUpDownHalfFace(Canvas, face, Half, Pressed, Active, Flat, Enabled);
        break;
    case bpkPlusLt:
    case bpkMinusLt:
        PaintPlusMinusFace(Canvas, face, Kind == bpkPlusLt, Pressed, Active, Flat, Enabled);
        break;
    default:
        break;
    }
    if (clipped) {
        Canvas->RestoreState();
        TRect ring = Rect;
        Canvas->DrawEdge(ring, Pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
}

namespace {

// One face, through the cache when it is on.
void DrawFace(TCanvas* Canvas, TButtonPaintKindLt Kind, const TRect& Rect, int Half, bool Pressed, bool Active,
              bool Flat, bool Enabled, int CheckState)
{
    if (!ButtonBitmapCacheEnabled() || (Kind == bpkCheckBoxLt && !Enabled)) {
        if (Kind == bpkCheckBoxLt)
            PaintCheckBoxFace(Canvas, Rect, CheckState, Active, Pressed, Flat, Enabled);
        else
            PaintSingleButtonFace(Canvas, Kind, Rect, Half, Pressed, Active, Flat, Enabled);
        return;
    }
    TButtonBitmapKeyLt key;
    key.Width = Rect.Width();
    key.Height = Rect.Height();
    key.Kind = Kind;
    key.Flat = Flat;
    key.Pressed = Pressed;
    key.Active = Active;
    key.Enabled = Enabled;
    key.UpDownHalf = Half;
    key.CheckState = CheckState;
    Canvas->StretchDraw(Rect, ButtonsBitmapCache().GetButtonBitmap(key));
}

} // namespace

void PaintButtonFace(TCanvas* Canvas, const TRect& Rect, TColor ParentColor, int CheckState, bool Enabled,
                     bool Active, bool Flat, int PressedPart, TButtonPaintKindLt Kind)
{
    TRect r = Rect;
    if (Kind == bpkCheckBoxLt) {
        const int w = r.Width(), h = r.Height();
        if (w > h) {
            r.Left += (w - h) / 2;
            r.Right = r.Left + h;
        } else if (h > w) {
            r.Top += (h - w) / 2;
            r.Bottom = r.Top + w;
        }
        if (Flat)
            InflateRect(r, -1, -1);
        DrawFace(Canvas, bpkCheckBoxLt, r, 0, PressedPart != 0, Active, Flat, Enabled, CheckState);
        if (Flat) {
            InflateRect(r, 1, 1);
            if (Active)
                Canvas->DrawEdge(r, BDR_SUNKENOUTER, BF_RECT);
        }
        return;
    }
    const bool flatFrame = Flat && !Active && !ThemesOn;
    const bool cacheOn = ButtonBitmapCacheEnabled();
    if (flatFrame) {
        InflateRect(r, -1, -1);
        if (!cacheOn) {
            Canvas->SaveState();
            Canvas->IntersectClipRect(r);
        }
    }
    if (Kind == bpkUpDownLt) {
        const int topHeight = r.Height() / 2;
        TRect top = r;
        top.Bottom = top.Top + topHeight;
        TRect bottom = r;
        bottom.Top = bottom.Bottom - topHeight;
        const int shrink = flatFrame ? -1 : 0;
        DrawFace(Canvas, bpkUpDownLt, Inflated(top, shrink), 0, PressedPart == 1, Active, Flat, Enabled, 0);
        DrawFace(Canvas, bpkUpDownLt, Inflated(bottom, shrink), 1, PressedPart == 2, Active, Flat, Enabled, 0);
        if (top.Bottom < bottom.Top || flatFrame) {
            TRect line{r.Left, top.Bottom, r.Right, bottom.Top};
            if (flatFrame)
                InflateRect(line, 0, 1);
            Fill(Canvas, line, ParentColor);
        }
    } else {
        DrawFace(Canvas, Kind, r, 0, PressedPart != 0, Active, Flat, Enabled, 0);
    }
    if (flatFrame) {
        InflateRect(r, 1, 1);
        if (!cacheOn)
            Canvas->RestoreState();
        Frame(Canvas, r, ParentColor);
    }
}

namespace {

TSize MeasuredCheckBoxSize()
{
    const int width = GetSystemMetrics(SM_CXMENUCHECK);
    const int height = GetSystemMetrics(SM_CYMENUCHECK);
    return {width > 0 ? width : 13, height > 0 ? height : 13};
}

} // namespace

int DefaultCheckBoxWidth()
{
    static const int width = MeasuredCheckBoxSize().cx;
    return width;
}

int DefaultCheckBoxHeight()
{
    static const int height = MeasuredCheckBoxSize().cy;
    return height;
}

void PlaceCheckBoxRect(const TRect& Rect, int HorzAlign, int VertAlign, TRect& CheckRect)
{
    const int width = std::min(DefaultCheckBoxWidth(), Rect.Width());
    const int height = std::min(DefaultCheckBoxHeight(), Rect.Height());
    int left = Rect.Left;
    if (HorzAlign == 1)
        left = Rect.Right - width;
    else if (HorzAlign == 2)
        left = Rect.Left + (Rect.Width() - width) / 2;
    int top = Rect.Top;
    if (VertAlign == 1)
        top = Rect.Top + (Rect.Height() - height) / 2;
    else if (VertAlign == 2)
        top = Rect.Bottom - height;
    CheckRect = Bounds(left, top, width, height);
}

int EditButtonHeightFromWidth(int ButtonWidth, bool Flat)
{
    // Rounded half to even, as the platform's Round does.
    return Flat ? static_cast<int>(std::nearbyint(ButtonWidth * 3.0 / 2.0)) : ButtonWidth;
}

int ComputeFlatButtonWidth()
{
    const TFont font;
    TBitmap probe;
    probe.SetSize(1, 1);
    probe.Canvas()->SetFont(&font);
    int width = static_cast<int>(std::nearbyint(probe.Canvas()->TextHeight("Wg") * 2.0 / 3.0));
    if (width % 2 == 0)
        ++width;
    return std::min(width, GetSystemMetrics(SM_CXVSCROLL));
}

int DefaultFlatButtonWidth()
{
    static const int width = ComputeFlatButtonWidth();
    return width;
}

void PaintImageCentered(TCanvas* Canvas, const TRect& Rect, TCustomImageList* Images, bool Selected, int ImageIndex)
{
    if (!Images || ImageIndex < 0 || ImageIndex >= Images->Count())
        return;
    const int x = Rect.Left + (Rect.Width() - Images->Width()) / 2;
    const int y = Rect.Top + (Rect.Height() - Images->Height()) / 2;
    Canvas->SaveState();
    Canvas->IntersectClipRect(Rect);
    Images->Draw(Canvas, x, y, ImageIndex);
    if (Selected) {
        // Blend the picture with the highlight colour: a 50% stipple over it.
        const TRect image = Bounds(x, y, Images->Width(), Images->Height());
        for (int py = image.Top; py < image.Bottom; ++py)
            for (int px = image.Left + ((py - image.Top) & 1); px < image.Right; px += 2)
                Canvas->SetPixels(px, py, clHighlight);
    }
    Canvas->RestoreState();
}
