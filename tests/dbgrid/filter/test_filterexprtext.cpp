// The text a filter cell shows for a parsed filter, and that parsing that
// text gives the same filter again.
#include <gtest/gtest.h>

#include <string>

#include "dbgrid/filter/filterexpr.h"
#include "dbgrid/filter/filterexprtext.h"
#include "platform/rtl/exceptions.h"
#include "tests/dbgrid/filter/decimalseparator.h"

namespace {
TSTFilterExpressionLt Parse(const std::string& Text, uint8_t Type)
{
    TSTFilterExpressionLt expression;
    expression.ExpressionType = Type;
    ParseFilterText(Text, expression);
    return expression;
}

bool SameOperand(const Variant& A, const Variant& B)
{
    return A.VarType() == B.VarType() && VarCompareValue(A, B) == TVariantRelationship::vrEqual;
}

void ExpectSameFilter(const TSTFilterExpressionLt& A, const TSTFilterExpressionLt& B, const std::string& Shown)
{
    EXPECT_EQ(A.Operator1, B.Operator1) << Shown;
    EXPECT_TRUE(SameOperand(A.Operand1, B.Operand1)) << Shown;
    EXPECT_EQ(A.Relation, B.Relation) << Shown;
    EXPECT_EQ(A.Operator2, B.Operator2) << Shown;
    EXPECT_TRUE(SameOperand(A.Operand2, B.Operand2)) << Shown;
}

TEST(FilterExpressionText, ShowsEachConditionWithItsOperator)
{
    const struct {
        const char* Typed;
        uint8_t Type;
        const char* Shown;
    } cases[] = {
        {"", fetStringLt, ""},
        {"abc", fetStringLt, "~ 'abc'"},
        {"=Null", fetNumberLt, "=Null"},
        {"<> null", fetStringLt, "<>Null"},
        {">=10 and <=20", fetNumberLt, ">= 10 AND <= 20"},
        {"5 | 7", fetNumberLt, "= 5 OR = 7"},
        {"NOT LIKE 'x'", fetStringLt, "!~ 'x'"},
        {"IN (1,2,3)", fetNumberLt, "In (1,2,3)"},
        {"not in ('a','b')", fetStringLt, "!In ('a','b')"},
        {"!= 'a b'", fetOtherLt, "<> 'a b'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilterExpressionText(Parse(c.Typed, c.Type)), c.Shown) << c.Typed;
}

TEST(FilterExpressionText, ShownTextParsesToTheSameFilter)
{
    const struct {
        const char* Typed;
        uint8_t Type;
        const char* DecimalSeparator;
    } cases[] = {
        {"= 'O''Brien'", fetStringLt, "."},
        {"'it''s' OR ~ '''quoted'''", fetStringLt, "."},
        {"IN ('a''b','c')", fetStringLt, "."},
        {"= '(x), y AND z'", fetStringLt, "."},
        {"IN ('1,5','2,25',3)", fetNumberLt, ","},
        {"NOT IN ('0,5')", fetNumberLt, ","},
        {">= 1,5 AND < 2,75", fetNumberLt, ","},
        {"-1,5", fetNumberLt, ","},
        {"IN (1.5,2.25)", fetNumberLt, "."},
        {">= 01.02.2024 AND < 03.02.2024 10:30:00", fetDateTimeLt, "."},
        {"IN (01.02.2024, 05.02.2024 08:00:00)", fetDateTimeLt, "."},
    };
    for (const auto& c : cases) {
        TDecimalSeparator separator(c.DecimalSeparator);
        const TSTFilterExpressionLt typed = Parse(c.Typed, c.Type);
        const std::string shown = FilterExpressionText(typed);
        TSTFilterExpressionLt reread;
        ASSERT_NO_THROW(reread = Parse(shown, c.Type)) << c.Typed << " shown as " << shown;
        ExpectSameFilter(typed, reread, shown);
    }
}

TEST(FilterExpressionText, AQuoteInsideAValueIsDoubled)
{
    EXPECT_EQ(Parse("= 'O''Brien'", fetStringLt).Operand1.AsString(), "O'Brien");
    EXPECT_EQ(FilterValueText(Variant(std::string("O'Brien"))), "'O''Brien'");
    TSTFilterExpressionLt e;
    e.ExpressionType = fetStringLt;
    EXPECT_THROW(ParseFilterText("= 'O''Brien", e), Exception) << "still no closing quote";
}

TEST(FilterExpressionText, ANumberWithADecimalCommaIsQuotedOnlyInAList)
{
    TDecimalSeparator separator(",");
    EXPECT_EQ(FilterValueText(Variant(1.5)), "1,5");
    EXPECT_EQ(FilterValueText(Variant(1.5), true), "'1,5'");
    EXPECT_EQ(FilterValueText(Variant(2.0), true), "2");
    EXPECT_EQ(FilterExpressionText(Parse("IN ('1,5',2)", fetNumberLt)), "In ('1,5',2)");
}
} // namespace
