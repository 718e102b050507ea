#pragma once
// A buffered record made the data link's active record while one cell is
// painted: the fields show that record's values, and the record that was
// active comes back when this goes, also when a handler raises.
#include "platform/data/datasource.h"

class TPaintedRecordWhile {
public:
    // Saved receives the record that was active, and -1 again at the end.
    TPaintedRecordWhile(TDataLink& Link, int Record, int& Saved)
        : FLink(Link), FSaved(Saved), FPrevious(Link.ActiveRecord())
    {
        FSaved = FPrevious;
        FLink.SetActiveRecord(Record);
    }
    ~TPaintedRecordWhile()
    {
        FLink.SetActiveRecord(FPrevious);
        FSaved = -1;
    }
    TPaintedRecordWhile(const TPaintedRecordWhile&) = delete;
    TPaintedRecordWhile& operator=(const TPaintedRecordWhile&) = delete;

private:
    TDataLink& FLink;
    int& FSaved;
    int FPrevious;
};
