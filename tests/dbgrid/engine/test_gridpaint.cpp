// Painting: the order of the regions, the flags each cell gets, the
// highlight of the selection, and the colours of the lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "dbgrid/engine/inplaceedit.h"
#include "tests/dbgrid/engine/gridtesting.h"

namespace {
using TCells = std::vector<std::pair<int, int>>;

TCells Order(const std::vector<TDrawnCell>& Drawn)
{
    TCells cells;
    for (const TDrawnCell& d : Drawn)
        cells.emplace_back(d.Col, d.Row);
    return cells;
}

const TDrawnCell* Find(const std::vector<TDrawnCell>& Drawn, int Col, int Row)
{
    const auto it = std::find_if(Drawn.begin(), Drawn.end(), [&](const TDrawnCell& d) {
        return d.Col == Col && d.Row == Row;
    });
    return it == Drawn.end() ? nullptr : &*it;
}

// A shown, focused grid of Cols x Rows cells that all fit.
struct TFocusedGrid : TGridOnForm {
    TFocusedGrid(int Cols, int Rows) : TGridOnForm(400, 300)
    {
        Grid->SetScrollBars(ssNone);
        Grid->SetColCount(Cols);
        Grid->SetRowCount(Rows);
        Grid->SetFocus();
        EXPECT_TRUE(WaitUntil([this] { return Grid->Focused(); }));
    }
};
} // namespace

TEST(GridPaint, RegionsArePaintedInOrderWithTheirFlags)
{
    TFocusedGrid f(4, 4);
    TRecordingGrid& g = *f.Grid;
    g.SetFixedCols(2);
    g.SetFixedRows(2);
    g.SetFrozenCols(1);
    g.SetFrozenRows(1);
    const auto drawn = g.PaintNow();
    const TCells expected{{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0}, {3, 0}, {2, 1}, {3, 1},
                          {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 2}, {3, 2}, {2, 3}, {3, 3}};
    EXPECT_EQ(Order(drawn), expected);
    for (const TDrawnCell& d : drawn) {
        SCOPED_TRACE(std::to_string(d.Col) + "," + std::to_string(d.Row));
        EXPECT_EQ(d.State.Contains(gdFixed), d.Col == 0 || d.Row == 0);
        const bool current = d.Col == 2 && d.Row == 2;
        EXPECT_EQ(d.State.Contains(gdFocused), current);
        EXPECT_EQ(d.State.Contains(gdSelected), current);
    }
    // Frozen cells are focusable data cells.
    g.FocusCell(1, 1, true, true);
    EXPECT_TRUE(Find(g.PaintNow(), 1, 1)->State.Contains(gdFocused));
}

TEST(GridPaint, OnlyTheCellsOnScreenAreVisited)
{
    TGridOnForm f(300, 200);
    TRecordingGrid& g = *f.Grid;
    g.SetColCount(100000);
    g.SetRowCount(1000000);
    g.SetFirstShownRow(500000);
    g.SetFirstShownCol(60000);
    const auto drawn = g.PaintNow();
    ASSERT_FALSE(drawn.empty());
    EXPECT_LE(drawn.size(), 5u * 9u);
    for (const TDrawnCell& d : drawn) {
        EXPECT_TRUE(d.Col == 0 || (d.Col >= 60000 && d.Col < 60005)) << d.Col;
        EXPECT_TRUE(d.Row == 0 || (d.Row >= 500000 && d.Row < 500009)) << d.Row;
    }
}

TEST(GridPaint, FocusedCellIsLeftToTheEditor)
{
    TFocusedGrid f(4, 4);
    TRecordingGrid& g = *f.Grid;
    g.SetOptions(g.Options() + TGridOptionsLt{goEditing});
    g.SetEditorMode(true);
    ASSERT_TRUE(g.InplaceEditor() && g.InplaceEditor()->Visible());
    EXPECT_EQ(Find(g.PaintNow(), 1, 1), nullptr);
    // In editor mode on a cell the editor does not cover, the cell paints itself.
    g.InplaceEditor()->SetVisible(false);
    EXPECT_TRUE(g.FEditorMode);
    EXPECT_NE(Find(g.PaintNow(), 1, 1), nullptr);
    g.SetEditorMode(false);
    EXPECT_NE(Find(g.PaintNow(), 1, 1), nullptr);
}

TEST(GridPaint, SelectedCellsAreHighlighted)
{
    TFocusedGrid f(4, 4);
    TRecordingGrid& g = *f.Grid;
    g.FocusCell(2, 2, false, true);
    const auto drawn = g.PaintNow();
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const TDrawnCell& d = drawn[i];
        SCOPED_TRACE(std::to_string(d.Col) + "," + std::to_string(d.Row));
        const bool selected = d.Col >= 1 && d.Col <= 2 && d.Row >= 1 && d.Row <= 2;
        EXPECT_EQ(d.State.Contains(gdSelected), selected);
        const bool highlighted = selected && !(d.Col == 2 && d.Row == 2);
        EXPECT_EQ(g.Backgrounds[i], highlighted ? clHighlight : (d.State.Contains(gdFixed) ? clBtnFace : clWindow));
    }
    const TRect anchorCell = g.CellBounds(1, 1);
    EXPECT_EQ(PixelColor(g.LastImage, anchorCell.Left + 10, anchorCell.Top + 10), ColorToRGB(clHighlight));
    const TRect current = g.CellBounds(2, 2);
    EXPECT_EQ(PixelColor(g.LastImage, current.Left + 10, current.Top + 10), ColorToRGB(clWindow));

    // Drawn like the others when the focused cell should look selected.
    g.SetOptions(g.Options() + TGridOptionsLt{goDrawFocusSelected});
    g.PaintNow();
    EXPECT_EQ(PixelColor(g.LastImage, current.Left + 10, current.Top + 10), ColorToRGB(clHighlight));
}

TEST(GridPaint, WholeRowSelectionHighlightsTheRow)
{
    TFocusedGrid f(4, 4);
    TRecordingGrid& g = *f.Grid;
    g.SetOptions(g.Options() + TGridOptionsLt{goRowSelect});
    g.FocusCell(2, 2, true, true);
    const auto drawn = g.PaintNow();
    for (int col = 1; col < 4; ++col) {
        const TDrawnCell* d = Find(drawn, col, 2);
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->State.Contains(gdSelected));
        const TRect cell = g.CellBounds(col, 2);
        EXPECT_EQ(PixelColor(g.LastImage, cell.Left + 10, cell.Top + 10), ColorToRGB(clHighlight)) << col;
    }
    EXPECT_FALSE(Find(drawn, 2, 1)->State.Contains(gdSelected));
}

TEST(GridPaint, ContraCellsArePaintedAtTheEdges)
{
    TGridOnForm f(300, 200);
    TRecordingGrid& g = *f.Grid;
    g.SetScrollBars(ssNone);
    g.SetColCount(30);
    g.SetRowCount(30);
    g.SetContraColCount(1);
    g.SetContraRowCount(1);
    g.SetFirstShownCol(12);
    const auto drawn = g.PaintNow();
    const TDrawnCell* corner = Find(drawn, 30, 30);
    ASSERT_NE(corner, nullptr);
    // The last line of each axis is the edge of the client area.
    EXPECT_EQ(corner->Rect, Rect(235, 175, 299, 199));
    EXPECT_FALSE(corner->State.Contains(gdFixed));
    EXPECT_EQ(Find(drawn, 30, 1)->Rect.Left, 235);
    EXPECT_EQ(Find(drawn, 12, 30)->Rect.Left, 65);
    // The contra row comes after every other row, the contra column last.
    EXPECT_EQ(drawn.back().Col, 30);
    EXPECT_EQ(drawn.back().Row, 30);
}

TEST(GridPaint, LineColoursFollowFlatAndColor)
{
    TGridOnForm f(300, 200);
    TRecordingGrid& g = *f.Grid;
    TGridLineColorsLt* colors = g.LineColors();
    // Without default drawing no raised edge covers the fixed lines.
    g.SetDefaultDrawing(false);
    struct TCase {
        bool Flat;
        TColor Color;
        TColor Fixed;
        TColor Data;
    };
    for (const TCase c : {TCase{false, clWindow, clBlack, clSilver}, {true, clWindow, clGray, clSilver},
                          {false, clSilver, clBlack, clGray}, {true, clSilver, clGray, clGray}}) {
        SCOPED_TRACE(std::to_string(c.Flat) + " " + std::to_string(c.Color));
        g.SetFlat(c.Flat);
        g.SetColor(c.Color);
        EXPECT_EQ(colors->GetFixedLineColor(), c.Fixed);
        EXPECT_EQ(colors->GetDataLineColor(), c.Data);
        EXPECT_EQ(colors->GetCellLineColor(0, 3), c.Fixed);
        EXPECT_EQ(colors->GetCellLineColor(2, 3), c.Data);
        EXPECT_EQ(colors->GetVertLineColorAt(g.ColCount()), c.Fixed);
        EXPECT_EQ(colors->GetVertLineColorAt(2), c.Data);
        g.PaintNow();
        // The line right of column 1 between data rows, and below the fixed row.
        const TRect cell = g.CellBounds(1, 2);
        EXPECT_EQ(PixelColor(g.LastImage, cell.Right, cell.Top + 5), c.Data);
        const TRect fixed = g.CellBounds(0, 2);
        EXPECT_EQ(PixelColor(g.LastImage, fixed.Left + 5, fixed.Bottom), c.Fixed);
    }
    colors->SetStored(glcDataLine, clRed);
    colors->SetStored(glcContraVert, clGreen);
    EXPECT_EQ(colors->GetDataLineColor(), clRed);
    EXPECT_EQ(colors->GetVertLineColorAt(g.ColCount()), clGreen);
    EXPECT_EQ(colors->GetColor(glcTitleVert), colors->GetFixedLineColor());
    EXPECT_EQ(colors->GetColor(glcFooterVert), clRed);
}
