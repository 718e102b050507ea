#include "dbgrid/exchange/gridexchangerange.h"

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/selection/dbgridselection.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"

TColumnsLtList VisibleColumnsBetween(const TCustomDBGridLt& Grid, int Left, int Right)
{
    TColumnsLtList columns;
    for (TColumnLt* column : Grid.VisibleColumns())
        if (column->Index() >= Left && column->Index() <= Right)
            columns.Add(column);
    return columns;
}

TField* ColumnValueField(const TColumnLt& Column)
{
    TField* field = Column.BoundField();
    if (field && field->Lookup())
        return field->DataSet() ? field->DataSet()->FindField(field->KeyFields()) : nullptr;
    return field;
}

TField* EditableColumnField(TColumnLt& Column)
{
    if (!Column.CanEditValue(false))
        return nullptr;
    TField* field = ColumnValueField(Column);
    TDataSet* dataSet = field ? field->DataSet() : nullptr;
    if (!dataSet || !dataSet->CanModify())
        return nullptr;
    dataSet->Edit();
    return dataSet->State() == dsEdit || dataSet->State() == dsInsert ? field : nullptr;
}

TGridExchangeRangeLt GridExchangeRange(TCustomDBGridLt& Grid, bool ForAll)
{
    TGridExchangeRangeLt range;
    const TDBGridLtSelection& selection = *Grid.Selection();
    range.Kind = ForAll ? gstAll : selection.SelectionType();
    switch (range.Kind) {
    case gstNon: break;
    case gstRecordBookmarks:
        range.Columns = Grid.VisibleColumns();
        for (int i = 0; i < selection.Rows()->BookmarkCount(); ++i)
            range.Bookmarks.push_back(selection.Rows()->BookmarkAt(i));
        break;
    case gstRectangle:
        range.Columns = VisibleColumnsBetween(Grid, selection.Rect()->LeftCol(), selection.Rect()->RightCol());
        range.TopRow = selection.Rect()->TopRow();
        range.BottomRow = selection.Rect()->BottomRow();
        break;
    case gstColumns: range.Columns = *selection.ColumnList(); break;
    case gstAll: range.Columns = Grid.VisibleColumns(); break;
    }
    return range;
}

void ForEachRangeRecord(TDataSet& DataSet, const TGridExchangeRangeLt& Range, const std::function<bool()>& Proc)
{
    switch (Range.Kind) {
    case gstNon: return;
    case gstRecordBookmarks:
        for (const std::string& bookmark : Range.Bookmarks)
            if (DataSet.BookmarkValid(bookmark)) {
                DataSet.GotoBookmark(bookmark);
                if (!Proc())
                    return;
            }
        return;
    case gstRectangle:
        if (!DataSet.BookmarkValid(Range.TopRow))
            return;
        DataSet.GotoBookmark(Range.TopRow);
        while (!DataSet.Eof()) {
            if (!Proc() || DataSet.CompareBookmarks(DataSet.Bookmark(), Range.BottomRow) == 0)
                return;
            DataSet.Next();
        }
        return;
    case gstColumns:
    case gstAll:
        DataSet.First();
        while (!DataSet.Eof() && Proc())
            DataSet.Next();
        return;
    }
}

void WithRecordPositionSaved(TDataSet& DataSet, const std::function<void()>& Proc)
{
    const std::string bookmark = DataSet.Bookmark();
    const auto goBack = [&] {
        if (DataSet.BookmarkValid(bookmark))
            DataSet.GotoBookmark(bookmark);
    };
    try {
        Proc();
    } catch (...) {
        goBack();
        throw;
    }
    goBack();
}
