#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/floatformat.h"

namespace {

struct FloatCase {
    const char* Text;
    double Expected;
};

TEST(StrToFloat, ReadsNumbers)
{
    const FloatCase cases[] = {
        {"1.5", 1.5},
        {" -2.5e3 ", -2500},
        {"\t+.5", 0.5},
        {"5.", 5},
        {"1E-5", 1e-5},
        {"0.1", 0.1},
        {"007", 7},
        {"1e-400", 0},
        {"4.9406564584124654E-324", std::numeric_limits<double>::denorm_min()},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"123456789012345678901234567890", 1.2345678901234568e29},
        {"0.30000000000000004", 0.30000000000000004},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToFloat(c.Text), c.Expected) << c.Text;
}

TEST(StrToFloat, RejectsMalformedText)
{
    const char* const cases[] = {"abc", "", " ", "1.2.3", "1e", "1e+", "1,5", "e5", ".", "--1", "1 5", "1e400", "INF",
                                 "NAN", "0x10", "1.5x"};
    for (const char* text : cases) {
        double value = 42;
        EXPECT_FALSE(TryStrToFloat(text, value)) << text;
        EXPECT_EQ(value, 42) << "a failed conversion leaves the value alone: " << text;
        EXPECT_THROW(StrToFloat(text), EConvertError) << text;
    }
}

TEST(StrToFloat, ErrorMessageQuotesTheText)
{
    try {
        StrToFloat("abc");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid floating point value");
    }
}

TEST(StrToFloat, UsesTheSettingsDecimalSeparator)
{
    TFormatSettings settings;
    settings.DecimalSeparator = ",";
    EXPECT_EQ(StrToFloat("1,5", settings), 1.5);
    EXPECT_THROW(StrToFloat("1.5", settings), EConvertError);
    EXPECT_EQ(StrToFloatDef("x", -1, settings), -1);
    EXPECT_EQ(StrToFloatDef("2,25", -1, settings), 2.25);
}

TEST(StrToCurr, ReadsTheDecimalValueExactly)
{
    EXPECT_EQ(StrToCurr("1.00005").Raw(), 10000);
    EXPECT_EQ(StrToCurr("1.00015").Raw(), 10002);
    EXPECT_EQ(StrToCurr(" -0.00015 ").Raw(), -2);
    EXPECT_EQ(StrToCurr("1.2e3").Raw(), 12000000);
    EXPECT_EQ(StrToCurr("922337203685477.5807"), Currency::MaxValue());
    EXPECT_EQ(StrToCurr("-922337203685477.5808"), Currency::MinValue());
    EXPECT_EQ(StrToCurr("0.00000000000000000001").Raw(), 0);
}

TEST(StrToCurr, RejectsMalformedOrOutOfRangeText)
{
    for (const char* text : {"abc", "", "922337203685477.5808", "1e16", "1,5"}) {
        Currency value = Currency(3);
        EXPECT_FALSE(TryStrToCurr(text, value)) << text;
        EXPECT_EQ(value, Currency(3)) << text;
        EXPECT_THROW(StrToCurr(text), EConvertError) << text;
    }
    EXPECT_EQ(StrToCurrDef("x", Currency(7)), Currency(7));
}

struct IntCase {
    const char* Text;
    int64_t Expected;
};

TEST(StrToInt, ReadsDecimalAndHexadecimal)
{
    const IntCase cases[] = {
        {"42", 42},
        {" -17 ", -17},
        {"+5", 5},
        {"$FF", 255},
        {"$ff", 255},
        {"0x1f", 31},
        {"0X1F", 31},
        {"-$10", -16},
        {"000123", 123},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483648LL},
        {"$7FFFFFFF", 2147483647},
        {"$FFFFFFFF", -1},
        {"$80000000", -2147483648LL},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StrToInt(c.Text), c.Expected) << c.Text;
        int value = 0;
        EXPECT_TRUE(TryStrToInt(c.Text, value)) << c.Text;
    }
}

TEST(StrToInt, RejectsMalformedOrOutOfRangeText)
{
    const char* const cases[] = {"abc", "", " ", "12a", "1.5", "$", "0x", "$G", "2147483648", "-2147483649",
                                 "$1FFFFFFFF", "- 5", "5 5", "1e3", "99999999999999999999"};
    for (const char* text : cases) {
        int value = 9;
        EXPECT_FALSE(TryStrToInt(text, value)) << text;
        EXPECT_EQ(value, 9) << text;
        EXPECT_THROW(StrToInt(text), EConvertError) << text;
        EXPECT_EQ(StrToIntDef(text, -3), -3) << text;
    }
    try {
        StrToInt("abc");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid integer value");
    }
}

TEST(StrToInt64, CoversTheFullRange)
{
    EXPECT_EQ(StrToInt64("9223372036854775807"), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(StrToInt64(" 3000000000 "), 3000000000LL);
    EXPECT_THROW(StrToInt64("9223372036854775808"), EConvertError);
    EXPECT_THROW(StrToInt64("$10000000000000000"), EConvertError);
    int64_t value = 5;
    EXPECT_FALSE(TryStrToInt64("x", value));
    EXPECT_EQ(value, 5);
    EXPECT_EQ(StrToInt64Def("-", 11), 11);
}

} // namespace
