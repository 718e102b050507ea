#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "scene3d/behaviours/behaviourcollections.h"
#include "tests/scene3d/scene/scenetesting.h"

TEST(Behaviours, EachCollectionTakesOnlyItsOwnKind)
{
    T3DTestObject lamp(nullptr);
    const struct {
        const char* Name;
        std::function<void()> Add;
        const char* Message;
    } refused[] = {
        {"an effect among behaviours", [&lamp] { new TTestEffect(lamp.Behaviours()); },
         "Addition of TTestEffect to T3DBehaviours rejected."},
        {"a behaviour among effects", [&lamp] { new TTestBehaviour(lamp.Effects()); },
         "Addition of TTestBehaviour to T3DObjectEffects rejected."},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.Name);
        try {
            r.Add();
            ADD_FAILURE() << "taken";
        } catch (const EAssertionFailed& e) {
            EXPECT_EQ(e.Message(), r.Message);
        }
    }
    EXPECT_EQ(lamp.Behaviours()->Count(), 0);
    EXPECT_EQ(lamp.Effects()->Count(), 0);
    EXPECT_FALSE(lamp.Behaviours()->AcceptsItemClass(ItemClassOf<TTestEffect>()));
    EXPECT_TRUE(lamp.Effects()->AcceptsItemClass(ItemClassOf<TTestEffect>()));
}

TEST(Behaviours, OnlyASceneObjectOwnsThem)
{
    TComponent plain(nullptr);
    EXPECT_THROW(T3DBehaviours{nullptr}, EAssertionFailed);
    EXPECT_THROW(T3DBehaviours{&plain}, EAssertionFailed);
    EXPECT_THROW(T3DObjectEffects{&plain}, EAssertionFailed);
}

TEST(Behaviours, ItemsKnowTheirObjectAndPath)
{
    T3DTestObject lamp(nullptr);
    lamp.SetName("Lamp");
    auto* behaviour = new TTestBehaviour(lamp.Behaviours());
    auto* effect = new TTestEffect(lamp.Effects());
    EXPECT_EQ(behaviour->OwnerBaseSceneObject(), &lamp);
    EXPECT_EQ(effect->OwnerBaseSceneObject(), &lamp);
    EXPECT_EQ(lamp.Behaviours()->GetNamePath(), "Lamp.Behaviours");
    EXPECT_EQ(behaviour->GetNamePath(), "Lamp.Behaviours[0]");
    EXPECT_EQ(effect->GetNamePath(), "Lamp.Effects[0]");
    T3DTestObject nameless(nullptr);
    EXPECT_EQ(nameless.Effects()->GetNamePath(), "T3DObjectEffects");
}

TEST(Behaviours, SettingTheCollectionCopiesItsItems)
{
    T3DTestObject source(nullptr);
    auto* behaviour = new TTestBehaviour(source.Behaviours());
    behaviour->Strength = 9;
    new TTestEffect(source.Effects());
    T3DTestObject target(nullptr);
    new TTestBehaviour(target.Behaviours());
    new TTestBehaviour(target.Behaviours());

    target.SetBehaviours(source.Behaviours());
    target.SetEffects(source.Effects());

    ASSERT_EQ(target.Behaviours()->Count(), 1);
    EXPECT_EQ(static_cast<TTestBehaviour*>(target.Behaviours()->Items(0))->Strength, 9);
    EXPECT_EQ(target.Effects()->Count(), 1);
    EXPECT_EQ(source.Behaviours()->Count(), 1);
}
