#include "dbgrid/footers/dbsumlist.h"

#include "dbcontrols/ltplatform.h"
#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TDBSum, TCollectionItem)
{
    P.Property("FieldName", &TDBSum::FieldName, &TDBSum::SetFieldName);
    P.Property("GroupOperation", &TDBSum::GroupOperation, &TDBSum::SetGroupOperation).Default(goSum);
}

LT_IMPLEMENT_CLASS(TDBSumCollection, TCollection) {}

LT_IMPLEMENT_CLASS(TDBSumListProducer, TPersistent) {}

TDBSum::TDBSum(TCollection* Collection) : TCollectionItem(Collection), FOldVarValue(Variant::Null()) {}

void TDBSum::SetFieldName(const std::string& Value)
{
    if (Value == FFieldName)
        return;
    FFieldName = Value;
    Changed(false);
}

void TDBSum::SetGroupOperation(TGroupOperation Value)
{
    if (Value == FGroupOperation)
        return;
    FGroupOperation = Value;
    Changed(false);
}

void TDBSum::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TDBSum*>(Source);
    if (!source) {
        TCollectionItem::Assign(Source);
        return;
    }
    FGroupOperation = source->FGroupOperation;
    FFieldName = source->FFieldName;
    FOldValue = source->FOldValue;
    FSumValue = source->FSumValue;
}

TDBSumCollection::TDBSumCollection(TDBSumListProducer* Producer)
    : TCollection(Producer, ItemsOf<TDBSum>()), FProducer(Producer)
{
}

TDBSum* TDBSumCollection::GetSumByOpAndFName(TGroupOperation GroupOperation, const std::string& FieldName) const
{
    for (int i = 0; i < Count(); ++i) {
        TDBSum* sum = Items(i);
        if (sum->GroupOperation() == GroupOperation && PlatformCompareText(sum->FieldName(), FieldName) == 0)
            return sum;
    }
    return nullptr;
}

void TDBSumCollection::Update(TCollectionItem*)
{
    FProducer->Update();
}

TDBSumListProducer::TDBSumListProducer(TComponent* AOwner)
    : FOwner(AOwner), FSumCollection(std::make_unique<TDBSumCollection>(this))
{
    FDataSet.SetOnFreed([this] { ForgetDataSet(); });
    FMasterDataSet.SetOnFreed([this] { FSavedMasterAfterScroll = nullptr; });
}

TDBSumListProducer::~TDBSumListProducer()
{
    UnhookDataSetEvents();
}

void TDBSumListProducer::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TDBSumListProducer*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    SetActive(source->Active());
    SetDataSet(source->DataSet());
    SetExternalRecalc(source->ExternalRecalc());
    FSumCollection->Assign(source->SumCollection());
    FSumListChanged = source->FSumListChanged;
    SetVirtualRecords(source->VirtualRecords());
    FOnAfterRecalcAll = source->FOnAfterRecalcAll;
    FOnRecalcAll = source->FOnRecalcAll;
}

bool TDBSumListProducer::OwnerIdle() const
{
    if (!FOwner)
        return false;
    const TComponentState state = FOwner->ComponentState();
    return state.Contains(csLoading) || (state.Contains(csDesigning) && !FDesignTimeWork);
}

void TDBSumListProducer::SetDataSet(TDataSet* Value)
{
    if (Value == DataSet())
        return;
    if (OwnerIdle()) {
        FDataSet.Set(Value);
        return;
    }
    const bool wasActive = FActive;
    SetActive(false);
    FDataSet.Set(Value);
    SetActive(wasActive);
}

void TDBSumListProducer::SetActive(bool Value)
{
    if (Value == FActive)
        return;
    FActive = Value;
    if (!OwnerIdle())
        Activate(Value);
}

void TDBSumListProducer::Activate(bool Value)
{
    if (Value) {
        HookDataSetEvents();
        RecalcAll();
    } else {
        UnhookDataSetEvents();
        ResetSums();
    }
}

void TDBSumListProducer::Loaded()
{
    if (DataSet() && FActive)
        Activate(true);
}

void TDBSumListProducer::SetExternalRecalc(bool Value)
{
    if (Value == FExternalRecalc)
        return;
    FExternalRecalc = Value;
    RecalcAll();
}

void TDBSumListProducer::SetVirtualRecords(bool Value)
{
    if (Value == FVirtualRecords)
        return;
    FVirtualRecords = Value;
    if (Value)
        RecalcAll();
}

void TDBSumListProducer::Update()
{
    if (FOwner && FOwner->ComponentState().Contains(csLoading))
        return;
    if (FOwner && FOwner->ComponentState().Contains(csDestroying))
        return;
    RecalcAll();
}

void TDBSumListProducer::Changed() const
{
    if (FSumListChanged)
        FSumListChanged(const_cast<TDBSumListProducer*>(this));
}

void TDBSumListProducer::ResetSums()
{
    for (int i = 0; i < FSumCollection->Count(); ++i) {
        TDBSum* sum = FSumCollection->Items(i);
        sum->FSumValue = Currency();
        sum->FAvgSum = Currency();
        sum->FOldValue = Currency();
        sum->FNotNullCount = 0;
    }
    Changed();
}

TDataSet* TDBSumListProducer::FindMasterDataSet() const
{
    TDataSet* dataSet = DataSet();
    if (TDataSet* master = DataSetOfDataSourceProperty(dataSet, dataSet->ClassType().FindProperty("MasterSource")))
        return master;
    // The platform's own master links: the source a query takes its
    // parameters from, and the table a nested detail lives in.
    if (const TDataSource* source = dataSet->ParamsSource())
        return source->DataSet();
    if (const TDataSetField* field = dataSet->DataSetField())
        return field->DataSet();
    return nullptr;
}
