#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "tests/scene3d/scene/scenetesting.h"

using SceneTree = SceneTest;

TEST_F(SceneTree, GetChildIsNilOutsideTheChildren)
{
    T3DTestObject* lonely = Top("Lonely");
    T3DTestObject* group = Top("Group");
    for (const char* name : {"A", "B", "C"})
        Under(group, name);
    struct {
        T3DBaseSceneObject* Node;
        int Index;
        const char* Expected;
    } const cases[] = {
        {lonely, 0, nullptr}, {lonely, -1, nullptr}, {group, -1, nullptr},
        {group, 3, nullptr},  {group, 0, "A"},       {group, 2, "C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Node->Name() + "[" + std::to_string(c.Index) + "]");
        T3DBaseSceneObject* child = c.Node->GetChild(c.Index);
        if (c.Expected)
            EXPECT_EQ(child ? child->Name() : "nil", c.Expected);
        else
            EXPECT_EQ(child, nullptr);
    }
    EXPECT_EQ(lonely->GetChildCount(), 0);
    EXPECT_EQ(group->GetChildCount(), 3);
}

TEST_F(SceneTree, ChildrenAreMadeWithTheNodesOwnerAndJoinItsScene)
{
    T3DTestObject* group = Top("Group");
    T3DTestObject* last = Under(group, "Last");
    T3DBaseSceneObject* first = group->CreateChildFirst(T3DTestObject::StaticClassInfo());
    first->SetName("First");

    EXPECT_EQ(ChildNames(*group), "First Last");
    EXPECT_EQ(group->Owner(), FScene) << "the roots belong to the scene, and so do their children";
    EXPECT_EQ(last->Owner(), FScene);
    EXPECT_EQ(first->Parent(), group);
    EXPECT_EQ(first->Scene(), FScene);
    EXPECT_EQ(group->Parent(), FScene->Objects());
    EXPECT_EQ(first->IndexOfSelf(), 0);
    EXPECT_EQ(last->IndexOfSelf(), 1);
    EXPECT_EQ(FScene->Objects()->IndexOfSelf(), -1);
    EXPECT_THROW(group->CreateChild(TComponent::StaticClassInfo()), EAssertionFailed);
    EXPECT_EQ(group->GetChildCount(), 2);
}

TEST_F(SceneTree, RemoveKeepingChildrenHandsThemToTheParentInOrder)
{
    T3DTestObject* parent = Top("Parent");
    T3DTestObject* before = Under(parent, "Before");
    T3DTestObject* child = Under(parent, "Child");
    for (const char* name : {"G1", "G2", "G3"})
        Under(child, name);
    Under(parent, "After");

    parent->Remove(child, true);

    EXPECT_EQ(ChildNames(*parent), "Before After G1 G2 G3");
    EXPECT_EQ(child->GetChildCount(), 0);
    EXPECT_EQ(child->Parent(), nullptr);
    EXPECT_EQ(child->Scene(), nullptr);
    EXPECT_EQ(parent->GetChild(4)->Scene(), FScene);
    EXPECT_EQ(before->Parent(), parent);
    delete child;
}

TEST_F(SceneTree, RemoveWithoutKeepingTakesTheSubtreeOutOfTheScene)
{
    T3DTestObject* parent = Top("Parent");
    // Owned by the owner, so that they outlive the scene.
    auto* child = new T3DTestObject(FOwner.get());
    auto* grandchild = new T3DTestObject(FOwner.get());
    parent->AttachChild(child);
    child->AttachChild(grandchild);
    T3DTestObject* stranger = Top("Stranger");

    stranger->Remove(child, false);
    EXPECT_EQ(child->Parent(), parent) << "not a child of the stranger: nothing happens";

    parent->Remove(child, false);
    EXPECT_EQ(parent->GetChildCount(), 0);
    EXPECT_EQ(grandchild->Parent(), child);
    EXPECT_EQ(child->Scene(), nullptr);
    EXPECT_EQ(grandchild->Scene(), nullptr);

    // The scene goes first; the removed subtree no longer refers to it.
    delete FScene;
    child->Position()->SetX(3);
    grandchild->SetVisible(false);
    delete child;
    EXPECT_EQ(FOwner->ComponentCount(), 0);
}

TEST_F(SceneTree, ANodeNeverMovesUnderItselfOrBecomesTheParentOfARoot)
{
    using TMove = std::function<void(T3DTestObject& top, T3DTestObject& middle, T3DTestObject& bottom)>;
    const struct {
        const char* Name;
        TMove Move;
    } cases[] = {
        {"attach to itself", [](auto&, auto& middle, auto&) { middle.AttachChild(&middle); }},
        {"attach an ancestor", [](auto& top, auto&, auto& bottom) { bottom.AttachChild(&top); }},
        {"insert an ancestor", [](auto&, auto& middle, auto& bottom) { bottom.Insert(0, &middle); }},
        {"insert itself", [](auto& top, auto&, auto&) { top.Insert(0, &top); }},
        {"move under a descendant", [](auto& top, auto&, auto& bottom) { top.MoveTo(&bottom); }},
        {"move under itself", [](auto&, auto& middle, auto&) { middle.MoveTo(&middle); }},
        {"read under a descendant", [](auto& top, auto& middle, auto&) { top.SetParentComponent(&middle); }},
        {"adopt the scene's root",
         [this](auto&, auto& middle, auto&) { middle.AttachChild(FScene->Cameras()); }},
    };
    T3DTestObject* top = Top("Top");
    T3DTestObject* middle = Under(top, "Middle");
    T3DTestObject* bottom = Under(middle, "Bottom");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        try {
            c.Move(*top, *middle, *bottom);
            ADD_FAILURE() << "the move was taken";
        } catch (const EAssertionFailed& e) {
            EXPECT_EQ(e.Message(), "Assertion failure");
        }
        EXPECT_EQ(top->Parent(), FScene->Objects());
        EXPECT_EQ(ChildNames(*top), "Middle");
        EXPECT_EQ(ChildNames(*middle), "Bottom");
        EXPECT_EQ(bottom->GetChildCount(), 0);
        EXPECT_EQ(FScene->Cameras()->Parent(), nullptr);
    }
}

TEST_F(SceneTree, AttachingAChildOfAnotherNodeMovesIt)
{
    T3DTestObject* left = Top("Left");
    T3DTestObject* right = Top("Right");
    T3DTestObject* child = Under(left, "Child");
    Under(child, "Grandchild");

    right->AttachChild(child);
    EXPECT_EQ(left->GetChildCount(), 0);
    EXPECT_EQ(ChildNames(*right), "Child");
    EXPECT_EQ(ChildNames(*child), "Grandchild");

    child->MoveTo(left);
    EXPECT_EQ(right->GetChildCount(), 0);
    EXPECT_EQ(child->Parent(), left);
    EXPECT_EQ(child->GetChild(0)->Scene(), FScene);

    child->MoveTo(nullptr);
    EXPECT_EQ(left->GetChildCount(), 0);
    EXPECT_EQ(child->Parent(), nullptr);
    EXPECT_EQ(child->GetChild(0)->Scene(), nullptr);

    left->Insert(0, child);
    EXPECT_EQ(child->GetChild(0)->Scene(), FScene);
    EXPECT_THROW(left->Insert(2, Top("Late")), EListError);
    EXPECT_EQ(ChildNames(*left), "Child");
}

TEST_F(SceneTree, MoveToIndexClampsToTheSiblings)
{
    T3DTestObject* parent = Top("Parent");
    for (const char* name : {"A", "B", "C", "D"})
        Under(parent, name);
    const struct {
        const char* Node;
        int Index;
        const char* Order;
    } cases[] = {
        {"A", 2, "B C A D"}, {"D", -5, "D B C A"}, {"D", 99, "B C A D"}, {"C", 1, "B C A D"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Node) + " to " + std::to_string(c.Index));
        const int before = FScene->PassedOn();
        static_cast<T3DBaseSceneObject*>(FScene->FindComponent(c.Node))->MoveToIndex(c.Index);
        EXPECT_EQ(ChildNames(*parent), c.Order);
        EXPECT_LE(FScene->PassedOn() - before, 1) << "one change for the whole move";
    }
}

TEST_F(SceneTree, FreeingANodeTakesItOutOfItsOwnerAndItsParent)
{
    T3DTestObject* parent = Top("Parent");
    T3DTestObject* child = Under(parent, "Child");
    Under(child, "Grandchild");
    Under(parent, "Sibling");
    const int owned = FScene->ComponentCount();

    delete child;
    EXPECT_EQ(ChildNames(*parent), "Sibling");
    EXPECT_EQ(FScene->ComponentCount(), owned - 2) << "the grandchild went with its parent";
    EXPECT_EQ(FScene->FindComponent("Grandchild"), nullptr);

    parent->DeleteChildren();
    EXPECT_EQ(parent->GetChildCount(), 0);
    EXPECT_EQ(FScene->FindComponent("Sibling"), nullptr);
}

TEST_F(SceneTree, FreeingTheOwnerFreesTheNodesItOwnsWhicheverGoesFirst)
{
    for (const bool sceneFirst : {true, false}) {
        SCOPED_TRACE(sceneFirst ? "scene made first" : "nodes made first");
        auto owner = std::make_unique<TComponent>(nullptr);
        T3DScene* scene = sceneFirst ? new T3DScene(owner.get()) : nullptr;
        auto* node = new T3DTestObject(owner.get());
        auto* child = new T3DTestObject(owner.get());
        auto* ownedByTheNode = new T3DTestObject(node);
        if (!scene)
            scene = new T3DScene(owner.get());
        scene->Objects()->AttachChild(node);
        node->AttachChild(child);
        child->AttachChild(ownedByTheNode);
        owner.reset();
    }
}

TEST_F(SceneTree, ANodeRemovedFromItsOwningParentBelongsToNoOne)
{
    T3DTestObject* parent = Top("Parent");
    auto* child = new T3DTestObject(parent);
    parent->AttachChild(child);
    parent->Remove(child, false);
    EXPECT_EQ(child->Owner(), nullptr);
    EXPECT_EQ(parent->ComponentCount(), 0);
    delete parent;
    EXPECT_EQ(child->Parent(), nullptr);
    delete child;
}

TEST_F(SceneTree, FreeingTheSceneFreesItsNodesWhoeverOwnsThem)
{
    auto* node = new T3DTestObject(FOwner.get());
    node->SetName("Node");
    FScene->Objects()->AttachChild(node);
    Under(node, "Child");
    delete FScene;
    EXPECT_EQ(FOwner->FindComponent("Node"), nullptr);
    EXPECT_EQ(FOwner->ComponentCount(), 0);
}

TEST_F(SceneTree, AssignCopiesTheSubtreeAndTheSettings)
{
    T3DTestObject* source = Top("Source");
    source->Position()->AssignPoint(1, 2, 3);
    source->SetTurnAngle(30);
    source->SetShowAxes(true);
    source->SetVisible(false);
    source->SetTagFloat(2.5f);
    source->SetTag(7);
    Under(Under(source, "S1"), "S11");
    Under(source, "S2");
    auto& behaviour = *new TTestBehaviour(source->Behaviours());
    behaviour.Strength = 4;
    T3DTestObject* copy = Top("Copy");
    Under(copy, "Old");

    copy->Assign(source);

    EXPECT_EQ(copy->GetChildCount(), 2);
    EXPECT_EQ(copy->GetChild(0)->GetChildCount(), 1);
    EXPECT_EQ(FScene->FindComponent("Old"), nullptr);
    EXPECT_EQ(copy->Position()->X(), 1);
    EXPECT_EQ(copy->Position()->Z(), 3);
    EXPECT_EQ(copy->TurnAngle(), 30);
    EXPECT_NEAR(copy->Direction()->X(), source->Direction()->X(), 1e-6);
    EXPECT_TRUE(copy->ShowAxes());
    EXPECT_FALSE(copy->Visible());
    EXPECT_EQ(copy->TagFloat(), 2.5f);
    EXPECT_EQ(copy->Tag(), 7);
    ASSERT_EQ(copy->Behaviours()->Count(), 1);
    EXPECT_EQ(static_cast<TTestBehaviour*>(copy->Behaviours()->Items(0))->Strength, 4);
    EXPECT_FALSE(copy->HasEffects());

    copy->Assign(copy);
    EXPECT_EQ(copy->GetChildCount(), 2) << "assigning a node to itself changes nothing";
    EXPECT_THROW(copy->GetChild(0)->Assign(copy), EAssertionFailed);
    EXPECT_THROW(copy->Assign(copy->GetChild(0)), EAssertionFailed);
    EXPECT_EQ(copy->GetChildCount(), 2);
}
