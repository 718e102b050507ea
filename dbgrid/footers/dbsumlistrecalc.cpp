// The aggregates' arithmetic: the full pass over the dataset and the
// adjustments of one record's edit, insert, post and delete.
#include "dbgrid/core/controlsdisabled.h"
#include "dbgrid/footers/dbsumlist.h"

namespace {
// A field's value as an amount; a null counts as 0.
Currency AmountOf(const TField* Field)
{
    return Field->IsNull() ? Currency() : Field->AsCurrency();
}

// Whether a record counts for a goCount item: always without a field, else
// when the field holds a value.
bool CountsFor(const TField* Field)
{
    return !Field || !Field->IsNull();
}

Currency Average(Currency Sum, int Count)
{
    return Count == 0 ? Currency() : Sum / Currency(Count);
}

// Points the dataset's fields at other shown rows for the life of a scope,
// without moving the cursor; then at the row they showed before.
class TActiveRowKept {
public:
    explicit TActiveRowKept(TDataSet* DataSet) : FDataSet(DataSet), FRow(DataSet->ActiveRow()) {}
    TActiveRowKept(const TActiveRowKept&) = delete;
    TActiveRowKept& operator=(const TActiveRowKept&) = delete;
    ~TActiveRowKept() { FDataSet->SetActiveRow(FRow); }

private:
    TDataSet* FDataSet;
    int FRow;
};
} // namespace

std::vector<TDBSum*> TDBSumListProducer::CountedItems() const
{
    std::vector<TDBSum*> items;
    for (int i = 0; i < FSumCollection->Count(); ++i) {
        TDBSum* sum = FSumCollection->Items(i);
        if (sum->GroupOperation() == goCount || !sum->FieldName().empty())
            items.push_back(sum);
    }
    return items;
}

TField* TDBSumListProducer::FieldOf(const TDBSum& Sum) const
{
    return Sum.FieldName().empty() ? nullptr : DataSet()->FieldByName(Sum.FieldName());
}

void TDBSumListProducer::RememberFilter()
{
    FFilteredAtRecalc = DataSet()->Filtered();
    FFilterAtRecalc = DataSet()->Filter();
}

bool TDBSumListProducer::FilterChangedSinceRecalc() const
{
    const TDataSet* dataSet = DataSet();
    return dataSet->Filtered() != FFilteredAtRecalc || (dataSet->Filtered() && dataSet->Filter() != FFilterAtRecalc);
}

void TDBSumListProducer::RecalcAll()
{
    TDataSet* dataSet = DataSet();
    if (OwnerIdle() || !dataSet || !dataSet->Active() || !FEventsHooked)
        return;
    ResetSums();
    FBookmarkCursor = -1;
    if (FOnRecalcAll)
        FOnRecalcAll(this);
    if (FExternalRecalc) {
        RememberFilter();
        return;
    }
    try {
        RecalcPass();
    } catch (...) {
        RememberFilter();
        FChanging = false;
        Changed();
        throw;
    }
    if (FOnAfterRecalcAll)
        FOnAfterRecalcAll(this);
    RememberFilter();
    FChanging = false;
    Changed();
}

void TDBSumListProducer::RecalcPass()
{
    TDataSet* dataSet = DataSet();
    const std::vector<TDBSum*> items = CountedItems();
    const bool numbering = UsesVirtualRecords();
    if (items.empty() && !numbering)
        return;
    const TControlsDisabled disabled(dataSet);
    FBookmarks.clear();
    FChanging = true;
    if (!FRecalcInPlace)
        dataSet->First();
    std::vector<const TField*> fields;
    for (const TDBSum* sum : items)
        fields.push_back(FieldOf(*sum));
    // The fields read each shown row in turn; the cursor does not move.
    const TActiveRowKept kept(dataSet);
    for (int row = 0; row < dataSet->RowCount(); ++row) {
        dataSet->SetActiveRow(row);
        for (std::size_t i = 0; i < items.size(); ++i) {
            TDBSum& sum = *items[i];
            const TField* field = fields[i];
            switch (sum.GroupOperation()) {
            case goSum:
                sum.FSumValue += AmountOf(field);
                break;
            case goAvg:
                if (!field->IsNull())
                    ++sum.FNotNullCount;
                sum.FAvgSum += AmountOf(field);
                break;
            case goCount:
                if (CountsFor(field))
                    sum.FSumValue += Currency(1);
                break;
            }
        }
        if (numbering)
            FBookmarks.push_back(dataSet->Bookmark());
    }
    for (TDBSum* sum : items)
        if (sum->GroupOperation() == goAvg)
            sum->FSumValue = Average(sum->FAvgSum, sum->FNotNullCount);
}

void TDBSumListProducer::RememberOldValues(bool Inserting)
{
    // A new record is in none of the sums yet, whatever values it starts
    // with.
    for (TDBSum* sum : CountedItems()) {
        if (Inserting) {
            sum->FOldValue = Currency();
            sum->FOldVarValue = Variant::Null();
            continue;
        }
        const TField* field = FieldOf(*sum);
        if (sum->GroupOperation() == goCount) {
            sum->FOldValue = Currency(CountsFor(field) ? 1 : 0);
        } else {
            sum->FOldValue = AmountOf(field);
            sum->FOldVarValue = field->Value();
        }
    }
}

void TDBSumListProducer::AddPostedRecord(bool Shown)
{
    for (TDBSum* sum : CountedItems()) {
        const TField* field = FieldOf(*sum);
        switch (sum->GroupOperation()) {
        case goSum:
            sum->FSumValue += (Shown ? AmountOf(field) : Currency()) - sum->FOldValue;
            break;
        case goAvg: {
            const bool wasNull = sum->FOldVarValue.IsNull() || sum->FOldVarValue.IsEmpty();
            const bool isNull = !Shown || field->IsNull();
            if (wasNull && !isNull)
                ++sum->FNotNullCount;
            else if (!wasNull && isNull)
                --sum->FNotNullCount;
            sum->FAvgSum += (Shown ? AmountOf(field) : Currency()) - sum->FOldValue;
            sum->FSumValue = Average(sum->FAvgSum, sum->FNotNullCount);
            break;
        }
        case goCount:
            sum->FSumValue += Currency(Shown && CountsFor(field) ? 1 : 0) - sum->FOldValue;
            break;
        }
    }
}

void TDBSumListProducer::RemoveRecordFromSums(bool Editing)
{
    // A record deleted while being edited leaves with the values it was
    // stored with, which are the ones the sums hold.
    for (TDBSum* sum : CountedItems()) {
        const TField* field = FieldOf(*sum);
        if (sum->GroupOperation() == goCount) {
            sum->FSumValue -= Editing ? sum->FOldValue : Currency(CountsFor(field) ? 1 : 0);
            continue;
        }
        const Currency amount = Editing ? sum->FOldValue : AmountOf(field);
        if (sum->GroupOperation() == goSum) {
            sum->FSumValue -= amount;
            continue;
        }
        const bool isNull = Editing ? sum->FOldVarValue.IsNull() || sum->FOldVarValue.IsEmpty() : field->IsNull();
        sum->FAvgSum -= amount;
        if (!isNull)
            --sum->FNotNullCount;
        sum->FSumValue = Average(sum->FAvgSum, sum->FNotNullCount);
    }
}
