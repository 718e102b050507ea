#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "scene3d/geometry/geometryconstants.h"
#include "scene3d/scene/lightsource.h"
#include "tests/scene3d/scene/scenetesting.h"

namespace {

using Scene = SceneTest;

T3DLightSource* Light(T3DBaseSceneObject* Parent, const std::string& Name)
{
    auto* light = Parent->CreateChild<T3DLightSource>();
    light->SetName(Name);
    return light;
}

} // namespace

TEST_F(Scene, TheRootsBelongToTheSceneAndToNoOtherOwner)
{
    EXPECT_EQ(FScene->Objects()->Name(), "ObjectRoot");
    EXPECT_EQ(FScene->Cameras()->Name(), "CameraRoot");
    for (T3DSceneRootObject* root : {FScene->Objects(), FScene->Cameras()}) {
        EXPECT_EQ(root->Owner(), FScene);
        EXPECT_EQ(root->Scene(), FScene);
        EXPECT_EQ(root->Parent(), nullptr);
        EXPECT_TRUE(root->ObjectStyle().Contains(sfDirectDraw));
    }
    EXPECT_THROW(T3DSceneRootObject(FOwner.get()), EAssertionFailed);
    EXPECT_THROW(T3DSceneRootObject(nullptr), EAssertionFailed);
    EXPECT_EQ(FOwner->ComponentCount(), 1);
}

TEST_F(Scene, SortingAndCullingDefaultsStandForInherited)
{
    EXPECT_EQ(FScene->ObjectsSorting(), osRenderBlendedLast);
    EXPECT_EQ(FScene->VisibilityCulling(), vcNone);
    const int before = FScene->PassedOn();
    FScene->SetObjectsSorting(osInherited);
    FScene->SetVisibilityCulling(vcInherited);
    EXPECT_EQ(FScene->PassedOn(), before) << "the same values";
    FScene->SetObjectsSorting(osNone);
    FScene->SetVisibilityCulling(vcHierarchical);
    EXPECT_EQ(FScene->PassedOn() - before, 2);
    FScene->SetObjectsSorting(osInherited);
    FScene->SetVisibilityCulling(vcInherited);
    EXPECT_EQ(FScene->ObjectsSorting(), osRenderBlendedLast);
    EXPECT_EQ(FScene->VisibilityCulling(), vcNone);

    T3DTestObject node(nullptr);
    EXPECT_EQ(node.ObjectsSorting(), osInherited);
    EXPECT_EQ(node.VisibilityCulling(), vcInherited);
    EXPECT_TRUE(node.Visible());
    EXPECT_FALSE(node.ShowAxes());
    EXPECT_TRUE(node.ObjectStyle().Empty());
    EXPECT_EQ(node.Changes(), (TSceneObjectChanges{ocLocalMatrix, ocAbsoluteMatrix, ocInverseMatrix, ocStructure}));
}

TEST_F(Scene, EightLightSlotsFilledInOrderOfArrival)
{
    T3DTestObject* group = Top("Group");
    std::vector<T3DLightSource*> lights;
    for (int i = 0; i < 9; ++i)
        lights.push_back(Light(i < 4 ? static_cast<T3DBaseSceneObject*>(FScene->Objects()) : group, "Light" + std::to_string(i)));
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(FScene->Lights(i), lights[static_cast<std::size_t>(i)]);
        EXPECT_EQ(lights[static_cast<std::size_t>(i)]->LightID(), static_cast<GLenum>(GL_LIGHT0 + i));
    }
    EXPECT_EQ(lights[8]->LightID(), 0u) << "the ninth finds no slot";
    EXPECT_EQ(FScene->Lights(8), nullptr);
    EXPECT_EQ(FScene->Lights(-1), nullptr);

    delete lights[2];
    EXPECT_EQ(FScene->Lights(2), nullptr);
    T3DLightSource* late = Light(FScene->Objects(), "Late");
    EXPECT_EQ(late->LightID(), static_cast<GLenum>(GL_LIGHT0 + 2)) << "the first empty slot";

    // Group holds lights 4 to 8; taking it out of the scene empties their slots.
    group->MoveTo(nullptr);
    for (int i = 4; i < 8; ++i)
        EXPECT_EQ(FScene->Lights(i), nullptr);
    EXPECT_EQ(lights[4]->LightID(), 0u);
    group->MoveTo(FScene->Objects());
    for (int i = 4; i < 8; ++i)
        EXPECT_EQ(FScene->Lights(i), lights[static_cast<std::size_t>(i)]);
    EXPECT_EQ(lights[8]->LightID(), 0u);

    group->DeleteChildren();
    for (int i = 4; i < 8; ++i)
        EXPECT_EQ(FScene->Lights(i), nullptr);
    EXPECT_EQ(FScene->Lights(0), lights[0]);
}

TEST_F(Scene, ALightOutsideAnySceneHoldsNoSlot)
{
    T3DLightSource detached(nullptr);
    auto* holder = new T3DTestObject(FOwner.get());
    holder->AttachChild(new T3DLightSource(FOwner.get()));
    EXPECT_EQ(detached.LightID(), 0u);
    EXPECT_EQ(holder->GetChild(0)->Scene(), nullptr);
    FScene->Objects()->Insert(0, holder);
    EXPECT_EQ(static_cast<T3DLightSource*>(holder->GetChild(0))->LightID(), static_cast<GLenum>(GL_LIGHT0));
}

TEST_F(Scene, ARayFindsTheNearestVisibleObject)
{
    // Along -Z from the origin: objects at 10, 5 (hidden, with a child at 3)
    // and 7, and one off the ray.
    const auto at = [](T3DBaseSceneObject* node, float z, float x = 0) {
        node->Position()->AssignPoint(x, 0, -z);
        return node;
    };
    T3DBaseSceneObject* far = at(Top("Far"), 10);
    T3DBaseSceneObject* hidden = at(Top("Hidden"), 5);
    at(Under(hidden, "HiddenChild"), -2);
    T3DBaseSceneObject* group = Top("Group");
    T3DBaseSceneObject* middle = at(Under(group, "Middle"), 7);
    at(Top("Aside"), 1, 5);
    hidden->SetVisible(false);
    group->Position()->AssignPoint(0, 10, 0);
    middle->Position()->AssignPoint(0, -10, -7);

    TVector point;
    TVector normal;
    EXPECT_EQ(FScene->CastRay(NullHmgPoint, {0, 0, -1, 0}, &point, &normal), middle);
    const float radius = middle->BoundingRadius();
    EXPECT_NEAR(point.Z, -7 + radius, 1e-5);
    EXPECT_NEAR(normal.Z, 1, 1e-5);

    middle->SetVisible(false);
    EXPECT_EQ(FScene->CastRay(NullHmgPoint, {0, 0, -2, 0}, nullptr, nullptr), far);
    hidden->SetVisible(true);
    EXPECT_EQ(FScene->CastRay(NullHmgPoint, {0, 0, -1, 0}, nullptr, nullptr), hidden->GetChild(0));
    EXPECT_EQ(FScene->CastRay(NullHmgPoint, {1, 0, 0, 0}, &point, &normal), nullptr);
}

TEST_F(Scene, ProgressStepsChildrenLastFirstThenBehavioursEffectsAndEvents)
{
    std::vector<std::string> steps;
    const auto log = [&steps](const std::string& what) {
        return [&steps, what](TObject*, double delta, double now) {
            steps.push_back(what + " " + std::to_string(static_cast<int>(delta * 10)) + "/" +
                            std::to_string(static_cast<int>(now)));
        };
    };
    T3DTestObject* first = Top("First");
    T3DTestObject* second = Top("Second");
    T3DTestObject* inner = Under(first, "Inner");
    T3DTestObject* camera = FScene->Cameras()->CreateChild<T3DTestObject>();
    for (T3DTestObject* node : {first, second, inner, camera})
        node->SetOnProgress(log(node == camera ? "Camera" : node->Name()));
    auto* behaviour = new TTestBehaviour(first->Behaviours());
    behaviour->Stepped = [&steps](const TProgressTimeInfo& t) {
        steps.push_back("behaviour " + std::to_string(static_cast<int>(t.NewTime)));
    };
    auto* effect = new TTestEffect(first->Effects());
    effect->Stepped = [&steps](const TProgressTimeInfo&) { steps.push_back("effect"); };
    FScene->SetOnProgress(log("Scene"));

    FScene->Progress(0.5, 3);

    EXPECT_EQ(steps, (std::vector<std::string>{"Second 5/3", "Inner 5/3", "behaviour 3", "effect", "First 5/3",
                                               "Camera 5/3", "Scene 5/3"}));
}
