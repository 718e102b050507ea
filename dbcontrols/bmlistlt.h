#pragma once
// A list of dataset bookmarks kept in the dataset's order, searched by
// bisection with the last lookup cached (painting asks for the same row
// again and again). The grid's row selection derives from it and supplies
// the dataset and the repainting.
#include <string>
#include <vector>

class TDataSet;

class TBMListLt {
public:
    TBMListLt() = default;
    TBMListLt(const TBMListLt&) = delete;
    TBMListLt& operator=(const TBMListLt&) = delete;
    virtual ~TBMListLt();

    virtual TDataSet* GetListDataSet() const = 0;
    virtual void Repaint() {}
    [[noreturn]] virtual void RaiseListError(const std::string& Msg) const;
    // Adds (Value) or removes the current row.
    virtual void SelectCurrentRow(bool Value);
    // Every change of the list forgets the cached lookup.
    virtual void ListChanged();
    virtual void RefreshState() {}
    virtual void RemoveAll();

    int BookmarkCount() const { return static_cast<int>(FList.size()); }
    const std::string& BookmarkAt(int Index) const;
    // -1 when the bookmark is not in the list.
    int IndexOfBookmark(const std::string& Bookmark);
    // True when found; Index is its position, or where it would go.
    bool LocateBookmark(const std::string& Bookmark, int& Index);
    int CompareBookmarks(const std::string& Bookmark1, const std::string& Bookmark2) const;
    // The dataset's current bookmark; raises while the link is not active.
    std::string CurrentBookmark() const;
    bool IsCurrentRowSelected();
    // Deletes the rows of the list from the dataset, last to first, and
    // empties the list. Rows that are gone already are passed over.
    void DeleteRecords();
    // Drops the bookmarks of rows the dataset no longer shows and puts the
    // rest back in the dataset's order (it may have been sorted anew);
    // true when the list changed.
    bool FollowDataSet();
    void LinkStateChanged(bool Active);
    bool LinkActive() const { return FLinkActive; }

private:
    std::vector<std::string> FList;
    std::string FCacheBookmark;
    int FCacheIndex = -1;
    bool FCacheFound = false;
    bool FLinkActive = false;
};
