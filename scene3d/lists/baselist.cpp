#include "scene3d/lists/baselist.h"

#include <bit>
#include <cstring>
#include <typeinfo>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "scene3d/base/engineassert.h"

static_assert(std::endian::native == std::endian::little, "list items are archived as they lie in memory");

LT_IMPLEMENT_CLASS(TBaseList, TPersistentObject) {}

TBaseList::TBaseList(int ItemSize) : FItemSize(ItemSize) {}

void TBaseList::SetCount(int NewCount)
{
    EngineAssert(NewCount >= 0);
    if (NewCount > FCapacity)
        SetCapacity(NewCount);
    if (NewCount > FCount)
        std::memset(reinterpret_cast<std::byte*>(FItems.data()) + static_cast<std::size_t>(FCount) * FItemSize, 0,
                    static_cast<std::size_t>(NewCount - FCount) * FItemSize);
    FCount = NewCount;
}

void TBaseList::SetCapacity(int NewCapacity)
{
    EngineAssert(NewCapacity >= 0);
    const std::size_t bytes = static_cast<std::size_t>(NewCapacity) * FItemSize;
    FItems.resize((bytes + sizeof(TBlock) - 1) / sizeof(TBlock));
    FItems.shrink_to_fit();
    FCapacity = NewCapacity;
    FCount = std::min(FCount, NewCapacity);
}

void TBaseList::SetGrowthDelta(int Value)
{
    EngineAssert(Value > 0);
    FGrowthDelta = Value;
}

void TBaseList::EmptyList()
{
    FCount = 0;
}

void TBaseList::Clear()
{
    FCount = 0;
    SetCapacity(0);
}

int TBaseList::AddItem()
{
    if (FCount == FCapacity)
        SetCapacity(FCapacity + FGrowthDelta);
    return FCount++;
}

void TBaseList::Assign(const TPersistent* Source)
{
    if (!Source) {
        Clear();
        return;
    }
    const auto* source = dynamic_cast<const TBaseList*>(Source);
    if (!source) {
        TPersistentObject::Assign(Source);
        return;
    }
    if (source == this)
        return;
    SetCapacity(source->FCount);
    FGrowthDelta = source->FGrowthDelta;
    FCount = FCapacity;
    auto* bytes = reinterpret_cast<std::byte*>(FItems.data());
    const std::size_t size = static_cast<std::size_t>(FCount) * FItemSize;
    if (size == 0)
        return;
    if (typeid(*source) == typeid(*this))
        std::memcpy(bytes, source->FItems.data(), size);
    else
        std::memset(bytes, 0, size);
}

void TBaseList::WriteToArchive(TVirtualWriter& Writer) const
{
    Writer.WriteInteger(0);
    Writer.WriteInteger(FCount);
    Writer.WriteInteger(FItemSize);
    if (FCount > 0)
        Writer.Write(FItems.data(), static_cast<int64_t>(FCount) * FItemSize);
}

void TBaseList::ReadFromArchive(TVirtualReader& Reader)
{
    const int version = Reader.ReadInteger();
    if (version != 0)
        RaiseFilerException(version);
    const int count = Reader.ReadInteger();
    const int itemSize = Reader.ReadInteger();
    if (itemSize != FItemSize)
        throw EReadError(ClassName() + ": an item of " + std::to_string(itemSize) + " bytes where " +
                         std::to_string(FItemSize) + " were expected");
    Reader.CheckBytesLeft(count < 0 ? -1 : static_cast<int64_t>(count) * FItemSize);
    SetCapacity(count);
    FCount = count;
    if (count > 0)
        Reader.Read(FItems.data(), static_cast<int64_t>(count) * FItemSize);
}
