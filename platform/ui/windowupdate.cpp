#include "platform/ui/windowupdate.h"

#include <QWidget>

#include "platform/ui/controls.h"
#include "platform/ui/qtconvert.h"

void InvalidateControlRect(TControl* Control, const TRect& Rect)
{
    if (QWidget* widget = Control->Widget())
        widget->update(ToQRect(Rect));
}

void ScrollControlContents(TControl* Control, int DX, int DY, const TRect* ScrollRect)
{
    QWidget* widget = Control->Widget();
    if (!widget)
        return;
    if (ScrollRect)
        widget->scroll(DX, DY, ToQRect(*ScrollRect));
    else
        widget->scroll(DX, DY);
}
