// The selection as keys and the mouse drive it: Shift with the arrows and
// clicks extends rows or a rectangle, Ctrl toggles rows, a press on the
// bottom strip of a title selects columns, dragging extends the selection
// and scrolls while the mouse is outside the data area.
#include <algorithm>
#include <cstdlib>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/selection/dbgridselection.h"
#include "platform/data/dataset.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/qtsignals.h"

namespace {
// The first interval of the drag's auto-scroll timer.
constexpr unsigned kFirstScrollInterval = 60;
// A row or rectangle drag moves at most this many records per tick.
constexpr int kMaxScrollRecords = 8;
// The height of the strip at the bottom of a title that selects columns.
constexpr int kColumnSelectStrip = 5;

int Sign(int Value)
{
    return (Value > 0) - (Value < 0);
}
} // namespace

bool TCustomDBGridLt::SelectsRows(bool InIndicator) const
{
    return InIndicator || FOptions.Contains(dgRowSelect) || !FAllowedSelections.Contains(gstRectangle);
}

void TCustomDBGridLt::ClearSelectionForMove(TShiftState Shift)
{
    FKeySelecting = false;
    if (FOptionsLt.Contains(dghClearSelection) && !Shift.Contains(ssShift))
        Selection()->Clear();
}

void TCustomDBGridLt::ExtendSelectionByRecords(int Distance)
{
    TDataSet* dataSet = FDataLink->DataSet();
    if (!SelectsRows(false)) {
        TDBGridLtSelectionRect* rect = Selection()->Rect();
        if (Selection()->SelectionType() != gstRectangle)
            rect->Select(SelectedIndex(), dataSet->Bookmark(), false);
        MoveDataSetBy(Distance);
        rect->Select(SelectedIndex(), dataSet->Bookmark(), true);
        return;
    }
    // Rows: the anchor stays selected; stepping away from it selects the
    // row reached, stepping back towards it deselects the row left.
    TBookmarkListLt* rows = Selection()->Rows();
    const int step = Sign(Distance);
    for (int left = std::abs(Distance); left > 0; --left) {
        bool addAfter = true;
        if (!FKeySelecting) {
            FKeySelectionAnchor = rows->CurrentBookmark();
            rows->SelectCurrentRow(true);
            FKeySelecting = true;
        } else {
            addAfter = Sign(rows->CompareBookmarks(rows->CurrentBookmark(), FKeySelectionAnchor)) != -step;
            if (!addAfter)
                rows->SelectCurrentRow(false);
        }
        const bool moved = FDataLink->MoveBy(step) != 0;
        if (addAfter)
            rows->SelectCurrentRow(true);
        if (!moved)
            break;
    }
}

void TCustomDBGridLt::GoToColumn(int RawCol, TShiftState Shift)
{
    const bool extend =
        Shift.Contains(ssShift) && FOptions.Contains(dgMultiSelect) && !SelectsRows(false) && DataLinkReady();
    if (!extend) {
        ClearSelectionForMove(Shift);
        FocusCell(RawCol, Row(), true, true);
        return;
    }
    TDBGridLtSelectionRect* rect = Selection()->Rect();
    const std::string bookmark = FDataLink->DataSet()->Bookmark();
    if (Selection()->SelectionType() != gstRectangle)
        rect->Select(SelectedIndex(), bookmark, false);
    FocusCell(RawCol, Row(), true, true);
    rect->Select(SelectedIndex(), bookmark, true);
}

// ---- clicks ----------------------------------------------------------------------

bool TCustomDBGridLt::ExtendRowSelectionByClick(TShiftState Shift, const TGridCoordLt& Cell)
{
    if (!Shift.Contains(ssShift) || !FOptions.Contains(dgMultiSelect) ||
        !(Cell.X < FIndicatorOffset || FOptions.Contains(dgRowSelect)))
        return false;
    TBookmarkListLt* rows = Selection()->Rows();
    rows->SelectCurrentRow(true);
    const int step = Sign(Cell.Y - Row());
    for (int left = std::abs(Cell.Y - Row()); left > 0; --left) {
        if (FDataLink->MoveBy(step) == 0)
            break;
        rows->SelectCurrentRow(true);
    }
    return true;
}

void TCustomDBGridLt::SelectByClick(TMouseButton Button, TShiftState Shift, const TGridCoordLt& Cell)
{
    FKeySelecting = false;
    const bool inIndicator = Cell.X < FIndicatorOffset;
    const bool multi = FOptions.Contains(dgMultiSelect);
    const bool rowsMode = multi && SelectsRows(inIndicator);
    const bool shift = Shift.Contains(ssShift), ctrl = Shift.Contains(ssCtrl);
    TBookmarkListLt* rows = Selection()->Rows();
    if (rowsMode && !shift && Selection()->SelectionType() == gstRecordBookmarks && rows->IsCurrentRowSelected()) {
        FClickedSelectedRow = true;
        return;
    }
    const std::string bookmark = FDataLink->DataSet()->Bookmark();
    const int dataCol = RawToDataColumn(Cell.X);
    bool kept = false;
    if (!ctrl && !shift && FOptionsLt.Contains(dghClearSelection)) {
        kept = Button == mbRight && Selection()->IsCellSelected(dataCol, bookmark);
        if (!kept)
            Selection()->Clear();
    }
    if (Button != mbLeft || kept || !multi)
        return;
    if (!rowsMode) {
        Selection()->Rect()->Select(SelectedIndex(), bookmark, shift);
        FDragMode = TDragModeLt::RectSelect;
        return;
    }
    if (!shift) {
        const bool toggle = ctrl || !FOptionsLt.Contains(dghClearSelection);
        rows->SelectCurrentRow(toggle ? !rows->IsCurrentRowSelected() : true);
    }
    FDragSelects = rows->IsCurrentRowSelected();
    FDragMode = TDragModeLt::RowSelect;
}

bool TCustomDBGridLt::OnColumnSelectStrip(int X, int Y, int& RawCol) const
{
    RawCol = -1;
    if (!FAllowedSelections.Contains(gstColumns) || FOptions.Contains(dgRowSelect) || !FOptions.Contains(dgTitles) ||
        Designing())
        return false;
    const TGridCoordLt cell = MouseToCell(X, Y);
    if (cell.Y != 0 || cell.X < FIndicatorOffset || cell.X >= ColCount() ||
        RawToDataColumn(cell.X) >= FColumns->Count() || Y < CellBounds(cell.X, 0).Bottom - kColumnSelectStrip)
        return false;
    int sizing = -1;
    if (OnColumnSizingBorder(X, Y, sizing))
        return false;
    RawCol = cell.X;
    return true;
}

bool TCustomDBGridLt::OnRowSelectIndicator(int X, int Y) const
{
    if (!FOptions.Contains(dgMultiSelect) || FIndicatorOffset == 0)
        return false;
    const TGridCoordLt cell = MouseToCell(X, Y);
    return cell.X >= 0 && cell.X < FIndicatorOffset && cell.Y >= FTitleOffset && cell.Y < RowCount();
}

void TCustomDBGridLt::SelectColumnByClick(TShiftState Shift, int RawCol)
{
    TColumnLt* column = FColumns->Items(RawToDataColumn(RawCol));
    TDBGridLtSelectionCols* columns = Selection()->ColumnList();
    if (Shift.Contains(ssShift))
        columns->ShiftSelectTo(column);
    else if (Shift.Contains(ssCtrl))
        columns->ToggleColumn(column);
    else
        columns->SelectColumn(column, false);
    FDragMode = TDragModeLt::ColSelect;
}

void TCustomDBGridLt::DragColumnSelectionTo(int X)
{
    int dx = 0, dy = 0;
    if (OutsideDataArea(X, 0, dx, dy)) {
        if (!FDataScrollTimer.Running()) {
            FDataScrollTimer.SetOnTimer([this] { Guarded(this, [this] { DataAutoScroll(); }); });
            FDataScrollTimer.Start(kFirstScrollInterval);
        }
        return;
    }
    FDataScrollTimer.Stop();
    ExtendColumnSelectionTo(HorzAxis().CellAt(X));
}

void TCustomDBGridLt::ExtendColumnSelectionTo(int RawCol)
{
    if (RawCol >= FIndicatorOffset && RawToDataColumn(RawCol) < FColumns->Count())
        Selection()->ColumnList()->ShiftSelectTo(FColumns->Items(RawToDataColumn(RawCol)));
}

void TCustomDBGridLt::ReleaseOnSelectedRow(TShiftState Shift)
{
    FClickedSelectedRow = false;
    const bool inIndicator = MouseToCell(FDragStart.X, FDragStart.Y).X < FIndicatorOffset;
    if (Shift.Contains(ssCtrl) && (FOptions.Contains(dgRowSelect) || inIndicator))
        Selection()->Rows()->SelectCurrentRow(!Selection()->Rows()->IsCurrentRowSelected());
    else if (FOptionsLt.Contains(dghClearSelection))
        Selection()->Clear();
}

// ---- dragging --------------------------------------------------------------------

void TCustomDBGridLt::ExtendDragSelection(int Records, int Columns)
{
    TDataSet* dataSet = FDataLink->DataSet();
    if (FDragMode == TDragModeLt::RowSelect) {
        TBookmarkListLt* rows = Selection()->Rows();
        const int step = Sign(Records);
        for (int left = std::abs(Records); left > 0; --left) {
            if (FDataLink->MoveBy(step) == 0)
                break;
            rows->SelectCurrentRow(FDragSelects);
        }
        return;
    }
    if (Records != 0)
        FDataLink->MoveBy(Records);
    if (Columns != 0)
        FocusCell(std::clamp(Col() + Columns, FIndicatorOffset, ColCount() - 1), Row(), true, true);
    Selection()->Rect()->Select(SelectedIndex(), dataSet->Bookmark(), true);
}

bool TCustomDBGridLt::OutsideDataArea(int X, int Y, int& DistanceX, int& DistanceY) const
{
    // The frozen columns are part of the data area: a drag down them selects.
    const TGridAxisLt h = HorzAxis(), v = VertAxis();
    DistanceY = 0;
    if (FDragMode != TDragModeLt::ColSelect)
        DistanceY = Y < v.FrozenBoundary ? Y - v.FrozenBoundary : Y >= v.GridBoundary ? Y - v.GridBoundary + 1 : 0;
    DistanceX = 0;
    if (FDragMode == TDragModeLt::RectSelect || FDragMode == TDragModeLt::ColSelect)
        DistanceX = X < h.FrozenBoundary ? X - h.FrozenBoundary : X >= h.GridBoundary ? X - h.GridBoundary + 1 : 0;
    return DistanceX != 0 || DistanceY != 0;
}

void TCustomDBGridLt::DragSelectionTo(int X, int Y)
{
    int dx = 0, dy = 0;
    if (OutsideDataArea(X, Y, dx, dy)) {
        if (!FDataScrollTimer.Running()) {
            FDataScrollTimer.SetOnTimer([this] { Guarded(this, [this] { DataAutoScroll(); }); });
            FDataScrollTimer.Start(kFirstScrollInterval);
        }
        return;
    }
    FDataScrollTimer.Stop();
    const TGridCoordLt cell = MouseToCell(X, Y);
    if (cell.Y < FTitleOffset || cell.Y >= RowCount())
        return;
    const int columns = FDragMode == TDragModeLt::RectSelect && cell.X >= FIndicatorOffset ? cell.X - Col() : 0;
    if (cell.Y != Row() || columns != 0)
        ExtendDragSelection(cell.Y - Row(), columns);
}

void TCustomDBGridLt::DataAutoScroll()
{
    int dx = 0, dy = 0;
    const bool columns = FDragMode == TDragModeLt::ColSelect;
    if (FDragMode == TDragModeLt::None || !(columns || DataLinkReady()) ||
        !OutsideDataArea(FDragMouse.X, FDragMouse.Y, dx, dy)) {
        FDataScrollTimer.Stop();
        return;
    }
    const int distance = std::max(std::abs(dx), std::abs(dy));
    if (columns) {
        // One column a tick towards the mouse, the one scrolled in joining.
        ScrollRequest(false, dx < 0 ? scLineUp : scLineDown, 0);
        const TGridAxisLt h = HorzAxis();
        ExtendColumnSelectionTo(dx < 0 ? h.FirstShown : h.LastShown);
    } else if (FDragMode == TDragModeLt::RecordMoving) {
        // Record moving scrolls a row at a time and moves its line along.
        ScrollRequest(true, dy < 0 ? scLineUp : scLineDown, 0);
        TrackRecordMoving(FDragMouse.X, FDragMouse.Y);
    } else {
        ExtendDragSelection(Sign(dy) * std::min(kMaxScrollRecords, std::abs(dy) / 6), Sign(dx));
    }
    const unsigned interval = static_cast<unsigned>(std::max(0, 200 - (columns ? 10 : 15) * distance));
    if (FDataScrollTimer.Interval() != interval)
        FDataScrollTimer.SetInterval(interval);
}

// ---- deleting ----------------------------------------------------------------------

void TCustomDBGridLt::DeleteRecordsConfirmed()
{
    TDataSet* dataSet = FDataLink->DataSet();
    if (!CanModifyDataSet() || dataSet->IsEmpty() || !FAllowedOperations.Contains(alopDeleteLt))
        return;
    TBookmarkListLt* rows = Selection()->Rows();
    const int marked = rows->BookmarkCount();
    if (FOptions.Contains(dgConfirmDelete) &&
        MessageDlg(marked >= 2 ? "Delete all selected records?" : "Delete record?", mtConfirmation, mbOKCancel, 0) ==
            mrCancel)
        return;
    if (marked > 0)
        rows->DeleteRecords();
    else
        dataSet->Delete();
}
