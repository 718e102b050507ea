// The data grid's selection on a client table: rectangles ordered by the
// dataset's bookmark order and the strips they repaint, columns with the
// Shift extension, records, everything, and what clears a selection.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "tests/dbgrid/core/dbgridtesting.h"

namespace {

// A data grid that records the cell rectangles it is asked to repaint.
class TRepaintGrid : public TDBGridLt {
public:
    using TDBGridLt::TDBGridLt;
    std::vector<TGridRectLt> Invalidated;
    void InvalidateGridRect(const TGridRectLt& Cells) override
    {
        Invalidated.push_back(Cells);
        TDBGridLt::InvalidateGridRect(Cells);
    }
};

// Eight steps shown in a recording grid (the fixture's own grid is put
// aside); the grid shows every row, so grid row = row index + 1 and grid
// column = data column + 1.
struct TSelectionGrid : TStepsGrid {
    TRepaintGrid* G = nullptr;
    std::vector<std::string> Marks;   // bookmarks in navigation order
    int Changes = 0;

    TSelectionGrid() : TStepsGrid(8, 320, 260)
    {
        Grid->SetDataSource(nullptr);
        Grid->SetVisible(false);
        G = new TRepaintGrid(Form.get());
        G->SetParent(Form.get());
        G->SetBorderStyle(bsNone);
        G->SetBounds(0, 0, 320, 260);
        G->SetDataSource(Source);
        G->SetOnSelectionChanged([this](TObject* Sender) {
            EXPECT_EQ(Sender, G);
            ++Changes;
        });
        ReadMarks();
    }

    void ReadMarks()
    {
        Marks.clear();
        for (Table->First(); !Table->Eof(); Table->Next())
            Marks.push_back(Table->Bookmark());
        Table->First();
    }

    // Sorts the table by FDELAY, whose values now run against the order
    // the rows were made in.
    void SortAgainstTheirMaking()
    {
        for (int id = 1; id <= 8; ++id) {
            ASSERT_TRUE(Table->Locate("FID", Variant(id), {}));
            Table->Edit();
            Delay->SetAsInteger((10 - id) * 100);
            Table->Post();
        }
        Table->SetIndexFieldNames("FDELAY");
    }

    TDBGridLtSelection& Sel() const { return *G->Selection(); }
    TDBGridLtSelectionRect& Rect() const { return *G->Selection()->Rect(); }
    TDBGridLtSelectionCols& Cols() const { return *G->Selection()->ColumnList(); }
    TColumnLt* Col(int Index) const { return G->Columns()->Items(Index); }

    // The data columns of the listed columns, in list order.
    std::vector<int> Listed() const
    {
        std::vector<int> result;
        for (const TColumnLt* column : Cols())
            result.push_back(column->Index());
        return result;
    }
};

} // namespace

TEST(DBGridSelectionRect, CornersFollowTheBookmarkOrderAndAPlainClickEndsTheRectangle)
{
    struct TClick {
        int Col;
        int Row;
        bool Extend;
    };
    struct TCase {
        const char* Name;
        std::vector<TClick> Clicks;
        TDBGridLtSelectionType Kind;
        int Top, Bottom, Left, Right;   // row indexes and data columns
    };
    const TCase cases[] = {
        {"from row 5 up to row 2", {{1, 4, false}, {1, 1, true}}, gstRectangle, 1, 4, 1, 1},
        {"down and to the left", {{2, 1, false}, {0, 3, true}}, gstRectangle, 1, 3, 0, 2},
        {"one row, two columns", {{0, 2, false}, {2, 2, true}}, gstRectangle, 2, 2, 0, 2},
        {"a plain click after a rectangle", {{0, 0, false}, {2, 3, true}, {1, 2, false}}, gstNon, 2, 2, 1, 1},
        {"a click alone", {{3, 5, false}}, gstNon, 5, 5, 3, 3},
        {"extended back onto the anchor", {{1, 1, false}, {2, 4, true}, {1, 1, true}}, gstNon, 1, 1, 1, 1},
        {"extending after a plain click", {{1, 6, false}, {3, 6, true}, {2, 2, false}, {0, 0, true}}, gstRectangle,
         0, 2, 0, 2},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TSelectionGrid f;
        for (const TClick& click : c.Clicks)
            f.Rect().Select(click.Col, f.Marks[static_cast<std::size_t>(click.Row)], click.Extend);
        EXPECT_EQ(f.Sel().SelectionType(), c.Kind);
        EXPECT_EQ(f.Rect().TopRow(), f.Marks[static_cast<std::size_t>(c.Top)]);
        EXPECT_EQ(f.Rect().BottomRow(), f.Marks[static_cast<std::size_t>(c.Bottom)]);
        EXPECT_EQ(f.Rect().LeftCol(), c.Left);
        EXPECT_EQ(f.Rect().RightCol(), c.Right);
        EXPECT_EQ(f.Changes, static_cast<int>(c.Clicks.size()));
        // Cells count as selected only inside a rectangle of its kind.
        for (int row = 0; row < 8; ++row) {
            for (int col = -1; col < 4; ++col) {
                const bool inside = c.Kind == gstRectangle && row >= c.Top && row <= c.Bottom && col >= c.Left &&
                                    col <= c.Right;
                EXPECT_EQ(f.Sel().IsCellSelected(col, f.Marks[static_cast<std::size_t>(row)]), inside)
                    << col << "," << row;
            }
        }
        const TGridRectLt enclosing = f.Sel().EnclosingGridRect();
        if (c.Kind == gstRectangle)
            EXPECT_EQ(enclosing, (TGridRectLt{c.Left + 1, c.Top + 1, c.Right + 1, c.Bottom + 1}));
        else
            EXPECT_EQ(enclosing, (TGridRectLt{-1, -1, -1, -1}));
    }
}

TEST(DBGridSelectionRect, OnlyTheStripsThatChangeAreRepainted)
{
    TSelectionGrid f;
    const auto select = [&](int Col, int Row, bool Extend) {
        f.G->Invalidated.clear();
        f.Rect().Select(Col, f.Marks[static_cast<std::size_t>(Row)], Extend);
        return f.G->Invalidated;
    };
    ASSERT_TRUE(f.G->HasBridge());
    EXPECT_TRUE(select(0, 0, false).empty());   // one cell is no rectangle
    // 3 x 3 from the cell the click left as the anchor.
    EXPECT_EQ(select(2, 2, true), (std::vector<TGridRectLt>{{1, 1, 3, 3}}));
    // Wider by a column, then shorter by a row, then back: only the strips.
    EXPECT_EQ(select(3, 2, true), (std::vector<TGridRectLt>{{4, 1, 4, 3}}));
    EXPECT_EQ(select(3, 1, true), (std::vector<TGridRectLt>{{1, 3, 4, 3}}));
    EXPECT_EQ(select(2, 2, true), (std::vector<TGridRectLt>{{4, 1, 4, 3}, {1, 3, 3, 3}}));
    // A plain click inside ends the rectangle: all of it is repainted.
    EXPECT_EQ(select(1, 1, false), (std::vector<TGridRectLt>{{1, 1, 3, 3}}));
    EXPECT_EQ(f.Sel().SelectionType(), gstNon);
}

TEST(DBGridSelectionRect, DifferenceOfTwoCellRectangles)
{
    struct TCase {
        TGridRectLt Old, New;
        std::vector<TGridRectLt> Strips;
    };
    const TGridRectLt none{-1, -1, -1, -1};
    const TCase cases[] = {
        {none, none, {}},
        {none, {1, 1, 2, 2}, {{1, 1, 2, 2}}},
        {{1, 1, 2, 2}, none, {{1, 1, 2, 2}}},
        {{1, 1, 2, 2}, {1, 1, 2, 2}, {}},
        {{1, 1, 2, 2}, {5, 5, 6, 6}, {{1, 1, 2, 2}, {5, 5, 6, 6}}},
        // Grown to the left and at the top.
        {{3, 3, 4, 4}, {1, 2, 4, 4}, {{1, 2, 2, 4}, {3, 2, 4, 2}}},
        // Shrunk at the right and at the bottom.
        {{1, 1, 5, 5}, {1, 1, 3, 4}, {{4, 1, 5, 5}, {1, 5, 3, 5}}},
        // Crossing: every border of the enclosing rectangle.
        {{2, 1, 3, 6}, {1, 2, 4, 3}, {{1, 1, 1, 6}, {2, 1, 3, 1}, {4, 1, 4, 6}, {2, 4, 3, 6}}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(GridRectDifference(c.Old, c.New), c.Strips)
            << c.Old.Left << c.Old.Top << c.Old.Right << c.Old.Bottom << " -> " << c.New.Left << c.New.Top
            << c.New.Right << c.New.Bottom;
}

TEST(DBGridSelectionRect, GettersNeedActiveDataAndAreEmptyWithoutARectangle)
{
    TSelectionGrid f;
    EXPECT_EQ(f.Rect().TopRow(), "");
    EXPECT_EQ(f.Rect().BottomRow(), "");
    EXPECT_EQ(f.Rect().LeftCol(), -1);
    EXPECT_EQ(f.Rect().RightCol(), -1);
    EXPECT_FALSE(f.Rect().CellSelected(0, f.Marks[0]));

    f.Rect().Select(0, f.Marks[1], false);
    f.Rect().Select(1, f.Marks[3], true);
    f.Rect().Clear();
    EXPECT_EQ(f.Rect().BottomRow(), "");
    EXPECT_EQ(f.Rect().LeftCol(), -1);

    const auto message = [](const std::function<void()>& Call) {
        try {
            Call();
        } catch (const EInvalidGridOperationLt& e) {
            return e.Message();
        }
        return std::string("no exception");
    };
    for (int step = 0; step < 2; ++step) {
        SCOPED_TRACE(step == 0 ? "closed table" : "no data source");
        if (step == 0)
            f.Table->Close();
        else
            f.G->SetDataSource(nullptr);
        EXPECT_FALSE(f.Rect().IsDataActive());
        EXPECT_EQ(message([&] { f.Rect().BottomRow(); }), "Error in TDBGridLtSelectionRect.GetBottomRow");
        EXPECT_EQ(message([&] { f.Rect().CellSelected(0, ""); }),
                  "Error in function TDBGridLtSelectionRect.CellSelected");
        EXPECT_THROW(f.Rect().TopRow(), EInvalidGridOperationLt);
        EXPECT_THROW(f.Rect().LeftCol(), EInvalidGridOperationLt);
        EXPECT_THROW(f.Rect().RightCol(), EInvalidGridOperationLt);
        EXPECT_EQ(f.Sel().EnclosingGridRect(), (TGridRectLt{-1, -1, -1, -1}));
    }
}

TEST(DBGridSelectionRect, AWalkFromTheTopRowMeetsTheBottomRowInAnIndexOrder)
{
    TSelectionGrid f;
    f.SortAgainstTheirMaking();
    f.ReadMarks();
    f.Table->First();
    EXPECT_EQ(f.Fid->AsInteger(), 8);

    for (std::size_t i = 0; i < f.Marks.size(); ++i)
        for (std::size_t j = 0; j < f.Marks.size(); ++j) {
            const int order = f.Table->CompareBookmarks(f.Marks[i], f.Marks[j]);
            EXPECT_EQ(order < 0, i < j) << i << "," << j;
            EXPECT_EQ(order == 0, i == j) << i << "," << j;
        }
    EXPECT_EQ(f.Table->CompareBookmarks("", ""), 0);
    EXPECT_LT(f.Table->CompareBookmarks("", f.Marks[0]), 0);
    EXPECT_GT(f.Table->CompareBookmarks(f.Marks[7], ""), 0);

    // Drawn from the sixth row up to the third, as the steps commands walk it.
    f.Rect().Select(1, f.Marks[5], false);
    f.Rect().Select(1, f.Marks[2], true);
    ASSERT_EQ(f.Sel().SelectionType(), gstRectangle);
    const std::string bottom = f.Rect().BottomRow();
    f.Table->GotoBookmark(f.Rect().TopRow());
    std::vector<int> walked;
    while (!f.Table->Eof()) {
        walked.push_back(f.Fid->AsInteger());
        if (f.Table->Bookmark() == bottom)
            break;
        f.Table->Next();
    }
    EXPECT_EQ(walked, (std::vector<int>{6, 5, 4, 3}));
}

TEST(DBGridSelectionCols, ToggleSelectAndAShiftExtensionPulledBack)
{
    TSelectionGrid f;
    struct TStep {
        const char* Name;
        std::function<void(TSelectionGrid&)> Act;
        std::vector<int> Selected;
        TDBGridLtSelectionType Kind;
    };
    const auto toggle = [](int I) { return [I](TSelectionGrid& g) { g.Cols().ToggleColumn(g.Col(I)); }; };
    const auto shift = [](int I) { return [I](TSelectionGrid& g) { g.Cols().ShiftSelectTo(g.Col(I)); }; };
    const TStep steps[] = {
        {"click column 2", [](TSelectionGrid& g) { g.Cols().SelectColumn(g.Col(2), false); }, {2}, gstColumns},
        {"Ctrl-click column 0", toggle(0), {0, 2}, gstColumns},
        {"Shift to column 3", shift(3), {0, 1, 2, 3}, gstColumns},
        {"pulled back to column 1", shift(1), {0, 1, 2}, gstColumns},
        {"pulled back onto the anchor", shift(0), {0, 2}, gstColumns},
        {"Ctrl-click the anchor off", toggle(0), {2}, gstColumns},
        {"Shift from an unselected anchor", shift(3), {}, gstNon},
        {"pulled back again", shift(1), {2}, gstColumns},
        {"a click keeps one column", [](TSelectionGrid& g) { g.Cols().SelectColumn(g.Col(1), false); }, {1},
         gstColumns},
        {"Ctrl-click it off", toggle(1), {}, gstNon},
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.Name);
        step.Act(f);
        EXPECT_EQ(f.Listed(), step.Selected);
        EXPECT_EQ(f.Sel().SelectionType(), step.Kind);
        for (int col = 0; col < 4; ++col) {
            const bool listed = std::find(step.Selected.begin(), step.Selected.end(), col) != step.Selected.end();
            EXPECT_EQ(f.Sel().IsCellSelected(col, f.Marks[3]), listed) << col;
        }
    }
}

TEST(DBGridSelectionCols, ColumnsRepaintAndLeaveWithTheirColumn)
{
    TSelectionGrid f;
    f.Rect().Select(0, f.Marks[0], false);
    f.Rect().Select(1, f.Marks[1], true);
    f.G->Invalidated.clear();
    f.Cols().SelectColumn(f.Col(2), false);
    EXPECT_EQ(f.Rect().AnchorCol(), -1);   // another kind is cleared first
    f.Cols().ShiftSelectTo(f.Col(3));
    const int lastRow = f.G->FullRowCount() - 1;
    EXPECT_EQ(f.G->Invalidated, (std::vector<TGridRectLt>{{3, 0, 3, lastRow}, {4, 0, 4, lastRow}}));
    EXPECT_EQ(f.Sel().EnclosingGridRect(), (TGridRectLt{3, 0, 4, lastRow}));
    EXPECT_EQ(f.Cols().ShiftSelected().Count(), 1);

    // A hidden field takes its default column away; the list follows.
    f.Name->SetVisible(false);
    ASSERT_EQ(f.G->Columns()->Count(), 3);
    EXPECT_EQ(f.Listed(), (std::vector<int>{2}));
    EXPECT_EQ(f.Cols().Anchor(), nullptr);
    EXPECT_EQ(f.Cols().ShiftSelected().Count(), 1);
    f.Channel->SetVisible(false);
    EXPECT_EQ(f.Cols().Count(), 0);
    EXPECT_EQ(f.Sel().SelectionType(), gstNon);
}

TEST(DBGridSelection, RowsAllAndWhatClearsASelection)
{
    TSelectionGrid f;
    TBookmarkListLt& rows = *f.G->SelectedRows();
    EXPECT_EQ(f.Sel().Rows(), &rows);
    EXPECT_EQ(rows.GetListDataSet(), f.Table);
    EXPECT_TRUE(rows.LinkActive());

    // Selecting a row while a rectangle is selected makes a row selection.
    f.Rect().Select(0, f.Marks[0], false);
    f.Rect().Select(1, f.Marks[2], true);
    const int changes = f.Changes;
    f.Table->GotoBookmark(f.Marks[4]);
    rows.SelectCurrentRow(true);
    EXPECT_EQ(f.Sel().SelectionType(), gstRecordBookmarks);
    EXPECT_EQ(f.Rect().AnchorCol(), -1);
    EXPECT_EQ(f.Changes, changes + 1);   // the rectangle left quietly
    EXPECT_TRUE(f.Sel().IsCellSelected(-1, f.Marks[4]));
    EXPECT_FALSE(f.Sel().IsCellSelected(0, f.Marks[3]));
    f.Table->GotoBookmark(f.Marks[6]);
    rows.SelectCurrentRow(true);
    EXPECT_EQ(f.Sel().EnclosingGridRect(), (TGridRectLt{0, 5, f.G->ColCount() - 1, 7}));
    rows.SelectCurrentRow(false);
    f.Table->GotoBookmark(f.Marks[4]);
    rows.SelectCurrentRow(false);
    EXPECT_EQ(f.Sel().SelectionType(), gstNon);

    // Everything, twice: the second time changes nothing.
    f.Table->GotoBookmark(f.Marks[1]);
    rows.SelectCurrentRow(true);
    f.Sel().SelectAll();
    EXPECT_EQ(f.Sel().SelectionType(), gstAll);
    EXPECT_EQ(rows.BookmarkCount(), 0);
    const int afterAll = f.Changes;
    f.Sel().SelectAll();
    EXPECT_EQ(f.Changes, afterAll);
    EXPECT_TRUE(f.Sel().IsCellSelected(-1, ""));
    EXPECT_EQ(f.Sel().EnclosingGridRect(), (TGridRectLt{0, 0, f.G->ColCount() - 1, f.G->FullRowCount() - 1}));

    // Kinds no longer allowed, multi-select turned off, a closed table.
    f.G->SetAllowedSelections({gstRecordBookmarks, gstRectangle, gstColumns});
    EXPECT_EQ(f.Sel().SelectionType(), gstNon);
    f.Rect().Select(0, f.Marks[0], false);
    f.Rect().Select(0, f.Marks[1], true);
    f.G->SetAllowedSelections({gstRectangle});
    EXPECT_EQ(f.Sel().SelectionType(), gstRectangle);
    f.G->SetOptions(f.G->Options() + TDBGridOptions{dgMultiSelect});
    EXPECT_EQ(f.Sel().SelectionType(), gstRectangle);
    f.G->SetOptions(f.G->Options() - TDBGridOptions{dgMultiSelect});
    EXPECT_EQ(f.Sel().SelectionType(), gstNon);
    f.Table->GotoBookmark(f.Marks[2]);
    rows.SelectCurrentRow(true);
    f.Table->Close();
    EXPECT_EQ(f.Sel().SelectionType(), gstNon);
    EXPECT_EQ(rows.BookmarkCount(), 0);
    EXPECT_FALSE(rows.LinkActive());
}

namespace {
// The FID of each record between the rectangle's top and bottom rows, as a
// command walking the rectangle meets them; empty without a rectangle.
std::vector<int> RectangleIds(TSelectionGrid& f)
{
    std::vector<int> ids;
    if (f.Sel().SelectionType() != gstRectangle)
        return ids;
    const std::string bottom = f.Rect().BottomRow();
    for (f.Table->GotoBookmark(f.Rect().TopRow()); !f.Table->Eof(); f.Table->Next()) {
        ids.push_back(f.Fid->AsInteger());
        if (f.Table->Bookmark() == bottom)
            break;
    }
    return ids;
}

void DeleteRecords(TSelectionGrid& f, const std::vector<int>& Rows)
{
    for (const int row : Rows) {
        f.Table->GotoBookmark(f.Marks[static_cast<std::size_t>(row)]);
        f.Table->Delete();
    }
}
} // namespace

TEST(DBGridSelectionRect, ARectangleLosingRecordsShrinksToTheRestOrGoes)
{
    struct TCase {
        const char* Name;
        int AnchorRow, ShiftRow, LeftCol, RightCol;
        std::function<void(TSelectionGrid&)> Change;
        std::vector<int> Ids;   // the records left in the rectangle
    };
    const auto remove = [](std::vector<int> Rows) { return [Rows](TSelectionGrid& f) { DeleteRecords(f, Rows); }; };
    const TCase cases[] = {
        {"its bottom record deleted", 1, 4, 0, 0, remove({4}), {2, 3, 4}},
        {"its top record deleted", 1, 4, 0, 1, remove({1}), {3, 4, 5}},
        {"drawn upwards, its bottom record deleted", 4, 1, 0, 0, remove({4}), {2, 3, 4}},
        {"drawn upwards, its top record deleted", 4, 1, 0, 0, remove({1}), {3, 4, 5}},
        {"a record inside deleted", 1, 4, 0, 0, remove({2}), {2, 4, 5}},
        {"both corners deleted", 1, 4, 0, 2, remove({1, 4}), {3, 4}},
        {"a record outside deleted", 1, 4, 0, 0, remove({6}), {2, 3, 4, 5}},
        {"two at the bottom deleted with the controls disabled", 1, 4, 0, 0,
         [](TSelectionGrid& f) {
             f.Table->DisableControls();
             DeleteRecords(f, {4, 3});
             f.Table->EnableControls();
         },
         {2, 3}},
        {"every record deleted", 1, 4, 0, 0, remove({1, 2, 3, 4}), {}},
        {"a one-row rectangle's record deleted", 3, 3, 0, 2, remove({3}), {}},
        {"its records filtered out", 1, 4, 0, 0,
         [](TSelectionGrid& f) {
             f.Table->SetFilter("FID > 6");
             f.Table->SetFiltered(true);
         },
         {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TSelectionGrid f;
        f.Rect().Select(c.LeftCol, f.Marks[static_cast<std::size_t>(c.AnchorRow)], false);
        f.Rect().Select(c.RightCol, f.Marks[static_cast<std::size_t>(c.ShiftRow)], true);
        ASSERT_EQ(f.Sel().SelectionType(), gstRectangle);
        c.Change(f);
        EXPECT_EQ(RectangleIds(f), c.Ids);
        if (c.Ids.empty()) {
            EXPECT_EQ(f.Sel().SelectionType(), gstNon);
            EXPECT_EQ(f.Rect().AnchorCol(), -1);
            EXPECT_EQ(f.Rect().BottomRow(), "");
        } else {
            EXPECT_TRUE(f.Table->BookmarkValid(f.Rect().AnchorRow()));
            EXPECT_TRUE(f.Table->BookmarkValid(f.Rect().ShiftRow()));
            EXPECT_EQ(f.Rect().LeftCol(), c.LeftCol);
            EXPECT_EQ(f.Rect().RightCol(), c.RightCol);
        }
        // Painting marks exactly the cells of the records left.
        for (f.Table->First(); !f.Table->Eof(); f.Table->Next()) {
            const bool inside = std::find(c.Ids.begin(), c.Ids.end(), f.Fid->AsInteger()) != c.Ids.end();
            EXPECT_EQ(f.Sel().IsCellSelected(c.LeftCol, f.Table->Bookmark()), inside) << f.Fid->AsInteger();
        }
    }
}

TEST(DBGridSelectionRect, TheAnchorAPlainClickLeftGoesWithItsRecord)
{
    TSelectionGrid f;
    f.Rect().Select(2, f.Marks[3], false);
    ASSERT_EQ(f.Sel().SelectionType(), gstNon);
    DeleteRecords(f, {3});
    EXPECT_EQ(f.Rect().AnchorCol(), -1);
    EXPECT_EQ(f.Rect().AnchorRow(), "");
    // Shift+click then starts from the clicked cell alone.
    f.Rect().Select(1, f.Marks[5], true);
    EXPECT_EQ(f.Sel().SelectionType(), gstNon);
    EXPECT_EQ(f.Rect().AnchorRow(), f.Marks[5]);
}

TEST(DBGridSelection, MarkedRowsFollowANewOrderAndLeaveWithTheirRecords)
{
    TSelectionGrid f;
    TBookmarkListLt& rows = *f.G->SelectedRows();
    for (const int row : {0, 1, 2}) {
        f.Table->GotoBookmark(f.Marks[static_cast<std::size_t>(row)]);
        rows.SelectCurrentRow(true);
    }
    // Sorted anew, the marked rows run the other way round.
    f.SortAgainstTheirMaking();
    const auto marked = [&] {
        std::vector<int> rowsMarked;
        for (std::size_t i = 0; i < f.Marks.size(); ++i)
            if (f.Sel().IsCellSelected(0, f.Marks[i]))
                rowsMarked.push_back(static_cast<int>(i));
        return rowsMarked;
    };
    EXPECT_EQ(marked(), (std::vector<int>{0, 1, 2}));
    ASSERT_EQ(rows.BookmarkCount(), 3);
    EXPECT_EQ(rows.BookmarkAt(0), f.Marks[2]);
    EXPECT_EQ(rows.BookmarkAt(2), f.Marks[0]);

    const int changes = f.Changes;
    DeleteRecords(f, {1});
    EXPECT_EQ(marked(), (std::vector<int>{0, 2}));
    EXPECT_EQ(rows.BookmarkCount(), 2);
    EXPECT_EQ(f.Changes, changes + 1);
    DeleteRecords(f, {0, 2});
    EXPECT_EQ(rows.BookmarkCount(), 0);
    EXPECT_EQ(f.Sel().SelectionType(), gstNon);
}
