#pragma once
// The hint window that shows an editor's clipped text in the editor's font.
#include "platform/ui/hintwindow.h"

class TToolTipsWindow : public THintWindow {
public:
    // Font: the font the text is measured and drawn in.
    TToolTipsWindow(TComponent* AOwner, const TFont* Font);
};
