#include "platform/ui/presswatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include "platform/ui/controls.h"
#include "platform/ui/qtsignals.h"

class TMousePressWatch::TFilter final : public QObject {
public:
    explicit TFilter(std::function<void(TControl*)> OnPress) : FOnPress(std::move(OnPress)) {}

    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        const QEvent::Type type = Event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
            type != QEvent::NonClientAreaMouseButtonPress)
            return false;
        // A press that a widget ignores travels on to its parents, and the
        // handler hears of each of them.
        auto* widget = qobject_cast<QWidget*>(Watched);
        if (!widget)
            return false;
        TControl* control = nullptr;
        for (QWidget* w = widget; w && !control; w = w->parentWidget())
            control = FindControl(w);
        Guarded(control, [&] { FOnPress(control); });
        return false;
    }

private:
    std::function<void(TControl*)> FOnPress;
};

TMousePressWatch::TMousePressWatch(std::function<void(TControl* Pressed)> OnPress)
    : FFilter(std::make_unique<TFilter>(std::move(OnPress)))
{
    QCoreApplication::instance()->installEventFilter(FFilter.get());
}

TMousePressWatch::~TMousePressWatch() = default;
