#pragma once
// The month calendar that an editor drops down: a popup window that takes
// the focus while open and asks its owner (the editor, through
// IPopupOwnerLt) to close it: Enter or a click on a date keeps the choice,
// Esc, a click outside or losing the focus discards it.
#include "platform/ui/monthcalendar.h"

// Posted to the calendar when it lost the focus; WParam 1 keeps the choice.
constexpr uint32_t WM_CALENDARCLOSEUP = WM_USER + 101;

class TPopupMonthCalendarLt : public TMonthCalendar {
    LT_CLASS(TPopupMonthCalendarLt)
public:
    explicit TPopupMonthCalendarLt(TComponent* AOwner);

    // A 3D calendar has a raised two-pixel edge, any other a one-pixel border.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    int BorderWidth() const { return FCtl3D ? 2 : 1; }

    // Whether a release at P (client coordinates) keeps the choice: on a
    // date (of any shown month), the background, a week number, the month
    // name or the today link.
    bool AcceptsReleaseAt(const TPoint& P) const;

    void Dispatch(TMessage& Message) override;

protected:
    QWidget* CreateWidget() override;
    TPoint Origin() const override { return {BorderWidth(), BorderWidth()}; }
    void Paint() override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void CloseUp(bool Accept);

    bool FCtl3D = true;
};
