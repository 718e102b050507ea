#pragma once
// Variant: a value of one of the runtime's basic kinds, Null, Unassigned
// (empty) or an array of variants with bounds.
//
// Conversions: Unassigned gives 0, "", false and 0.0; Null and errors raise
// EVariantTypeCastError ("Could not convert variant of type (Null) into type
// (Integer)"). Strings read as numbers by StrToInt/StrToFloat rules, as
// booleans also from "true"/"false" in any case, as dates by StrToDateTime.
// A boolean reads as -1 (True) or 0 as a number and "True"/"False" as text;
// doubles print by FloatToStr, currency by CurrToStr, dates by DateTimeToStr.
// Numbers round to integers half to even; a value outside the target range
// raises EVariantTypeCastError ("Overflow while converting ..."). Every
// EVariantError is also an EConvertError.
//
// Comparison (operator==, VarCompareValue) never raises: Null equals only
// Null; Unassigned equals Unassigned and compares with a value as that kind's
// empty value (0, "", false); numbers of all kinds compare numerically; a
// string and a number compare numerically when the string reads as a number
// and are otherwise unequal; strings compare byte-wise, case-sensitively;
// arrays compare element by element and are equal only with equal bounds.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <variant>

#include "platform/rtl/currency.h"
#include "platform/rtl/datetime.h"

enum class TVarType {
    varEmpty,
    varNull,
    varBoolean,
    varInteger,
    varInt64,
    varDouble,
    varCurrency,
    varString,
    varDate,
    varError,
    varArray
};

class Variant {
public:
    Variant();
    Variant(bool value);
    Variant(int value);
    Variant(int64_t value);
    Variant(double value);
    Variant(Currency value);
    Variant(std::string value);
    Variant(const char* value);
    Variant(const Variant& other);
    Variant(Variant&& other) noexcept;
    Variant& operator=(const Variant& other);
    Variant& operator=(Variant&& other) noexcept;
    ~Variant();

    static Variant Null();
    static Variant FromDateTime(TDateTime value);
    static Variant FromError(int32_t code);

    TVarType VarType() const { return FType; }
    bool IsEmpty() const { return FType == TVarType::varEmpty; }
    bool IsNull() const { return FType == TVarType::varNull; }
    bool IsArray() const { return FType == TVarType::varArray; }
    // Integer kinds, double and currency.
    bool IsNumeric() const;

    bool AsBoolean() const;
    int AsInteger() const;
    int64_t AsInt64() const;
    double AsDouble() const;
    Currency AsCurrency() const;
    std::string AsString() const;
    TDateTime AsDateTime() const;
    // The code of a varError value; EVariantTypeCastError for any other kind.
    int32_t AsError() const;

    // An array of highBound - lowBound + 1 Unassigned elements;
    // EVariantError when highBound < lowBound - 1.
    static Variant CreateArray(int lowBound, int highBound);
    // An array with bounds 0..n-1.
    static Variant ArrayOf(std::initializer_list<Variant> items);
    // EVariantError unless an array.
    int LowBound() const;
    int HighBound() const;
    // EVariantError unless an array, EVariantBadIndexError out of bounds.
    const Variant& operator[](int index) const;
    Variant& operator[](int index);

    bool operator==(const Variant& other) const;

private:
    struct ArrayData;
    using Storage =
        std::variant<std::monostate, bool, int64_t, double, Currency, std::string, std::unique_ptr<ArrayData>>;

    Variant(TVarType type, Storage value);
    static Storage CopyStorage(const Storage& value);
    const ArrayData& Array() const;
    ArrayData& Array();
    int64_t ToInt64(TVarType target) const;
    [[noreturn]] void RaiseCast(TVarType target) const;
    [[noreturn]] void RaiseOverflow(TVarType target) const;

    TVarType FType = TVarType::varEmpty;
    Storage FValue;
};

enum class TVariantRelationship { vrEqual, vrLessThan, vrGreaterThan, vrNotEqual };

// The order of two variants; vrNotEqual when they cannot be ordered (Null
// against a value, a string that is not a number against a number, arrays
// of different shape or contents).
TVariantRelationship VarCompareValue(const Variant& a, const Variant& b);

bool VarIsNull(const Variant& value);
bool VarIsEmpty(const Variant& value);
Variant NullVariant();
Variant Unassigned();
// The text of a value; Null and Unassigned give "".
std::string VarToStr(const Variant& value);
// The name of a kind as the conversion messages show it: "Empty", "Null", "Integer", ...
std::string VarTypeAsText(TVarType type);
