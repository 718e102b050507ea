// The data grid's indicator column: the marks of the current and selected
// records.
#include "dbgrid/core/celltextdrawing.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/core/gridimageslt.h"
#include "dbgrid/core/paintedrecord.h"
#include "platform/data/dataset.h"
#include "platform/ui/imglist.h"

namespace {
int IndicatorImage(TDataSetState State, bool Current, bool Selected, bool Searching)
{
    if (!Current)
        return -1;
    switch (State) {
    case dsEdit: return iiEditLt;
    case dsInsert: return iiInsertLt;
    case dsBrowse:
        if (Selected)
            return iiCurrentSelectedLt;
        return Searching ? iiSearchLt : iiCurrentLt;
    default: return iiCurrentLt;
    }
}
} // namespace

bool TCustomDBGridLt::DrawIndicatorCell(const TDBGridCellTypeLt& Cell, const TRect& CellRect, const TRect& Rect)
{
    TCanvas& canvas = *Canvas();
    TColor background = FixedColor();
    bool current = false, selected = false;
    if (Cell.RowPart == crpDataLt && FDataLink->Active() && Cell.RowIndex < FDataLink->RecordCount()) {
        current = Cell.RowIndex == FDataLink->ActiveRecord();
        const TPaintedRecordWhile painted(*FDataLink, Cell.RowIndex, FPaintSavedRecord);
        selected = IsRowSelected();
    }
    const bool highlighted = selected && HighlightNoDataCellColor(Cell, -1, true, canvas.Font(), background);
    if (ThemedDrawing() && !highlighted && background == FixedColor()) {
        canvas.DrawThemed(TThemedElement::HeaderItem, {}, CellRect);
    } else {
        canvas.Brush()->SetColor(background);
        canvas.FillRect(Rect);
    }
    if (current)
        FIndicatorRow = Cell.RowIndex;
    const int image = IndicatorImage(FDataLink->DataSet() ? FDataLink->DataSet()->State() : dsInactive, current,
                                     selected, IncSearching());
    if (image >= 0) {
        const TCustomImageList* images = GridIndicatorImages();
        DrawImageInRect(images, &canvas, Rect, taRightJustify, 0, image);
    }
    return highlighted;
}
