#include "platform/data/clientdataset.h"

#include <algorithm>
#include <charconv>

#include "platform/data/fields.h"
#include "platform/data/provider.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/strutils.h"

LT_IMPLEMENT_CLASS(TClientDataSet, TDataSet)
{
    P.Property("AggregatesActive", &TClientDataSet::AggregatesActive, &TClientDataSet::SetAggregatesActive).Default(0);
    P.Property("DataSetField", &TClientDataSet::DataSetField, &TClientDataSet::SetDataSetField);
    P.Property("IndexFieldNames", &TClientDataSet::IndexFieldNames, &TClientDataSet::SetIndexFieldNames);
    P.Property("ProviderName", &TClientDataSet::ProviderName, &TClientDataSet::SetProviderName);
}

struct TClientDataSet::TLogEntry {
    TClientDataSet* Owner;
    const TPacketMeta* Meta;
    std::shared_ptr<TRowStore> Set;
    TStoredRow* Row;
    TUpdateKind Kind;
    std::vector<Variant> Before;
    std::vector<Variant> After;
    TUpdateStatus StatusBefore;
    int64_t Stamp;
};

namespace {
// Changes are numbered across all tables, so logs can be merged in the order
// the changes were made.
int64_t gNextChange = 1;

// Neither deleted nor an insert taken back.
bool Present(const TStoredRow& row)
{
    return !row.Removed && row.UpdateStatus() != usDeleted;
}

std::string BookmarkOf(int64_t id)
{
    static const char hex[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, id >>= 4)
        text[static_cast<std::size_t>(i)] = hex[id & 15];
    return text;
}

int FieldDefIndex(const std::vector<TFieldDef>& defs, const std::string& name)
{
    for (std::size_t i = 0; i < defs.size(); ++i)
        if (AnsiSameText(defs[i].Name, name))
            return static_cast<int>(i);
    return -1;
}
} // namespace

TClientDataSet::TClientDataSet(TComponent* AOwner) : TDataSet(AOwner) {}

TClientDataSet::~TClientDataSet() = default;

TClientDataSet* TClientDataSet::Master() const
{
    return DataSetField() ? dynamic_cast<TClientDataSet*>(DataSetField()->DataSet()) : nullptr;
}

TClientDataSet* TClientDataSet::RootDataSet()
{
    TClientDataSet* root = this;
    while (TClientDataSet* master = root->Master())
        root = master;
    return root;
}

void TClientDataSet::SetDataSetField(TDataSetField* Value)
{
    if (Active())
        DatabaseError("Cannot perform this operation on an open dataset", this);
    TDataSet::SetDataSetField(Value);
}

void TClientDataSet::SetAggregatesActive(bool Value)
{
    FAggregatesActive = Value;
    FAggregateCache.clear();
}

void TClientDataSet::SetIndexFieldNames(const std::string& Value)
{
    if (Value == FIndexFieldNames)
        return;
    FIndexFieldNames = Value;
    if (!Active())
        return;
    CheckBrowseMode();
    const TStoredRow* current = CurrentRow() >= 0 ? FView[static_cast<std::size_t>(CurrentRow())] : nullptr;
    InternalFieldsBound();
    SetCurrentRow(current ? ViewPosition(current->Id) : 0);
    DataEvent(deDataSetChange, 0);
}

int TClientDataSet::NestedIndex() const
{
    const TClientDataSet* master = Master();
    if (!master || !master->FMeta)
        return -1;
    const auto& nested = master->FMeta->Nested;
    for (std::size_t k = 0; k < nested.size(); ++k)
        if (AnsiSameText(nested[k].FieldName, DataSetField()->FieldName()))
            return static_cast<int>(k);
    return -1;
}

std::shared_ptr<TRowStore> TClientDataSet::MasterRowSet() const
{
    const TClientDataSet* master = Master();
    const int k = NestedIndex();
    if (!master || !master->Active() || k < 0)
        return nullptr;
    if (master->State() == dsInsert)
        return master->FPendingNested.empty() ? nullptr : master->FPendingNested[static_cast<std::size_t>(k)];
    if (master->CurrentRow() >= 0 && master->CurrentRow() < static_cast<int>(master->FView.size()))
        return master->FRows->Nested(*master->FView[static_cast<std::size_t>(master->CurrentRow())], k);
    return nullptr;
}

TDataSetProvider* TClientDataSet::FindProvider() const
{
    TComponent* owner = Owner();
    TDataSetProvider* provider =
        owner ? dynamic_cast<TDataSetProvider*>(owner->FindComponent(FProviderName)) : nullptr;
    if (!provider)
        DatabaseError("Missing data provider or data packet", this);
    return provider;
}

void TClientDataSet::CreateDataSet()
{
    if (FieldDefs().empty())
        for (const TField* field : FieldList())
            if (field->FieldKind() == fkData)
                FieldDefs().push_back({field->FieldName(), field->DataType(), field->Size(), field->Required(), 0,
                                       field->ProviderFlags()});
    FCreating = true;
    try {
        Open();
    } catch (...) {
        FCreating = false;
        throw;
    }
    FCreating = false;
}

void TClientDataSet::InternalOpen()
{
    FLog.clear();
    if (Master()) {
        TClientDataSet* master = Master();
        if (!master->Active())
            DatabaseError("Cannot open a nested table before its master", this);
        const int k = NestedIndex();
        if (k < 0)
            DatabaseError("The master table has no nested field " + DataSetField()->FieldName(), this);
        FMeta = &master->FMeta->Nested[static_cast<std::size_t>(k)].Meta[0];
        FieldDefs() = FMeta->Fields;
        FLayout = master->FLayout->Nested(k);
        FRows = MasterRowSet();
        if (!FRows)
            FRows = std::make_shared<TRowStore>(FLayout);
        return;
    }
    if (FCreating || FProviderName.empty()) {
        if (!FCreating)
            DatabaseError("Missing data provider or data packet", this);
        FOwnMeta = TPacketMeta();
        FOwnMeta.Fields = FieldDefs();
        FMeta = &FOwnMeta;
        FLayout = LayoutOf(FOwnMeta);
        FRows = std::make_shared<TRowStore>(FLayout);
        return;
    }
    TDataPacket packet = FindProvider()->GetData();
    FOwnMeta = std::move(packet.Meta);
    FMeta = &FOwnMeta;
    FieldDefs() = FOwnMeta.Fields;
    FLayout = packet.Rows->Layout();
    FRows = std::move(packet.Rows);
}

void TClientDataSet::InternalFieldsBound()
{
    FIndexColumns.clear();
    for (const std::string& name : SplitFieldNames(FIndexFieldNames)) {
        const int index = FieldDefIndex(FieldDefs(), name);
        if (index < 0)
            DatabaseError("Field '" + name + "' not found", this);
        FIndexColumns.push_back(index);
    }
    RebuildView();
}

void TClientDataSet::InternalClose()
{
    FView.clear();
    FViewIndexValid = false;
    FRows.reset();
    FLayout.reset();
    FPendingNested.clear();
    FLog.clear();
    FAggregateCache.clear();
    FMeta = nullptr;
}

bool TClientDataSet::RowLess(const TStoredRow& a, const TStoredRow& b) const
{
    for (const int column : FIndexColumns) {
        const int c = FRows->Compare(a, b, column);
        if (c != 0)
            return c < 0;
    }
    return a.Id < b.Id;
}

bool TClientDataSet::Accepts(const TStoredRow& row)
{
    return !Filtered() || AcceptRow([&](int column) { return FRows->Value(row, column); });
}

void TClientDataSet::RebuildView()
{
    FView.clear();
    if (FRows)
        FRows->ForEach([this](TStoredRow& row) {
            if (Present(row) && Accepts(row))
                FView.push_back(&row);
        });
    if (!FIndexColumns.empty())
        std::stable_sort(FView.begin(), FView.end(),
                         [this](const TStoredRow* a, const TStoredRow* b) { return RowLess(*a, *b); });
    Changed();
}

void TClientDataSet::Changed()
{
    FViewIndexValid = false;
    FAggregateCache.clear();
}

int TClientDataSet::ViewPosition(int64_t id) const
{
    if (!FViewIndexValid) {
        FViewIndex.clear();
        for (std::size_t i = 0; i < FView.size(); ++i)
            FViewIndex[FView[i]->Id] = static_cast<int>(i);
        FViewIndexValid = true;
    }
    const auto it = FViewIndex.find(id);
    return it == FViewIndex.end() ? -1 : it->second;
}

int TClientDataSet::PlaceInView(TStoredRow* row)
{
    const auto old = std::find(FView.begin(), FView.end(), row);
    int oldIndex = static_cast<int>(old - FView.begin());
    if (old != FView.end())
        FView.erase(old);
    Changed();
    if (!Accepts(*row))
        return std::min(oldIndex, static_cast<int>(FView.size()) - 1);
    auto at = FView.end();
    if (!FIndexColumns.empty())
        at = std::upper_bound(FView.begin(), FView.end(), row,
                              [this](const TStoredRow* a, const TStoredRow* b) { return RowLess(*a, *b); });
    else if (old != FView.end())
        at = FView.begin() + oldIndex;
    const int index = static_cast<int>(at - FView.begin());
    FView.insert(at, row);
    return index;
}

int TClientDataSet::InternalRowCount() const
{
    return static_cast<int>(FView.size());
}

Variant TClientDataSet::InternalValue(int Row, int Column) const
{
    return FRows->Value(*FView[static_cast<std::size_t>(Row)], Column);
}

std::vector<Variant> TClientDataSet::InternalRowValues(int Row) const
{
    return FRows->Values(*FView[static_cast<std::size_t>(Row)]);
}

std::string TClientDataSet::InternalBookmark(int Row) const
{
    return BookmarkOf(FView[static_cast<std::size_t>(Row)]->Id);
}

int TClientDataSet::InternalFindBookmark(const std::string& Bookmark) const
{
    int64_t id = 0;
    const auto [end, ec] = std::from_chars(Bookmark.data(), Bookmark.data() + Bookmark.size(), id, 16);
    if (ec != std::errc() || end != Bookmark.data() + Bookmark.size() || Bookmark.size() != 16)
        return -1;
    return ViewPosition(id);
}

TUpdateStatus TClientDataSet::InternalUpdateStatus(int Row) const
{
    return FView[static_cast<std::size_t>(Row)]->UpdateStatus();
}

void TClientDataSet::InternalInitRecord(std::vector<Variant>& Values)
{
    TDataSet::InternalInitRecord(Values);
    FPendingNested = FRows->NewNested();
    const TClientDataSet* master = Master();
    const int k = NestedIndex();
    if (!master || k < 0)
        return;
    for (const auto& [masterField, detailField] : master->FMeta->Nested[static_cast<std::size_t>(k)].Links) {
        const int index = FieldDefIndex(FieldDefs(), detailField);
        const TField* field = master->FindField(masterField);
        if (index >= 0 && field)
            Values[static_cast<std::size_t>(index)] = master->GetFieldValueAt(*field, master->CurrentRow());
    }
}

void TClientDataSet::InternalCancel()
{
    FPendingNested.clear();
}

void TClientDataSet::CheckParentState()
{
    TClientDataSet* master = Master();
    if (!master)
        return;
    if (IsEditState(master->State()))
        master->Post();
    if (!MasterRowSet())
        DatabaseError("The master table has no current row", this);
}

void TClientDataSet::ApplyLinkValues(TRowStore& set, const TStoredRow& row) const
{
    for (std::size_t k = 0; k < FMeta->Nested.size(); ++k) {
        const TNestedMeta& nested = FMeta->Nested[k];
        TRowStore& children = *set.Nested(row, static_cast<int>(k));
        for (const auto& [masterField, detailField] : nested.Links) {
            const int from = FieldDefIndex(FMeta->Fields, masterField);
            const int to = FieldDefIndex(nested.Meta[0].Fields, detailField);
            if (from < 0 || to < 0)
                continue;
            const Variant value = set.Value(row, from);
            children.ForEach([&](TStoredRow& child) { children.SetValue(child, to, value); });
        }
    }
}

int TClientDataSet::InternalPost(const std::vector<Variant>& Values, bool Inserting, int Row)
{
    TClientDataSet* root = RootDataSet();
    TStoredRow* row = nullptr;
    if (Inserting) {
        row = &FRows->Add();
        FRows->SetValues(*row, Values);
        row->SetUpdateStatus(usInserted);
        if (!FPendingNested.empty())
            FRows->SetNested(*row, std::move(FPendingNested));
        FPendingNested.clear();
        root->FLog.push_back({this, FMeta, FRows, row, TUpdateKind::ukInsert, {}, Values, usUnmodified, gNextChange++});
    } else {
        row = FView[static_cast<std::size_t>(Row)];
        root->FLog.push_back({this, FMeta, FRows, row, TUpdateKind::ukModify, FRows->Values(*row), Values,
                              row->UpdateStatus(), gNextChange++});
        FRows->SetValues(*row, Values);
        if (row->UpdateStatus() == usUnmodified)
            row->SetUpdateStatus(usModified);
        ApplyLinkValues(*FRows, *row);
    }
    return PlaceInView(row);
}

void TClientDataSet::CancelNestedEdits()
{
    for (TDataSet* nested : NestedDataSets()) {
        if (auto* detail = dynamic_cast<TClientDataSet*>(nested))
            detail->CancelNestedEdits();
        if (IsEditState(nested->State()))
            nested->Cancel();
    }
}

int TClientDataSet::InternalDelete(int Row)
{
    TStoredRow* row = FView[static_cast<std::size_t>(Row)];
    CheckDeleteAllowed(*row);
    CancelNestedEdits();
    std::vector<Variant> values = FRows->Values(*row);
    RootDataSet()->FLog.push_back(
        {this, FMeta, FRows, row, TUpdateKind::ukDelete, values, values, row->UpdateStatus(), gNextChange++});
    row->SetUpdateStatus(usDeleted);
    FView.erase(FView.begin() + Row);
    Changed();
    return Row;
}

void TClientDataSet::FilterChanged()
{
    RebuildView();
    ResetCursor();
    DataEvent(deDataSetChange, 0);
}

void TClientDataSet::MasterChanged()
{
    if (!Active() || !Master())
        return;
    std::shared_ptr<TRowStore> set = MasterRowSet();
    if (set && set == FRows)
        return;
    if (!set && FRows && FRows->Count() == 0)
        return;
    if (IsEditState(State()))
        CheckBrowseMode();
    FRows = set ? set : std::make_shared<TRowStore>(FLayout);
    RebuildView();
    ResetCursor();
    DataEvent(deDataSetChange, 0);
    DoAfterScroll();
}

void TClientDataSet::RefreshRows()
{
    if (!Active())
        return;
    if (Master()) {
        std::shared_ptr<TRowStore> set = MasterRowSet();
        FRows = set ? set : std::make_shared<TRowStore>(FLayout);
    }
    RebuildView();
    SetCurrentRow(CurrentRow());
    DataEvent(deDataSetChange, 0);
}

void TClientDataSet::RefreshTree()
{
    RefreshRows();
    for (TDataSet* nested : NestedDataSets())
        if (auto* detail = dynamic_cast<TClientDataSet*>(nested))
            detail->RefreshTree();
    if (Active())
        DoAfterRefresh();
}

int TClientDataSet::ChangeCount() const
{
    if (!Active())
        return 0;
    const TClientDataSet* master = Master();
    if (!master)
        return static_cast<int>(FLog.size());
    const TClientDataSet* root = master;
    while (root->Master())
        root = root->Master();
    return static_cast<int>(std::count_if(root->FLog.begin(), root->FLog.end(),
                                          [this](const TLogEntry& e) { return e.Owner == this; }));
}

void TClientDataSet::RemoveEntriesInside(const TRowStore& set, const TStoredRow& row)
{
    TClientDataSet* root = RootDataSet();
    for (int k = 0; k < set.Layout()->NestedCount(); ++k) {
        const std::shared_ptr<TRowStore>& nested = set.Nested(row, k);
        nested->ForEach([&](TStoredRow& child) { RemoveEntriesInside(*nested, child); });
        root->FLog.erase(std::remove_if(root->FLog.begin(), root->FLog.end(),
                                        [&nested](const TLogEntry& e) { return e.Set == nested; }),
                         root->FLog.end());
    }
}

void TClientDataSet::UndoEntry(const TLogEntry& entry)
{
    switch (entry.Kind) {
    case TUpdateKind::ukInsert:
        entry.Row->Removed = true;
        RemoveEntriesInside(*entry.Set, *entry.Row);
        break;
    case TUpdateKind::ukModify:
        entry.Set->SetValues(*entry.Row, entry.Before);
        entry.Row->SetUpdateStatus(entry.StatusBefore);
        if (entry.Owner->FMeta)
            entry.Owner->ApplyLinkValues(*entry.Set, *entry.Row);
        break;
    case TUpdateKind::ukDelete:
        entry.Row->SetUpdateStatus(entry.StatusBefore);
        break;
    }
}

bool TClientDataSet::UndoLastChange(bool FollowChange)
{
    CheckActive();
    if (IsEditState(State())) {
        Cancel();
        return true;
    }
    TClientDataSet* root = RootDataSet();
    root->CancelNestedEdits();
    auto& log = root->FLog;
    const auto last = std::find_if(log.rbegin(), log.rend(),
                                   [&](const TLogEntry& e) { return root == this || e.Owner == this; });
    if (last == log.rend())
        return false;
    const TLogEntry entry = *last;
    log.erase(std::next(last).base());
    UndoEntry(entry);
    root->RefreshTree();
    if (FollowChange && entry.Kind != TUpdateKind::ukInsert) {
        TClientDataSet* owner = entry.Owner;
        const int position = owner->ViewPosition(entry.Row->Id);
        if (position >= 0) {
            owner->SetCurrentRow(position);
            owner->DataEvent(deDataSetScroll, 0);
        }
    }
    return true;
}

void TClientDataSet::CancelUpdates()
{
    CheckActive();
    if (IsEditState(State()))
        Cancel();
    TClientDataSet* root = RootDataSet();
    if (IsEditState(root->State()))
        root->Cancel();
    root->CancelNestedEdits();
    auto& log = root->FLog;
    for (std::size_t i = log.size(); i-- > 0;) {
        if (i >= log.size() || (root != this && log[i].Owner != this))
            continue;
        const TLogEntry entry = log[i];
        log.erase(log.begin() + static_cast<std::ptrdiff_t>(i));
        UndoEntry(entry);
    }
    root->RefreshTree();
}

void TClientDataSet::MergeRows(TRowStore& set)
{
    set.Compact(Present);
    set.ForEach([&](TStoredRow& row) {
        row.SetUpdateStatus(usUnmodified);
        for (int k = 0; k < set.Layout()->NestedCount(); ++k)
            MergeRows(*set.Nested(row, k));
    });
}

void TClientDataSet::MergeChangeLog()
{
    TClientDataSet* root = RootDataSet();
    if (root != this) {
        root->MergeChangeLog();
        return;
    }
    if (!Active())
        return;
    FLog.clear();
    MergeRows(*FRows);
    RefreshTree();
}

bool TClientDataSet::PrepareApply()
{
    CheckActive();
    CheckBrowseMode();
    for (TDataSet* nested : NestedDataSets())
        if (nested->Active())
            nested->CheckBrowseMode();
    return !FLog.empty();
}

int TClientDataSet::ApplyUpdates(int MaxErrors)
{
    TClientDataSet* root = RootDataSet();
    if (root != this)
        return root->ApplyUpdates(MaxErrors);
    if (!PrepareApply())
        return 0;
    std::vector<TDeltaEntry> delta;
    delta.reserve(FLog.size());
    for (const TLogEntry& e : FLog)
        delta.push_back({e.Meta, e.Kind, &e.Before, &e.After});
    FindProvider()->ApplyUpdates(delta);
    MergeChangeLog();
    return 0;
}

void TClientDataSet::AddPendingChanges(std::vector<TPendingChange>& Changes, int Log) const
{
    TDataSetProvider* provider = FindProvider();
    for (const TLogEntry& e : FLog)
        Changes.push_back({{provider, {e.Meta, e.Kind, &e.Before, &e.After}}, Log, e.Stamp});
}

std::vector<std::vector<Variant>> TClientDataSet::StoredRows() const
{
    // A row the log touches held the values before its first change, unless
    // the log inserted it.
    std::unordered_map<const TStoredRow*, const std::vector<Variant>*> before;
    for (const TLogEntry& e : FLog)
        if (e.Owner == this)
            before.emplace(e.Row, e.Kind == TUpdateKind::ukInsert ? nullptr : &e.Before);
    std::vector<std::vector<Variant>> rows;
    rows.reserve(FRows->Count());
    FRows->ForEach([&](TStoredRow& row) {
        if (row.Removed)
            return;
        const auto it = before.find(&row);
        if (it == before.end())
            rows.push_back(FRows->Values(row));
        else if (it->second)
            rows.push_back(*it->second);
    });
    return rows;
}

namespace {
// The columns of ';'-separated field names in a table's fields; empty when
// one is missing.
std::vector<int> ColumnsOf(const TPacketMeta& meta, const std::string& names)
{
    std::vector<int> columns;
    for (const std::string& name : SplitFieldNames(names)) {
        const int column = FieldDefIndex(meta.Fields, name);
        if (column < 0)
            return {};
        columns.push_back(column);
    }
    return columns;
}
} // namespace

std::vector<TRowReference> TClientDataSet::References(const std::vector<TClientDataSet*>& Roots)
{
    std::vector<TRowReference> references;
    for (const TClientDataSet* to : Roots)
        for (const TField* field : to->ReferringFields()) {
            const auto* from = static_cast<const TClientDataSet*>(field->DataSet());
            if (std::find(Roots.begin(), Roots.end(), from) == Roots.end())
                continue;
            TRowReference reference{from->FMeta, ColumnsOf(*from->FMeta, field->KeyFields()), to->FMeta,
                                    ColumnsOf(*to->FMeta, field->LookupKeyFields()), {}, {}};
            if (reference.FromColumns.empty() || reference.FromColumns.size() != reference.ToColumns.size())
                continue;
            reference.StoredFrom = from->StoredRows();
            reference.StoredTo = to->StoredRows();
            references.push_back(std::move(reference));
        }
    return references;
}

std::vector<const TField*> TClientDataSet::ReferringFields() const
{
    std::vector<const TField*> fields;
    if (Master() || !Owner())
        return fields;
    for (int i = 0; i < Owner()->ComponentCount(); ++i) {
        const auto* table = dynamic_cast<const TClientDataSet*>(Owner()->Components(i));
        if (!table || table->Master() || !table->Active())
            continue;
        for (const TField* field : table->FieldList())
            if (field->FieldKind() == fkLookup && field->LookupDataSet() == this)
                fields.push_back(field);
    }
    return fields;
}

void TClientDataSet::CheckDeleteAllowed(const TStoredRow& row)
{
    std::vector<TClientDataSet*> roots{this};
    for (const TField* field : ReferringFields()) {
        auto* from = static_cast<TClientDataSet*>(field->DataSet());
        const std::vector<int> fromColumns = ColumnsOf(*from->FMeta, field->KeyFields());
        const std::vector<int> toColumns = ColumnsOf(*FMeta, field->LookupKeyFields());
        if (fromColumns.empty() || fromColumns.size() != toColumns.size())
            continue;
        const TRowStore& others = *from->FRows;
        const auto refers = [&](const TStoredRow& other) {
            if (!Present(other))
                return false;
            for (std::size_t c = 0; c < fromColumns.size(); ++c) {
                const Variant value = others.Value(other, fromColumns[c]);
                if (value.IsNull() || value.IsEmpty() ||
                    CompareStoredValues(value, FRows->Value(row, toColumns[c])) != 0)
                    return false;
            }
            return true;
        };
        bool referred = false;
        for (std::size_t i = 0; i < others.Count() && !referred; ++i)
            referred = refers(others.Row(i));
        if (referred && std::find(roots.begin(), roots.end(), from) == roots.end())
            roots.push_back(from);
    }
    // Nobody refers to the row in the end state, or the tables live only here:
    // nothing to ask the database.
    if (roots.size() == 1 ||
        std::any_of(roots.begin(), roots.end(), [](const TClientDataSet* t) { return t->FProviderName.empty(); }))
        return;
    // A trial of all pending changes and this deletion, rolled back.
    std::vector<TPendingChange> changes;
    for (std::size_t i = 0; i < roots.size(); ++i)
        roots[i]->AddPendingChanges(changes, static_cast<int>(i));
    const std::vector<Variant> values = FRows->Values(row);
    changes.push_back({{FindProvider(), {FMeta, TUpdateKind::ukDelete, &values, &values}}, 0, gNextChange});
    const std::vector<TProviderChange> ordered = OrderChanges(std::move(changes), References(roots));
    try {
        WriteChanges(ordered, false);
    } catch (const EApplyError& e) {
        // Only the deletion's own refusal is its fault; another change that
        // fails is reported when the changes are applied.
        if (ordered[e.Index()].Entry.Before == &values)
            throw EDatabaseError(e.Reason());
    }
}

void TClientDataSet::ApplyUpdatesTogether(const std::vector<TClientDataSet*>& Tables)
{
    std::vector<TClientDataSet*> roots;
    for (TClientDataSet* table : Tables) {
        TClientDataSet* root = table->RootDataSet();
        if (root->Active() && std::find(roots.begin(), roots.end(), root) == roots.end())
            roots.push_back(root);
    }
    std::vector<TPendingChange> changes;
    for (std::size_t i = 0; i < roots.size(); ++i)
        if (roots[i]->PrepareApply())
            roots[i]->AddPendingChanges(changes, static_cast<int>(i));
    if (changes.empty())
        return;
    WriteChanges(OrderChanges(std::move(changes), References(roots)), true);
    for (TClientDataSet* root : roots)
        root->MergeChangeLog();
}

Variant TClientDataSet::GetAggregateValue(const TField& Field) const
{
    const auto* aggregate = dynamic_cast<const TAggregateField*>(&Field);
    if (!aggregate || !FAggregatesActive || !aggregate->Active() || !Active())
        return Variant::Null();
    for (const auto& [field, value] : FAggregateCache)
        if (field == &Field)
            return value;
    const std::string expression = Trim(aggregate->Expression());
    const std::size_t open = expression.find('(');
    const std::size_t close = expression.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open)
        aggregate->DatabaseError("'" + expression + "' is not an aggregate expression of field '%s'");
    const std::string function = LowerCase(Trim(expression.substr(0, open)));
    const std::string argument = Trim(expression.substr(open + 1, close - open - 1));
    Variant result = Variant::Null();
    if (function == "count" && argument == "*") {
        result = Variant(static_cast<int>(FView.size()));
    } else {
        const int column = FieldDefIndex(FieldDefs(), argument);
        if (column < 0)
            aggregate->DatabaseError("Field '" + argument + "' of the aggregate '%s' not found");
        int count = 0;
        double sum = 0;
        for (const TStoredRow* row : FView) {
            const Variant v = FRows->Value(*row, column);
            if (v.IsNull() || v.IsEmpty())
                continue;
            ++count;
            if (function == "max") {
                if (result.IsNull() || CompareStoredValues(v, result) > 0)
                    result = v;
            } else if (function == "min") {
                if (result.IsNull() || CompareStoredValues(v, result) < 0)
                    result = v;
            } else if (function == "sum" || function == "avg") {
                sum += v.AsDouble();
            } else if (function != "count") {
                aggregate->DatabaseError("Unknown aggregate function '" + function + "' in field '%s'");
            }
        }
        if (function == "count")
            result = Variant(count);
        else if (function == "sum" && count > 0)
            result = Variant(sum);
        else if (function == "avg" && count > 0)
            result = Variant(sum / count);
    }
    FAggregateCache.emplace_back(&Field, result);
    return result;
}

std::size_t TClientDataSet::RowBytes() const
{
    return FRows ? FRows->Bytes() : 0;
}
