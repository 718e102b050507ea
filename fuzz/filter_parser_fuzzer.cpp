// Feeds arbitrary text to the filter cell parser with each expression type.
// The parser may only raise the runtime's exceptions; what it accepts must
// be a complete expression that the filter cell can show without raising,
// and text added after two conditions must never be accepted (nothing of a
// filter is left out in silence).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dbgrid/filter/filterexpr.h"
#include "dbgrid/filter/filterexprtext.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/strutils.h"

namespace {
bool Accepted(const std::string& Text, uint8_t Type, TSTFilterExpressionLt& Expression)
{
    Expression = TSTFilterExpressionLt();
    Expression.ExpressionType = Type;
    try {
        ParseFilterText(Text, Expression);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

void Check(bool Condition)
{
    if (!Condition)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (uint8_t type : {fetOtherLt, fetStringLt, fetNumberLt, fetDateTimeLt}) {
        TSTFilterExpressionLt e;
        if (!Accepted(text, type, e))
            continue;
        Check(e.ExpressionType == type);
        Check((e.Operator1 == foNoneLt) == Trim(text).empty());
        Check(e.Operator1 <= foIsNotNullLt && e.Operator2 <= foIsNotNullLt);
        Check(e.Relation == foNoneLt || e.Relation == foAndLt || e.Relation == foOrLt);
        Check((e.Relation == foNoneLt) == (e.Operator2 == foNoneLt));
        Check((e.Operator1 == foInLt || e.Operator1 == foNotInLt) ? !e.Operand1.IsNull() : true);
        Check(e.Operator1 >= foIsNullLt || e.Operator1 == foNoneLt ? e.Operand1.IsNull() : true);
        FilterExpressionText(e);
        TSTFilterExpressionLt more;
        Check(!Accepted(text + " OR =1 OR =2", type, more));
    }
    return 0;
}
