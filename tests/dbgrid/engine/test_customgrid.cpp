// The grid engine's cell model: defaults, counts, extents, errors, contra
// cells, the current cell and streaming of the extents.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "tests/dbgrid/engine/gridtesting.h"

namespace {
// A grid that descriptions can create, for streaming.
class TStreamedGridLt : public TCustomGridLt {
    LT_CLASS(TStreamedGridLt)
public:
    explicit TStreamedGridLt(TComponent* AOwner) : TCustomGridLt(AOwner) {}

protected:
    void DrawCell(int, int, const TRect&, TGridDrawState) override {}
};

// Everything the model keeps, to see that a failed call changed nothing.
struct TGridSnapshot {
    int ColCount, RowCount, FixedCols, FixedRows, ContraCols, ContraRows, DefaultRowHeight;
    TGridCoordLt Current, Anchor;
    int FirstCol, FirstRow;
    std::vector<int> Widths, Heights, TabStops;
    bool operator==(const TGridSnapshot&) const = default;
};

TGridSnapshot Snapshot(const TCustomGridLt& g)
{
    return {g.ColCount(),       g.RowCount(),      g.FixedCols(),       g.FixedRows(),     g.ContraColCount(),
            g.ContraRowCount(), g.DefaultRowHeight(), g.Current(),      g.Anchor(),        g.FirstShownCol(),
            g.FirstShownRow(),  g.ColWidthArray(), g.RowHeightArray(), g.TabStopArray()};
}

class TSpanGrid : public TRecordingGrid {
public:
    using TRecordingGrid::TRecordingGrid;
    using TCustomGridLt::InsertDeleteSpan;
};
} // namespace

LT_IMPLEMENT_CLASS(TStreamedGridLt, TCustomGridLt) {}

TEST(CustomGrid, NewGridHasItsDefaults)
{
    TestApplication();
    TRecordingGrid g(nullptr);
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.RowCount(), 5);
    EXPECT_EQ(g.FixedCols(), 1);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.Current(), (TGridCoordLt{1, 1}));
    EXPECT_EQ(g.Anchor(), (TGridCoordLt{1, 1}));
    EXPECT_EQ(g.FirstShownCol(), 1);
    EXPECT_EQ(g.FirstShownRow(), 1);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(g.ColWidths(i), 64);
        EXPECT_EQ(g.RowHeights(i), 24);
        EXPECT_TRUE(g.TabStops(i));
    }
    EXPECT_TRUE(g.ColWidthArray().empty());
    EXPECT_EQ(g.Options(),
              (TGridOptionsLt{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect}));
    EXPECT_EQ(g.Width(), 320);
    EXPECT_EQ(g.Height(), 120);
    EXPECT_EQ(g.ScrollBars(), ssBoth);
    EXPECT_EQ(g.BorderStyle(), bsSingle);
    EXPECT_EQ(g.Color(), clWindow);
    EXPECT_EQ(g.FixedColor(), clBtnFace);
    EXPECT_TRUE(g.TabStop());
    EXPECT_TRUE(g.DefaultDrawing());
}

TEST(CustomGrid, EveryMisuseRaisesItsTextAndChangesNothing)
{
    TestApplication();
    struct TCase {
        const char* Name;
        std::function<void(TSpanGrid&)> Call;
        const char* Message;
    };
    const TCase cases[] = {
        {"negative fixed columns", [](TSpanGrid& g) { g.SetFixedCols(-1); }, "Grid index out of range"},
        {"negative fixed rows", [](TSpanGrid& g) { g.SetFixedRows(-1); }, "Grid index out of range"},
        {"fixed columns reach the count", [](TSpanGrid& g) { g.SetFixedCols(5); },
         "Fixed column count must be less than column count"},
        {"fixed rows reach the count", [](TSpanGrid& g) { g.SetFixedRows(7); },
         "Fixed row count must be less than row count"},
        {"negative contra columns", [](TSpanGrid& g) { g.SetContraColCount(-1); },
         "FContraColCount can not be negative."},
        {"negative contra rows", [](TSpanGrid& g) { g.SetContraRowCount(-1); },
         "FContraRowCount can not be negative."},
        {"width past the columns", [](TSpanGrid& g) { g.SetColWidth(5, 10); }, "Grid index out of range"},
        {"height before the rows", [](TSpanGrid& g) { g.SetRowHeight(-1, 10); }, "Grid index out of range"},
        {"tab stop past the columns", [](TSpanGrid& g) { g.SetTabStop(9, false); }, "Grid index out of range"},
        {"focus past the rows", [](TSpanGrid& g) { g.FocusCell(1, 5, true, true); }, "Grid index out of range"},
        {"focus before the columns", [](TSpanGrid& g) { g.FocusCell(-1, 1, true, true); },
         "Grid index out of range"},
        {"move a column past the end", [](TSpanGrid& g) { g.MoveColumn(1, 5); }, "Grid index out of range"},
        {"too many columns", [](TSpanGrid& g) { g.SetColCount(200000000); }, "Grid too large for operation"},
        {"too many rows deleted", [](TSpanGrid& g) { g.InsertDeleteSpan(3, -4, true); },
         "Too many rows or columns deleted"},
        {"span past the rows", [](TSpanGrid& g) { g.InsertDeleteSpan(6, 1, false); }, "Grid index out of range"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TSpanGrid g(nullptr);
        g.SetColWidth(2, 30);
        g.SetRowHeight(3, 12);
        const TGridSnapshot before = Snapshot(g);
        try {
            c.Call(g);
            ADD_FAILURE() << "no error";
        } catch (const EInvalidGridOperationLt& e) {
            EXPECT_EQ(std::string(e.what()), c.Message);
        }
        EXPECT_TRUE(Snapshot(g) == before);
    }
}

TEST(CustomGrid, OneExtentMaterialisesAllAndDefaultHeightDiscardsThem)
{
    TestApplication();
    TRecordingGrid g(nullptr);
    g.SetContraColCount(2);
    g.SetColWidth(3, 17);
    ASSERT_EQ(g.ColWidthArray().size(), 7u);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(g.ColWidths(i), i == 3 ? 17 : 64);
    g.SetRowHeight(2, 40);
    EXPECT_EQ(g.RowHeightArray().size(), 5u);
    g.SetDefaultRowHeight(24);
    EXPECT_TRUE(g.RowHeightArray().empty());
    EXPECT_EQ(g.RowHeights(2), 24);
}

TEST(CustomGrid, CountChangesMoveTheContraExtentsAlong)
{
    TestApplication();
    TRecordingGrid g(nullptr);
    g.SetContraColCount(2);
    g.SetColWidth(5, 20);
    g.SetColWidth(6, 25);
    g.SetColCount(7);
    EXPECT_EQ(g.ColWidthArray(), (std::vector<int>{64, 64, 64, 64, 64, 64, 64, 20, 25}));
    g.SetColCount(3);
    EXPECT_EQ(g.ColWidthArray(), (std::vector<int>{64, 64, 64, 20, 25}));
    // Without contra columns the count may drop below the fixed ones: they
    // follow.
    TRecordingGrid plain(nullptr);
    plain.SetFixedCols(3);
    plain.SetColCount(2);
    EXPECT_EQ(plain.FixedCols(), 1);
    EXPECT_EQ(plain.Col(), 1);
}

TEST(CustomGrid, CurrentCellFollowsDeletedRowsWithContraRows)
{
    TestApplication();
    TSpanGrid g(nullptr);
    g.SetRowCount(10);
    g.SetContraRowCount(1);
    g.SetRow(8);
    g.SetRowCount(6);
    EXPECT_EQ(g.Row(), 5);
    EXPECT_EQ(g.Anchor().Y, 5);
    g.InsertDeleteSpan(2, -2, false);
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.Row(), 3);
}

TEST(CustomGrid, WholeRowSelectionSpansTheRow)
{
    TestApplication();
    TRecordingGrid g(nullptr);
    g.SetOptions(g.Options() + TGridOptionsLt{goRowSelect, goAlwaysShowEditor});
    EXPECT_FALSE(g.Options().Contains(goAlwaysShowEditor));
    EXPECT_EQ(g.Anchor(), (TGridCoordLt{4, 1}));
    g.FocusCell(3, 2, true, true);
    EXPECT_EQ(g.Current(), (TGridCoordLt{1, 2}));
    EXPECT_EQ(g.Anchor(), (TGridCoordLt{4, 2}));
    EXPECT_EQ(g.Selection(), (TGridRectLt{1, 2, 4, 2}));
}

TEST(CustomGrid, MouseToCellMissesOutsideEveryCell)
{
    TestApplication();
    TRecordingGrid g(nullptr);
    g.SetBorderStyle(bsNone);
    g.SetScrollBars(ssNone);
    g.SetBounds(0, 0, 400, 200);
    g.SetContraColCount(1);
    g.SetColWidth(2, 0);
    struct TCase {
        int X, Y;
        TGridCoordLt Cell;
    };
    // Columns: 0 at 0, 1 at 65, 2 hidden, 3 at 130, 4 at 195 (ends 259);
    // the contra column 5 at 400 - 65 = 335. Rows 25 apart.
    for (const TCase c : {TCase{10, 10, {0, 0}}, {70, 30, {1, 1}}, {131, 60, {3, 2}}, {250, 110, {4, 4}},
                          {340, 10, {5, 0}}, {300, 10, {-1, -1}}, {70, 130, {-1, -1}}, {-3, 10, {-1, -1}},
                          {70, 500, {-1, -1}}}) {
        SCOPED_TRACE(std::to_string(c.X) + "," + std::to_string(c.Y));
        EXPECT_EQ(g.MouseToCell(c.X, c.Y), c.Cell);
    }
    EXPECT_EQ(g.CellBounds(2, 1), TRect{});
    EXPECT_EQ(g.CellBounds(5, 1), Rect(335, 25, 399, 49));
}

TEST(CustomGrid, ContraColumnsStayAtTheRightEdgeWhileScrolling)
{
    TestApplication();
    TRecordingGrid g(nullptr);
    g.SetBorderStyle(bsNone);
    g.SetScrollBars(ssNone);
    g.SetBounds(0, 0, 300, 200);
    g.SetColCount(40);
    g.SetContraColCount(2);
    for (const int first : {1, 17, 35}) {
        g.SetFirstShownCol(first);
        SCOPED_TRACE(first);
        EXPECT_EQ(g.FirstShownCol(), first);
        EXPECT_EQ(g.CellBounds(41, 1).Right, 299);
        EXPECT_EQ(g.CellBounds(40, 1).Left, 300 - 65 - 65);
        EXPECT_EQ(g.CellBounds(first, 1).Left, 65);
    }
}

TEST(CustomGrid, StreamsExtentsOnlyOnceSet)
{
    TestApplication();
    TForm root(nullptr);
    root.SetName("Root");
    auto* grid = new TStreamedGridLt(&root);
    grid->SetName("Grid");
    grid->SetParent(&root);
    std::string text = WriteComponentToText(root);
    EXPECT_EQ(text.find("ColWidths"), std::string::npos);
    EXPECT_EQ(text.find("RowHeights"), std::string::npos);

    grid->SetColWidth(2, 33);
    grid->SetRowHeight(4, 11);
    text = WriteComponentToText(root);
    EXPECT_NE(text.find("ColWidths"), std::string::npos);
    TForm copy(nullptr);
    ReadComponentFromText(copy, text, "copy");
    auto* read = dynamic_cast<TStreamedGridLt*>(copy.FindComponent("Grid"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->ColWidths(2), 33);
    EXPECT_EQ(read->ColWidths(1), 64);
    EXPECT_EQ(read->RowHeights(4), 11);

    grid->SetSaveCellExtents(false);
    EXPECT_EQ(WriteComponentToText(root).find("ColWidths"), std::string::npos);
}
