// The selection driven by the data grid's keys and mouse: Shift with the
// arrows and clicks, Ctrl-clicks on rows, drags that scroll while the mouse
// is outside the data area, and deleting the marked records.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/repeattimer.h"
#include "tests/dbgrid/dbgridinputtesting.h"

namespace {
struct TMultiSelectGrid : TInputStepsGrid {
    explicit TMultiSelectGrid(int Rows = 5, TDBGridLtAllowedSelections Allowed = {gstRecordBookmarks, gstRectangle,
                                                                                   gstColumns, gstAll})
        : TInputStepsGrid(Rows)
    {
        Grid->SetOptions(Grid->Options() + TDBGridOptions{dgMultiSelect});
        Grid->SetAllowedSelections(Allowed);
    }

    TDBGridLtSelection* Selection() const { return Grid->Selection(); }
    // The FID values of the marked records, in bookmark order.
    std::vector<int> MarkedIds() const
    {
        std::vector<int> ids;
        const std::string saved = Table->Bookmark();
        TBookmarkListLt* rows = Selection()->Rows();
        for (int i = 0; i < rows->BookmarkCount(); ++i) {
            Table->GotoBookmark(rows->BookmarkAt(i));
            ids.push_back(Fid->AsInteger());
        }
        Table->GotoBookmark(saved);
        return ids;
    }
    int IdAt(const std::string& Bookmark) const
    {
        const std::string saved = Table->Bookmark();
        Table->GotoBookmark(Bookmark);
        const int id = Fid->AsInteger();
        Table->GotoBookmark(saved);
        return id;
    }
    int DataRow(int Record) const { return Grid->TitleRowCount() + Record; }
};
} // namespace

TEST(DBGridInputSelection, ShiftArrowsExtendARectangleOfCells)
{
    TMultiSelectGrid f;
    f.Grid->SetSelectedIndex(1);
    f.Key(VK_DOWN, Qt::ShiftModifier);
    f.Key(VK_DOWN, Qt::ShiftModifier);
    f.Key(VK_RIGHT, Qt::ShiftModifier);
    ASSERT_EQ(f.Selection()->SelectionType(), gstRectangle);
    TDBGridLtSelectionRect* rect = f.Selection()->Rect();
    EXPECT_EQ(f.IdAt(rect->TopRow()), 1);
    EXPECT_EQ(f.IdAt(rect->BottomRow()), 3);
    EXPECT_EQ(rect->LeftCol(), 1);
    EXPECT_EQ(rect->RightCol(), 2);
    // Shift+Up pulls the rectangle back.
    f.Key(VK_UP, Qt::ShiftModifier);
    EXPECT_EQ(f.IdAt(f.Selection()->Rect()->BottomRow()), 2);
    // A plain move clears it.
    f.Key(VK_DOWN);
    EXPECT_EQ(f.Selection()->SelectionType(), gstNon);
}

TEST(DBGridInputSelection, ShiftArrowsMarkRowsWhenRectanglesAreNotAllowed)
{
    TMultiSelectGrid f(5, {gstRecordBookmarks, gstAll});
    f.Key(VK_DOWN);
    f.Key(VK_DOWN, Qt::ShiftModifier);
    f.Key(VK_DOWN, Qt::ShiftModifier);
    EXPECT_EQ(f.Selection()->SelectionType(), gstRecordBookmarks);
    EXPECT_EQ(f.MarkedIds(), (std::vector<int>{2, 3, 4}));
    // Back towards the anchor the rows left are unmarked; past it they are
    // marked again.
    f.Key(VK_UP, Qt::ShiftModifier);
    EXPECT_EQ(f.MarkedIds(), (std::vector<int>{2, 3}));
    f.Key(VK_UP, Qt::ShiftModifier);
    f.Key(VK_UP, Qt::ShiftModifier);
    EXPECT_EQ(f.MarkedIds(), (std::vector<int>{1, 2}));
}

TEST(DBGridInputSelection, ShiftClicksExtendFromTheClickedCell)
{
    TMultiSelectGrid f;
    const int left = f.Grid->DataToRawColumn(0);
    f.Click(f.Centre(left, f.DataRow(1)));
    EXPECT_EQ(f.Selection()->SelectionType(), gstNon);
    f.Click(f.Centre(left + 2, f.DataRow(3)), Qt::ShiftModifier);
    ASSERT_EQ(f.Selection()->SelectionType(), gstRectangle);
    EXPECT_EQ(f.IdAt(f.Selection()->Rect()->TopRow()), 2);
    EXPECT_EQ(f.IdAt(f.Selection()->Rect()->BottomRow()), 4);
    EXPECT_EQ(f.Selection()->Rect()->RightCol(), 2);

    // In the indicator the clicks mark rows: Shift from the current row,
    // Ctrl one more.
    f.Click(f.Centre(0, f.DataRow(0)));
    EXPECT_EQ(f.MarkedIds(), (std::vector<int>{1}));
    f.Click(f.Centre(0, f.DataRow(2)), Qt::ShiftModifier);
    EXPECT_EQ(f.MarkedIds(), (std::vector<int>{1, 2, 3}));
    f.Click(f.Centre(0, f.DataRow(4)), Qt::ControlModifier);
    EXPECT_EQ(f.MarkedIds(), (std::vector<int>{1, 2, 3, 5}));
    // Ctrl-click on a marked row in the indicator unmarks it alone.
    f.Click(f.Centre(0, f.DataRow(1)), Qt::ControlModifier);
    EXPECT_EQ(f.MarkedIds(), (std::vector<int>{1, 3, 5}));
    // A plain click on a marked row clears the marks.
    f.Click(f.Centre(0, f.DataRow(2)));
    EXPECT_EQ(f.Selection()->SelectionType(), gstNon);
}

TEST(DBGridInputSelection, CtrlDeleteDeletesTheMarkedRecordsAfterOneQuestion)
{
    TMultiSelectGrid f;
    f.Click(f.Centre(0, f.DataRow(1)));
    f.Click(f.Centre(0, f.DataRow(3)), Qt::ControlModifier);
    std::vector<std::string> asked;
    TApplication::SetMessageBoxHook([&](const std::string& Text, const std::string&, unsigned) {
        asked.push_back(Text);
        return IDOK;
    });
    f.Key(VK_DELETE, Qt::ControlModifier);
    TApplication::SetMessageBoxHook(nullptr);
    EXPECT_EQ(asked, (std::vector<std::string>{"Delete all selected records?"}));
    EXPECT_EQ(f.Table->RecordCount(), 3);
    f.Table->First();
    std::vector<int> left;
    for (; !f.Table->Eof(); f.Table->Next())
        left.push_back(f.Fid->AsInteger());
    EXPECT_EQ(left, (std::vector<int>{1, 3, 5}));
}

TEST(DBGridInputSelection, ADragBelowTheDataAreaScrollsFasterTheFurtherOutItIs)
{
    TManualTimerClock clock;
    SetTimerClock(&clock);
    {
        TMultiSelectGrid f(60);
        QWidget* w = f.Grid->Widget();
        const int raw = f.Grid->DataToRawColumn(1);
        QTest::mousePress(w, Qt::LeftButton, {}, f.Centre(raw, f.DataRow(0)));
        const int bottom = f.Grid->VertAxis().GridBoundary;
        const int x = f.Centre(raw, f.DataRow(0)).x();

        // 6 pixels out: one record a tick, every 200 - 15 * 6 = 110 ms after
        // the first tick at 60 ms.
        QTest::mouseMove(w, QPoint(x, bottom + 5));
        const int start = f.Table->RecNo();
        clock.Advance(59);
        EXPECT_EQ(f.Table->RecNo(), start);
        clock.Advance(1);
        EXPECT_EQ(f.Table->RecNo(), start + 1);
        clock.Advance(109);
        EXPECT_EQ(f.Table->RecNo(), start + 1);
        clock.Advance(1);
        EXPECT_EQ(f.Table->RecNo(), start + 2);

        // 12 pixels out: two records every 20 ms.
        QTest::mouseMove(w, QPoint(x, bottom + 11));
        clock.Advance(110);
        const int now = f.Table->RecNo();
        EXPECT_EQ(now, start + 4);
        clock.Advance(20);
        EXPECT_EQ(f.Table->RecNo(), now + 2);

        // Back inside the timer stops.
        QTest::mouseMove(w, f.Centre(raw, f.DataRow(2)));
        const int inside = f.Table->RecNo();
        clock.Advance(500);
        EXPECT_EQ(f.Table->RecNo(), inside);
        QTest::mouseRelease(w, Qt::LeftButton, {}, f.Centre(raw, f.DataRow(2)));

        // The rectangle reaches from the pressed cell to the last one passed.
        ASSERT_EQ(f.Selection()->SelectionType(), gstRectangle);
        EXPECT_EQ(f.IdAt(f.Selection()->Rect()->TopRow()), 1);
        EXPECT_EQ(f.IdAt(f.Selection()->Rect()->BottomRow()), f.Table->RecNo());
    }
    SetTimerClock(nullptr);
}

TEST(DBGridInputSelection, ADragDownAFrozenColumnSelectsItsCells)
{
    TManualTimerClock clock;
    SetTimerClock(&clock);
    {
        TMultiSelectGrid f(8);
        f.Grid->SetFrozenCols(1);
        QWidget* w = f.Grid->Widget();
        const int frozen = f.Grid->DataToRawColumn(0);
        ASSERT_LT(frozen, f.Grid->FixedCols());
        QTest::mousePress(w, Qt::LeftButton, {}, f.Centre(frozen, f.DataRow(1)));
        for (const int record : {2, 3, 4}) {
            QTest::mouseMove(w, f.Centre(frozen, f.DataRow(record)));
            clock.Advance(200);   // no auto-scroll while the mouse is over cells
        }
        QTest::mouseRelease(w, Qt::LeftButton, {}, f.Centre(frozen, f.DataRow(4)));
        ASSERT_EQ(f.Selection()->SelectionType(), gstRectangle);
        TDBGridLtSelectionRect* rect = f.Selection()->Rect();
        EXPECT_EQ(f.IdAt(rect->TopRow()), 2);
        EXPECT_EQ(f.IdAt(rect->BottomRow()), 5);
        EXPECT_EQ(rect->LeftCol(), 0);
        EXPECT_EQ(rect->RightCol(), 0);
        EXPECT_EQ(f.Fid->AsInteger(), 5);
        EXPECT_EQ(f.Grid->Col(), frozen);

        // Over the indicator, left of the frozen column, the drag keeps to it.
        QTest::mousePress(w, Qt::LeftButton, {}, f.Centre(frozen + 1, f.DataRow(1)));
        QTest::mouseMove(w, f.Centre(0, f.DataRow(3)));
        clock.Advance(200);
        QTest::mouseRelease(w, Qt::LeftButton, {}, f.Centre(0, f.DataRow(3)));
        EXPECT_EQ(f.Selection()->Rect()->LeftCol(), 0);
        EXPECT_EQ(f.Selection()->Rect()->RightCol(), 1);
    }
    SetTimerClock(nullptr);
}

TEST(DBGridInputSelection, SelectAllByCtrlAOrTheIndicatorTitle)
{
    TMultiSelectGrid f;
    // Ctrl+A needs its edit action.
    f.Key('A', Qt::ControlModifier);
    EXPECT_EQ(f.Selection()->SelectionType(), gstNon);
    f.Grid->SetEditActions({geaSelectAllLt});
    f.Key('A', Qt::ControlModifier);
    EXPECT_EQ(f.Selection()->SelectionType(), gstAll);
    // The indicator's title clears a selection, then selects all.
    f.Click(f.Centre(0, 0));
    EXPECT_EQ(f.Selection()->SelectionType(), gstNon);
    f.Click(f.Centre(0, 0));
    EXPECT_EQ(f.Selection()->SelectionType(), gstAll);
    f.Grid->SetAllowedSelections({gstRecordBookmarks});
    f.Click(f.Centre(0, 0));
    EXPECT_EQ(f.Selection()->SelectionType(), gstNon);
}

TEST(DBGridInputSelection, FittingAColumnWidthFitsTheSelectedColumnsToo)
{
    TMultiSelectGrid f;
    f.Grid->SetOptionsLt(f.Grid->OptionsLt() + TDBGridLtOptions{dghDblClickOptimizeColWidth});
    f.Selection()->ColumnList()->SelectColumn(f.Column(0), false);
    for (int i = 0; i < 3; ++i)
        f.Column(i)->SetWidth(80);
    QTest::mouseDClick(f.Grid->Widget(), Qt::LeftButton, {}, f.TitleBorder(f.Grid->DataToRawColumn(2)));
    EXPECT_LT(f.Column(0)->Width(), 80);
    EXPECT_EQ(f.Column(1)->Width(), 80);
    EXPECT_LT(f.Column(2)->Width(), 80);
}
