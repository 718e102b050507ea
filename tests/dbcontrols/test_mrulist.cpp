#include <gtest/gtest.h>

#include "dbcontrols/mrulistlt.h"

namespace {
std::vector<std::string> ItemsOf(const TStrings& List)
{
    std::vector<std::string> items;
    for (int i = 0; i < List.Count(); ++i)
        items.push_back(List.Get(i));
    return items;
}

struct TAddCase {
    const char* Name;
    std::vector<std::string> Items;
    int Limit;
    bool CaseSensitive;
    std::string Added;
    std::vector<std::string> Expected;
};

class MRUAddRecent : public ::testing::TestWithParam<TAddCase> {};

TEST_P(MRUAddRecent, KeepsTheNewestAtTheEnd)
{
    const TAddCase& c = GetParam();
    TMRUListLt list;
    for (const std::string& s : c.Items)
        list.Items()->Add(s);
    list.SetLimit(c.Limit);
    list.SetCaseSensitive(c.CaseSensitive);
    list.AddRecent(c.Added);
    EXPECT_EQ(ItemsOf(*list.Items()), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MRUAddRecent,
    ::testing::Values(TAddCase{"BlankIgnored", {"a"}, 100, false, "  ", {"a"}},
                      TAddCase{"EqualIgnoringCaseMoves", {"X", "y"}, 100, false, "x", {"y", "X"}},
                      TAddCase{"CaseSensitiveAppends", {"X", "y"}, 100, true, "x", {"X", "y", "x"}},
                      TAddCase{"CyrillicCaseIgnored", {"Привет", "b"}, 100, false, "пРИВЕТ", {"b", "Привет"}},
                      TAddCase{"LimitDropsTheOldest", {"a", "b"}, 2, false, "c", {"b", "c"}},
                      TAddCase{"KeptUntrimmed", {}, 100, false, " a ", {" a "}},
                      TAddCase{"NegativeLimitKeepsNothing", {"a"}, -5, false, "b", {}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(MRUList, LimitCutsTheOldestAndNeverGoesBelowZero)
{
    TMRUListLt list;
    for (const char* s : {"a", "b", "c", "d"})
        list.Items()->Add(s);
    list.SetLimit(2);
    EXPECT_EQ(ItemsOf(*list.Items()), (std::vector<std::string>{"c", "d"}));
    list.SetLimit(-1);
    EXPECT_EQ(list.Limit(), 0);
    EXPECT_EQ(list.Items()->Count(), 0);
}

TEST(MRUList, CollectsItemsStartingWithThePrefix)
{
    TMRUListLt list;
    for (const char* s : {"Lamp 1", "lamp 2", "Line", "la"})
        list.Items()->Add(s);
    TStringList target;
    target.Add("old");
    EXPECT_TRUE(list.CollectMatchingItems(&target, "LA"));
    EXPECT_EQ(ItemsOf(target), (std::vector<std::string>{"Lamp 1", "lamp 2", "la"}));

    list.SetCaseSensitive(true);
    list.CollectMatchingItems(&target, "la");
    EXPECT_EQ(ItemsOf(target), (std::vector<std::string>{"lamp 2", "la"}));

    list.SetOnFilterItem([](TObject*, const std::string& Item, bool& Accept) { Accept = Accept && Item != "la"; });
    list.CollectMatchingItems(&target, "la");
    EXPECT_EQ(ItemsOf(target), (std::vector<std::string>{"lamp 2"}));
}

TEST(MRUList, StopsCollectingWhenAKeyWaits)
{
    TMRUListLt list;
    for (int i = 0; i < 250; ++i)
        list.Items()->Add("item " + std::to_string(i));
    bool keyWaiting = true;
    list.SetKeyWaiting([&] { return keyWaiting; });
    TStringList target;
    EXPECT_FALSE(list.CollectMatchingItems(&target, "item"));
    EXPECT_EQ(target.Count(), 1) << "the keyboard is looked at after the first item";

    list.SetStopFilteringOnKey(false);
    EXPECT_TRUE(list.CollectMatchingItems(&target, "item"));
    EXPECT_EQ(target.Count(), 250);
}

TEST(MRUList, AssignCopiesTheSettingsAndItems)
{
    TMRUListLt source;
    source.Items()->Add("a");
    source.SetLimit(5);
    source.SetRows(3);
    source.SetCaseSensitive(true);
    source.SetActive(true);
    TMRUListLt copy;
    int activeChanges = 0;
    copy.SetOnActiveChanged([&](TObject*) { ++activeChanges; });
    copy.Assign(&source);
    EXPECT_TRUE(copy.Active());
    EXPECT_EQ(activeChanges, 1);
    EXPECT_EQ(copy.Limit(), 5);
    EXPECT_EQ(copy.Rows(), 3);
    EXPECT_TRUE(copy.CaseSensitive());
    EXPECT_EQ(ItemsOf(*copy.Items()), (std::vector<std::string>{"a"}));
}
} // namespace
