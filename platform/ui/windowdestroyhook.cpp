#include "platform/ui/windowdestroyhook.h"

#include <QCoreApplication>
#include <QPlatformSurfaceEvent>
#include <QPointer>
#include <QWindow>

#include <utility>

namespace {

class TWindowDestroyWatch : public QObject {
public:
    TWindowDestroyWatch(QObject* Parent, TWindowDestroyHook Hook) : QObject(Parent), FHook(std::move(Hook)) {}

    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::PlatformSurface &&
            static_cast<QPlatformSurfaceEvent*>(Event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
            if (auto* window = qobject_cast<QWindow*>(Watched))
                FHook(static_cast<std::uintptr_t>(window->winId()));
        return false;
    }

private:
    TWindowDestroyHook FHook;
};

// The watch of the application object, gone with it.
QPointer<TWindowDestroyWatch>& InstalledWatch()
{
    static QPointer<TWindowDestroyWatch> watch;
    return watch;
}

} // namespace

void SetWindowDestroyHook(TWindowDestroyHook Hook)
{
    QPointer<TWindowDestroyWatch>& watch = InstalledWatch();
    // The hook may remove itself while it runs: the old watch stops
    // listening at once and goes later.
    if (watch) {
        QCoreApplication::instance()->removeEventFilter(watch);
        watch->deleteLater();
        watch = nullptr;
    }
    if (!Hook || !QCoreApplication::instance())
        return;
    watch = new TWindowDestroyWatch(QCoreApplication::instance(), std::move(Hook));
    QCoreApplication::instance()->installEventFilter(watch);
}
