// The data grid's data cells: the painted record made active, colours from
// the column, the odd and even rows and the handlers, the highlight, and
// the text, image, check box or edit buttons of the cell.
#include <algorithm>

#include <QImage>

#include "dbcontrols/buttonpaint.h"
#include "dbcontrols/editbuttoncontrol.h"
#include "dbgrid/core/celltextdrawing.h"
#include "dbgrid/core/colcellparamslt.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/core/gridimageslt.h"
#include "dbgrid/core/gridstylelt.h"
#include "dbgrid/core/paintedrecord.h"
#include "dbgrid/engine/inplaceedit.h"
#include "dbgrid/footers/dbgridsumlist.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/imagegraphic.h"
#include "platform/ui/imglist.h"

namespace {
int CheckStateIndex(TCheckBoxState State)
{
    return State == cbChecked ? 1 : State == cbGrayed ? 2 : 0;
}
} // namespace

void TCustomDBGridLt::SetIncSearchState(bool Searching, const std::string& Text)
{
    if (FIncSearching == Searching && FIncSearchText == Text)
        return;
    FIncSearching = Searching;
    FIncSearchText = Text;
    if (FDataLink->Active())
        RepaintRow(FTitleOffset + FDataLink->ActiveRecord());
}

bool TCustomDBGridLt::HighlightDataCellColor(int DataCol, int DataRow, TGridDrawState State, TFont* AFont,
                                             TColor& Background)
{
    TDataCellHighlightLt cell;
    cell.State = State;
    cell.InSelection = FDataLink->Active() && IsCellSelected(DataCol);
    cell.SelectionEmpty = SelectionEmpty();
    cell.CurrentRow = DataRow == FPaintSavedRecord;
    cell.CurrentColumn = DataToRawColumn(DataCol) == Col();
    cell.GridFocused = Focused();
    cell.SelectionActive = cell.GridFocused || (InplaceEditor() && InplaceEditor()->Focused());
    cell.EditorShown = EditorMode();
    cell.HighlightFocus = FOptionsLt.Contains(dghHighlightFocus);
    cell.RowHighlight = FOptionsLt.Contains(dghRowHighlight);
    cell.RowSelect = FOptions.Contains(dgRowSelect);
    cell.AlwaysShowSelection = FOptions.Contains(dgAlwaysShowSelection);
    if (FStyle)
        return FStyle->HighlightDataCellColor(cell, AFont, Background);
    bool focused = false;
    if (!DataCellHighlighted(cell, focused))
        return false;
    if (cell.SelectionActive && cell.InSelection) {
        Background = clHighlight;
        AFont->SetColor(clHighlightText);
    } else if (cell.CurrentRow && (cell.CurrentColumn || cell.RowSelect)) {
        Background = clBtnShadow;
        AFont->SetColor(clHighlightText);
    } else {
        Background = clBtnFace;
    }
    return true;
}

bool TCustomDBGridLt::HighlightNoDataCellColor(const TDBGridCellTypeLt& Cell, int DataCol, bool Selected,
                                               TFont* AFont, TColor& Background)
{
    const bool titleOrIndicator =
        Cell.ColPart == ccpIndicatorLt || ((Cell.RowPart == crpTitleLt || Cell.RowPart == crpFilterLt) && DataCol >= 0);
    const bool active = Focused() || (InplaceEditor() && InplaceEditor()->Focused());
    if (FStyle)
        return FStyle->HighlightFixedCellColor(Selected, titleOrIndicator, active, AFont, Background);
    if (!Selected)
        return false;
    if (titleOrIndicator) {
        Background = RGBColor(64, 64, 64);
        AFont->SetColor(clWhite);
    } else if (active) {
        Background = clHighlight;
        AFont->SetColor(clHighlightText);
    } else {
        Background = clBtnFace;
    }
    return true;
}

bool TCustomDBGridLt::DrawDataCellAt(int DataCol, int DataRow, const TRect& CellRect, const TRect& Rect,
                                     TGridDrawState State, int DX, int DY)
{
    TCanvas& canvas = *Canvas();
    TColumnLt* column = DataCol >= 0 && DataCol < FColumns->Count() ? FColumns->Items(DataCol) : nullptr;
    if (!column || !FDataLink->Active() || DataRow >= FDataLink->RecordCount()) {
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(Rect);
        return false;
    }
    const TPaintedRecordWhile painted(*FDataLink, DataRow, FPaintSavedRecord);
    TColCellParamsLt& params = *FColCellParams;
    params.Font->Assign(column->Font());
    params.Background = column->Color();
    // The record numbers are the sum list's: its own numbering stands in
    // for a dataset that has none.
    if (column->Color() == Color() && FSumList->IsSequenced()) {
        const int recNo = FSumList->RecNo();
        if (recNo > 0)
            params.Background = recNo % 2 ? OddRowColor() : EvenRowColor();
    }
    TRect contents = Rect;
    TRect buttons = Rect;
    const std::vector<TCellButtonLt> cellButtons =
        column->AlwaysShowEditButton() ? column->CellButtons() : std::vector<TCellButtonLt>{};
    if (!cellButtons.empty()) {
        contents.Right = std::max(contents.Left, contents.Right - column->EditButtonsWidth());
        buttons.Left = contents.Right;
    }
    params.State = State;
    params.Alignment = column->Alignment();
    params.Text = column->CellText();
    params.ImageIndex = column->CellImageIndex();
    params.CheckState = column->CheckState();
    params.ReadOnly = column->ReadOnly();
    DoGetCellParams(column, params.Font.get(), params.Background, State);
    column->DoGetCellParams(false, &params);

    TGridDrawState state = params.State;
    if (HighlightDataCellColor(DataCol, DataRow, state, params.Font.get(), params.Background))
        state.Include(gdSelected);

    bool showImage = true;
    if (column->HideDuplicates() && DataRow > 0) {
        std::string previous;
        {
            int shown = -1;
            const TPaintedRecordWhile above(*FDataLink, DataRow - 1, shown);
            previous = column->CellText();
        }
        if (previous == params.Text) {
            params.Text.clear();
            showImage = false;
            if (FOptions.Contains(dgRowLines)) {
                canvas.Brush()->SetColor(column->Color());
                canvas.FillRect(TRect{CellRect.Left, CellRect.Top - GridLineWidth(), CellRect.Right, CellRect.Top});
            }
        }
    }

    if (DefaultDrawing()) {
        canvas.Font()->Assign(params.Font.get());
        canvas.Brush()->SetColor(params.Background);
        DrawDataContents(column, contents, DX, DY, showImage);
        if (!cellButtons.empty())
            DrawEditButtonStrip(cellButtons, buttons);
    }
    if (column->HighlightRequired() && DataRow == FPaintSavedRecord && column->RequiredValueMissing())
        DrawRequiredMark(&canvas, Rect);
    if (FIncSearching && !FIncSearchText.empty() && DataRow == FPaintSavedRecord &&
        DataToRawColumn(DataCol) == Col() && Focused()) {
        canvas.Font()->SetColor(GridSearchTextColor());
        canvas.Brush()->SetColor(GridSearchColor());
        const std::string prefix = params.Text.substr(0, std::min(params.Text.size(), FIncSearchText.size()));
        int x = contents.Left + DX;
        if (params.Alignment == taRightJustify)
            x = contents.Right - canvas.TextWidth(params.Text) - 3;
        else if (params.Alignment == taCenter)
            x = contents.Left + (contents.Width() - canvas.TextWidth(params.Text)) / 2;
        canvas.TextRect(TRect{x, contents.Top, std::min(contents.Right, x + canvas.TextWidth(prefix)), contents.Bottom},
                        x, contents.Top + DY, prefix);
    }
    DrawDataCell(CellRect, column->BoundField(), state);
    DrawColumnCell(CellRect, DataCol, column, state);
    return state.Contains(gdSelected);
}

void TCustomDBGridLt::DrawDataContents(TColumnLt* Column, const TRect& Rect, int DX, int DY, bool ShowImage)
{
    TCanvas& canvas = *Canvas();
    const TColCellParamsLt& params = *FColCellParams;
    const TCustomImageList* images = Column->ImageList();
    const TColumnKindLt kind = Column->ColumnKind();
    TRect textRect = Rect;
    if (images && Column->ShowImageAndText()) {
        const TRect strip{Rect.Left, Rect.Top, std::min(Rect.Right, Rect.Left + images->Width() + 4), Rect.Bottom};
        canvas.Brush()->SetColor(Column->Color());
        canvas.FillRect(strip);
        if (ShowImage && params.ImageIndex >= 0)
            DrawImageInRect(images, &canvas, strip, taCenter, 0, params.ImageIndex);
        canvas.Brush()->SetColor(params.Background);
        textRect.Left = strip.Right;
    } else if (images && kind == ckKeyImagesLt) {
        canvas.FillRect(Rect);
        if (ShowImage && params.ImageIndex >= 0)
            DrawImageInRect(images, &canvas, Rect, taCenter, 0, params.ImageIndex);
        return;
    } else if (kind == ckCheckBoxesLt) {
        canvas.FillRect(Rect);
        TRect check;
        PlaceCheckBoxRect(Rect, 2, 1, check);
        PaintCheckBoxFace(&canvas, check, CheckStateIndex(params.CheckState), false, false, Flat(), true);
        return;
    }
    DrawCellText(&canvas, textRect, true, DX, DY, params.Text, params.Alignment, Column->Layout(),
                 Column->WordWrap() && FCanWordWrap, Column->EndEllipsis(), 0, 0);
}

void TCustomDBGridLt::DrawEditButtonStrip(const std::vector<TCellButtonLt>& Buttons, const TRect& Strip)
{
    TCanvas& canvas = *Canvas();
    const TColor background = FColCellParams->Background;
    canvas.Brush()->SetColor(background);
    canvas.FillRect(Strip);
    int edge = Strip.Right;
    for (const TCellButtonLt& button : Buttons) {
        const TRect face{edge - button.Width, Strip.Top, edge,
                         std::min(Strip.Bottom, Strip.Top + EditButtonHeightFromWidth(button.Width, Flat()))};
        const bool enabled = !button.Button || button.Button->Enabled();
        if (button.Style == ebsGlyphLt)
            DrawGlyphButtonFace(canvas, face, *button.Button);
        else
            PaintButtonFace(&canvas, face, background, 0, enabled, false, Flat(), 0, ButtonPaintKindOf(button.Style));
        edge = face.Left - (Flat() ? 1 : 0);
    }
}

void TCustomDBGridLt::DrawGlyphButtonFace(TCanvas& Canvas, const TRect& Face, const TEditButtonLt& Button)
{
    const TRect inner = PaintPlainButtonFace(&Canvas, Face, false, false, Flat(), Button.Enabled());
    const QImage glyph = GlyphOfState(*Button.Glyph(), Button.NumGlyphs(), Button.Enabled() ? bsUp : bsDisabled);
    if (glyph.isNull())
        return;
    const TImageGraphic picture(glyph);
    Canvas.SaveState();
    Canvas.IntersectClipRect(inner);
    Canvas.Draw(inner.Left + (inner.Width() - glyph.width()) / 2, inner.Top + (inner.Height() - glyph.height()) / 2,
                &picture);
    Canvas.RestoreState();
}
