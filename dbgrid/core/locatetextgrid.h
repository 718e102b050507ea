#pragma once
// What the data grid's text search needs of a grid, and how a search
// matches, which way it goes and its option bits.
#include <string>

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
