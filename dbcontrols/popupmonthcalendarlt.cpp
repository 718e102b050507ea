#include "dbcontrols/popupmonthcalendarlt.h"

#include "dbcontrols/ltinterfaces.h"
#include "platform/rtl/classbuilder.h"
#include "platform/ui/popupwindow.h"
#include "platform/ui/widgetbridge.h"

LT_IMPLEMENT_CLASS(TPopupMonthCalendarLt, TMonthCalendar) {}

TPopupMonthCalendarLt::TPopupMonthCalendarLt(TComponent* AOwner) : TMonthCalendar(AOwner)
{
    SetVisible(false);
    SetAutoSize(true);
}

QWidget* TPopupMonthCalendarLt::CreateWidget()
{
    QWidget* widget = TMonthCalendar::CreateWidget();
    MakePopupWindow(widget, TPopupActivation::Activate);
    return widget;
}

void TPopupMonthCalendarLt::SetCtl3D(bool Value)
{
    if (Value == FCtl3D)
        return;
    FCtl3D = Value;
    AdjustSize();
    Invalidate();
}

void TPopupMonthCalendarLt::CloseUp(bool Accept)
{
    if (auto* owner = Supports<IPopupOwnerLt>(Owner()))
        owner->CloseUp(Accept);
}

bool TPopupMonthCalendarLt::AcceptsReleaseAt(const TPoint& P) const
{
    switch (HitTest(P)) {
    case mchCalendarDate:
    case mchCalendarDatePrev:
    case mchCalendarDateNext:
    case mchCalendarBack:
    case mchCalendarWeekNum:
    case mchTitleMonth:
    case mchTodayLink: return true;
    default: return false;
    }
}

void TPopupMonthCalendarLt::Paint()
{
    TRect r = Rect(0, 0, Width(), Height());
    if (FCtl3D) {
        Canvas()->DrawEdge(r, EDGE_RAISED, BF_RECT);
    } else {
        Canvas()->Brush()->SetColor(clWindowFrame);
        Canvas()->FrameRect(r);
    }
    TMonthCalendar::Paint();
}

void TPopupMonthCalendarLt::KeyDown(unsigned& Key, TShiftState Shift)
{
    if (Key == VK_RETURN || Key == VK_ESCAPE) {
        const bool accept = Key == VK_RETURN;
        Key = 0;
        CloseUp(accept);
        return;
    }
    TMonthCalendar::KeyDown(Key, Shift);
}

void TPopupMonthCalendarLt::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!PtInRect(Rect(0, 0, Width(), Height()), Point(X, Y))) {
        CloseUp(false);
        return;
    }
    TMonthCalendar::MouseDown(Button, Shift, X, Y);
}

void TPopupMonthCalendarLt::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TMonthCalendar::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    if (!PtInRect(Rect(0, 0, Width(), Height()), Point(X, Y)))
        CloseUp(false);
    else if (AcceptsReleaseAt(Point(X, Y)))
        CloseUp(true);
}

void TPopupMonthCalendarLt::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
        return;
    case CM_WANTSPECIALKEY:
        if (Message.WParam == VK_RETURN || Message.WParam == VK_ESCAPE) {
            Message.Result = 1;
            return;
        }
        break;
    case WM_MOUSEWHEEL: {
        const auto delta = static_cast<int16_t>(HiWord(Message.WParam));
        if (delta < 0)
            SetDate(Date() + 1);
        else if (delta > 0)
            SetDate(Date() - 1);
        Message.Result = 1;
        return;
    }
    case WM_KILLFOCUS:
        // The calendar has no child windows: the focus went elsewhere.
        if (Visible())
            PostMessage(this, WM_CALENDARCLOSEUP, 0, 0);
        break;
    case WM_CALENDARCLOSEUP:
        if (Visible())
            CloseUp(Message.WParam != 0);
        return;
    default:
        break;
    }
    TMonthCalendar::Dispatch(Message);
}
