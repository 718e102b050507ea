#include "platform/ui/popupwindow.h"

#include <QEvent>
#include <QWidget>

namespace {
Qt::WindowFlags PopupFlags(TPopupActivation Activation)
{
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
    if (Activation == TPopupActivation::NoActivate)
        flags |= Qt::WindowDoesNotAcceptFocus;
    return flags;
}

// Giving a widget a parent makes it a child widget; this puts the window
// flags back after every change of parent.
class TPopupFlagsKeeper : public QObject {
public:
    TPopupFlagsKeeper(QWidget* Widget, Qt::WindowFlags Flags) : QObject(Widget), FWidget(Widget), FFlags(Flags) {}

    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Watched == FWidget && Event->type() == QEvent::ParentChange && !FWidget->isWindow())
            FWidget->setWindowFlags(FFlags);
        return false;
    }

private:
    QWidget* FWidget;
    Qt::WindowFlags FFlags;
};
} // namespace

void MakePopupWindow(QWidget* Widget, TPopupActivation Activation)
{
    const Qt::WindowFlags flags = PopupFlags(Activation);
    Widget->setWindowFlags(flags);
    Widget->setAttribute(Qt::WA_ShowWithoutActivating, Activation == TPopupActivation::NoActivate);
    if (Activation == TPopupActivation::NoActivate)
        Widget->setFocusPolicy(Qt::NoFocus);
    Widget->installEventFilter(new TPopupFlagsKeeper(Widget, flags));
}
