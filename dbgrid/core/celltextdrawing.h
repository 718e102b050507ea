#pragma once
// Drawing of cell texts and images for the data grid's painting: single and
// multi-line text placed by alignment and layout, text turned a quarter round
// for vertical titles, shortened text, images aligned in a rectangle, the
// mark of a required value still missing.
#include <memory>
#include <string>

#include "platform/rtl/alignment.h"
#include "platform/rtl/rects.h"
#include "platform/ui/canvas.h"
#include "platform/ui/stdctrls.h"

class TCustomImageList;
class TGraphic;

// A font turned by Escapement tenths of a degree (900: text read from bottom
// to top).
struct TRotatedFontLt {
    std::unique_ptr<TFont> Font;
    int Escapement = 900;
};

// A copy of Font turned 900 tenths of a degree; the face "Default" becomes
// "MS Sans Serif" (the desktop's interface face through the font mapping).
TRotatedFontLt MakeRotatedFont(const TFont* Font);

// Text when it is at most MaxWidth wide; else the longest head of it
// (dropping at least two characters) followed by "...", down to "..." alone.
std::string ShortenText(const std::string& Text, const TCanvas* Canvas, int MaxWidth);

int MeasureTextWidth(const TCanvas* Canvas, const std::string& Text);

// Rect turned a quarter round about its top-left corner.
TRect TurnRect(const TRect& Rect);

// Draws a cell's text in Rect in the canvas's font, DX and DY in from the
// left and top (or the bottom for a bottom layout). A single line is placed
// by Alignment and Layout and clipped to Rect, shortened with "..." first
// with EndEllipsis; multi-line text is word-wrapped between the margins and
// placed by Layout. With FillRect the rectangle is filled with the brush,
// else only the text is drawn.
void DrawCellText(TCanvas* Canvas, const TRect& Rect, bool FillRect, int DX, int DY, const std::string& Text,
                  TAlignment Alignment, TTextLayout Layout, bool MultiLine, bool EndEllipsis, int LeftMarg,
                  int RightMarg);

// The same for text turned to read from bottom to top (in MakeRotatedFont of
// the canvas's font): Alignment places it across the cell, Layout along it.
// Answers the length of the text along the cell.
int DrawCellTextVertical(TCanvas* Canvas, const TRect& Rect, bool FillRect, int DX, int DY, const std::string& Text,
                         TAlignment Alignment, TTextLayout Layout, bool EndEllipsis);

// Draws picture Index of Images (or Graphic) vertically centred in Rect,
// aligned left (Left + Offset), right (Right - width + Offset) or centred;
// clipped to Rect when it sticks out.
void DrawImageInRect(const TCustomImageList* Images, TCanvas* Canvas, const TRect& Rect, TAlignment Alignment,
                     int Offset, int Index);
void DrawImageInRect(const TGraphic* Graphic, TCanvas* Canvas, const TRect& Rect, TAlignment Alignment,
                     int Offset);

// The red dotted line along the bottom of Rect (2 pixels in from the left,
// 3 from the right) that marks a required value not yet given.
void DrawRequiredMark(TCanvas* Canvas, const TRect& Rect);
