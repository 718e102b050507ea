#include "platform/rtl/variant.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <compare>
#include <limits>
#include <utility>
#include <vector>

#include "platform/rtl/dateformat.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/floatformat.h"

struct Variant::ArrayData {
    int LowBound = 0;
    std::vector<Variant> Items;
};

namespace {

bool EqualsNoCase(const std::string& text, const char* word)
{
    size_t i = 0;
    for (; i < text.size() && word[i]; ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != word[i])
            return false;
    }
    return i == text.size() && !word[i];
}

// "true"/"false" in any case.
bool TextToBoolean(const std::string& text, bool& value)
{
    if (EqualsNoCase(text, "true"))
        value = true;
    else if (EqualsNoCase(text, "false"))
        value = false;
    else
        return false;
    return true;
}

// Rounds half to even; false when the result is outside [min, max].
template <typename T>
bool RoundToInteger(double value, T& result)
{
    const double rounded = std::nearbyint(value);
    // The bounds as doubles: min is exact, max + 1 is the first value past the range.
    const double low = static_cast<double>(std::numeric_limits<T>::min());
    const double high = -low;
    if (!(rounded >= low && rounded < high))
        return false;
    result = static_cast<T>(rounded);
    return true;
}

bool IsIntegerKind(TVarType type)
{
    return type == TVarType::varInteger || type == TVarType::varInt64;
}

} // namespace

Variant::Variant() = default;
Variant::Variant(bool value) : FType(TVarType::varBoolean), FValue(value) {}
Variant::Variant(int value) : FType(TVarType::varInteger), FValue(int64_t(value)) {}
Variant::Variant(int64_t value) : FType(TVarType::varInt64), FValue(value) {}
Variant::Variant(double value) : FType(TVarType::varDouble), FValue(value) {}
Variant::Variant(Currency value) : FType(TVarType::varCurrency), FValue(value) {}
Variant::Variant(std::string value) : FType(TVarType::varString), FValue(std::move(value)) {}
Variant::Variant(const char* value) : Variant(std::string(value)) {}
Variant::Variant(TVarType type, Storage value) : FType(type), FValue(std::move(value)) {}
Variant::Variant(const Variant& other) : FType(other.FType), FValue(CopyStorage(other.FValue)) {}
Variant::Variant(Variant&& other) noexcept = default;
Variant::~Variant() = default;

Variant& Variant::operator=(const Variant& other)
{
    if (this != &other) {
        Storage copy = CopyStorage(other.FValue);
        FType = other.FType;
        FValue = std::move(copy);
    }
    return *this;
}

Variant& Variant::operator=(Variant&& other) noexcept = default;

Variant::Storage Variant::CopyStorage(const Storage& value)
{
    return std::visit(
        [](const auto& item) -> Storage {
            using T = std::decay_t<decltype(item)>;
            if constexpr (std::is_same_v<T, std::unique_ptr<ArrayData>>)
                return std::make_unique<ArrayData>(*item);
            else
                return item;
        },
        value);
}

Variant Variant::Null()
{
    return Variant(TVarType::varNull, std::monostate());
}

Variant Variant::FromDateTime(TDateTime value)
{
    return Variant(TVarType::varDate, value);
}

Variant Variant::FromError(int32_t code)
{
    return Variant(TVarType::varError, int64_t(code));
}

bool Variant::IsNumeric() const
{
    return IsIntegerKind(FType) || FType == TVarType::varDouble || FType == TVarType::varCurrency;
}

void Variant::RaiseCast(TVarType target) const
{
    throw EVariantTypeCastError("Could not convert variant of type (" + VarTypeAsText(FType) + ") into type ("
                                + VarTypeAsText(target) + ")");
}

void Variant::RaiseOverflow(TVarType target) const
{
    throw EVariantTypeCastError("Overflow while converting variant of type (" + VarTypeAsText(FType)
                                + ") into type (" + VarTypeAsText(target) + ")");
}

bool Variant::AsBoolean() const
{
    switch (FType) {
    case TVarType::varEmpty:
        return false;
    case TVarType::varBoolean:
        return std::get<bool>(FValue);
    case TVarType::varInteger:
    case TVarType::varInt64:
        return std::get<int64_t>(FValue) != 0;
    case TVarType::varDouble:
    case TVarType::varDate:
        return std::get<double>(FValue) != 0;
    case TVarType::varCurrency:
        return std::get<Currency>(FValue) != Currency();
    case TVarType::varString: {
        const std::string& text = std::get<std::string>(FValue);
        bool value = false;
        if (TextToBoolean(text, value))
            return value;
        double number = 0;
        if (TryStrToFloat(text, number))
            return number != 0;
        break;
    }
    default:
        break;
    }
    RaiseCast(TVarType::varBoolean);
}

int Variant::AsInteger() const
{
    const int64_t value = ToInt64(TVarType::varInteger);
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        RaiseOverflow(TVarType::varInteger);
    return static_cast<int>(value);
}

int64_t Variant::AsInt64() const
{
    return ToInt64(TVarType::varInt64);
}

int64_t Variant::ToInt64(TVarType target) const
{
    int64_t result = 0;
    switch (FType) {
    case TVarType::varEmpty:
        return 0;
    case TVarType::varBoolean:
        return std::get<bool>(FValue) ? -1 : 0;
    case TVarType::varInteger:
    case TVarType::varInt64:
        return std::get<int64_t>(FValue);
    case TVarType::varCurrency: {
        const int64_t raw = std::get<Currency>(FValue).Raw();
        int64_t quotient = raw / Currency::Scale;
        const int64_t twiceRemainder = 2 * std::abs(raw % Currency::Scale);
        if (twiceRemainder > Currency::Scale || (twiceRemainder == Currency::Scale && quotient % 2 != 0))
            quotient += raw < 0 ? -1 : 1;
        return quotient;
    }
    case TVarType::varDouble:
    case TVarType::varDate:
        if (RoundToInteger(std::get<double>(FValue), result))
            return result;
        RaiseOverflow(target);
    case TVarType::varString: {
        const std::string& text = std::get<std::string>(FValue);
        if (TryStrToInt64(text, result))
            return result;
        double number = 0;
        if (TryStrToFloat(text, number)) {
            if (RoundToInteger(number, result))
                return result;
            RaiseOverflow(target);
        }
        break;
    }
    default:
        break;
    }
    RaiseCast(target);
}

double Variant::AsDouble() const
{
    switch (FType) {
    case TVarType::varEmpty:
        return 0;
    case TVarType::varBoolean:
        return std::get<bool>(FValue) ? -1 : 0;
    case TVarType::varInteger:
    case TVarType::varInt64:
        return static_cast<double>(std::get<int64_t>(FValue));
    case TVarType::varDouble:
    case TVarType::varDate:
        return std::get<double>(FValue);
    case TVarType::varCurrency:
        return std::get<Currency>(FValue).ToDouble();
    case TVarType::varString: {
        double value = 0;
        if (TryStrToFloat(std::get<std::string>(FValue), value))
            return value;
        break;
    }
    default:
        break;
    }
    RaiseCast(TVarType::varDouble);
}

Currency Variant::AsCurrency() const
{
    switch (FType) {
    case TVarType::varEmpty:
        return Currency();
    case TVarType::varCurrency:
        return std::get<Currency>(FValue);
    case TVarType::varString: {
        Currency value;
        if (TryStrToCurr(std::get<std::string>(FValue), value))
            return value;
        break;
    }
    case TVarType::varBoolean:
    case TVarType::varInteger:
    case TVarType::varInt64:
        try {
            return Currency(AsInt64());
        } catch (const EOverflow&) {
            RaiseOverflow(TVarType::varCurrency);
        }
    case TVarType::varDouble:
    case TVarType::varDate:
        try {
            return Currency(std::get<double>(FValue));
        } catch (const EMathError&) {
            RaiseOverflow(TVarType::varCurrency);
        }
    default:
        break;
    }
    RaiseCast(TVarType::varCurrency);
}

std::string Variant::AsString() const
{
    switch (FType) {
    case TVarType::varEmpty:
        return "";
    case TVarType::varBoolean:
        return std::get<bool>(FValue) ? "True" : "False";
    case TVarType::varInteger:
    case TVarType::varInt64:
        return std::to_string(std::get<int64_t>(FValue));
    case TVarType::varDouble:
        return FloatToStr(std::get<double>(FValue));
    case TVarType::varCurrency:
        return CurrToStr(std::get<Currency>(FValue));
    case TVarType::varString:
        return std::get<std::string>(FValue);
    case TVarType::varDate:
        return DateTimeToStr(std::get<double>(FValue));
    default:
        break;
    }
    RaiseCast(TVarType::varString);
}

TDateTime Variant::AsDateTime() const
{
    if (FType == TVarType::varString) {
        TDateTime value = 0;
        if (TryStrToDateTime(std::get<std::string>(FValue), value))
            return value;
        RaiseCast(TVarType::varDate);
    }
    if (FType == TVarType::varEmpty || FType == TVarType::varBoolean || IsNumeric() || FType == TVarType::varDate)
        return AsDouble();
    RaiseCast(TVarType::varDate);
}

int32_t Variant::AsError() const
{
    if (FType != TVarType::varError)
        RaiseCast(TVarType::varError);
    return static_cast<int32_t>(std::get<int64_t>(FValue));
}

Variant Variant::CreateArray(int lowBound, int highBound)
{
    if (static_cast<int64_t>(highBound) < static_cast<int64_t>(lowBound) - 1)
        throw EVariantError("Invalid variant array bounds " + std::to_string(lowBound) + ".."
                            + std::to_string(highBound));
    auto data = std::make_unique<ArrayData>();
    data->LowBound = lowBound;
    data->Items.resize(static_cast<size_t>(static_cast<int64_t>(highBound) - lowBound + 1));
    return Variant(TVarType::varArray, std::move(data));
}

Variant Variant::ArrayOf(std::initializer_list<Variant> items)
{
    auto data = std::make_unique<ArrayData>();
    data->Items.assign(items.begin(), items.end());
    return Variant(TVarType::varArray, std::move(data));
}

const Variant::ArrayData& Variant::Array() const
{
    if (FType != TVarType::varArray)
        throw EVariantError("Variant is not an array");
    return *std::get<std::unique_ptr<ArrayData>>(FValue);
}

Variant::ArrayData& Variant::Array()
{
    return const_cast<ArrayData&>(std::as_const(*this).Array());
}

int Variant::LowBound() const
{
    return Array().LowBound;
}

int Variant::HighBound() const
{
    const ArrayData& array = Array();
    return static_cast<int>(array.LowBound + static_cast<int64_t>(array.Items.size()) - 1);
}

const Variant& Variant::operator[](int index) const
{
    const ArrayData& array = Array();
    const int64_t offset = static_cast<int64_t>(index) - array.LowBound;
    if (offset < 0 || offset >= static_cast<int64_t>(array.Items.size()))
        throw EVariantBadIndexError("Variant array index out of bounds: " + std::to_string(index));
    return array.Items[static_cast<size_t>(offset)];
}

Variant& Variant::operator[](int index)
{
    return const_cast<Variant&>(std::as_const(*this)[index]);
}

bool Variant::operator==(const Variant& other) const
{
    return VarCompareValue(*this, other) == TVariantRelationship::vrEqual;
}

namespace {

template <typename T>
TVariantRelationship Relate(const T& a, const T& b)
{
    const auto order = a <=> b;
    if (order == 0)
        return TVariantRelationship::vrEqual;
    return order < 0 ? TVariantRelationship::vrLessThan : TVariantRelationship::vrGreaterThan;
}

TVariantRelationship RelateDoubles(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return TVariantRelationship::vrNotEqual;
    return a < b ? TVariantRelationship::vrLessThan
                 : a > b ? TVariantRelationship::vrGreaterThan : TVariantRelationship::vrEqual;
}

bool IsNumberKind(TVarType type)
{
    return IsIntegerKind(type) || type == TVarType::varDouble || type == TVarType::varCurrency
           || type == TVarType::varDate || type == TVarType::varBoolean;
}

// Both of number kinds (booleans count as -1 and 0).
TVariantRelationship CompareNumbers(const Variant& a, const Variant& b)
{
    const TVarType ta = a.VarType();
    const TVarType tb = b.VarType();
    auto exact = [](TVarType t) { return IsIntegerKind(t) || t == TVarType::varBoolean || t == TVarType::varCurrency; };
    if (exact(ta) && exact(tb)) {
        // Scaled to ten-thousandths in 128 bits, so no kind loses digits.
        auto scaled = [](const Variant& v) -> __int128 {
            if (v.VarType() == TVarType::varCurrency)
                return v.AsCurrency().Raw();
            return static_cast<__int128>(v.AsInt64()) * Currency::Scale;
        };
        return Relate(scaled(a), scaled(b));
    }
    return RelateDoubles(a.AsDouble(), b.AsDouble());
}

// A string against a number or a boolean: by value when the string reads as one.
TVariantRelationship CompareTextWithValue(const std::string& text, const Variant& value)
{
    if (value.VarType() == TVarType::varBoolean) {
        bool flag = false;
        if (TextToBoolean(text, flag))
            return Relate(flag, value.AsBoolean());
    }
    int64_t integer = 0;
    if (TryStrToInt64(text, integer))
        return CompareNumbers(Variant(integer), value);
    double number = 0;
    if (TryStrToFloat(text, number))
        return CompareNumbers(Variant(number), value);
    return TVariantRelationship::vrNotEqual;
}

TVariantRelationship Reverse(TVariantRelationship relationship)
{
    switch (relationship) {
    case TVariantRelationship::vrLessThan:
        return TVariantRelationship::vrGreaterThan;
    case TVariantRelationship::vrGreaterThan:
        return TVariantRelationship::vrLessThan;
    default:
        return relationship;
    }
}

// The value an Unassigned variant stands for when compared with one of this kind.
Variant EmptyValueLike(TVarType type)
{
    switch (type) {
    case TVarType::varString:
        return Variant(std::string());
    case TVarType::varBoolean:
        return Variant(false);
    case TVarType::varDate:
        return Variant::FromDateTime(0);
    default:
        return Variant(0);
    }
}

} // namespace

TVariantRelationship VarCompareValue(const Variant& a, const Variant& b)
{
    const TVarType ta = a.VarType();
    const TVarType tb = b.VarType();
    if (ta == TVarType::varNull || tb == TVarType::varNull)
        return ta == tb ? TVariantRelationship::vrEqual : TVariantRelationship::vrNotEqual;
    if (ta == TVarType::varEmpty && tb == TVarType::varEmpty)
        return TVariantRelationship::vrEqual;
    if (ta == TVarType::varArray || tb == TVarType::varArray) {
        if (ta != tb || a.LowBound() != b.LowBound() || a.HighBound() != b.HighBound())
            return TVariantRelationship::vrNotEqual;
        for (int i = a.LowBound(); i <= a.HighBound(); ++i) {
            if (VarCompareValue(a[i], b[i]) != TVariantRelationship::vrEqual)
                return TVariantRelationship::vrNotEqual;
        }
        return TVariantRelationship::vrEqual;
    }
    if (ta == TVarType::varError || tb == TVarType::varError) {
        if (ta != tb || a.AsError() != b.AsError())
            return TVariantRelationship::vrNotEqual;
        return TVariantRelationship::vrEqual;
    }
    if (ta == TVarType::varEmpty)
        return VarCompareValue(EmptyValueLike(tb), b);
    if (tb == TVarType::varEmpty)
        return VarCompareValue(a, EmptyValueLike(ta));
    if (ta == TVarType::varString && tb == TVarType::varString)
        return Relate(a.AsString(), b.AsString());
    if (ta == TVarType::varString)
        return CompareTextWithValue(a.AsString(), b);
    if (tb == TVarType::varString)
        return Reverse(CompareTextWithValue(b.AsString(), a));
    if (ta == TVarType::varBoolean && tb == TVarType::varBoolean)
        return Relate(a.AsBoolean(), b.AsBoolean());
    if (IsNumberKind(ta) && IsNumberKind(tb))
        return CompareNumbers(a, b);
    return TVariantRelationship::vrNotEqual;
}

bool VarIsNull(const Variant& value)
{
    return value.IsNull();
}

bool VarIsEmpty(const Variant& value)
{
    return value.IsEmpty();
}

Variant NullVariant()
{
    return Variant::Null();
}

Variant Unassigned()
{
    return Variant();
}

std::string VarToStr(const Variant& value)
{
    return value.IsNull() ? std::string() : value.AsString();
}

std::string VarTypeAsText(TVarType type)
{
    switch (type) {
    case TVarType::varEmpty:
        return "Empty";
    case TVarType::varNull:
        return "Null";
    case TVarType::varBoolean:
        return "Boolean";
    case TVarType::varInteger:
        return "Integer";
    case TVarType::varInt64:
        return "Int64";
    case TVarType::varDouble:
        return "Double";
    case TVarType::varCurrency:
        return "Currency";
    case TVarType::varString:
        return "String";
    case TVarType::varDate:
        return "Date";
    case TVarType::varError:
        return "Error";
    case TVarType::varArray:
        return "Array Variant";
    }
    return "Unknown";
}
