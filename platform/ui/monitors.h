#pragma once
// The monitors of the desktop and their work areas (the area not taken by
// panels and docks).
#include "platform/rtl/rects.h"

struct TMonitor {
    int MonitorNum = 0;
    TRect BoundsRect;
    TRect WorkareaRect;
};

int MonitorCount();
TMonitor Monitors(int Index);
// The monitor that shares most of Rect, or the nearest one when none does.
TMonitor MonitorFromRect(const TRect& Rect);
