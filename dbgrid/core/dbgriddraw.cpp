// The data grid's cell painting: which part of the grid a cell belongs to,
// its frame and insets, the focus rectangle, and the hooks descendants and
// handlers get after each cell.
#include "dbcontrols/buttonpaint.h"
#include "dbgrid/core/colcellparamslt.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/core/gridstylelt.h"

TDBGridCellTypeLt TCustomDBGridLt::GetCellType(int ACol, int ARow) const
{
    TDBGridCellTypeLt cell;
    if (ACol < FIndicatorOffset) {
        cell.ColPart = ccpIndicatorLt;
        cell.ColIndex = ACol;
    } else {
        cell.ColPart = ccpDataColLt;
        cell.ColIndex = ACol - FIndicatorOffset;
    }
    const int titleRows = FOptions.Contains(dgTitles) ? 1 : 0;
    if (ARow >= 0 && ARow < titleRows) {
        cell.RowPart = crpTitleLt;
        cell.RowIndex = ARow;
    } else if (ARow >= titleRows && ARow < FTitleOffset) {
        cell.RowPart = crpFilterLt;
        cell.RowIndex = ARow - titleRows;
    } else if (ARow >= FTitleOffset && ARow < RowCount()) {
        cell.RowPart = crpDataLt;
        cell.RowIndex = ARow - FTitleOffset;
    } else if (ARow >= RowCount() && ARow < FullRowCount()) {
        cell.RowPart = crpFooterLt;
        cell.RowIndex = ARow - RowCount();
    } else {
        throw EInvalidGridOperationLt("Algorithm error in TCustomDBGridLt.GetCellType");
    }
    return cell;
}

void TCustomDBGridLt::SetStyle(TDBGridLtStyle* Value)
{
    if (FStyle == Value)
        return;
    if (FStyle)
        FStyle->UnfollowStyle(this);
    FStyle = Value;
    if (FStyle)
        FStyle->FollowStyle(this);
    Invalidate();
}

bool TCustomDBGridLt::CellIs3D(const TDBGridCellTypeLt& Cell, int DataCol) const
{
    if (Cell.RowPart == crpFilterLt && Cell.ColPart == ccpDataColLt && DataCol < FColumns->Count() &&
        HasFilterCell(FColumns->Items(DataCol)))
        return false;
    if (Cell.RowPart == crpFooterLt)
        return FFooterRowCount > 0 && FOptionsLt.Contains(dghFooter3D);
    if (Cell.RowPart == crpTitleLt || Cell.ColPart == ccpIndicatorLt || Cell.RowPart == crpFilterLt)
        return FOptionsLt.Contains(dghFixed3D);
    if (DataCol >= 0 && DataToRawColumn(DataCol) < FixedCols())
        return FOptionsLt.Contains(dghFrozen3D);
    return FOptionsLt.Contains(dghData3D);
}

bool TCustomDBGridLt::ThemedDrawing() const
{
    return !Flat() && ButtonThemesEnabled() && FOptionsLt.Contains(dghFixed3D) && FOptions.Contains(dgColLines) &&
           FOptions.Contains(dgRowLines);
}

bool TCustomDBGridLt::FocusFrameWanted(TGridDrawState State) const
{
    return DefaultDrawing() && State.Contains(gdFocused) && !FOptions.Contains(dgRowSelect) &&
           (!FStyle || FStyle->FocusFrames());
}

void TCustomDBGridLt::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (FInLayout)
        return;
    TCanvas& canvas = *Canvas();
    if (ComponentState().Contains(csLoading)) {
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(ARect);
        return;
    }
    FColCellParams->Col = ACol;
    FColCellParams->Row = ARow;
    const TDBGridCellTypeLt cell = GetCellType(ACol, ARow);
    const int dataCol = cell.ColPart == ccpDataColLt ? cell.ColIndex : -1;
    const bool framed = CellIs3D(cell, dataCol);
    TRect rect = ARect;
    if (framed)
        InflateRect(rect, -1, -1);
    const int dy = framed ? 1 : 2;
    const int dx = dy - (Flat() ? 1 : 0);

    bool down = false;
    if (cell.ColPart == ccpIndicatorLt) {
        down = DrawIndicatorCell(cell, ARect, rect);
    } else if (cell.RowPart == crpTitleLt) {
        DrawTitleCell(dataCol, ARect, rect, framed, dx, dy);
        return;   // the title frames its own bands
    } else if (cell.RowPart == crpFilterLt) {
        DrawFilterCell(dataCol, rect, AState);
    } else if (cell.RowPart == crpDataLt) {
        down = DrawDataCellAt(dataCol, cell.RowIndex, ARect, rect, AState, dx, dy);
        if (FocusFrameWanted(AState))
            canvas.DrawFocusRect(ARect);
    } else {
        down = DrawFooterCellAt(dataCol, cell.RowIndex, ARect, rect, AState, dx, dy);
    }
    if (framed && !(ThemedDrawing() && (cell.ColPart == ccpIndicatorLt || cell.RowPart == crpTitleLt)))
        DrawCellFrame(ARect, down);
}

void TCustomDBGridLt::DrawCellFrame(TRect Rect, bool Down)
{
    TCanvas& canvas = *Canvas();
    if (!Flat()) {
        canvas.DrawEdge(Rect, Down ? BDR_SUNKENINNER : BDR_RAISEDINNER, BF_RECT);
        return;
    }
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(TRect{Rect.Right - 1, Rect.Top, Rect.Right, Rect.Bottom});
    canvas.FillRect(TRect{Rect.Left, Rect.Bottom - 1, Rect.Right, Rect.Bottom});
    TRect inner{Rect.Left, Rect.Top, Rect.Right - 1, Rect.Bottom - 1};
    canvas.DrawEdge(inner, Down ? BDR_SUNKENINNER : BDR_RAISEDINNER, BF_RECT);
}

void TCustomDBGridLt::DoGetCellParams(TColumnLt* Column, TFont* AFont, TColor& Background, TGridDrawState State)
{
    if (FOnGetCellParams)
        FOnGetCellParams(this, Column, AFont, Background, State);
}

void TCustomDBGridLt::DoGetFooterParams(int DataCol, int Row, TColumnLt* Column, TFont* AFont, TColor& Background,
                                        TAlignment& Alignment, TGridDrawState State, std::string& Text)
{
    if (FOnGetFooterParams)
        FOnGetFooterParams(this, DataCol, Row, Column, AFont, Background, Alignment, State, Text);
}

void TCustomDBGridLt::DrawDataCell(const TRect& Rect, TField* Field, TGridDrawState State)
{
    if (FOnDrawDataCell && !FColumns->Customized())
        FOnDrawDataCell(this, Rect, Field, State);
}

void TCustomDBGridLt::DrawColumnCell(const TRect& Rect, int DataCol, TColumnLt* Column, TGridDrawState State)
{
    if (FOnDrawColumnCell)
        FOnDrawColumnCell(this, Rect, DataCol, Column, State);
}

void TCustomDBGridLt::DrawFooterCell(int DataCol, int Row, TColumnLt* Column, const TRect& Rect,
                                     TGridDrawState State)
{
    if (FOnDrawFooterCell)
        FOnDrawFooterCell(this, DataCol, Row, Column, Rect, State);
}
