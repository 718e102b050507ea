#pragma once
// A thin layer between the edit controls and grid and the window layer:
// text drawing, message sending, invalidation and scrolling, locale-aware
// string comparison, bitmap loading, bookmark comparison. Controls stand for
// window handles and canvases for device contexts.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/rects.h"
#include "platform/rtl/variant.h"
#include "platform/ui/canvas.h"
#include "platform/ui/messages.h"

class TBitmap;
class TControl;
class TDataSet;
class TEdit;
class TObject;
class TWinControl;
struct TPropInfo;

// ExtTextOut options.
constexpr unsigned ETO_OPAQUE = 0x2, ETO_CLIPPED = 0x4;

// The extra parameters of PlatformDrawTextEx: tab length in average
// characters, margins in pixels, and the number of characters drawn.
struct TDrawTextParams {
    int iTabLength = 8;
    int iLeftMargin = 0;
    int iRightMargin = 0;
    unsigned uiLengthDrawn = 0;
};

// An object reference as a message parameter or result.
LPARAM ObjectToLParam(const TObject* Obj);
// The dataset's own order of two bookmarks: below 0, 0 or above 0.
int DataSetCompareBookmarks(const TDataSet* DataSet, const std::string& Bookmark1, const std::string& Bookmark2);
// The dataset of the data source held in a published component property of
// Instance; nullptr when the property is not a reference to a data source or
// the source has no dataset. Never raises.
TDataSet* DataSetOfDataSourceProperty(const TObject* Instance, const TPropInfo* PropInfo);

int PlatformDrawText(TCanvas* Canvas, const std::string& Text, TRect& Rect, unsigned Format);
// DrawText with margins: the text is laid out inside Rect less the margins;
// Params is a copy of the caller's record (its uiLengthDrawn is not reported).
int PlatformDrawTextEx(TCanvas* Canvas, const std::string& Text, TRect& Rect, unsigned Format,
                       TDrawTextParams Params);
// Text at (X, Y); ETO_OPAQUE fills Rect with the brush first, ETO_CLIPPED
// clips the text to Rect.
bool PlatformExtTextOut(TCanvas* Canvas, int X, int Y, unsigned Options, const TRect& Rect, const std::string& Text);
TTextMetric PlatformGetOutlineTextMetrics(const TCanvas* Canvas);

LRESULT PlatformSendMessage(TControl* Control, uint32_t Msg, WPARAM WParam, const void* LParam);
// Text passed by address as LParam: the receiver reads a const std::string*.
LRESULT PlatformSendTextMessage(TControl* Control, uint32_t Msg, WPARAM WParam, const std::string& Text);

// The selection of an edit (EM_GETSEL): Start is its first character, End
// the one after it (Start when nothing is selected).
void PlatformGetEditSel(const TEdit* Edit, int& Start, int& End);

// System parameters the controls ask for.
constexpr unsigned SPI_GETWORKAREA = 0x0030;
// SPI_GETWORKAREA writes the primary screen's work area, a TRect, through
// Param; false for anything else.
bool PlatformSystemParametersInfo(unsigned Action, unsigned UIParam, void* Param, unsigned WinIni);

// Marks Rect (the whole client area when null) for repainting.
void PlatformInvalidateRect(TControl* Control, const TRect* Rect, bool Erase);
// Repainting cannot be taken back from the window system: returns false.
bool PlatformValidateRect(TControl* Control, const TRect* Rect);
// Scrolls the window's contents by (DX, DY) within ScrollRect (the whole
// client area when null) clipped to ClipRect; the uncovered area is painted
// again. UpdateRgn and Flags are accepted for the callers' sake.
int PlatformScrollWindowEx(TWinControl* Control, int DX, int DY, const TRect* ScrollRect, const TRect* ClipRect,
                           void* UpdateRgn, unsigned Flags);
bool PlatformScrollWindow(TWinControl* Control, int DX, int DY, const TRect* ScrollRect, const TRect* ClipRect);

// The message record (Msg, WParam, LParam, Result) of an untyped message.
TMessage CopyEditMessage(const void* Message);
TMessage CopyMessage(const void* Message);

// A packed point of two signed 16-bit coordinates.
struct TSmallPoint {
    int16_t x = 0;
    int16_t y = 0;
};
LPARAM SmallPointToLParam(TSmallPoint P);

// Logical to device coordinates: the canvas maps pixels one to one, so the
// points come back unchanged.
bool PlatformLPtoDP(const TCanvas* Canvas, TRect& Rect);

// Polygon fill modes.
constexpr int ALTERNATE = 1, WINDING = 2;
// The first Count points of Points as a closed polygon region.
struct TPolygonRegion {
    std::vector<TPoint> Points;
    int FillMode = ALTERNATE;
};
TPolygonRegion PlatformCreatePolygonRgn(const std::vector<TPoint>& Points, int Count, int FillMode);

std::string PlatformUpperCase(const std::string& S);
std::string PlatformLowerCase(const std::string& S);
int PlatformCompareStr(const std::string& S1, const std::string& S2);
int PlatformCompareText(const std::string& S1, const std::string& S2);

// Loads the compiled-in bitmap resource Name into Bitmap; EResNotFound when
// there is none.
void PlatformLoadBitmapResource(TBitmap* Bitmap, const std::string& Name);
// A new bitmap of the resource Name (the instance is the program's own).
std::unique_ptr<TBitmap> PlatformLoadBitmap(const std::string& Name);

// Resizes the variant array V to the bounds LowBound..HighBound, keeping the
// elements that stay and leaving new ones Unassigned.
void PlatformVarArrayRedim(Variant& V, int HighBound);

void ZeroRect(TRect& Rect);
// A canvas as a message WParam.
WPARAM HandleToWParam(const TCanvas* Canvas);
