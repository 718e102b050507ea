#include "dbcontrols/variantsmatch.h"

#include "platform/rtl/exceptions.h"

namespace {

bool ArraysMatch(const Variant& V1, const Variant& V2)
{
    const int low = V1.LowBound();
    const int high = V1.HighBound();
    if (low != V2.LowBound() || high != V2.HighBound() || high < low)
        return false;
    for (int i = low; i <= high; ++i)
        if (!(V1[i] == V2[i]))
            return false;
    return true;
}

} // namespace

bool VariantsMatch(const Variant& V1, const Variant& V2)
{
    if (V1.IsArray() != V2.IsArray())
        return false;
    if (V1.IsArray())
        return ArraysMatch(V1, V2);
    if (V1.IsEmpty() || V2.IsEmpty())
        return V1.IsEmpty() && V2.IsEmpty();
    return V1 == V2;
}

std::string VariantToText(const Variant& V)
{
    if (V.IsArray())
        return {};
    try {
        return VarToStr(V);
    } catch (const Exception&) {
        return {};
    }
}
