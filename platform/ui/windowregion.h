#pragma once
// The shape of a control's window: with a region set, only the pixels inside
// it show and take the mouse.
#include <vector>

#include "platform/rtl/rects.h"

class TControl;

// The polygon through Points (filled by the winding rule) becomes the region.
void SetWindowPolygonRegion(TControl* Control, const std::vector<TPoint>& Points);
// The whole window shows again.
void ClearWindowRegion(TControl* Control);
// Whether the point (client coordinates) lies inside the window's region
// (always, without a region).
bool WindowRegionContains(const TControl* Control, const TPoint& P);
