// Cell text and image drawing of the data grid.
#include "dbgrid/core/celltextdrawing.h"

#include <algorithm>
#include <functional>

#include "dbgrid/core/canvasguards.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/imglist.h"
#include "platform/ui/picture.h"

namespace {

void DrawSingleLine(TCanvas* Canvas, const TRect& Rect, int DX, int DY, const std::string& Text,
                    TAlignment Alignment, TTextLayout Layout, bool EndEllipsis)
{
    const std::string text = EndEllipsis ? ShortenText(Text, Canvas, Rect.Width() - DX) : Text;
    const TSize extent = Canvas->TextExtent(text);
    int x = Rect.Left + DX;
    if (Alignment == taRightJustify)
        x = Rect.Right - extent.cx - 3;
    else if (Alignment == taCenter)
        x = Rect.Left + (Rect.Width() - extent.cx) / 2;
    int y = Rect.Top + DY;
    if (extent.cy < Rect.Height() - DY) {
        if (Layout == tlCenter)
            y = (Rect.Top + Rect.Bottom - extent.cy) / 2;
        else if (Layout == tlBottom)
            y = Rect.Bottom - extent.cy;
    } else if (extent.cy > Rect.Height() - DY) {
        // A line taller than the room under the inset rises into the inset
        // (never above the top), so rows as tall as a line keep it whole.
        y = std::max(Rect.Top, Rect.Bottom - extent.cy);
    }
    Canvas->TextRect(Rect, x, y, text);
}

void DrawMultiLine(TCanvas* Canvas, const TRect& Rect, int DX, int DY, const std::string& Text, TAlignment Alignment,
                   TTextLayout Layout, bool EndEllipsis, int LeftMarg, int RightMarg)
{
    unsigned format = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;
    if (EndEllipsis)
        format |= DT_END_ELLIPSIS;
    if (Alignment == taRightJustify)
        format |= DT_RIGHT;
    else if (Alignment == taCenter)
        format |= DT_CENTER;
    const TRect area{Rect.Left + DX + LeftMarg, Rect.Top + DY, Rect.Right - DX - RightMarg, Rect.Bottom - DY};
    TRect measured{area.Left, area.Top, area.Right, area.Top};
    const int height = Canvas->DrawText(Text, measured, format | DT_CALCRECT);
    int top = area.Top;
    if (Layout == tlCenter)
        top = std::max(area.Top, area.Top + (area.Height() - height) / 2);
    else if (Layout == tlBottom)
        top = std::max(area.Top, area.Bottom - height);
    TRect placed{area.Left, top, area.Right, area.Bottom};
    const TClipWhile clip(Canvas, Rect);
    Canvas->DrawText(Text, placed, format);
}

void DrawPictureInRect(TCanvas* Canvas, const TRect& Rect, TAlignment Alignment, int Offset, int Width, int Height,
                       const std::function<void(int X, int Y)>& Draw)
{
    int x = Rect.Left + (Rect.Width() - Width) / 2;
    if (Alignment == taLeftJustify)
        x = Rect.Left + Offset;
    else if (Alignment == taRightJustify)
        x = Rect.Right - Width + Offset;
    const int y = Rect.Top + (Rect.Height() - Height) / 2;
    const bool sticksOut = x < Rect.Left || y < Rect.Top || x + Width > Rect.Right || y + Height > Rect.Bottom;
    if (!sticksOut) {
        Draw(x, y);
        return;
    }
    const TClipWhile clip(Canvas, Rect);
    Draw(x, y);
}

} // namespace

TRotatedFontLt MakeRotatedFont(const TFont* Font)
{
    TRotatedFontLt rotated{std::make_unique<TFont>(), 900};
    rotated.Font->Assign(Font);
    if (Font->Name() == "Default")
        rotated.Font->SetName("MS Sans Serif");
    return rotated;
}

std::string ShortenText(const std::string& Text, const TCanvas* Canvas, int MaxWidth)
{
    if (Canvas->TextWidth(Text) <= MaxWidth)
        return Text;
    const auto shortened = [&](int Kept) { return Utf8Copy(Text, 1, Kept) + "..."; };
    // A longer head is never narrower: halving the range of lengths finds
    // the longest that fits (a few measurements, not one per dropped
    // character). Kept heads of up to `fits` characters fit; `tooWide` and
    // more do not, or drop fewer than two characters.
    int fits = 0;
    int tooWide = std::max(0, Utf8Length(Text) - 2) + 1;
    while (tooWide - fits > 1) {
        const int kept = fits + (tooWide - fits) / 2;
        if (Canvas->TextWidth(shortened(kept)) <= MaxWidth)
            fits = kept;
        else
            tooWide = kept;
    }
    return shortened(fits);
}

int MeasureTextWidth(const TCanvas* Canvas, const std::string& Text)
{
    return Canvas->TextWidth(Text);
}

TRect TurnRect(const TRect& Rect)
{
    return TRect{Rect.Left, Rect.Top, Rect.Left + Rect.Height(), Rect.Top + Rect.Width()};
}

void DrawCellText(TCanvas* Canvas, const TRect& Rect, bool FillRect, int DX, int DY, const std::string& Text,
                  TAlignment Alignment, TTextLayout Layout, bool MultiLine, bool EndEllipsis, int LeftMarg,
                  int RightMarg)
{
    if (FillRect)
        Canvas->FillRect(Rect);
    const TClearBrushWhile clear(Canvas, true);
    if (MultiLine)
        DrawMultiLine(Canvas, Rect, DX, DY, Text, Alignment, Layout, EndEllipsis, LeftMarg, RightMarg);
    else
        DrawSingleLine(Canvas, Rect, DX, DY, Text, Alignment, Layout, EndEllipsis);
}

int DrawCellTextVertical(TCanvas* Canvas, const TRect& Rect, bool FillRect, int DX, int DY, const std::string& Text,
                         TAlignment Alignment, TTextLayout Layout, bool EndEllipsis)
{
    if (FillRect)
        Canvas->FillRect(Rect);
    const TRotatedFontLt rotated = MakeRotatedFont(Canvas->Font());
    const TFontWhile font(Canvas, rotated.Font.get());
    const std::string text = EndEllipsis ? ShortenText(Text, Canvas, Rect.Height() - DY) : Text;
    const TSize extent = Canvas->TextExtent(text);
    const int length = extent.cx + Canvas->TextMetrics().tmOverhang;
    const int thickness = extent.cy;

    int x = Rect.Left + (Rect.Width() - thickness) / 2;
    if (Alignment == taLeftJustify)
        x = Rect.Left + DX;
    else if (Alignment == taRightJustify)
        x = Rect.Right - thickness;
    int y = Rect.Top + (Rect.Height() + length) / 2;
    if (Layout == tlTop)
        y = Rect.Top + DY + length;
    else if (Layout == tlBottom)
        y = Rect.Bottom - DY;

    const TClearBrushWhile clear(Canvas, true);
    const TClipWhile clip(Canvas, Rect);
    Canvas->RotatedTextOut(x, y, rotated.Escapement, text);
    return length;
}

void DrawImageInRect(const TCustomImageList* Images, TCanvas* Canvas, const TRect& Rect, TAlignment Alignment,
                     int Offset, int Index)
{
    DrawPictureInRect(Canvas, Rect, Alignment, Offset, Images->Width(), Images->Height(),
                      [&](int X, int Y) { Images->Draw(Canvas, X, Y, Index); });
}

void DrawImageInRect(const TGraphic* Graphic, TCanvas* Canvas, const TRect& Rect, TAlignment Alignment, int Offset)
{
    DrawPictureInRect(Canvas, Rect, Alignment, Offset, Graphic->Width(), Graphic->Height(),
                      [&](int X, int Y) { Canvas->Draw(X, Y, Graphic); });
}

void DrawRequiredMark(TCanvas* Canvas, const TRect& Rect)
{
    Canvas->Pen()->SetColor(clRed);
    Canvas->Pen()->SetStyle(psDot);
    Canvas->MoveTo(Rect.Left + 2, Rect.Bottom - 1);
    Canvas->LineTo(Rect.Right - 3, Rect.Bottom - 1);
    Canvas->Pen()->SetStyle(psSolid);
}
