#pragma once
// The locale settings that number and date formatting and parsing read. The
// global FormatSettings is what the functions without a settings argument
// use; every such function has an overload taking its own TFormatSettings.
// Separators and names are UTF-8 strings.
#include <array>
#include <string>

struct TFormatSettings {
    std::string DecimalSeparator = ".";
    std::string ThousandSeparator = ",";
    std::string DateSeparator = ".";
    std::string TimeSeparator = ":";
    std::string CurrencyString = "р.";
    // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    int CurrencyFormat = 3;
    // 0 "($1)" 1 "-$1" 2 "$-1" 3 "$1-" 4 "(1$)" 5 "-1$" 6 "1-$" 7 "1$-"
    // 8 "-1 $" 9 "-$ 1" 10 "1 $-" 11 "$ 1-" 12 "$ -1" 13 "1- $" 14 "($ 1)" 15 "(1 $)"
    int NegCurrFormat = 8;
    int CurrencyDecimals = 2;
    std::string ShortDateFormat = "dd.mm.yyyy";
    std::string LongDateFormat = "d mmmm yyyy";
    std::string ShortTimeFormat = "h:nn";
    std::string LongTimeFormat = "h:nn:ss";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::array<std::string, 12> ShortMonthNames{
        "янв", "фев", "мар", "апр", "май", "июн", "июл", "авг", "сен", "окт", "ноя", "дек"};
    std::array<std::string, 12> LongMonthNames{
        "Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
        "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
    // Index 0 is Sunday.
    std::array<std::string, 7> ShortDayNames{"Вс", "Пн", "Вт", "Ср", "Чт", "Пт", "Сб"};
    std::array<std::string, 7> LongDayNames{
        "воскресенье", "понедельник", "вторник", "среда", "четверг", "пятница", "суббота"};
    // A two-digit year is placed in the hundred years that start this many
    // years before the current one; 0 puts it in the current century.
    int TwoDigitYearCenturyWindow = 50;
};

extern TFormatSettings FormatSettings;
