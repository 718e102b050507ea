#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "tests/scene3d/scene/scenetesting.h"

namespace {

using SceneChanges = SceneTest;

constexpr TSceneObjectChanges MatrixChanges{ocLocalMatrix, ocAbsoluteMatrix, ocInverseMatrix};

bool AbsoluteStale(const T3DBaseSceneObject& Node)
{
    return Node.Changes().Contains(ocAbsoluteMatrix) && Node.Changes().Contains(ocInverseMatrix);
}

// Notes whether its scene counted as updating while the node went.
class TWitness : public T3DTestObject {
public:
    TWitness(TComponent* AOwner, std::vector<bool>& SceneUpdating)
        : T3DTestObject(AOwner), FSceneUpdating(SceneUpdating)
    {
    }
    ~TWitness() override { FSceneUpdating.push_back(Scene() && Scene()->IsUpdating()); }

private:
    std::vector<bool>& FSceneUpdating;
};

} // namespace

TEST_F(SceneChanges, MovingAParentMarksEveryDescendantAndNotifiesOnce)
{
    T3DTestObject* parent = Top("Parent");
    T3DTestObject* child = Under(parent, "Child");
    T3DTestObject* grandchild = Under(child, "Grandchild");
    T3DTestObject* sibling = Under(parent, "Sibling");
    grandchild->Position()->AssignPoint(0, 1, 0);
    Settle(*FScene->Objects());
    for (const T3DBaseSceneObject* node : {parent, child, grandchild, sibling})
        ASSERT_TRUE((node->Changes() * MatrixChanges).Empty()) << node->Name();
    const int before = FScene->PassedOn();

    parent->Position()->SetX(5);

    EXPECT_EQ(FScene->PassedOn() - before, 1);
    EXPECT_TRUE(parent->Changes().Contains(ocLocalMatrix));
    for (const T3DBaseSceneObject* node : {parent, child, grandchild, sibling}) {
        EXPECT_TRUE(AbsoluteStale(*node)) << node->Name();
        EXPECT_EQ(node == parent, node->Changes().Contains(ocLocalMatrix)) << node->Name();
    }
    parent->Position()->SetX(6);
    EXPECT_EQ(FScene->PassedOn() - before, 1) << "still stale: no second change goes on";
    EXPECT_FLOAT_EQ(grandchild->AbsolutePosition().X, 6);
    EXPECT_FLOAT_EQ(grandchild->AbsolutePosition().Y, 1);
}

TEST_F(SceneChanges, OneNotificationPerUpdate)
{
    T3DTestObject* first = Top("First");
    T3DTestObject* second = Top("Second");
    Settle(*FScene->Objects());
    const struct {
        const char* Name;
        std::function<void()> Begin;
        std::function<void()> End;
    } cases[] = {
        {"scene", [this] { FScene->BeginUpdate(); }, [this] { FScene->EndUpdate(); }},
        {"object", [first] { first->BeginUpdate(); }, [first] { first->EndUpdate(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const int before = FScene->PassedOn();
        c.Begin();
        c.Begin();
        first->SetVisible(!first->Visible());
        first->SetShowAxes(!first->ShowAxes());
        first->SetObjectsSorting(first->ObjectsSorting() == osNone ? osRenderFarthestFirst : osNone);
        c.End();
        EXPECT_EQ(FScene->PassedOn(), before);
        c.End();
        EXPECT_EQ(FScene->PassedOn() - before, 1);
    }
    const int before = FScene->PassedOn();
    second->SetVisible(second->Visible());
    second->SetVisibilityCulling(second->VisibilityCulling());
    EXPECT_EQ(FScene->PassedOn(), before) << "unchanged values tell nothing";
}

TEST_F(SceneChanges, AnUnbalancedEndUpdateIsRefused)
{
    T3DTestObject* node = Top("Node");
    const struct {
        const char* Name;
        std::function<void()> End;
        const char* Message;
    } cases[] = {
        {"object", [node] { node->EndUpdate(); }, "Unbalanced Begin/EndUpdate"},
        {"scene", [this] { FScene->EndUpdate(); }, "Assertion failure"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        try {
            c.End();
            ADD_FAILURE() << "taken";
        } catch (const EAssertionFailed& e) {
            EXPECT_EQ(e.Message(), c.Message);
        }
    }
    node->BeginUpdate();
    node->EndUpdate();
    EXPECT_THROW(node->EndUpdate(), EAssertionFailed);
    EXPECT_FALSE(node->IsUpdating());
    EXPECT_FALSE(FScene->IsUpdating());
}

TEST_F(SceneChanges, AStaleListIsReportedAgainOnlyForDirectDrawing)
{
    T3DTestObject* node = Top("Node");
    ASSERT_TRUE(node->Changes().Contains(ocStructure));
    const int before = FScene->PassedOn();
    node->ListInvalidated();
    EXPECT_EQ(FScene->PassedOn(), before);
    FScene->Objects()->ListInvalidated();
    EXPECT_EQ(FScene->PassedOn() - before, 1);
}

TEST_F(SceneChanges, TheSceneCountsAsUpdatingWhileItsObjectsGo)
{
    std::vector<bool> sceneUpdating;
    auto* scene = new T3DScene(FOwner.get());
    auto* node = new TWitness(FOwner.get(), sceneUpdating);
    scene->Objects()->AttachChild(node);
    node->AttachChild(new TWitness(FOwner.get(), sceneUpdating));
    EXPECT_FALSE(scene->IsUpdating());
    delete scene;
    EXPECT_EQ(sceneUpdating, (std::vector<bool>{true, true}));
    EXPECT_EQ(FOwner->ComponentCount(), 1) << "only the fixture's scene is left";
}
