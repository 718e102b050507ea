#pragma once
// The data grid's selection: at any moment nothing, a set of records (by
// bookmark), a rectangle of cells (two corner cells, each a data column
// index and a bookmark), a set of columns, or everything. Painting asks
// whether a cell is selected; the mouse and keys drive the selection through
// the operations below; clipboard and export walk what is selected.
#include <memory>
#include <string>
#include <vector>

#include "dbcontrols/bmlistlt.h"
#include "dbgrid/core/columnslt.h"
#include "dbgrid/core/dbgridtypes.h"
#include "dbgrid/engine/gridtypes.h"

class TCustomDBGridLt;
class TDBGridLtSelection;

// The grid's selected records.
class TBookmarkListLt : public TBMListLt {
public:
    explicit TBookmarkListLt(TCustomDBGridLt* Grid) : FGrid(Grid) {}

    TCustomDBGridLt* Grid() const { return FGrid; }
    // The grid's DataSource.DataSet, nullptr without one.
    TDataSet* GetListDataSet() const override;
    void Repaint() override;
    // Also makes the selection a row selection while rows are listed.
    void SelectCurrentRow(bool Value) override;
    void RefreshState() override;
    void RemoveAll() override;

private:
    TCustomDBGridLt* FGrid;
};

// The selected columns, in the order of their index in the grid's columns.
class TDBGridLtSelectionCols : public TColumnsLtList {
public:
    explicit TDBGridLtSelectionCols(TCustomDBGridLt* Grid) : FGrid(Grid) {}

    TColumnLt* Anchor() const { return FAnchor; }
    TColumnLt* ShiftCol() const { return FShiftCol; }
    // The columns the running Shift extension added or removed.
    const TColumnsLtList& ShiftSelected() const { return FShiftSelected; }

    // Inserts before the first listed column with a higher index.
    void InsertSorted(TColumnLt* Column);
    // Repaints the columns, empties the list and drops the anchor.
    void Clear();
    // Ctrl-click: the column leaves the list when listed, else joins it.
    void ToggleColumn(TColumnLt* Column);
    // A click (KeepOthers false) or Ctrl-click that only adds.
    void SelectColumn(TColumnLt* Column, bool KeepOthers);
    // Shift-click: extends from the anchor to Column, undoing what the
    // previous extension did beyond it.
    void ShiftSelectTo(TColumnLt* Column);
    // Drops columns that are no longer the grid's and re-sorts the rest.
    void Prune();
    // From the lowest to the highest selected column, over all rows.
    TGridRectLt EnclosingGridRect() const;

private:
    TDBGridLtSelection& Selection() const;
    // The column's index in the grid's columns, -1 once it is gone.
    int IndexOfColumn(const TColumnLt* Column) const;
    void RepaintColumn(const TColumnLt* Column) const;
    void SwitchToColumns();
    void SetSelected(TColumnLt* Column, bool Value);
    void Settle();

    TCustomDBGridLt* FGrid;
    TColumnLt* FAnchor = nullptr;
    TColumnLt* FShiftCol = nullptr;
    TColumnsLtList FShiftSelected;
};

// A rectangle of cells from the anchor cell to the shift cell.
class TDBGridLtSelectionRect {
public:
    explicit TDBGridLtSelectionRect(TCustomDBGridLt* Grid) : FGrid(Grid) {}

    int AnchorCol() const { return FAnchorCol; }
    const std::string& AnchorRow() const { return FAnchorRow; }
    int ShiftCol() const { return FShiftCol; }
    const std::string& ShiftRow() const { return FShiftRow; }

    // The corners in dataset order; each raises without active data.
    std::string TopRow() const { return GetTopRow(); }
    std::string BottomRow() const { return GetBottomRow(); }
    int LeftCol() const { return GetLeftCol(); }
    int RightCol() const { return GetRightCol(); }
    std::string GetTopRow() const;
    std::string GetBottomRow() const;
    int GetLeftCol() const;
    int GetRightCol() const;

    // A click (Extend false) puts both corners on the cell; Shift-click or
    // dragging (Extend true) moves the shift corner.
    void Select(int DataCol, const std::string& Bookmark, bool Extend);
    void Clear();
    // After the dataset's rows changed: a corner whose record the dataset
    // no longer shows moves to the nearest record of the rectangle that was
    // seen on screen and is still shown; with none left the rectangle goes.
    void DataSetChanged();
    bool CellSelected(int DataCol, const std::string& Bookmark) const;
    // The grid has a dataset through an active link.
    bool IsDataActive() const;
    // The grid cells of the rectangle among the buffered rows;
    // (-1, -1, -1, -1) when a corner row is not among them.
    TGridRectLt EnclosingGridRect() const;

private:
    TDBGridLtSelection& Selection() const;
    void CheckDataActive(const char* Where) const;
    int CompareRows(const std::string& Bookmark1, const std::string& Bookmark2) const;
    // The buffered rows first not before Top and last not after Bottom
    // (-1 when there is none); the active record is restored.
    void FindBufferRows(const std::string& Top, const std::string& Bottom, int& TopIndex, int& BottomIndex) const;
    // The grid cells of the rectangle between two cells among the buffered
    // rows; (-1, -1, -1, -1) when none of its rows is buffered.
    TGridRectLt GridRectOf(int Col1, const std::string& Row1, int Col2, const std::string& Row2) const;
    void ResetCorners();
    // Adds the rectangle's buffered records to those seen before that are
    // still inside it, keeping the ones nearest each corner.
    void NoteSeenRows();

    TCustomDBGridLt* FGrid;
    int FAnchorCol = -1;
    std::string FAnchorRow;
    int FShiftCol = -1;
    std::string FShiftRow;
    // Records of the rectangle seen on screen, top to bottom, and whether
    // the anchor was the top corner then: where a corner goes when its
    // record does.
    std::vector<std::string> FSeenRows;
    bool FAnchorOnTop = true;
};

class TDBGridLtSelection {
public:
    explicit TDBGridLtSelection(TCustomDBGridLt* Grid);
    TDBGridLtSelection(const TDBGridLtSelection&) = delete;
    TDBGridLtSelection& operator=(const TDBGridLtSelection&) = delete;
    virtual ~TDBGridLtSelection();

    TCustomDBGridLt* Grid() const { return FGrid; }
    TDBGridLtSelectionType SelectionType() const { return FSelectionType; }
    // Stores a different kind and lets the grid update its editor.
    void SetSelectionType(TDBGridLtSelectionType Value);
    TBookmarkListLt* Rows() const;
    TDBGridLtSelectionCols* ColumnList() const { return FColumns.get(); }
    TDBGridLtSelectionRect* Rect() const { return FRect.get(); }

    bool IsCellSelected(int DataCol, const std::string& Bookmark) const;
    // Empties the part of the current kind; the kind becomes gstNon and the
    // editor shows again where it always shows, even when emptying raises.
    void Clear();
    void SelectAll();
    // An empty row or column selection falls back to gstNon.
    void RecheckState();
    void LinkStateChanged(bool Value);
    // After the dataset's rows changed (deleted, filtered, another master
    // row, sorted anew): only records the dataset still shows stay selected.
    void DataSetChanged();
    TGridRectLt EnclosingGridRect() const;
    // Fires the grid's OnSelectionChanged.
    virtual void SelectionChanged();

    // Empties a selection of another kind than Kind before Kind starts;
    // Notify false keeps the change quiet.
    void ClearOtherKind(TDBGridLtSelectionType Kind, bool Notify = true);

private:
    void EmptyCurrentKind();

    TCustomDBGridLt* FGrid;
    TDBGridLtSelectionType FSelectionType = gstNon;
    std::unique_ptr<TDBGridLtSelectionCols> FColumns;
    std::unique_ptr<TDBGridLtSelectionRect> FRect;
    bool FQuiet = false;
};

// The cells of Old and New that differ, as up to four strips: the borders
// of their enclosing rectangle outside their intersection, or the two
// rectangles when they do not meet. A rectangle with Left < 0 or Top > Bottom
// is none.
std::vector<TGridRectLt> GridRectDifference(const TGridRectLt& Old, const TGridRectLt& New);
