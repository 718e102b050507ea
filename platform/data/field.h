#pragma once
// Fields: the typed columns of a dataset. A field holds no value itself; it
// reads and writes the dataset's active record, converting between the
// stored Variant and text, numbers and dates, and checks what is written.
#include <functional>
#include <string>
#include <vector>

#include "platform/data/datatypes.h"
#include "platform/rtl/alignment.h"
#include "platform/rtl/component.h"
#include "platform/rtl/currency.h"
#include "platform/rtl/variant.h"

class TDataSet;
class TField;

using TFieldNotifyEvent = std::function<void(TField* Sender)>;
using TFieldGetTextEvent = std::function<void(TField* Sender, std::string& Text, bool DisplayText)>;
using TFieldSetTextEvent = std::function<void(TField* Sender, const std::string& Text)>;

class TField : public TComponent {
    LT_CLASS(TField)
public:
    explicit TField(TComponent* AOwner);
    ~TField() override;

    TDataSet* DataSet() const { return FDataSet; }
    void SetDataSet(TDataSet* Value);

    // Published settings.
    const std::string& FieldName() const { return FFieldName; }
    void SetFieldName(const std::string& Value);
    TFieldKind FieldKind() const { return FFieldKind; }
    void SetFieldKind(TFieldKind Value) { FFieldKind = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    std::string DisplayLabel() const { return FDisplayLabel.empty() ? FFieldName : FDisplayLabel; }
    void SetDisplayLabel(const std::string& Value);
    int DisplayWidth() const;
    void SetDisplayWidth(int Value);
    int Size() const { return FSize; }
    void SetSize(int Value) { FSize = Value; }
    bool Required() const { return FRequired; }
    void SetRequired(bool Value) { FRequired = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    int Index() const;
    void SetIndex(int Value);
    const std::string& DefaultExpression() const { return FDefaultExpression; }
    void SetDefaultExpression(const std::string& Value) { FDefaultExpression = Value; }
    const std::string& EditMask() const { return FEditMask; }
    void SetEditMask(const std::string& Value) { FEditMask = Value; }
    TProviderFlags ProviderFlags() const { return FProviderFlags; }
    void SetProviderFlags(TProviderFlags Value) { FProviderFlags = Value; }
    // A lookup field shows LookupResultField of the LookupDataSet row whose
    // LookupKeyFields equal this dataset's KeyFields (';'-separated lists).
    bool Lookup() const { return FFieldKind == fkLookup; }
    void SetLookup(bool Value);
    const std::string& KeyFields() const { return FKeyFields; }
    void SetKeyFields(const std::string& Value) { FKeyFields = Value; }
    TDataSet* LookupDataSet() const { return FLookupDataSet; }
    void SetLookupDataSet(TDataSet* Value);
    const std::string& LookupKeyFields() const { return FLookupKeyFields; }
    void SetLookupKeyFields(const std::string& Value) { FLookupKeyFields = Value; }
    const std::string& LookupResultField() const { return FLookupResultField; }
    void SetLookupResultField(const std::string& Value) { FLookupResultField = Value; }

    const TFieldNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TFieldNotifyEvent Value) { FOnChange = std::move(Value); }
    const TFieldNotifyEvent& OnValidate() const { return FOnValidate; }
    void SetOnValidate(TFieldNotifyEvent Value) { FOnValidate = std::move(Value); }
    const TFieldGetTextEvent& OnGetText() const { return FOnGetText; }
    void SetOnGetText(TFieldGetTextEvent Value) { FOnGetText = std::move(Value); }
    const TFieldSetTextEvent& OnSetText() const { return FOnSetText; }
    void SetOnSetText(TFieldSetTextEvent Value) { FOnSetText = std::move(Value); }

    // The type and where the value lives.
    TFieldType DataType() const { return FDataType; }
    int FieldNo() const { return FFieldNo; }
    void SetFieldNo(int Value) { FFieldNo = Value; }
    std::string DisplayName() const { return DisplayLabel(); }
    virtual bool IsBlob() const { return false; }
    bool Calculated() const { return FFieldKind == fkCalculated; }
    virtual int DefaultDisplayWidth() const { return FSize > 0 ? FSize : 10; }

    // The value of the dataset's active record.
    Variant Value() const;
    void SetValue(const Variant& Value);
    bool IsNull() const { return Value().IsNull() || Value().IsEmpty(); }
    void Clear() { SetValue(Variant::Null()); }
    virtual std::string AsString() const;
    virtual void SetAsString(const std::string& Value);
    virtual int AsInteger() const;
    virtual void SetAsInteger(int Value);
    virtual int64_t AsLargeInt() const;
    virtual void SetAsLargeInt(int64_t Value);
    virtual double AsFloat() const;
    virtual void SetAsFloat(double Value);
    virtual Currency AsCurrency() const;
    virtual void SetAsCurrency(Currency Value);
    virtual bool AsBoolean() const;
    virtual void SetAsBoolean(bool Value);
    virtual TDateTime AsDateTime() const;
    virtual void SetAsDateTime(TDateTime Value);

    // Text for showing (DisplayText) and for editing (Text); both go through
    // OnGetText when it is assigned. SetText goes through OnSetText.
    std::string DisplayText() const;
    std::string Text() const;
    void SetText(const std::string& Value);
    virtual bool IsValidChar(char32_t Ch) const;
    bool CanModify() const;

    // Asks the data links to put the focus on the control showing this field.
    void FocusControl();

    void SetParentComponent(TComponent* Value) override;
    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return true; }

    // Checks a value about to be stored: range, size, OnValidate. Raises
    // EDatabaseError naming the field.
    virtual void Validate(const Variant& Value) const;
    // Converts a value for storage (a string to this field's type, say).
    virtual Variant Coerce(const Variant& Value) const;
    // Raises EDatabaseError "<fmt with field name>".
    [[noreturn]] void DatabaseError(const std::string& Message) const;

protected:
    void SetDataType(TFieldType Value) { FDataType = Value; }
    // Text of a non-null value; DisplayText true for showing.
    virtual std::string GetText(bool DisplayText) const;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void PropertyChanged(bool LayoutAffected);

private:
    TDataSet* FDataSet = nullptr;
    std::string FFieldName;
    TFieldKind FFieldKind = fkData;
    TFieldType FDataType = ftUnknown;
    TAlignment FAlignment = taLeftJustify;
    std::string FDisplayLabel;
    int FDisplayWidth = 0;
    int FSize = 0;
    int FFieldNo = 0;
    bool FRequired = false;
    bool FReadOnly = false;
    bool FVisible = true;
    std::string FDefaultExpression;
    std::string FEditMask;
    TProviderFlags FProviderFlags{pfInUpdate, pfInWhere};
    std::string FKeyFields;
    TDataSet* FLookupDataSet = nullptr;
    std::string FLookupKeyFields;
    std::string FLookupResultField;
    TFieldNotifyEvent FOnChange;
    TFieldNotifyEvent FOnValidate;
    TFieldGetTextEvent FOnGetText;
    TFieldSetTextEvent FOnSetText;
};

// A new field of the object's class, made once per class. Field classes set
// some properties in their constructors (a string field's size, a numeric
// field's alignment), so a description stores such a property when it
// differs from a new field, not from one default for every class.
const TField* NewFieldLike(const TObject& Field);

template <class C, class V>
std::function<bool(const TObject&)> StoredIfNotAsNew(V (C::*Get)() const)
{
    return [Get](const TObject& Object) {
        const auto* fresh = dynamic_cast<const C*>(NewFieldLike(Object));
        return !fresh || (static_cast<const C&>(Object).*Get)() != (fresh->*Get)();
    };
}

// Splits "A;B; C" into its names.
std::vector<std::string> SplitFieldNames(const std::string& Names);
