// The grid's mouse: selecting by dragging with the auto-scroll timer,
// sizing and moving columns and rows with a guide line, and cancel mode.
#include <algorithm>

#include "dbgrid/engine/customgridlt.h"
#include "dbgrid/engine/gridguideline.h"
#include "dbgrid/engine/inplaceedit.h"

namespace {
constexpr unsigned kAutoScrollInterval = 60;
constexpr int kMoveLineWidth = 5;
} // namespace

bool TCustomGridLt::BeginColumnDrag(int&, int&, const TPoint&) { return true; }
bool TCustomGridLt::CheckColumnDrag(int&, int&, const TPoint&) { return true; }
bool TCustomGridLt::EndColumnDrag(int&, int&, const TPoint&) { return true; }
bool TCustomGridLt::BeginRowDrag(int&, int&, const TPoint&) { return true; }
bool TCustomGridLt::CheckRowDrag(int&, int&, const TPoint&) { return true; }
bool TCustomGridLt::EndRowDrag(int&, int&, const TPoint&) { return true; }

void TCustomGridLt::ShowGuideLine(bool Vertical, int Pos, int LineWidth)
{
    if (!FGuideLine) {
        FGuideLine = new TGridGuideLineLt(this);
        FGuideLine->SetParent(this);
    }
    const TRect client = ClientRect();
    if (Vertical)
        FGuideLine->SetBounds(Pos - LineWidth / 2, client.Top, LineWidth, client.Height());
    else
        FGuideLine->SetBounds(client.Left, Pos - LineWidth / 2, client.Width(), LineWidth);
    FGuideLine->Show();
    FGuideLine->BringToFront();
}

void TCustomGridLt::HideGuideLine()
{
    if (FGuideLine)
        FGuideLine->Hide();
}

void TCustomGridLt::CalcSizingState(int X, int Y)
{
    FGridState = gsNormal;
    FSizingIndex = -1;
    TGridOptionsLt options = FOptions;
    if (Designing())
        options = options + TGridOptionsLt{goRowSizing, goColSizing};
    const TGridAxisLt h = HorzAxis(), v = VertAxis();
    const auto take = [this](TGridStateLt state, const TGridAxisLt::TSizingHit& hit) {
        if (hit.Index < 0)
            return false;
        FGridState = state;
        FSizingIndex = hit.Index;
        FSizingPos = hit.LinePos;
        FSizingOfs = hit.Offset;
        return true;
    };
    if (options.Contains(goColSizing) && X >= h.FrozenBoundary && Y < v.FixedBoundary &&
        take(gsColSizing, h.SizingLineAt(X)))
        return;
    if (options.Contains(goRowSizing) && Y >= v.FrozenBoundary && X < h.FixedBoundary)
        take(gsRowSizing, v.SizingLineAt(Y));
}

void TCustomGridLt::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    HideEditor();
    if (!Designing() && CanFocus()) {
        SetFocus();
        if (!IsActiveControl()) {
            ReleaseCapture();
            return;
        }
    }
    FLastMouse = {X, Y};
    if (Button == mbLeft && Shift.Contains(ssDouble)) {
        TCustomControl::MouseDown(Button, Shift, X, Y);
        return;
    }
    if (Button == mbLeft) {
        CalcSizingState(X, Y);
        if (FGridState == gsColSizing || FGridState == gsRowSizing) {
            ShowGuideLine(FGridState == gsColSizing, FSizingPos, 1);
        } else {
            const TGridCoordLt cell = MouseToCell(X, Y);
            const bool focusable = cell.X >= FFixedCols - FFrozenCols && cell.Y >= FFixedRows - FFrozenRows &&
                                   cell.X < FColCount && cell.Y < FRowCount;
            if (cell.X >= 0 && !focusable) {
                if (FOptions.Contains(goRowMoving) && cell.X < FFixedCols && cell.Y >= FFixedRows &&
                    cell.Y < FRowCount) {
                    FMoveIndex = FMovePos = cell.Y;
                    if (BeginRowDrag(FMoveIndex, FMovePos, FLastMouse)) {
                        FGridState = gsRowMoving;
                        MoveTarget(FLastMouse);
                        FScrollTimer.Start(kAutoScrollInterval);
                    }
                } else if (FOptions.Contains(goColMoving) && cell.Y < FFixedRows && cell.X >= FFixedCols &&
                           cell.X < FColCount) {
                    FMoveIndex = FMovePos = cell.X;
                    if (BeginColumnDrag(FMoveIndex, FMovePos, FLastMouse)) {
                        FGridState = gsColMoving;
                        MoveTarget(FLastMouse);
                        FScrollTimer.Start(kAutoScrollInterval);
                    }
                }
            } else if (cell.X >= 0 && FOptions.Contains(goEditing)) {
                if (cell == FCurrent) {
                    ShowEditor();
                } else {
                    FocusCell(cell.X, cell.Y, true, true);
                    UpdateEdit();
                }
                Click();
            } else if (cell.X >= 0) {
                FGridState = gsSelecting;
                FScrollTimer.Start(kAutoScrollInterval);
                if (Shift.Contains(ssShift))
                    MoveAnchor(cell);
                else
                    FocusCell(cell.X, cell.Y, true, true);
            }
        }
    }
    try {
        TCustomControl::MouseDown(Button, Shift, X, Y);
    } catch (...) {
        HideGuideLine();
        throw;
    }
}

void TCustomGridLt::MoveTarget(const TPoint& Point)
{
    const bool columns = FGridState == gsColMoving;
    const TGridAxisLt axis = columns ? HorzAxis() : VertAxis();
    const int pos = columns ? Point.X : Point.Y;
    int target = axis.CellAt(pos);
    if (pos < axis.FixedBoundary && axis.FirstShown > axis.FixedCount) {
        ScrollRequest(!columns, scLineUp, 0);
        target = columns ? FTopLeft.X : FTopLeft.Y;
    } else if (pos >= axis.GridBoundary && axis.LastShown < axis.Count - 1) {
        ScrollRequest(!columns, scLineDown, 0);
        target = (columns ? HorzAxis() : VertAxis()).LastShown;
    }
    if (target >= axis.FixedCount && target < axis.Count && target != FMovePos) {
        int origin = FMoveIndex, destination = target;
        if (columns ? CheckColumnDrag(origin, destination, Point) : CheckRowDrag(origin, destination, Point))
            FMovePos = destination;
    }
    const TGridAxisLt now = columns ? HorzAxis() : VertAxis();
    const int start = now.CellStart(FMovePos);
    if (start < 0) {
        HideGuideLine();
        return;
    }
    const int edge = FMovePos > FMoveIndex ? start + now.Extent(FMovePos) : start;
    ShowGuideLine(columns, edge, kMoveLineWidth);
}

void TCustomGridLt::MouseMove(TShiftState Shift, int X, int Y)
{
    FLastMouse = {X, Y};
    switch (FGridState) {
    case gsColSizing:
    case gsRowSizing:
        FSizingPos = (FGridState == gsColSizing ? X : Y) + FSizingOfs;
        ShowGuideLine(FGridState == gsColSizing, FSizingPos, 1);
        break;
    case gsSelecting: {
        const TGridCoordLt cell = MouseToCell(X, Y);
        if (cell.X >= FFixedCols - FFrozenCols && cell.Y >= FFixedRows - FFrozenRows && cell.X < FColCount &&
            cell.Y < FRowCount && cell != FAnchor)
            MoveAnchor(cell);
        break;
    }
    case gsColMoving:
    case gsRowMoving: MoveTarget(FLastMouse); break;
    case gsNormal: {
        CalcSizingState(X, Y);
        const TGridStateLt hot = FGridState;
        FGridState = gsNormal;
        SetCursor(MouseCursor(X, Y, hot));
        break;
    }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

TCursor TCustomGridLt::MouseCursor(int, int, TGridStateLt Sizing) const
{
    return Sizing == gsColSizing ? crHSplit : Sizing == gsRowSizing ? crVSplit : crDefault;
}

void TCustomGridLt::EndMouseOperation(int X, int Y)
{
    switch (FGridState) {
    case gsSelecting:
        MouseMove({}, X, Y);
        FScrollTimer.Stop();
        UpdateEdit();
        Click();
        break;
    case gsColSizing:
    case gsRowSizing: {
        HideGuideLine();
        const bool columns = FGridState == gsColSizing;
        const TGridAxisLt axis = columns ? HorzAxis() : VertAxis();
        const int extent = FSizingPos - axis.CellStart(FSizingIndex);
        if (extent > 1)
            columns ? SetColWidth(FSizingIndex, extent) : SetRowHeight(FSizingIndex, extent);
        break;
    }
    case gsColMoving:
    case gsRowMoving: {
        HideGuideLine();
        FScrollTimer.Stop();
        const bool columns = FGridState == gsColMoving;
        int origin = FMoveIndex, destination = FMovePos;
        const TPoint at{X, Y};
        if ((columns ? EndColumnDrag(origin, destination, at) : EndRowDrag(origin, destination, at)) &&
            origin != destination)
            columns ? MoveColumn(origin, destination) : MoveRow(origin, destination);
        UpdateEdit();
        break;
    }
    case gsNormal: UpdateEdit(); break;
    }
}

void TCustomGridLt::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    try {
        EndMouseOperation(X, Y);
    } catch (...) {
        FGridState = gsNormal;
        FScrollTimer.Stop();
        throw;
    }
    FGridState = gsNormal;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGridLt::AutoScrollTick()
{
    if (FGridState == gsColMoving || FGridState == gsRowMoving) {
        MoveTarget(FLastMouse);
        return;
    }
    if (FGridState != gsSelecting)
        return;
    // Frozen cells are selected like any other: only left of (above) them
    // does the selection scroll back.
    const TGridAxisLt h = HorzAxis(), v = VertAxis();
    unsigned direction = 0;
    if (FLastMouse.X < h.FrozenBoundary)
        direction |= 1;
    else if (FLastMouse.X > h.GridBoundary)
        direction |= 2;
    if (FLastMouse.Y < v.FrozenBoundary)
        direction |= 4;
    else if (FLastMouse.Y > v.GridBoundary)
        direction |= 8;
    if (direction != 0)
        TimedScroll(direction);
}

void TCustomGridLt::CancelMode()
{
    FScrollTimer.Stop();
    HideGuideLine();
    FGridState = gsNormal;
}
