#include "dbgrid/filter/datasetfilterfeatures.h"

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/filter/columnfilterlt.h"
#include "platform/data/datasource.h"
#include "platform/rtl/floatformat.h"
#include "platform/rtl/strutils.h"

namespace {
std::string ConstantText(const Variant& Value)
{
    switch (Value.VarType()) {
    case TVarType::varDouble:
    case TVarType::varDate:
    case TVarType::varInteger:
    case TVarType::varInt64:
    case TVarType::varCurrency:
        return FloatToStr(Value.AsDouble(), TFormatSettings{});
    default:
        return AnsiQuotedStr(Value.AsString(), '\'');
    }
}

std::string LikePattern(const Variant& Value)
{
    const std::string text = Value.AsString();
    return AnsiQuotedStr(text.find('%') == std::string::npos ? "%" + text + "%" : text, '\'');
}

std::string ListText(const std::string& Field, const Variant& Values)
{
    if (!Values.IsArray())
        return "(" + Field + " = " + ConstantText(Values) + ")";
    std::string text;
    for (int i = Values.LowBound(); i <= Values.HighBound(); ++i)
        text += (i > Values.LowBound() ? " or " : "") + Field + " = " + ConstantText(Values[i]);
    return "(" + text + ")";
}

std::string SingleConditionText(const std::string& Field, uint8_t Operator, const Variant& Operand)
{
    static const char* const kCompare[] = {"", "=", "<>", ">", "<", ">=", "<="};
    switch (Operator) {
    case foEqualLt:
    case foNotEqualLt:
    case foGreaterLt:
    case foLessLt:
    case foGreaterOrEqualLt:
    case foLessOrEqualLt:
        return Field + " " + kCompare[Operator] + " " + ConstantText(Operand);
    case foLikeLt: return Field + " like " + LikePattern(Operand);
    case foNotLikeLt: return "not (" + Field + " like " + LikePattern(Operand) + ")";
    case foInLt: return ListText(Field, Operand);
    case foNotInLt: return "not " + ListText(Field, Operand);
    case foIsNullLt: return Field + " is null";
    case foIsNotNullLt: return Field + " is not null";
    default: return {};
    }
}

// A comparison with a list of values holds for any of them; a negative one
// (<>, NOT LIKE) for none of them.
std::string ConditionText(const std::string& Field, uint8_t Operator, const Variant& Operand)
{
    if (Operator < foEqualLt || Operator > foNotLikeLt || !Operand.IsArray())
        return SingleConditionText(Field, Operator, Operand);
    const bool negative = Operator == foNotEqualLt || Operator == foNotLikeLt;
    std::string text;
    for (int i = Operand.LowBound(); i <= Operand.HighBound(); ++i)
        text += (i > Operand.LowBound() ? (negative ? " and " : " or ") : "") +
                SingleConditionText(Field, Operator, Operand[i]);
    return "(" + text + ")";
}

std::string ColumnFilterExpression(const TSTColumnFilterLt& Filter, const TDataSet& DataSet)
{
    const TSTFilterExpressionLt& e = Filter.ParsedExpression();
    const std::string name = Filter.TargetFieldName();
    if (e.Operator1 == foNoneLt || !DataSet.FindField(name))
        return {};
    const std::string field = "[" + name + "]";
    std::string text = ConditionText(field, e.Operator1, Filter.FirstOperand());
    if (e.Relation != foNoneLt)
        text += (e.Relation == foAndLt ? " and " : " or ") + ConditionText(field, e.Operator2, e.Operand2);
    return "(" + text + ")";
}
} // namespace

std::string GridColumnsFilterExpression(const TCustomDBGridLt& Grid)
{
    const TDataSet* dataSet = Grid.DataSource() ? Grid.DataSource()->DataSet() : nullptr;
    if (!dataSet)
        return {};
    std::string text;
    for (int i = 0; i < Grid.Columns()->Count(); ++i) {
        const std::string column = ColumnFilterExpression(*Grid.Columns()->Items(i)->STFilter(), *dataSet);
        if (!column.empty())
            text += (text.empty() ? "" : " and ") + column;
    }
    return text;
}

void TDataSetFilterFeaturesLt::ApplyFilter(TCustomDBGridLt* Grid, TDataSet* DataSet, bool)
{
    const std::string text = GridColumnsFilterExpression(*Grid);
    DataSet->SetFiltered(false);
    DataSet->SetFilter(text);
    DataSet->SetFiltered(!text.empty());
}
