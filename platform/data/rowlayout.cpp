#include "platform/data/rowlayout.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

namespace {
// A text column's room: four bytes per character (UTF-8 at its longest).
// Longer columns keep their texts aside rather than reserve a room this
// large in every row.
constexpr std::size_t BytesPerChar = 4;
constexpr std::size_t LargestRoom = 1024;

bool IsIntegerKind(TVarType Kind)
{
    return Kind == TVarType::varInteger || Kind == TVarType::varInt64;
}

template <class T>
T Load(const std::byte* At)
{
    T value;
    std::memcpy(&value, At, sizeof value);
    return value;
}

template <class T>
void Store(std::byte* At, T Value)
{
    std::memcpy(At, &Value, sizeof Value);
}

template <class T>
bool Fits(int64_t Value)
{
    return Value >= std::numeric_limits<T>::min() && Value <= std::numeric_limits<T>::max();
}
} // namespace

TRowLayout::TColumn TRowLayout::ColumnFor(const TFieldDef& Field)
{
    using enum TVarType;
    TColumn column;
    const auto kinds = [&column](TStorage storage, TVarType native, TVarType second) {
        column.Storage = storage;
        column.Native = native;
        column.Second = second;
    };
    switch (Field.DataType) {
    case ftSmallint: kinds(TStorage::Int16, varInteger, varInt64); break;
    case ftInteger:
    case ftWord:
    case ftAutoInc: kinds(TStorage::Int32, varInteger, varInt64); break;
    case ftLargeint: kinds(TStorage::Eight, varInt64, varInteger); break;
    case ftBoolean: kinds(TStorage::Boolean, varBoolean, varEmpty); break;
    case ftFloat:
    case ftCurrency: kinds(TStorage::Eight, varDouble, varCurrency); break;
    case ftBCD:
    case ftFMTBcd: kinds(TStorage::Eight, varCurrency, varDouble); break;
    case ftDate:
    case ftTime:
    case ftDateTime:
    case ftTimeStamp: kinds(TStorage::Eight, varDate, varDouble); break;
    default:
        if (IsTextType(Field.DataType) && Field.Size > 0 &&
            static_cast<std::size_t>(Field.Size) * BytesPerChar <= LargestRoom) {
            kinds(TStorage::Text, varString, varEmpty);
            column.Room = static_cast<uint32_t>(Field.Size) * BytesPerChar;
            column.LengthBytes = column.Room <= std::numeric_limits<uint8_t>::max() ? 1 : 2;
        }
        break;
    }
    return column;
}

TRowLayout::TRowLayout(const std::vector<TFieldDef>& Fields, std::vector<std::shared_ptr<const TRowLayout>> Nested)
    : FNested(std::move(Nested))
{
    FColumns.reserve(Fields.size());
    std::size_t offset = sizeof(TStoredRow) + (Fields.size() * 2 + 7) / 8;
    for (const TFieldDef& field : Fields) {
        TColumn column = ColumnFor(field);
        column.Offset = static_cast<uint32_t>(offset);
        switch (column.Storage) {
        case TStorage::None: break;
        case TStorage::Int16: column.Width = sizeof(int16_t); break;
        case TStorage::Int32: column.Width = sizeof(int32_t); break;
        case TStorage::Eight: column.Width = sizeof(int64_t); break;
        case TStorage::Boolean: column.Width = 1; break;
        case TStorage::Text: column.Width = column.LengthBytes + column.Room; break;
        }
        offset += column.Width;
        FColumns.push_back(column);
    }
    constexpr std::size_t align = alignof(TStoredRow);
    FRowSize = (offset + align - 1) / align * align;
}

const std::shared_ptr<const TRowLayout>& TRowLayout::Nested(int Index) const
{
    return FNested[static_cast<std::size_t>(Index)];
}

bool TRowLayout::SameRows(const TRowLayout& Other) const
{
    return FRowSize == Other.FRowSize &&
           std::equal(FColumns.begin(), FColumns.end(), Other.FColumns.begin(), Other.FColumns.end(),
                      [](const TColumn& a, const TColumn& b) { return a.SameForm(b); });
}

bool TRowLayout::TColumn::SameForm(const TColumn& Other) const
{
    return Storage == Other.Storage && Native == Other.Native && Second == Other.Second && Room == Other.Room;
}

TValueState TRowLayout::StateOf(const TColumn& Column, TVarType Kind)
{
    return Kind == Column.Native ? TValueState::Native : TValueState::Second;
}

bool TRowLayout::Write(TStoredRow& Row, int Column, const Variant& Value) const
{
    const TColumn& column = FColumns[static_cast<std::size_t>(Column)];
    const TVarType kind = Value.VarType();
    if (kind == TVarType::varNull) {
        SetState(Row, Column, TValueState::Null);
        return true;
    }
    if (kind == TVarType::varEmpty || (kind != column.Native && kind != column.Second))
        return false;
    std::byte* at = At(Row, column.Offset);
    switch (kind) {
    case TVarType::varInteger:
    case TVarType::varInt64: return WriteInteger(Row, Column, Value.AsInt64(), kind);
    case TVarType::varString: return WriteText(Row, Column, Value.AsString());
    case TVarType::varDouble:
    case TVarType::varDate: Store(at, Value.AsDouble()); break;
    case TVarType::varCurrency: Store(at, Value.AsCurrency().Raw()); break;
    case TVarType::varBoolean: Store(at, static_cast<uint8_t>(Value.AsBoolean())); break;
    default: return false;
    }
    SetState(Row, Column, StateOf(column, kind));
    return true;
}

bool TRowLayout::WriteInteger(TStoredRow& Row, int Column, int64_t Value, TVarType Kind) const
{
    const TColumn& column = FColumns[static_cast<std::size_t>(Column)];
    if (Kind != column.Native && Kind != column.Second)
        return false;
    std::byte* at = At(Row, column.Offset);
    if (column.Storage == TStorage::Int16 && Fits<int16_t>(Value))
        Store(at, static_cast<int16_t>(Value));
    else if (column.Storage == TStorage::Int32 && Fits<int32_t>(Value))
        Store(at, static_cast<int32_t>(Value));
    else if (column.Storage == TStorage::Eight)
        Store(at, Value);
    else
        return false;
    SetState(Row, Column, StateOf(column, Kind));
    return true;
}

bool TRowLayout::WriteText(TStoredRow& Row, int Column, std::string_view Text) const
{
    const TColumn& column = FColumns[static_cast<std::size_t>(Column)];
    if (column.Storage != TStorage::Text || Text.size() > column.Room)
        return false;
    std::byte* at = At(Row, column.Offset);
    if (column.LengthBytes == 1)
        Store(at, static_cast<uint8_t>(Text.size()));
    else
        Store(at, static_cast<uint16_t>(Text.size()));
    std::memcpy(at + column.LengthBytes, Text.data(), Text.size());
    SetState(Row, Column, TValueState::Native);
    return true;
}

bool TRowLayout::Copy(TStoredRow& Row, int Column, const TRowLayout& From, const TStoredRow& FromRow,
                      int FromColumn) const
{
    const TColumn& column = FColumns[static_cast<std::size_t>(Column)];
    const TColumn& from = From.FColumns[static_cast<std::size_t>(FromColumn)];
    const TValueState state = From.State(FromRow, FromColumn);
    if (state == TValueState::Aside || !column.SameForm(from))
        return false;
    if (state != TValueState::Null)
        std::memcpy(At(Row, column.Offset), At(FromRow, from.Offset), column.Width);
    SetState(Row, Column, state);
    return true;
}

Variant TRowLayout::Read(const TStoredRow& Row, int Column) const
{
    const TValueState state = State(Row, Column);
    if (state != TValueState::Native && state != TValueState::Second)
        return Variant::Null();
    const TColumn& column = FColumns[static_cast<std::size_t>(Column)];
    const std::byte* at = At(Row, column.Offset);
    const TVarType kind = state == TValueState::Native ? column.Native : column.Second;
    switch (kind) {
    case TVarType::varInteger:
    case TVarType::varInt64: {
        int64_t value = 0;
        Integer(Row, Column, value);
        return kind == TVarType::varInteger ? Variant(static_cast<int>(value)) : Variant(value);
    }
    case TVarType::varDouble: return Variant(Load<double>(at));
    case TVarType::varDate: return Variant::FromDateTime(Load<double>(at));
    case TVarType::varCurrency: return Variant(Currency::FromRaw(Load<int64_t>(at)));
    case TVarType::varBoolean: return Variant(Load<uint8_t>(at) != 0);
    case TVarType::varString: {
        const std::size_t length = column.LengthBytes == 1 ? Load<uint8_t>(at) : Load<uint16_t>(at);
        return Variant(std::string(reinterpret_cast<const char*>(at + column.LengthBytes), length));
    }
    default: return Variant::Null();
    }
}

bool TRowLayout::Integer(const TStoredRow& Row, int Column, int64_t& Value) const
{
    const TColumn& column = FColumns[static_cast<std::size_t>(Column)];
    const TValueState state = State(Row, Column);
    if (!IsIntegerKind(column.Native) || (state != TValueState::Native && state != TValueState::Second))
        return false;
    const std::byte* at = At(Row, column.Offset);
    switch (column.Storage) {
    case TStorage::Int16: Value = Load<int16_t>(at); return true;
    case TStorage::Int32: Value = Load<int32_t>(at); return true;
    case TStorage::Eight: Value = Load<int64_t>(at); return true;
    default: return false;
    }
}

bool TRowLayout::CompareIntegers(const TStoredRow& A, const TStoredRow& B, int Column, int& Result) const
{
    int64_t a = 0;
    int64_t b = 0;
    if (!Integer(A, Column, a) || !Integer(B, Column, b))
        return false;
    Result = a < b ? -1 : (a > b ? 1 : 0);
    return true;
}
