#pragma once
// Painting button faces and check boxes in three looks: themed, classic 3D
// and flat; the sizes the edit buttons take.
#include "platform/rtl/rects.h"
#include "platform/ui/canvas.h"
#include "platform/ui/graphics.h"

class TCustomImageList;

// The face PaintButtonFace draws.
enum TButtonPaintKindLt {
    bpkDropDownLt = 0, bpkEllipsisLt = 1, bpkUpDownLt = 2, bpkCheckBoxLt = 3, bpkPlusLt = 4, bpkMinusLt = 5
};

// Draws a button face (or a check box) into Rect. CheckState: 0 unchecked,
// 1 checked, 2 grayed. PressedPart: 0 none, 1 the top half or single face,
// 2 the bottom half. A flat button without Active melts into its editor.
void PaintButtonFace(TCanvas* Canvas, const TRect& Rect, TColor ParentColor, int CheckState, bool Enabled,
                     bool Active, bool Flat, int PressedPart, TButtonPaintKindLt Kind);
void PaintCheckBoxFace(TCanvas* Canvas, const TRect& Rect, int CheckState, bool Active, bool Pressed, bool Flat,
                       bool Enabled);
// One face of Kind; Half (0 top, 1 bottom) picks the arrow of an up/down half.
void PaintSingleButtonFace(TCanvas* Canvas, TButtonPaintKindLt Kind, const TRect& Rect, int Half, bool Pressed,
                           bool Active, bool Flat, bool Enabled);
// The bare face of a push button (themed, classic or flat) that the
// ellipsis, plus and minus signs and glyphs stand on; answers the area
// inside its edge.
TRect PaintPlainButtonFace(TCanvas* Canvas, const TRect& Rect, bool Pressed, bool Active, bool Flat, bool Enabled);
void PaintDropDownFace(TCanvas* Canvas, const TRect& Rect, bool Pressed, bool Active, bool Flat, bool Enabled);
void PaintEllipsisFace(TCanvas* Canvas, const TRect& Rect, bool Pressed, bool Active, bool Flat, bool Enabled);
void PaintUpDownHalfFace(TCanvas* Canvas, const TRect& Rect, int Half, bool Pressed, bool Active, bool Flat,
                         bool Enabled);
void PaintPlusMinusFace(TCanvas* Canvas, const TRect& Rect, bool Plus, bool Pressed, bool Active, bool Flat,
                        bool Enabled);

// Whether faces are drawn in the desktop theme's look (on by default).
bool ButtonThemesEnabled();
void SetButtonThemesEnabled(bool Value);

// The default check box, placed in Rect: HorzAlign 0 left, 1 right,
// 2 centre; VertAlign 0 top, 1 centre, 2 bottom; shrunk to Rect when Rect is
// smaller.
void PlaceCheckBoxRect(const TRect& Rect, int HorzAlign, int VertAlign, TRect& CheckRect);
int DefaultCheckBoxWidth();
int DefaultCheckBoxHeight();

// Round(ButtonWidth * 3 / 2) for flat buttons, else ButtonWidth.
int EditButtonHeightFromWidth(int ButtonWidth, bool Flat);
// An odd width from the screen font (2/3 of its text height), at most the
// vertical scroll bar's width.
int ComputeFlatButtonWidth();
// The default width of flat edit buttons, measured once.
int DefaultFlatButtonWidth();

// One image of Images centred in Rect (clipped to it); Selected blends it
// with the highlight colour.
void PaintImageCentered(TCanvas* Canvas, const TRect& Rect, TCustomImageList* Images, bool Selected, int ImageIndex);
