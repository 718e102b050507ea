// Comparing editor values and showing them as text.
#include <gtest/gtest.h>

#include <string>

#include "dbcontrols/variantsmatch.h"

namespace {

Variant ArrayWithBounds(int low, std::initializer_list<Variant> items)
{
    Variant a = Variant::CreateArray(low, low + static_cast<int>(items.size()) - 1);
    int i = low;
    for (const Variant& v : items)
        a[i++] = v;
    return a;
}

struct MatchCase {
    const char* Name;
    Variant V1;
    Variant V2;
    bool Match;
};

TEST(VariantsMatch, Table)
{
    const MatchCase cases[] = {
        {"null, null", Variant::Null(), Variant::Null(), true},
        {"unassigned, null", Variant(), Variant::Null(), false},
        {"null, unassigned", Variant::Null(), Variant(), false},
        {"unassigned, unassigned", Variant(), Variant(), true},
        {"unassigned, zero", Variant(), Variant(0), false},
        {"unassigned, empty string", Variant(), Variant(""), false},
        {"'1', 1", Variant("1"), Variant(1), true},
        {"'abc', 5", Variant("abc"), Variant(5), false},
        {"1, 1.0", Variant(1), Variant(1.0), true},
        {"'a', 'A'", Variant("a"), Variant("A"), false},
        {"array, scalar", Variant::ArrayOf({1}), Variant(1), false},
        {"scalar, array", Variant(1), Variant::ArrayOf({1}), false},
        {"equal arrays", Variant::ArrayOf({1, 2}), Variant::ArrayOf({1, 2}), true},
        {"arrays differing in an element", Variant::ArrayOf({1, 2}), Variant::ArrayOf({1, 3}), false},
        {"arrays of different lengths", Variant::ArrayOf({1, 2}), Variant::ArrayOf({1, 2, 3}), false},
        {"same elements, other bounds", ArrayWithBounds(1, {1, 2}), Variant::ArrayOf({1, 2}), false},
        {"two empty arrays", Variant::CreateArray(0, -1), Variant::CreateArray(0, -1), false},
        {"arrays with nulls", Variant::ArrayOf({Variant::Null(), 1}), Variant::ArrayOf({Variant::Null(), 1}), true},
    };
    for (const MatchCase& c : cases)
        EXPECT_EQ(VariantsMatch(c.V1, c.V2), c.Match) << c.Name;
}

TEST(VariantToText, ArraysAndValuesWithoutTextGiveEmpty)
{
    EXPECT_EQ(VariantToText(Variant::ArrayOf({1, 2})), "");
    EXPECT_EQ(VariantToText(Variant::Null()), "");
    EXPECT_EQ(VariantToText(Variant()), "");
    EXPECT_EQ(VariantToText(Variant(42)), "42");
    EXPECT_EQ(VariantToText(Variant("Привет")), "Привет");
    EXPECT_EQ(VariantToText(Variant(true)), "True");
}

} // namespace
