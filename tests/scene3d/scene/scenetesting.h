#pragma once
// Fixtures of the scene tree tests: a scene object that publishes the usual
// properties, a scene that counts the changes it would pass on, a behaviour
// and an effect with a setting of their own, and a fixture with an owner
// (standing in for the form), a scene and helpers to build trees.
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "scene3d/behaviours/behaviourcollections.h"
#include "scene3d/scene/basesceneobject.h"
#include "scene3d/scene/scene.h"
#include "scene3d/scene/sceneroot.h"

class T3DTestObject : public T3DBaseSceneObject {
    LT_CLASS(T3DTestObject)
public:
    explicit T3DTestObject(TComponent* AOwner) : T3DBaseSceneObject(AOwner) {}
};

// Counts the changes that reach it while it is not updating: the ones a
// scene passes on to what shows it.
class TCountingScene : public T3DScene {
    LT_CLASS(TCountingScene)
public:
    using T3DScene::T3DScene;
    int PassedOn() const { return FPassedOn; }
    void NotifyChange(TObject* Sender) override
    {
        if (!IsUpdating())
            ++FPassedOn;
        T3DScene::NotifyChange(Sender);
    }

private:
    int FPassedOn = 0;
};

// A behaviour with a Strength it archives after the base.
class TTestBehaviour : public T3DBehaviour {
    LT_CLASS(TTestBehaviour)
public:
    explicit TTestBehaviour(TExtCollection* C) : T3DBehaviour(C, ItemClassOf<TTestBehaviour>()) {}
    static std::string KindName() { return "Test behaviour"; }

    int Strength = 0;
    std::function<void(const TProgressTimeInfo&)> Stepped;

    void WriteItem(TVirtualWriter& Writer) const override;
    void ReadItem(TVirtualReader& Reader) override;
    void Assign(const TPersistent* Source) override;
    void DoProgress(const TProgressTimeInfo& ProgressTime) override
    {
        if (Stepped)
            Stepped(ProgressTime);
    }
};

// An effect with a Colour name it archives after the base.
class TTestEffect : public T3DObjectEffect {
    LT_CLASS(TTestEffect)
public:
    explicit TTestEffect(TExtCollection* C) : T3DObjectEffect(C, ItemClassOf<TTestEffect>()) {}
    static std::string KindName() { return "Test effect"; }

    std::string Colour;
    std::function<void(const TProgressTimeInfo&)> Stepped;

    void WriteItem(TVirtualWriter& Writer) const override;
    void ReadItem(TVirtualReader& Reader) override;
    void Assign(const TPersistent* Source) override;
    void DoProgress(const TProgressTimeInfo& ProgressTime) override
    {
        if (Stepped)
            Stepped(ProgressTime);
    }
};

class SceneTest : public ::testing::Test {
protected:
    // A node of the scene's object root, named.
    T3DTestObject* Top(const std::string& Name) { return Named(FScene->Objects()->CreateChild<T3DTestObject>(), Name); }
    // A node under Parent, named.
    static T3DTestObject* Under(T3DBaseSceneObject* Parent, const std::string& Name)
    {
        return Named(Parent->CreateChild<T3DTestObject>(), Name);
    }
    // Brings every matrix of the subtree up to date, as a frame would.
    static void Settle(const T3DBaseSceneObject& Node);

    // Owns the scene and, through it, its nodes.
    std::unique_ptr<TComponent> FOwner = std::make_unique<TComponent>(nullptr);
    TCountingScene* FScene = new TCountingScene(FOwner.get());

private:
    static T3DTestObject* Named(T3DTestObject* Node, const std::string& Name)
    {
        Node->SetName(Name);
        return Node;
    }
};

// The names of Node's children, in order, separated by blanks.
std::string ChildNames(const T3DBaseSceneObject& Node);

// Makes sure an application object (offscreen unless a platform is asked
// for) exists, as forms need one.
void EnsureApplication();
