// Dragging a grid's selected rows onto another control: with DragMode
// automatic and dgMultiSelect a press still selects, and only a press on a
// row already selected drags the grid once the mouse moves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/stdctrls.h"
#include "tests/dbgrid/core/dbgridinputtesting.h"

namespace {
// The grid with a panel beside it that takes what is dropped on it.
struct TDragGrid : TInputStepsGrid {
    TPanel* Target = nullptr;
    std::vector<std::string> Events;

    TDragGrid() : TInputStepsGrid(6)
    {
        Grid->SetOptions(Grid->Options() + TDBGridOptions{dgMultiSelect});
        Grid->SetDragMode(dmAutomatic);
        Target = new TPanel(Form.get());
        Target->SetParent(Form.get());
        Target->SetBounds(Grid->Width(), 0, 20, Grid->Height());
        Target->SetOnDragOver([this](TObject*, TObject* Source, int, int, TDragState State, bool& Accept) {
            Accept = Source == Grid;
            if (State == dsDragEnter)
                Events.push_back("enter");
        });
        Target->SetOnDragDrop([this](TObject*, TObject* Source, int X, int) {
            Events.push_back(Source == Grid ? "drop from grid" : "drop");
            EXPECT_GE(X, 0);
        });
        Grid->SetOnEndDrag([this](TObject*, TObject* To, int, int) {
            Events.push_back(To == Target ? "end on panel" : "end nowhere");
        });
    }

    QPoint Indicator(int Record) const { return Centre(0, Grid->TitleRowCount() + Record); }
    // A point over the panel, in the grid's pixels.
    QPoint OverTarget() const { return {Grid->Width() + 10, Grid->Height() / 2}; }
    int Marked() const { return Grid->Selection()->Rows()->BookmarkCount(); }
};
} // namespace

TEST(DBGridRowDrag, APressSelectsAndAPressOnASelectedRowDragsTheRows)
{
    TDragGrid f;
    QWidget* w = f.Grid->Widget();
    // A press on a row not selected selects it: no drag.
    f.Click(f.Indicator(1));
    f.Click(f.Indicator(2), Qt::ControlModifier);
    EXPECT_EQ(f.Marked(), 2);
    EXPECT_FALSE(f.Grid->Dragging());
    EXPECT_TRUE(f.Events.empty());

    // Pressed on a selected row, the grid is dragged once the mouse moves.
    QTest::mousePress(w, Qt::LeftButton, {}, f.Indicator(1));
    EXPECT_FALSE(f.Grid->Dragging());
    QTest::mouseMove(w, f.Indicator(1) + QPoint(0, 8));
    EXPECT_TRUE(f.Grid->Dragging());
    QTest::mouseMove(w, f.OverTarget());
    QTest::mouseRelease(w, Qt::LeftButton, {}, f.OverTarget());
    EXPECT_FALSE(f.Grid->Dragging());
    EXPECT_EQ(f.Events, (std::vector<std::string>{"enter", "drop from grid", "end on panel"}));
    // The rows dragged stay selected.
    EXPECT_EQ(f.Marked(), 2);

    // Released over the grid itself, which takes no drags: nothing dropped.
    f.Events.clear();
    QTest::mousePress(w, Qt::LeftButton, {}, f.Indicator(2));
    QTest::mouseMove(w, f.Indicator(4));
    QTest::mouseRelease(w, Qt::LeftButton, {}, f.Indicator(4));
    EXPECT_EQ(f.Events, (std::vector<std::string>{"end nowhere"}));
    EXPECT_EQ(f.Marked(), 2);

    // A click on a selected row without moving is a click: the selection goes.
    f.Click(f.Indicator(1));
    EXPECT_EQ(f.Marked(), 0);
    EXPECT_FALSE(f.Grid->Dragging());
}
