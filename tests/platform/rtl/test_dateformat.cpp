#include <gtest/gtest.h>

#include "platform/rtl/dateformat.h"
#include "platform/rtl/exceptions.h"

namespace {

// Tuesday 2024-03-05 14:07:09.045
TDateTime Sample()
{
    return EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
}

struct FormatCase {
    const char* Format;
    const char* Expected;
};

TEST(FormatDateTime, Specifiers)
{
    const FormatCase cases[] = {
        {"dd.mm.yyyy", "05.03.2024"},
        {"d/m/yy", "5.3.24"},
        {"ddd dddd", "Вт вторник"},
        {"mmm mmmm", "мар Март"},
        {"hh:nn:ss.zzz", "14:07:09.045"},
        {"h:n:s.z", "14:7:9.45"},
        {"hh:mm", "14:07"},
        {"h 'h' m", "14 h 7"},
        {"mm", "03"},
        {"yyyy-mm-dd hh:nn", "2024-03-05 14:07"},
        {"HH:NN DD.MM.YYYY", "14:07 05.03.2024"},
        {"y", "24"},
        {"h:mm am/pm", "2:07 pm"},
        {"h:mm AM/PM", "2:07 PM"},
        {"hh a/p", "02 p"},
        {"h ampm", "2 PM"},
        {"'Date:' dd", "Date: 05"},
        {"\"m\"m", "m3"},
        {"q-q!", "q-q!"},
        {"abc", "ab05.03.2024 14:07:09"},
        {"c", "05.03.2024 14:07:09"},
        {"", "05.03.2024 14:07:09"},
        {"ddddd", "05.03.2024"},
        {"dddddd", "5 Март 2024"},
        {"t", "14:07"},
        {"tt", "14:07:09"},
        {"[dd]", "[05]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDateTime(c.Format, Sample()), c.Expected) << c.Format;
}

TEST(FormatDateTime, TwelveHourClockAndMidnight)
{
    const TDateTime day = EncodeDate(2024, 3, 5);
    EXPECT_EQ(FormatDateTime("h am/pm", day), "12 am");
    EXPECT_EQ(FormatDateTime("h am/pm", day + EncodeTime(12, 0, 0, 0)), "12 pm");
    EXPECT_EQ(FormatDateTime("h am/pm", day + EncodeTime(23, 0, 0, 0)), "11 pm");
    EXPECT_EQ(FormatDateTime("h 'am/pm'", day + EncodeTime(23, 0, 0, 0)), "23 am/pm");
    EXPECT_EQ(FormatDateTime("c", day), "05.03.2024");
    EXPECT_EQ(FormatDateTime("c", day + EncodeTime(0, 0, 0, 1)), "05.03.2024 0:00:00");
}

TEST(FormatDateTime, ValuesBeforeTheEpoch)
{
    EXPECT_EQ(FormatDateTime("dd.mm.yyyy hh:nn", -1.25), "29.12.1899 06:00");
    EXPECT_EQ(FormatDateTime("dd.mm.yyyy hh:nn", 0), "30.12.1899 00:00");
    EXPECT_EQ(FormatDateTime("yyyy.mm.dd", EncodeDate(5, 1, 2)), "0005.01.02");
}

TEST(FormatDateTime, UsesTheSettings)
{
    TFormatSettings settings;
    settings.DateSeparator = "/";
    settings.TimeSeparator = "-";
    settings.ShortDateFormat = "m/d/yyyy";
    settings.LongTimeFormat = "hh:nn:ss";
    settings.TimeAMString = "дп";
    settings.TimePMString = "пп";
    EXPECT_EQ(FormatDateTime("c", Sample(), settings), "3/5/2024 14-07-09");
    EXPECT_EQ(FormatDateTime("h ampm", Sample(), settings), "2 пп");
    EXPECT_EQ(DateToStr(Sample(), settings), "3/5/2024");
}

TEST(FormatDateTime, NestedFormatsDoNotRecurseForever)
{
    TFormatSettings settings;
    settings.ShortDateFormat = "c";
    EXPECT_NO_THROW(FormatDateTime("c", Sample(), settings));
}

TEST(DateTimeToStr, ShowsTheTimeOnlyWhenNotMidnight)
{
    EXPECT_EQ(DateToStr(Sample()), "05.03.2024");
    EXPECT_EQ(TimeToStr(Sample()), "14:07:09");
    EXPECT_EQ(DateTimeToStr(Sample()), "05.03.2024 14:07:09");
    EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 3, 5)), "05.03.2024");
}

struct ParseCase {
    const char* Text;
    TDateTime Expected;
};

TEST(StrToDate, ReadsTheShortDateFormatsOrder)
{
    const ParseCase cases[] = {
        {"05.03.2024", EncodeDate(2024, 3, 5)},
        {" 5 . 3 . 2024 ", EncodeDate(2024, 3, 5)},
        {"5.3.05", EncodeDate(2005, 3, 5)},
        {"1.2.99", EncodeDate(1999, 2, 1)},
        {"29.2.2024", EncodeDate(2024, 2, 29)},
        {"1.1.0001", EncodeDate(1, 1, 1)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToDate(c.Text), c.Expected) << c.Text;

    int year = 0, month = 0, day = 0;
    DecodeDate(Date(), year, month, day);
    EXPECT_EQ(StrToDate("05.03"), EncodeDate(year, 3, 5)) << "two numbers are day and month of this year";

    TFormatSettings ymd;
    ymd.ShortDateFormat = "yyyy-mm-dd";
    ymd.DateSeparator = "-";
    EXPECT_EQ(StrToDate("2024-03-05", ymd), EncodeDate(2024, 3, 5));
    EXPECT_EQ(StrToDate("3-5", ymd), EncodeDate(year, 3, 5));

    TFormatSettings mdy;
    mdy.ShortDateFormat = "m/d/yyyy";
    mdy.DateSeparator = "/";
    EXPECT_EQ(StrToDate("3/5/2024", mdy), EncodeDate(2024, 3, 5));
}

TEST(StrToDate, RejectsInvalidDates)
{
    for (const char* text : {"31.02.2024", "abc", "05.03.2024x", "05/03/2024", "", "5", "05.13.2024", "5..3.2024"}) {
        TDateTime value = 7;
        EXPECT_FALSE(TryStrToDate(text, value)) << text;
        EXPECT_EQ(value, 7);
        EXPECT_THROW(StrToDate(text), EConvertError) << text;
    }
    try {
        StrToDate("abc");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid date");
    }
}

TEST(StrToTime, ReadsHoursMinutesSecondsAndMarkers)
{
    const ParseCase cases[] = {
        {"14:07", EncodeTime(14, 7, 0, 0)},
        {" 14 : 07 : 09 ", EncodeTime(14, 7, 9, 0)},
        {"14:07:09.045", EncodeTime(14, 7, 9, 45)},
        {"14:07:09.5", EncodeTime(14, 7, 9, 500)},
        {"2:07 PM", EncodeTime(14, 7, 0, 0)},
        {"2:07pm", EncodeTime(14, 7, 0, 0)},
        {"PM 2:07", EncodeTime(14, 7, 0, 0)},
        {"12:00 AM", 0},
        {"12:30 pm", EncodeTime(12, 30, 0, 0)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToTime(c.Text), c.Expected) << c.Text;
}

TEST(StrToTime, RejectsInvalidTimes)
{
    for (const char* text : {"25:00", "14", "13:00 PM", "0:30 AM", "abc", "14:60", "14:07:09.1234", "14:07 x"}) {
        TDateTime value = 7;
        EXPECT_FALSE(TryStrToTime(text, value)) << text;
        EXPECT_EQ(value, 7);
        EXPECT_THROW(StrToTime(text), EConvertError) << text;
    }
}

TEST(StrToDateTime, DateWithOptionalTimeOrTimeAlone)
{
    EXPECT_EQ(StrToDateTime("05.03.2024 14:07:09.045"), Sample());
    EXPECT_EQ(StrToDateTime("05.03.2024"), EncodeDate(2024, 3, 5));
    EXPECT_EQ(StrToDateTime("14:07"), EncodeTime(14, 7, 0, 0));
    EXPECT_EQ(StrToDateTime("29.12.1899 06:00"), -1.25);
    for (const char* text : {"x", "05.03.2024 25:00", "05.03.2024 14:07 junk"})
        EXPECT_THROW(StrToDateTime(text), EConvertError) << text;
    try {
        StrToDateTime("x");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'x' is not a valid date and time");
    }
}

TEST(StrToDateTime, ReadsBackWhatFormatDateTimeWrites)
{
    const TDateTime values[] = {
        Sample(),
        EncodeDate(1, 1, 1),
        ComposeDateTime(EncodeDate(1899, 12, 29), EncodeTime(23, 59, 59, 999)),
        EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 59, 999),
        EncodeDate(2000, 2, 29) + EncodeTime(0, 0, 0, 1),
    };
    for (const TDateTime value : values) {
        const std::string text = FormatDateTime("dd.mm.yyyy hh:nn:ss.zzz", value);
        EXPECT_EQ(FormatDateTime("dd.mm.yyyy hh:nn:ss.zzz", StrToDateTime(text)), text);
        EXPECT_NEAR(StrToDateTime(text), value, 1e-9) << text;
        // DateTimeToStr drops the milliseconds, and only those.
        EXPECT_EQ(FormatDateTime("dd.mm.yyyy hh:nn:ss", StrToDateTime(DateTimeToStr(value))),
                  FormatDateTime("dd.mm.yyyy hh:nn:ss", value));
    }
}

} // namespace
