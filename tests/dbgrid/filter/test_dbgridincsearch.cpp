// Incremental search in the data grid: typed characters find the record
// whose text in the current column begins with them, Ctrl+Enter steps to
// the next match, and the search ends on its time-out or on Esc.
#include <gtest/gtest.h>

#include "platform/ui/repeattimer.h"
#include "tests/dbgrid/core/dbgridinputtesting.h"

namespace {
// Names whose beginnings the search tells apart.
struct TSearchGrid : TInputStepsGrid {
    TSearchGrid() : TInputStepsGrid(0)
    {
        const char* const names[] = {"Alpha", "Beta", "Birch", "Gamma", "Bison"};
        int id = 1;
        for (const char* name : names)
            AddRow(id++, 100, name, "0");
        Table->First();
        Grid->SetOptionsLt(Grid->OptionsLt() + TDBGridLtOptions{dghIncSearch});
        // A column that cannot be edited takes typed characters as a search.
        Column(2)->SetReadOnly(true);
        Grid->SetSelectedIndex(2);
    }
};

class DBGridIncSearch : public ::testing::Test {
protected:
    void SetUp() override { SetTimerClock(&Clock); }
    void TearDown() override { SetTimerClock(nullptr); }
    TManualTimerClock Clock;
};
} // namespace

TEST_F(DBGridIncSearch, TypedCharactersFindTheRecordThatBeginsWithThem)
{
    TSearchGrid f;
    f.Type("b");
    EXPECT_TRUE(f.Grid->InplaceSearching());
    EXPECT_EQ(f.CurrentName(), "Beta");
    // The search text takes the found record's own letters.
    EXPECT_EQ(f.Grid->InplaceSearchText(), "B");
    f.Type("i");
    EXPECT_EQ(f.CurrentName(), "Birch");
    EXPECT_EQ(f.Grid->InplaceSearchText(), "Bi");
    // A character that matches nothing further on is dropped.
    f.Type("q");
    EXPECT_EQ(f.CurrentName(), "Birch");
    EXPECT_EQ(f.Grid->InplaceSearchText(), "Bi");

    f.Key(VK_RETURN, Qt::ControlModifier);
    EXPECT_EQ(f.CurrentName(), "Bison");
    f.Key(VK_RETURN, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(f.CurrentName(), "Birch");
    f.Key(VK_BACK);
    EXPECT_EQ(f.Grid->InplaceSearchText(), "B");
    EXPECT_EQ(f.CurrentName(), "Birch");
}

TEST_F(DBGridIncSearch, TheSearchEndsOnItsTimeOutOrOnEsc)
{
    TSearchGrid f;
    f.Type("g");
    EXPECT_EQ(f.CurrentName(), "Gamma");
    Clock.Advance(TCustomDBGridLt::kInplaceSearchTimeOut - 1);
    f.Type("a");
    EXPECT_EQ(f.Grid->InplaceSearchText(), "Ga");
    // Each step starts the time-out again.
    Clock.Advance(TCustomDBGridLt::kInplaceSearchTimeOut - 1);
    EXPECT_TRUE(f.Grid->InplaceSearching());
    Clock.Advance(1);
    EXPECT_FALSE(f.Grid->InplaceSearching());
    EXPECT_EQ(f.Grid->InplaceSearchText(), "");

    // Ctrl+F searches without a time-out; Esc ends it.
    f.Key('F', Qt::ControlModifier);
    EXPECT_TRUE(f.Grid->InplaceSearching());
    // The search looks from the current record on.
    f.Type("a");
    EXPECT_EQ(f.CurrentName(), "Gamma");
    f.Type("b");
    EXPECT_EQ(f.CurrentName(), "Bison");
    Clock.Advance(10 * TCustomDBGridLt::kInplaceSearchTimeOut);
    EXPECT_TRUE(f.Grid->InplaceSearching());
    f.Key(VK_ESCAPE);
    EXPECT_FALSE(f.Grid->InplaceSearching());
}

TEST_F(DBGridIncSearch, AnEditableColumnTakesTheCharactersIntoItsEditor)
{
    TSearchGrid f;
    f.Grid->SetSelectedIndex(1);
    f.Type("7");
    EXPECT_FALSE(f.Grid->InplaceSearching());
    ASSERT_NE(f.Grid->InplaceEditor(), nullptr);
    EXPECT_TRUE(f.Grid->InplaceEditor()->Visible());

    // Preferring the search while no editor is shown: the first Esc takes
    // the typed text back, the second cancels the record's edit.
    f.Key(VK_ESCAPE);
    f.Key(VK_ESCAPE);
    f.Grid->SetOptionsLt(f.Grid->OptionsLt() + TDBGridLtOptions{dghPreferIncSearch});
    f.Grid->SetSelectedIndex(0);
    f.Type("4");
    EXPECT_TRUE(f.Grid->InplaceSearching());
    EXPECT_EQ(f.CurrentName(), "Gamma");
}
