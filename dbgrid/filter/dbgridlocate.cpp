// The data grid's side of the text search and the find dialog: its visible
// columns as search positions, its record position, and both reaching the
// data service.
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/filter/griddataservice.h"
#include "platform/data/datasource.h"

TDataSet* TCustomDBGridLt::LocateDataSet() const
{
    return DataSource() ? DataSource()->DataSet() : nullptr;
}

int TCustomDBGridLt::FullyVisibleColumnCount() const
{
    return FVisibleColumns.Count();
}

int TCustomDBGridLt::CurrentColumnPosition() const
{
    const TColumnLt* current = SelectedColumn();
    for (int i = 0; i < FVisibleColumns.Count(); ++i)
        if (FVisibleColumns.Items(i) == current)
            return i;
    return 0;
}

void TCustomDBGridLt::SetCurrentColumnPosition(int Position)
{
    if (Position >= 0 && Position < FVisibleColumns.Count())
        SetSelectedIndex(FVisibleColumns.Items(Position)->Index());
}

TField* TCustomDBGridLt::ColumnField(int Position) const
{
    return Position >= 0 && Position < FVisibleColumns.Count() ? FVisibleColumns.Items(Position)->BoundField()
                                                               : nullptr;
}

std::string TCustomDBGridLt::ColumnDisplayText(int Position) const
{
    return Position >= 0 && Position < FVisibleColumns.Count() ? FVisibleColumns.Items(Position)->CellText()
                                                               : std::string();
}

void TCustomDBGridLt::SaveRecordPosition()
{
    const TDataSet* dataSet = LocateDataSet();
    FLocateBookmark = dataSet && dataSet->Active() ? dataSet->Bookmark() : std::string();
}

void TCustomDBGridLt::RestoreRecordPosition()
{
    TDataSet* dataSet = LocateDataSet();
    if (dataSet && dataSet->Active() && dataSet->BookmarkValid(FLocateBookmark))
        dataSet->GotoBookmark(FLocateBookmark);
}

std::vector<TFindColumnLt> TCustomDBGridLt::FindColumns() const
{
    std::vector<TFindColumnLt> columns;
    for (int i = 0; i < FVisibleColumns.Count(); ++i) {
        TColumnLt* column = FVisibleColumns.Items(i);
        columns.push_back({column->Title()->Caption(), column, column->FieldName()});
    }
    return columns;
}

TObject* TCustomDBGridLt::CurrentFindColumn() const
{
    return SelectedColumn();
}

bool TCustomDBGridLt::LocateText(const std::string& FieldName, const Variant& TreeFindRange, int Matching,
                                 int Direction, unsigned Options, const std::string& Text)
{
    return DBGridLtDataService().FindText(this, FieldName, TreeFindRange, Matching, Direction, Options, Text);
}

void TCustomDBGridLt::ShowFindDialog(const std::string& Text, bool Modal)
{
    const TColumnLt* column = SelectedColumn();
    DBGridLtDataService().ShowFindDialog(this, Text, column ? column->FieldName() : std::string(), Modal);
}
