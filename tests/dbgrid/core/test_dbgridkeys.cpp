// The data grid under the keyboard: moving through the records, appending
// and cancelling an appended record, deleting with and without the
// confirmation, and the columns a key reaches.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"
#include "tests/dbgrid/core/dbgridinputtesting.h"

TEST(DBGridKeys, DownOnTheLastRecordAppendsOnlyWhenAllowed)
{
    struct TCase {
        const char* Name;
        TDBGridLtAllowedOperations Operations;
        bool ReadOnly;
        bool Editing;
        bool Appends;
    };
    const TCase cases[] = {
        {"all operations", {alopInsertLt, alopUpdateLt, alopDeleteLt, alopAppendLt}, false, true, true},
        {"update only, as the program's grids", {alopUpdateLt}, false, true, false},
        {"append but read-only grid", {alopAppendLt}, true, true, false},
        {"append without dgEditing", {alopAppendLt}, false, false, false},
    };
    for (const TCase& c : cases) {
        TInputStepsGrid f;
        f.Grid->SetAllowedOperations(c.Operations);
        f.Grid->SetReadOnly(c.ReadOnly);
        if (!c.Editing)
            f.Grid->SetOptions(f.Grid->Options() - TDBGridOptions{dgEditing});
        f.Key(VK_DOWN);
        EXPECT_EQ(f.Table->RecNo(), 2) << c.Name;
        f.Table->Last();
        f.Key(VK_DOWN);
        EXPECT_EQ(f.Table->State(), c.Appends ? dsInsert : dsBrowse) << c.Name;
        if (!c.Appends) {
            EXPECT_EQ(f.Table->RecNo(), 5) << c.Name;
        }
    }
}

TEST(DBGridKeys, UpOnAnUnchangedAppendedRecordCancelsIt)
{
    TInputStepsGrid f;
    f.Table->Last();
    f.Key(VK_DOWN);
    ASSERT_EQ(f.Table->State(), dsInsert);
    // A second Down on the unchanged new record neither posts it nor
    // appends another.
    f.Key(VK_DOWN);
    EXPECT_EQ(f.Table->State(), dsInsert);
    f.Key(VK_UP);
    EXPECT_EQ(f.Table->State(), dsBrowse);
    EXPECT_EQ(f.Table->RecordCount(), 5);
    EXPECT_EQ(f.CurrentName(), "Схема 5");

    // A changed one is kept: Up posts it and moves on.
    f.Key(VK_DOWN);
    f.Fid->SetAsInteger(6);
    f.Key(VK_UP);
    EXPECT_EQ(f.Table->State(), dsBrowse);
    EXPECT_EQ(f.Table->RecordCount(), 6);
}

TEST(DBGridKeys, CtrlDeleteAsksWhenConfirmationIsOn)
{
    struct TCase {
        const char* Name;
        bool Confirm;
        int Answer;   // what the message box returns
        int RecordsLeft;
        std::vector<std::string> Asked;
    };
    const TCase cases[] = {
        {"confirmed", true, IDOK, 4, {"Delete record?"}},
        {"cancelled", true, IDCANCEL, 5, {"Delete record?"}},
        {"without confirmation", false, IDCANCEL, 4, {}},
    };
    for (const TCase& c : cases) {
        TInputStepsGrid f;
        if (!c.Confirm)
            f.Grid->SetOptions(f.Grid->Options() - TDBGridOptions{dgConfirmDelete});
        std::vector<std::string> asked;
        TApplication::SetMessageBoxHook([&](const std::string& Text, const std::string&, unsigned) {
            asked.push_back(Text);
            return c.Answer;
        });
        f.Key(VK_DOWN);
        f.Key(VK_DELETE, Qt::ControlModifier);
        TApplication::SetMessageBoxHook(nullptr);
        EXPECT_EQ(f.Table->RecordCount(), c.RecordsLeft) << c.Name;
        EXPECT_EQ(asked, c.Asked) << c.Name;
        if (c.RecordsLeft == 4) {
            EXPECT_NE(f.CurrentName(), "Схема 2") << c.Name;
        }
    }
}

TEST(DBGridKeys, CtrlDeleteIsRefusedSilentlyWhenTheGridMayNotDelete)
{
    TInputStepsGrid f;
    f.Grid->SetAllowedOperations({alopUpdateLt});
    int asked = 0;
    TApplication::SetMessageBoxHook([&](const std::string&, const std::string&, unsigned) {
        ++asked;
        return IDOK;
    });
    f.Key(VK_DELETE, Qt::ControlModifier);
    f.Grid->SetAllowedOperations({alopDeleteLt});
    f.Grid->SetReadOnly(true);
    f.Key(VK_DELETE, Qt::ControlModifier);
    TApplication::SetMessageBoxHook(nullptr);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(f.Table->RecordCount(), 5);
}

TEST(DBGridKeys, KeysMoveThroughRecordsAndColumns)
{
    TInputStepsGrid f(30);
    const int first = f.Grid->IndicatorOffset();
    f.Key(VK_END, Qt::ControlModifier);
    EXPECT_EQ(f.Table->RecNo(), 30);
    f.Key(VK_HOME, Qt::ControlModifier);
    EXPECT_EQ(f.Table->RecNo(), 1);
    f.Key(VK_NEXT);
    EXPECT_EQ(f.Table->RecNo(), 1 + f.Grid->DataLink()->BufferCount());
    f.Key(VK_PRIOR);
    EXPECT_EQ(f.Table->RecNo(), 1);
    f.Key(VK_END);
    EXPECT_EQ(f.Grid->Col(), f.Grid->ColCount() - 1);
    f.Key(VK_HOME);
    EXPECT_EQ(f.Grid->Col(), first);

    // A hidden column is passed over in the direction of travel.
    f.Column(1)->SetVisible(false);
    f.Key(VK_RIGHT);
    EXPECT_EQ(f.Grid->Col(), first + 2);
    f.Key(VK_LEFT);
    EXPECT_EQ(f.Grid->Col(), first);

    // Tab wraps from the last column to the next record's first one.
    f.Key(VK_END);
    f.Key(VK_TAB);
    EXPECT_EQ(f.Table->RecNo(), 2);
    EXPECT_EQ(f.Grid->Col(), first);
    f.Key(VK_TAB, Qt::ShiftModifier);
    EXPECT_EQ(f.Table->RecNo(), 1);
    EXPECT_EQ(f.Grid->Col(), f.Grid->ColCount() - 1);
}

TEST(DBGridKeys, ColumnEventsComeAroundAColumnMove)
{
    TInputStepsGrid f;
    std::vector<std::string> events;
    f.Grid->SetOnColExit([&](TObject*) { events.push_back("exit " + std::to_string(f.Grid->SelectedIndex())); });
    f.Grid->SetOnColEnter([&](TObject*) { events.push_back("enter " + std::to_string(f.Grid->SelectedIndex())); });
    f.Key(VK_RIGHT);
    EXPECT_EQ(events, (std::vector<std::string>{"exit 0", "enter 1"}));

    // An exit handler that moves elsewhere has the last word.
    events.clear();
    bool redirect = true;
    f.Grid->SetOnColExit([&](TObject*) {
        if (std::exchange(redirect, false))
            f.Grid->SetSelectedIndex(3);
    });
    f.Key(VK_LEFT);
    EXPECT_EQ(f.Grid->SelectedIndex(), 3);
    EXPECT_EQ(events, (std::vector<std::string>{"enter 3"}));
}

TEST(DBGridKeys, SpaceAndDeleteInACheckBoxColumn)
{
    TInputStepsGrid f;
    f.Column(3)->KeyList()->SetText("1\n0");
    f.Column(3)->SetCheckboxes(true);
    f.Grid->SetSelectedIndex(3);
    ASSERT_EQ(f.Channel->AsString(), "1");
    f.Key(VK_SPACE);
    EXPECT_EQ(f.Channel->AsString(), "0");
    f.Key(VK_SPACE);
    EXPECT_EQ(f.Channel->AsString(), "1");
    f.Key(VK_DELETE);
    EXPECT_TRUE(f.Channel->IsNull());
}

TEST(DBGridKeys, CtrlQuoteCopiesTheValueOfTheRecordAbove)
{
    TInputStepsGrid f;
    f.Grid->SetSelectedIndex(1);
    f.Key(VK_DOWN);
    f.Key(VK_DOWN);
    QTest::keyClick(f.KeyTarget(), Qt::Key_Apostrophe, Qt::ControlModifier);
    EXPECT_EQ(f.Delay->AsInteger(), 200);
    EXPECT_EQ(f.Table->RecNo(), 3);
    EXPECT_EQ(f.Table->State(), dsEdit);
}

// Footer rows and a horizontal scroll bar take room from the data rows: a
// page is what shows, so paging down from the first record shows every
// record on the way.
TEST(DBGridKeys, PageDownShowsEveryRecord)
{
    struct TCase {
        const char* Name;
        int FooterRows;
        int Width;   // a narrow grid gets a horizontal bar
    };
    const std::vector<TCase> cases{
        {"plain", 0, 300}, {"3 footer rows", 3, 300}, {"horizontal bar", 0, 120}, {"both", 3, 120}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TInputStepsGrid f(100);
        f.Grid->SetFooterRowCount(c.FooterRows);
        f.Grid->SetWidth(c.Width);
        ASSERT_EQ(f.Grid->HorzScrollBarControl()->Visible(), c.Width < 300);
        const TGridAxisLt axis = f.Grid->VertAxis();
        EXPECT_EQ(f.Grid->DataLink()->BufferCount(), axis.LastFullShown - axis.FirstShown + 1)
            << "the buffer holds the rows shown whole";
        std::set<int> shown;
        const auto collectShown = [&] {
            const TGridAxisLt rows = f.Grid->VertAxis();
            const int first = f.Grid->DataLink()->FirstRecord();
            for (int row = rows.FirstShown; row <= rows.LastFullShown; ++row)
                shown.insert(f.Table->GetFieldValueAt(*f.Fid, first + row - rows.FixedCount).AsInteger());
        };
        collectShown();
        for (int page = 0; page < 100 && !f.Table->Eof(); ++page) {
            f.Key(VK_NEXT);
            collectShown();
        }
        std::vector<int> missing;
        for (int id = 1; id <= 100; ++id)
            if (!shown.count(id))
                missing.push_back(id);
        EXPECT_EQ(missing, std::vector<int>{});
    }
}
