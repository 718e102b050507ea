#include "platform/rtl/strutils.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace {

int SignOf(int value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

TEST(StrUtils, UnicodeCaseMapping)
{
    struct Case {
        std::string lower;
        std::string upper;
    };
    const Case cases[] = {
        {"hello, world 42", "HELLO, WORLD 42"},
        {"привет, мир", "ПРИВЕТ, МИР"},
        {"ёлка и щука", "ЁЛКА И ЩУКА"},
        {"mixed текст 7", "MIXED ТЕКСТ 7"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lower);
        EXPECT_EQ(AnsiUpperCase(c.lower), c.upper);
        EXPECT_EQ(AnsiLowerCase(c.upper), c.lower);
    }
}

TEST(StrUtils, AsciiCaseRoutinesLeaveOtherLettersAlone)
{
    EXPECT_EQ(UpperCase("abc привет"), "ABC привет");
    EXPECT_EQ(LowerCase("ABC ПРИВЕТ"), "abc ПРИВЕТ");
    EXPECT_TRUE(SameText("Hello", "hELLO"));
    EXPECT_FALSE(SameText("привет", "ПРИВЕТ"));
    EXPECT_LT(CompareText("apple", "BANANA"), 0);
    EXPECT_GT(CompareText("abcd", "ABC"), 0);
    EXPECT_EQ(CompareText("", ""), 0);
}

TEST(StrUtils, AnsiComparisons)
{
    struct Case {
        std::string a;
        std::string b;
        int text;  // sign of AnsiCompareText
        int str;   // sign of AnsiCompareStr
    };
    const Case cases[] = {
        // A byte comparison would put the capital Б (U+0411) before а (U+0430).
        {"альфа", "Бета", -1, -1},
        {"БЕТА", "бета", 0, 1},
        {"Ёж", "ёж", 0, 1},
        {"a", "A", 0, -1},
        {"A", "b", -1, -1},
        {"Aa", "ab", -1, -1},
        {"abc", "ABD", -1, -1},
        {"b", "A", 1, 1},
        {"", "a", -1, -1},
        {"same", "same", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a + " vs " + c.b);
        EXPECT_EQ(SignOf(AnsiCompareText(c.a, c.b)), c.text);
        EXPECT_EQ(SignOf(AnsiCompareText(c.b, c.a)), -c.text);
        EXPECT_EQ(SignOf(AnsiCompareStr(c.a, c.b)), c.str);
        EXPECT_EQ(SignOf(AnsiCompareStr(c.b, c.a)), -c.str);
        EXPECT_EQ(AnsiSameText(c.a, c.b), c.text == 0);
        EXPECT_EQ(AnsiSameStr(c.a, c.b), c.str == 0);
    }
}

TEST(StrUtils, AnsiStartsText)
{
    EXPECT_TRUE(AnsiStartsText("ПРИ", "привет"));
    EXPECT_TRUE(AnsiStartsText("", "anything"));
    EXPECT_TRUE(AnsiStartsText("Hello", "hello"));
    EXPECT_FALSE(AnsiStartsText("приветы", "привет"));
    EXPECT_FALSE(AnsiStartsText("рив", "привет"));
}

TEST(StrUtils, QuotingAndDequoting)
{
    EXPECT_EQ(QuotedStr("it's"), "'it''s'");
    EXPECT_EQ(QuotedStr(""), "''");
    EXPECT_EQ(AnsiQuotedStr("say \"hi\"", '"'), "\"say \"\"hi\"\"\"");

    struct Case {
        std::string input;
        std::string expected;
    };
    const Case cases[] = {
        {"'abc'", "abc"},
        {"'it''s'", "it's"},
        {"''", ""},
        {"abc", "abc"},     // not quoted
        {"'abc", "'abc"},   // never closed
        {"'ab'cd", "ab"},   // text after the closing quote is dropped
        {"", ""},
        {"'при''вет'", "при'вет"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(AnsiDequotedStr(c.input, '\''), c.expected);
    }
    for (const std::string s : {"", "plain", "a'b''c'", "'"})
        EXPECT_EQ(AnsiDequotedStr(QuotedStr(s), '\''), s);
}

TEST(StrUtils, ExtractQuotedStrAdvancesPastClosingQuote)
{
    const std::string text = "x'a''b'rest";
    std::size_t pos = 0;
    EXPECT_EQ(AnsiExtractQuotedStr(text, pos, '\''), "");
    EXPECT_EQ(pos, 0u);
    pos = 1;
    EXPECT_EQ(AnsiExtractQuotedStr(text, pos, '\''), "a'b");
    EXPECT_EQ(text.substr(pos), "rest");
}

TEST(StrUtils, Trimming)
{
    const std::string s = " \t\r\n a b \x01 ";
    EXPECT_EQ(Trim(s), "a b");
    EXPECT_EQ(TrimLeft(s), "a b \x01 ");
    EXPECT_EQ(TrimRight(s), " \t\r\n a b");
    EXPECT_EQ(Trim("   "), "");
    // Bytes of multi-byte characters are above ' ' and stay, even a
    // no-break space.
    EXPECT_EQ(Trim("\xC2\xA0мир\xC2\xA0"), "\xC2\xA0мир\xC2\xA0");
}

TEST(StrUtils, IntegerToText)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-1234), "-1234");
    EXPECT_EQ(IntToStr(INT64_MIN), "-9223372036854775808");

    struct Case {
        int64_t value;
        int digits;
        std::string expected;
    };
    const Case cases[] = {
        {255, 4, "00FF"},
        {0x1A2B, 2, "1A2B"},
        {0, 0, "0"},
        {-1, 2, "FFFFFFFFFFFFFFFF"},
        {INT64_MIN, 1, "8000000000000000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IntToHex(c.value, c.digits), c.expected) << c.value;
}

TEST(StrUtils, StringReplace)
{
    struct Case {
        std::string s, oldPattern, newPattern;
        TReplaceFlags flags;
        std::string expected;
    };
    const Case cases[] = {
        {"aXbXc", "X", "-", {}, "a-bXc"},
        {"aXbXc", "X", "-", rfReplaceAll, "a-b-c"},
        {"aXbxc", "x", "-", rfReplaceAll, "aXb-c"},
        {"aXbxc", "x", "-", rfReplaceAll | rfIgnoreCase, "a-b-c"},
        {"Привет и ПРИВЕТ", "привет", "hi", rfReplaceAll | rfIgnoreCase, "hi и hi"},
        {"Привет и ПРИВЕТ", "привет", "hi", rfIgnoreCase, "hi и ПРИВЕТ"},
        {"ёЁё", "Ё", "е", rfReplaceAll | rfIgnoreCase, "еее"},
        {"aaa", "aa", "b", rfReplaceAll, "ba"},
        {"a", "a", "aa", rfReplaceAll, "aa"},
        {"abc", "", "x", rfReplaceAll, "abc"},
        {"abc", "z", "x", rfReplaceAll, "abc"},
        {"", "a", "x", rfReplaceAll, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.s + " / " + c.oldPattern);
        EXPECT_EQ(StringReplace(c.s, c.oldPattern, c.newPattern, c.flags), c.expected);
    }
}

TEST(StrUtils, StringOfCharAndPos)
{
    EXPECT_EQ(StringOfChar('-', 3), "---");
    EXPECT_EQ(StringOfChar('-', 0), "");
    EXPECT_EQ(StringOfChar('-', -2), "");

    EXPECT_EQ(Pos("b", "abcb"), 2);
    EXPECT_EQ(Pos("abc", "abc"), 1);
    EXPECT_EQ(Pos("x", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(Pos("abcd", "abc"), 0);
    EXPECT_EQ(Pos("мир", "привет мир"), 14);  // byte position
}

TEST(StrUtils, Utf8ConversionOfValidText)
{
    const std::string text = "aё€\xF0\x9F\x98\x80";
    const std::u32string codes = {U'a', U'ё', U'€', char32_t(0x1F600)};
    EXPECT_EQ(Utf8ToUtf32(text), codes);
    EXPECT_EQ(Utf32ToUtf8(codes), text);
    EXPECT_EQ(Utf8Length(text), 4);
    EXPECT_TRUE(IsValidUtf8(text));
    EXPECT_TRUE(IsValidUtf8("\xEF\xBF\xBD"));  // U+FFFD itself
    EXPECT_TRUE(IsValidUtf8(""));
}

TEST(StrUtils, MalformedUtf8BecomesReplacementCharacters)
{
    constexpr char32_t R = 0xFFFD;
    struct Case {
        std::string input;
        std::u32string expected;
    };
    const Case cases[] = {
        {"\xFF", {R}},
        {"a\xC3", {U'a', R}},                            // truncated at the end
        {"\xE2\x82x", {R, U'x'}},                        // truncated in the middle
        {"\xC0\xAF", {R, R}},                            // overlong '/'
        {"\xE0\x80\xAF", {R, R, R}},                     // overlong, three bytes
        {"\xED\xA0\x80", {R, R, R}},                     // surrogate
        {"\xF4\x90\x80\x80", {R, R, R, R}},              // above U+10FFFF
        {"\x80\x80", {R, R}},                            // stray continuation bytes
        {"\xD0\xBF\xD0", {U'п', R}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.input));
        EXPECT_EQ(Utf8ToUtf32(c.input), c.expected);
        EXPECT_EQ(Utf8Length(c.input), static_cast<int>(c.expected.size()));
        EXPECT_FALSE(IsValidUtf8(c.input));
        EXPECT_TRUE(IsValidUtf8(Utf32ToUtf8(Utf8ToUtf32(c.input))));
    }
    EXPECT_EQ(Utf32ToUtf8(std::u32string{char32_t(0xD800), char32_t(0x110000)}),
              "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(AnsiUpperCase("a\xFF"), "A\xEF\xBF\xBD");
}

TEST(StrUtils, Utf8Copy)
{
    struct Case {
        std::string s;
        int index, count;
        std::string expected;
    };
    const Case cases[] = {
        {"привет", 2, 3, "рив"},
        {"привет", 0, 2, "пр"},
        {"привет", 5, 10, "ет"},
        {"привет", 7, 1, ""},
        {"привет", 1, 0, ""},
        {"привет", 1, -1, ""},
        {"a\xFF" "b", 1, 3, "a\xEF\xBF\xBD" "b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.s + " " + std::to_string(c.index) + "," + std::to_string(c.count));
        EXPECT_EQ(Utf8Copy(c.s, c.index, c.count), c.expected);
    }
}

}  // namespace
