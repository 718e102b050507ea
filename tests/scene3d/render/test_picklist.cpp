// Pick lists: records kept in the order of the process's sort mode.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "scene3d/render/picklist.h"
#include "tests/scene3d/render/rendertesting.h"

namespace {

class PickList : public ::testing::Test {
protected:
    T3DBaseSceneObject* Object(const std::string& Name)
    {
        auto* object = new TDrawnObject(FOwner.get());
        object->SetName(Name);
        return object;
    }
    // The hit objects' names in list order, "-" for a nameless hit.
    static std::string Names(const T3DPickList& List)
    {
        std::string names;
        for (int i = 0; i < List.Count(); ++i)
            names += std::string(i ? " " : "") + (List.Hit(i) ? List.Hit(i)->Name() : "-");
        return names;
    }
    // Four hits: b (depths 0.3 to 0.9), nameless (0.1 to 0.8), A (0.2 to
    // 0.4), c (0.5 to 0.6).
    void AddHits(T3DPickList& List)
    {
        List.AddHit(FB, {}, 0.3f, 0.9f);
        List.AddHit(nullptr, {7}, 0.1f, 0.8f);
        List.AddHit(FA, {1, 2}, 0.2f, 0.4f);
        List.AddHit(FC, {}, 0.5f, 0.6f);
    }

    std::unique_ptr<TComponent> FOwner = std::make_unique<TComponent>(nullptr);
    T3DBaseSceneObject* FB = Object("b");
    T3DBaseSceneObject* FA = Object("A");
    T3DBaseSceneObject* FC = Object("c");
};

struct TOrderCase {
    TPickSortMode Mode;
    const char* Order;
};

TEST_F(PickList, HitsAreKeptInTheOrderOfTheSortMode)
{
    const TOrderCase cases[] = {
        {pmDefault, "b - A c"},
        // Without regard to case; a hit without an object last.
        {pmName, "A b c -"},
        {pmMinDepth, "- A b c"},
        {pmMaxDepth, "A c - b"},
    };
    for (const TOrderCase& c : cases) {
        T3DPickList list(c.Mode);
        AddHits(list);
        EXPECT_EQ(Names(list), c.Order) << "mode " << c.Mode;
    }
}

TEST_F(PickList, ARecordKeepsItsSubObjectNamesAndDepths)
{
    T3DPickList list(pmMinDepth);
    AddHits(list);
    const TPickRecord& a = list.Record(1);
    EXPECT_EQ(a.AObject, FA);
    EXPECT_EQ(a.SubObjects, (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(a.ZNear, 0.2f);
    EXPECT_EQ(a.ZFar, 0.4f);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    list.AddHit(FC, {}, 0.5f, 0.5f);
    EXPECT_EQ(Names(list), "c");
}

// The sort mode is one for the process: a newer list changes how an older
// one sorts from then on.
TEST_F(PickList, ANewListSetsTheSortModeOfEveryList)
{
    T3DPickList older(pmMaxDepth);
    older.AddHit(FC, {}, 0.5f, 0.6f);
    older.AddHit(FA, {}, 0.2f, 0.9f);
    EXPECT_EQ(Names(older), "c A");
    const T3DPickList newer(pmName);
    older.AddHit(FB, {}, 0.1f, 0.1f);
    EXPECT_EQ(Names(older), "A b c");
}

} // namespace
