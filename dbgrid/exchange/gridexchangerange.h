#pragma once
// What an export, import or clearing of the data grid covers: the kind of
// selection it follows, its columns and its records, and the walk over
// those records.
#include <functional>
#include <string>
#include <vector>

#include "dbgrid/core/columnslt.h"
#include "dbgrid/core/dbgridtypes.h"

class TCustomDBGridLt;
class TDataSet;
class TField;

struct TGridExchangeRangeLt {
    TDBGridLtSelectionType Kind = gstNon;
    TColumnsLtList Columns;
    // gstRecordBookmarks: the marked records in the list's order.
    std::vector<std::string> Bookmarks;
    // gstRectangle: the first and the last record.
    std::string TopRow;
    std::string BottomRow;
};

// The range of the grid's selection, or of the whole grid (gstAll, the
// visible columns) when ForAll is set.
TGridExchangeRangeLt GridExchangeRange(TCustomDBGridLt& Grid, bool ForAll);
// The grid's visible columns from Left to Right (data column indexes).
TColumnsLtList VisibleColumnsBetween(const TCustomDBGridLt& Grid, int Left, int Right);

// The field a column's value is exchanged through: its field, or for a
// lookup column the dataset field its key fields name; nullptr without one.
TField* ColumnValueField(const TColumnLt& Column);

// The field to write a value of Column into in the current record, with the
// dataset put in edit state: nullptr when the column may not be edited
// (CanEditValue), has no field, or its dataset cannot be modified.
TField* EditableColumnField(TColumnLt& Column);

// Makes each record of the range current in turn and calls Proc, until it
// answers false: the marked
// records in list order (those no longer in the dataset are passed over),
// the rectangle's rows from its top row to its bottom row (or the dataset's
// end), every record from the first for columns and the whole grid.
void ForEachRangeRecord(TDataSet& DataSet, const TGridExchangeRangeLt& Range, const std::function<bool()>& Proc);

// Runs Proc and then makes the record that was current before it current
// again, when it still exists; also when Proc raises (an error while going
// back then replaces Proc's).
void WithRecordPositionSaved(TDataSet& DataSet, const std::function<void()>& Proc);
