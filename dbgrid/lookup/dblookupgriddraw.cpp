// The lookup grid's painting: the special row's cells in their own text,
// colour and font, and the data rows, where the row of the selected key (or
// the special row when it is selected) is highlighted with a focus
// rectangle around the whole row.
#include "dbcontrols/variantsmatch.h"
#include "dbgrid/core/celltextdrawing.h"
#include "dbgrid/core/colcellparamslt.h"
#include "dbgrid/lookup/dblookupgridlt.h"
#include "dbgrid/lookup/lookupgridcolumnlt.h"

namespace {
constexpr int kTextMargin = 2;

void PaintCellText(TCanvas& Canvas, const TRect& Rect, const std::string& Text, TAlignment Alignment,
                   bool EndEllipsis)
{
    Canvas.FillRect(Rect);
    DrawCellText(&Canvas, Rect, false, kTextMargin, kTextMargin, Text, Alignment, tlTop, false, EndEllipsis, 0, 0);
}
} // namespace

void TDBLookupGridLt::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    const int dataCol = RawToDataColumn(ACol);
    const bool dataCell = dataCol >= 0 && dataCol < Columns()->Count();
    const bool specRow = ARow == SpecGridRow();
    if (!dataCell || (ARow < FirstDataRow() && !specRow)) {
        TCustomDBGridLt::DrawCell(ACol, ARow, ARect, AState);
        return;
    }
    TCanvas& canvas = *Canvas();
    auto* column = static_cast<TDBLookupGridColumnLt*>(Columns()->Items(dataCol));
    bool selected = false;
    if (specRow) {
        const TGridColumnSpecCellLt* cell = column->SpecCell();
        selected = FSpecRowSelected;
        canvas.Font()->Assign(cell->Font());
        canvas.Brush()->SetColor(selected ? clHighlight : cell->Color());
        if (selected)
            canvas.Font()->SetColor(clHighlightText);
        PaintCellText(canvas, ARect, cell->Text(), column->Alignment(), column->EndEllipsis());
    } else {
        TGridDataLinkLt* link = DataLink();
        const int record = ARow - FirstDataRow();
        if (!link->Active() || record >= link->RecordCount()) {
            canvas.Brush()->SetColor(Color());
            canvas.FillRect(ARect);
            return;
        }
        const int saved = link->ActiveRecord();
        link->SetActiveRecord(record);
        try {
            selected = !FSpecRowSelected && FListActive && VariantsMatch(CurrentKeyValue(), FSelectedKey);
            TColCellParamsLt& params = *ColCellParams();
            column->FillCellParams(&params);
            params.Row = record;
            params.Col = dataCol;
            params.State = selected ? AState + TGridDrawState{gdSelected} : AState - TGridDrawState{gdSelected};
            TColor background = selected ? clHighlight : params.Background;
            if (selected)
                params.Font->SetColor(clHighlightText);
            DoGetCellParams(column, params.Font.get(), background, params.State);
            canvas.Font()->Assign(params.Font.get());
            canvas.Brush()->SetColor(background);
            PaintCellText(canvas, ARect, params.Text, params.Alignment, column->EndEllipsis());
        } catch (...) {
            link->SetActiveRecord(saved);
            throw;
        }
        link->SetActiveRecord(saved);
    }
    if (selected && dataCol == Columns()->Count() - 1) {
        const TRect first = CellBounds(DataToRawColumn(0), ARow);
        canvas.DrawFocusRect(Rect(IsRectEmpty(first) ? ARect.Left : first.Left, ARect.Top, ARect.Right, ARect.Bottom));
    }
}
