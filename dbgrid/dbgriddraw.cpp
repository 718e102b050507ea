// The data grid's plain cell painting: title captions, the indicator's
// mark of the current record, and each data cell's text in its column's
// font, colour and alignment, with the painted record made active.
#include <algorithm>

#include "dbgrid/colcellparamslt.h"
#include "dbgrid/columnlt.h"
#include "dbgrid/dbgridlt.h"

namespace {
void DrawAlignedText(TCanvas& Canvas, const TRect& Rect, TAlignment Alignment, const std::string& Text)
{
    const int width = Canvas.TextWidth(Text);
    int x = Rect.Left + 2;
    if (Alignment == taRightJustify)
        x = Rect.Right - 2 - width;
    else if (Alignment == taCenter)
        x = Rect.Left + (Rect.Width() - width) / 2;
    Canvas.TextRect(Rect, x, Rect.Top + 2, Text);
}
} // namespace

void TCustomDBGridLt::DoGetCellParams(TColumnLt* Column, TFont* AFont, TColor& Background, TGridDrawState State)
{
    if (FOnGetCellParams)
        FOnGetCellParams(this, Column, AFont, Background, State);
}

void TCustomDBGridLt::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    TCanvas& canvas = *Canvas();
    const int dataCol = RawToDataColumn(ACol);
    TColumnLt* column = dataCol >= 0 && dataCol < FColumns->Count() ? FColumns->Items(dataCol) : nullptr;
    const int record = ARow - FTitleOffset;
    if (ARow < FTitleOffset) {
        if (!column)
            return;
        canvas.Font()->Assign(column->Title()->Font());
        canvas.Brush()->SetColor(column->Title()->Color());
        DrawAlignedText(canvas, ARect, column->Title()->Alignment(), column->Title()->Caption());
        return;
    }
    if (ACol < FIndicatorOffset) {
        if (FDataLink->Active() && record == FDataLink->ActiveRecord()) {
            canvas.Brush()->SetColor(clWindowText);
            const int midY = (ARect.Top + ARect.Bottom) / 2;
            const int left = ARect.Left + 3;
            canvas.Polygon({TPoint{left, midY - 3}, TPoint{left + 3, midY}, TPoint{left, midY + 3}});
        }
        return;
    }
    if (!column || !FDataLink->Active() || record < 0 || record >= FDataLink->RecordCount())
        return;
    const int saved = FDataLink->ActiveRecord();
    FDataLink->SetActiveRecord(record);
    try {
        TColCellParamsLt& params = *FColCellParams;
        column->FillCellParams(&params);
        params.Row = record;
        params.Col = dataCol;
        params.State = AState;
        TColor background = AState.Contains(gdSelected) && Focused() ? clHighlight : params.Background;
        if (AState.Contains(gdSelected) && Focused())
            params.Font->SetColor(clHighlightText);
        DoGetCellParams(column, params.Font.get(), background, AState);
        canvas.Font()->Assign(params.Font.get());
        canvas.Brush()->SetColor(background);
        canvas.FillRect(ARect);
        DrawAlignedText(canvas, ARect, params.Alignment, params.Text);
    } catch (...) {
        FDataLink->SetActiveRecord(saved);
        throw;
    }
    FDataLink->SetActiveRecord(saved);
}
