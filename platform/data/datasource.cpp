#include "platform/data/datasource.h"

#include <algorithm>

#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TDataSource, TComponent)
{
    P.Property("AutoEdit", &TDataSource::AutoEdit, &TDataSource::SetAutoEdit).Default(1);
    P.Property("DataSet", &TDataSource::DataSet, &TDataSource::SetDataSet);
    P.Property("Enabled", &TDataSource::Enabled, &TDataSource::SetEnabled).Default(1);
    P.Property("OnDataChange", &TDataSource::OnDataChange, &TDataSource::SetOnDataChange);
    P.Property("OnStateChange", &TDataSource::OnStateChange, &TDataSource::SetOnStateChange);
}

TDataSource::TDataSource(TComponent* AOwner) : TComponent(AOwner) {}

TDataSource::~TDataSource()
{
    for (TDataLink* link : std::vector<TDataLink*>(FDataLinks))
        link->SetDataSource(nullptr);
    SetDataSet(nullptr);
}

void TDataSource::SetDataSet(TDataSet* Value)
{
    if (Value == FDataSet)
        return;
    if (FDataSet)
        FDataSet->RemoveDataSource(this);
    FDataSet = Value;
    if (FDataSet) {
        FDataSet->AddDataSource(this);
        FDataSet->FreeNotification(this);
    }
    FLastState = State();
    for (TDataLink* link : std::vector<TDataLink*>(FDataLinks))
        link->UpdateState();
}

void TDataSource::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDataSet) {
        FDataSet = nullptr;
        FLastState = dsInactive;
        for (TDataLink* link : std::vector<TDataLink*>(FDataLinks))
            link->UpdateState();
    }
}

void TDataSource::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    for (TDataLink* link : std::vector<TDataLink*>(FDataLinks))
        link->DataEvent(deDisabledStateChange, Value ? 1 : 0);
    for (TDataLink* link : std::vector<TDataLink*>(FDataLinks))
        link->UpdateState();
}

void TDataSource::Edit()
{
    if (FAutoEdit && FDataSet && FDataSet->State() == dsBrowse)
        FDataSet->Edit();
}

bool TDataSource::IsLinkedTo(const TDataSet* DataSet) const
{
    for (const TDataSet* d = FDataSet; d;) {
        if (d == DataSet)
            return true;
        const TDataSource* next = d->ParamsSource();
        d = next ? next->DataSet() : nullptr;
    }
    return false;
}

void TDataSource::AddDataLink(TDataLink* Link)
{
    if (std::find(FDataLinks.begin(), FDataLinks.end(), Link) == FDataLinks.end())
        FDataLinks.push_back(Link);
}

void TDataSource::RemoveDataLink(TDataLink* Link)
{
    FDataLinks.erase(std::remove(FDataLinks.begin(), FDataLinks.end(), Link), FDataLinks.end());
}

void TDataSource::DataEvent(TDataEvent Event, intptr_t Info)
{
    if (Event == deUpdateState) {
        if (State() == FLastState)
            return;
        FLastState = State();
    }
    if (FEnabled)
        for (TDataLink* link : std::vector<TDataLink*>(FDataLinks))
            link->DataEvent(Event, Info);
    if (Event == deUpdateState) {
        if (FOnStateChange)
            FOnStateChange(this);
    } else if (Event == deFieldChange || Event == deRecordChange || Event == deDataSetChange ||
               Event == deDataSetScroll || Event == deLayoutChange) {
        if (FOnDataChange)
            FOnDataChange(this);
    }
}

TDataLink::~TDataLink()
{
    if (FDataSource)
        FDataSource->RemoveDataLink(this);
}

void TDataLink::SetDataSource(TDataSource* Value)
{
    if (Value == FDataSource)
        return;
    if (FDataSource)
        FDataSource->RemoveDataLink(this);
    FDataSource = Value;
    if (FDataSource)
        FDataSource->AddDataLink(this);
    UpdateState();
}

void TDataLink::SetReadOnly(bool Value)
{
    if (Value == FReadOnly)
        return;
    FReadOnly = Value;
    UpdateState();
}

void TDataLink::UpdateState()
{
    const bool active = FDataSource && FDataSource->Enabled() && FDataSource->State() != dsInactive;
    SetActive(active);
    SetEditing(active && IsEditState(FDataSource->State()) && !FReadOnly);
}

void TDataLink::SetActive(bool Value)
{
    if (Value == FActive)
        return;
    FActive = Value;
    if (Value) {
        FFirstRecord = std::max(0, DataSet()->CurrentRow() - (FBufferCount - 1));
    } else {
        FFirstRecord = 0;
    }
    ActiveChanged();
}

void TDataLink::SetEditing(bool Value)
{
    if (Value == FEditing)
        return;
    FEditing = Value;
    EditingChanged();
}

void TDataLink::SetBufferCount(int Value)
{
    Value = std::max(Value, 1);
    if (Value == FBufferCount)
        return;
    FBufferCount = Value;
    if (FActive) {
        int distance = 0;
        AdjustWindow(0, distance);
    }
}

int TDataLink::RecordCount() const
{
    if (!FActive)
        return 0;
    return std::clamp(DataSet()->RowCount() - FFirstRecord, 0, FBufferCount);
}

int TDataLink::ActiveRecord() const
{
    if (!FActive)
        return 0;
    return DataSet()->ActiveRow() - FFirstRecord;
}

void TDataLink::SetActiveRecord(int Value)
{
    if (FActive)
        DataSet()->SetActiveRow(FFirstRecord + Value);
}

void TDataLink::AdjustWindow(int Shift, int& Distance)
{
    const TDataSet* dataSet = DataSet();
    const int current = dataSet->CurrentRow();
    const int first = FFirstRecord + Shift;
    const int last = first + FBufferCount - 1;
    int count = 0;
    if (current > last)
        count = current - last;
    else if (current < first)
        count = current - first;
    int newFirst = std::max(0, first + count);
    // Keep the window full when rows went away at the end.
    const int rows = dataSet->RowCount();
    newFirst = std::max(0, std::min(newFirst, rows - FBufferCount));
    if (current >= 0)
        newFirst = std::min(newFirst, current);
    Distance = newFirst - FFirstRecord;
    FFirstRecord = newFirst;
}

void TDataLink::DataEvent(TDataEvent Event, intptr_t Info)
{
    switch (Event) {
    case deFieldChange:
    case deRecordChange:
        if (!FUpdating)
            RecordChanged(reinterpret_cast<TField*>(Info));
        break;
    case deDataSetChange:
    case deDataSetScroll:
    case deLayoutChange: {
        int distance = 0;
        if (FActive)
            AdjustWindow(0, distance);
        if (Event == deDataSetChange)
            DataSetChanged();
        else if (Event == deDataSetScroll)
            DataSetScrolled(distance);
        else
            LayoutChanged();
        break;
    }
    case deUpdateRecord:
        UpdateRecord();
        break;
    case deUpdateState:
        UpdateState();
        break;
    case deCheckBrowseMode:
        CheckBrowseMode();
        break;
    case deFocusControl:
        FocusControl(reinterpret_cast<TField**>(Info));
        break;
    default:
        break;
    }
}

void TDataLink::DataSetScrolled(int)
{
    DataSetChanged();
}

void TDataLink::FocusControl(TField**) {}

bool TDataLink::Edit()
{
    if (!FReadOnly && FDataSource)
        FDataSource->Edit();
    return FEditing;
}

void TDataLink::UpdateRecord()
{
    if (FUpdating)
        return;
    FUpdating = true;
    try {
        UpdateData();
    } catch (...) {
        FUpdating = false;
        throw;
    }
    FUpdating = false;
}

int TDataLink::MoveBy(int Distance)
{
    return DataSet() ? DataSet()->MoveBy(Distance) : 0;
}

void TMasterDataLink::ActiveChanged()
{
    FDetail->MasterChanged();
}

void TMasterDataLink::DataSetChanged()
{
    FDetail->MasterChanged();
}

void TMasterDataLink::DataSetScrolled(int)
{
    FDetail->MasterChanged();
}

void TMasterDataLink::RecordChanged(TField* Field)
{
    if (!Field)
        FDetail->MasterChanged();
}
