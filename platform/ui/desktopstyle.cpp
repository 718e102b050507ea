#include "platform/ui/desktopstyle.h"

#include <QApplication>
#include <QProxyStyle>

namespace {

class TDesktopStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric Metric, const QStyleOption* Option, const QWidget* Widget) const override
    {
        switch (Metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight: return 13;
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing: return 4;
        default: return QProxyStyle::pixelMetric(Metric, Option, Widget);
        }
    }
};

} // namespace

void UseDesktopStyle()
{
    if (!dynamic_cast<TDesktopStyle*>(QApplication::style()))
        QApplication::setStyle(new TDesktopStyle());
}
