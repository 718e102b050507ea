// Record moving (dghRecordMoving): the marked rows, or the current row when
// none is marked, are dragged by their indicator; an insertion line along
// the upper or lower edge of the row under the mouse shows where they would
// go, the grid scrolls a row at a time while the mouse is above or below
// the data area, and the release moves them through OnMoveRecords or the
// data service.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/core/paintedrecord.h"
#include "dbgrid/engine/gridguideline.h"
#include "dbgrid/filter/griddataservice.h"
#include "platform/data/dataset.h"
#include "platform/ui/qtsignals.h"

namespace {
// The insertion line's thickness, and the tick at its left end.
constexpr int kMovingLineWidth = 5;
constexpr int kMovingTickWidth = 2;
constexpr int kMovingTickHeight = 15;
// How far the mouse moves before the press becomes a drag.
constexpr int kMovingThreshold = 3;
constexpr unsigned kFirstScrollInterval = 60;

// The rows of a dataset listed by bookmark, for the current row alone.
class TDataSetRowListLt : public TBMListLt {
public:
    explicit TDataSetRowListLt(TDataSet* DataSet) : FDataSet(DataSet) { LinkStateChanged(true); }
    TDataSet* GetListDataSet() const override { return FDataSet; }

private:
    TDataSet* FDataSet;
};
} // namespace

bool TCustomDBGridLt::StartRecordMoving(TShiftState Shift, const TGridCoordLt& Cell)
{
    if (!FOptionsLt.Contains(dghRecordMoving) || !DataLinkReady() || Cell.X >= FIndicatorOffset ||
        Shift.Contains(ssShift) || Shift.Contains(ssCtrl))
        return false;
    const int dataRow = Cell.Y - FTitleOffset;
    if (dataRow < 0 || dataRow >= FDataLink->RecordCount())
        return false;
    TBookmarkListLt* marked = Selection()->Rows();
    const bool anyMarked = Selection()->SelectionType() == gstRecordBookmarks && marked->BookmarkCount() > 0;
    if (anyMarked) {
        // Only a marked row's indicator drags the marked rows.
        int saved = -1;
        const TPaintedRecordWhile onRow(*FDataLink, dataRow, saved);
        if (!marked->IsCurrentRowSelected())
            return false;
    } else if (Cell.Y != Row()) {
        return false;
    }
    FDataLink->UpdateRecord();
    HideEditor();
    if (Cell.Y != Row())
        FDataLink->MoveBy(Cell.Y - Row());
    if (anyMarked) {
        FMovingRows = marked;
        // Released where it was pressed, it is a click on a marked row.
        FClickedSelectedRow = true;
    } else {
        FCurrentRowList = std::make_unique<TDataSetRowListLt>(FDataLink->DataSet());
        FCurrentRowList->SelectCurrentRow(true);
        FMovingRows = FCurrentRowList.get();
    }
    FMoveToRecNo = -1;
    FDragMode = TDragModeLt::RecordMoving;
    return true;
}

int TCustomDBGridLt::RecNoOfRow(int DataRow)
{
    if (DataRow < 0 || DataRow >= FDataLink->RecordCount())
        return -1;
    int saved = -1;
    const TPaintedRecordWhile onRow(*FDataLink, DataRow, saved);
    return FDataLink->DataSet()->RecNo();
}

void TCustomDBGridLt::TrackRecordMoving(int X, int Y)
{
    if (FClickedSelectedRow) {
        if (std::abs(X - FDragStart.X) <= kMovingThreshold && std::abs(Y - FDragStart.Y) <= kMovingThreshold)
            return;
        FClickedSelectedRow = false;
    }
    const TGridAxisLt v = VertAxis();
    const int rows = FDataLink->RecordCount();
    int dx = 0, dy = 0;
    if (OutsideDataArea(X, Y, dx, dy)) {
        if (!FDataScrollTimer.Running()) {
            FDataScrollTimer.SetOnTimer([this] { Guarded(this, [this] { DataAutoScroll(); }); });
            FDataScrollTimer.Start(kFirstScrollInterval);
        }
    } else {
        FDataScrollTimer.Stop();
    }
    // The row under the mouse (the first or the last one when it is above
    // or below them) and the edge nearer to it.
    int dataRow = rows - 1;
    bool below = true;
    if (rows > 0 && Y < v.GridBoundary) {
        const int cellRow = std::max(MouseToCell(X, std::max(Y, v.FixedBoundary)).Y, FTitleOffset);
        if (cellRow - FTitleOffset < rows) {
            dataRow = cellRow - FTitleOffset;
            const TRect r = CellBounds(0, cellRow);
            below = Y >= (r.Top + r.Bottom) / 2;
        }
    }
    const int recNo = RecNoOfRow(dataRow);
    int target = recNo < 0 ? -1 : recNo + (below ? 1 : 0);
    if (target > 0 && !MoveRecords(FMovingRows, target, 0, true))
        target = -1;
    FMoveToRecNo = target;
    if (target < 0) {
        HideRecordMovingLine();
        return;
    }
    const TRect r = CellBounds(0, dataRow + FTitleOffset);
    ShowRecordMovingLine(below ? r.Bottom : r.Top);
}

void TCustomDBGridLt::ShowRecordMovingLine(int Y)
{
    const auto make = [this](TGridGuideLineLt*& Line) {
        if (Line)
            return;
        Line = new TGridGuideLineLt(this);
        Line->SetParent(this);
    };
    make(FMovingLine);
    make(FMovingTick);
    const int right = std::min(ClientWidth(), HorzAxis().GridBoundary);
    FMovingLine->SetBounds(0, Y - kMovingLineWidth / 2, right, kMovingLineWidth);
    FMovingTick->SetBounds(0, Y - kMovingTickHeight / 2, kMovingTickWidth, kMovingTickHeight);
    for (TGridGuideLineLt* line : {FMovingLine, FMovingTick}) {
        line->Show();
        line->BringToFront();
    }
}

void TCustomDBGridLt::HideRecordMovingLine()
{
    for (TGridGuideLineLt* line : {FMovingLine, FMovingTick})
        if (line)
            line->Hide();
}

void TCustomDBGridLt::EndRecordMoving(bool Drop)
{
    HideRecordMovingLine();
    TBMListLt* rows = FMovingRows;
    const int target = FMoveToRecNo;
    FMovingRows = nullptr;
    FMoveToRecNo = -1;
    if (Drop && rows && target > 0 && DataLinkReady())
        MoveRecords(rows, target, 0, false);
    FCurrentRowList.reset();
}

bool TCustomDBGridLt::MoveRecords(TBMListLt* BookmarkList, int ToRecNo, int TreeLevel, bool CheckOnly)
{
    if (FOnMoveRecords)
        return FOnMoveRecords(this, BookmarkList, ToRecNo, TreeLevel, CheckOnly);
    return DefaultMoveRecords(BookmarkList, ToRecNo, TreeLevel, CheckOnly);
}

bool TCustomDBGridLt::DefaultMoveRecords(TBMListLt* BookmarkList, int ToRecNo, int, bool CheckOnly)
{
    std::vector<std::string> bookmarks;
    for (int i = 0; i < BookmarkList->BookmarkCount(); ++i)
        bookmarks.push_back(BookmarkList->BookmarkAt(i));
    if (CheckOnly)
        return DBGridLtDataService().MoveGridRecords(this, bookmarks, ToRecNo, true);
    TDataSet* dataSet = FDataLink->DataSet();
    const int recNo = dataSet->RecNo();
    const int top = recNo - FDataLink->ActiveRecord();
    const bool moved = DBGridLtDataService().MoveGridRecords(this, bookmarks, ToRecNo, false);
    if (!moved || recNo < 1 || !dataSet->Active() || dataSet->IsEmpty())
        return moved;
    // The window's first row back at the top, then the same record current.
    const int count = dataSet->RecordCount();
    dataSet->First();
    dataSet->SetRecNo(std::clamp(top + VisibleDataRowCount() - 1, 1, count));
    dataSet->SetRecNo(std::min(recNo, count));
    return moved;
}
