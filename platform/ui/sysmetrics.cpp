#include "platform/ui/sysmetrics.h"

#include <QApplication>
#include <QStyle>
#include <QStyleHints>

int GetSystemMetrics(int Index)
{
    switch (Index) {
    case SM_CXVSCROLL:
        return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        // The distance counts on either side of the first press.
        return 2 * QGuiApplication::styleHints()->mouseDoubleClickDistance();
    case SM_CXMENUCHECK:
        return QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth);
    case SM_CYMENUCHECK:
        return QApplication::style()->pixelMetric(QStyle::PM_IndicatorHeight);
    default:
        return 0;
    }
}

unsigned GetDoubleClickTime()
{
    return static_cast<unsigned>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}
