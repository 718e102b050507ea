#pragma once
// How a table's row lies in one buffer: a header, two bits of state per
// column, then every column's value in its native form at a fixed offset:
// integers in the column's width, floating point, currency and dates in
// eight bytes, booleans in one, texts in a fixed room of four bytes per
// character with their length in bytes in front.
//
// A column's state says whether its value is Null, held natively in the
// column's own kind (an integer column's values read back as Integer), held
// natively in the column's second kind (the same column's Int64 values, as
// fields write them) or kept aside as a Variant by the store (a value of
// another kind, a text longer than the room, Unassigned).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/data/dataset.h"

// A row's header; the states and values follow it in the same buffer.
struct TStoredRow {
    int64_t Id;          // unique in the process: the row's bookmark
    uint32_t Index;      // the row's place in its store
    uint8_t Status;      // a TUpdateStatus
    bool Removed;        // an insert taken back: the row is no longer there
    TUpdateStatus UpdateStatus() const { return static_cast<TUpdateStatus>(Status); }
    void SetUpdateStatus(TUpdateStatus Value) { Status = static_cast<uint8_t>(Value); }
};

enum class TValueState : uint8_t { Null, Native, Second, Aside };

class TRowLayout {
public:
    // Columns for the field definitions; Nested are the layouts of the
    // nested tables of the ftDataSet columns, in their order.
    TRowLayout(const std::vector<TFieldDef>& Fields, std::vector<std::shared_ptr<const TRowLayout>> Nested = {});

    int ColumnCount() const { return static_cast<int>(FColumns.size()); }
    std::size_t RowSize() const { return FRowSize; }
    int NestedCount() const { return static_cast<int>(FNested.size()); }
    const std::shared_ptr<const TRowLayout>& Nested(int Index) const;

    TValueState State(const TStoredRow& Row, int Column) const
    {
        const auto bits = static_cast<unsigned>(*At(Row, sizeof(TStoredRow) + static_cast<uint32_t>(Column) / 4));
        return static_cast<TValueState>((bits >> (Column % 4 * 2)) & 3u);
    }
    void SetState(TStoredRow& Row, int Column, TValueState State) const
    {
        std::byte& bits = *At(Row, sizeof(TStoredRow) + static_cast<uint32_t>(Column) / 4);
        const unsigned shift = static_cast<unsigned>(Column % 4 * 2);
        bits = static_cast<std::byte>((static_cast<unsigned>(bits) & ~(3u << shift)) |
                                      (static_cast<unsigned>(State) << shift));
    }
    // Whether rows of the other layout hold the same columns in the same
    // places, so that a row's bytes copied are the same values.
    bool SameRows(const TRowLayout& Other) const;
    // Stores the value natively and sets the state (Null included); false,
    // leaving the row alone, when the value has no native form here.
    bool Write(TStoredRow& Row, int Column, const Variant& Value) const;
    // As Write for a value of Kind (varInteger or varInt64) and for a text,
    // without a Variant.
    bool WriteInteger(TStoredRow& Row, int Column, int64_t Value, TVarType Kind) const;
    bool WriteText(TStoredRow& Row, int Column, std::string_view Text) const;
    // Copies a value held natively in a column of the same form of another
    // layout's row; false, leaving the row alone, when it is not.
    bool Copy(TStoredRow& Row, int Column, const TRowLayout& From, const TStoredRow& FromRow, int FromColumn) const;
    // The value of a Null, Native or Second column.
    Variant Read(const TStoredRow& Row, int Column) const;
    // Orders the native values of a column in two rows as the index does;
    // false when either is not an integer held natively.
    bool CompareIntegers(const TStoredRow& A, const TStoredRow& B, int Column, int& Result) const;

private:
    enum class TStorage : uint8_t { None, Int16, Int32, Eight, Boolean, Text };
    struct TColumn {
        TStorage Storage = TStorage::None;
        TVarType Native = TVarType::varEmpty;
        TVarType Second = TVarType::varEmpty;
        uint32_t Offset = 0;
        uint32_t Width = 0;         // bytes
        uint32_t Room = 0;          // of a text: the most bytes it holds
        uint8_t LengthBytes = 0;    // of a text: 1 or 2
        bool SameForm(const TColumn& Other) const;
    };
    static TColumn ColumnFor(const TFieldDef& Field);
    static std::byte* At(TStoredRow& Row, uint32_t Offset) { return reinterpret_cast<std::byte*>(&Row) + Offset; }
    static const std::byte* At(const TStoredRow& Row, uint32_t Offset)
    {
        return reinterpret_cast<const std::byte*>(&Row) + Offset;
    }
    bool Integer(const TStoredRow& Row, int Column, int64_t& Value) const;
    // The state of a native value of Kind in Column.
    static TValueState StateOf(const TColumn& Column, TVarType Kind);

    std::vector<TColumn> FColumns;
    std::vector<std::shared_ptr<const TRowLayout>> FNested;
    std::size_t FRowSize = 0;
};
