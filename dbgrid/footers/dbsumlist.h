#pragma once
// Running sums, averages and counts of dataset fields for the data grid's
// footers. The producer takes over the dataset's after-edit, after-insert,
// after-open, after-post, after-scroll, before-delete, after-close,
// after-cancel and after-refresh handlers (and its master's after-scroll):
// it computes every aggregate in one pass over the shown rows when the data
// changes wholesale and adjusts them on each post and delete. For a dataset
// without record numbers it can keep a bookmark list that numbers the
// records (virtual records).
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/data/dataset.h"
#include "platform/rtl/collection.h"
#include "platform/rtl/component.h"
#include "platform/rtl/currency.h"
#include "platform/rtl/variant.h"
#include "platform/ui/componentref.h"

enum TGroupOperation { goSum, goAvg, goCount };
LT_ENUM_INFO(TGroupOperation, goSum, goAvg, goCount)

class TDBSumListProducer;

// One aggregate. Amounts are Currency; a count is kept as a Currency too.
class TDBSum : public TCollectionItem {
    LT_CLASS(TDBSum)
public:
    explicit TDBSum(TCollection* Collection);

    // May be empty for goCount: then every record counts.
    const std::string& FieldName() const { return FFieldName; }
    void SetFieldName(const std::string& Value);
    TGroupOperation GroupOperation() const { return FGroupOperation; }
    void SetGroupOperation(TGroupOperation Value);

    // The result: the sum, the average or the count.
    Currency SumValue() const { return FSumValue; }
    // For OnRecalcAll handlers that compute the aggregates themselves.
    void SetSumValue(Currency Value) { FSumValue = Value; }
    // The running sum and the number of non-null values behind an average.
    Currency AvgSum() const { return FAvgSum; }
    int NotNullCount() const { return FNotNullCount; }
    // The record's contribution and field value before the current edit or
    // insert.
    Currency OldValue() const { return FOldValue; }
    const Variant& OldVarValue() const { return FOldVarValue; }

    // Copies the operation, the field name, OldValue and SumValue.
    void Assign(const TPersistent* Source) override;

private:
    friend class TDBSumListProducer;

    std::string FFieldName;
    TGroupOperation FGroupOperation = goSum;
    Currency FSumValue;
    Currency FAvgSum;
    int FNotNullCount = 0;
    Currency FOldValue;
    Variant FOldVarValue;
};

// The producer's aggregates; any change of an item recalculates them all.
class TDBSumCollection : public TCollection {
    LT_CLASS(TDBSumCollection)
public:
    explicit TDBSumCollection(TDBSumListProducer* Producer);

    TDBSum* Items(int Index) const { return static_cast<TDBSum*>(TCollection::Items(Index)); }
    TDBSum* Add() { return static_cast<TDBSum*>(TCollection::Add()); }
    // The first item of the operation whose field name equals FieldName
    // without regard to case; nullptr when none does.
    TDBSum* GetSumByOpAndFName(TGroupOperation GroupOperation, const std::string& FieldName) const;

protected:
    void Update(TCollectionItem* Item) override;

private:
    TDBSumListProducer* FProducer;
};

class TDBSumListProducer : public TPersistent {
    LT_CLASS(TDBSumListProducer)
public:
    // Owner is the grid that shows the sums (may be null); while it loads,
    // or is designed without DesignTimeWork, nothing is hooked or computed.
    explicit TDBSumListProducer(TComponent* AOwner);
    ~TDBSumListProducer() override;

    void Assign(const TPersistent* Source) override;
    TPersistent* GetOwner() const override { return FOwner; }

    TDBSumCollection* SumCollection() const { return FSumCollection.get(); }
    TDataSet* DataSet() const { return FDataSet.Get(); }
    void SetDataSet(TDataSet* Value);
    // True hooks the dataset's events and recalculates; False gives the
    // dataset its handlers back and resets the sums.
    bool Active() const { return FActive; }
    virtual void SetActive(bool Value);
    // The aggregates are computed by OnRecalcAll, not by the producer.
    bool ExternalRecalc() const { return FExternalRecalc; }
    void SetExternalRecalc(bool Value);
    bool VirtualRecords() const { return FVirtualRecords; }
    void SetVirtualRecords(bool Value);
    bool DesignTimeWork() const { return FDesignTimeWork; }
    void SetDesignTimeWork(bool Value) { FDesignTimeWork = Value; }

    const TNotifyEvent& OnRecalcAll() const { return FOnRecalcAll; }
    void SetOnRecalcAll(TNotifyEvent Value) { FOnRecalcAll = std::move(Value); }
    const TNotifyEvent& OnAfterRecalcAll() const { return FOnAfterRecalcAll; }
    void SetOnAfterRecalcAll(TNotifyEvent Value) { FOnAfterRecalcAll = std::move(Value); }
    const TNotifyEvent& SumListChanged() const { return FSumListChanged; }
    void SetSumListChanged(TNotifyEvent Value) { FSumListChanged = std::move(Value); }

    // Record numbers: from the bookmark list while virtual records stand in
    // for a dataset without its own, else the dataset's.
    virtual int RecNo() const;
    virtual void SetRecNo(int Value);
    // The index of Bookmark in the bookmark list, -1 when it is not there.
    virtual int FindRecordBookmark(const std::string& Bookmark) const;
    virtual bool IsSequenced() const;
    virtual int RecordCount() const;
    const std::vector<std::string>& Bookmarks() const { return FBookmarks; }

    virtual void ResetSums();
    // Every aggregate in one pass over the dataset's shown rows (which ends
    // on its first record).
    virtual void RecalcAll();
    // The owner finished loading: an active producer with a dataset starts.
    void Loaded();
    // The collection changed.
    void Update();

protected:
    virtual void DataSetAfterCancel(TDataSet* DataSet);
    virtual void DataSetAfterClose(TDataSet* DataSet);
    virtual void DataSetAfterEdit(TDataSet* DataSet);
    virtual void DataSetAfterInsert(TDataSet* DataSet);
    virtual void DataSetAfterOpen(TDataSet* DataSet);
    virtual void DataSetAfterPost(TDataSet* DataSet);
    // The rows were read anew: a full recalculation that leaves the cursor
    // where it is.
    virtual void DataSetAfterRefresh(TDataSet* DataSet);
    virtual void DataSetAfterScroll(TDataSet* DataSet);
    virtual void DataSetBeforeDelete(TDataSet* DataSet);
    virtual void MasterDataSetAfterScroll(TDataSet* DataSet);
    virtual void HookDataSetEvents();
    virtual void UnhookDataSetEvents();

    // Whether the dataset's events count as hooked.
    bool EventsHooked() const { return FEventsHooked; }
    void SetEventsHooked(bool Value) { FEventsHooked = Value; }
    // The owner is loading, or designed without DesignTimeWork.
    bool OwnerIdle() const;
    // Virtual records stand in for the dataset's own numbering.
    bool UsesVirtualRecords() const;
    // Raises SumListChanged.
    virtual void Changed() const;

private:
    enum THookedEvent {
        heAfterCancel, heAfterClose, heAfterEdit, heAfterInsert,
        heAfterOpen, heAfterPost, heAfterRefresh, heAfterScroll, heBeforeDelete, heCount
    };
    struct THookInfo;
    struct THookCall;
    static const std::array<THookInfo, heCount>& HookTable();

    // Hooks and recalculates, or unhooks and resets.
    void Activate(bool Value);
    void CallSaved(THookedEvent Event, TDataSet* DataSet) const;
    void RememberFilter();
    bool FilterChangedSinceRecalc() const;
    void RecalcPass();
    void RememberOldValues(bool Inserting);
    // Shown: the posted record is among the shown rows (else the filter
    // took it out and it counts no more).
    void AddPostedRecord(bool Shown);
    void RemoveRecordFromSums(bool Editing);
    void PlacePendingBookmark();
    // The aggregates the producer computes: goCount items and items with
    // a field.
    std::vector<TDBSum*> CountedItems() const;
    TField* FieldOf(const TDBSum& Sum) const;
    TDataSet* FindMasterDataSet() const;
    void ForgetDataSet();
    // Gives the master its handler back and forgets the hooks' state.
    void UnhookMaster();

    TComponent* FOwner;
    std::unique_ptr<TDBSumCollection> FSumCollection;
    TComponentRef<TDataSet> FDataSet;
    TComponentRef<TDataSet> FMasterDataSet;
    bool FActive = true;
    bool FExternalRecalc = false;
    bool FVirtualRecords = false;
    bool FDesignTimeWork = false;
    bool FEventsHooked = false;
    bool FChanging = false;
    // The pass leaves the cursor where it is instead of on the first record.
    bool FRecalcInPlace = false;
    bool FInsertPending = false;
    // The shown rows while a record is edited or inserted (the new one
    // included), and the edited record's bookmark for virtual records:
    // fewer rows after the post mean the record left the filter.
    int FRowsWhileEditing = 0;
    std::string FEditedBookmark;
    bool FFilteredAtRecalc = false;
    std::string FFilterAtRecalc;
    std::array<TDataSetNotifyEvent, heCount> FSavedEvents;
    TDataSetNotifyEvent FSavedMasterAfterScroll;
    std::vector<std::string> FBookmarks;
    mutable int FBookmarkCursor = -1;
    TNotifyEvent FOnRecalcAll;
    TNotifyEvent FOnAfterRecalcAll;
    TNotifyEvent FSumListChanged;
};
