#include "dbgrid/filter/filterexpr.h"

#include "dbgrid/filter/filterexprlexer.h"
#include "platform/rtl/dateformat.h"
#include "platform/rtl/floatformat.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/strutils.h"

namespace {
// One comparison: its operator and operand.
void ReadCondition(TFilterLexerLt& Lexer, uint8_t ExpressionType, uint8_t& Operator, Variant& Operand)
{
    const TFilterLexemeLt first = Lexer.Next();
    if (first.Code == foValueLt) {
        if (first.Value.IsArray())
            Operator = foInLt;
        else
            Operator = ExpressionType == fetStringLt ? foLikeLt : foEqualLt;
        Operand = first.Value;
        return;
    }
    // A condition starts with a value or a comparison: not with nothing, a
    // bracket, AND or OR.
    if (first.Bracket || first.Code == foNoneLt || first.Code == foAndLt || first.Code == foOrLt)
        Lexer.Fail("Error in expression: ");
    Operator = first.Code;
    if (Operator == foIsNullLt || Operator == foIsNotNullLt)
        return;
    const bool list = Operator == foInLt || Operator == foNotInLt;
    const TFilterLexemeLt operand = Lexer.Next(list);
    if (operand.Code == foIsNullLt) {
        if (Operator == foEqualLt)
            Operator = foIsNullLt;
        else if (Operator == foNotEqualLt)
            Operator = foIsNotNullLt;
        else
            Lexer.Fail("Unexpected expression before Null: ");
        return;
    }
    if (operand.Code != foValueLt)
        Lexer.Fail("Unexpected expression after operator: ");
    Operand = operand.Value;
    if (list && !Lexer.Take(')'))
        Lexer.Fail("')' expected: ");
}

Variant Converted(const Variant& Operand, uint8_t ExpressionType)
{
    if (Operand.IsArray()) {
        Variant list = Variant::CreateArray(Operand.LowBound(), Operand.HighBound());
        for (int i = Operand.LowBound(); i <= Operand.HighBound(); ++i)
            list[i] = Converted(Operand[i], ExpressionType);
        return list;
    }
    if (ExpressionType == fetNumberLt)
        return Variant(StrToFloat(Operand.AsString()));
    if (ExpressionType == fetDateTimeLt)
        return Variant::FromDateTime(StrToDateTime(Operand.AsString()));
    return Operand;
}

void ConvertOperand(uint8_t Operator, Variant& Operand, uint8_t ExpressionType)
{
    if (Operator >= foEqualLt && Operator <= foNotInLt)
        Operand = Converted(Operand, ExpressionType);
    else
        Operand = Variant::Null();
}
} // namespace

void ParseFilterText(const std::string& Text, TSTFilterExpressionLt& Expression)
{
    const uint8_t type = Expression.ExpressionType;
    Expression = TSTFilterExpressionLt();
    Expression.ExpressionType = type;
    const std::string text = Trim(Text);
    if (text.empty())
        return;
    TFilterLexerLt lexer(text, Text, type == fetNumberLt && FormatSettings.DecimalSeparator == ",");
    ReadCondition(lexer, type, Expression.Operator1, Expression.Operand1);
    const TFilterLexemeLt relation = lexer.Next();
    if (relation.Code == foNoneLt && !relation.Bracket) {
        if (!lexer.AtEnd())
            lexer.Fail("Incorrect expression: ");
    } else {
        if (relation.Code != foAndLt && relation.Code != foOrLt)
            lexer.Fail("Unexpected AND or OR: ");
        Expression.Relation = relation.Code;
        ReadCondition(lexer, type, Expression.Operator2, Expression.Operand2);
        // Two conditions at most: anything after the second is an error,
        // not something to leave out of the filter.
        if (!lexer.AtEnd())
            lexer.Fail("Error in expression: ");
    }
    ConvertOperand(Expression.Operator1, Expression.Operand1, type);
    ConvertOperand(Expression.Operator2, Expression.Operand2, type);
}
