#pragma once
// Scrolled widgets (lists) take the mouse in a viewport of their own, which
// the control's message bridge does not watch. This hands the viewport's
// mouse events to the control as if they happened on its widget, so the
// control sees its mouse messages (and double clicks) at widget coordinates.
#include <QObject>

class QWidget;
class TControl;

class TViewportMouse final : public QObject {
public:
    TViewportMouse(TControl* Control, QWidget* Viewport);
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    TControl* FControl;
    QWidget* FViewport;
};
