#include "dbcontrols/bmlistlt.h"

#include <algorithm>

#include "dbcontrols/ltplatform.h"
#include "platform/data/dataset.h"
#include "platform/rtl/exceptions.h"

// A descendant's RefreshState cannot run once its own part is gone: the
// list only goes with its storage, and descendants that show a state refresh
// it in their own destructor.
TBMListLt::~TBMListLt() = default;

void TBMListLt::RaiseListError(const std::string& Msg) const
{
    throw Exception(Msg);
}

const std::string& TBMListLt::BookmarkAt(int Index) const
{
    return FList.at(static_cast<std::size_t>(Index));
}

int TBMListLt::CompareBookmarks(const std::string& Bookmark1, const std::string& Bookmark2) const
{
    return DataSetCompareBookmarks(GetListDataSet(), Bookmark1, Bookmark2);
}

void TBMListLt::ListChanged()
{
    FCacheBookmark.clear();
    FCacheIndex = -1;
    FCacheFound = false;
}

bool TBMListLt::LocateBookmark(const std::string& Bookmark, int& Index)
{
    if (Bookmark == FCacheBookmark && FCacheIndex >= 0) {
        Index = FCacheIndex;
        return FCacheFound;
    }
    int low = 0;
    int high = BookmarkCount() - 1;
    bool found = false;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const int order = CompareBookmarks(FList[static_cast<std::size_t>(middle)], Bookmark);
        if (order < 0) {
            low = middle + 1;
        } else {
            high = middle - 1;
            if (order == 0) {
                found = true;
                low = middle;
            }
        }
    }
    Index = low;
    FCacheBookmark = Bookmark;
    FCacheIndex = low;
    FCacheFound = found;
    return found;
}

int TBMListLt::IndexOfBookmark(const std::string& Bookmark)
{
    int index = -1;
    return LocateBookmark(Bookmark, index) ? index : -1;
}

std::string TBMListLt::CurrentBookmark() const
{
    if (!FLinkActive)
        RaiseListError("Cannot perform this operation on a closed dataset");
    return GetListDataSet()->Bookmark();
}

bool TBMListLt::IsCurrentRowSelected()
{
    int index = -1;
    return LocateBookmark(CurrentBookmark(), index);
}

void TBMListLt::SelectCurrentRow(bool Value)
{
    const std::string bookmark = CurrentBookmark();
    int index = -1;
    if (LocateBookmark(bookmark, index) == Value)
        return;
    if (Value)
        FList.insert(FList.begin() + index, bookmark);
    else
        FList.erase(FList.begin() + index);
    ListChanged();
}

void TBMListLt::DeleteRecords()
{
    TDataSet* dataSet = GetListDataSet();
    dataSet->DisableControls();
    try {
        while (!FList.empty()) {
            const std::string& bookmark = FList.back();
            if (dataSet->BookmarkValid(bookmark)) {
                dataSet->GotoBookmark(bookmark);
                dataSet->Delete();
            }
            FList.pop_back();
            ListChanged();
        }
    } catch (...) {
        dataSet->EnableControls();
        RefreshState();
        throw;
    }
    dataSet->EnableControls();
    RefreshState();
}

bool TBMListLt::FollowDataSet()
{
    const TDataSet* dataSet = GetListDataSet();
    if (FList.empty() || !dataSet)
        return false;
    const auto gone = std::remove_if(FList.begin(), FList.end(),
                                     [dataSet](const std::string& bookmark) { return !dataSet->BookmarkValid(bookmark); });
    bool changed = gone != FList.end();
    FList.erase(gone, FList.end());
    const auto before = [this](const std::string& a, const std::string& b) { return CompareBookmarks(a, b) < 0; };
    if (!std::is_sorted(FList.begin(), FList.end(), before)) {
        std::sort(FList.begin(), FList.end(), before);
        changed = true;
    }
    if (changed)
        ListChanged();
    return changed;
}

void TBMListLt::RemoveAll()
{
    if (FList.empty())
        return;
    FList.clear();
    ListChanged();
    RefreshState();
    Repaint();
}

void TBMListLt::LinkStateChanged(bool Active)
{
    RemoveAll();
    RefreshState();
    FLinkActive = Active;
}
