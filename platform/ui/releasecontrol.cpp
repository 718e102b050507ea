#include "platform/ui/releasecontrol.h"

#include <QTimer>
#include <QWidget>

void ReleaseControl(std::unique_ptr<TControl> Control)
{
    QWidget* widget = Control->Widget();
    // The call belongs to the widget: were the loop never to run again, the
    // control would last until the process ends.
    QTimer::singleShot(0, widget, [control = Control.release()] { delete control; });
}
