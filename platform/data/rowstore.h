#pragma once
// The rows of a table (or of one nested list of a master row) in memory,
// each row one buffer of its layout (rowlayout.h). The buffers lie in blocks
// that never move, so a row stays where it is until the store is compacted;
// a Variant is made only when a value is read. Values without a native form
// are kept aside as Variants. A row of a table with nested tables has a
// store of its own for each of them.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/data/rowlayout.h"

class TRowStore {
public:
    explicit TRowStore(std::shared_ptr<const TRowLayout> Layout);
    ~TRowStore();
    TRowStore(const TRowStore&) = delete;
    TRowStore& operator=(const TRowStore&) = delete;

    const std::shared_ptr<const TRowLayout>& Layout() const { return FLayout; }
    // The rows, removed ones included, in the order they were added.
    std::size_t Count() const { return FCount; }
    const TStoredRow& Row(std::size_t Index) const;
    // Calls Visit for every row in order.
    void ForEach(const std::function<void(TStoredRow&)>& Visit);
    // Makes room for Rows more rows in one block.
    void Reserve(std::size_t Rows);
    // A new unmodified row of Nulls with an id of its own (and empty nested
    // stores).
    TStoredRow& Add();
    // Forgets the rows and keeps their room for new ones.
    void Clear();

    Variant Value(const TStoredRow& Row, int Column) const;
    void SetValue(TStoredRow& Row, int Column, const Variant& Value);
    // As SetValue without a Variant; false, leaving the row alone, when the
    // column has no native form for the value.
    bool SetInteger(TStoredRow& Row, int Column, int64_t Value, TVarType Kind);
    bool SetText(TStoredRow& Row, int Column, std::string_view Text);
    // As SetValue with another store's value, copied natively when both
    // columns have the same form.
    void CopyValue(TStoredRow& Row, int Column, const TRowStore& From, const TStoredRow& FromRow, int FromColumn);
    // Every value of a row of a store whose layout holds the same rows
    // (TRowLayout::SameRows), in one copy.
    void CopyRow(TStoredRow& Row, const TRowStore& From, const TStoredRow& FromRow);
    std::vector<Variant> Values(const TStoredRow& Row) const;
    void SetValues(TStoredRow& Row, const std::vector<Variant>& Values);
    // Orders a column's values in two rows as CompareStoredValues does.
    int Compare(const TStoredRow& A, const TStoredRow& B, int Column) const;

    // The rows nested in a row: its Index-th nested table.
    const std::shared_ptr<TRowStore>& Nested(const TStoredRow& Row, int Index) const;
    // Gives a row the nested stores it was made with before it was stored.
    void SetNested(const TStoredRow& Row, std::vector<std::shared_ptr<TRowStore>> Nested);
    // Empty nested stores for a new row of this layout.
    std::vector<std::shared_ptr<TRowStore>> NewNested() const;

    // Keeps only the rows Keep accepts, in their order, in one block: rows
    // move, so pointers to them are no longer valid.
    void Compact(const std::function<bool(const TStoredRow&)>& Keep);

    // The memory the rows take, nested stores included.
    std::size_t Bytes() const;

private:
    struct TBlock {
        std::unique_ptr<std::byte[]> Data;
        std::size_t First;        // the index of its first row
        std::size_t Capacity;     // rows
    };
    uint64_t AsideKey(const TStoredRow& Row, int Column) const;
    // Drops a value kept aside for the column before a native one comes.
    void DropAside(const TStoredRow& Row, int Column);
    std::size_t NestedSlot(const TStoredRow& Row, int Index) const;
    // A new last block for Rows rows.
    void AddBlock(std::size_t Rows);

    std::shared_ptr<const TRowLayout> FLayout;
    std::vector<TBlock> FBlocks;
    std::size_t FCount = 0;
    std::size_t FBlockBytes = 0;
    std::vector<std::shared_ptr<TRowStore>> FNested;     // NestedCount per row
    std::unordered_map<uint64_t, Variant> FAside;
};

// Orders two values as a client dataset's index does: Null and Unassigned
// first, texts by AnsiCompareStr, other values by VarCompareValue.
int CompareStoredValues(const Variant& A, const Variant& B);
