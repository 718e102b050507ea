#pragma once
// The drop-down of recently used texts: a popup list with a scroll bar of
// its own in the right column, which leaves room for the size grip when the
// grip sits in a right corner. With more rows than fit, the bar shows and a
// grip in a right corner becomes a square in the bar's column.
#include "dbcontrols/popuplistboxlt.h"

class TScrollBar;

class TMRUListboxLt : public TPopupListboxLt {
    LT_CLASS(TMRUListboxLt)
public:
    explicit TMRUListboxLt(TComponent* AOwner);

    TScrollBar* ScrollBar() const { return FScrollBar; }
    // Places the bar and shapes the grip for the rows and the grip's corner.
    void UpdateScrollBar();

    void Dispatch(TMessage& Message) override;

protected:
    void Resize() override;
    void RowsChanged() override;
    void Scrolled() override;
    void MouseWheel(int Delta) override;

private:
    TScrollBar* FScrollBar = nullptr;   // a child control
    bool FScrollBarLock = false;
};
