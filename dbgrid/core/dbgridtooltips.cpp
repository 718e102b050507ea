// Tool tips of the data grid's cells: a data cell of a column with ToolTips,
// a title with ToolTips (and no Hint of its own) and a footer with ToolTips
// show their whole text over the cell when the cell cannot show all of it. The tip comes as soon
// as the mouse enters such a cell; elsewhere the grid's hint waits as usual.
// A title's Hint shows its short form instead.
#include "dbcontrols/tooltipswindow.h"
#include "dbgrid/core/celltextdrawing.h"
#include "dbgrid/core/colcellparamslt.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/core/gridtooltips.h"
#include "platform/ui/application.h"
#include "platform/ui/hintwindow.h"
#include "platform/ui/imglist.h"
#include "platform/ui/picture.h"

namespace {
// The part of a hint before its first '|'.
std::string ShortHint(const std::string& Hint)
{
    return Hint.substr(0, Hint.find('|'));
}

// The PickList entry at Index, empty when there is none.
std::string PickListEntry(const TColumnLt& Column, int Index)
{
    if (!Column.HasPickList() || Index < 0 || Index >= Column.PickList()->Count())
        return {};
    return Column.PickList()->Strings(Index);
}
} // namespace

std::string TCustomDBGridLt::CellToolTipText(int ACol, int ARow)
{
    const int dataCol = RawToDataColumn(ACol);
    if (ACol < FIndicatorOffset || dataCol >= FColumns->Count() || ARow < 0 || ARow >= FullRowCount())
        return {};
    TColumnLt* column = FColumns->Items(dataCol);
    TRect cell = CellBounds(ACol, ARow);
    if (IsRectEmpty(cell))
        return {};
    TBitmap measure;
    measure.SetSize(1, 1);
    TCanvas* canvas = measure.Canvas();
    if (ARow < FTitleOffset) {
        const TColumnTitleLt* title = column->Title();
        if (!title->ToolTips() || !title->Hint().empty())
            return {};
        canvas->Font()->Assign(title->Font());
        // A vertical title reads along the cell's height.
        const TRect room = title->Orientation() == tohVertical ? TurnRect(cell) : cell;
        const std::string text = title->Caption();
        FToolTipFont->Assign(title->Font());
        return TextNeedsToolTip(canvas, room, text, {}) ? text : std::string();
    }
    if (ARow >= RowCount()) {
        const int footerRow = ARow - RowCount();
        const TColumnFooterLt* footer = column->FooterOfRow(footerRow);
        if (!footer->ToolTips())
            return {};
        // Measured as painted: the footer handlers may change font and text.
        std::string text = GetFooterValue(footerRow, column);
        canvas->Font()->Assign(footer->Font());
        TColor background = footer->Color();
        TAlignment alignment = footer->Alignment();
        DoGetFooterParams(dataCol, footerRow, column, canvas->Font(), background, alignment, {}, text);
        FToolTipFont->Assign(canvas->Font());
        return TextNeedsToolTip(canvas, cell, text, {footer->WordWrap()}) ? text : std::string();
    }
    const int record = ARow - FTitleOffset;
    if (!column->ToolTips() || !FDataLink->Active() || record >= FDataLink->RecordCount())
        return {};
    const int saved = FDataLink->ActiveRecord();
    FDataLink->SetActiveRecord(record);
    std::string text;
    bool needed = false;
    try {
        TColCellParamsLt& params = *FColCellParams;
        column->FillCellParams(&params);
        FToolTipFont->Assign(params.Font.get());
        switch (column->ColumnKind()) {
        case ckCheckBoxesLt:
            // The cell shows a box or a picture: its meaning is the tip.
            text = PickListEntry(*column, static_cast<int>(column->CheckState()));
            needed = !text.empty();
            break;
        case ckKeyImagesLt:
            text = PickListEntry(*column, column->CellImageIndex());
            needed = !text.empty();
            break;
        default: {
            text = params.Text;
            if (column->ShowImageAndText() && column->ImageList())
                cell.Left += column->ImageList()->Width();
            canvas->Font()->Assign(params.Font.get());
            needed = TextNeedsToolTip(canvas, cell, text, {column->WordWrap() && CanWordWrap()});
            break;
        }
        }
    } catch (...) {
        FDataLink->SetActiveRecord(saved);
        throw;
    }
    FDataLink->SetActiveRecord(saved);
    return needed ? text : std::string();
}

void TCustomDBGridLt::HintShow(THintInfo& Info)
{
    const TGridCoordLt cell = MouseToCell(Info.CursorPos.X, Info.CursorPos.Y);
    if (cell.X < 0)
        return;
    const std::string text = CellToolTipText(cell.X, cell.Y);
    if (!text.empty()) {
        const TRect r = CellBounds(cell.X, cell.Y);
        Info.HintStr = text;
        Info.HintPos = ClientToScreen(r.TopLeft());
        Info.CursorRect = r;
        const TFont* font = FToolTipFont.get();
        Info.HintWindowClass = [font](TComponent* Owner) { return new TToolTipsWindow(Owner, font); };
        return;
    }
    const int dataCol = RawToDataColumn(cell.X);
    if (cell.Y < FTitleOffset && cell.X >= FIndicatorOffset && dataCol < FColumns->Count()) {
        const std::string& hint = FColumns->Items(dataCol)->Title()->Hint();
        if (!hint.empty())
            Info.HintStr = ShortHint(hint);
    }
}

void TCustomDBGridLt::TrackToolTip(int X, int Y)
{
    const TGridCoordLt cell = MouseToCell(X, Y);
    if (cell == FToolTipCell)
        return;
    FToolTipCell = cell;
    if (cell.X >= 0 && !CellToolTipText(cell.X, cell.Y).empty()) {
        FToolTipShown = ShowControlHint(this, ClientToScreen(TPoint{X, Y}));
        return;
    }
    HideToolTip();
}

void TCustomDBGridLt::HideToolTip()
{
    if (FToolTipShown && Application)
        Application->CancelHint();
    FToolTipShown = false;
}
