#pragma once
// Placing a drop-down window below or above its editor on the work area of
// the editor's monitor.
#include "platform/rtl/rects.h"
#include "platform/ui/messages.h"

class TControl;
class TWinControl;

enum TDropDownAlign { daLeft, daRight, daCenter };
LT_ENUM_INFO(TDropDownAlign, daLeft, daRight, daCenter)

// Tells a drop-down on which side of its editor it opened: WParam 2 above,
// 3 below; then 0 when its right edge is kept at the editor, 1 its left.
constexpr uint32_t WM_DROPDOWNSIDE = WM_USER + 100;

// Places DropDown (shrinking it to the room there is) for an editor at
// EditorScreenRect and returns its top-left corner in screen coordinates.
void PlaceDropDownWindow(const TRect& EditorScreenRect, TWinControl* DropDown, TDropDownAlign Align,
                         TPoint& TopLeft);
// The same for the editor's bounds taken to the screen through its parent.
void PlaceDropDownBelowEditor(const TControl* Editor, TWinControl* DropDown, TDropDownAlign Align,
                              TPoint& TopLeft);
