#include "platform/ui/palettechange.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

class TPaletteChangeRelay : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Watched == qApp && Event->type() == QEvent::ApplicationPaletteChange)
            for (QWidget* widget : QApplication::allWidgets()) {
                QEvent change(QEvent::ApplicationPaletteChange);
                QCoreApplication::sendEvent(widget, &change);
            }
        return false;
    }
};

} // namespace

void RelayPaletteChanges()
{
    // One relay for each application object, gone with it.
    static QPointer<QObject> relay;
    if (!qApp || relay)
        return;
    relay = new TPaletteChangeRelay(qApp);
    qApp->installEventFilter(relay);
}
