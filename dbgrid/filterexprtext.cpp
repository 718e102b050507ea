#include "dbgrid/filterexprtext.h"

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

std::string ConditionText(uint8_t Operator, const Variant& Operand)
{
    if (Operator == foIsNullLt)
        return FilterOperatorText(foEqualLt) + FilterOperatorText(foIsNullLt);
    if (Operator == foIsNotNullLt)
        return FilterOperatorText(foNotEqualLt) + FilterOperatorText(foIsNotNullLt);
    if (Operator == foInLt || Operator == foNotInLt) {
        std::string list;
        if (Operand.IsArray()) {
            for (int i = Operand.LowBound(); i <= Operand.HighBound(); ++i)
                list += (i > Operand.LowBound() ? "," : "") + FilterValueText(Operand[i], true);
        } else {
            list = FilterValueText(Operand, true);
        }
        return FilterOperatorText(Operator) + " (" + list + ")";
    }
    return FilterOperatorText(Operator) + " " + FilterValueText(Operand);
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
