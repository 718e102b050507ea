#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

#include "platform/rtl/datetime.h"
#include "platform/rtl/exceptions.h"

namespace {

struct DateCase {
    int Year, Month, Day;
    double Serial;
};

TEST(EncodeDate, CountsDaysFrom18991230)
{
    const DateCase cases[] = {
        {1899, 12, 30, 0},   {1899, 12, 29, -1},     {1900, 1, 1, 2},        {1900, 3, 1, 61},
        {2000, 1, 1, 36526}, {2024, 2, 29, 45351},   {1, 1, 1, -693593},     {9999, 12, 31, 2958465},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeDate(c.Year, c.Month, c.Day), c.Serial) << c.Year << "-" << c.Month << "-" << c.Day;
        int year = 0, month = 0, day = 0;
        DecodeDate(c.Serial, year, month, day);
        EXPECT_EQ(year, c.Year);
        EXPECT_EQ(month, c.Month);
        EXPECT_EQ(day, c.Day);
    }
}

TEST(EncodeDate, DecodeIsItsInverseAcrossTheWholeRange)
{
    for (int serial = -693593; serial <= 2958465; serial += 97) {
        int year = 0, month = 0, day = 0;
        DecodeDate(ComposeDateTime(serial, 0.75), year, month, day);
        ASSERT_EQ(EncodeDate(year, month, day), serial) << year << "-" << month << "-" << day;
    }
}

TEST(EncodeDate, RejectsInvalidDates)
{
    const DateCase cases[] = {
        {2023, 2, 29, 0}, {1900, 2, 29, 0}, {2024, 4, 31, 0}, {2024, 13, 1, 0},
        {2024, 0, 1, 0},  {2024, 1, 0, 0},  {0, 1, 1, 0},     {10000, 1, 1, 0},
    };
    for (const auto& c : cases) {
        TDateTime value = 123;
        EXPECT_FALSE(TryEncodeDate(c.Year, c.Month, c.Day, value));
        EXPECT_EQ(value, 123);
        EXPECT_THROW(EncodeDate(c.Year, c.Month, c.Day), EConvertError) << c.Year << "-" << c.Month << "-" << c.Day;
    }
}

TEST(Calendar, LeapYearsAndMonthLengths)
{
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2023, 2), 28);
    EXPECT_EQ(DaysInMonth(2023, 4), 30);
    EXPECT_EQ(DaysInMonth(2023, 12), 31);
    EXPECT_THROW(DaysInMonth(2023, 13), EConvertError);
}

TEST(DayOfWeek, KnownDates)
{
    const DateCase cases[] = {
        {1899, 12, 30, 7}, {1899, 12, 29, 6}, {2000, 1, 1, 7}, {1970, 1, 1, 5},
        {2024, 2, 29, 5},  {2023, 10, 1, 1},  {1, 1, 1, 2},    {9999, 12, 31, 6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DayOfWeek(ComposeDateTime(EncodeDate(c.Year, c.Month, c.Day), 0.5)), c.Serial)
            << c.Year << "-" << c.Month << "-" << c.Day;
}

TEST(EncodeTime, RoundTripsAndRejectsInvalidTimes)
{
    const TDateTime time = EncodeTime(12, 30, 45, 123);
    EXPECT_DOUBLE_EQ(time, (12 * 3600 + 30 * 60 + 45 + 0.123) / 86400);
    int hour = 0, minute = 0, second = 0, msec = 0;
    DecodeTime(time, hour, minute, second, msec);
    EXPECT_EQ(hour, 12);
    EXPECT_EQ(minute, 30);
    EXPECT_EQ(second, 45);
    EXPECT_EQ(msec, 123);

    const int invalid[][4] = {{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}, {-1, 0, 0, 0}};
    for (const auto& t : invalid) {
        TDateTime value = 0;
        EXPECT_FALSE(TryEncodeTime(t[0], t[1], t[2], t[3], value));
        EXPECT_THROW(EncodeTime(t[0], t[1], t[2], t[3]), EConvertError);
    }
}

TEST(DecodeTime, EveryMillisecondOfTheDayRoundTrips)
{
    for (int ms = 0; ms < 86400000; ms += 999) {
        const int h = ms / 3600000, n = ms / 60000 % 60, s = ms / 1000 % 60, z = ms % 1000;
        int hour = 0, minute = 0, second = 0, msec = 0;
        DecodeTime(45000 + EncodeTime(h, n, s, z), hour, minute, second, msec);
        ASSERT_EQ(hour * 3600000 + minute * 60000 + second * 1000 + msec, ms);
    }
}

TEST(DecodeTime, RoundsToTheMillisecondIntoTheNextDay)
{
    const TDateTime value = EncodeDate(2024, 12, 31) + (MSecsPerDay - 0.4) / MSecsPerDay;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, msec);
    EXPECT_EQ(year, 2025);
    EXPECT_EQ(month, 1);
    EXPECT_EQ(day, 1);
    EXPECT_EQ(hour + minute + second + msec, 0);
}

TEST(DateTime, ValuesBeforeTheEpochKeepTheTimeAsTheFractionsMagnitude)
{
    const TDateTime value = ComposeDateTime(EncodeDate(1899, 12, 29), EncodeTime(6, 0, 0, 0));
    EXPECT_EQ(value, -1.25);
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, msec);
    EXPECT_EQ(day, 29);
    EXPECT_EQ(hour, 6);
    EXPECT_EQ(DateOf(value), -1);
    EXPECT_EQ(TimeOf(value), 0.25);
    EXPECT_EQ(DateOf(45351.75), 45351);
    EXPECT_EQ(TimeOf(45351.75), 0.75);
}

TEST(DecodeDate, RejectsValuesOutsideTheCalendar)
{
    int year = 0, month = 0, day = 0;
    EXPECT_THROW(DecodeDate(-693594, year, month, day), EConvertError);
    EXPECT_THROW(DecodeDate(2958466, year, month, day), EConvertError);
    EXPECT_THROW(DecodeDate(std::nan(""), year, month, day), EConvertError);
}

TEST(Now, IsTheLocalTimeOfTheSystemClock)
{
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    const TDateTime expected =
        EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday)
        + EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), 0);
    const TDateTime now = Now();
    // Generous: a wrong time zone or day is off by far more than a minute.
    EXPECT_NEAR(now, expected, 60 / SecsPerDay);
    EXPECT_EQ(Date(), std::trunc(Date()));
    EXPECT_GE(Time(), 0);
    EXPECT_LT(Time(), 1);
}

} // namespace
