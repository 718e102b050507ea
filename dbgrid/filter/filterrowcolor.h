#pragma once
// The background of the filter row: the grid's fixed colour lightened, each
// RGB component c becoming min(255, c + round(c / 8)).
#include <algorithm>

#include "platform/ui/graphics.h"

inline TColor FilterRowBackground(TColor FixedColor)
{
    const TColor rgb = ColorToRGB(FixedColor);
    auto lighter = [](int c) { return std::min(255, c + (c + 4) / 8); };
    return RGBColor(lighter(GetRValue(rgb)), lighter(GetGValue(rgb)), lighter(GetBValue(rgb)));
}
