#pragma once
// A month calendar: a title with the month, the year and buttons to the
// previous and next month, a row of day names, six weeks of dates (the
// neighbouring months' days greyed), optional week numbers at the left and a
// link to today at the bottom. The selected date is Date; the calendar shows
// its month. HitTest tells which part lies under a point.
#include "platform/rtl/datetime.h"
#include "platform/ui/controls.h"

enum TMonthCalHit {
    mchNowhere, mchTitleBack, mchTitleMonth, mchTitleYear, mchTitleBtnPrev, mchTitleBtnNext, mchCalendarBack,
    mchCalendarDay, mchCalendarDate, mchCalendarDatePrev, mchCalendarDateNext, mchCalendarWeekNum, mchTodayLink
};

class TMonthCalendar : public TCustomControl {
    LT_CLASS(TMonthCalendar)
public:
    explicit TMonthCalendar(TComponent* AOwner);

    TDateTime Date() const { return FDate; }
    void SetDate(TDateTime Value);
    bool WeekNumbers() const { return FWeekNumbers; }
    void SetWeekNumbers(bool Value);
    bool ShowToday() const { return FShowToday; }
    void SetShowToday(bool Value);
    // With AutoSize the control takes its minimum size.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    // The smallest rectangle that shows the whole calendar.
    TRect MinimumRect() const;

    // The part at P (client coordinates); for dates and the today link, Date
    // receives the date found there.
    TMonthCalHit HitTest(const TPoint& P, TDateTime* Date = nullptr) const;
    // The cell of the date in week Row (0..5) and weekday Col (0 Monday .. 6).
    TRect CellRect(int Row, int Col) const;
    // The date shown in that cell.
    TDateTime CellDate(int Row, int Col) const;

    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

protected:
    // Where the calendar's own parts start (a frame may lie around them).
    virtual TPoint Origin() const { return {0, 0}; }
    void Paint() override;
    void FontChanged() override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Dispatch(TMessage& Message) override;
    void AdjustSize();

private:
    struct TLayout {
        int Cell = 0, Row = 0, Title = 0, Names = 0, Today = 0, WeekCol = 0, Margin = 0;
    };
    TLayout Layout() const;
    TDateTime FirstShown() const;
    TRect TitleRect() const;
    TRect MonthTextRect() const;
    TRect YearTextRect() const;
    TRect PrevButtonRect() const;
    TRect NextButtonRect() const;
    TRect TodayRect() const;
    std::string TodayText() const;
    int TodayTextWidth() const;
    void StepMonths(int Months);

    TDateTime FDate;
    bool FWeekNumbers = false;
    bool FShowToday = true;
    bool FAutoSize = false;
    TNotifyEvent FOnChange;
};
