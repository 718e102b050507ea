// The grid engine under keyboard and mouse: cell moves, drag selection with
// its auto-scroll timer, sizing, moving, and the in-place editor.
#include <gtest/gtest.h>

#include <QTest>

#include <functional>
#include <map>
#include <stdexcept>
#include <string>

#include "dbgrid/engine/inplaceedit.h"
#include "platform/ui/keys.h"
#include "tests/dbgrid/engine/gridtesting.h"

namespace {
// A grid whose cells hold texts the editor reads and writes.
class TTextGrid : public TRecordingGrid {
public:
    using TRecordingGrid::TRecordingGrid;
    std::map<std::pair<int, int>, std::string> Texts;
    bool RefuseStore = false;
    std::function<void()> OnMouseUpHook;

    std::string GetEditText(int ACol, int ARow) override { return Texts[{ACol, ARow}]; }
    void SetEditText(int ACol, int ARow, const std::string& Value) override
    {
        if (RefuseStore)
            throw EInvalidGridOperationLt("refused");
        Texts[{ACol, ARow}] = Value;
    }

protected:
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        TRecordingGrid::MouseUp(Button, Shift, X, Y);
        if (OnMouseUpHook)
            OnMouseUpHook();
    }
};

struct TInputGrid {
    std::unique_ptr<TForm> Form;
    TTextGrid* Grid = nullptr;

    TInputGrid(int Cols = 6, int Rows = 6)
    {
        TestApplication();
        Form = std::make_unique<TForm>(nullptr);
        Grid = new TTextGrid(Form.get());
        Grid->SetBorderStyle(bsNone);
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 300, 200);
        Grid->SetColCount(Cols);
        Grid->SetRowCount(Rows);
        ShowForm(*Form, 320, 220);
        Grid->SetFocus();
        EXPECT_TRUE(WaitUntil([this] { return Grid->Focused(); }));
    }

    void Key(unsigned VirtualKey, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : Grid->Widget();
        QTest::keyClick(target, static_cast<Qt::Key>(QtKeyOf(VirtualKey)), Modifiers);
    }
    QPoint Centre(int Col, int Row) const
    {
        const TRect r = Grid->CellBounds(Col, Row);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
};
} // namespace

TEST(GridKeyboard, KeysMoveTheCurrentCell)
{
    struct TCase {
        const char* Name;
        TGridCoordLt Start;
        unsigned Key;
        Qt::KeyboardModifiers Modifiers;
        TGridCoordLt End;
    };
    const TCase cases[] = {
        {"tab", {2, 2}, VK_TAB, Qt::NoModifier, {3, 2}},
        {"tab wraps to the next row", {5, 2}, VK_TAB, Qt::NoModifier, {1, 3}},
        {"tab wraps from the last cell to the first", {5, 5}, VK_TAB, Qt::NoModifier, {1, 1}},
        {"shift+tab goes back a row", {1, 3}, VK_TAB, Qt::ShiftModifier, {5, 2}},
        {"ctrl+home", {4, 4}, VK_HOME, Qt::ControlModifier, {1, 1}},
        {"ctrl+end", {2, 2}, VK_END, Qt::ControlModifier, {5, 5}},
        {"home stays in the row", {4, 4}, VK_HOME, Qt::NoModifier, {1, 4}},
        {"end stays in the row", {2, 3}, VK_END, Qt::NoModifier, {5, 3}},
        {"left never reaches a fixed cell", {1, 3}, VK_LEFT, Qt::NoModifier, {1, 3}},
        {"up never reaches a fixed row", {2, 1}, VK_UP, Qt::NoModifier, {2, 1}},
        {"down", {2, 1}, VK_DOWN, Qt::NoModifier, {2, 2}},
        {"ctrl+pgup goes to the first shown row", {2, 4}, VK_PRIOR, Qt::ControlModifier, {2, 1}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TInputGrid f;
        f.Grid->SetOptions(f.Grid->Options() + TGridOptionsLt{goTabs});
        f.Grid->FocusCell(c.Start.X, c.Start.Y, true, true);
        f.Key(c.Key, c.Modifiers);
        EXPECT_EQ(f.Grid->Current(), c.End);
    }
}

TEST(GridKeyboard, TabSkipsColumnsWithoutTabStopAndShiftTabMovesTheAnchor)
{
    TInputGrid f;
    f.Grid->SetOptions(f.Grid->Options() + TGridOptionsLt{goTabs});
    f.Grid->SetTabStop(3, false);
    f.Grid->SetTabStop(4, false);
    f.Grid->FocusCell(2, 2, true, true);
    f.Key(VK_TAB);
    EXPECT_EQ(f.Grid->Current(), (TGridCoordLt{5, 2}));
    f.Key(VK_TAB, Qt::ShiftModifier);
    EXPECT_EQ(f.Grid->Current(), (TGridCoordLt{2, 2}));
    EXPECT_EQ(f.Grid->Anchor(), f.Grid->Current());
    // Shift with an arrow keeps the anchor: a range.
    f.Key(VK_DOWN, Qt::ShiftModifier);
    EXPECT_EQ(f.Grid->Selection(), (TGridRectLt{2, 2, 2, 3}));
}

TEST(GridKeyboard, WholeRowSelectionMovesByRows)
{
    TInputGrid f;
    f.Grid->SetOptions(f.Grid->Options() + TGridOptionsLt{goRowSelect});
    f.Grid->FocusCell(1, 3, true, true);
    f.Key(VK_END);
    EXPECT_EQ(f.Grid->Row(), 5);
    f.Key(VK_HOME);
    EXPECT_EQ(f.Grid->Row(), 1);
    f.Key(VK_RIGHT);
    EXPECT_EQ(f.Grid->Row(), 2);
    EXPECT_EQ(f.Grid->Anchor(), (TGridCoordLt{5, 2}));
}

TEST(GridKeyboard, FrozenCellsAreReachableContraCellsAreNot)
{
    TInputGrid f;
    f.Grid->SetFixedCols(2);
    f.Grid->SetFrozenCols(1);
    f.Grid->SetContraColCount(1);
    f.Grid->FocusCell(2, 2, true, true);
    f.Key(VK_LEFT);
    EXPECT_EQ(f.Grid->Col(), 1);
    f.Key(VK_LEFT);
    EXPECT_EQ(f.Grid->Col(), 1);
    f.Key(VK_END);
    EXPECT_EQ(f.Grid->Col(), 5);
    f.Key(VK_RIGHT);
    EXPECT_EQ(f.Grid->Col(), 5);
}

TEST(GridKeyboard, PageDownScrollsByAPage)
{
    TInputGrid f(6, 100);
    const int page = f.Grid->VertAxis().PageSize();
    f.Key(VK_NEXT);
    EXPECT_EQ(f.Grid->Row(), 1 + page);
    EXPECT_EQ(f.Grid->FirstShownRow(), 1 + page);
    f.Key(VK_PRIOR, Qt::ControlModifier);
    EXPECT_EQ(f.Grid->Row(), f.Grid->FirstShownRow());
}

TEST(GridKeyboard, MoveColumnRenumbersCurrentAnchorAndEditor)
{
    TInputGrid f;
    f.Grid->SetOptions(f.Grid->Options() + TGridOptionsLt{goEditing, goRangeSelect});
    f.Grid->FocusCell(3, 2, true, true);
    f.Grid->SetEditorMode(true);
    ASSERT_EQ(f.Grid->EditorPos(), (TGridCoordLt{3, 2}));
    f.Grid->MoveColumn(3, 1);
    EXPECT_EQ(f.Grid->Col(), 1);
    EXPECT_EQ(f.Grid->Anchor().X, 1);
    EXPECT_EQ(f.Grid->EditorPos().X, 1);
    f.Grid->MoveColumn(4, 1);
    EXPECT_EQ(f.Grid->Col(), 2);
    EXPECT_EQ(f.Grid->EditorPos().X, 2);
}

TEST(GridEditor, TypedLetterOpensTheEditorWithIt)
{
    TInputGrid f;
    f.Grid->SetOptions(f.Grid->Options() + TGridOptionsLt{goEditing});
    f.Grid->Texts[{1, 1}] = "old";
    QTest::keyClicks(f.Grid->Widget(), "x");
    ASSERT_NE(f.Grid->InplaceEditor(), nullptr);
    EXPECT_TRUE(f.Grid->EditorMode());
    EXPECT_TRUE(f.Grid->InplaceEditor()->Visible());
    EXPECT_EQ(f.Grid->InplaceEditor()->Text(), "x");
    EXPECT_EQ(f.Grid->InplaceEditor()->BoundsRect(), f.Grid->CellBounds(1, 1));
    // Moving on stores the text.
    f.Key(VK_DOWN);
    EXPECT_EQ((f.Grid->Texts[{1, 1}]), "x");
    EXPECT_EQ(f.Grid->Row(), 2);
}

TEST(GridEditor, HidingStoresTheTextAndResetsThePositionEvenWhenStoringFails)
{
    TInputGrid f;
    f.Grid->SetOptions(f.Grid->Options() + TGridOptionsLt{goEditing});
    f.Grid->SetEditorMode(true);
    ASSERT_TRUE(f.Grid->InplaceEditor()->Visible());
    f.Grid->InplaceEditor()->SetText("kept");
    f.Grid->HideEditor();
    EXPECT_EQ((f.Grid->Texts[{1, 1}]), "kept");
    EXPECT_EQ(f.Grid->EditorPos(), (TGridCoordLt{-1, -1}));

    f.Grid->SetEditorMode(true);
    f.Grid->RefuseStore = true;
    EXPECT_THROW(f.Grid->HideEditor(), EInvalidGridOperationLt);
    EXPECT_EQ(f.Grid->EditorPos(), (TGridCoordLt{-1, -1}));
    EXPECT_FALSE(f.Grid->InplaceEditor()->Visible());
}

TEST(GridEditor, RowsTakenFromUnderTheCurrentCellTakeItsEditorAlong)
{
    TInputGrid f(6, 10);
    TTextGrid& g = *f.Grid;
    g.SetOptions(g.Options() + TGridOptionsLt{goEditing, goRangeSelect});
    g.FocusCell(2, 8, true, true);
    g.SetEditorMode(true);
    ASSERT_TRUE(g.InplaceEditor()->Visible());
    g.InplaceEditor()->SetText("typed");
    g.SetRowCount(5);
    EXPECT_EQ(g.Row(), 4);
    EXPECT_EQ(g.Anchor(), (TGridCoordLt{2, 4}));
    // The editor stood on a row that is gone: it no longer shows there,
    // and its text goes to no cell.
    EXPECT_FALSE(g.InplaceEditor()->Visible());
    EXPECT_EQ((g.Texts[{2, 4}]), "");
    EXPECT_EQ((g.Texts[{2, 8}]), "");
}

TEST(GridEditor, EditorHandsMovingKeysToTheGrid)
{
    TInputGrid f;
    f.Grid->SetOptions(f.Grid->Options() + TGridOptionsLt{goEditing, goAlwaysShowEditor, goTabs});
    f.Grid->SetEditorMode(true);
    TInplaceEdit* editor = f.Grid->InplaceEditor();
    ASSERT_TRUE(WaitUntil([&] { return editor->Focused(); }));
    editor->SetText("abc");
    editor->SetSelStart(1);
    editor->SetSelLength(0);
    // Left inside the text moves the caret, at its start the cell.
    f.Key(VK_RIGHT);
    EXPECT_EQ(f.Grid->Col(), 1);
    EXPECT_EQ(editor->SelStart(), 2);
    f.Key(VK_DOWN);
    EXPECT_EQ(f.Grid->Row(), 2);
    f.Key(VK_TAB);
    EXPECT_EQ(f.Grid->Col(), 2);
    editor->SetSelStart(static_cast<int>(editor->Text().size()));
    f.Key(VK_RIGHT);
    EXPECT_EQ(f.Grid->Col(), 3);
}

TEST(GridMouse, DragSelectsAndAutoScrollsEverySixtyMilliseconds)
{
    TManualTimerClock clock;
    SetTimerClock(&clock);
    {
        TInputGrid f(30, 30);
        TTextGrid& g = *f.Grid;
        QWidget* w = g.Widget();
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, f.Centre(2, 2));
        EXPECT_EQ(g.GridState(), gsSelecting);
        QTest::mouseMove(w, f.Centre(3, 3));
        EXPECT_EQ(g.Selection(), (TGridRectLt{2, 2, 3, 3}));
        // Out of the grid to the right and below: one cell each way a tick.
        const TGridAxisLt h = g.HorzAxis(), v = g.VertAxis();
        QTest::mouseMove(w, QPoint(h.GridBoundary + 5, v.GridBoundary + 5));
        const TGridCoordLt before = g.Anchor();
        clock.Advance(59);
        EXPECT_EQ(g.Anchor(), before);
        clock.Advance(1);
        EXPECT_EQ(g.Anchor(), (TGridCoordLt{before.X + 1, before.Y + 1}));
        clock.Advance(120);
        EXPECT_EQ(g.Anchor(), (TGridCoordLt{before.X + 3, before.Y + 3}));
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(h.GridBoundary + 5, v.GridBoundary + 5));
        EXPECT_EQ(g.GridState(), gsNormal);
        const TGridCoordLt released = g.Anchor();
        clock.Advance(300);
        EXPECT_EQ(g.Anchor(), released);
    }
    SetTimerClock(nullptr);
}

TEST(GridMouse, ADragWithinFrozenCellsSelectsThemWithoutScrolling)
{
    TManualTimerClock clock;
    SetTimerClock(&clock);
    {
        TInputGrid f(8, 8);
        TTextGrid& g = *f.Grid;
        g.SetFixedCols(2);
        g.SetFrozenCols(1);
        g.SetFixedRows(2);
        g.SetFrozenRows(1);
        QWidget* w = g.Widget();
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, f.Centre(1, 2));
        QTest::mouseMove(w, f.Centre(1, 5));
        clock.Advance(300);
        EXPECT_EQ(g.Selection(), (TGridRectLt{1, 2, 1, 5}));
        QTest::mouseMove(w, f.Centre(3, 1));
        clock.Advance(300);
        EXPECT_EQ(g.Selection(), (TGridRectLt{1, 1, 3, 2}));
        // Left of the frozen cells the timer steps the anchor only as far
        // as they reach.
        QTest::mouseMove(w, f.Centre(0, 1));
        clock.Advance(300);
        EXPECT_EQ(g.Anchor(), (TGridCoordLt{1, 1}));
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, f.Centre(0, 1));
    }
    SetTimerClock(nullptr);
}

TEST(GridMouse, TimedScrollFollowsItsDirectionFlags)
{
    TInputGrid f(30, 30);
    TTextGrid& g = *f.Grid;
    g.FocusCell(5, 5, true, true);
    struct TCase {
        unsigned Flags;
        TGridCoordLt Anchor;
    };
    for (const TCase c : {TCase{1, {4, 5}}, {2, {6, 5}}, {4, {5, 4}}, {8, {5, 6}}, {1 | 4, {4, 4}}, {2 | 8, {6, 6}}}) {
        SCOPED_TRACE(c.Flags);
        g.FocusCell(5, 5, true, true);
        g.TimedScroll(c.Flags);
        EXPECT_EQ(g.Anchor(), c.Anchor);
    }
    // Never past the fixed cells.
    g.FocusCell(1, 1, true, true);
    g.TimedScroll(1 | 4);
    EXPECT_EQ(g.Anchor(), (TGridCoordLt{1, 1}));
}

TEST(GridMouse, SizingAColumnKeepsWidthsAboveOnePixel)
{
    TInputGrid f;
    TTextGrid& g = *f.Grid;
    g.SetOptions(g.Options() + TGridOptionsLt{goColSizing});
    QWidget* w = g.Widget();
    const TRect title = g.CellBounds(2, 0);
    const QPoint line(title.Right, title.Top + 5);
    QTest::mouseMove(w, line);
    EXPECT_EQ(g.Cursor(), crHSplit);
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, line);
    EXPECT_EQ(g.GridState(), gsColSizing);
    QTest::mouseMove(w, QPoint(title.Right + 20, title.Top + 5));
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(title.Right + 20, title.Top + 5));
    EXPECT_EQ(g.ColWidths(2), 84);
    // Down to a pixel: the width stays.
    const TRect again = g.CellBounds(2, 0);
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(again.Right, again.Top + 5));
    QTest::mouseMove(w, QPoint(again.Left + 1, again.Top + 5));
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(again.Left + 1, again.Top + 5));
    EXPECT_EQ(g.ColWidths(2), 84);
    EXPECT_EQ(g.GridState(), gsNormal);
}

TEST(GridMouse, DraggingATitleMovesTheColumn)
{
    TInputGrid f;
    TTextGrid& g = *f.Grid;
    g.SetOptions(g.Options() + TGridOptionsLt{goColMoving});
    g.FocusCell(1, 2, true, true);
    QWidget* w = g.Widget();
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, f.Centre(1, 0));
    EXPECT_EQ(g.GridState(), gsColMoving);
    QTest::mouseMove(w, f.Centre(3, 0));
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, f.Centre(3, 0));
    EXPECT_EQ(g.GridState(), gsNormal);
    EXPECT_EQ(g.Col(), 3);
}

TEST(GridMouse, MouseUpThatRaisesStillEndsTheOperation)
{
    TInputGrid f;
    TTextGrid& g = *f.Grid;
    g.OnMouseUpHook = [] { throw EInvalidGridOperationLt("from the handler"); };
    QWidget* w = g.Widget();
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, f.Centre(2, 2));
    ASSERT_EQ(g.GridState(), gsSelecting);
    std::string shown;
    TApplication::SetMessageBoxHook([&](const std::string& Text, const std::string&, unsigned) {
        shown = Text;
        return IDOK;
    });
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, f.Centre(2, 2));
    TApplication::SetMessageBoxHook(nullptr);
    EXPECT_NE(shown.find("from the handler"), std::string::npos);
    EXPECT_EQ(g.GridState(), gsNormal);
}

TEST(GridFocus, FocusingOutsideTheGridRaises)
{
    TestApplication();
    TRecordingGrid g(nullptr);
    EXPECT_THROW(g.FocusCell(5, 1, true, true), EInvalidGridOperationLt);
    EXPECT_THROW(g.FocusCell(1, -1, true, true), EInvalidGridOperationLt);
    EXPECT_EQ(g.Current(), (TGridCoordLt{1, 1}));
}
