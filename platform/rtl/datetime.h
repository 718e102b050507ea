#pragma once
// TDateTime: days since 1899-12-30 as a double; the fraction is the time of
// day. For values before that day the integral part is the day and the
// absolute value of the fraction is the time (-1.25 is 1899-12-29 06:00).
// Years run from 1 to 9999. Invalid arguments raise EConvertError.

using TDateTime = double;

constexpr double HoursPerDay = 24;
constexpr double MinsPerDay = 24 * 60;
constexpr double SecsPerDay = 24 * 60 * 60;
constexpr double MSecsPerDay = 24 * 60 * 60 * 1000;

bool IsLeapYear(int year);
// Days in the month of the year; EConvertError for a month outside 1..12 or a year outside 1..9999.
int DaysInMonth(int year, int month);

bool TryEncodeDate(int year, int month, int day, TDateTime& date);
TDateTime EncodeDate(int year, int month, int day);
void DecodeDate(TDateTime date, int& year, int& month, int& day);

// Hours 0..23, minutes and seconds 0..59, milliseconds 0..999.
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec);

// Combines a date and a time the way the calendar reads them: for dates before
// 1899-12-30 the time is subtracted from the (negative) day number.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);

// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime date);

// Local time from the system clock, to the millisecond.
TDateTime Now();
TDateTime Date();
TDateTime Time();

// The day part (truncated toward zero) and the time of day (0 <= time < 1).
TDateTime DateOf(TDateTime value);
TDateTime TimeOf(TDateTime value);
