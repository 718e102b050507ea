// The grid's selection as a whole (its kind and what the kinds share) and
// the grid's list of selected records.
#include "dbgrid/selection/dbgridselection.h"

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "platform/data/datasource.h"

// ---- selected records ----------------------------------------------------------

TDataSet* TBookmarkListLt::GetListDataSet() const
{
    const TDataSource* source = FGrid->DataSource();
    return source ? source->DataSet() : nullptr;
}

void TBookmarkListLt::Repaint()
{
    FGrid->Invalidate();
}

void TBookmarkListLt::SelectCurrentRow(bool Value)
{
    TBMListLt::SelectCurrentRow(Value);
    FGrid->InvalidateGridRect({0, FGrid->Row(), FGrid->ColCount() - 1, FGrid->Row()});
    TDBGridLtSelection& selection = *FGrid->Selection();
    if (selection.SelectionType() != gstRecordBookmarks && BookmarkCount() > 0) {
        selection.ClearOtherKind(gstRecordBookmarks, false);
        selection.SetSelectionType(gstRecordBookmarks);
    }
    selection.RecheckState();
    selection.SelectionChanged();
}

void TBookmarkListLt::RefreshState()
{
    FGrid->Selection()->RecheckState();
}

void TBookmarkListLt::RemoveAll()
{
    TBMListLt::RemoveAll();
    FGrid->Selection()->SelectionChanged();
}

// ---- the selection ----------------------------------------------------------------

TDBGridLtSelection::TDBGridLtSelection(TCustomDBGridLt* Grid)
    : FGrid(Grid), FColumns(std::make_unique<TDBGridLtSelectionCols>(Grid)),
      FRect(std::make_unique<TDBGridLtSelectionRect>(Grid))
{
}

TDBGridLtSelection::~TDBGridLtSelection() = default;

TBookmarkListLt* TDBGridLtSelection::Rows() const
{
    return FGrid->SelectedRows();
}

void TDBGridLtSelection::SetSelectionType(TDBGridLtSelectionType Value)
{
    if (FSelectionType == Value)
        return;
    FSelectionType = Value;
    FGrid->SelectionTypeChanged();
}

bool TDBGridLtSelection::IsCellSelected(int DataCol, const std::string& Bookmark) const
{
    switch (FSelectionType) {
    case gstRecordBookmarks:
        return Rows()->IndexOfBookmark(Bookmark) >= 0;
    case gstRectangle:
        return DataCol >= 0 && FRect->CellSelected(DataCol, Bookmark);
    case gstColumns:
        return DataCol >= 0 && DataCol < FGrid->Columns()->Count() &&
               FColumns->IndexOf(FGrid->Columns()->Items(DataCol)) >= 0;
    case gstAll:
        return true;
    case gstNon:
        break;
    }
    return false;
}

void TDBGridLtSelection::EmptyCurrentKind()
{
    switch (FSelectionType) {
    case gstRecordBookmarks:
        Rows()->RemoveAll();
        break;
    case gstRectangle:
        FRect->Clear();
        break;
    case gstColumns:
        FColumns->Clear();
        break;
    case gstAll:
        FGrid->Invalidate();
        break;
    case gstNon:
        break;
    }
}

void TDBGridLtSelection::Clear()
{
    const auto settle = [this] {
        SetSelectionType(gstNon);
        if (FGrid->Options().Contains(dgAlwaysShowEditor))
            FGrid->ShowEditor();
    };
    try {
        EmptyCurrentKind();
    } catch (...) {
        settle();
        throw;
    }
    settle();
}

void TDBGridLtSelection::ClearOtherKind(TDBGridLtSelectionType Kind, bool Notify)
{
    if (FSelectionType == gstNon || FSelectionType == Kind)
        return;
    const bool quiet = FQuiet;
    FQuiet = quiet || !Notify;
    try {
        Clear();
    } catch (...) {
        FQuiet = quiet;
        throw;
    }
    FQuiet = quiet;
}

void TDBGridLtSelection::SelectAll()
{
    if (FSelectionType == gstAll)
        return;
    ClearOtherKind(gstAll);
    SetSelectionType(gstAll);
    FGrid->Invalidate();
}

void TDBGridLtSelection::RecheckState()
{
    if ((FSelectionType == gstRecordBookmarks && Rows()->BookmarkCount() == 0) ||
        (FSelectionType == gstColumns && FColumns->Count() == 0)) {
        SetSelectionType(gstNon);
        FGrid->Invalidate();
    }
}

void TDBGridLtSelection::LinkStateChanged(bool Value)
{
    Rows()->LinkStateChanged(Value);
    Clear();
}

void TDBGridLtSelection::DataSetChanged()
{
    TBookmarkListLt* rows = Rows();
    if (rows->FollowDataSet()) {
        rows->RefreshState();
        rows->Repaint();
        SelectionChanged();
    }
    FRect->DataSetChanged();
}

TGridRectLt TDBGridLtSelection::EnclosingGridRect() const
{
    const TGridRectLt none{-1, -1, -1, -1};
    switch (FSelectionType) {
    case gstRecordBookmarks: {
        TGridDataLinkLt& link = *FGrid->DataLink();
        if (!link.Active())
            return none;
        TDataSet& dataSet = *link.DataSet();
        const int saved = link.ActiveRecord();
        int first = -1;
        int last = -1;
        try {
            for (int i = 0; i < link.RecordCount(); ++i) {
                link.SetActiveRecord(i);
                if (Rows()->IndexOfBookmark(dataSet.Bookmark()) >= 0) {
                    first = first < 0 ? i : first;
                    last = i;
                }
            }
        } catch (...) {
            link.SetActiveRecord(saved);
            throw;
        }
        link.SetActiveRecord(saved);
        if (first < 0)
            return none;
        return {0, FGrid->TitleRowCount() + first, FGrid->ColCount() - 1, FGrid->TitleRowCount() + last};
    }
    case gstRectangle:
        return FRect->EnclosingGridRect();
    case gstColumns:
        return FColumns->EnclosingGridRect();
    case gstAll:
        return {0, 0, FGrid->ColCount() - 1, FGrid->FullRowCount() - 1};
    case gstNon:
        break;
    }
    return none;
}

void TDBGridLtSelection::SelectionChanged()
{
    if (!FQuiet)
        FGrid->DoSelectionChanged();
}
