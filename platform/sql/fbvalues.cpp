#include "platform/sql/fbvalues.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "platform/rtl/datetime.h"
#include "platform/sql/fbblob.h"

namespace {

// ISC_DATE counts days from 1858-11-17; TDateTime from 1899-12-30.
constexpr int64_t IscDateDelta = 15018;
constexpr int64_t MSecsInDay = 86400000;
// TDateTime day numbers of 0001-01-01 and 9999-12-31.
constexpr int64_t MinDay = -693593;
constexpr int64_t MaxDay = 2958465;
// The longest text a VARCHAR parameter carries.
constexpr size_t MaxTextParam = 32765;

constexpr int64_t Pow10(int exponent)
{
    int64_t result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= 10;
    return result;
}

template <typename T>
T Load(const TFbSlot& slot)
{
    T value;
    std::memcpy(&value, slot.Data.data(), sizeof value);
    return value;
}

template <typename T>
void Store(TFbSlot& slot, const T& value)
{
    std::memcpy(slot.Data.data(), &value, sizeof value);
}

[[noreturn]] void RaiseOutOfRange(const Variant& value)
{
    throw EConvertError("Value " + VarToStr(value) + " is out of range for the parameter");
}

int64_t MultiplyChecked(int64_t value, int64_t factor, const Variant& source)
{
    int64_t result = 0;
    if (__builtin_mul_overflow(value, factor, &result))
        RaiseOutOfRange(source);
    return result;
}

// A Currency's raw value (4 decimals) with `decimals` instead, ties away from zero.
int64_t RescaleCurrency(int64_t raw, int decimals, const Variant& source)
{
    if (decimals >= 4)
        return MultiplyChecked(raw, Pow10(decimals - 4), source);
    const int64_t divisor = Pow10(4 - decimals);
    int64_t quotient = raw / divisor;
    const int64_t remainder = raw % divisor;
    if (2 * std::abs(remainder) >= divisor)
        quotient += raw < 0 ? -1 : 1;
    return quotient;
}

// The value times 10^decimals as an integer.
int64_t ScaledInteger(const Variant& value, int decimals)
{
    const TVarType type = value.VarType();
    if (decimals == 0)
        return value.AsInt64();
    if (type == TVarType::varInteger || type == TVarType::varInt64 || type == TVarType::varBoolean)
        return MultiplyChecked(value.AsInt64(), Pow10(decimals), value);
    if (type == TVarType::varCurrency || (type == TVarType::varString && decimals <= 4))
        return RescaleCurrency(value.AsCurrency().Raw(), decimals, value);
    const double scaled = std::round(value.AsDouble() * static_cast<double>(Pow10(decimals)));
    if (!(std::fabs(scaled) < 9.2233720368547758e18))
        RaiseOutOfRange(value);
    return static_cast<int64_t>(scaled);
}

// A scaled integer read back: Currency up to 4 decimals, double beyond.
Variant ScaledValue(int64_t value, int scale)
{
    const int decimals = -scale;
    if (decimals > 4)
        return Variant(static_cast<double>(value) / static_cast<double>(Pow10(decimals)));
    int64_t raw = 0;
    if (__builtin_mul_overflow(value, Pow10(4 - decimals), &raw))
        throw EOverflow("Numeric value " + std::to_string(value) + "e" + std::to_string(scale)
                        + " does not fit a Currency");
    return Variant(Currency::FromRaw(raw));
}

// The double of a float's shortest decimal form.
double FloatToDouble(float value)
{
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double result = value;
    std::from_chars(text, written.ptr, result);
    return result;
}

// A CHAR of a Unicode character set comes padded to its length in bytes;
// its value keeps the padding up to its length in characters.
std::string_view CharValue(std::string_view text, int charset, int length)
{
    if (charset != 3 && charset != 4)
        return text;
    size_t cut = 0;
    for (int chars = 0; cut < text.size() && chars < length; ++chars) {
        ++cut;
        while (cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            ++cut;
    }
    return text.find_first_not_of(' ', cut) == std::string_view::npos ? text.substr(0, cut) : text;
}

// The value of a CHAR in its variable's buffer.
std::string_view CharText(const XSQLVAR& var, const TFbColumn& column, const TFbSlot& slot)
{
    return CharValue(std::string_view(slot.Data.data(), static_cast<size_t>(var.sqllen)), slot.Charset, column.Size);
}

// The value of a VARCHAR in its variable's buffer.
std::string_view VaryingText(const TFbSlot& slot)
{
    return std::string_view(slot.Data.data() + 2, Load<ISC_USHORT>(slot));
}

TDateTime FromIsc(ISC_DATE date, ISC_TIME time)
{
    const TDateTime day = static_cast<double>(static_cast<int64_t>(date) - IscDateDelta);
    return ComposeDateTime(day, static_cast<double>(time / 10) / MSecsPerDay);
}

// The day (from 1858-11-17) and time (1/10000 s) of a TDateTime, rounded to the millisecond.
void ToIsc(TDateTime value, ISC_DATE& date, ISC_TIME& time)
{
    const double ms = std::nearbyint(value * MSecsPerDay);
    if (!std::isfinite(ms) || std::fabs(ms) > static_cast<double>(MaxDay + 1) * MSecsInDay)
        throw EConvertError("Invalid date and time value: " + std::to_string(value));
    const auto total = static_cast<int64_t>(ms);
    const int64_t day = total / MSecsInDay;
    if (day < MinDay || day > MaxDay)
        throw EConvertError("Date value out of range: " + std::to_string(value));
    date = static_cast<ISC_DATE>(day + IscDateDelta);
    time = static_cast<ISC_TIME>(std::abs(total % MSecsInDay) * 10);
}

void StoreText(XSQLVAR& var, TFbSlot& slot, const std::string& text)
{
    if (text.size() > MaxTextParam)
        throw EConvertError("Text of " + std::to_string(text.size()) + " bytes is longer than a parameter holds ("
                            + std::to_string(MaxTextParam) + ")");
    if (text.size() + 2 > slot.Data.size()) {
        slot.Data.resize(text.size() + 2);
        var.sqldata = slot.Data.data();
    }
    if (static_cast<size_t>(var.sqllen) < text.size())
        var.sqllen = static_cast<ISC_SHORT>(text.size());
    Store(slot, static_cast<ISC_USHORT>(text.size()));
    text.copy(slot.Data.data() + 2, text.size());
}

} // namespace

void PrepareParamVar(XSQLVAR& var, std::vector<char>& data)
{
    switch (var.sqltype & ~1) {
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        var.sqltype = SQL_INT64;
        var.sqllen = sizeof(int64_t);
        break;
    case SQL_FLOAT:
    case SQL_DOUBLE:
        var.sqltype = SQL_DOUBLE;
        var.sqllen = sizeof(double);
        break;
    case SQL_TEXT:
    case SQL_VARYING:
    case SQL_NULL:
        var.sqltype = SQL_VARYING;
        break;
    default:
        var.sqltype = static_cast<ISC_SHORT>(var.sqltype & ~1);
        break;
    }
    var.sqltype = static_cast<ISC_SHORT>(var.sqltype | 1);
    data.assign(static_cast<size_t>(var.sqllen) + ((var.sqltype & ~1) == SQL_VARYING ? 2 : 0), 0);
}

void WriteParam(XSQLVAR& var, TFbSlot& slot, const Variant& value)
{
    if (value.IsNull() || value.IsEmpty()) {
        slot.Null = -1;
        return;
    }
    switch (var.sqltype & ~1) {
    case SQL_INT64:
        Store(slot, static_cast<ISC_INT64>(ScaledInteger(value, -var.sqlscale)));
        break;
    case SQL_DOUBLE:
        Store(slot, value.AsDouble());
        break;
    case SQL_VARYING:
        StoreText(var, slot, value.AsString());
        break;
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME:
    case SQL_TIMESTAMP: {
        ISC_TIMESTAMP stamp{};
        ToIsc(value.AsDateTime(), stamp.timestamp_date, stamp.timestamp_time);
        if ((var.sqltype & ~1) == SQL_TYPE_DATE)
            Store(slot, stamp.timestamp_date);
        else if ((var.sqltype & ~1) == SQL_TYPE_TIME)
            Store(slot, stamp.timestamp_time);
        else
            Store(slot, stamp);
        break;
    }
    case SQL_BOOLEAN:
        Store(slot, static_cast<FB_BOOLEAN>(value.AsBoolean() ? FB_TRUE : FB_FALSE));
        break;
    case SQL_BLOB:
        slot.BlobText = value.AsString();
        break;
    }
    slot.Null = 0;
}

Variant ReadVar(const XSQLVAR& var, const TFbColumn& column, const TFbSlot& slot, TFbDatabase& database,
                TFbTransaction& transaction)
{
    if (slot.Null != 0)
        return Variant::Null();
    const bool numeric = column.Type == TFbType::Numeric;
    switch (var.sqltype & ~1) {
    case SQL_SHORT:
        return numeric ? ScaledValue(Load<ISC_SHORT>(slot), var.sqlscale) : Variant(int(Load<ISC_SHORT>(slot)));
    case SQL_LONG:
        return numeric ? ScaledValue(Load<ISC_LONG>(slot), var.sqlscale) : Variant(int(Load<ISC_LONG>(slot)));
    case SQL_INT64:
        return numeric ? ScaledValue(Load<ISC_INT64>(slot), var.sqlscale)
                       : Variant(static_cast<int64_t>(Load<ISC_INT64>(slot)));
    case SQL_FLOAT:
        return Variant(FloatToDouble(Load<float>(slot)));
    case SQL_DOUBLE: {
        const double value = Load<double>(slot);
        if (numeric && var.sqlscale >= -4)
            return Variant(Currency(value));
        return Variant(value);
    }
    case SQL_TEXT:
        return Variant(std::string(CharText(var, column, slot)));
    case SQL_VARYING:
        return Variant(std::string(VaryingText(slot)));
    case SQL_TYPE_DATE:
        return Variant::FromDateTime(FromIsc(Load<ISC_DATE>(slot), 0));
    case SQL_TYPE_TIME:
        return Variant::FromDateTime(FromIsc(static_cast<ISC_DATE>(IscDateDelta), Load<ISC_TIME>(slot)));
    case SQL_TIMESTAMP: {
        const auto stamp = Load<ISC_TIMESTAMP>(slot);
        return Variant::FromDateTime(FromIsc(stamp.timestamp_date, stamp.timestamp_time));
    }
    case SQL_BLOB:
        return Variant(FbReadBlob(database.Handle(), transaction.Handle(), Load<ISC_QUAD>(slot)));
    case SQL_BOOLEAN:
        return Variant(Load<FB_BOOLEAN>(slot) != FB_FALSE);
    default:
        return Variant::Null();
    }
}

void StoreVar(const XSQLVAR& var, const TFbColumn& column, const TFbSlot& slot, TFbDatabase& database,
              TFbTransaction& transaction, TRowStore& rows, TStoredRow& row, int target)
{
    bool stored = false;
    if (slot.Null == 0 && column.Type != TFbType::Numeric) {
        switch (var.sqltype & ~1) {
        case SQL_SHORT: stored = rows.SetInteger(row, target, Load<ISC_SHORT>(slot), TVarType::varInteger); break;
        case SQL_LONG: stored = rows.SetInteger(row, target, Load<ISC_LONG>(slot), TVarType::varInteger); break;
        case SQL_INT64: stored = rows.SetInteger(row, target, Load<ISC_INT64>(slot), TVarType::varInt64); break;
        case SQL_TEXT: stored = rows.SetText(row, target, CharText(var, column, slot)); break;
        case SQL_VARYING: stored = rows.SetText(row, target, VaryingText(slot)); break;
        default: break;
        }
    }
    if (!stored)
        rows.SetValue(row, target, ReadVar(var, column, slot, database, transaction));
}
