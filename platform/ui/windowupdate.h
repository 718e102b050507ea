#pragma once
// Repainting part of a control and moving its painted contents.
#include "platform/rtl/rects.h"

class TControl;

// Marks Rect (client coordinates) of the control for repainting.
void InvalidateControlRect(TControl* Control, const TRect& Rect);
// Moves the painted contents of the control by (DX, DY) within ScrollRect
// (the whole client area when null); the uncovered area is painted again.
void ScrollControlContents(TControl* Control, int DX, int DY, const TRect* ScrollRect);
