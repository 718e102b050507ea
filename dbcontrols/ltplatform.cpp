#include "dbcontrols/ltplatform.h"

#include <algorithm>

#include "platform/data/dataset.h"
#include "platform/data/datasource.h"
#include "platform/rtl/object.h"
#include "platform/rtl/resources.h"
#include "platform/rtl/strutils.h"
#include "platform/rtl/typeinfo.h"
#include "platform/ui/application.h"
#include "platform/ui/controls.h"
#include "platform/ui/picture.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/windowupdate.h"

LPARAM ObjectToLParam(const TObject* Obj)
{
    return reinterpret_cast<LPARAM>(Obj);
}

int DataSetCompareBookmarks(const TDataSet* DataSet, const std::string& Bookmark1, const std::string& Bookmark2)
{
    return DataSet->CompareBookmarks(Bookmark1, Bookmark2);
}

TDataSet* DataSetOfDataSourceProperty(const TObject* Instance, const TPropInfo* PropInfo)
{
    if (!Instance || !PropInfo || PropInfo->Kind != TTypeKind::tkComponent || !PropInfo->GetComponent)
        return nullptr;
    try {
        const auto* source = dynamic_cast<const TDataSource*>(PropInfo->GetComponent(*Instance));
        return source ? source->DataSet() : nullptr;
    } catch (...) {
        return nullptr;
    }
}

int PlatformDrawText(TCanvas* Canvas, const std::string& Text, TRect& Rect, unsigned Format)
{
    return Canvas->DrawText(Text, Rect, Format);
}

int PlatformDrawTextEx(TCanvas* Canvas, const std::string& Text, TRect& Rect, unsigned Format,
                       TDrawTextParams Params)
{
    TRect inner = Rect;
    inner.Left += Params.iLeftMargin;
    inner.Right -= Params.iRightMargin;
    const int height = Canvas->DrawText(Text, inner, Format);
    if (Format & DT_CALCRECT) {
        Rect.Right = inner.Right + Params.iRightMargin;
        Rect.Bottom = inner.Bottom;
    }
    return height;
}

bool PlatformExtTextOut(TCanvas* Canvas, int X, int Y, unsigned Options, const TRect& Rect, const std::string& Text)
{
    if (Options & ETO_OPAQUE)
        Canvas->FillRect(Rect);
    if (Options & ETO_CLIPPED) {
        Canvas->SaveState();
        Canvas->IntersectClipRect(Rect);
    }
    const TBrushStyle style = Canvas->Brush()->Style();
    if (Options & ETO_OPAQUE)
        Canvas->Brush()->SetStyle(bsClear);
    Canvas->TextOut(X, Y, Text);
    if (Options & ETO_OPAQUE)
        Canvas->Brush()->SetStyle(style);
    if (Options & ETO_CLIPPED)
        Canvas->RestoreState();
    return true;
}

TTextMetric PlatformGetOutlineTextMetrics(const TCanvas* Canvas)
{
    return Canvas->TextMetrics();
}

LRESULT PlatformSendMessage(TControl* Control, uint32_t Msg, WPARAM WParam, const void* LParam)
{
    return Control->Perform(Msg, WParam, reinterpret_cast<LPARAM>(LParam));
}

LRESULT PlatformSendTextMessage(TControl* Control, uint32_t Msg, WPARAM WParam, const std::string& Text)
{
    return Control->Perform(Msg, WParam, reinterpret_cast<LPARAM>(&Text));
}

void PlatformGetEditSel(const TEdit* Edit, int& Start, int& End)
{
    Start = Edit->SelStart();
    End = Start + Edit->SelLength();
}

bool PlatformSystemParametersInfo(unsigned Action, unsigned, void* Param, unsigned)
{
    if (!Param)
        return false;
    switch (Action) {
    case SPI_GETWORKAREA:
        if (!Screen)
            return false;
        *static_cast<TRect*>(Param) = Screen->WorkAreaRect();
        return true;
    default:
        return false;
    }
}

void PlatformInvalidateRect(TControl* Control, const TRect* Rect, bool)
{
    if (Rect)
        InvalidateControlRect(Control, *Rect);
    else
        Control->Invalidate();
}

bool PlatformValidateRect(TControl*, const TRect*)
{
    return false;
}

int PlatformScrollWindowEx(TWinControl* Control, int DX, int DY, const TRect* ScrollRect, const TRect* ClipRect,
                           void*, unsigned)
{
    if (ScrollRect && ClipRect) {
        const TRect area{std::max(ScrollRect->Left, ClipRect->Left), std::max(ScrollRect->Top, ClipRect->Top),
                         std::min(ScrollRect->Right, ClipRect->Right), std::min(ScrollRect->Bottom, ClipRect->Bottom)};
        ScrollControlContents(Control, DX, DY, &area);
    } else {
        ScrollControlContents(Control, DX, DY, ScrollRect ? ScrollRect : ClipRect);
    }
    return 1;
}

bool PlatformScrollWindow(TWinControl* Control, int DX, int DY, const TRect* ScrollRect, const TRect* ClipRect)
{
    return PlatformScrollWindowEx(Control, DX, DY, ScrollRect, ClipRect, nullptr, 0) != 0;
}

TMessage CopyEditMessage(const void* Message)
{
    return *static_cast<const TMessage*>(Message);
}

TMessage CopyMessage(const void* Message)
{
    return *static_cast<const TMessage*>(Message);
}

LPARAM SmallPointToLParam(TSmallPoint P)
{
    return MakeLParam(P.x, P.y);
}

bool PlatformLPtoDP(const TCanvas*, TRect&)
{
    return true;
}

TPolygonRegion PlatformCreatePolygonRgn(const std::vector<TPoint>& Points, int Count, int FillMode)
{
    const auto n = static_cast<std::size_t>(std::clamp(Count, 0, static_cast<int>(Points.size())));
    return {std::vector<TPoint>(Points.begin(), Points.begin() + static_cast<std::ptrdiff_t>(n)), FillMode};
}

std::string PlatformUpperCase(const std::string& S)
{
    return AnsiUpperCase(S);
}

std::string PlatformLowerCase(const std::string& S)
{
    return AnsiLowerCase(S);
}

int PlatformCompareStr(const std::string& S1, const std::string& S2)
{
    return AnsiCompareStr(S1, S2);
}

int PlatformCompareText(const std::string& S1, const std::string& S2)
{
    return AnsiCompareText(S1, S2);
}

void PlatformLoadBitmapResource(TBitmap* Bitmap, const std::string& Name)
{
    TStringStream stream(LoadResourceText(Name));
    Bitmap->LoadFromStream(stream);
}

std::unique_ptr<TBitmap> PlatformLoadBitmap(const std::string& Name)
{
    auto bitmap = std::make_unique<TBitmap>();
    PlatformLoadBitmapResource(bitmap.get(), Name);
    return bitmap;
}

void PlatformVarArrayRedim(Variant& V, int HighBound)
{
    const int low = V.LowBound();
    Variant resized = Variant::CreateArray(low, HighBound);
    for (int i = low; i <= std::min(HighBound, V.HighBound()); ++i)
        resized[i] = V[i];
    V = std::move(resized);
}

void ZeroRect(TRect& Rect)
{
    Rect = TRect{0, 0, 0, 0};
}

WPARAM HandleToWParam(const TCanvas* Canvas)
{
    return reinterpret_cast<WPARAM>(Canvas);
}
