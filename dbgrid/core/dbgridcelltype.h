#pragma once
// Where a cell of the data grid lies: the indicator or a data column, and
// the title, filter, data or footer rows, with indexes counted inside each.

enum TCellColPartLt { ccpIndicatorLt = 0, ccpDataColLt = 1 };
enum TCellRowPartLt { crpTitleLt = 0, crpFilterLt = 1, crpDataLt = 2, crpFooterLt = 4 };

struct TDBGridCellTypeLt {
    TCellColPartLt ColPart = ccpIndicatorLt;
    int ColIndex = 0;
    TCellRowPartLt RowPart = crpTitleLt;
    int RowIndex = 0;
};
