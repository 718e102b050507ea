#pragma once
// The client dataset: rows held in memory in their native form (rowstore.h),
// fetched from a provider (or made empty by CreateDataSet), shown in the
// order of IndexFieldNames, edited with every change kept in a change log
// until ApplyUpdates writes the log through the provider, UndoLastChange
// takes back the last change or CancelUpdates all of them. A nested detail (DataSetField set) shows the
// rows kept inside its master's current row and shares the master's log.
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/data/dataset.h"
#include "platform/data/packet.h"
#include "platform/data/updateorder.h"

class TDataSetProvider;

class TClientDataSet : public TDataSet {
    LT_CLASS(TClientDataSet)
public:
    explicit TClientDataSet(TComponent* AOwner);
    ~TClientDataSet() override;

    const std::string& ProviderName() const { return FProviderName; }
    void SetProviderName(const std::string& Value) { FProviderName = Value; }
    const std::string& IndexFieldNames() const { return FIndexFieldNames; }
    void SetIndexFieldNames(const std::string& Value);
    bool AggregatesActive() const { return FAggregatesActive; }
    void SetAggregatesActive(bool Value);
    void SetDataSetField(TDataSetField* Value) override;

    // Opens an empty table with the field definitions (made from the
    // persistent fields when there are none).
    void CreateDataSet();

    // The change log. The top table counts every change of its tree; a
    // nested detail counts its own.
    int ChangeCount() const;
    bool UndoLastChange(bool FollowChange);
    void CancelUpdates();
    // Writes the whole log of the tree through the provider; the log is kept
    // when anything fails. Returns the number of errors (0: everything went).
    int ApplyUpdates(int MaxErrors);
    // Forgets the log: the rows as they stand become the unchanged rows.
    void MergeChangeLog();
    // Writes the logs of the trees of several tables in one transaction, in
    // the order OrderChanges gives: the rows another table's lookup fields
    // refer to are written before the rows that refer to them and deleted
    // after them. All or nothing; the logs are kept when anything fails.
    static void ApplyUpdatesTogether(const std::vector<TClientDataSet*>& Tables);

    Variant GetAggregateValue(const TField& Field) const override;
    void MasterChanged() override;

    // The memory the rows take, the rows of nested tables included.
    std::size_t RowBytes() const;

protected:
    void InternalOpen() override;
    void InternalClose() override;
    int InternalRowCount() const override;
    Variant InternalValue(int Row, int Column) const override;
    std::vector<Variant> InternalRowValues(int Row) const override;
    std::string InternalBookmark(int Row) const override;
    int InternalFindBookmark(const std::string& Bookmark) const override;
    TUpdateStatus InternalUpdateStatus(int Row) const override;
    bool InternalCanModify() const override { return true; }
    int InternalPost(const std::vector<Variant>& Values, bool Inserting, int Row) override;
    int InternalDelete(int Row) override;
    void InternalInitRecord(std::vector<Variant>& Values) override;
    void InternalCancel() override;
    void FilterChanged() override;
    void CheckParentState() override;
    void InternalFieldsBound() override;

private:
    struct TLogEntry;

    TClientDataSet* Master() const;
    TClientDataSet* RootDataSet();
    int NestedIndex() const;                         // which nested list of the master row is ours
    std::shared_ptr<TRowStore> MasterRowSet() const; // the rows of the master's active row
    void RebuildView();
    bool Accepts(const TStoredRow& row);
    int PlaceInView(TStoredRow* row);
    int ViewPosition(int64_t id) const;
    bool RowLess(const TStoredRow& a, const TStoredRow& b) const;
    void Changed();
    void UndoEntry(const TLogEntry& entry);
    void RemoveEntriesInside(const TRowStore& set, const TStoredRow& row);
    void RefreshTree();
    // Drops the unposted rows of this table's nested details (their master
    // row is going away or being restored).
    void CancelNestedEdits();
    void RefreshRows();
    TDataSetProvider* FindProvider() const;
    // Gives the rows nested in a row the values of the master fields they
    // are linked to.
    void ApplyLinkValues(TRowStore& set, const TStoredRow& row) const;
    void MergeRows(TRowStore& set);
    // Ends the edits of the tree; whether its log holds anything to write.
    bool PrepareApply();
    void AddPendingChanges(std::vector<TPendingChange>& Changes, int Log) const;
    // The rows of a top table as the database holds them (before the log).
    std::vector<std::vector<Variant>> StoredRows() const;
    // The references between top tables that lookup fields declare.
    static std::vector<TRowReference> References(const std::vector<TClientDataSet*>& Roots);
    // The lookup fields of the owner's top tables that refer to this table.
    std::vector<const TField*> ReferringFields() const;
    // Refuses, with the database's reason, to delete a row of a top table
    // that rows of another table refer to when the database would not
    // accept the deletion after all pending changes.
    void CheckDeleteAllowed(const TStoredRow& row);

    std::string FProviderName;
    std::string FIndexFieldNames;
    bool FAggregatesActive = false;

    TPacketMeta FOwnMeta;                          // for the top table
    const TPacketMeta* FMeta = nullptr;            // ours: FOwnMeta or a part of the master's
    std::shared_ptr<const TRowLayout> FLayout;
    std::shared_ptr<TRowStore> FRows;
    std::vector<TStoredRow*> FView;
    mutable std::unordered_map<int64_t, int> FViewIndex;
    mutable bool FViewIndexValid = false;
    std::vector<int> FIndexColumns;
    // The nested lists of the row being inserted, stored with it when posted.
    std::vector<std::shared_ptr<TRowStore>> FPendingNested;
    std::vector<TLogEntry> FLog;                   // kept by the top table of a tree
    mutable std::vector<std::pair<const TField*, Variant>> FAggregateCache;
    bool FCreating = false;
};
