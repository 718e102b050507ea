#include "dbgrid/core/gridtooltips.h"

#include <algorithm>

bool TextNeedsToolTip(TCanvas* Canvas, const TRect& Cell, const std::string& Text, const TToolTipMeasureLt& How,
                      TPoint* Size)
{
    const int room = std::max(1, Cell.Width() - How.LeftMargin - 2);
    TRect measured{0, 0, room, 0};
    Canvas->DrawText(Text, measured, DT_CALCRECT | DT_NOPREFIX | (How.WordWrap ? DT_WORDBREAK : DT_SINGLELINE));
    if (Size)
        *Size = TPoint{measured.Width(), measured.Height()};
    return measured.Width() > room || measured.Height() > Cell.Height() - How.TopMargin + 1;
}
