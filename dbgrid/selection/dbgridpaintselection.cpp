// What the painting asks of the selection: whether a data cell, a record
// (for the indicator) or a column's title is selected.
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "platform/data/dataset.h"

bool TCustomDBGridLt::IsCellSelected(int DataCol) const
{
    TDataSet* dataSet = FDataLink->DataSet();
    return dataSet && FSelection->IsCellSelected(DataCol, dataSet->Bookmark());
}

bool TCustomDBGridLt::IsRowSelected() const
{
    if (FSelection->SelectionType() == gstAll)
        return true;
    return FOptions.Contains(dgMultiSelect) && FSelection->SelectionType() == gstRecordBookmarks &&
           FSelectedRows->IsCurrentRowSelected();
}

bool TCustomDBGridLt::IsColumnSelected(int DataCol) const
{
    switch (FSelection->SelectionType()) {
    case gstAll: return true;
    case gstColumns: return FSelection->ColumnList()->IndexOf(FColumns->Items(DataCol)) >= 0;
    case gstRectangle:
        return FDataLink->Active() && DataCol >= FSelection->Rect()->LeftCol() &&
               DataCol <= FSelection->Rect()->RightCol();
    default: return false;
    }
}

bool TCustomDBGridLt::SelectionEmpty() const
{
    return FSelection->SelectionType() == gstNon;
}
