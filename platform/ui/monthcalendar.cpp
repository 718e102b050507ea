#include "platform/ui/monthcalendar.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/dateformat.h"
#include "platform/rtl/formatsettings.h"

LT_IMPLEMENT_CLASS(TMonthCalendar, TCustomControl)
{
    P.Property("AutoSize", &TMonthCalendar::AutoSize, &TMonthCalendar::SetAutoSize).Default(0);
    P.Property("Date", &TMonthCalendar::Date, &TMonthCalendar::SetDate);
    P.Property("ShowToday", &TMonthCalendar::ShowToday, &TMonthCalendar::SetShowToday).Default(1);
    P.Property("WeekNumbers", &TMonthCalendar::WeekNumbers, &TMonthCalendar::SetWeekNumbers).Default(0);
    P.Property("OnChange", &TMonthCalendar::OnChange, &TMonthCalendar::SetOnChange);
}

namespace {
int WeekdayFromMonday(TDateTime date)
{
    return (DayOfWeek(date) + 5) % 7;
}

// The week of the year that holds the week's Thursday (weeks start on Monday).
int WeekNumberOf(TDateTime monday)
{
    const TDateTime thursday = monday + 3;
    int year = 0, month = 0, day = 0;
    DecodeDate(thursday, year, month, day);
    const int dayOfYear = static_cast<int>(thursday - EncodeDate(year, 1, 1));
    return dayOfYear / 7 + 1;
}
} // namespace

TMonthCalendar::TMonthCalendar(TComponent* AOwner) : TCustomControl(AOwner), FDate(::Date())
{
    SetParentColor(false);
    SetColor(clWindow);
    SetTabStop(true);
    Canvas()->SetFont(Font());
    SetBounds(0, 0, 191, 154);
}

void TMonthCalendar::SetDate(TDateTime Value)
{
    Value = DateOf(Value);
    if (Value == FDate)
        return;
    FDate = Value;
    Invalidate();
    if (FOnChange)
        FOnChange(this);
}

void TMonthCalendar::SetWeekNumbers(bool Value)
{
    if (Value == FWeekNumbers)
        return;
    FWeekNumbers = Value;
    AdjustSize();
    Invalidate();
}

void TMonthCalendar::SetShowToday(bool Value)
{
    if (Value == FShowToday)
        return;
    FShowToday = Value;
    AdjustSize();
    Invalidate();
}

void TMonthCalendar::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    AdjustSize();
}

void TMonthCalendar::FontChanged()
{
    TCustomControl::FontChanged();
    Canvas()->SetFont(Font());
    AdjustSize();
}

void TMonthCalendar::AdjustSize()
{
    if (!FAutoSize)
        return;
    const TRect r = MinimumRect();
    SetBounds(Left(), Top(), r.Width(), r.Height());
}

TMonthCalendar::TLayout TMonthCalendar::Layout() const
{
    const int text = Canvas()->TextHeight("0");
    TLayout l;
    l.Cell = Canvas()->TextWidth("00") + 10;
    l.Row = text + 4;
    l.Title = text + 10;
    l.Names = text + 5;
    l.Today = FShowToday ? text + 6 : 0;
    l.WeekCol = FWeekNumbers ? l.Cell : 0;
    l.Margin = 4;
    return l;
}

TRect TMonthCalendar::MinimumRect() const
{
    const TLayout l = Layout();
    const TPoint o = Origin();
    int width = l.WeekCol + 7 * l.Cell;
    if (FShowToday)
        width = std::max(width, TodayTextWidth() + 4);
    return Rect(0, 0, 2 * o.X + 2 * l.Margin + width, 2 * o.Y + 2 * l.Margin + l.Title + l.Names + 6 * l.Row + l.Today);
}

TRect TMonthCalendar::TitleRect() const
{
    const TLayout l = Layout();
    const TPoint o = Origin();
    return Bounds(o.X + l.Margin, o.Y + l.Margin, MinimumRect().Width() - 2 * (o.X + l.Margin), l.Title);
}

TRect TMonthCalendar::PrevButtonRect() const
{
    const TRect t = TitleRect();
    return Rect(t.Left + 2, t.Top + 2, t.Left + t.Height() - 2, t.Bottom - 2);
}

TRect TMonthCalendar::NextButtonRect() const
{
    const TRect t = TitleRect();
    return Rect(t.Right - t.Height() + 2, t.Top + 2, t.Right - 2, t.Bottom - 2);
}

TRect TMonthCalendar::MonthTextRect() const
{
    int year = 0, month = 0, day = 0;
    DecodeDate(FDate, year, month, day);
    const std::string monthText = FormatSettings.LongMonthNames[static_cast<std::size_t>(month - 1)];
    const int monthWidth = Canvas()->TextWidth(monthText);
    const int total = monthWidth + Canvas()->TextWidth(" " + std::to_string(year));
    const TRect t = TitleRect();
    const int left = t.Left + (t.Width() - total) / 2;
    return Rect(left, t.Top, left + monthWidth, t.Bottom);
}

TRect TMonthCalendar::YearTextRect() const
{
    int year = 0, month = 0, day = 0;
    DecodeDate(FDate, year, month, day);
    const TRect m = MonthTextRect();
    const int space = Canvas()->TextWidth(" ");
    return Rect(m.Right + space, m.Top, m.Right + space + Canvas()->TextWidth(std::to_string(year)), m.Bottom);
}

TRect TMonthCalendar::CellRect(int Row, int Col) const
{
    const TLayout l = Layout();
    const TRect t = TitleRect();
    const int left = t.Left + (t.Width() - l.WeekCol - 7 * l.Cell) / 2 + l.WeekCol;
    return Bounds(left + Col * l.Cell, t.Bottom + l.Names + Row * l.Row, l.Cell, l.Row);
}

TRect TMonthCalendar::TodayRect() const
{
    const TLayout l = Layout();
    const TRect t = TitleRect();
    const TRect last = CellRect(5, 6);
    return Bounds(t.Left + 2, last.Bottom, TodayTextWidth(), l.Today);
}

int TMonthCalendar::TodayTextWidth() const
{
    TFont bold;
    bold.Assign(Canvas()->Font());
    bold.SetStyle(TFontStyles{fsBold});
    TCanvas measure;
    measure.SetFont(&bold);
    return measure.TextWidth(TodayText()) + 20;
}

std::string TMonthCalendar::TodayText() const
{
    return "Сегодня: " + DateToStr(::Date());
}

TDateTime TMonthCalendar::FirstShown() const
{
    int year = 0, month = 0, day = 0;
    DecodeDate(FDate, year, month, day);
    const TDateTime first = EncodeDate(year, month, 1);
    int lead = WeekdayFromMonday(first);
    if (lead == 0)
        lead = 7;
    return first - lead;
}

TDateTime TMonthCalendar::CellDate(int Row, int Col) const
{
    return FirstShown() + Row * 7 + Col;
}

TMonthCalHit TMonthCalendar::HitTest(const TPoint& P, TDateTime* Date) const
{
    const TLayout l = Layout();
    const TRect title = TitleRect();
    if (PtInRect(title, P)) {
        if (PtInRect(PrevButtonRect(), P))
            return mchTitleBtnPrev;
        if (PtInRect(NextButtonRect(), P))
            return mchTitleBtnNext;
        if (PtInRect(MonthTextRect(), P))
            return mchTitleMonth;
        if (PtInRect(YearTextRect(), P))
            return mchTitleYear;
        return mchTitleBack;
    }
    if (PtInRect(Rect(title.Left, title.Bottom, title.Right, title.Bottom + l.Names), P))
        return mchCalendarDay;
    const TRect first = CellRect(0, 0);
    const TRect last = CellRect(5, 6);
    if (PtInRect(Rect(first.Left, first.Top, last.Right, last.Bottom), P)) {
        const int row = (P.Y - first.Top) / l.Row;
        const int col = (P.X - first.Left) / l.Cell;
        const TDateTime date = CellDate(row, col);
        if (Date)
            *Date = date;
        int year = 0, month = 0, day = 0, shownYear = 0, shownMonth = 0;
        DecodeDate(date, year, month, day);
        DecodeDate(FDate, shownYear, shownMonth, day);
        if (year * 12 + month < shownYear * 12 + shownMonth)
            return mchCalendarDatePrev;
        if (year * 12 + month > shownYear * 12 + shownMonth)
            return mchCalendarDateNext;
        return mchCalendarDate;
    }
    if (FWeekNumbers && PtInRect(Rect(first.Left - l.WeekCol, first.Top, first.Left, last.Bottom), P))
        return mchCalendarWeekNum;
    if (FShowToday && PtInRect(TodayRect(), P)) {
        if (Date)
            *Date = ::Date();
        return mchTodayLink;
    }
    const TPoint o = Origin();
    if (PtInRect(Rect(o.X, o.Y, Width() - o.X, Height() - o.Y), P))
        return mchCalendarBack;
    return mchNowhere;
}

void TMonthCalendar::StepMonths(int Months)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(FDate, year, month, day);
    const int index = year * 12 + (month - 1) + Months;
    year = index / 12;
    month = index % 12 + 1;
    SetDate(EncodeDate(year, month, std::min(day, DaysInMonth(year, month))));
}

void TMonthCalendar::KeyDown(unsigned& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    int year = 0, month = 0, day = 0;
    DecodeDate(FDate, year, month, day);
    switch (Key) {
    case VK_LEFT: SetDate(FDate - 1); break;
    case VK_RIGHT: SetDate(FDate + 1); break;
    case VK_UP: SetDate(FDate - 7); break;
    case VK_DOWN: SetDate(FDate + 7); break;
    case VK_PRIOR: StepMonths(-1); break;
    case VK_NEXT: StepMonths(1); break;
    case VK_HOME: SetDate(EncodeDate(year, month, 1)); break;
    case VK_END: SetDate(EncodeDate(year, month, DaysInMonth(year, month))); break;
    default: return;
    }
    Key = 0;
}

void TMonthCalendar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        TDateTime date = 0;
        switch (HitTest(Point(X, Y), &date)) {
        case mchTitleBtnPrev: StepMonths(-1); break;
        case mchTitleBtnNext: StepMonths(1); break;
        case mchCalendarDate:
        case mchCalendarDatePrev:
        case mchCalendarDateNext:
        case mchTodayLink: SetDate(date); break;
        default: break;
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TMonthCalendar::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS;
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TMonthCalendar::Paint()
{
    TCanvas* c = Canvas();
    const TLayout l = Layout();
    c->Brush()->SetColor(Color());
    const TPoint o = Origin();
    c->FillRect(Rect(o.X, o.Y, Width() - o.X, Height() - o.Y));

    const TRect title = TitleRect();
    c->Brush()->SetColor(clActiveCaption);
    c->FillRect(title);
    c->DrawFrameControl(PrevButtonRect(), DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_FLAT);
    c->DrawFrameControl(NextButtonRect(), DFC_SCROLL, DFCS_SCROLLRIGHT | DFCS_FLAT);
    int year = 0, month = 0, day = 0;
    DecodeDate(FDate, year, month, day);
    c->Font()->SetColor(clCaptionText);
    c->Font()->SetStyle(TFontStyles{fsBold});
    c->Brush()->SetStyle(bsClear);
    TRect text = MonthTextRect();
    c->DrawText(FormatSettings.LongMonthNames[static_cast<std::size_t>(month - 1)], text,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    text = YearTextRect();
    c->DrawText(std::to_string(year), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    c->SetFont(Font());

    c->Font()->SetColor(clActiveCaption);
    for (int col = 0; col < 7; ++col) {
        TRect r = CellRect(0, col);
        r.Top = title.Bottom;
        r.Bottom = title.Bottom + l.Names - 1;
        c->DrawText(FormatSettings.ShortDayNames[static_cast<std::size_t>((col + 1) % 7)], r,
                    DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    }
    c->Pen()->SetColor(clBtnShadow);
    c->MoveTo(CellRect(0, 0).Left, title.Bottom + l.Names - 2);
    c->LineTo(CellRect(0, 6).Right, title.Bottom + l.Names - 2);

    const TDateTime today = ::Date();
    for (int row = 0; row < 6; ++row) {
        if (FWeekNumbers) {
            TRect r = CellRect(row, 0);
            r.Right = r.Left - 2;
            r.Left -= l.WeekCol;
            c->Font()->SetColor(clActiveCaption);
            c->DrawText(std::to_string(WeekNumberOf(CellDate(row, 0))), r,
                        DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
        }
        for (int col = 0; col < 7; ++col) {
            const TDateTime date = CellDate(row, col);
            const TRect r = CellRect(row, col);
            int y = 0, m = 0, d = 0;
            DecodeDate(date, y, m, d);
            TRect cell = r;
            if (date == FDate) {
                c->Brush()->SetStyle(bsSolid);
                c->Brush()->SetColor(clActiveCaption);
                c->FillRect(cell);
                c->Brush()->SetStyle(bsClear);
                c->Font()->SetColor(clCaptionText);
            } else {
                c->Font()->SetColor(m == month ? Font()->Color() : clGrayText);
            }
            c->DrawText(std::to_string(d), cell, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
            if (date == today) {
                c->Brush()->SetStyle(bsSolid);
                c->Brush()->SetColor(clRed);
                c->FrameRect(r);
                c->Brush()->SetStyle(bsClear);
            }
        }
    }
    if (FWeekNumbers) {
        const TRect first = CellRect(0, 0);
        c->MoveTo(first.Left - 2, first.Top);
        c->LineTo(first.Left - 2, CellRect(5, 0).Bottom);
    }
    if (FShowToday) {
        const TRect r = TodayRect();
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clRed);
        c->FrameRect(Bounds(r.Left, r.Top + 3, 14, r.Height() - 6));
        c->Brush()->SetStyle(bsClear);
        c->Font()->SetColor(Font()->Color());
        c->Font()->SetStyle(TFontStyles{fsBold});
        TRect t = r;
        t.Left += 18;
        c->DrawText(TodayText(), t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        c->SetFont(Font());
    }
    c->Brush()->SetStyle(bsSolid);
}
