#pragma once
// Where a glyph button puts its picture and its caption.
#include "platform/rtl/rects.h"
#include "platform/rtl/typeinfo.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
LT_ENUM_INFO(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)

struct TButtonPlacement {
    TPoint GlyphPos;
    TRect TextBounds;
};

// Places a glyph of GlyphSize and a caption of TextSize in Client. Margin
// is the gap between the edge on the glyph's side and the glyph (-1:
// centre the pair), Spacing the gap between glyph and caption (-1: spread
// them evenly); without a glyph or a caption there is no spacing. The other
// axis centres each part. Offset shifts both (a pressed button's face).
TButtonPlacement CalcButtonLayout(const TRect& Client, TSize GlyphSize, TSize TextSize, TButtonLayout Layout,
                                  int Margin, int Spacing, TPoint Offset);
