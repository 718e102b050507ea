#pragma once
// A growable list of object references that archives its items by class:
// each archivable item is written after its class name (the first time) or
// the index of its class (after that), and read back as a new object of the
// class registered under that name (archiveclasses.h).
//
// The list does not own its items: destroying it releases only its array.
// FreeObjects and FreeAndClear free them, and reading an archive frees the
// current items first.
#include <functional>
#include <vector>

#include "scene3d/persistence/persistentobject.h"

class TPersistentObjectList : public TPersistentObject {
    LT_CLASS(TPersistentObjectList)
public:
    // How deep object lists may nest inside one archive.
    static constexpr int MaxNesting = 64;
    // Negative when the first comes first.
    using TObjectCompare = std::function<int(TObject* Item1, TObject* Item2)>;

    TPersistentObjectList() = default;

    int Count() const { return FCount; }
    // New slots are null; raises the capacity when needed.
    void SetCount(int NewCount);
    int Capacity() const { return static_cast<int>(FList.size()); }
    // Below the count, the count is cut.
    void SetCapacity(int NewCapacity);
    // How many slots a full list grows by (16 at creation).
    int GrowthDelta() const { return FGrowthDelta; }
    void SetGrowthDelta(int Value);

    // Unchecked: Index must lie below Count().
    TObject* Items(int Index) const { return FList[static_cast<std::size_t>(Index)]; }
    void SetItems(int Index, TObject* Item) { FList[static_cast<std::size_t>(Index)] = Item; }

    int Add(TObject* Item);
    // 0 <= Index <= Count(), else "Invalid list index".
    void Insert(int Index, TObject* Item);
    // 0 <= Index < Count(), else "Invalid list index".
    void Delete(int Index);
    // Deletes the first occurrence; its index, or -1.
    int Remove(TObject* Item);
    int IndexOf(TObject* Item) const;
    // Removes and returns the last item; null when empty.
    TObject* Pop();

    // Count and capacity 0; the items are not freed.
    virtual void Clear();
    // Frees every item, last first, skipping slots that went while freeing.
    void FreeObjects();
    void FreeAndClear();
    // Quicksort around the middle item of each range; not stable.
    void Sort(const TObjectCompare& Compare);

    // Version 0, then the items in a list: null as False, 0; an archivable
    // item as its class name or class index and its own archive; any other
    // object as False, 1 (it cannot be written, and reads back as null).
    void WriteToArchive(TVirtualWriter& Writer) const override;
    // Frees the current items, then reads. A class name must be registered
    // (EClassNotFound otherwise); a class index out of range, a tag that
    // starts no item, or lists nested deeper than MaxNesting raise
    // "Broken ObjectList archive". A failed read leaves the items read so far.
    void ReadFromArchive(TVirtualReader& Reader) override;

protected:
    // EListError "Invalid list index".
    [[noreturn]] virtual void ListIndexError(int Index) const;
    // Called with each object the archive created, before it reads itself.
    virtual void ObjectRead(TPersistentObjectList& List, TPersistentObject& Object);

private:
    void Grow();
    void QuickSort(int Left, int Right, const TObjectCompare& Compare);

    std::vector<TObject*> FList;
    int FCount = 0;
    int FGrowthDelta = 16;
};
