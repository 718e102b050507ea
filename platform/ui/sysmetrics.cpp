#include "platform/ui/sysmetrics.h"

#include <QApplication>
#include <QStyle>

int GetSystemMetrics(int Index)
{
    switch (Index) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
        // The arrow button at either end of a scroll bar is square.
        return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    default:
        return 0;
    }
}
