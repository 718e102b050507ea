#include "platform/ui/viewportmouse.h"

#include <QMouseEvent>
#include <QWidget>

#include "platform/ui/controls.h"
#include "platform/ui/widgetbridge.h"

TViewportMouse::TViewportMouse(TControl* Control, QWidget* Viewport) : FControl(Control), FViewport(Viewport)
{
    Viewport->setMouseTracking(true);
    Viewport->installEventFilter(this);
}

bool TViewportMouse::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched != FViewport)
        return false;
    switch (Event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        const auto* e = static_cast<QMouseEvent*>(Event);
        QWidget* widget = FControl->Widget();
        QMouseEvent mapped(e->type(), FViewport->mapTo(widget, e->position()), e->scenePosition(),
                           e->globalPosition(), e->button(), e->buttons(), e->modifiers(), e->pointingDevice());
        return FControl->Bridge().eventFilter(widget, &mapped);
    }
    default:
        return false;
    }
}
