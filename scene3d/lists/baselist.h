#pragma once
// Growable arrays of fixed-size items that archive themselves: the archive
// version 0, the count, the item size, then the items' bytes little-endian.
// Lists grow by a fixed step (GrowthDelta, 16 at creation) when full; new
// items are zeroed. Item access by index is unchecked.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "scene3d/persistence/persistentobject.h"

class TBaseList : public TPersistentObject {
    LT_CLASS(TBaseList)
public:
    int Count() const { return FCount; }
    // New items are zeroed; the capacity grows to exactly NewCount when
    // smaller. A negative count raises "Assertion failure".
    void SetCount(int NewCount);
    int Capacity() const { return FCapacity; }
    // Reallocates to NewCapacity items, cutting the count when below it.
    virtual void SetCapacity(int NewCapacity);
    int GrowthDelta() const { return FGrowthDelta; }
    void SetGrowthDelta(int Value);
    // Bytes per item.
    int ItemSize() const { return FItemSize; }

    // Count 0, memory kept.
    void EmptyList();
    // Count and capacity 0.
    void Clear();

    // From another list: its count, capacity and growth delta, and its
    // items when it is of this very class (zeros otherwise); null clears.
    void Assign(const TPersistent* Source) override;
    void WriteToArchive(TVirtualWriter& Writer) const override;
    // Refuses (EReadError) a negative count, an item size not this list's
    // own, and more items than the stream holds.
    void ReadFromArchive(TVirtualReader& Reader) override;

protected:
    explicit TBaseList(int ItemSize);

    // Makes room for one more item (growing by the delta when full) and
    // returns its index; the count is raised.
    int AddItem();
    // The items as T, T being the item type of the list.
    template <class T>
    T* TypedItems()
    {
        return reinterpret_cast<T*>(FItems.data());
    }
    template <class T>
    const T* TypedItems() const
    {
        return reinterpret_cast<const T*>(FItems.data());
    }

private:
    // Held as 16-byte blocks so that every item type is aligned.
    struct alignas(16) TBlock {
        std::byte Bytes[16];
    };

    std::vector<TBlock> FItems;
    int FCount = 0;
    int FCapacity = 0;
    int FGrowthDelta = 16;
    const int FItemSize;
};
