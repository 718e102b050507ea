#include "platform/rtl/datetime.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <string>

#include "platform/rtl/exceptions.h"

namespace {

// Day numbers counted from 0001-01-01 as day 1; 1899-12-30 is day DateDelta.
constexpr int64_t DateDelta = 693594;
constexpr int64_t MaxDayNumber = 3652059; // 9999-12-31
constexpr int64_t MSecsInDay = 86400000;

constexpr int DaysBeforeMonth[2][13] = {
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365},
    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366}};

struct TimeStamp {
    int64_t Date; // day number
    int64_t Time; // milliseconds since midnight
};

// Rounds to the millisecond first, so 23:59:59.9999 becomes the next day.
TimeStamp ToTimeStamp(TDateTime value)
{
    const double ms = std::nearbyint(value * MSecsPerDay);
    if (!std::isfinite(ms) || std::fabs(ms) > double(MaxDayNumber + 1) * MSecsInDay)
        throw EConvertError("Invalid date and time value: " + std::to_string(value));
    const auto total = static_cast<int64_t>(ms);
    const TimeStamp result{DateDelta + total / MSecsInDay, std::abs(total % MSecsInDay)};
    if (result.Date < 1 || result.Date > MaxDayNumber)
        throw EConvertError("Date value out of range: " + std::to_string(value));
    return result;
}

} // namespace

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12)
        throw EConvertError("Invalid year or month: " + std::to_string(year) + "-" + std::to_string(month));
    const auto& table = DaysBeforeMonth[IsLeapYear(year) ? 1 : 0];
    return table[month] - table[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    const int64_t y = year - 1;
    const int64_t dayNumber = y * 365 + y / 4 - y / 100 + y / 400
                              + DaysBeforeMonth[IsLeapYear(year) ? 1 : 0][month - 1] + day;
    date = static_cast<TDateTime>(dayNumber - DateDelta);
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime result = 0;
    if (!TryEncodeDate(year, month, day, result))
        throw EConvertError("Invalid argument to date encode: year " + std::to_string(year) + ", month "
                            + std::to_string(month) + ", day " + std::to_string(day));
    return result;
}

void DecodeDate(TDateTime date, int& year, int& month, int& day)
{
    int64_t t = ToTimeStamp(date).Date - 1;
    const int64_t y400 = t / 146097;
    t %= 146097;
    int64_t y100 = t / 36524;
    t %= 36524;
    if (y100 == 4) { // the last day of a leap century
        y100 = 3;
        t += 36524;
    }
    const int64_t y4 = t / 1461;
    t %= 1461;
    int64_t y1 = t / 365;
    t %= 365;
    if (y1 == 4) { // the last day of a leap year
        y1 = 3;
        t += 365;
    }
    year = static_cast<int>(y400 * 400 + y100 * 100 + y4 * 4 + y1 + 1);
    const auto& table = DaysBeforeMonth[IsLeapYear(year) ? 1 : 0];
    month = 1;
    while (t >= table[month])
        ++month;
    day = static_cast<int>(t - table[month - 1] + 1);
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time)
{
    if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999)
        return false;
    time = ((hour * 3600 + min * 60 + sec) * 1000.0 + msec) / MSecsPerDay;
    return true;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec)
{
    TDateTime result = 0;
    if (!TryEncodeTime(hour, min, sec, msec, result))
        throw EConvertError("Invalid argument to time encode: " + std::to_string(hour) + ":" + std::to_string(min)
                            + ":" + std::to_string(sec) + "." + std::to_string(msec));
    return result;
}

void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec)
{
    int64_t t = ToTimeStamp(time).Time;
    msec = static_cast<int>(t % 1000);
    t /= 1000;
    sec = static_cast<int>(t % 60);
    t /= 60;
    min = static_cast<int>(t % 60);
    hour = static_cast<int>(t / 60);
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time)
{
    return date < 0 ? date - std::fabs(time) : date + std::fabs(time);
}

int DayOfWeek(TDateTime date)
{
    return static_cast<int>(ToTimeStamp(date).Date % 7 + 1);
}

TDateTime Now()
{
    const auto now = std::chrono::system_clock::now();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(ms / 1000 - (ms % 1000 < 0 ? 1 : 0));
    const int msec = static_cast<int>((ms % 1000 + 1000) % 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    return ComposeDateTime(EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday),
                           EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), msec));
}

TDateTime Date()
{
    return DateOf(Now());
}

TDateTime Time()
{
    return TimeOf(Now());
}

TDateTime DateOf(TDateTime value)
{
    return std::trunc(value);
}

TDateTime TimeOf(TDateTime value)
{
    return std::fabs(value - std::trunc(value));
}
