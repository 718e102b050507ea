#pragma once
// Sizes the window system gives its standard parts, in pixels.
constexpr int SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CYVSCROLL = 20, SM_CXHSCROLL = 21;

// 0 for an index this layer does not know.
int GetSystemMetrics(int Index);
