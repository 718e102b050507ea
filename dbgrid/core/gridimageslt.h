#pragma once
// The pictures every data grid shares, drawn once per process on first use:
// the indicator column's marks, the titles' sort markers with the font of
// their sort index, and the cursors of a column being moved. The
// incremental-search colour lives here too: the indicator's search mark is
// drawn on it.
#include "platform/ui/controls.h"
#include "platform/ui/graphics.h"

class QCursor;
class TCustomImageList;

// The pictures of the indicator list.
enum TIndicatorImageLt {
    iiCurrentLt = 0,         // the current record
    iiEditLt = 1,            // the current record being edited
    iiInsertLt = 2,          // the current record being inserted
    iiMultiDotLt = 3,        // a selected record
    iiMultiArrowLt = 4,      // the current record among selected ones
    iiCurrentSelectedLt = 5, // the current record, itself selected (light on the dark selection)
    iiSearchLt = 6           // the current record during incremental search (on the search colour)
};

// The pictures of the sort-marker list.
enum TSortMarkerImageLt { smiDownLt = 0, smiUpLt = 1 };

// The selection cursors: pointing down over the strip of a title that
// selects its column, right (or left, for right-to-left reading) over the
// indicator cell that selects its row.
enum TGridCursorLt { gcDownLt, gcRightLt, gcLeftLt };

TCustomImageList* GridIndicatorImages();
TCustomImageList* GridSortMarkerImages();
// "Arial", one pixel less high than a sort marker.
const TFont* GridSortIndexFont();
const QCursor& GridCursor(TGridCursorLt Cursor);
// The number under which the cursor is registered for TControl::SetCursor.
TCursor GridCursorNumber(TGridCursorLt Cursor);

// The incremental-search colours (yellow, black text): setting the colour
// draws the indicator's search mark anew.
TColor GridSearchColor();
void SetGridSearchColor(TColor Value);
TColor GridSearchTextColor();
void SetGridSearchTextColor(TColor Value);
