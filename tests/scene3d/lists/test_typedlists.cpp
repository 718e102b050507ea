#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "scene3d/lists/numberlists.h"
#include "scene3d/lists/vectorlists.h"
#include "scene3d/persistence/archiveexceptions.h"
#include "tests/scene3d/persistence/archivefixtures.h"
#include "tests/support/hexbytes.h"

namespace {

TEST(TypedLists, TheSeventeenthItemGrowsTheCapacityFrom16To32)
{
    TIntegerList integers;
    TVectorList vectors;
    TByteList bytes;
    for (int i = 0; i < 16; ++i) {
        integers.Add(i);
        vectors.AddPoint(static_cast<float>(i), 0, 0);
        bytes.Add(static_cast<uint8_t>(i));
    }
    EXPECT_EQ(integers.Capacity(), 16);
    EXPECT_EQ(integers.Add(16), 16);
    EXPECT_EQ(vectors.AddPoint(16, 0, 0), 16);
    EXPECT_EQ(bytes.Add(16), 16);
    for (const TBaseList* list : {static_cast<const TBaseList*>(&integers), static_cast<const TBaseList*>(&vectors),
                                  static_cast<const TBaseList*>(&bytes)}) {
        EXPECT_EQ(list->Capacity(), 32);
        EXPECT_EQ(list->Count(), 17);
    }
    EXPECT_EQ(integers.Items(16), 16);
    EXPECT_EQ(vectors.Items(15).X, 15);
    EXPECT_EQ(vectors.Items(15).W, 1);
}

TEST(TypedLists, SetCountZeroesNewItemsAndRefusesNegativeCounts)
{
    TIntegerList list;
    list.SetCount(5);
    EXPECT_EQ(list.Count(), 5);
    EXPECT_EQ(list.Capacity(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(list.Items(i), 0);
    list.SetItems(3, 9);
    list.SetCount(2);
    list.SetCount(4);
    EXPECT_EQ(list.Items(3), 0) << "an item that comes back is zeroed again";
    try {
        list.SetCount(-1);
        FAIL() << "a negative count was taken";
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.Message(), "Assertion failure");
    }
    EXPECT_EQ(list.Count(), 4);
}

TEST(TypedLists, IntegerListsAddSeveralAtOnce)
{
    TIntegerList list;
    list.SetGrowthDelta(2);
    list.Add(1);
    EXPECT_EQ(list.Add(2, 3, 4), 1);
    EXPECT_EQ(list.Add(5, 6), 4);
    EXPECT_EQ(list.Count(), 6);
    EXPECT_EQ(list.Capacity(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(list.Items(i), i + 1);
}

TEST(TypedLists, EmptyListKeepsTheMemoryClearFreesIt)
{
    TSingleList list;
    list.Add(1.5f);
    list.EmptyList();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 16);
    list.Clear();
    EXPECT_EQ(list.Capacity(), 0);
}

TEST(TypedLists, AffineVectorListsFindExactlyEqualVectors)
{
    TAffineVectorList list;
    EXPECT_EQ(list.FindOrAdd({1, 2, 3}), 0);
    EXPECT_EQ(list.FindOrAdd({0, 0, 0}), 1);
    EXPECT_EQ(list.FindOrAdd({1, 2, 3}), 0);
    EXPECT_EQ(list.IndexOf({-0.0f, 0, 0}), -1) << "-0 and 0 differ in their bits";
    EXPECT_EQ(list.Count(), 2);
}

TEST(TypedLists, ArchivesHoldVersionCountItemSizeAndItems)
{
    TIntegerList integers;
    integers.Add(1, -2, 70000);
    const std::string fixture = ArchiveFixture("integerlist-three");
    EXPECT_EQ(ToHex(integers.SaveToString()), ToHex(fixture));
    TIntegerList integersBack;
    integersBack.LoadFromString(fixture);
    ASSERT_EQ(integersBack.Count(), 3);
    EXPECT_EQ(integersBack.Items(2), 70000);

    TAffineVectorList vectors;
    vectors.Add({1, 2, 3});
    vectors.Add({-1, 0, 0.5f});
    EXPECT_EQ(ToHex(vectors.SaveToString()), ToHex(ArchiveFixture("affinevectorlist-two")));
    TVectorList four;
    four.Add(TVector{1, 2, 3, 4});
    const std::string fourArchive = four.SaveToString();
    EXPECT_EQ(ToHex(fourArchive.substr(fourArchive.size() - 2)), "02 00") << "a vector list ends with 0";

    TTexPointList points;
    points.Add({0.5f, 1});
    EXPECT_EQ(ToHex(points.SaveToString()), ToHex(ArchiveFixture("texpointlist-one")));
    TByteList bytes;
    bytes.LoadFromString(ArchiveFixture("bytelist-three"));
    ASSERT_EQ(bytes.Count(), 3);
    EXPECT_EQ(bytes.Items(2), 255);
    EXPECT_EQ(bytes.Capacity(), 3);
}

TEST(TypedLists, BrokenListArchivesAreRefused)
{
    const struct {
        const char* What;
        std::string Archive;
        const char* Message;
    } cases[] = {
        {"version 1", Hex("02 01 02 00 02 04"), "TIntegerList : unknown archive version 1"},
        {"another item size", Hex("02 00 02 01 02 08 01 00 00 00 02 00 00 00"),
         "TIntegerList: an item of 8 bytes where 4 were expected"},
        {"no item size", Hex("02 00 02 01 02 00"), "TIntegerList: an item of 0 bytes where 4 were expected"},
        {"fewer items than counted", Hex("02 00 02 02 02 04 01 00 00 00"), "Stream read error"},
        {"a huge count", Hex("02 00 04 00 00 00 40 02 04 01 00 00 00"), "Stream read error"},
        {"a negative count", Hex("02 00 02 FE 02 04"), "Stream read error"},
        {"a string for the count", Hex("02 00 06 00 02 04"), "TBinaryReader, read type error"},
    };
    for (const auto& c : cases) {
        TIntegerList list;
        list.Add(42);
        try {
            list.LoadFromString(c.Archive);
            ADD_FAILURE() << c.What << " was read";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.Message) << c.What;
        }
        EXPECT_LE(list.Count(), 1) << c.What;
    }
    TVectorList vectors;
    EXPECT_THROW(vectors.LoadFromString(Hex("02 00 02 00 02 10 02 01")), EFilerException)
        << "a vector list must end with 0";
}

TEST(TypedLists, AssignCopiesItemsOfTheSameClassOnly)
{
    TIntegerList source;
    source.Add(7, 8, 9);
    source.SetGrowthDelta(4);
    TIntegerList copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.Count(), 3);
    EXPECT_EQ(copy.Capacity(), 3);
    EXPECT_EQ(copy.GrowthDelta(), 4);
    EXPECT_EQ(copy.Items(2), 9);

    TSingleList floats;
    floats.Add(1);
    floats.Assign(&source);
    EXPECT_EQ(floats.Count(), 3);
    EXPECT_EQ(floats.Items(2), 0.0f);

    copy.Assign(nullptr);
    EXPECT_EQ(copy.Count(), 0);
    EXPECT_EQ(copy.Capacity(), 0);
}

TEST(VectorListOperations, ExtentsAndSum)
{
    TAffineVectorList list;
    TAffineVector min, max;
    list.GetExtents(min, max);
    EXPECT_EQ(min.X, std::numeric_limits<float>::infinity());
    EXPECT_EQ(max.Z, -std::numeric_limits<float>::infinity());
    list.Add({1, -2, 3});
    list.Add({-4, 5, 0});
    list.GetExtents(min, max);
    EXPECT_EQ((std::array{min.X, min.Y, min.Z, max.X, max.Y, max.Z}), (std::array<float, 6>{-4, -2, 0, 1, 5, 3}));
    const TAffineVector sum = list.Sum();
    EXPECT_EQ((std::array{sum.X, sum.Y, sum.Z}), (std::array<float, 3>{-3, 3, 3}));
}

TEST(VectorListOperations, ItemByItemArithmeticNeedsEnoughItems)
{
    TVectorList list;
    list.Add(TVector{1, 1, 1, 1});
    list.Add(TVector{2, 2, 2, 1});
    TVectorList other;
    other.Add(TVector{1, 2, 3, 0});
    other.Add(TVector{0, 0, 1, 0});
    list.Translate({1, 0, 0});
    list.TranslateItems(other);
    list.SubtractItems(other);
    list.CombineItems(other, 2);
    EXPECT_EQ((std::array{list.Items(0).X, list.Items(0).Y, list.Items(0).Z, list.Items(0).W}),
              (std::array<float, 4>{4, 5, 7, 1}));
    EXPECT_EQ(list.Items(1).Z, 4);
    EXPECT_EQ(list.MaxSpacing(other), 10) << "3 + 3 + 4 for the first items, 3 + 2 + 3 for the second";

    other.SetCount(1);
    EXPECT_THROW(list.TranslateItems(other), EAssertionFailed);
    EXPECT_THROW(list.MaxSpacing(other), EAssertionFailed);
    EXPECT_EQ(list.Items(1).Z, 4);
}

TEST(VectorListOperations, NormalizeAndLerp)
{
    TVectorList vectors;
    vectors.Add(TVector{3, 0, 4, 1});
    vectors.Normalize();
    EXPECT_FLOAT_EQ(vectors.Items(0).X, 0.6f);
    EXPECT_EQ(vectors.Items(0).W, 0);

    TAffineVectorList from, to, between;
    from.Add({0, 0, 0});
    to.Add({2, 4, -8});
    between.Lerp(from, to, 0.25f);
    ASSERT_EQ(between.Count(), 1);
    EXPECT_EQ((std::array{between.Items(0).X, between.Items(0).Y, between.Items(0).Z}),
              (std::array<float, 3>{0.5f, 1, -2}));
    // Lists of another class leave it alone; unequal counts are refused.
    between.Lerp(vectors, vectors, 0.5f);
    EXPECT_EQ(between.Items(0).X, 0.5f);
    to.Add({1, 1, 1});
    EXPECT_THROW(between.Lerp(from, to, 0.5f), EAssertionFailed);
}

} // namespace
