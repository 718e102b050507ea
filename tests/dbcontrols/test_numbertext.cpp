// The number edit's text rules on their own: normalizing, thousand
// separators, the character check, limiting and rounding, edit formats.
#include <gtest/gtest.h>

#include "dbcontrols/numbertext.h"

namespace {

TFormatSettings Dotted()
{
    return TFormatSettings{};   // '.' decimal, ',' thousands
}

TFormatSettings Russian()
{
    TFormatSettings s;
    s.DecimalSeparator = ",";
    s.ThousandSeparator = "\u00A0";   // no-break space, two bytes
    return s;
}

TEST(NumberText, NormalizeAndInsertThousands)
{
    struct Case {
        TFormatSettings Settings;
        const char* Text;
        const char* Normalized;
        const char* Grouped;   // InsertThousands(Normalized, true)
    };
    const Case cases[] = {
        {Dotted(), "  1,234,567.5 ", "1234567.5", "1,234,567.5"},
        {Dotted(), "-1234", "-1234", "-1,234"},
        {Dotted(), "+123", "+123", "+123"},
        {Dotted(), "12345E10", "12345E10", "12,345E10"},
        {Dotted(), "", "", ""},
        {Russian(), "1.5", "1,5", "1,5"},                         // '.' becomes the decimal separator
        {Russian(), "1\u00A0234,75", "1234,75", "1\u00A0234,75"},
        {Russian(), "-9876543", "-9876543", "-9\u00A0876\u00A0543"},
    };
    for (const Case& c : cases) {
        const std::string normalized = NormalizeNumberText(c.Text, c.Settings);
        EXPECT_EQ(normalized, c.Normalized) << c.Text;
        EXPECT_EQ(InsertThousands(normalized, true, c.Settings), c.Grouped) << c.Text;
        EXPECT_EQ(InsertThousands(normalized, false, c.Settings), normalized) << c.Text;
    }
}

TEST(NumberText, WhatATextMayBecome)
{
    struct Case {
        const char* Text;
        unsigned Places;
        double Min, Max;
        bool Want;
    };
    const Case cases[] = {
        {"", 2, 0, 0, true},
        {"-", 2, 0, 0, true},
        {"+", 2, 0, 0, true},
        {"12.34", 2, 0, 0, true},
        {"12.345", 2, 0, 0, false},     // a third decimal
        {"1.", 0, 0, 0, true},
        {"1.5", 0, 0, 0, false},
        {"1.25E3", 2, 0, 0, true},       // the exponent is not a decimal
        {"1E", 2, 0, 0, false},          // does not convert
        {"12a", 2, 0, 0, false},
        {"1 2", 2, 0, 0, false},
        {"-", 2, 1, 16, false},          // no minus in a positive range
        {"-5", 2, 0, 100, false},
        {"-5", 2, -10, 100, true},
        {"-5", 2, 5, 0, true},           // only a lower bound
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumberTextAcceptable(c.Text, c.Places, c.Min, c.Max, Dotted()), c.Want)
            << c.Text << " " << c.Places << " " << c.Min << ".." << c.Max;
    double x = 1;
    EXPECT_TRUE(IsNumberText("-", x, Dotted()));
    EXPECT_EQ(x, 0);
}

TEST(NumberText, LimitClampsAndRoundsHalfToEven)
{
    struct Case {
        long double X, Min, Max;
        unsigned Places;
        long double Want;
    };
    const Case cases[] = {
        {20, 1, 16, 2, 16},
        {-3, 1, 16, 2, 1},
        {3, 5, 0, 2, 5},           // inverted with Max 0: lower bound only
        {1000, 5, 0, 2, 1000},
        {-2, 0, -5, 2, -5},        // inverted with Min 0: upper bound only
        {-10, 0, -5, 2, -10},
        {1000, 5, 3, 2, 1000},     // any other inverted pair: no limit
        {-1000, 5, 3, 2, -1000},
        {7, 4, 4, 2, 7},           // equal bounds: no limit
        {2.5L, 0, 0, 0, 2},
        {3.5L, 0, 0, 0, 4},
        {0.125L, 0, 0, 2, 0.12L},
        {0.375L, 0, 0, 2, 0.38L},
        {1.23456789L, 0, 0, 40, 1.23456789L},   // beyond 37 places: unrounded
        {1e30L, 0, 0, 2, 1e30L},                // too large to scale: unrounded
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LimitNumber(c.X, c.Min, c.Max, c.Places), c.Want) << static_cast<double>(c.X) << " " << static_cast<double>(c.Min) << ".."
                                                           << static_cast<double>(c.Max);
    }
}

TEST(NumberText, EditFormatAndDisplayText)
{
    struct Case {
        const char* DisplayFormat;
        bool Currency;
        const char* EditFormat;
    };
    const Case cases[] = {
        {"0.00", false, "0.00"},
        {"#,##0.00 'W';-#,##0.00", false, "#,##0.00"},
        {"\"#\"0.0\"0,\"", false, "0.0"},
        {"0.00E+00", false, "0.00"},
        {"", true, ",#.00"},
        {"0.0", true, "0.0"},
        {"", false, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumberEditFormat(c.DisplayFormat, c.Currency, Dotted()), c.EditFormat) << c.DisplayFormat;

    EXPECT_EQ(NumberDisplayText(Variant::Null(), "0.00", false, Dotted()), "");
    EXPECT_EQ(NumberDisplayText(Variant(3.0), "0.00", false, Dotted()), "3.00");
    EXPECT_EQ(NumberDisplayText(Variant(1234.5), "", true, Dotted()), "1,234.50 р.");
    EXPECT_EQ(NumberDisplayText(Variant(0.5), "", false, Dotted()), "0.5");
}

} // namespace
