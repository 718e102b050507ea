#pragma once
// The default text search of the data grid: walks the records (and, when
// asked, the columns of each record) from the current cell for a cell whose
// text matches a pattern.
#include <string>

#include "platform/rtl/variant.h"

class TDataSet;
class TField;

// What the search needs of a data grid. Column positions count the fully
// shown scrolling columns from 0.
class ILocateTextGridLt {
public:
    virtual ~ILocateTextGridLt() = default;
    // The dataset of the grid's data source; nullptr without one.
    virtual TDataSet* LocateDataSet() const = 0;
    virtual int FullyVisibleColumnCount() const = 0;
    virtual int CurrentColumnPosition() const = 0;
    virtual void SetCurrentColumnPosition(int Position) = 0;
    // The column's field (nullptr without one) and its text as the grid
    // shows it in the current record.
    virtual TField* ColumnField(int Position) const = 0;
    virtual std::string ColumnDisplayText(int Position) const = 0;
    // Remembers and goes back to the grid's record position.
    virtual void SaveRecordPosition() = 0;
    virtual void RestoreRecordPosition() = 0;
};

enum TLocateTextMatchingLt { ltmAnyPartLt = 0, ltmWholeFieldLt = 1, ltmFieldStartLt = 2 };
enum TLocateTextDirectionLt { ltdUpLt = 0, ltdDownLt = 1, ltdAllLt = 2 };
// Option bits.
constexpr unsigned ltoCaseInsensitiveLt = 1, ltoAllColumnsLt = 2, ltoUseFormatLt = 4;

// Searches from the grid's current cell: up and down take a step first,
// all starts at the first record (and its first column when searching all
// columns). Searching one column, the first column showing FieldName is
// searched when there is one, else the current column. On a match the
// record stays current and the match's column becomes the grid's current
// column; otherwise the grid goes back to its record. False without a grid,
// an active dataset or a fully shown column. TreeFindRange is for data
// service handlers; the default search does not use it.
bool LocateTextInDataSet(ILocateTextGridLt* Grid, const std::string& FieldName, const Variant& TreeFindRange,
                         int Matching, int Direction, unsigned Options, const std::string& Text);
