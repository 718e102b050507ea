// Column selection: clicks, Ctrl-clicks and the Shift extension from the
// anchor column, which remembers what it changed so that pulling it back
// undoes only that.
#include <algorithm>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/selection/dbgridselection.h"

TDBGridLtSelection& TDBGridLtSelectionCols::Selection() const
{
    return *FGrid->Selection();
}

int TDBGridLtSelectionCols::IndexOfColumn(const TColumnLt* Column) const
{
    return Column ? FGrid->Columns()->IndexOf(Column) : -1;
}

void TDBGridLtSelectionCols::RepaintColumn(const TColumnLt* Column) const
{
    const int index = IndexOfColumn(Column);
    if (index >= 0) {
        const int raw = FGrid->DataToRawColumn(index);
        FGrid->InvalidateGridRect({raw, 0, raw, FGrid->FullRowCount() - 1});
    }
}

void TDBGridLtSelectionCols::InsertSorted(TColumnLt* Column)
{
    const int index = IndexOfColumn(Column);
    for (int i = 0; i < Count(); ++i) {
        if (IndexOfColumn(Items(i)) > index) {
            Insert(i, Column);
            return;
        }
    }
    Add(Column);
}

void TDBGridLtSelectionCols::Clear()
{
    for (const TColumnLt* column : *this)
        RepaintColumn(column);
    TColumnsLtList::Clear();
    FAnchor = nullptr;
    FShiftCol = nullptr;
    FShiftSelected.Clear();
    Selection().SelectionChanged();
}

void TDBGridLtSelectionCols::SwitchToColumns()
{
    Selection().ClearOtherKind(gstColumns);
}

void TDBGridLtSelectionCols::SetSelected(TColumnLt* Column, bool Value)
{
    if ((IndexOf(Column) >= 0) == Value)
        return;
    if (Value)
        InsertSorted(Column);
    else
        Remove(Column);
    RepaintColumn(Column);
}

void TDBGridLtSelectionCols::Settle()
{
    Selection().SetSelectionType(Count() > 0 ? gstColumns : gstNon);
    Selection().SelectionChanged();
}

void TDBGridLtSelectionCols::ToggleColumn(TColumnLt* Column)
{
    SwitchToColumns();
    SetSelected(Column, IndexOf(Column) < 0);
    FAnchor = FShiftCol = Column;
    FShiftSelected.Clear();
    Settle();
}

void TDBGridLtSelectionCols::SelectColumn(TColumnLt* Column, bool KeepOthers)
{
    SwitchToColumns();
    if (!KeepOthers) {
        for (const TColumnLt* column : *this)
            if (column != Column)
                RepaintColumn(column);
        const bool listed = IndexOf(Column) >= 0;
        TColumnsLtList::Clear();
        if (listed)
            Add(Column);
    }
    SetSelected(Column, true);
    FAnchor = FShiftCol = Column;
    FShiftSelected.Clear();
    Settle();
}

void TDBGridLtSelectionCols::ShiftSelectTo(TColumnLt* Column)
{
    SwitchToColumns();
    if (!FAnchor) {
        SelectColumn(Column, true);
        return;
    }
    const int anchor = IndexOfColumn(FAnchor);
    const int oldShift = FShiftCol ? IndexOfColumn(FShiftCol) : anchor;
    const int target = IndexOfColumn(Column);
    if (target < 0)
        return;
    const auto between = [](int i, int a, int b) { return i >= std::min(a, b) && i <= std::max(a, b); };
    const bool anchorSelected = IndexOf(FAnchor) >= 0;
    const TDBGridColumnsLt& columns = *FGrid->Columns();

    // What the previous extension did beyond the new range is undone.
    for (int i = std::min(anchor, oldShift); i <= std::max(anchor, oldShift); ++i) {
        TColumnLt* column = columns.Items(i);
        if (between(i, anchor, target) || FShiftSelected.IndexOf(column) < 0)
            continue;
        SetSelected(column, IndexOf(column) < 0);
        FShiftSelected.Remove(column);
        Selection().SelectionChanged();
    }
    // The new range takes the anchor's state.
    for (int i = std::min(anchor, target); i <= std::max(anchor, target); ++i) {
        TColumnLt* column = columns.Items(i);
        const bool selected = IndexOf(column) >= 0;
        const bool change = anchorSelected ? !selected && column->Visible() : selected && column != FAnchor;
        if (!change)
            continue;
        SetSelected(column, anchorSelected);
        FShiftSelected.Add(column);
        Selection().SelectionChanged();
    }
    FShiftCol = Column;
    Selection().SetSelectionType(Count() > 0 ? gstColumns : gstNon);
}

void TDBGridLtSelectionCols::Prune()
{
    const auto gone = [this](const TColumnLt* column) { return IndexOfColumn(column) < 0; };
    for (int i = Count() - 1; i >= 0; --i)
        if (gone(Items(i)))
            Remove(Items(i));
    for (int i = FShiftSelected.Count() - 1; i >= 0; --i)
        if (gone(FShiftSelected.Items(i)))
            FShiftSelected.Remove(FShiftSelected.Items(i));
    if (gone(FAnchor))
        FAnchor = nullptr;
    if (gone(FShiftCol))
        FShiftCol = nullptr;
    std::vector<TColumnLt*> sorted(begin(), end());
    std::stable_sort(sorted.begin(), sorted.end(),
                     [this](const TColumnLt* a, const TColumnLt* b) { return IndexOfColumn(a) < IndexOfColumn(b); });
    TColumnsLtList::Clear();
    for (TColumnLt* column : sorted)
        Add(column);
}

TGridRectLt TDBGridLtSelectionCols::EnclosingGridRect() const
{
    if (Count() == 0)
        return {-1, -1, -1, -1};
    return {FGrid->DataToRawColumn(IndexOfColumn(Items(0))), 0,
            FGrid->DataToRawColumn(IndexOfColumn(Items(Count() - 1))), FGrid->FullRowCount() - 1};
}
