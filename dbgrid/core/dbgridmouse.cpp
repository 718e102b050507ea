// The data grid's mouse: title buttons and sort marking, clicks on data
// cells (moving the dataset, selecting, stepping check-box and image
// cells), live column sizing, the double click that fits a column, and the
// cursor over sizing borders and the strips that select columns and rows.
#include <algorithm>
#include <cstdlib>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/core/gridimageslt.h"
#include "dbgrid/engine/inplaceedit.h"
#include "platform/data/field.h"
#include "platform/rtl/clocks.h"
#include "platform/ui/menus.h"

namespace {
// How far a held title button moves before it becomes a column move.
constexpr int kTitleMoveThreshold = 3;
// The width of a column border's sizing zone in the titles.
constexpr int kSizingZone = 7;
} // namespace

bool TCustomDBGridLt::OnColumnSizingBorder(int X, int Y, int& RawCol) const
{
    RawCol = -1;
    if (!(FOptions.Contains(dgColumnResize) || Designing()) || FTitleOffset == 0 || RowCount() == 0)
        return false;
    const TGridAxisLt v = VertAxis();
    if (Y < 0 || Y >= v.FixedBoundary)
        return false;
    const TGridAxisLt h = HorzAxis();
    const int line = GridLineWidth();
    const int zone = std::max(kSizingZone, line);
    for (int raw = FIndicatorOffset; raw < ColCount(); ++raw) {
        const int start = h.CellStart(raw);
        if (start < 0)
            continue;
        const int border = start + h.Extent(raw);
        const int from = border - (kSizingZone - line) / 2;
        if (X >= from && X < from + zone) {
            RawCol = raw;
            return true;
        }
    }
    return false;
}

void TCustomDBGridLt::SizeColumnLive(int X)
{
    int width = std::max(1, X - FSizingStart);
    if (FAutoFitColWidths) {
        const TGridAxisLt h = HorzAxis();
        int right = 0;
        for (int raw = FSizingCol + 1; raw < ColCount(); ++raw)
            right += h.Span(raw);
        width = std::min(width, std::max(1, h.ClientExtent - h.CellStart(FSizingCol) - right));
    }
    if (TColumnLt* column = FColumns->Items(RawToDataColumn(FSizingCol)))
        column->SetWidth(width);
}

TColumnsLtList TCustomDBGridLt::ColumnsToFit(TColumnLt* Clicked) const
{
    TColumnsLtList list;
    if (Selection()->SelectionType() == gstColumns) {
        for (TColumnLt* column : *Selection()->ColumnList())
            list.Add(column);
    } else if (Selection()->SelectionType() == gstAll) {
        for (TColumnLt* column : FVisibleColumns)
            list.Add(column);
    }
    if (list.IndexOf(Clicked) < 0)
        list.Add(Clicked);
    return list;
}

// ---- titles ------------------------------------------------------------------------

void TCustomDBGridLt::CheckTitleButton(int ACol, bool& Enabled)
{
    if (ACol < 0 || ACol >= FColumns->Count()) {
        Enabled = false;
        return;
    }
    if (FOnCheckButton)
        FOnCheckButton(this, ACol, FColumns->Items(ACol), Enabled);
}

void TCustomDBGridLt::TitleBtnClick(int ACol, TColumnLt* Column)
{
    if (FOnTitleBtnClick)
        FOnTitleBtnClick(this, ACol, Column);
}

void TCustomDBGridLt::TitleClick(TColumnLt* Column)
{
    if (FOnTitleClick)
        FOnTitleClick(Column);
}

void TCustomDBGridLt::CellClick(TColumnLt* Column)
{
    if (FOnCellClick)
        FOnCellClick(Column);
}

void TCustomDBGridLt::DoSortMarkingChanged()
{
    if (FOnSortMarkingChanged)
        FOnSortMarkingChanged(this);
}

void TCustomDBGridLt::AnnounceHeldSortMarking()
{
    if (!FSortChangePending)
        return;
    FSortChangePending = false;
    DoSortMarkingChanged();
}

void TCustomDBGridLt::PressTitle(const TGridCoordLt& Cell)
{
    const int dataCol = RawToDataColumn(Cell.X);
    if (dataCol < 0 || dataCol >= FColumns->Count() || Designing())
        return;
    bool enabled = FColumns->Items(dataCol)->Title()->TitleButton();
    CheckTitleButton(dataCol, enabled);
    if (!enabled)
        return;
    FPressedTitleCol = Cell.X;
    FTitleButtonDown = true;
    RepaintCell(Cell.X, Cell.Y);
}

void TCustomDBGridLt::ReleaseTitle(TShiftState Shift, const TGridCoordLt& Cell)
{
    const int pressed = FPressedTitleCol;
    const bool down = FTitleButtonDown;
    FPressedTitleCol = -1;
    FTitleButtonDown = false;
    if (pressed < 0)
        return;
    RepaintCell(pressed, 0);
    if (!down || Cell.X != pressed || Cell.Y < 0 || Cell.Y >= FTitleOffset)
        return;
    const int dataCol = RawToDataColumn(pressed);
    TColumnLt* column = FColumns->Items(dataCol);
    TitleBtnClick(dataCol, column);
    if (!FOptionsLt.Contains(dghAutoSortMarking))
        return;
    const bool ctrl = Shift.Contains(ssCtrl);
    column->Title()->AdvanceSortMarker(ctrl && FOptionsLt.Contains(dghMultiSortMarking));
    Invalidate();
    if (ctrl) {
        FSortChangePending = true;
        return;
    }
    FSortChangePending = false;
    DoSortMarkingChanged();
}

// ---- the mouse -----------------------------------------------------------------------

void TCustomDBGridLt::CancelMouseOperation()
{
    if (FDragMode == TDragModeLt::RecordMoving)
        EndRecordMoving(false);
    FDragMode = TDragModeLt::None;
    FDataScrollTimer.Stop();
    FMovingColumn = nullptr;
    FCheckCellDown = {-1, -1};
    FClickedSelectedRow = false;
    FRowDragPending = false;
    if (FPressedTitleCol >= 0)
        RepaintCell(FPressedTitleCol, 0);
    FPressedTitleCol = -1;
    FTitleButtonDown = false;
}

void TCustomDBGridLt::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!Designing() && CanFocus()) {
        SetFocus();
        if (!IsActiveControl()) {
            ReleaseCapture();
            return;
        }
    }
    FDragStart = FDragMouse = {X, Y};
    if (Button == mbLeft)
        RememberMouseDown(ClientToScreen(TPoint{X, Y}), static_cast<int>(GetTickCount()));
    FCheckCellDown = {-1, -1};
    FClickedSelectedRow = false;
    FRowDragPending = false;
    const TGridCoordLt cell = MouseToCell(X, Y);
    const bool dataCell = cell.X >= FIndicatorOffset && cell.Y >= FTitleOffset && cell.Y < RowCount();
    const bool titleCell = cell.Y >= 0 && cell.Y < FTitleOffset;
    if (FInplaceSearching && dataCell)
        StopInplaceSearch();
    if (FilterEditMode() && cell.Y != FilterRow())
        HideFilterEditor();

    if (Button == mbLeft && Shift.Contains(ssDouble)) {
        HideEditor();
        int sized = -1;
        const bool optimise = FOptionsLt.Contains(dghDblClickOptimizeColWidth) && OnColumnSizingBorder(X, Y, sized);
        if (optimise) {
            OptimizeColsWidth(ColumnsToFit(FColumns->Items(RawToDataColumn(sized))));
        } else if (dataCell && IsCheckOrImageCell(cell.X) &&
                   FColumns->Items(RawToDataColumn(cell.X))->DblClickNextVal() && DataLinkReady()) {
            if (cell.Y != Row())
                FDataLink->MoveBy(cell.Y - Row());
            FocusCell(cell.X, Row(), true, true);
            StepCellValue(!Shift.Contains(ssShift));
        }
        if (!optimise)
            TCustomControl::DblClick();
        TCustomControl::MouseDown(Button, Shift, X, Y);
        return;
    }

    int sizingCol = -1;
    if (Button == mbLeft && OnColumnSizingBorder(X, Y, sizingCol)) {
        if (DataLinkReady())
            FDataLink->UpdateRecord();
        if (FOptionsLt.Contains(dghTraceColSizing)) {
            FDragMode = TDragModeLt::ColSizing;
            FSizingCol = sizingCol;
            // The width follows the mouse as it stood off the border.
            FSizingStart = X - HorzAxis().Extent(sizingCol);
            TCustomControl::MouseDown(Button, Shift, X, Y);
        } else {
            TCustomGridLt::MouseDown(Button, Shift, X, Y);
        }
        return;
    }

    int selectedCol = -1;
    if (Button == mbLeft && OnColumnSelectStrip(X, Y, selectedCol)) {
        SelectColumnByClick(Shift, selectedCol);
        TCustomControl::MouseDown(Button, Shift, X, Y);
        return;
    }

    if (Button == mbLeft && cell.Y == FilterRow() && cell.X >= FIndicatorOffset) {
        TColumnLt* column = FColumns->Items(RawToDataColumn(cell.X));
        if (HasFilterCell(column)) {
            ShowFilterEditor(column);
            TCustomControl::MouseDown(Button, Shift, X, Y);
            return;
        }
    }

    if (titleCell) {
        if (Button == mbLeft && cell.X >= FIndicatorOffset) {
            PressTitle(cell);
            if (FTitleButtonDown) {
                TCustomControl::MouseDown(Button, Shift, X, Y);
                return;
            }
        }
        if (FOptions.Contains(dgColumnResize) || Designing()) {
            if (Button == mbLeft && cell.X < FIndicatorOffset && FOptions.Contains(dgMultiSelect) &&
                DataLinkReady() && FAllowedSelections.Contains(gstAll)) {
                if (Selection()->SelectionType() != gstNon)
                    Selection()->Clear();
                else
                    Selection()->SelectAll();
            }
            if (DataLinkReady())
                FDataLink->UpdateRecord();
            const int movedFrom = cell.X;
            FMovingColumn = movedFrom >= FIndicatorOffset ? FColumns->Items(RawToDataColumn(movedFrom)) : nullptr;
            FMovingColumnIndex = FMovingColumn ? FMovingColumn->Index() : -1;
            TCustomGridLt::MouseDown(mbLeft, Shift - TShiftState{ssRight} + TShiftState{ssLeft}, X, Y);
            return;
        }
        TCustomControl::MouseDown(Button, Shift, X, Y);
        return;
    }

    if (Button == mbLeft && StartRecordMoving(Shift, cell)) {
        TCustomControl::MouseDown(Button, Shift, X, Y);
        return;
    }
    if (cell.Y >= FTitleOffset && cell.X >= 0 && DataLinkReady()) {
        ClickDataCell(Button, Shift, cell);
        if (Button == mbLeft && !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl))
            PressPaintedEditButton(cell, X);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomDBGridLt::ClickDataCell(TMouseButton Button, TShiftState Shift, const TGridCoordLt& Cell)
{
    const bool wasCurrent = Cell.X == Col() && Cell.Y == Row();
    FDataLink->UpdateRecord();
    HideEditor();
    if (!ExtendRowSelectionByClick(Shift, Cell) && Cell.Y != Row())
        FDataLink->MoveBy(Cell.Y - Row());
    if (Cell.X >= FIndicatorOffset)
        FocusCell(Cell.X, Row(), true, true);
    SelectByClick(Button, Shift, Cell);
    FRowDragPending = FClickedSelectedRow && FAutoDragPress;
    if (Button == mbLeft && IsCheckOrImageCell(Cell.X) &&
        !FColumns->Items(RawToDataColumn(Cell.X))->DblClickNextVal()) {
        FCheckCellDown = Cell;
        return;
    }
    if (Cell.X >= FIndicatorOffset && (wasCurrent || FOptions.Contains(dgAlwaysShowEditor)))
        ShowEditor();
}

void TCustomDBGridLt::MouseMove(TShiftState Shift, int X, int Y)
{
    FDragMouse = {X, Y};
    if (FRowDragPending &&
        (std::abs(X - FDragStart.X) > kTitleMoveThreshold || std::abs(Y - FDragStart.Y) > kTitleMoveThreshold)) {
        // The selected rows are dragged; the release is the drag's.
        FRowDragPending = false;
        FClickedSelectedRow = false;
        BeginDrag(true);
        return;
    }
    if (FTitleButtonDown && FOptions.Contains(dgColumnResize) &&
        (std::abs(X - FDragStart.X) > kTitleMoveThreshold || std::abs(Y - FDragStart.Y) > kTitleMoveThreshold)) {
        const int pressed = FPressedTitleCol;
        FTitleButtonDown = false;
        FPressedTitleCol = -1;
        RepaintCell(pressed, 0);
        FMovingColumn = FColumns->Items(RawToDataColumn(pressed));
        FMovingColumnIndex = FMovingColumn->Index();
        TCustomGridLt::MouseDown(mbLeft, TShiftState{ssLeft}, FDragStart.X, FDragStart.Y);
    }
    switch (FDragMode) {
    case TDragModeLt::ColSizing:
        SizeColumnLive(X);
        TCustomControl::MouseMove(Shift, X, Y);
        return;
    case TDragModeLt::RowSelect:
    case TDragModeLt::RectSelect:
        DragSelectionTo(X, Y);
        TCustomControl::MouseMove(Shift, X, Y);
        return;
    case TDragModeLt::ColSelect:
        DragColumnSelectionTo(X);
        TCustomControl::MouseMove(Shift, X, Y);
        return;
    case TDragModeLt::RecordMoving:
        TrackRecordMoving(X, Y);
        TCustomControl::MouseMove(Shift, X, Y);
        return;
    default:
        break;
    }
    TCustomGridLt::MouseMove(Shift, X, Y);
}

TCursor TCustomDBGridLt::MouseCursor(int X, int Y, TGridStateLt Sizing) const
{
    int raw = -1;
    if (Sizing != gsNormal || OnColumnSizingBorder(X, Y, raw))
        return Sizing == gsRowSizing ? crVSplit : crHSplit;
    if (OnColumnSelectStrip(X, Y, raw))
        return GridCursorNumber(gcDownLt);
    if (OnRowSelectIndicator(X, Y))
        return GridCursorNumber(gcRightLt);
    return crDefault;
}

bool TCustomDBGridLt::PopupColumnMenu(const TGridCoordLt& Cell, int X, int Y)
{
    if (Cell.X < FIndicatorOffset || Cell.Y < 0 || Cell.Y >= RowCount())
        return false;
    const TDBGridCellTypeLt type = GetCellType(Cell.X, Cell.Y);
    if (type.RowPart != crpTitleLt && type.RowPart != crpDataLt)
        return false;
    const int dataCol = RawToDataColumn(Cell.X);
    if (dataCol >= FColumns->Count())
        return false;
    TPopupMenu* menu = FColumns->Items(dataCol)->PopupMenu();
    if (!menu || !menu->AutoPopup())
        return false;
    const TPoint at = ClientToScreen(TPoint{X, Y});
    menu->SetPopupComponent(this);
    menu->Popup(at.X, at.Y);
    return true;
}

void TCustomDBGridLt::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TGridCoordLt cell = MouseToCell(X, Y);
    const TDragModeLt mode = FDragMode;
    FDragMode = TDragModeLt::None;
    FRowDragPending = false;
    FDataScrollTimer.Stop();
    const bool sizingEnded = mode == TDragModeLt::ColSizing || GridState() == gsColSizing;
    if (mode == TDragModeLt::RecordMoving)
        EndRecordMoving(!FClickedSelectedRow);
    if (FClickedSelectedRow)
        ReleaseOnSelectedRow(Shift);
    ReleaseTitle(Shift, cell);
    TCustomGridLt::MouseUp(Button, Shift, X, Y);
    const bool moved = FMovingColumn && FMovingColumn->Index() != FMovingColumnIndex;
    FMovingColumn = nullptr;
    FMovingColumnIndex = -1;
    const TGridCoordLt checkCell = FCheckCellDown;
    FCheckCellDown = {-1, -1};
    if (Button == mbRight && !sizingEnded && !moved && PopupColumnMenu(cell, X, Y))
        return;
    if (Button != mbLeft || sizingEnded || moved || cell.X < FIndicatorOffset)
        return;
    const int dataCol = RawToDataColumn(cell.X);
    if (dataCol >= FColumns->Count())
        return;
    TColumnLt* column = FColumns->Items(dataCol);
    if (cell.Y >= 0 && cell.Y < FTitleOffset && cell.Y != FilterRow()) {
        TitleClick(column);
    } else if (cell.Y >= FTitleOffset && cell.Y < RowCount()) {
        CellClick(column);
        if (cell == checkCell && DataLinkReady())
            StepCellValue(!Shift.Contains(ssShift));
    }
}
