// The producer's handlers on the dataset: installing and removing them, and
// what each does before or after the handler it replaced.
#include "dbgrid/footers/dbsumlist.h"

struct TDBSumListProducer::THookInfo {
    const TDataSetNotifyEvent& (TDataSet::*Get)() const;
    void (TDataSet::*Set)(TDataSetNotifyEvent);
    void (TDBSumListProducer::*Handler)(TDataSet*);
};

// The handler installed on a dataset: it can be told from one installed by
// someone else.
struct TDBSumListProducer::THookCall {
    TDBSumListProducer* Producer;
    void (TDBSumListProducer::*Handler)(TDataSet*);
    void operator()(TDataSet* DataSet) const { (Producer->*Handler)(DataSet); }
};

const std::array<TDBSumListProducer::THookInfo, TDBSumListProducer::heCount>& TDBSumListProducer::HookTable()
{
    static const std::array<THookInfo, heCount> table{{
        {&TDataSet::AfterCancel, &TDataSet::SetAfterCancel, &TDBSumListProducer::DataSetAfterCancel},
        {&TDataSet::AfterClose, &TDataSet::SetAfterClose, &TDBSumListProducer::DataSetAfterClose},
        {&TDataSet::AfterEdit, &TDataSet::SetAfterEdit, &TDBSumListProducer::DataSetAfterEdit},
        {&TDataSet::AfterInsert, &TDataSet::SetAfterInsert, &TDBSumListProducer::DataSetAfterInsert},
        {&TDataSet::AfterOpen, &TDataSet::SetAfterOpen, &TDBSumListProducer::DataSetAfterOpen},
        {&TDataSet::AfterPost, &TDataSet::SetAfterPost, &TDBSumListProducer::DataSetAfterPost},
        {&TDataSet::AfterRefresh, &TDataSet::SetAfterRefresh, &TDBSumListProducer::DataSetAfterRefresh},
        {&TDataSet::AfterScroll, &TDataSet::SetAfterScroll, &TDBSumListProducer::DataSetAfterScroll},
        {&TDataSet::BeforeDelete, &TDataSet::SetBeforeDelete, &TDBSumListProducer::DataSetBeforeDelete},
    }};
    return table;
}

namespace {
// Puts Saved back unless someone replaced the producer's handler meanwhile:
// then theirs stays.
template <class THook>
void RestoreHandler(TDataSet* DataSet, const TDataSetNotifyEvent& (TDataSet::*Get)() const,
                    void (TDataSet::*Set)(TDataSetNotifyEvent), const void* Producer, TDataSetNotifyEvent& Saved)
{
    const THook* installed = (DataSet->*Get)().template target<THook>();
    if (installed && installed->Producer == Producer)
        (DataSet->*Set)(std::move(Saved));
    Saved = nullptr;
}
} // namespace

void TDBSumListProducer::HookDataSetEvents()
{
    TDataSet* dataSet = DataSet();
    if (!dataSet || FEventsHooked)
        return;
    FMasterDataSet.Set(FindMasterDataSet());
    for (std::size_t i = 0; i < heCount; ++i) {
        const THookInfo& hook = HookTable()[i];
        FSavedEvents[i] = (dataSet->*hook.Get)();
        (dataSet->*hook.Set)(THookCall{this, hook.Handler});
    }
    if (TDataSet* master = FMasterDataSet.Get()) {
        FSavedMasterAfterScroll = master->AfterScroll();
        master->SetAfterScroll(THookCall{this, &TDBSumListProducer::MasterDataSetAfterScroll});
    }
    FEventsHooked = true;
}

void TDBSumListProducer::UnhookDataSetEvents()
{
    if (!FEventsHooked)
        return;
    if (TDataSet* dataSet = DataSet())
        for (std::size_t i = 0; i < heCount; ++i)
            RestoreHandler<THookCall>(dataSet, HookTable()[i].Get, HookTable()[i].Set, this, FSavedEvents[i]);
    UnhookMaster();
}

void TDBSumListProducer::ForgetDataSet()
{
    // The dataset is gone: there is nothing to give its handlers back to.
    FSavedEvents.fill(nullptr);
    UnhookMaster();
}

void TDBSumListProducer::UnhookMaster()
{
    if (TDataSet* master = FMasterDataSet.Get())
        RestoreHandler<THookCall>(master, &TDataSet::AfterScroll, &TDataSet::SetAfterScroll, this,
                                  FSavedMasterAfterScroll);
    FMasterDataSet.Set(nullptr);
    FEventsHooked = false;
    FBookmarks.clear();
}

void TDBSumListProducer::CallSaved(THookedEvent Event, TDataSet* DataSet) const
{
    // A copy: the saved handler may unhook the producer.
    if (const TDataSetNotifyEvent saved = FSavedEvents[Event])
        saved(DataSet);
}

void TDBSumListProducer::DataSetAfterEdit(TDataSet* DataSet)
{
    if (FActive && !FChanging) {
        RememberOldValues(false);
        FRowsWhileEditing = DataSet->RowCount();
        FEditedBookmark = UsesVirtualRecords() ? DataSet->Bookmark() : std::string();
    }
    CallSaved(heAfterEdit, DataSet);
}

void TDBSumListProducer::DataSetAfterInsert(TDataSet* DataSet)
{
    if (FActive && !FChanging) {
        RememberOldValues(true);
        FRowsWhileEditing = DataSet->RowCount();
        FEditedBookmark.clear();
        if (UsesVirtualRecords()) {
            const std::string bookmark = DataSet->Bookmark();
            if (bookmark.empty())
                FInsertPending = true;
            else
                FBookmarks.push_back(bookmark);
        }
    }
    CallSaved(heAfterInsert, DataSet);
}

void TDBSumListProducer::DataSetAfterOpen(TDataSet* DataSet)
{
    RecalcAll();
    CallSaved(heAfterOpen, DataSet);
}

void TDBSumListProducer::DataSetAfterPost(TDataSet* DataSet)
{
    if (FActive && !FChanging) {
        // The cursor is on the posted record unless the filter took it out:
        // then on a neighbour, which the sums already hold.
        const bool shown = DataSet->RowCount() == FRowsWhileEditing;
        AddPostedRecord(shown);
        if (UsesVirtualRecords()) {
            if (FInsertPending && shown)
                PlacePendingBookmark();
            if (!shown && !FEditedBookmark.empty()) {
                const int index = FindRecordBookmark(FEditedBookmark);
                if (index >= 0)
                    FBookmarks.erase(FBookmarks.begin() + index);
            }
        }
        FInsertPending = false;
        Changed();
    }
    CallSaved(heAfterPost, DataSet);
}

void TDBSumListProducer::DataSetAfterRefresh(TDataSet* DataSet)
{
    // A refresh under an edit or insert (a merged log) changes no stored
    // value; the record is counted when it is posted.
    if (FActive && !FChanging && DataSet->State() == dsBrowse) {
        FRecalcInPlace = true;
        try {
            RecalcAll();
        } catch (...) {
            FRecalcInPlace = false;
            throw;
        }
        FRecalcInPlace = false;
    }
    CallSaved(heAfterRefresh, DataSet);
}

void TDBSumListProducer::DataSetAfterClose(TDataSet* DataSet)
{
    if (FActive) {
        ResetSums();
        FChanging = false;
    }
    FBookmarks.clear();
    CallSaved(heAfterClose, DataSet);
}

void TDBSumListProducer::DataSetAfterScroll(TDataSet* DataSet)
{
    CallSaved(heAfterScroll, DataSet);
    if (!FChanging && FilterChangedSinceRecalc())
        RecalcAll();
}

void TDBSumListProducer::DataSetBeforeDelete(TDataSet* DataSet)
{
    CallSaved(heBeforeDelete, DataSet);
    if (!FActive || FChanging)
        return;
    RemoveRecordFromSums(DataSet->State() == dsEdit);
    if (UsesVirtualRecords()) {
        const int index = FindRecordBookmark(DataSet->Bookmark());
        if (index >= 0)
            FBookmarks.erase(FBookmarks.begin() + index);
    }
    Changed();
}

void TDBSumListProducer::DataSetAfterCancel(TDataSet* DataSet)
{
    CallSaved(heAfterCancel, DataSet);
    FInsertPending = false;
}

void TDBSumListProducer::MasterDataSetAfterScroll(TDataSet* DataSet)
{
    if (const TDataSetNotifyEvent saved = FSavedMasterAfterScroll)
        saved(DataSet);
    if (!FChanging)
        RecalcAll();
}
