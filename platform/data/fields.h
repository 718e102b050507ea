#pragma once
// The typed fields: text, numbers, dates, booleans, blobs, nested tables and
// aggregates.
#include <string>

#include "platform/data/field.h"

class TStringField : public TField {
    LT_CLASS(TStringField)
public:
    explicit TStringField(TComponent* AOwner);
    bool FixedChar() const { return DataType() == ftFixedChar; }
    void SetFixedChar(bool Value) { SetDataType(Value ? ftFixedChar : ftString); }
    Variant Coerce(const Variant& Value) const override;
};

// Numbers: right-aligned, shown through DisplayFormat and edited through
// EditFormat (the display-format language of FormatFloat).
class TNumericField : public TField {
    LT_CLASS(TNumericField)
public:
    explicit TNumericField(TComponent* AOwner);
    const std::string& DisplayFormat() const { return FDisplayFormat; }
    void SetDisplayFormat(const std::string& Value);
    const std::string& EditFormat() const { return FEditFormat; }
    void SetEditFormat(const std::string& Value) { FEditFormat = Value; }

private:
    std::string FDisplayFormat;
    std::string FEditFormat;
};

// 32-bit integers; MinValue and MaxValue both 0 mean no range beyond the type's.
class TIntegerField : public TNumericField {
    LT_CLASS(TIntegerField)
public:
    explicit TIntegerField(TComponent* AOwner);
    int MinValue() const { return FMinValue; }
    void SetMinValue(int Value) { FMinValue = Value; }
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int Value) { FMaxValue = Value; }
    Variant Coerce(const Variant& Value) const override;
    void Validate(const Variant& Value) const override;
    bool IsValidChar(char32_t Ch) const override;

protected:
    std::string GetText(bool DisplayText) const override;
    int64_t FMinRange = -2147483648LL;
    int64_t FMaxRange = 2147483647LL;

private:
    int FMinValue = 0;
    int FMaxValue = 0;
};

class TSmallintField : public TIntegerField {
    LT_CLASS(TSmallintField)
public:
    explicit TSmallintField(TComponent* AOwner);
};

class TWordField : public TIntegerField {
    LT_CLASS(TWordField)
public:
    explicit TWordField(TComponent* AOwner);
};

class TLargeintField : public TNumericField {
    LT_CLASS(TLargeintField)
public:
    explicit TLargeintField(TComponent* AOwner);
    int64_t MinValue() const { return FMinValue; }
    void SetMinValue(int64_t Value) { FMinValue = Value; }
    int64_t MaxValue() const { return FMaxValue; }
    void SetMaxValue(int64_t Value) { FMaxValue = Value; }
    Variant Coerce(const Variant& Value) const override;
    void Validate(const Variant& Value) const override;
    bool IsValidChar(char32_t Ch) const override;

protected:
    std::string GetText(bool DisplayText) const override;

private:
    int64_t FMinValue = 0;
    int64_t FMaxValue = 0;
};

class TFloatField : public TNumericField {
    LT_CLASS(TFloatField)
public:
    explicit TFloatField(TComponent* AOwner);
    bool Currency() const { return FCurrency; }
    void SetCurrency(bool Value) { FCurrency = Value; }
    int Precision() const { return FPrecision; }
    void SetPrecision(int Value) { FPrecision = Value; }
    double MinValue() const { return FMinValue; }
    void SetMinValue(double Value) { FMinValue = Value; }
    double MaxValue() const { return FMaxValue; }
    void SetMaxValue(double Value) { FMaxValue = Value; }
    Variant Coerce(const Variant& Value) const override;
    void Validate(const Variant& Value) const override;
    bool IsValidChar(char32_t Ch) const override;

protected:
    std::string GetText(bool DisplayText) const override;

private:
    bool FCurrency = false;
    int FPrecision = 15;
    double FMinValue = 0;
    double FMaxValue = 0;
};

class TCurrencyField : public TFloatField {
    LT_CLASS(TCurrencyField)
public:
    explicit TCurrencyField(TComponent* AOwner);
};

// Exact decimals held as Currency (four decimal places).
class TBCDField : public TNumericField {
    LT_CLASS(TBCDField)
public:
    explicit TBCDField(TComponent* AOwner);
    bool Currency() const { return FCurrency; }
    void SetCurrency(bool Value) { FCurrency = Value; }
    int Precision() const { return FPrecision; }
    void SetPrecision(int Value) { FPrecision = Value; }
    Variant Coerce(const Variant& Value) const override;
    bool IsValidChar(char32_t Ch) const override;

protected:
    std::string GetText(bool DisplayText) const override;

private:
    bool FCurrency = false;
    int FPrecision = 18;
};

class TDateTimeField : public TField {
    LT_CLASS(TDateTimeField)
public:
    explicit TDateTimeField(TComponent* AOwner);
    const std::string& DisplayFormat() const { return FDisplayFormat; }
    void SetDisplayFormat(const std::string& Value);
    Variant Coerce(const Variant& Value) const override;

protected:
    std::string GetText(bool DisplayText) const override;
    virtual std::string DefaultFormat() const;

private:
    std::string FDisplayFormat;
};

class TDateField : public TDateTimeField {
    LT_CLASS(TDateField)
public:
    explicit TDateField(TComponent* AOwner);

protected:
    std::string DefaultFormat() const override;
};

class TTimeField : public TDateTimeField {
    LT_CLASS(TTimeField)
public:
    explicit TTimeField(TComponent* AOwner);

protected:
    std::string DefaultFormat() const override;
};

class TSQLTimeStampField : public TDateTimeField {
    LT_CLASS(TSQLTimeStampField)
public:
    explicit TSQLTimeStampField(TComponent* AOwner);
};

// DisplayValues: "yes text;no text" (default "True;False").
class TBooleanField : public TField {
    LT_CLASS(TBooleanField)
public:
    explicit TBooleanField(TComponent* AOwner);
    const std::string& DisplayValues() const { return FDisplayValues; }
    void SetDisplayValues(const std::string& Value);
    Variant Coerce(const Variant& Value) const override;

protected:
    std::string GetText(bool DisplayText) const override;

private:
    std::string FDisplayValues = "True;False";
    std::string FTrueText = "True";
    std::string FFalseText = "False";
};

class TBlobField : public TField {
    LT_CLASS(TBlobField)
public:
    explicit TBlobField(TComponent* AOwner);
    bool IsBlob() const override { return true; }

protected:
    std::string GetText(bool DisplayText) const override;
};

class TMemoField : public TBlobField {
    LT_CLASS(TMemoField)
public:
    explicit TMemoField(TComponent* AOwner);

protected:
    std::string GetText(bool DisplayText) const override;
};

// A field whose value is a nested table: the rows of a detail dataset that
// belong to the current row; NestedDataSet shows them.
class TDataSetField : public TField {
    LT_CLASS(TDataSetField)
public:
    explicit TDataSetField(TComponent* AOwner);
    TDataSet* NestedDataSet() const { return FNestedDataSet; }
    void SetNestedDataSet(TDataSet* Value) { FNestedDataSet = Value; }

protected:
    std::string GetText(bool DisplayText) const override;

private:
    TDataSet* FNestedDataSet = nullptr;
};

// A value computed over the dataset's rows: "max(fid)" and the like.
class TAggregateField : public TField {
    LT_CLASS(TAggregateField)
public:
    explicit TAggregateField(TComponent* AOwner);
    const std::string& Expression() const { return FExpression; }
    void SetExpression(const std::string& Value);
    bool Active() const { return FActive; }
    void SetActive(bool Value);
    const std::string& DisplayFormat() const { return FDisplayFormat; }
    void SetDisplayFormat(const std::string& Value) { FDisplayFormat = Value; }
    bool Currency() const { return FCurrency; }
    void SetCurrency(bool Value) { FCurrency = Value; }
    int Precision() const { return FPrecision; }
    void SetPrecision(int Value) { FPrecision = Value; }

protected:
    std::string GetText(bool DisplayText) const override;

private:
    std::string FExpression;
    bool FActive = false;
    std::string FDisplayFormat;
    bool FCurrency = false;
    int FPrecision = 15;
};

// The field class for a column type.
TField* CreateFieldOfType(TFieldType Type, TComponent* Owner);
