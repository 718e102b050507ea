#pragma once
// Date and time to text and back.
//
// FormatDateTime specifiers (letters in any case):
//   c       ShortDateFormat, then a blank and LongTimeFormat unless the time is midnight
//   d dd    day without / with a leading zero; ddd dddd short / long day name;
//   ddddd   ShortDateFormat; dddddd LongDateFormat
//   m mm    month without / with a leading zero (minutes right after h or hh);
//   mmm mmmm short / long month name
//   yy yyyy two-digit / four-digit year
//   h hh    hour (12-hour clock when an am/pm specifier follows)
//   n nn    minute; s ss second; z zzz millisecond
//   t tt    ShortTimeFormat / LongTimeFormat
//   am/pm a/p   the letters as written in the format, by the hour; ampm TimeAMString / TimePMString
//   /       DateSeparator; :  TimeSeparator
//   '...' "..."  literal text; any other character is copied
// An empty format is "c".
#include <string>

#include "platform/rtl/datetime.h"
#include "platform/rtl/formatsettings.h"

std::string FormatDateTime(const std::string& format, TDateTime value);
std::string FormatDateTime(const std::string& format, TDateTime value, const TFormatSettings& settings);

std::string DateToStr(TDateTime value);
std::string DateToStr(TDateTime value, const TFormatSettings& settings);
std::string TimeToStr(TDateTime value);
std::string TimeToStr(TDateTime value, const TFormatSettings& settings);
std::string DateTimeToStr(TDateTime value);
std::string DateTimeToStr(TDateTime value, const TFormatSettings& settings);

// Dates are read as numbers in the order of d, m and y in ShortDateFormat,
// separated by DateSeparator; with only two numbers the year is the current
// one. A year of one or two digits is placed by TwoDigitYearCenturyWindow.
// Times are hour TimeSeparator minute [TimeSeparator second
// [DecimalSeparator millisecond]] with an optional AM/PM marker (TimeAMString,
// TimePMString, "AM", "PM", any case) before or after. Blanks may surround the
// parts. StrToDateTime takes a date, optionally followed by a time, or a time alone.
bool TryStrToDate(const std::string& text, TDateTime& value);
bool TryStrToDate(const std::string& text, TDateTime& value, const TFormatSettings& settings);
TDateTime StrToDate(const std::string& text);
TDateTime StrToDate(const std::string& text, const TFormatSettings& settings);

bool TryStrToTime(const std::string& text, TDateTime& value);
bool TryStrToTime(const std::string& text, TDateTime& value, const TFormatSettings& settings);
TDateTime StrToTime(const std::string& text);
TDateTime StrToTime(const std::string& text, const TFormatSettings& settings);

bool TryStrToDateTime(const std::string& text, TDateTime& value);
bool TryStrToDateTime(const std::string& text, TDateTime& value, const TFormatSettings& settings);
TDateTime StrToDateTime(const std::string& text);
TDateTime StrToDateTime(const std::string& text, const TFormatSettings& settings);
