#pragma once
// Sizes and times the window system decides: double-click limits, scroll-bar
// width, check-box size.

constexpr int SM_CXVSCROLL = 2, SM_CXDOUBLECLK = 36, SM_CYDOUBLECLK = 37, SM_CXMENUCHECK = 71,
              SM_CYMENUCHECK = 72;

// The metric, in pixels; 0 for one not known.
int GetSystemMetrics(int Index);
// The longest time between the presses of a double click, in ms.
unsigned GetDoubleClickTime();
