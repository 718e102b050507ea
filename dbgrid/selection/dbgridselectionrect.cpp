// Rectangle selection: two corner cells ordered by the dataset's bookmark
// order, the grid cells they cover among the buffered rows, and repainting
// only the strips in which an extended or shrunk rectangle differs.
#include <algorithm>
#include <iterator>

#include "dbcontrols/ltplatform.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/selection/dbgridselection.h"
#include "platform/data/datasource.h"

namespace {

const TGridRectLt kNoGridRect{-1, -1, -1, -1};

bool IsGridRect(const TGridRectLt& R)
{
    return R.Left >= 0 && R.Top >= 0 && R.Left <= R.Right && R.Top <= R.Bottom;
}

} // namespace

std::vector<TGridRectLt> GridRectDifference(const TGridRectLt& Old, const TGridRectLt& New)
{
    const bool hasOld = IsGridRect(Old);
    const bool hasNew = IsGridRect(New);
    if (!hasOld || !hasNew) {
        if (hasOld)
            return {Old};
        if (hasNew)
            return {New};
        return {};
    }
    if (Old == New)
        return {};
    const TGridRectLt inner{std::max(Old.Left, New.Left), std::max(Old.Top, New.Top),
                            std::min(Old.Right, New.Right), std::min(Old.Bottom, New.Bottom)};
    if (!IsGridRect(inner))
        return {Old, New};
    const TGridRectLt outer{std::min(Old.Left, New.Left), std::min(Old.Top, New.Top),
                            std::max(Old.Right, New.Right), std::max(Old.Bottom, New.Bottom)};
    std::vector<TGridRectLt> strips;
    if (outer.Left < inner.Left)
        strips.push_back({outer.Left, outer.Top, inner.Left - 1, outer.Bottom});
    if (outer.Top < inner.Top)
        strips.push_back({inner.Left, outer.Top, inner.Right, inner.Top - 1});
    if (outer.Right > inner.Right)
        strips.push_back({inner.Right + 1, outer.Top, outer.Right, outer.Bottom});
    if (outer.Bottom > inner.Bottom)
        strips.push_back({inner.Left, inner.Bottom + 1, inner.Right, outer.Bottom});
    return strips;
}

TDBGridLtSelection& TDBGridLtSelectionRect::Selection() const
{
    return *FGrid->Selection();
}

bool TDBGridLtSelectionRect::IsDataActive() const
{
    const TDataSource* source = FGrid->DataSource();
    return source && source->DataSet() && FGrid->DataLink()->Active();
}

void TDBGridLtSelectionRect::CheckDataActive(const char* Where) const
{
    if (!IsDataActive())
        throw EInvalidGridOperationLt(std::string("Error in ") + Where);
}

int TDBGridLtSelectionRect::CompareRows(const std::string& Bookmark1, const std::string& Bookmark2) const
{
    if (IsDataActive())
        return DataSetCompareBookmarks(FGrid->DataSource()->DataSet(), Bookmark1, Bookmark2);
    return Bookmark1.compare(Bookmark2);
}

std::string TDBGridLtSelectionRect::GetTopRow() const
{
    CheckDataActive("TDBGridLtSelectionRect.GetTopRow");
    return CompareRows(FAnchorRow, FShiftRow) <= 0 ? FAnchorRow : FShiftRow;
}

std::string TDBGridLtSelectionRect::GetBottomRow() const
{
    CheckDataActive("TDBGridLtSelectionRect.GetBottomRow");
    return CompareRows(FAnchorRow, FShiftRow) < 0 ? FShiftRow : FAnchorRow;
}

int TDBGridLtSelectionRect::GetLeftCol() const
{
    CheckDataActive("TDBGridLtSelectionRect.GetLeftCol");
    return std::min(FAnchorCol, FShiftCol);
}

int TDBGridLtSelectionRect::GetRightCol() const
{
    CheckDataActive("TDBGridLtSelectionRect.GetRightCol");
    return std::max(FAnchorCol, FShiftCol);
}

bool TDBGridLtSelectionRect::CellSelected(int DataCol, const std::string& Bookmark) const
{
    CheckDataActive("function TDBGridLtSelectionRect.CellSelected");
    return CompareRows(GetTopRow(), Bookmark) <= 0 && CompareRows(Bookmark, GetBottomRow()) <= 0 &&
           GetLeftCol() <= DataCol && DataCol <= GetRightCol();
}

void TDBGridLtSelectionRect::Select(int DataCol, const std::string& Bookmark, bool Extend)
{
    TDBGridLtSelection& selection = Selection();
    if (selection.SelectionType() != gstRectangle)
        selection.Clear();
    const bool wasShown = selection.SelectionType() == gstRectangle;
    const int oldAnchorCol = FAnchorCol;
    const std::string oldAnchorRow = FAnchorRow;
    const int oldShiftCol = FShiftCol;
    const std::string oldShiftRow = FShiftRow;

    if (FAnchorCol == -1 || !Extend) {
        FAnchorCol = DataCol;
        FAnchorRow = Bookmark;
    }
    FShiftCol = DataCol;
    FShiftRow = Bookmark;
    if (FAnchorCol != FShiftCol || CompareRows(FAnchorRow, FShiftRow) != 0)
        selection.SetSelectionType(gstRectangle);
    else if (selection.SelectionType() == gstRectangle)
        selection.SetSelectionType(gstNon);

    // Only a rectangle of kind gstRectangle is painted as selected: the
    // old and the new painted cells are compared, not the bare corners.
    if (FGrid->HasBridge()) {
        const TGridRectLt oldCells =
            wasShown ? GridRectOf(oldAnchorCol, oldAnchorRow, oldShiftCol, oldShiftRow) : kNoGridRect;
        const TGridRectLt newCells = selection.SelectionType() == gstRectangle
                                         ? GridRectOf(FAnchorCol, FAnchorRow, FShiftCol, FShiftRow)
                                         : kNoGridRect;
        for (const TGridRectLt& strip : GridRectDifference(oldCells, newCells))
            FGrid->InvalidateGridRect(strip);
    }
    NoteSeenRows();
    selection.SelectionChanged();
}

void TDBGridLtSelectionRect::ResetCorners()
{
    FAnchorCol = -1;
    FAnchorRow.clear();
    FShiftCol = -1;
    FShiftRow.clear();
    FSeenRows.clear();
}

void TDBGridLtSelectionRect::Clear()
{
    ResetCorners();
    FGrid->Invalidate();
    Selection().SelectionChanged();
}

void TDBGridLtSelectionRect::NoteSeenRows()
{
    if (FAnchorCol < 0 || !IsDataActive()) {
        FSeenRows.clear();
        return;
    }
    FAnchorOnTop = CompareRows(FAnchorRow, FShiftRow) <= 0;
    const std::string& top = FAnchorOnTop ? FAnchorRow : FShiftRow;
    const std::string& bottom = FAnchorOnTop ? FShiftRow : FAnchorRow;
    TGridDataLinkLt& link = *FGrid->DataLink();
    const TDataSet& dataSet = *link.DataSet();
    const auto inside = [&](const std::string& Bookmark) {
        return !Bookmark.empty() && dataSet.BookmarkValid(Bookmark) && CompareRows(top, Bookmark) <= 0 &&
               CompareRows(Bookmark, bottom) <= 0;
    };
    std::vector<std::string> seen;
    std::copy_if(FSeenRows.begin(), FSeenRows.end(), std::back_inserter(seen), inside);
    const int saved = link.ActiveRecord();
    try {
        for (int i = 0; i < link.RecordCount(); ++i) {
            link.SetActiveRecord(i);
            if (std::string bookmark = dataSet.Bookmark(); inside(bookmark))
                seen.push_back(std::move(bookmark));
        }
    } catch (...) {
        link.SetActiveRecord(saved);
        throw;
    }
    link.SetActiveRecord(saved);
    std::sort(seen.begin(), seen.end(),
              [this](const std::string& a, const std::string& b) { return CompareRows(a, b) < 0; });
    seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
    // Only the records next to the corners matter: a window's worth at each end.
    const std::size_t keep = static_cast<std::size_t>(std::max(1, link.BufferCount()));
    if (seen.size() > 2 * keep)
        seen.erase(seen.begin() + static_cast<std::ptrdiff_t>(keep), seen.end() - static_cast<std::ptrdiff_t>(keep));
    FSeenRows = std::move(seen);
}

void TDBGridLtSelectionRect::DataSetChanged()
{
    if (FAnchorCol < 0 || !IsDataActive())
        return;
    const TDataSet& dataSet = *FGrid->DataSource()->DataSet();
    const bool anchorKept = dataSet.BookmarkValid(FAnchorRow);
    const bool shiftKept = dataSet.BookmarkValid(FShiftRow);
    if (!anchorKept || !shiftKept) {
        TDBGridLtSelection& selection = Selection();
        std::vector<std::string> left;
        std::copy_if(FSeenRows.begin(), FSeenRows.end(), std::back_inserter(left),
                     [&dataSet](const std::string& Bookmark) { return dataSet.BookmarkValid(Bookmark); });
        if (left.empty()) {
            if (selection.SelectionType() == gstRectangle)
                selection.Clear();
            else
                ResetCorners();
            return;
        }
        if (!anchorKept)
            FAnchorRow = FAnchorOnTop ? left.front() : left.back();
        if (!shiftKept)
            FShiftRow = FAnchorOnTop ? left.back() : left.front();
        if (selection.SelectionType() == gstRectangle) {
            if (FAnchorCol == FShiftCol && CompareRows(FAnchorRow, FShiftRow) == 0)
                selection.SetSelectionType(gstNon);
            FGrid->Invalidate();
            selection.SelectionChanged();
        }
    }
    NoteSeenRows();
}

void TDBGridLtSelectionRect::FindBufferRows(const std::string& Top, const std::string& Bottom, int& TopIndex,
                                            int& BottomIndex) const
{
    TopIndex = -1;
    BottomIndex = -1;
    TGridDataLinkLt& link = *FGrid->DataLink();
    const TDataSet& dataSet = *link.DataSet();
    const int saved = link.ActiveRecord();
    try {
        for (int i = 0; i < link.RecordCount(); ++i) {
            link.SetActiveRecord(i);
            const std::string bookmark = dataSet.Bookmark();
            if (TopIndex < 0 && CompareRows(bookmark, Top) >= 0)
                TopIndex = i;
            if (CompareRows(bookmark, Bottom) <= 0)
                BottomIndex = i;
        }
    } catch (...) {
        link.SetActiveRecord(saved);
        throw;
    }
    link.SetActiveRecord(saved);
}

TGridRectLt TDBGridLtSelectionRect::GridRectOf(int Col1, const std::string& Row1, int Col2,
                                               const std::string& Row2) const
{
    if (Col1 < 0 || Col2 < 0 || !IsDataActive())
        return kNoGridRect;
    const bool ordered = CompareRows(Row1, Row2) <= 0;
    int top = -1;
    int bottom = -1;
    FindBufferRows(ordered ? Row1 : Row2, ordered ? Row2 : Row1, top, bottom);
    if (top < 0 || bottom < top)
        return kNoGridRect;
    const int titles = FGrid->TitleRowCount();
    return {FGrid->DataToRawColumn(std::min(Col1, Col2)), titles + top, FGrid->DataToRawColumn(std::max(Col1, Col2)),
            titles + bottom};
}

TGridRectLt TDBGridLtSelectionRect::EnclosingGridRect() const
{
    return GridRectOf(FAnchorCol, FAnchorRow, FShiftCol, FShiftRow);
}
