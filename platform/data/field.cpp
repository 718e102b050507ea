#include "platform/data/field.h"

#include <memory>
#include <unordered_map>

#include "platform/data/dataset.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/strutils.h"

const TField* NewFieldLike(const TObject& Field)
{
    static std::unordered_map<const TClassInfo*, std::unique_ptr<TComponent>> made;
    const TClassInfo& info = Field.ClassType();
    auto& field = made[&info];
    if (!field && info.Factory())
        field.reset(info.Factory()(nullptr));
    return dynamic_cast<const TField*>(field.get());
}

LT_IMPLEMENT_CLASS(TField, TComponent)
{
    P.Property("Alignment", &TField::Alignment, &TField::SetAlignment).StoredIf(StoredIfNotAsNew(&TField::Alignment));
    P.Property("DisplayLabel", &TField::DisplayLabel, &TField::SetDisplayLabel)
        .StoredIf([](const TObject& o) {
            const auto& f = static_cast<const TField&>(o);
            return f.DisplayLabel() != f.FieldName();
        });
    P.Property("DisplayWidth", &TField::DisplayWidth, &TField::SetDisplayWidth).StoredIf([](const TObject& o) {
        const auto& f = static_cast<const TField&>(o);
        return f.DisplayWidth() != f.DefaultDisplayWidth();
    });
    P.Property("FieldKind", &TField::FieldKind, &TField::SetFieldKind).StoredIf(StoredIfNotAsNew(&TField::FieldKind));
    P.Property("FieldName", &TField::FieldName, &TField::SetFieldName);
    P.Property("DefaultExpression", &TField::DefaultExpression, &TField::SetDefaultExpression);
    P.Property("EditMask", &TField::EditMask, &TField::SetEditMask);
    P.Property("LookupDataSet", &TField::LookupDataSet, &TField::SetLookupDataSet);
    P.Property("LookupKeyFields", &TField::LookupKeyFields, &TField::SetLookupKeyFields);
    P.Property("LookupResultField", &TField::LookupResultField, &TField::SetLookupResultField);
    P.Property("KeyFields", &TField::KeyFields, &TField::SetKeyFields);
    P.Property("Lookup", &TField::Lookup, &TField::SetLookup).StoredIf([](const TObject&) { return false; });
    P.Property("ProviderFlags", &TField::ProviderFlags, &TField::SetProviderFlags)
        .Default(static_cast<int64_t>(TProviderFlags{pfInUpdate, pfInWhere}.Bits()));
    P.Property("ReadOnly", &TField::ReadOnly, &TField::SetReadOnly).StoredIf(StoredIfNotAsNew(&TField::ReadOnly));
    P.Property("Required", &TField::Required, &TField::SetRequired).Default(0);
    P.Property("Size", &TField::Size, &TField::SetSize).StoredIf(StoredIfNotAsNew(&TField::Size));
    P.Property("Visible", &TField::Visible, &TField::SetVisible).StoredIf(StoredIfNotAsNew(&TField::Visible));
    P.Property("OnChange", &TField::OnChange, &TField::SetOnChange);
    P.Property("OnGetText", &TField::OnGetText, &TField::SetOnGetText);
    P.Property("OnSetText", &TField::OnSetText, &TField::SetOnSetText);
    P.Property("OnValidate", &TField::OnValidate, &TField::SetOnValidate);
}

std::vector<std::string> SplitFieldNames(const std::string& Names)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start <= Names.size()) {
        const std::size_t semicolon = Names.find(';', start);
        const std::string name = Trim(Names.substr(start, semicolon - start));
        if (!name.empty())
            result.push_back(name);
        if (semicolon == std::string::npos)
            break;
        start = semicolon + 1;
    }
    return result;
}

TField::TField(TComponent* AOwner) : TComponent(AOwner) {}

TField::~TField()
{
    if (FDataSet)
        FDataSet->FieldRemoved(this);
}

void TField::SetDataSet(TDataSet* Value)
{
    if (Value == FDataSet)
        return;
    if (FDataSet)
        FDataSet->FieldRemoved(this);
    FDataSet = Value;
    if (FDataSet)
        FDataSet->FieldAdded(this);
}

void TField::SetParentComponent(TComponent* Value)
{
    if (auto* dataSet = dynamic_cast<TDataSet*>(Value))
        SetDataSet(dataSet);
    else if (Value)
        throw EComponentError("A field belongs to a dataset, not to a " + Value->ClassName());
}

TComponent* TField::GetParentComponent() const
{
    return FDataSet;
}

void TField::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FLookupDataSet)
        FLookupDataSet = nullptr;
}

void TField::SetLookupDataSet(TDataSet* Value)
{
    FLookupDataSet = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TField::SetLookup(bool Value)
{
    if (Value)
        FFieldKind = fkLookup;
    else if (FFieldKind == fkLookup)
        FFieldKind = fkData;
}

void TField::PropertyChanged(bool LayoutAffected)
{
    if (FDataSet && FDataSet->Active())
        FDataSet->DataEvent(LayoutAffected ? deLayoutChange : deDataSetChange, 0);
}

void TField::SetFieldName(const std::string& Value)
{
    if (FDataSet && FDataSet->Active())
        DatabaseError("Cannot rename field '%s' of an open dataset");
    FFieldName = Value;
}

void TField::SetAlignment(TAlignment Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    PropertyChanged(false);
}

void TField::SetDisplayLabel(const std::string& Value)
{
    const std::string label = Value == FFieldName ? std::string() : Value;
    if (label == FDisplayLabel)
        return;
    FDisplayLabel = label;
    PropertyChanged(true);
}

int TField::DisplayWidth() const
{
    return FDisplayWidth > 0 ? FDisplayWidth : DefaultDisplayWidth();
}

void TField::SetDisplayWidth(int Value)
{
    if (Value == DisplayWidth())
        return;
    FDisplayWidth = Value;
    PropertyChanged(true);
}

void TField::SetReadOnly(bool Value)
{
    if (Value == FReadOnly)
        return;
    FReadOnly = Value;
    PropertyChanged(true);
}

void TField::SetVisible(bool Value)
{
    if (Value == FVisible)
        return;
    FVisible = Value;
    PropertyChanged(true);
}

int TField::Index() const
{
    return FDataSet ? FDataSet->FieldIndex(this) : -1;
}

void TField::SetIndex(int Value)
{
    if (FDataSet)
        FDataSet->SetFieldIndex(this, Value);
}

void TField::DatabaseError(const std::string& Message) const
{
    std::string text = Message;
    const std::size_t at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, DisplayName());
    throw EDatabaseError(text);
}

Variant TField::Value() const
{
    if (!FDataSet)
        DatabaseError("Field '%s' has no dataset");
    return FDataSet->GetFieldValue(*this);
}

void TField::SetValue(const Variant& Value)
{
    if (!FDataSet)
        DatabaseError("Field '%s' has no dataset");
    FDataSet->SetFieldValue(*this, Value);
}

Variant TField::Coerce(const Variant& Value) const
{
    return Value;
}

void TField::Validate(const Variant&) const
{
    if (FOnValidate)
        FOnValidate(const_cast<TField*>(this));
}

namespace {
template <class F>
auto Converting(const TField& field, F&& convert)
{
    try {
        return convert();
    } catch (const EConvertError& e) {
        field.DatabaseError(e.Message() + " (field '%s')");
    }
}
} // namespace

std::string TField::AsString() const
{
    const Variant v = Value();
    return v.IsNull() || v.IsEmpty() ? std::string() : GetText(false);
}

void TField::SetAsString(const std::string& Value)
{
    SetValue(Value.empty() && FDataType != ftString && FDataType != ftFixedChar ? Variant::Null() : Variant(Value));
}

int TField::AsInteger() const
{
    const Variant v = Value();
    return v.IsNull() ? 0 : Converting(*this, [&] { return v.AsInteger(); });
}

void TField::SetAsInteger(int Value)
{
    SetValue(Variant(Value));
}

int64_t TField::AsLargeInt() const
{
    const Variant v = Value();
    return v.IsNull() ? 0 : Converting(*this, [&] { return v.AsInt64(); });
}

void TField::SetAsLargeInt(int64_t Value)
{
    SetValue(Variant(Value));
}

double TField::AsFloat() const
{
    const Variant v = Value();
    return v.IsNull() ? 0.0 : Converting(*this, [&] { return v.AsDouble(); });
}

void TField::SetAsFloat(double Value)
{
    SetValue(Variant(Value));
}

Currency TField::AsCurrency() const
{
    const Variant v = Value();
    return v.IsNull() ? Currency() : Converting(*this, [&] { return v.AsCurrency(); });
}

void TField::SetAsCurrency(Currency Value)
{
    SetValue(Variant(Value));
}

bool TField::AsBoolean() const
{
    const Variant v = Value();
    return v.IsNull() ? false : Converting(*this, [&] { return v.AsBoolean(); });
}

void TField::SetAsBoolean(bool Value)
{
    SetValue(Variant(Value));
}

TDateTime TField::AsDateTime() const
{
    const Variant v = Value();
    return v.IsNull() ? 0.0 : Converting(*this, [&] { return v.AsDateTime(); });
}

void TField::SetAsDateTime(TDateTime Value)
{
    SetValue(Variant::FromDateTime(Value));
}

std::string TField::GetText(bool) const
{
    return VarToStr(Value());
}

std::string TField::DisplayText() const
{
    std::string text;
    if (FDataSet && !IsNull())
        text = GetText(true);
    if (FOnGetText)
        FOnGetText(const_cast<TField*>(this), text, true);
    return text;
}

std::string TField::Text() const
{
    std::string text;
    if (FDataSet && !IsNull())
        text = GetText(false);
    if (FOnGetText)
        FOnGetText(const_cast<TField*>(this), text, false);
    return text;
}

void TField::SetText(const std::string& Value)
{
    if (FOnSetText)
        FOnSetText(this, Value);
    else
        SetAsString(Value);
}

bool TField::IsValidChar(char32_t Ch) const
{
    return Ch >= 32 || Ch == '\t';
}

bool TField::CanModify() const
{
    if (FReadOnly || !FDataSet || !FDataSet->CanModify())
        return false;
    return FFieldKind == fkData || FFieldKind == fkLookup;
}

void TField::FocusControl()
{
    if (!FDataSet || !FDataSet->Active())
        return;
    TField* field = this;
    FDataSet->DataEvent(deFocusControl, reinterpret_cast<intptr_t>(&field));
}
