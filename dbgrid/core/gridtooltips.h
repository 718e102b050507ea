#pragma once
// Whether a cell's text needs a tool tip: it is measured as the cell draws
// it and compared with the cell's room.
#include <string>

#include "platform/rtl/rects.h"
#include "platform/ui/canvas.h"

struct TToolTipMeasureLt {
    bool WordWrap = false;
    int LeftMargin = 2;
    int TopMargin = 2;
};

// True when Text, drawn in the canvas's font into Cell (word-wrapped or on
// one line, in the cell's width less the left margin and 2 pixels), is
// wider than that room or taller than the cell below its top margin plus
// one. Size receives the measured text size.
bool TextNeedsToolTip(TCanvas* Canvas, const TRect& Cell, const std::string& Text, const TToolTipMeasureLt& How,
                      TPoint* Size = nullptr);
