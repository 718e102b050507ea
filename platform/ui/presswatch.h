#pragma once
// Watches the mouse presses of the whole application while it exists, for
// drop-downs that close when the operator presses anywhere else. The
// handler gets the control pressed, or nullptr for a press on no control;
// a press that a control leaves to its parent comes again for the parent.
#include <functional>
#include <memory>

class TControl;

class TMousePressWatch {
public:
    explicit TMousePressWatch(std::function<void(TControl* Pressed)> OnPress);
    ~TMousePressWatch();
    TMousePressWatch(const TMousePressWatch&) = delete;
    TMousePressWatch& operator=(const TMousePressWatch&) = delete;

private:
    class TFilter;
    std::unique_ptr<TFilter> FFilter;
};
