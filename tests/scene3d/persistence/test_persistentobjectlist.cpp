#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "scene3d/lists/numberlists.h"
#include "scene3d/lists/vectorlists.h"
#include "scene3d/persistence/archiveexceptions.h"
#include "scene3d/persistence/persistentobjectlist.h"
#include "tests/scene3d/persistence/archivefixtures.h"
#include "tests/support/hexbytes.h"

namespace {

// An object that is not archivable and tells when it is freed.
class TFreedSpy : public TObject {
public:
    explicit TFreedSpy(std::vector<int>& Freed, int Id, TPersistentObjectList* RemoveFrom = nullptr)
        : FFreed(Freed), FId(Id), FRemoveFrom(RemoveFrom)
    {
    }
    ~TFreedSpy() override
    {
        FFreed.push_back(FId);
        if (FRemoveFrom)
            FRemoveFrom->Remove(this);
    }

private:
    std::vector<int>& FFreed;
    int FId;
    TPersistentObjectList* FRemoveFrom;
};

// Frees the objects an archive put into the list, lists inside it too.
void FreeDeep(TPersistentObjectList& List)
{
    for (int i = 0; i < List.Count(); ++i)
        if (auto* inner = dynamic_cast<TPersistentObjectList*>(List.Items(i)))
            FreeDeep(*inner);
    List.FreeAndClear();
}

std::string BrokenMessage(const std::string& Archive)
{
    TPersistentObjectList list;
    try {
        list.LoadFromString(Archive);
    } catch (const Exception& e) {
        FreeDeep(list);
        return e.Message();
    }
    FreeDeep(list);
    return "read";
}

TEST(PersistentObjectList, GrowsBySixteenSlots)
{
    TPersistentObjectList list;
    TObject objects[17];
    for (int i = 0; i < 16; ++i)
        list.Add(&objects[i]);
    EXPECT_EQ(list.Capacity(), 16);
    EXPECT_EQ(list.Add(&objects[16]), 16);
    EXPECT_EQ(list.Capacity(), 32);
    EXPECT_EQ(list.Count(), 17);
}

TEST(PersistentObjectList, InsertDeleteRemoveAndPop)
{
    TPersistentObjectList list;
    TObject a, b, c;
    list.Add(&a);
    list.Add(&c);
    list.Insert(1, &b);
    list.Insert(3, &a);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Items(1), &b);
    EXPECT_EQ(list.IndexOf(&a), 0);
    EXPECT_EQ(list.Remove(&a), 0);
    EXPECT_EQ(list.Remove(&a), 2);
    EXPECT_EQ(list.Remove(&a), -1);
    list.Delete(0);
    EXPECT_EQ(list.Pop(), &c);
    EXPECT_EQ(list.Pop(), nullptr);

    list.SetCount(3);
    EXPECT_EQ(list.Items(2), nullptr);
    list.SetCapacity(1);
    EXPECT_EQ(list.Count(), 1);
}

TEST(PersistentObjectList, AnIndexOutsideTheListIsRefused)
{
    TPersistentObjectList list;
    TObject a;
    list.Add(&a);
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"insert -1", [&] { list.Insert(-1, &a); }},
        {"insert past the end", [&] { list.Insert(2, &a); }},
        {"delete -1", [&] { list.Delete(-1); }},
        {"delete at the count", [&] { list.Delete(1); }},
    };
    for (const auto& [what, call] : cases) {
        try {
            call();
            ADD_FAILURE() << what;
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), "Invalid list index") << what;
        }
        EXPECT_EQ(list.Count(), 1) << what;
    }
}

TEST(PersistentObjectList, FreeObjectsFreesLastFirstAndSkipsWhatWent)
{
    std::vector<int> freed;
    TPersistentObjectList list;
    list.Add(new TFreedSpy(freed, 0));
    list.Add(new TFreedSpy(freed, 1));
    // Takes itself out of the list while freed.
    list.Add(new TFreedSpy(freed, 2, &list));
    list.Add(nullptr);
    list.FreeAndClear();
    EXPECT_EQ(freed, (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}

TEST(PersistentObjectList, SortOrdersByTheCompareFunction)
{
    TObject objects[9];
    const int order[] = {5, 2, 8, 0, 7, 1, 3, 6, 4};
    TPersistentObjectList list;
    for (const int i : order)
        list.Add(&objects[i]);
    list.Sort([](TObject* a, TObject* b) { return a < b ? -1 : (a > b ? 1 : 0); });
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(list.Items(i), &objects[i]);
}

TEST(PersistentObjectList, ANullSlotIsFalseAndZero)
{
    TPersistentObjectList list;
    list.Add(nullptr);
    EXPECT_EQ(ToHex(list.SaveToString()), ToHex(ArchiveFixture("objectlist-one-nil")));
    list.Clear();
    list.LoadFromString(ArchiveFixture("objectlist-one-nil"));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0), nullptr);
}

TEST(PersistentObjectList, AClassIsNamedOnceThenReferredToByIndex)
{
    auto first = std::make_unique<TVectorList>();
    first->Add(TVector{1, 2, 3, 1});
    auto second = std::make_unique<TVectorList>();
    second->Add(TVector{0.5f, 0, 0, 0});
    TPersistentObjectList list;
    list.Add(first.get());
    list.Add(second.get());
    const std::string fixture = ArchiveFixture("objectlist-same-class-twice");
    EXPECT_EQ(ToHex(list.SaveToString()), ToHex(fixture));

    TPersistentObjectList back;
    back.LoadFromString(fixture);
    ASSERT_EQ(back.Count(), 2);
    auto* read1 = dynamic_cast<TVectorList*>(back.Items(0));
    auto* read2 = dynamic_cast<TVectorList*>(back.Items(1));
    ASSERT_TRUE(read1 && read2);
    EXPECT_EQ(read1->Items(0).Z, 3);
    EXPECT_EQ(read2->Items(0).X, 0.5f);
    back.FreeAndClear();
}

TEST(PersistentObjectList, ListsNestAndReadBackWhatTheyWrite)
{
    const std::string fixture = ArchiveFixture("objectlist-nested");
    TPersistentObjectList list;
    list.LoadFromString(fixture);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(0), nullptr);
    auto* inner = dynamic_cast<TPersistentObjectList*>(list.Items(1));
    ASSERT_NE(inner, nullptr);
    ASSERT_EQ(inner->Count(), 1);
    auto* keys = dynamic_cast<TSingleList*>(inner->Items(0));
    ASSERT_NE(keys, nullptr);
    EXPECT_EQ(keys->Items(0), 2.5f);
    EXPECT_EQ(ToHex(list.SaveToString()), ToHex(fixture));
    FreeDeep(list);
}

TEST(PersistentObjectList, AForeignObjectIsWrittenAsAMarkerAndReadBackAsNull)
{
    TObject foreign;
    TPersistentObjectList list;
    list.Add(&foreign);
    const std::string archive = list.SaveToString();
    EXPECT_EQ(ToHex(archive), "02 00 01 08 02 01 00");

    TPersistentObjectList back;
    back.LoadFromString(archive);
    ASSERT_EQ(back.Count(), 1);
    EXPECT_EQ(back.Items(0), nullptr);
    // Whatever number stands in the archive, no object comes out of it.
    back.LoadFromString(Hex("02 00 01 09 04 78 56 34 12 00"));
    ASSERT_EQ(back.Count(), 1);
    EXPECT_EQ(back.Items(0), nullptr);
}

TEST(PersistentObjectList, OnlyRegisteredClassesAreCreated)
{
    // The integer list is archivable but not registered for object lists.
    EXPECT_EQ(BrokenMessage(ArchiveFixture("objectlist-unregistered-class")), "Class TIntegerList not found");
    // A registered class that is no archivable object, and no class at all.
    EXPECT_EQ(BrokenMessage(Hex("02 00 01 06 0A") + "TComponent" + Hex("00")), "Class TComponent not found");
    EXPECT_EQ(BrokenMessage(Hex("02 00 01 06 00 00")), "Class  not found");
}

TEST(PersistentObjectList, ReadingFreesTheCurrentObjects)
{
    std::vector<int> freed;
    TPersistentObjectList list;
    list.Add(new TFreedSpy(freed, 0));
    list.LoadFromString(ArchiveFixture("objectlist-one-nil"));
    EXPECT_EQ(freed, std::vector<int>{0});
}

TEST(PersistentObjectList, ShortAndHostileArchivesAreRefused)
{
    const std::string nested = ArchiveFixture("objectlist-nested");
    const std::string vectorLists = ArchiveFixture("objectlist-same-class-twice");
    const struct {
        const char* What;
        std::string Archive;
        const char* Message;
    } cases[] = {
        {"version 1", Hex("02 01 01 00"), "TPersistentObjectList : unknown archive version 1"},
        {"no list", Hex("02 00 06 00"), "TBinaryReader, read type error"},
        {"no end", Hex("02 00 01 08 02 00"), "Stream read error"},
        {"class index before any class", Hex("02 00 01 02 00 00"), "Broken ObjectList archive"},
        {"negative class index", vectorLists.substr(0, 40) + Hex("02 FF"), "Broken ObjectList archive"},
        {"class index past the classes", vectorLists.substr(0, 40) + Hex("02 01"), "Broken ObjectList archive"},
        {"a float where an item starts", Hex("02 00 01 05 00 00 00 00 00 00 00 80 FF 3F 00"),
         "Broken ObjectList archive"},
        {"a nested list list cut short", nested.substr(0, nested.size() - 3), "Stream read error"},
        {"a list item size not its own", Hex("02 00 01 06 0B") + "TVectorList" + Hex("02 00 02 01 02 0C") +
                                             std::string(12, '\0') + Hex("02 00 00"),
         "TVectorList: an item of 12 bytes where 16 were expected"},
        {"a list count past the data", Hex("02 00 01 06 0B") + "TSingleList" + Hex("02 00 04 FF FF FF 7F 02 04 00"),
         "Stream read error"},
        {"a negative list count", Hex("02 00 01 06 0B") + "TSingleList" + Hex("02 00 02 FF 02 04 00"),
         "Stream read error"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BrokenMessage(c.Archive), c.Message) << c.What;
}

// An archive of Depth object lists, each inside the one before (each list
// names the class of its item, class indexes count within one list).
std::string NestedLists(int Depth)
{
    std::string archive = Hex("02 00 01");
    for (int i = 1; i < Depth; ++i)
        archive += Hex("06 15") + "TPersistentObjectList" + Hex("02 00 01");
    return archive + std::string(static_cast<std::size_t>(Depth), '\0');
}

TEST(PersistentObjectList, ListsNestedMoreThan64DeepAreRefused)
{
    EXPECT_EQ(BrokenMessage(NestedLists(64)), "read");
    EXPECT_EQ(BrokenMessage(NestedLists(65)), "Broken ObjectList archive");
    EXPECT_EQ(BrokenMessage(NestedLists(100000)), "Broken ObjectList archive");
}

} // namespace
