#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/rtl/floatformat.h"

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();

struct ToStrCase {
    double Value;
    const char* Expected;
};

TEST(FloatToStr, GeneralFormatWithFifteenDigits)
{
    const ToStrCase cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {0.1, "0.1"},
        {-1.5, "-1.5"},
        {100, "100"},
        {123.456, "123.456"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {123456789012345, "123456789012345"},
        {1234567890123456, "1.23456789012346E15"},
        {1e15, "1E15"},
        {1e20, "1E20"},
        {-2.5e100, "-2.5E100"},
        {0.0001, "0.0001"},
        {0.00012, "0.00012"},
        {0.00001, "1E-5"},
        {1.5e-5, "1.5E-5"},
        {1e-300, "1E-300"},
        {std::numeric_limits<double>::max(), "1.79769313486232E308"},
        {std::numeric_limits<double>::denorm_min(), "5E-324"},
        {999999999999999.9, "1E15"},
        {std::nan(""), "NAN"},
        {Inf, "INF"},
        {-Inf, "-INF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStr(c.Value), c.Expected) << c.Expected;
}

TEST(FloatToStr, UsesTheSettingsDecimalSeparator)
{
    TFormatSettings settings;
    settings.DecimalSeparator = ",";
    EXPECT_EQ(FloatToStr(-12.75, settings), "-12,75");
    EXPECT_EQ(FloatToStr(1.5e-7, settings), "1,5E-7");
}

struct ToStrFCase {
    double Value;
    TFloatFormat Format;
    int Precision;
    int Digits;
    const char* Expected;
};

TEST(FloatToStrF, AllFormats)
{
    using enum TFloatFormat;
    const ToStrFCase cases[] = {
        {0.125, ffGeneral, 2, 0, "0.13"},
        {12345, ffGeneral, 3, 2, "1.23E04"},
        {12345, ffGeneral, 5, 0, "12345"},
        {0.00001234, ffGeneral, 15, 3, "1.234E-005"},
        {1234.5678, ffExponent, 4, 2, "1.235E+03"},
        {-0.00012345, ffExponent, 3, 3, "-1.23E-004"},
        {0, ffExponent, 3, 0, "0.00E+0"},
        {9.99, ffExponent, 2, 1, "1.0E+1"},
        {1234.5678, ffFixed, 15, 2, "1234.57"},
        {1234.5, ffFixed, 15, 0, "1235"},
        {-0.001, ffFixed, 15, 2, "0.00"},
        {0.5, ffFixed, 15, 0, "1"},
        {1.23456, ffFixed, 3, 4, "1.2300"},
        {123456, ffFixed, 3, 2, "1.23E5"},
        {0.0001, ffFixed, 15, 3, "0.000"},
        {1234567.891, ffNumber, 15, 2, "1,234,567.89"},
        {-1234.5, ffNumber, 15, 0, "-1,235"},
        {999.999, ffNumber, 15, 2, "1,000.00"},
        {123, ffNumber, 15, 1, "123.0"},
        {1234.5, ffCurrency, 15, 2, "1,234.50 р."},
        {-1234.5, ffCurrency, 15, 2, "-1,234.50 р."},
        {-0.001, ffCurrency, 15, 2, "0.00 р."},
        {std::nan(""), ffFixed, 15, 2, "NAN"},
        {-Inf, ffCurrency, 15, 2, "-INF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStrF(c.Value, c.Format, c.Precision, c.Digits), c.Expected) << c.Expected;
}

TEST(FloatToStrF, CurrencyFormatsPlaceTheSymbolAndSign)
{
    const char* const positive[] = {"$1.00", "1.00$", "$ 1.00", "1.00 $"};
    const char* const negative[] = {"($1.00)", "-$1.00",  "$-1.00",  "$1.00-",  "(1.00$)",  "-1.00$",
                                    "1.00-$",  "1.00$-",  "-1.00 $", "-$ 1.00", "1.00 $-", "$ 1.00-",
                                    "$ -1.00", "1.00- $", "($ 1.00)", "(1.00 $)"};
    TFormatSettings settings;
    settings.CurrencyString = "$";
    for (int format = 0; format < 4; ++format) {
        settings.CurrencyFormat = format;
        EXPECT_EQ(FloatToStrF(1, TFloatFormat::ffCurrency, 15, 2, settings), positive[format]) << format;
    }
    for (int format = 0; format < 16; ++format) {
        settings.NegCurrFormat = format;
        EXPECT_EQ(FloatToStrF(-1, TFloatFormat::ffCurrency, 15, 2, settings), negative[format]) << format;
    }
}

TEST(FloatToStrF, UsesTheSettingsSeparators)
{
    TFormatSettings settings;
    settings.DecimalSeparator = ",";
    settings.ThousandSeparator = "\u00A0";
    EXPECT_EQ(FloatToStrF(1234567.5, TFloatFormat::ffNumber, 15, 1, settings), "1\u00A0234\u00A0567,5");
    EXPECT_EQ(FloatToStrF(-1234.5, TFloatFormat::ffCurrency, 15, 2, settings), "-1\u00A0234,50 р.");
}

struct PatternCase {
    const char* Format;
    double Value;
    const char* Expected;
};

TEST(FormatFloat, DigitPlaceholdersAndRounding)
{
    const PatternCase cases[] = {
        {"0", 0.5, "1"},
        {"0", 1.5, "2"},
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
        {"0.00", 0.125, "0.13"},
        {"0.00", 1.005, "1.01"},
        {"0.00", -1234.5, "-1234.50"},
        {"0.00", 0.995, "1.00"},
        {"000", 7, "007"},
        {"0", 12345, "12345"},
        {"00-00", 1234, "12-34"},
        {"#", 0, ""},
        {"#.##", 0.5, ".5"},
        {"0.##", 1, "1"},
        {"0.0#", 1.5, "1.5"},
        {"0.0#", 1.257, "1.26"},
        {"#.00", 0.25, ".25"},
        {".00", 12.5, "12.50"},
        {"", 0.1, "0.1"},
        {"", 1e20, "1E20"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(c.Format, c.Value), c.Expected) << c.Format << " " << c.Value;
}

TEST(FormatFloat, NegativeZeroAndValuesThatRoundToZeroShowNoSign)
{
    const PatternCase cases[] = {
        {"0.00", -0.0, "0.00"},
        {"0.00", -0.001, "0.00"},
        {"0", -0.4, "0"},
        {"0.0;(0.0)", -0.04, "(0.0)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(c.Format, c.Value), c.Expected) << c.Format << " " << c.Value;
}

TEST(FormatFloat, ExtremeMagnitudes)
{
    const PatternCase cases[] = {
        {"0", 1e300, "1E300"},
        {"#,##0.00", -1e300, "-1E300"},
        {"0", 123456789012345678.0, "123456789012345680"},
        {"0", 1e19, "1E19"},
        {"0.00", 1e-300, "0.00"},
        {"0.00E+00", 1e-300, "1.00E-300"},
        {"0.00E+00", 1e300, "1.00E+300"},
        {"0.00", std::nan(""), "NAN"},
        {"0", -Inf, "-INF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(c.Format, c.Value), c.Expected) << c.Format << " " << c.Value;
}

TEST(FormatFloat, Sections)
{
    const PatternCase cases[] = {
        {"#;;zero", 0, "zero"},
        {"#;;zero", 5, "5"},
        {"#;;zero", -5, "-5"},
        {"0.0;(0.0);nil", 1.25, "1.3"},
        {"0.0;(0.0);nil", -1.25, "(1.3)"},
        {"0.0;(0.0);nil", 0, "nil"},
        {"0.0;(0.0);nil", 0.04, "nil"},
        {"0.0;(0.0);nil", -0.04, "nil"},
        {"0.00;-0.00", -1.5, "-1.50"},
        {"0;neg", -3, "neg"},
        {"0;", -3, "-3"},
        {"\"x;y\"0", 3, "x;y3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(c.Format, c.Value), c.Expected) << c.Format << " " << c.Value;
}

TEST(FormatFloat, ThousandsQuotedTextAndExponents)
{
    const PatternCase cases[] = {
        {"#,##0.00", 1234567.891, "1,234,567.89"},
        {"#,##0", 999.5, "1,000"},
        {"#,##0", -1234567, "-1,234,567"},
        {"#,##0", 0, "0"},
        {"#,##0", 123, "123"},
        {"0,000", 12, "0,012"},
        {"'$'0.00", 5, "$5.00"},
        {"'$'0.00", -5, "-$5.00"},
        {"0.00 'руб.'", 5, "5.00 руб."},
        {"0.00 руб", 5, "5.00 руб"},
        {"0 \"items\"", 3, "3 items"},
        {"0.00E+00", 12345, "1.23E+04"},
        {"0.00e-00", 12345, "1.23e04"},
        {"0.00E-0", 0.00012345, "1.23E-4"},
        {"00.00E+00", 12345, "12.35E+03"},
        {"0.000E+0", 0, "0.000E+0"},
        {"0.0##E+00", 1.5e10, "1.5E+10"},
        {"0.00E+00", -12345, "-1.23E+04"},
        {"0.0E+0", 9.96, "1.0E+1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(c.Format, c.Value), c.Expected) << c.Format << " " << c.Value;
}

TEST(FormatFloat, UsesTheSettingsSeparators)
{
    TFormatSettings settings;
    settings.DecimalSeparator = ",";
    settings.ThousandSeparator = " ";
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.5, settings), "1 234,50");
    EXPECT_EQ(FormatFloat("0.0E+00", 1234.5, settings), "1,2E+03");
}

struct CurrencyCase {
    int64_t Raw;
    const char* Expected;
};

TEST(CurrToStr, ShowsTheExactDecimalValue)
{
    const CurrencyCase cases[] = {
        {0, "0"},
        {15000, "1.5"},
        {1, "0.0001"},
        {-12345678, "-1234.5678"},
        {10000000000000, "1000000000"},
        {std::numeric_limits<int64_t>::max(), "922337203685477.5807"},
        {std::numeric_limits<int64_t>::min(), "-922337203685477.5808"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CurrToStr(Currency::FromRaw(c.Raw)), c.Expected);
}

struct CurrencyFormatCase {
    int64_t Raw;
    TFloatFormat Format;
    int Digits;
    const char* Expected;
};

TEST(CurrToStrF, FormatsFromTheExactDigits)
{
    using enum TFloatFormat;
    const CurrencyFormatCase cases[] = {
        {12345000, ffFixed, 2, "1234.50"},
        {12345000, ffNumber, 2, "1,234.50"},
        {12345000, ffCurrency, 2, "1,234.50 р."},
        {-12345000, ffCurrency, 0, "-1,235 р."},
        {5, ffFixed, 3, "0.001"},
        {-5, ffFixed, 3, "-0.001"},
        {-4, ffFixed, 3, "0.000"},
        {std::numeric_limits<int64_t>::max(), ffNumber, 4, "922,337,203,685,477.5807"},
        {std::numeric_limits<int64_t>::max(), ffFixed, 2, "922337203685477.58"},
        {12345, ffGeneral, 0, "1.2345"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CurrToStrF(Currency::FromRaw(c.Raw), c.Format, c.Digits), c.Expected) << c.Expected;
}

TEST(FormatCurr, FormatsFromTheExactDigits)
{
    EXPECT_EQ(FormatCurr("#,##0.0000", Currency::MaxValue()), "922,337,203,685,477.5807");
    EXPECT_EQ(FormatCurr("0.00", Currency::FromRaw(1250)), "0.13");
    EXPECT_EQ(FormatCurr("0.000", Currency::FromRaw(-5)), "-0.001");
    EXPECT_EQ(FormatCurr("0.00;(0.00);-", Currency::FromRaw(-49)), "-");
    EXPECT_EQ(FormatCurr("", Currency::FromRaw(-12345)), "-1.2345");
}

} // namespace
