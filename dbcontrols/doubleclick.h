#pragma once
// Telling a second press from a new one.
#include "platform/rtl/rects.h"

// True when Elapsed (ms) is at most the system double-click time and Pos
// lies within the system double-click width and height of LastDown on each
// axis.
bool MatchesDoubleClick(const TPoint& LastDown, const TPoint& Pos, int Elapsed);
