#include "platform/ui/focusmessages.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/messages.h"
#include "platform/ui/qtsignals.h"

namespace {

// Remembers which widget has the focus. Qt sends the focus-in event before
// it announces the change, so while a control takes the focus this still
// names the widget that had it.
class TFocusTracker final : public QObject {
public:
    TFocusTracker() : QObject(qApp), FCurrent(QApplication::focusWidget())
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* Now) { FCurrent = Now; });
    }
    QWidget* Current() const { return FCurrent; }

private:
    QPointer<QWidget> FCurrent;
};

TFocusTracker& Tracker()
{
    static QPointer<TFocusTracker> tracker;
    if (!tracker)
        tracker = new TFocusTracker();
    return *tracker;
}

// The control a focused widget belongs to within its own window: a widget
// of a window that is no control (a message box) belongs to none, even
// when the window stands on a form.
TControl* FocusControlOf(const QWidget* Widget)
{
    TControl* control = Widget ? FindControl(Widget) : nullptr;
    return control && control->Widget()->window() == Widget->window() ? control : nullptr;
}

bool Holds(const TControl* Outer, const TControl* Inner)
{
    for (const TControl* c = Inner; c; c = c->Parent())
        if (c == Outer)
            return true;
    return false;
}

// From Control up: the controls that do not hold Other. Above Control the
// walk ends before a control without a parent.
std::vector<TControl*> ControlsLeft(TControl* Control, const TControl* Other)
{
    std::vector<TControl*> chain;
    for (TControl* c = Control; c && !Holds(c, Other); c = c->Parent()) {
        if (c != Control && !c->Parent())
            break;
        chain.push_back(c);
    }
    return chain;
}

void Send(TControl* Control, uint32_t Msg)
{
    Guarded(Control, [&] { Control->Perform(Msg); });
}

} // namespace

void FollowFocusChanges()
{
    Tracker();
}

void SendFocusExits(TControl* Losing)
{
    for (TControl* c : ControlsLeft(Losing, FocusControlOf(QApplication::focusWidget())))
        Send(c, CM_EXIT);
}

void SendFocusEnters(TControl* Taking)
{
    const std::vector<TControl*> chain = ControlsLeft(Taking, FocusControlOf(Tracker().Current()));
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        Send(*it, CM_ENTER);
}
