// Virtual records: record numbers from a list of bookmarks in dataset order,
// for datasets that number no records themselves.
#include "dbcontrols/ltplatform.h"
#include "dbgrid/footers/dbsumlist.h"

bool TDBSumListProducer::UsesVirtualRecords() const
{
    return FVirtualRecords && FActive && DataSet() && !DataSet()->IsSequenced();
}

int TDBSumListProducer::FindRecordBookmark(const std::string& Bookmark) const
{
    const int count = static_cast<int>(FBookmarks.size());
    if (count == 0)
        return -1;
    int index = FBookmarkCursor < 0 || FBookmarkCursor >= count ? 0 : FBookmarkCursor;
    const int order = DataSetCompareBookmarks(DataSet(), FBookmarks[static_cast<std::size_t>(index)], Bookmark);
    const int step = order > 0 ? -1 : 1;
    for (int i = index; i >= 0 && i < count; i += step) {
        FBookmarkCursor = i;
        if (DataSetCompareBookmarks(DataSet(), FBookmarks[static_cast<std::size_t>(i)], Bookmark) == 0)
            return i;
    }
    return -1;
}

void TDBSumListProducer::PlacePendingBookmark()
{
    TDataSet* dataSet = DataSet();
    const std::string bookmark = dataSet->Bookmark();
    const auto orderAt = [&](int Index) {
        return DataSetCompareBookmarks(dataSet, FBookmarks[static_cast<std::size_t>(Index)], bookmark);
    };
    const int count = static_cast<int>(FBookmarks.size());
    int index = FBookmarkCursor < 0 || FBookmarkCursor >= count ? 0 : FBookmarkCursor;
    if (count > 0 && orderAt(index) > 0) {
        while (index > 0 && orderAt(index - 1) > 0)
            --index;
    } else {
        while (index < count && orderAt(index) < 0)
            ++index;
    }
    FBookmarks.insert(FBookmarks.begin() + index, bookmark);
    FInsertPending = false;
}

int TDBSumListProducer::RecNo() const
{
    if (UsesVirtualRecords())
        return FindRecordBookmark(DataSet()->Bookmark()) + 1;
    return DataSet() ? DataSet()->RecNo() : 0;
}

void TDBSumListProducer::SetRecNo(int Value)
{
    TDataSet* dataSet = DataSet();
    if (!UsesVirtualRecords()) {
        if (dataSet)
            dataSet->SetRecNo(Value);
        return;
    }
    if (Value < 1 || Value > static_cast<int>(FBookmarks.size()))
        DatabaseError("Record number " + std::to_string(Value) + " is out of range", dataSet);
    dataSet->GotoBookmark(FBookmarks[static_cast<std::size_t>(Value - 1)]);
}

int TDBSumListProducer::RecordCount() const
{
    if (UsesVirtualRecords())
        return static_cast<int>(FBookmarks.size());
    return DataSet() ? DataSet()->RecordCount() : 0;
}

bool TDBSumListProducer::IsSequenced() const
{
    const TDataSet* dataSet = DataSet();
    if (!dataSet)
        return false;
    if (dataSet->IsSequenced())
        return true;
    return UsesVirtualRecords() && (!FBookmarks.empty() || (dataSet->Bof() && dataSet->Eof()));
}
