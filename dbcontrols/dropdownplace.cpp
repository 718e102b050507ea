#include "dbcontrols/dropdownplace.h"

#include <algorithm>

#include "platform/ui/controls.h"
#include "platform/ui/monitors.h"

void PlaceDropDownWindow(const TRect& EditorScreenRect, TWinControl* DropDown, TDropDownAlign Align,
                         TPoint& TopLeft)
{
    const TRect area = MonitorFromRect(EditorScreenRect).WorkareaRect;
    // An editor lying partly off the work area still leaves the drop-down
    // room inside it: the rooms are measured from the editor's edges clamped
    // to the area, so neither is negative.
    const int editorTop = std::clamp(EditorScreenRect.Top, area.Top, area.Bottom);
    const int editorBottom = std::clamp(EditorScreenRect.Bottom, area.Top, area.Bottom);
    const int roomAbove = editorTop - area.Top;
    const int roomBelow = area.Bottom - editorBottom;

    const int height = DropDown->Height();
    const bool fitsBelow = editorBottom + height <= area.Bottom;
    const bool fitsAbove = editorTop - height >= area.Top;
    int y = 0;
    if (roomAbove == 0 && roomBelow == 0) {
        // The editor covers the area's whole height: open over its bottom.
        DropDown->SetHeight(std::min(height, area.Height()));
        y = area.Bottom - DropDown->Height();
        DropDown->Perform(WM_DROPDOWNSIDE, 3, 0);
    } else if ((!fitsBelow && fitsAbove) || (!fitsAbove && roomBelow < roomAbove)) {
        if (!fitsAbove)
            DropDown->SetHeight(roomAbove);
        y = editorTop - DropDown->Height();
        DropDown->Perform(WM_DROPDOWNSIDE, 2, 0);
    } else {
        if (!fitsBelow)
            DropDown->SetHeight(roomBelow);
        y = editorBottom;
        DropDown->Perform(WM_DROPDOWNSIDE, 3, 0);
    }

    if (DropDown->Width() > area.Width())
        DropDown->SetWidth(area.Width());
    const int width = DropDown->Width();
    int x = EditorScreenRect.Left;
    if (Align == daRight)
        x = EditorScreenRect.Right - width;
    else if (Align == daCenter)
        x = EditorScreenRect.Left + (EditorScreenRect.Width() - width) / 2;

    WPARAM side = Align == daRight ? 0 : 1;
    if (x + width > area.Right) {
        x = area.Right - width;
        side = 0;
    } else if (x < area.Left) {
        x = area.Left;
        side = 1;
    }
    DropDown->Perform(WM_DROPDOWNSIDE, side, 0);
    TopLeft = {x, y};
}

void PlaceDropDownBelowEditor(const TControl* Editor, TWinControl* DropDown, TDropDownAlign Align, TPoint& TopLeft)
{
    TRect bounds = Editor->BoundsRect();
    if (const TWinControl* parent = Editor->Parent()) {
        const TPoint topLeft = parent->ClientToScreen({bounds.Left, bounds.Top});
        OffsetRect(bounds, topLeft.X - bounds.Left, topLeft.Y - bounds.Top);
    }
    PlaceDropDownWindow(bounds, DropDown, Align, TopLeft);
}
