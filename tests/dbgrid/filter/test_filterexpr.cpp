#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "dbgrid/filter/filterexpr.h"
#include "platform/rtl/dateformat.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/formatsettings.h"

namespace {
// An operand as text: 'abc' for a string, 1.5 for a number, d<serial> for
// a date, [a, b] for a list, Null.
std::string Describe(const Variant& V)
{
    if (V.IsNull())
        return "Null";
    std::ostringstream out;
    switch (V.VarType()) {
    case TVarType::varArray:
        out << "[";
        for (int i = V.LowBound(); i <= V.HighBound(); ++i)
            out << (i > V.LowBound() ? ", " : "") << Describe(V[i]);
        out << "]";
        break;
    case TVarType::varString:
        out << "'" << V.AsString() << "'";
        break;
    case TVarType::varDate:
        out << "d" << V.AsDouble();
        break;
    default:
        out << V.AsDouble();
        break;
    }
    return out.str();
}

struct TParseCase {
    const char* Text;
    uint8_t Type;
    uint8_t Operator1;
    std::string Operand1;
    uint8_t Relation;
    uint8_t Operator2;
    std::string Operand2;
};

TSTFilterExpressionLt Parse(const std::string& Text, uint8_t Type)
{
    TSTFilterExpressionLt expression;
    expression.ExpressionType = Type;
    ParseFilterText(Text, expression);
    return expression;
}

TEST(ParseFilterText, ReadsEveryFormOfCondition)
{
    const std::vector<TParseCase> cases{
        {"abc", fetStringLt, foLikeLt, "'abc'", 0, 0, "Null"},
        {"5", fetNumberLt, foEqualLt, "5", 0, 0, "Null"},
        {"  5  ", fetNumberLt, foEqualLt, "5", 0, 0, "Null"},
        {"abc", fetOtherLt, foEqualLt, "'abc'", 0, 0, "Null"},
        {"", fetStringLt, foNoneLt, "Null", 0, 0, "Null"},
        {"   ", fetNumberLt, foNoneLt, "Null", 0, 0, "Null"},
        {">=10 AND <=20", fetNumberLt, foGreaterOrEqualLt, "10", foAndLt, foLessOrEqualLt, "20"},
        {">=10 and <=20", fetNumberLt, foGreaterOrEqualLt, "10", foAndLt, foLessOrEqualLt, "20"},
        {"<5 | >7", fetNumberLt, foLessLt, "5", foOrLt, foGreaterLt, "7"},
        {"=1 & =2", fetNumberLt, foEqualLt, "1", foAndLt, foEqualLt, "2"},
        {"<>3", fetNumberLt, foNotEqualLt, "3", 0, 0, "Null"},
        {"!=3", fetNumberLt, foNotEqualLt, "3", 0, 0, "Null"},
        {">-2.5", fetNumberLt, foGreaterLt, "-2.5", 0, 0, "Null"},
        {"~ab", fetStringLt, foLikeLt, "'ab'", 0, 0, "Null"},
        {"LIKE ab", fetStringLt, foLikeLt, "'ab'", 0, 0, "Null"},
        {"NOT LIKE ab", fetStringLt, foNotLikeLt, "'ab'", 0, 0, "Null"},
        {"!like ab", fetStringLt, foNotLikeLt, "'ab'", 0, 0, "Null"},
        {"IN (1,2,3)", fetNumberLt, foInLt, "[1, 2, 3]", 0, 0, "Null"},
        {"in(1)", fetNumberLt, foInLt, "1", 0, 0, "Null"},
        {"NOT IN ('a','b')", fetStringLt, foNotInLt, "['a', 'b']", 0, 0, "Null"},
        {"IN ( a , b c )", fetStringLt, foInLt, "['a', 'b c']", 0, 0, "Null"},
        {"a,b", fetStringLt, foInLt, "['a', 'b']", 0, 0, "Null"},
        {"= NULL", fetNumberLt, foIsNullLt, "Null", 0, 0, "Null"},
        {"<>null", fetStringLt, foIsNotNullLt, "Null", 0, 0, "Null"},
        {"NULL", fetStringLt, foIsNullLt, "Null", 0, 0, "Null"},
        {"NOT NULL", fetStringLt, foIsNotNullLt, "Null", 0, 0, "Null"},
        {"=new york", fetStringLt, foEqualLt, "'new york'", 0, 0, "Null"},
        {"new york or =boston", fetStringLt, foLikeLt, "'new york'", foOrLt, foEqualLt, "'boston'"},
        {"Sandy", fetStringLt, foLikeLt, "'Sandy'", 0, 0, "Null"},
        {"='a b' AND <>''", fetStringLt, foEqualLt, "'a b'", foAndLt, foNotEqualLt, "''"},
        {"='x=y'", fetStringLt, foEqualLt, "'x=y'", 0, 0, "Null"},
        {"звезда", fetStringLt, foLikeLt, "'звезда'", 0, 0, "Null"},
        {"=1 AND IN (2,3)", fetNumberLt, foEqualLt, "1", foAndLt, foInLt, "[2, 3]"},
        {"=x AND =NULL", fetStringLt, foEqualLt, "'x'", foAndLt, foIsNullLt, "Null"},
    };
    for (const TParseCase& c : cases) {
        const TSTFilterExpressionLt e = Parse(c.Text, c.Type);
        EXPECT_EQ(e.ExpressionType, c.Type) << c.Text;
        EXPECT_EQ(e.Operator1, c.Operator1) << c.Text;
        EXPECT_EQ(Describe(e.Operand1), c.Operand1) << c.Text;
        EXPECT_EQ(e.Relation, c.Relation) << c.Text;
        EXPECT_EQ(e.Operator2, c.Operator2) << c.Text;
        EXPECT_EQ(Describe(e.Operand2), c.Operand2) << c.Text;
    }
}

TEST(ParseFilterText, NumbersAndDatesAreConverted)
{
    EXPECT_EQ(Parse("=5", fetNumberLt).Operand1.VarType(), TVarType::varDouble);
    EXPECT_EQ(Parse("=5", fetStringLt).Operand1.VarType(), TVarType::varString);
    const TSTFilterExpressionLt date = Parse(">=01.02.2024", fetDateTimeLt);
    ASSERT_EQ(date.Operand1.VarType(), TVarType::varDate);
    EXPECT_EQ(Describe(date.Operand1), Describe(Variant::FromDateTime(StrToDateTime("01.02.2024"))));
    EXPECT_THROW(Parse("=abc", fetNumberLt), EConvertError);
    EXPECT_THROW(Parse("IN (1,x)", fetNumberLt), EConvertError);
}

TEST(ParseFilterText, ACommaDecimalSeparatorKeepsANumberWhole)
{
    const std::string saved = FormatSettings.DecimalSeparator;
    FormatSettings.DecimalSeparator = ",";
    const TSTFilterExpressionLt one = Parse("1,5", fetNumberLt);
    const TSTFilterExpressionLt list = Parse("IN (1,5)", fetNumberLt);
    const TSTFilterExpressionLt text = Parse("1,5", fetStringLt);
    FormatSettings.DecimalSeparator = saved;
    EXPECT_EQ(one.Operator1, foEqualLt);
    EXPECT_EQ(Describe(one.Operand1), "1.5");
    EXPECT_EQ(list.Operator1, foInLt);
    EXPECT_EQ(Describe(list.Operand1), "[1, 5]");
    EXPECT_EQ(Describe(text.Operand1), "['1', '5']");
}

TEST(ParseFilterText, KeepsTheExpressionTypeAndClearsTheRest)
{
    TSTFilterExpressionLt e;
    e.ExpressionType = fetNumberLt;
    ParseFilterText(">1 OR <0", e);
    ParseFilterText("7", e);
    EXPECT_EQ(e.ExpressionType, fetNumberLt);
    EXPECT_EQ(e.Relation, foNoneLt);
    EXPECT_EQ(e.Operator2, foNoneLt);
    EXPECT_TRUE(e.Operand2.IsNull());
}

struct TErrorCase {
    const char* Text;
    uint8_t Type;
    const char* Prefix;
};

TEST(ParseFilterText, RaisesWithThePrefixAndTheWholeText)
{
    const std::vector<TErrorCase> cases{
        {"='abc", fetStringLt, "Quote is absent: "},
        {"IN ('a", fetStringLt, "Quote is absent: "},
        {"IN 1,2", fetNumberLt, "'(' expected: "},
        {"NOT IN 1", fetNumberLt, "'(' expected: "},
        {"IN (1,2", fetNumberLt, "')' expected: "},
        {"=1 OR IN (2,3", fetNumberLt, "')' expected: "},
        {"> NULL", fetNumberLt, "Unexpected expression before Null: "},
        {"LIKE NULL", fetStringLt, "Unexpected expression before Null: "},
        {"=", fetNumberLt, "Unexpected expression after operator: "},
        {">=<5", fetNumberLt, "Unexpected expression after operator: "},
        {"IN ()", fetNumberLt, "Unexpected expression after operator: "},
        {"=5 )", fetNumberLt, "Incorrect expression: "},
        {"=5 (", fetNumberLt, "Unexpected AND or OR: "},
        {"=5 =6", fetNumberLt, "Unexpected AND or OR: "},
        {"='a' 'x'", fetStringLt, "Unexpected AND or OR: "},
        // Nothing but LIKE, IN or NULL may follow NOT.
        {"NOT =5", fetNumberLt, "Error in expression: "},
        {"!abc", fetStringLt, "Error in expression: "},
        {"NOT AND", fetStringLt, "Error in expression: "},
        // A condition never starts with AND, OR or a bracket.
        {"AND =5", fetNumberLt, "Error in expression: "},
        {"or x", fetStringLt, "Error in expression: "},
        {"(5)", fetNumberLt, "Error in expression: "},
        {")", fetNumberLt, "Error in expression: "},
        // Nothing of the text is dropped.
        {"=1 OR =2 OR =3", fetNumberLt, "Error in expression: "},
        {"IN (1) AND IN (2) 3", fetNumberLt, "Error in expression: "},
        {"IN (1) AND NOT IN (2) , 3", fetNumberLt, "Error in expression: "},
        {"x AND", fetStringLt, "Error in expression: "},
        {"x OR ", fetStringLt, "Error in expression: "},
        {"=1 AND (", fetNumberLt, "Error in expression: "},
    };
    for (const TErrorCase& c : cases) {
        try {
            Parse(c.Text, c.Type);
            ADD_FAILURE() << c.Text << ": no error";
        } catch (const EConvertError& e) {
            ADD_FAILURE() << c.Text << ": a conversion error: " << e.what();
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), std::string(c.Prefix) + c.Text) << c.Text;
        }
    }
}
} // namespace
