#pragma once
// The hint window that shows a clipped text (an editor's, a grid cell's) in
// the font it is drawn in there, in the window's text colour.
#include "platform/ui/hintwindow.h"

class TToolTipsWindow : public THintWindow {
public:
    // Font: the font the text is measured and drawn in.
    TToolTipsWindow(TComponent* AOwner, const TFont* Font);

protected:
    TColor TextColor() const override { return clWindowText; }
};
