#include "platform/ui/nativewindowcontrol.h"

#include <QPlatformSurfaceEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "platform/rtl/classbuilder.h"
#include "platform/ui/qtsignals.h"
#include "platform/ui/x11display.h"

LT_IMPLEMENT_CLASS(TNativeWindowControl, TWinControl) {}

// The X window of a native window control. It tells the control when its
// X window is made and when it is about to go, as long as it is the
// control's widget (not one the control replaced, nor one being freed
// with its control).
class TNativeWindowWidget final : public QWidget {
public:
    TNativeWindowWidget()
    {
        setAttribute(Qt::WA_NativeWindow);
        setAttribute(Qt::WA_PaintOnScreen);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
    }

    // Whatever draws into the window draws without Qt.
    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    bool event(QEvent* Event) override
    {
        if (Event->type() == QEvent::WinIdChange && internalWinId())
            WindowMade();
        return QWidget::event(Event);
    }

    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Watched == FWindow && Event->type() == QEvent::PlatformSurface &&
            static_cast<QPlatformSurfaceEvent*>(Event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
            if (TNativeWindowControl* control = Control())
                Guarded(control, [control] { control->DestroyWnd(); });
        return false;
    }

private:
    // The control whose widget this is still. A widget its control replaced
    // or is freeing no longer names it, and so leads to a parent's control.
    TNativeWindowControl* Control() const
    {
        auto* control = dynamic_cast<TNativeWindowControl*>(FindControl(this));
        return control && control->HasBridge() && control->Widget() == this ? control : nullptr;
    }

    void WindowMade()
    {
        if (windowHandle() != FWindow) {
            FWindow = windowHandle();
            FWindow->installEventFilter(this);
        }
        TNativeWindowControl* control = Control();
        if (control && !control->FMakingWindow)
            Guarded(control, [control] { control->CreateWnd(); });
    }

    QPointer<QWindow> FWindow;
};

TNativeWindowControl::TNativeWindowControl(TComponent* AOwner) : TWinControl(AOwner) {}

QWidget* TNativeWindowControl::CreateWidget()
{
    if (!X11Display())
        return TWinControl::CreateWidget();
    return new TNativeWindowWidget();
}

bool TNativeWindowControl::HandleAllocated() const
{
    return HasBridge() && X11Display() && Widget()->internalWinId() != 0;
}

std::uintptr_t TNativeWindowControl::Handle()
{
    QWidget* widget = Widget();
    if (!X11Display())
        return 0;
    if (!widget->internalWinId()) {
        FMakingWindow = true;
        widget->winId();
        FMakingWindow = false;
        CreateWnd();
    }
    return static_cast<std::uintptr_t>(widget->internalWinId());
}
