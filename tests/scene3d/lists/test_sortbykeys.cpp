#include <vector>

#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "scene3d/lists/sortbykeys.h"

namespace {

struct TSortCase {
    std::vector<float> Keys;
    std::vector<float> Sorted;
};

TEST(SortByKeys, KeysOrderByTheirBitsAndObjectsFollow)
{
    const TSortCase cases[] = {
        {{3.0f, -1.0f, 2.0f, -2.0f}, {-1.0f, -2.0f, 2.0f, 3.0f}},
        {{2.0f, 1.0f}, {1.0f, 2.0f}},
        {{5, 4, 3, 2, 1, 0, -0.5f, 7, 7, 6}, {-0.5f, 0, 1, 2, 3, 4, 5, 6, 7, 7}},
        {{1, 1, 1}, {1, 1, 1}},
    };
    for (const TSortCase& c : cases) {
        TSingleList keys;
        TPersistentObjectList objects;
        std::vector<TObject> owners(c.Keys.size());
        for (std::size_t i = 0; i < c.Keys.size(); ++i) {
            keys.Add(c.Keys[i]);
            objects.Add(&owners[i]);
        }
        SortByKeys(0, keys.Count() - 1, keys, objects);
        for (int i = 0; i < keys.Count(); ++i) {
            EXPECT_EQ(keys.Items(i), c.Sorted[static_cast<std::size_t>(i)]) << i;
            // The object still stands beside the key it came with.
            const auto from = static_cast<std::size_t>(static_cast<TObject*>(objects.Items(i)) - owners.data());
            EXPECT_EQ(c.Keys[from], keys.Items(i)) << i;
        }
    }
}

TEST(SortByKeys, OnlyTheRangeMovesAndItMustLieInsideBothLists)
{
    TSingleList keys;
    TPersistentObjectList objects;
    TObject owners[4];
    for (const float key : {9.0f, 3.0f, 1.0f, 0.0f})
        keys.Add(key);
    for (TObject& owner : owners)
        objects.Add(&owner);
    SortByKeys(1, 2, keys, objects);
    EXPECT_EQ((std::vector<float>(keys.List(), keys.List() + 4)), (std::vector<float>{9, 1, 3, 0}));
    EXPECT_EQ(objects.Items(1), &owners[2]);
    objects.SetCount(2);
    EXPECT_THROW(SortByKeys(0, 3, keys, objects), EAssertionFailed);
    EXPECT_NO_THROW(SortByKeys(3, 3, keys, objects));
}

} // namespace
