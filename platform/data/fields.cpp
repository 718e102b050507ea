#include "platform/data/fields.h"

#include <cmath>

#include "platform/data/dataset.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/dateformat.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/floatformat.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/strutils.h"

LT_IMPLEMENT_CLASS(TStringField, TField)
{
    P.Property("FixedChar", &TStringField::FixedChar, &TStringField::SetFixedChar).Default(0);
}
LT_IMPLEMENT_CLASS(TNumericField, TField)
{
    P.Property("DisplayFormat", &TNumericField::DisplayFormat, &TNumericField::SetDisplayFormat);
    P.Property("EditFormat", &TNumericField::EditFormat, &TNumericField::SetEditFormat);
}
LT_IMPLEMENT_CLASS(TIntegerField, TNumericField)
{
    P.Property("MaxValue", &TIntegerField::MaxValue, &TIntegerField::SetMaxValue).Default(0);
    P.Property("MinValue", &TIntegerField::MinValue, &TIntegerField::SetMinValue).Default(0);
}
LT_IMPLEMENT_CLASS(TSmallintField, TIntegerField) {}
LT_IMPLEMENT_CLASS(TWordField, TIntegerField) {}
LT_IMPLEMENT_CLASS(TLargeintField, TNumericField)
{
    P.Property("MaxValue", &TLargeintField::MaxValue, &TLargeintField::SetMaxValue).Default(0);
    P.Property("MinValue", &TLargeintField::MinValue, &TLargeintField::SetMinValue).Default(0);
}
LT_IMPLEMENT_CLASS(TFloatField, TNumericField)
{
    P.Property("Currency", &TFloatField::Currency, &TFloatField::SetCurrency)
        .StoredIf(StoredIfNotAsNew(&TFloatField::Currency));
    P.Property("MaxValue", &TFloatField::MaxValue, &TFloatField::SetMaxValue);
    P.Property("MinValue", &TFloatField::MinValue, &TFloatField::SetMinValue);
    P.Property("Precision", &TFloatField::Precision, &TFloatField::SetPrecision).Default(15);
}
LT_IMPLEMENT_CLASS(TCurrencyField, TFloatField) {}
LT_IMPLEMENT_CLASS(TBCDField, TNumericField)
{
    P.Property("Currency", &TBCDField::Currency, &TBCDField::SetCurrency).Default(0);
    P.Property("Precision", &TBCDField::Precision, &TBCDField::SetPrecision).Default(18);
}
LT_IMPLEMENT_CLASS(TDateTimeField, TField)
{
    P.Property("DisplayFormat", &TDateTimeField::DisplayFormat, &TDateTimeField::SetDisplayFormat);
}
LT_IMPLEMENT_CLASS(TDateField, TDateTimeField) {}
LT_IMPLEMENT_CLASS(TTimeField, TDateTimeField) {}
LT_IMPLEMENT_CLASS(TSQLTimeStampField, TDateTimeField) {}
LT_IMPLEMENT_CLASS(TBooleanField, TField)
{
    P.Property("DisplayValues", &TBooleanField::DisplayValues, &TBooleanField::SetDisplayValues);
}
LT_IMPLEMENT_CLASS(TBlobField, TField) {}
LT_IMPLEMENT_CLASS(TMemoField, TBlobField) {}
LT_IMPLEMENT_CLASS(TDataSetField, TField) {}
LT_IMPLEMENT_CLASS(TAggregateField, TField)
{
    P.Property("Active", &TAggregateField::Active, &TAggregateField::SetActive).Default(0);
    P.Property("Currency", &TAggregateField::Currency, &TAggregateField::SetCurrency).Default(0);
    P.Property("DisplayFormat", &TAggregateField::DisplayFormat, &TAggregateField::SetDisplayFormat);
    P.Property("Expression", &TAggregateField::Expression, &TAggregateField::SetExpression);
    P.Property("Precision", &TAggregateField::Precision, &TAggregateField::SetPrecision).Default(15);
}

namespace {
bool IsDigit(char32_t ch)
{
    return ch >= '0' && ch <= '9';
}

bool IsDecimalSeparator(char32_t ch)
{
    const std::u32string sep = Utf8ToUtf32(FormatSettings.DecimalSeparator);
    return !sep.empty() && ch == sep[0];
}

// Converts to a number kind, as a field error when the text is not a number.
template <class F>
Variant ConvertNumber(const TField& field, const Variant& value, F&& convert)
{
    if (value.IsNull() || value.IsEmpty())
        return Variant::Null();
    try {
        return convert();
    } catch (const EConvertError&) {
        field.DatabaseError("'" + VarToStr(value) + "' is not a valid value for field '%s'");
    }
}

void RangeError(const TField& field, const std::string& value, const std::string& low, const std::string& high)
{
    field.DatabaseError(value + " is not a valid value for field '%s'. The allowed range is " + low + " to " + high);
}
} // namespace

TStringField::TStringField(TComponent* AOwner) : TField(AOwner)
{
    SetDataType(ftString);
    SetSize(20);
}

Variant TStringField::Coerce(const Variant& Value) const
{
    if (Value.IsNull() || Value.IsEmpty())
        return Variant::Null();
    std::string text = Value.AsString();
    if (Size() > 0 && Utf8Length(text) > Size())
        text = Utf8Copy(text, 1, Size());
    return Variant(text);
}

TNumericField::TNumericField(TComponent* AOwner) : TField(AOwner)
{
    SetAlignment(taRightJustify);
}

void TNumericField::SetDisplayFormat(const std::string& Value)
{
    if (Value == FDisplayFormat)
        return;
    FDisplayFormat = Value;
    PropertyChanged(false);
}

TIntegerField::TIntegerField(TComponent* AOwner) : TNumericField(AOwner)
{
    SetDataType(ftInteger);
}

Variant TIntegerField::Coerce(const Variant& Value) const
{
    return ConvertNumber(*this, Value, [&] {
        if (Value.VarType() == TVarType::varString)
            return Variant(static_cast<int64_t>(StrToInt64(Trim(Value.AsString()))));
        return Variant(Value.AsInt64());
    });
}

void TIntegerField::Validate(const Variant& Value) const
{
    if (!Value.IsNull()) {
        const int64_t v = Value.AsInt64();
        const bool limited = FMinValue != 0 || FMaxValue != 0;
        const int64_t low = limited ? std::max<int64_t>(FMinValue, FMinRange) : FMinRange;
        const int64_t high = limited ? std::min<int64_t>(FMaxValue, FMaxRange) : FMaxRange;
        if (v < low || v > high)
            RangeError(*this, std::to_string(v), std::to_string(low), std::to_string(high));
    }
    TField::Validate(Value);
}

bool TIntegerField::IsValidChar(char32_t Ch) const
{
    return IsDigit(Ch) || Ch == '+' || Ch == '-';
}

std::string TIntegerField::GetText(bool DisplayText) const
{
    const int64_t v = Value().AsInt64();
    const std::string& format = DisplayText ? DisplayFormat() : EditFormat();
    return format.empty() ? IntToStr(v) : FormatFloat(format, static_cast<double>(v));
}

TSmallintField::TSmallintField(TComponent* AOwner) : TIntegerField(AOwner)
{
    SetDataType(ftSmallint);
    FMinRange = -32768;
    FMaxRange = 32767;
}

TWordField::TWordField(TComponent* AOwner) : TIntegerField(AOwner)
{
    SetDataType(ftWord);
    FMinRange = 0;
    FMaxRange = 65535;
}

TLargeintField::TLargeintField(TComponent* AOwner) : TNumericField(AOwner)
{
    SetDataType(ftLargeint);
}

Variant TLargeintField::Coerce(const Variant& Value) const
{
    return ConvertNumber(*this, Value, [&] {
        if (Value.VarType() == TVarType::varString)
            return Variant(StrToInt64(Trim(Value.AsString())));
        return Variant(Value.AsInt64());
    });
}

void TLargeintField::Validate(const Variant& Value) const
{
    if (!Value.IsNull() && (FMinValue != 0 || FMaxValue != 0)) {
        const int64_t v = Value.AsInt64();
        if (v < FMinValue || v > FMaxValue)
            RangeError(*this, std::to_string(v), std::to_string(FMinValue), std::to_string(FMaxValue));
    }
    TField::Validate(Value);
}

bool TLargeintField::IsValidChar(char32_t Ch) const
{
    return IsDigit(Ch) || Ch == '+' || Ch == '-';
}

std::string TLargeintField::GetText(bool DisplayText) const
{
    const int64_t v = Value().AsInt64();
    const std::string& format = DisplayText ? DisplayFormat() : EditFormat();
    return format.empty() ? IntToStr(v) : FormatFloat(format, static_cast<double>(v));
}

TFloatField::TFloatField(TComponent* AOwner) : TNumericField(AOwner)
{
    SetDataType(ftFloat);
}

Variant TFloatField::Coerce(const Variant& Value) const
{
    return ConvertNumber(*this, Value, [&] {
        if (Value.VarType() == TVarType::varString)
            return Variant(StrToFloat(Value.AsString()));
        return Variant(Value.AsDouble());
    });
}

void TFloatField::Validate(const Variant& Value) const
{
    if (!Value.IsNull() && (FMinValue != 0 || FMaxValue != 0)) {
        const double v = Value.AsDouble();
        if (v < FMinValue || v > FMaxValue)
            RangeError(*this, FloatToStr(v), FloatToStr(FMinValue), FloatToStr(FMaxValue));
    }
    TField::Validate(Value);
}

bool TFloatField::IsValidChar(char32_t Ch) const
{
    return IsDigit(Ch) || Ch == '+' || Ch == '-' || Ch == 'e' || Ch == 'E' || IsDecimalSeparator(Ch);
}

std::string TFloatField::GetText(bool DisplayText) const
{
    const double v = Value().AsDouble();
    const std::string& format = DisplayText ? DisplayFormat() : EditFormat();
    if (!format.empty())
        return FormatFloat(format, v);
    if (FCurrency)
        return DisplayText ? FloatToStrF(v, TFloatFormat::ffCurrency, FPrecision, FormatSettings.CurrencyDecimals)
                           : FloatToStrF(v, TFloatFormat::ffFixed, FPrecision, FormatSettings.CurrencyDecimals);
    return FloatToStrF(v, TFloatFormat::ffGeneral, FPrecision, 0);
}

TCurrencyField::TCurrencyField(TComponent* AOwner) : TFloatField(AOwner)
{
    SetDataType(ftCurrency);
    SetCurrency(true);
}

TBCDField::TBCDField(TComponent* AOwner) : TNumericField(AOwner)
{
    SetDataType(ftBCD);
    SetSize(4);
}

Variant TBCDField::Coerce(const Variant& Value) const
{
    return ConvertNumber(*this, Value, [&] {
        if (Value.VarType() == TVarType::varString)
            return Variant(StrToCurr(Value.AsString()));
        return Variant(Value.AsCurrency());
    });
}

bool TBCDField::IsValidChar(char32_t Ch) const
{
    return IsDigit(Ch) || Ch == '+' || Ch == '-' || IsDecimalSeparator(Ch);
}

std::string TBCDField::GetText(bool DisplayText) const
{
    const ::Currency v = Value().AsCurrency();
    const std::string& format = DisplayText ? DisplayFormat() : EditFormat();
    if (!format.empty())
        return FormatCurr(format, v);
    if (FCurrency && DisplayText)
        return CurrToStrF(v, TFloatFormat::ffCurrency, FormatSettings.CurrencyDecimals);
    return CurrToStr(v);
}

TDateTimeField::TDateTimeField(TComponent* AOwner) : TField(AOwner)
{
    SetDataType(ftDateTime);
}

void TDateTimeField::SetDisplayFormat(const std::string& Value)
{
    if (Value == FDisplayFormat)
        return;
    FDisplayFormat = Value;
    PropertyChanged(false);
}

Variant TDateTimeField::Coerce(const Variant& Value) const
{
    if (Value.IsNull() || Value.IsEmpty())
        return Variant::Null();
    try {
        if (Value.VarType() == TVarType::varString)
            return Variant::FromDateTime(StrToDateTime(Value.AsString()));
        return Variant::FromDateTime(Value.AsDateTime());
    } catch (const EConvertError&) {
        DatabaseError("'" + VarToStr(Value) + "' is not a valid date and time for field '%s'");
    }
}

std::string TDateTimeField::DefaultFormat() const
{
    return {};
}

std::string TDateTimeField::GetText(bool DisplayText) const
{
    const TDateTime v = Value().AsDateTime();
    if (DisplayText && !FDisplayFormat.empty())
        return FormatDateTime(FDisplayFormat, v);
    const std::string format = DefaultFormat();
    return format.empty() ? DateTimeToStr(v) : FormatDateTime(format, v);
}

TDateField::TDateField(TComponent* AOwner) : TDateTimeField(AOwner)
{
    SetDataType(ftDate);
}

std::string TDateField::DefaultFormat() const
{
    return FormatSettings.ShortDateFormat;
}

TTimeField::TTimeField(TComponent* AOwner) : TDateTimeField(AOwner)
{
    SetDataType(ftTime);
}

std::string TTimeField::DefaultFormat() const
{
    return FormatSettings.LongTimeFormat;
}

TSQLTimeStampField::TSQLTimeStampField(TComponent* AOwner) : TDateTimeField(AOwner)
{
    SetDataType(ftTimeStamp);
}

TBooleanField::TBooleanField(TComponent* AOwner) : TField(AOwner)
{
    SetDataType(ftBoolean);
}

void TBooleanField::SetDisplayValues(const std::string& Value)
{
    const std::size_t semicolon = Value.find(';');
    const std::string yes = Value.substr(0, semicolon);
    const std::string no = semicolon == std::string::npos ? std::string() : Value.substr(semicolon + 1);
    if (yes.empty() && no.empty())
        DatabaseError("'" + Value + "' is not a valid pair of display values for field '%s'");
    FDisplayValues = Value;
    FTrueText = yes;
    FFalseText = no;
    PropertyChanged(false);
}

Variant TBooleanField::Coerce(const Variant& Value) const
{
    if (Value.IsNull() || Value.IsEmpty())
        return Variant::Null();
    if (Value.VarType() == TVarType::varString) {
        const std::string text = Trim(Value.AsString());
        if (text.empty())
            return Variant::Null();
        const auto matches = [&](const std::string& word) {
            return !word.empty() && AnsiCompareText(word.substr(0, text.size()), text) == 0;
        };
        if (matches(FTrueText))
            return Variant(true);
        if (matches(FFalseText))
            return Variant(false);
        DatabaseError("'" + text + "' is not a valid boolean value for field '%s'");
    }
    try {
        return Variant(Value.AsBoolean());
    } catch (const EConvertError&) {
        DatabaseError("'" + VarToStr(Value) + "' is not a valid boolean value for field '%s'");
    }
}

std::string TBooleanField::GetText(bool) const
{
    return Value().AsBoolean() ? FTrueText : FFalseText;
}

TBlobField::TBlobField(TComponent* AOwner) : TField(AOwner)
{
    SetDataType(ftBlob);
}

std::string TBlobField::GetText(bool DisplayText) const
{
    return DisplayText ? "(BLOB)" : Value().AsString();
}

TMemoField::TMemoField(TComponent* AOwner) : TBlobField(AOwner)
{
    SetDataType(ftMemo);
}

std::string TMemoField::GetText(bool DisplayText) const
{
    return DisplayText ? "(MEMO)" : Value().AsString();
}

TDataSetField::TDataSetField(TComponent* AOwner) : TField(AOwner)
{
    SetDataType(ftDataSet);
    SetReadOnly(true);
}

std::string TDataSetField::GetText(bool) const
{
    return "(DATASET)";
}

TAggregateField::TAggregateField(TComponent* AOwner) : TField(AOwner)
{
    SetFieldKind(fkAggregate);
    SetReadOnly(true);
    SetVisible(false);
}

void TAggregateField::SetExpression(const std::string& Value)
{
    FExpression = Value;
    PropertyChanged(false);
}

void TAggregateField::SetActive(bool Value)
{
    FActive = Value;
    PropertyChanged(false);
}

std::string TAggregateField::GetText(bool DisplayText) const
{
    const Variant v = Value();
    if (DisplayText && !FDisplayFormat.empty() && v.IsNumeric())
        return FormatFloat(FDisplayFormat, v.AsDouble());
    return VarToStr(v);
}

TField* CreateFieldOfType(TFieldType Type, TComponent* Owner)
{
    switch (Type) {
    case ftString:
    case ftWideString:
    case ftGuid: return new TStringField(Owner);
    case ftFixedChar: {
        auto* field = new TStringField(Owner);
        field->SetFixedChar(true);
        return field;
    }
    case ftSmallint: return new TSmallintField(Owner);
    case ftInteger:
    case ftAutoInc: return new TIntegerField(Owner);
    case ftWord: return new TWordField(Owner);
    case ftLargeint: return new TLargeintField(Owner);
    case ftFloat: return new TFloatField(Owner);
    case ftCurrency: return new TCurrencyField(Owner);
    case ftBCD:
    case ftFMTBcd: return new TBCDField(Owner);
    case ftDate: return new TDateField(Owner);
    case ftTime: return new TTimeField(Owner);
    case ftDateTime: return new TDateTimeField(Owner);
    case ftTimeStamp: return new TSQLTimeStampField(Owner);
    case ftBoolean: return new TBooleanField(Owner);
    case ftMemo:
    case ftFmtMemo:
    case ftOraClob: return new TMemoField(Owner);
    case ftDataSet: return new TDataSetField(Owner);
    default: return new TBlobField(Owner);
    }
}
