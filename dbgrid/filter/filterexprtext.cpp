#include "dbgrid/filter/filterexprtext.h"

#include "platform/rtl/dateformat.h"
#include "platform/rtl/floatformat.h"

namespace {
std::string Quoted(const std::string& Text)
{
    std::string quoted = "'";
    for (const char c : Text) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    return quoted + "'";
}

// A list's values separated by commas; a single value alone.
std::string ValuesText(const Variant& Operand)
{
    if (!Operand.IsArray())
        return FilterValueText(Operand, true);
    std::string list;
    for (int i = Operand.LowBound(); i <= Operand.HighBound(); ++i)
        list += (i > Operand.LowBound() ? "," : "") + FilterValueText(Operand[i], true);
    return list;
}

std::string ConditionText(uint8_t Operator, const Variant& Operand)
{
    if (Operator == foIsNullLt)
        return FilterOperatorText(foEqualLt) + FilterOperatorText(foIsNullLt);
    if (Operator == foIsNotNullLt)
        return FilterOperatorText(foNotEqualLt) + FilterOperatorText(foIsNotNullLt);
    if (Operator == foInLt || Operator == foNotInLt)
        return FilterOperatorText(Operator) + " (" + ValuesText(Operand) + ")";
    // A comparison may be followed by a list as well.
    return FilterOperatorText(Operator) + " " + (Operand.IsArray() ? ValuesText(Operand) : FilterValueText(Operand));
}
} // namespace

std::string FilterOperatorText(uint8_t Operator)
{
    static const char* const kTexts[] = {"",   "=",   "<>",   ">",    "<",   ">=", "<=", "~",
                                         "!~", "In", "!In", "Null", "Null", "AND", "OR", ""};
    return Operator < std::size(kTexts) ? kTexts[Operator] : std::string();
}

std::string FilterValueText(const Variant& Value, bool InList)
{
    if (Value.VarType() == TVarType::varDouble) {
        const std::string text = FloatToStr(Value.AsDouble());
        return InList && text.find(',') != std::string::npos ? Quoted(text) : text;
    }
    if (Value.VarType() == TVarType::varDate)
        return FormatDateTime("c", Value.AsDateTime());
    return Quoted(Value.AsString());
}

std::string FilterExpressionText(const TSTFilterExpressionLt& Expression)
{
    if (Expression.Operator1 == foNoneLt)
        return {};
    std::string text = ConditionText(Expression.Operator1, Expression.Operand1);
    if (Expression.Relation != foNoneLt)
        text += " " + FilterOperatorText(Expression.Relation) + " " +
                ConditionText(Expression.Operator2, Expression.Operand2);
    return text;
}
