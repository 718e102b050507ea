#include "platform/rtl/format.h"

#include "platform/rtl/exceptions.h"
#include "platform/rtl/strutils.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

struct FormatCase {
    std::string fmt;
    std::vector<TFormatArg> args;
    std::string expected;
};

TEST(Format, Table)
{
    const std::vector<FormatCase> cases = {
        // integers
        {"%d", {42}, "42"},
        {"[%5d]", {42}, "[   42]"},
        {"[%-5d]", {42}, "[42   ]"},
        {"%.4d", {-42}, "-0042"},
        {"[%6.3d]", {7}, "[   007]"},
        {"%d", {INT64_MIN}, "-9223372036854775808"},
        {"%d", {std::numeric_limits<uint64_t>::max()}, "18446744073709551615"},
        {"%u", {-1}, "18446744073709551615"},
        {"%.3u", {5u}, "005"},
        {"%x", {255}, "FF"},
        {"%.4X", {255}, "00FF"},
        {"%x", {-1}, "FFFFFFFFFFFFFFFF"},
        // floating point
        {"%f", {3.14159}, "3.14"},
        {"%f", {-1.5}, "-1.50"},
        {"%.2f", {2.675}, "2.67"},  // 2.675 is stored as 2.67499...
        {"%.0f", {2.5}, "2"},
        {"%.2f", {-0.001}, "0.00"},
        {"%.3f", {1.0f}, "1.000"},
        {"%e", {1234.5}, "1.23450000000000E+003"},
        {"%.3e", {-0.000123456}, "-1.23E-004"},
        {"%g", {1234.5}, "1234.5"},
        {"%g", {100.0}, "100"},
        {"%g", {-2.5}, "-2.5"},
        {"%g", {0.0}, "0"},
        {"%g", {0.0001}, "0.0001"},
        {"%g", {0.00001}, "1E-5"},
        {"%g", {1e20}, "1E20"},
        {"%.3g", {1234.5}, "1.23E3"},
        {"%.3g", {999.9}, "1E3"},
        {"%n", {1234567.891}, "1,234,567.89"},
        {"%n", {999.999}, "1,000.00"},
        {"%n", {123.0}, "123.00"},
        {"%.0n", {-1234567.0}, "-1,234,567"},
        {"%m", {-1234.5}, "-$1,234.50"},
        {"%m", {0.5}, "$0.50"},
        {"%f", {std::numeric_limits<double>::quiet_NaN()}, "NAN"},
        {"%e", {-std::numeric_limits<double>::infinity()}, "-INF"},
        // strings and pointers
        {"%s", {"abc"}, "abc"},
        {"[%5s]", {"abc"}, "[  abc]"},
        {"[%-5s]", {"abc"}, "[abc  ]"},
        {"%.2s", {"привет"}, "пр"},
        {"[%5s]", {"мир"}, "[  мир]"},
        {"%s", {std::string()}, ""},
        {"%p", {nullptr}, "0000000000000000"},
        // indexes, stars, escapes
        {"100%%", {}, "100%"},
        {"%d%%", {5}, "5%"},
        {"%1:s %0:s %s", {"a", "b"}, "b a b"},
        {"%0:s-%0:s", {"x"}, "x-x"},
        {"[%*d]", {5, 42}, "[   42]"},
        {"[%-*d]", {4, 7}, "[7   ]"},
        {"[%*d]", {-4, 7}, "[7   ]"},
        {"%.*f", {3, 1.0}, "1.000"},
        {"%*.*f", {7, 1, 2.25}, "    2.2"},
        {"%D %S %X", {7, "s", 10}, "7 s A"},
        {"%d", {1, 2}, "1"},
        {"no specifiers", {}, "no specifiers"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.fmt);
        EXPECT_EQ(FormatArgs(c.fmt, c.args), c.expected);
    }
}

TEST(Format, BadFormatsAndArgumentsRaise)
{
    const std::vector<FormatCase> cases = {
        {"%d", {}, ""},                 // no argument
        {"%d %d", {1}, ""},             // too few arguments
        {"%d", {"x"}, ""},              // string for an integer
        {"%x", {1.5}, ""},              // float for an integer
        {"%s", {1}, ""},                // integer for a string
        {"%f", {1}, ""},                // integer for a float
        {"%p", {1}, ""},                // integer for a pointer
        {"%s", {nullptr}, ""},          // pointer for a string
        {"%", {1}, ""},                 // nothing after '%'
        {"abc%5", {1}, ""},             // no type letter
        {"%q", {1}, ""},                // unknown type letter
        {"%-1:d", {1}, ""},             // index after the '-'
        {"%3:d", {1, 2}, ""},           // index past the arguments
        {"%*d", {5}, ""},               // star consumes the only argument
        {"%*d", {"x", 1}, ""},          // star given a string
        {"%99999999999d", {1}, ""},     // width overflows
        {"%*d", {INT64_MAX, 1}, ""},    // width from the argument too large
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.fmt);
        try {
            FormatArgs(c.fmt, c.args);
            ADD_FAILURE() << "no exception";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Format '" + c.fmt + "' invalid or incompatible with argument");
        }
    }
}

TEST(Format, TemplateConvertsArgumentTypes)
{
    const std::string s = "str";
    const std::string_view view = "view";
    int value = 0;
    const int* pointer = &value;
    EXPECT_EQ(Format("%s|%s|%s|%s", s, "lit", view, 'c'), "str|lit|view|c");
    EXPECT_EQ(Format("%d|%d|%u|%d", int8_t(-3), short(-4), uint8_t(200), 5L), "-3|-4|200|5");
    EXPECT_EQ(Format("%.1f|%.1f", 1.25f, 2.5L), "1.2|2.5");
    EXPECT_EQ(Format("%p", pointer), IntToHex(static_cast<int64_t>(reinterpret_cast<uintptr_t>(pointer)), 16));
    EXPECT_EQ(Format("plain"), "plain");
    EXPECT_THROW(Format("%d %d", 1), EConvertError);
}

}  // namespace
