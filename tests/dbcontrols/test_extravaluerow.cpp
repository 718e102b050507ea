#include <gtest/gtest.h>

#include "dbcontrols/extravaluerow.h"
#include "platform/ui/controls.h"
#include "popuptesting.h"

namespace {
struct TCellsCase {
    const char* Name;
    std::string Text;
    std::vector<std::string> Cells;
};

class SpecRowCells : public ::testing::TestWithParam<TCellsCase> {};

TEST_P(SpecRowCells, SplitsCellsText)
{
    EXPECT_EQ(SplitSpecRowCells(GetParam().Text), GetParam().Cells);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpecRowCells,
    ::testing::Values(TCellsCase{"Plain", "a;b", {"a", "b"}},
                      TCellsCase{"QuotedSemicolon", "a;\"b;c\";d", {"a", "b;c", "d"}},
                      TCellsCase{"DoubledQuote", "\"say \"\"hi\"\"\";x", {"say \"hi\"", "x"}},
                      TCellsCase{"ControlCharactersAround", "\r\n a\t;\r\nb", {" a", "b"}},
                      TCellsCase{"EmptyMiddleCell", "a;;b", {"a", "", "b"}},
                      TCellsCase{"TrailingSemicolon", "a;", {"a"}},
                      TCellsCase{"Cyrillic", "(нет);\"Все; любые\"", {"(нет)", "Все; любые"}},
                      TCellsCase{"Empty", "", {}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SpecRow, CellTextOutsideTheCellsIsEmpty)
{
    TSpecRowLt row;
    row.SetCellsText("a;b");
    EXPECT_EQ(row.CellTextAt(1), "b");
    EXPECT_EQ(row.CellTextAt(2), "");
    EXPECT_EQ(row.CellTextAt(-1), "");
}

TEST(SpecRow, HeldChangesAreToldOnceAtTheRelease)
{
    TSpecRowLt row;
    int changes = 0;
    row.SetOnChange([&](TObject*) { ++changes; });
    row.HoldChanges();
    row.SetVisible(true);
    row.SetCellsText("x");
    row.SetValue(Variant(5));
    EXPECT_EQ(changes, 0);
    row.ReleaseChanges();
    EXPECT_EQ(changes, 1);
    row.SetShortCut(0);
    EXPECT_EQ(changes, 2);
}

TEST(SpecRow, FontAndColourFollowTheOwnerUntilSet)
{
    TestApplication();
    TCustomControl owner(nullptr);
    owner.SetColor(clYellow);
    owner.Font()->SetSize(14);
    TSpecRowLt row(&owner);
    int changes = 0;
    row.SetOnChange([&](TObject*) { ++changes; });
    EXPECT_EQ(row.Color(), clYellow);
    owner.Font()->SetSize(11);
    EXPECT_EQ(row.Font()->Size(), 11);
    EXPECT_FALSE(row.FontAssigned());
    EXPECT_EQ(changes, 0) << "following the owner is no change";

    row.Font()->SetSize(20);
    row.SetColor(clRed);
    owner.Font()->SetSize(9);
    owner.SetColor(clBlue);
    EXPECT_EQ(row.Font()->Size(), 20);
    EXPECT_EQ(row.Color(), clRed);
    EXPECT_EQ(changes, 2);
}

TEST(SpecRow, DefaultsAndAssign)
{
    TSpecRowLt source;
    EXPECT_EQ(source.ShortCut(), 32814);
    EXPECT_TRUE(source.Value().IsNull());
    EXPECT_FALSE(source.Visible());
    EXPECT_TRUE(source.ShowIfNotInKeyList());
    source.SetCellsText("a;b");
    source.SetValue(Variant(7));
    source.SetVisible(true);
    source.SetColor(clLime);
    TSpecRowLt copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.CellTextAt(1), "b");
    EXPECT_EQ(copy.Value().AsInteger(), 7);
    EXPECT_TRUE(copy.Visible());
    EXPECT_EQ(copy.Color(), clLime);
    EXPECT_FALSE(copy.FontAssigned()) << "an unassigned font is not copied";
}
} // namespace
