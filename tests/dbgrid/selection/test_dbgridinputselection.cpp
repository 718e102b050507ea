// The selection driven by the data grid's keys and mouse: Shift with the
// arrows and clicks, Ctrl-clicks on rows, clicks and drags on the bottom
// strip of titles that select columns (with their cursors), drags that
// scroll while the mouse is outside the data area, and deleting the marked
// records.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QCursor>
#include <QImage>
#include <QWidget>

#include "dbgrid/core/gridimageslt.h"
#include "platform/ui/application.h"
#include "platform/ui/repeattimer.h"
#include "tests/dbgrid/core/dbgridinputtesting.h"

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

    // A point in the bottom strip of a data column's title, and one in its
    // upper half.
    QPoint TitleStrip(int DataCol) const
    {
        const TRect r = Grid->CellBounds(Grid->DataToRawColumn(DataCol), 0);
        return {(r.Left + r.Right) / 2, r.Bottom - 2};
    }
    QPoint TitleTop(int DataCol) const
    {
        const TRect r = Grid->CellBounds(Grid->DataToRawColumn(DataCol), 0);
        return {(r.Left + r.Right) / 2, r.Top + 2};
    }
    // The indexes of the selected columns.
    std::vector<int> SelectedColumns() const
    {
        std::vector<int> indexes;
        for (const TColumnLt* column : *Selection()->ColumnList())
            indexes.push_back(column->Index());
        return indexes;
    }
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

TEST(DBGridInputSelection, ClicksOnTheBottomStripOfTitlesSelectColumns)
{
    TMultiSelectGrid f;
    f.Click(f.TitleStrip(0));
    EXPECT_EQ(f.Selection()->SelectionType(), gstColumns);
    EXPECT_EQ(f.SelectedColumns(), (std::vector<int>{0}));
    f.Click(f.TitleStrip(2), Qt::ShiftModifier);
    EXPECT_EQ(f.SelectedColumns(), (std::vector<int>{0, 1, 2}));
    f.Click(f.TitleStrip(1), Qt::ControlModifier);
    EXPECT_EQ(f.SelectedColumns(), (std::vector<int>{0, 2}));
    f.Click(f.TitleStrip(3), Qt::ControlModifier);
    EXPECT_EQ(f.SelectedColumns(), (std::vector<int>{0, 2, 3}));
    // Above the strip a title is a title: no column is selected there.
    f.Click(f.TitleTop(1));
    EXPECT_EQ(f.SelectedColumns(), (std::vector<int>{0, 2, 3}));
    // A plain click on the strip makes its column the only one.
    f.Click(f.TitleStrip(1));
    EXPECT_EQ(f.SelectedColumns(), (std::vector<int>{1}));

    // The selected column's title is painted dark, the others are not.
    const QImage image = f.Grid->Widget()->grab().toImage();
    const QPoint selected = f.TitleTop(1), plain = f.TitleTop(2);
    EXPECT_EQ(PixelColor(image, selected.x(), selected.y()), RGBColor(64, 64, 64));
    EXPECT_NE(PixelColor(image, plain.x(), plain.y()), RGBColor(64, 64, 64));

    struct TCase {
        const char* Name;
        TDBGridLtAllowedSelections Allowed;
        bool RowSelect;
    };
    for (const TCase& c : {TCase{"columns not allowed", {gstRecordBookmarks, gstRectangle, gstAll}, false},
                           TCase{"rows selected whole", {gstRecordBookmarks, gstColumns}, true}}) {
        TMultiSelectGrid g(5, c.Allowed);
        if (c.RowSelect)
            g.Grid->SetOptions(g.Grid->Options() + TDBGridOptions{dgRowSelect});
        g.Click(g.TitleStrip(1));
        EXPECT_EQ(g.Selection()->SelectionType(), gstNon) << c.Name;
    }
}

TEST(DBGridInputSelection, TheMouseOverTitleStripsAndIndicatorsShowsTheSelectionCursors)
{
    TMultiSelectGrid f;
    QWidget* w = f.Grid->Widget();
    struct TCase {
        const char* Where;
        QPoint At;
        TCursor Cursor;
    };
    const TCase cases[] = {
        {"title strip", f.TitleStrip(1), GridCursorNumber(gcDownLt)},
        {"title above the strip", f.TitleTop(1), crDefault},
        {"indicator of a data row", f.Centre(0, f.DataRow(1)), GridCursorNumber(gcRightLt)},
        {"data cell", f.Centre(f.Grid->DataToRawColumn(1), f.DataRow(1)), crDefault},
        {"title border", f.TitleBorder(f.Grid->DataToRawColumn(1)), crHSplit},
    };
    // On a window system the pointer's move arrives as an event later.
    const auto cursorBecomes = [&](TCursor Cursor) { return WaitUntil([&] { return f.Grid->Cursor() == Cursor; }); };
    for (const TCase& c : cases) {
        QTest::mouseMove(w, c.At);
        EXPECT_TRUE(cursorBecomes(c.Cursor)) << c.Where << ": " << f.Grid->Cursor();
    }
    // The window shows the grid's own picture of the cursor.
    QTest::mouseMove(w, f.TitleStrip(2));
    ASSERT_TRUE(cursorBecomes(GridCursorNumber(gcDownLt)));
    EXPECT_EQ(w->cursor().pixmap().toImage(), GridCursor(gcDownLt).pixmap().toImage());
    EXPECT_EQ(w->cursor().hotSpot(), GridCursor(gcDownLt).hotSpot());
    // Without multi-select the indicator selects no rows.
    f.Grid->SetOptions(f.Grid->Options() - TDBGridOptions{dgMultiSelect});
    QTest::mouseMove(w, f.Centre(0, f.DataRow(2)));
    EXPECT_TRUE(cursorBecomes(crDefault));
}

TEST(DBGridInputSelection, DraggingAlongTitleStripsSelectsTheColumnsPassedAndScrollsAtTheEdge)
{
    TManualTimerClock clock;
    SetTimerClock(&clock);
    {
        TMultiSelectGrid f;
        for (int i = 0; i < 4; ++i)
            f.Column(i)->SetWidth(110);
        QWidget* w = f.Grid->Widget();
        QTest::mousePress(w, Qt::LeftButton, {}, f.TitleStrip(0));
        QTest::mouseMove(w, f.TitleStrip(1));
        EXPECT_EQ(f.SelectedColumns(), (std::vector<int>{0, 1}));
        // Anywhere down the column counts; back towards the start unselects.
        QTest::mouseMove(w, f.Centre(f.Grid->DataToRawColumn(0), f.DataRow(2)));
        EXPECT_EQ(f.SelectedColumns(), (std::vector<int>{0}));

        // 10 pixels right of the shown columns: a column every
        // 200 - 10 * 10 = 100 ms after the first tick at 60 ms.
        ASSERT_LT(f.Grid->HorzAxis().LastShown, f.Grid->DataToRawColumn(3));
        const int right = f.Grid->HorzAxis().GridBoundary;
        QTest::mouseMove(w, QPoint(right + 9, f.TitleStrip(0).y()));
        const int first = f.Grid->HorzAxis().FirstShown;
        clock.Advance(59);
        EXPECT_EQ(f.Grid->HorzAxis().FirstShown, first);
        clock.Advance(1);
        EXPECT_EQ(f.Grid->HorzAxis().FirstShown, first + 1);
        clock.Advance(100);
        EXPECT_EQ(f.Grid->HorzAxis().FirstShown, first + 2);
        QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(right + 9, f.TitleStrip(0).y()));
        EXPECT_EQ(f.SelectedColumns(), (std::vector<int>{0, 1, 2, 3}));
        clock.Advance(500);
        EXPECT_EQ(f.Grid->HorzAxis().FirstShown, first + 2);
    }
    SetTimerClock(nullptr);
}
