#pragma once
// Three-dimensional frames of panels and buttons.
#include "platform/rtl/rects.h"
#include "platform/ui/graphics.h"

class TCanvas;

// Draws Width rings inside Rect, each with its top and left edges in
// TopColor and its bottom and right edges in BottomColor (the top-right
// pixel belongs to the bottom colour, the bottom-left one to the top); Rect
// shrinks by the rings drawn.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);
