// The data grid's side of its selection: the allowed kinds, the change
// event, repainting cells, the editor giving way to a selection, and the
// column selection following a new layout.
#include "dbgrid/core/dbgridlt.h"

void TCustomDBGridLt::SetAllowedSelections(TDBGridLtAllowedSelections Value)
{
    FAllowedSelections = Value;
    const TDBGridLtSelectionType kind = FSelection->SelectionType();
    if (kind != gstNon && !Value.Contains(kind))
        FSelection->Clear();
}

void TCustomDBGridLt::DoSelectionChanged()
{
    if (FOnSelectionChanged)
        FOnSelectionChanged(this);
}

void TCustomDBGridLt::SelectionTypeChanged()
{
    if (FSelection->SelectionType() != gstNon && EditorMode())
        HideEditor();
}

void TCustomDBGridLt::InvalidateGridRect(const TGridRectLt& Cells)
{
    RepaintRect(Cells);
}

void TCustomDBGridLt::RefreshSelection()
{
    FSelection->ColumnList()->Prune();
    if (FSelection->SelectionType() == gstColumns)
        FSelection->RecheckState();
}
