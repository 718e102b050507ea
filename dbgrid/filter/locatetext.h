#pragma once
// The default text search of the data grid: walks the records (and, when
// asked, the columns of each record) from the current cell for a cell whose
// text matches a pattern.
#include <string>

#include "dbgrid/core/locatetextgrid.h"
#include "platform/rtl/variant.h"

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
