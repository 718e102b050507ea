#include "scene3d/persistence/persistentobjectlist.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/persistence/archiveclasses.h"

LT_IMPLEMENT_CLASS(TPersistentObjectList, TPersistentObject) {}

namespace {

[[maybe_unused]] const bool registered = RegisterArchiveClass<TPersistentObjectList>();

[[noreturn]] void BrokenArchive()
{
    throw Exception("Broken ObjectList archive");
}

// Counts the object lists being read through one reader.
class TNestingLevel {
public:
    explicit TNestingLevel(TVirtualReader& Reader) : FDepth(Reader.ObjectListDepth())
    {
        if (FDepth >= TPersistentObjectList::MaxNesting)
            BrokenArchive();
        ++FDepth;
    }
    TNestingLevel(const TNestingLevel&) = delete;
    TNestingLevel& operator=(const TNestingLevel&) = delete;
    ~TNestingLevel() { --FDepth; }

private:
    int& FDepth;
};

// Frees what a list read before its archive broke off, nested lists first:
// every object in it was made by the archive.
void FreeUnfinished(TPersistentObject& Object)
{
    auto* list = dynamic_cast<TPersistentObjectList*>(&Object);
    if (!list)
        return;
    for (int i = 0; i < list->Count(); ++i)
        if (auto* item = dynamic_cast<TPersistentObject*>(list->Items(i)))
            FreeUnfinished(*item);
    list->FreeAndClear();
}

} // namespace

void TPersistentObjectList::SetCount(int NewCount)
{
    EngineAssert(NewCount >= 0);
    if (NewCount > Capacity())
        SetCapacity(NewCount);
    std::fill(FList.begin() + std::min(FCount, NewCount), FList.begin() + NewCount, nullptr);
    FCount = NewCount;
}

void TPersistentObjectList::SetCapacity(int NewCapacity)
{
    EngineAssert(NewCapacity >= 0);
    FList.resize(static_cast<std::size_t>(NewCapacity), nullptr);
    FList.shrink_to_fit();
    FCount = std::min(FCount, NewCapacity);
}

void TPersistentObjectList::SetGrowthDelta(int Value)
{
    EngineAssert(Value > 0);
    FGrowthDelta = Value;
}

void TPersistentObjectList::Grow()
{
    if (FCount == Capacity())
        SetCapacity(Capacity() + FGrowthDelta);
}

int TPersistentObjectList::Add(TObject* Item)
{
    Grow();
    FList[static_cast<std::size_t>(FCount)] = Item;
    return FCount++;
}

void TPersistentObjectList::Insert(int Index, TObject* Item)
{
    if (Index < 0 || Index > FCount)
        ListIndexError(Index);
    Grow();
    std::copy_backward(FList.begin() + Index, FList.begin() + FCount, FList.begin() + FCount + 1);
    FList[static_cast<std::size_t>(Index)] = Item;
    ++FCount;
}

void TPersistentObjectList::Delete(int Index)
{
    if (Index < 0 || Index >= FCount)
        ListIndexError(Index);
    std::copy(FList.begin() + Index + 1, FList.begin() + FCount, FList.begin() + Index);
    --FCount;
    FList[static_cast<std::size_t>(FCount)] = nullptr;
}

int TPersistentObjectList::Remove(TObject* Item)
{
    const int index = IndexOf(Item);
    if (index >= 0)
        Delete(index);
    return index;
}

int TPersistentObjectList::IndexOf(TObject* Item) const
{
    const auto end = FList.begin() + FCount;
    const auto found = std::find(FList.begin(), end, Item);
    return found == end ? -1 : static_cast<int>(found - FList.begin());
}

TObject* TPersistentObjectList::Pop()
{
    if (FCount == 0)
        return nullptr;
    --FCount;
    return std::exchange(FList[static_cast<std::size_t>(FCount)], nullptr);
}

void TPersistentObjectList::Clear()
{
    FList.clear();
    FList.shrink_to_fit();
    FCount = 0;
}

void TPersistentObjectList::FreeObjects()
{
    for (int i = FCount - 1; i >= 0; --i) {
        // Freeing an object may take others out of the list.
        if (i >= FCount)
            continue;
        const std::unique_ptr<TObject> item(std::exchange(FList[static_cast<std::size_t>(i)], nullptr));
    }
}

void TPersistentObjectList::FreeAndClear()
{
    FreeObjects();
    Clear();
}

void TPersistentObjectList::Sort(const TObjectCompare& Compare)
{
    if (FCount > 1)
        QuickSort(0, FCount - 1, Compare);
}

void TPersistentObjectList::QuickSort(int Left, int Right, const TObjectCompare& Compare)
{
    while (Left < Right) {
        int i = Left;
        int j = Right;
        TObject* const pivot = FList[static_cast<std::size_t>((Left + Right) / 2)];
        while (i <= j) {
            while (Compare(FList[static_cast<std::size_t>(i)], pivot) < 0)
                ++i;
            while (Compare(FList[static_cast<std::size_t>(j)], pivot) > 0)
                --j;
            if (i <= j) {
                std::swap(FList[static_cast<std::size_t>(i)], FList[static_cast<std::size_t>(j)]);
                ++i;
                --j;
            }
        }
        if (Left < j)
            QuickSort(Left, j, Compare);
        Left = i;
    }
}

void TPersistentObjectList::WriteToArchive(TVirtualWriter& Writer) const
{
    Writer.WriteInteger(0);
    Writer.WriteListBegin();
    std::vector<const TClassInfo*> classes;
    for (int i = 0; i < FCount; ++i) {
        TObject* const item = Items(i);
        auto* const archivable = dynamic_cast<const TPersistentObject*>(item);
        if (!archivable) {
            // A foreign object has no archive: a marker in its place.
            Writer.WriteBoolean(false);
            Writer.WriteInteger(item ? 1 : 0);
            continue;
        }
        const auto known = std::find(classes.begin(), classes.end(), &archivable->ClassType());
        if (known == classes.end()) {
            Writer.WriteString(archivable->ClassName());
            classes.push_back(&archivable->ClassType());
        } else {
            Writer.WriteInteger(static_cast<int32_t>(known - classes.begin()));
        }
        archivable->WriteToArchive(Writer);
    }
    Writer.WriteListEnd();
}

void TPersistentObjectList::ReadFromArchive(TVirtualReader& Reader)
{
    FreeAndClear();
    const int version = Reader.ReadInteger();
    if (version != 0)
        RaiseFilerException(version);
    const TNestingLevel level(Reader);
    Reader.ReadListBegin();
    std::vector<const TArchiveClass*> classes;
    while (!Reader.EndOfList()) {
        const TArchiveClass* archiveClass = nullptr;
        switch (Reader.NextValue()) {
        case vaInt8:
        case vaInt16:
        case vaInt32: {
            const int index = Reader.ReadInteger();
            if (index < 0 || index >= static_cast<int>(classes.size()))
                BrokenArchive();
            archiveClass = classes[static_cast<std::size_t>(index)];
            break;
        }
        case vaString:
        case vaLString: {
            const std::string name = Reader.ReadString();
            archiveClass = FindArchiveClass(name);
            if (!archiveClass)
                throw EClassNotFound("Class " + name + " not found");
            classes.push_back(archiveClass);
            break;
        }
        case vaFalse:
        case vaTrue:
            // A null slot, or an object that could not be written.
            Reader.ReadBoolean();
            Reader.ReadInteger();
            Add(nullptr);
            continue;
        default:
            BrokenArchive();
        }
        std::unique_ptr<TPersistentObject> object = archiveClass->Create();
        try {
            ObjectRead(*this, *object);
            object->ReadFromArchive(Reader);
        } catch (...) {
            FreeUnfinished(*object);
            throw;
        }
        Add(object.release());
    }
    Reader.ReadListEnd();
}

void TPersistentObjectList::ListIndexError(int) const
{
    throw EListError("Invalid list index");
}

void TPersistentObjectList::ObjectRead(TPersistentObjectList&, TPersistentObject&) {}
