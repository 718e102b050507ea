#include "dbcontrols/fielddatalinklt.h"

#include "platform/data/dataset.h"
#include "platform/rtl/component.h"

TFieldDataLinkLt::TFieldDataLinkLt(TComponent* Control) : FControl(Control) {}

void TFieldDataLinkLt::SetFieldName(const std::string& Value)
{
    if (Value == FFieldName)
        return;
    FFieldName = Value;
    RefreshUnboundState();
    RebindFields();
}

void TFieldDataLinkLt::SetDataSourceLt(TDataSource* Value)
{
    if (Value == DataSource())
        return;
    SetDataSource(Value);
    RefreshUnboundState();
    RebindFields();
}

void TFieldDataLinkLt::RefreshUnboundState()
{
    const bool unbound = DataSource() == nullptr && FFieldName.empty();
    if (unbound == FUnbound)
        return;
    FUnbound = unbound;
    FUnboundValue = Variant::Null();
    RebindFields();
    if (FUnbound && OnDataChange)
        OnDataChange();
}

void TFieldDataLinkLt::RebindFields()
{
    FField = nullptr;
    if (Active() && !FFieldName.empty())
        FField = DataSet()->FieldByName(FFieldName);
    SetEditingLt(FUnbound ? FEditingLt : (Editing() && CanModifyValue()));
    RecordChanged(nullptr);
}

bool TFieldDataLinkLt::CanModifyValue() const
{
    return FUnbound || (FField && FField->CanModify());
}

void TFieldDataLinkLt::SetEditingLt(bool Value)
{
    if (Value == FEditingLt)
        return;
    FEditingLt = Value;
    FModified = false;
    if (OnEditingChange)
        OnEditingChange();
}

bool TFieldDataLinkLt::StartEditing()
{
    if (FUnbound) {
        if (!FEditingLt && !ReadOnly())
            SetEditingLt(true);
    } else if (FField && FField->CanModify()) {
        Edit();
    }
    return FEditingLt;
}

void TFieldDataLinkLt::PostText(const std::string& Text)
{
    if (FUnbound) {
        FUnboundValue = Variant(Text);
        RecordChanged(nullptr);
    } else if (FField && FField->DataType() == ftMemo) {
        FField->SetAsString(Text);
    } else if (FField) {
        FField->SetText(Text);
    }
}

void TFieldDataLinkLt::PostValue(const Variant& Value)
{
    if (FUnbound) {
        FUnboundValue = Value;
        RecordChanged(nullptr);
    } else if (FField) {
        FField->SetValue(Value);
    }
}

void TFieldDataLinkLt::RecordChanged(TField* Field)
{
    if (Field && Field != FField)
        return;
    if (OnDataChange)
        OnDataChange();
    FModified = false;
}

void TFieldDataLinkLt::UpdateData()
{
    if (FUnbound) {
        if (FModified && OnUpdateData)
            OnUpdateData();
        SetEditingLt(false);
    } else if (FModified && FField && OnUpdateData) {
        OnUpdateData();
    }
    FModified = false;
}

void TFieldDataLinkLt::ActiveChanged()
{
    if (FUnbound)
        return;
    RebindFields();
    if (OnActiveChange)
        OnActiveChange();
}

void TFieldDataLinkLt::LayoutChanged()
{
    if (!FUnbound)
        RebindFields();
}

void TFieldDataLinkLt::EditingChanged()
{
    if (!FUnbound)
        SetEditingLt(Editing() && CanModifyValue());
}

void TFieldDataLinkLt::DataEvent(TDataEvent Event, intptr_t Info)
{
    if (Event == deDisabledStateChange) {
        if (Info != 0)
            RebindFields();
        else
            FField = nullptr;
        return;
    }
    TDataLink::DataEvent(Event, Info);
}
