#include "platform/data/rowstore.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/rtl/strutils.h"

namespace {
// Row ids are unique in the process, so bookmarks never meet a stranger's.
int64_t gNextRowId = 1;
// Appended rows come in blocks of at least this many.
constexpr std::size_t SmallestBlock = 16;
// A node of the map of values kept aside, beside the value itself.
constexpr std::size_t AsideNodeBytes = 32;
} // namespace

int CompareStoredValues(const Variant& A, const Variant& B)
{
    const bool nullA = A.IsNull() || A.IsEmpty();
    const bool nullB = B.IsNull() || B.IsEmpty();
    if (nullA || nullB)
        return nullA == nullB ? 0 : (nullA ? -1 : 1);
    if (A.VarType() == TVarType::varString && B.VarType() == TVarType::varString)
        return AnsiCompareStr(A.AsString(), B.AsString());
    switch (VarCompareValue(A, B)) {
    case TVariantRelationship::vrLessThan: return -1;
    case TVariantRelationship::vrGreaterThan: return 1;
    default: return 0;
    }
}

TRowStore::TRowStore(std::shared_ptr<const TRowLayout> Layout) : FLayout(std::move(Layout)) {}

TRowStore::~TRowStore() = default;

void TRowStore::AddBlock(std::size_t Rows)
{
    // A block with room left ends where the rows end: indexes stay contiguous.
    if (!FBlocks.empty())
        FBlocks.back().Capacity = FCount - FBlocks.back().First;
    FBlocks.push_back({std::make_unique_for_overwrite<std::byte[]>(Rows * FLayout->RowSize()), FCount, Rows});
    FBlockBytes += Rows * FLayout->RowSize();
}

void TRowStore::Reserve(std::size_t Rows)
{
    const std::size_t room = FBlocks.empty() ? 0 : FBlocks.back().First + FBlocks.back().Capacity - FCount;
    if (Rows > room)
        AddBlock(Rows);
    FNested.reserve(FNested.size() + Rows * static_cast<std::size_t>(FLayout->NestedCount()));
}

const TStoredRow& TRowStore::Row(std::size_t Index) const
{
    const auto block = std::prev(std::upper_bound(FBlocks.begin(), FBlocks.end(), Index,
                                                  [](std::size_t i, const TBlock& b) { return i < b.First; }));
    return *std::launder(reinterpret_cast<const TStoredRow*>(block->Data.get() +
                                                             (Index - block->First) * FLayout->RowSize()));
}

void TRowStore::ForEach(const std::function<void(TStoredRow&)>& Visit)
{
    for (const TBlock& block : FBlocks) {
        const std::size_t rows = std::min(block.Capacity, FCount - block.First);
        for (std::size_t i = 0; i < rows; ++i)
            Visit(*std::launder(reinterpret_cast<TStoredRow*>(block.Data.get() + i * FLayout->RowSize())));
    }
}

TStoredRow& TRowStore::Add()
{
    if (FBlocks.empty() || FBlocks.back().First + FBlocks.back().Capacity == FCount)
        AddBlock(std::max(SmallestBlock, FCount));
    const TBlock& block = FBlocks.back();
    std::byte* at = block.Data.get() + (FCount - block.First) * FLayout->RowSize();
    std::memset(at, 0, FLayout->RowSize());
    auto* row = new (at) TStoredRow{gNextRowId++, static_cast<uint32_t>(FCount), usUnmodified, false};
    ++FCount;
    for (std::shared_ptr<TRowStore>& nested : NewNested())
        FNested.push_back(std::move(nested));
    return *row;
}

void TRowStore::Clear()
{
    const std::size_t rows = FBlockBytes / FLayout->RowSize();
    FCount = 0;
    FNested.clear();
    FAside.clear();
    if (FBlocks.size() > 1) {
        FBlocks.clear();
        FBlockBytes = 0;
        AddBlock(rows);
    }
}

uint64_t TRowStore::AsideKey(const TStoredRow& Row, int Column) const
{
    return static_cast<uint64_t>(Row.Index) * static_cast<uint64_t>(FLayout->ColumnCount()) +
           static_cast<uint64_t>(Column);
}

Variant TRowStore::Value(const TStoredRow& Row, int Column) const
{
    if (FLayout->State(Row, Column) != TValueState::Aside)
        return FLayout->Read(Row, Column);
    return FAside.at(AsideKey(Row, Column));
}

void TRowStore::DropAside(const TStoredRow& Row, int Column)
{
    if (FLayout->State(Row, Column) == TValueState::Aside)
        FAside.erase(AsideKey(Row, Column));
}

void TRowStore::SetValue(TStoredRow& Row, int Column, const Variant& Value)
{
    DropAside(Row, Column);
    if (FLayout->Write(Row, Column, Value))
        return;
    FAside.insert_or_assign(AsideKey(Row, Column), Value);
    FLayout->SetState(Row, Column, TValueState::Aside);
}

bool TRowStore::SetInteger(TStoredRow& Row, int Column, int64_t Value, TVarType Kind)
{
    const bool aside = FLayout->State(Row, Column) == TValueState::Aside;
    if (!FLayout->WriteInteger(Row, Column, Value, Kind))
        return false;
    if (aside)
        FAside.erase(AsideKey(Row, Column));
    return true;
}

bool TRowStore::SetText(TStoredRow& Row, int Column, std::string_view Text)
{
    const bool aside = FLayout->State(Row, Column) == TValueState::Aside;
    if (!FLayout->WriteText(Row, Column, Text))
        return false;
    if (aside)
        FAside.erase(AsideKey(Row, Column));
    return true;
}

void TRowStore::CopyValue(TStoredRow& Row, int Column, const TRowStore& From, const TStoredRow& FromRow,
                          int FromColumn)
{
    DropAside(Row, Column);
    if (!FLayout->Copy(Row, Column, *From.FLayout, FromRow, FromColumn))
        SetValue(Row, Column, From.Value(FromRow, FromColumn));
}

void TRowStore::CopyRow(TStoredRow& Row, const TRowStore& From, const TStoredRow& FromRow)
{
    const int columns = FLayout->ColumnCount();
    if (!FAside.empty())
        for (int column = 0; column < columns; ++column)
            DropAside(Row, column);
    std::memcpy(reinterpret_cast<std::byte*>(&Row) + sizeof(TStoredRow),
                reinterpret_cast<const std::byte*>(&FromRow) + sizeof(TStoredRow), FLayout->RowSize() - sizeof(TStoredRow));
    if (!From.FAside.empty())
        for (int column = 0; column < columns; ++column)
            if (FLayout->State(Row, column) == TValueState::Aside)
                FAside.insert_or_assign(AsideKey(Row, column), From.FAside.at(From.AsideKey(FromRow, column)));
}

std::vector<Variant> TRowStore::Values(const TStoredRow& Row) const
{
    std::vector<Variant> values;
    values.reserve(static_cast<std::size_t>(FLayout->ColumnCount()));
    for (int column = 0; column < FLayout->ColumnCount(); ++column)
        values.push_back(Value(Row, column));
    return values;
}

void TRowStore::SetValues(TStoredRow& Row, const std::vector<Variant>& Values)
{
    const int columns = std::min(FLayout->ColumnCount(), static_cast<int>(Values.size()));
    for (int column = 0; column < columns; ++column)
        SetValue(Row, column, Values[static_cast<std::size_t>(column)]);
}

int TRowStore::Compare(const TStoredRow& A, const TStoredRow& B, int Column) const
{
    int result = 0;
    if (FLayout->CompareIntegers(A, B, Column, result))
        return result;
    return CompareStoredValues(Value(A, Column), Value(B, Column));
}

std::size_t TRowStore::NestedSlot(const TStoredRow& Row, int Index) const
{
    return static_cast<std::size_t>(Row.Index) * static_cast<std::size_t>(FLayout->NestedCount()) +
           static_cast<std::size_t>(Index);
}

const std::shared_ptr<TRowStore>& TRowStore::Nested(const TStoredRow& Row, int Index) const
{
    return FNested[NestedSlot(Row, Index)];
}

void TRowStore::SetNested(const TStoredRow& Row, std::vector<std::shared_ptr<TRowStore>> Nested)
{
    for (int k = 0; k < FLayout->NestedCount() && k < static_cast<int>(Nested.size()); ++k)
        FNested[NestedSlot(Row, k)] = std::move(Nested[static_cast<std::size_t>(k)]);
}

std::vector<std::shared_ptr<TRowStore>> TRowStore::NewNested() const
{
    std::vector<std::shared_ptr<TRowStore>> nested;
    for (int k = 0; k < FLayout->NestedCount(); ++k)
        nested.push_back(std::make_shared<TRowStore>(FLayout->Nested(k)));
    return nested;
}

void TRowStore::Compact(const std::function<bool(const TStoredRow&)>& Keep)
{
    bool moving = FBlocks.size() > 1;
    ForEach([&](TStoredRow& row) { moving = moving || !Keep(row); });
    if (!moving)
        return;
    std::vector<const TStoredRow*> kept;
    ForEach([&](TStoredRow& row) {
        if (Keep(row))
            kept.push_back(&row);
    });
    const std::size_t rowSize = FLayout->RowSize();
    TBlock block{std::make_unique_for_overwrite<std::byte[]>(kept.size() * rowSize), 0, kept.size()};
    std::vector<std::shared_ptr<TRowStore>> nested;
    nested.reserve(kept.size() * static_cast<std::size_t>(FLayout->NestedCount()));
    std::unordered_map<uint64_t, Variant> aside;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const TStoredRow& from = *kept[i];
        auto* to = new (block.Data.get() + i * rowSize) TStoredRow(from);
        std::memcpy(reinterpret_cast<std::byte*>(to) + sizeof(TStoredRow),
                    reinterpret_cast<const std::byte*>(&from) + sizeof(TStoredRow), rowSize - sizeof(TStoredRow));
        to->Index = static_cast<uint32_t>(i);
        for (int k = 0; k < FLayout->NestedCount(); ++k)
            nested.push_back(std::move(FNested[NestedSlot(from, k)]));
        for (int column = 0; column < FLayout->ColumnCount(); ++column)
            if (FLayout->State(from, column) == TValueState::Aside)
                aside.emplace(AsideKey(*to, column), std::move(FAside.at(AsideKey(from, column))));
    }
    FBlocks.clear();
    FBlockBytes = kept.size() * rowSize;
    if (!kept.empty())
        FBlocks.push_back(std::move(block));
    FCount = kept.size();
    FNested = std::move(nested);
    FAside = std::move(aside);
}

std::size_t TRowStore::Bytes() const
{
    std::size_t bytes = sizeof(*this) + FBlocks.capacity() * sizeof(TBlock) +
                        FNested.capacity() * sizeof(std::shared_ptr<TRowStore>) +
                        FAside.size() * (sizeof(Variant) + AsideNodeBytes) + FAside.bucket_count() * sizeof(void*);
    bytes += FBlockBytes;
    for (const std::shared_ptr<TRowStore>& nested : FNested)
        bytes += nested->Bytes();
    return bytes;
}
