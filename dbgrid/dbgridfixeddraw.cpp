// The data grid's indicator column and filter row: the marks of the
// current and selected records, the filter conditions under the titles.
#include <algorithm>
#include <cmath>

#include "dbgrid/celltextdrawing.h"
#include "dbgrid/columnlt.h"
#include "dbgrid/dbgridlt.h"
#include "dbgrid/gridimageslt.h"
#include "dbgrid/paintedrecord.h"
#include "platform/data/dataset.h"
#include "platform/ui/imglist.h"

namespace {
// Each channel c becomes min(255, c + round(c / Factor)).
TColor LightenColor(TColor Color, int Factor)
{
    const TColor rgb = ColorToRGB(Color);
    const auto lighten = [Factor](int c) {
        return std::min(255, c + static_cast<int>(std::lround(static_cast<double>(c) / Factor)));
    };
    return RGBColor(lighten(GetRValue(rgb)), lighten(GetGValue(rgb)), lighten(GetBValue(rgb)));
}

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

void TCustomDBGridLt::DrawFilterCell(int, const TRect& Rect, TGridDrawState)
{
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetColor(LightenColor(FixedColor(), 8));
    canvas.FillRect(Rect);
}
