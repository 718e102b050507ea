#include "dbcontrols/tooltipswindow.h"

TToolTipsWindow::TToolTipsWindow(TComponent* AOwner, const TFont* Font) : THintWindow(AOwner)
{
    SetParentFont(false);
    SetFont(Font);
}
