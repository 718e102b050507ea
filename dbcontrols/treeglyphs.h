#pragma once
// The tree glyphs the grid draws beside tree rows: boxes with a plus or
// minus and dotted connecting lines.
#include "platform/rtl/rects.h"

class TCanvas;

// Kind 0..5: a box (minus for 0..2, plus for 3..5) with lines above (0, 1,
// 3, 4) and below (0, 2, 3, 5) it and to the right; kind 6..9: lines only.
void PaintTreeGlyph(TCanvas* Canvas, const TRect& Rect, int Kind, bool ShiftLeft, double ScaleY, double ScaleX,
                    bool OddPhase);
// 1-pixel dots every second pixel, in the phase OddPhase of (X + Y) so that
// lines join without gaps.
void PaintDottedLine(TCanvas* Canvas, const TPoint& Start, int Length, bool OddPhase, bool Horizontal);
