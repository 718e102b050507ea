#pragma once
// The data link of the edit controls. Bound (a data source or a field name
// set) it edits a dataset field; unbound (neither) it keeps the value itself
// in UnboundValue, so an editor works the same either way.
#include <functional>
#include <string>

#include "platform/data/datasource.h"
#include "platform/data/field.h"
#include "platform/rtl/variant.h"

class TComponent;

class TFieldDataLinkLt : public TDataLink {
public:
    explicit TFieldDataLinkLt(TComponent* Control);

    TComponent* Control() const { return FControl; }
    const std::string& FieldName() const { return FFieldName; }
    void SetFieldName(const std::string& Value);
    void SetDataSourceLt(TDataSource* Value);
    // The bound field: nullptr while unbound, inactive or not found.
    TField* Field() const { return FField; }
    bool Unbound() const { return FUnbound; }
    const Variant& UnboundValue() const { return FUnboundValue; }
    bool EditingLt() const { return FEditingLt; }
    bool Modified() const { return FModified; }
    // Active: unbound, or active with a field.
    bool ActiveLt() const { return FUnbound || (Active() && FField); }

    bool StartEditing();
    bool CanModifyValue() const;
    void PostText(const std::string& Text);
    void PostValue(const Variant& Value);
    // Shows the stored value again (the data-change callback).
    void Revert() { RecordChanged(nullptr); }
    void MarkModified() { FModified = true; }
    void RefreshUnboundState();
    void RebindFields();
    // Saves a modified value (the update-data callback).
    void UpdateDataLt() { UpdateData(); }
    void RecordChanged(TField* Field) override;

    std::function<void()> OnDataChange, OnEditingChange, OnUpdateData, OnActiveChange;

protected:
    void ActiveChanged() override;
    void EditingChanged() override;
    void LayoutChanged() override;
    void UpdateData() override;

public:
    void DataEvent(TDataEvent Event, intptr_t Info) override;

private:
    void SetEditingLt(bool Value);

    TComponent* FControl;
    std::string FFieldName;
    TField* FField = nullptr;
    bool FUnbound = true;
    Variant FUnboundValue = Variant::Null();
    bool FEditingLt = false;
    bool FModified = false;
};
