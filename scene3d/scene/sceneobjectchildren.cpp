// The tree operations of scene objects: making, attaching, moving, removing
// and freeing children, and the parent links of stored descriptions.
#include <algorithm>
#include <functional>
#include <memory>

#include "platform/rtl/exceptions.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/scene/basesceneobject.h"
#include "scene3d/scene/camera.h"
#include "scene3d/scene/scene.h"
#include "scene3d/scene/sceneroot.h"

T3DBaseSceneObject* T3DBaseSceneObject::GetChild(int Index) const
{
    if (Index < 0 || Index >= GetChildCount())
        return nullptr;
    return FChildren[static_cast<std::size_t>(Index)];
}

namespace {

T3DBaseSceneObject* NewSceneObject(const TClassInfo& AClass, TComponent* Owner)
{
    EngineAssert(AClass.InheritsFrom(T3DBaseSceneObject::StaticClassInfo()) && AClass.Factory());
    return static_cast<T3DBaseSceneObject*>(AClass.Factory()(Owner));
}

} // namespace

T3DBaseSceneObject* T3DBaseSceneObject::CreateChild(const TClassInfo& AClass)
{
    T3DBaseSceneObject* child = NewSceneObject(AClass, Owner());
    AttachChild(child);
    return child;
}

T3DBaseSceneObject* T3DBaseSceneObject::CreateChildFirst(const TClassInfo& AClass)
{
    T3DBaseSceneObject* child = NewSceneObject(AClass, Owner());
    Insert(0, child);
    return child;
}

bool T3DBaseSceneObject::IsSelfOrAncestorOf(const T3DBaseSceneObject* Node) const
{
    for (; Node; Node = Node->FParent)
        if (Node == this)
            return true;
    return false;
}

void T3DBaseSceneObject::CheckAdoptable(const T3DBaseSceneObject* Child) const
{
    EngineAssert(Child && !Child->IsSelfOrAncestorOf(this) && !dynamic_cast<const T3DSceneRootObject*>(Child));
}

void T3DBaseSceneObject::Detach(T3DBaseSceneObject* Child)
{
    if (Child->FParent)
        Child->FParent->Remove(Child, false);
}

void T3DBaseSceneObject::AttachChild(T3DBaseSceneObject* Child)
{
    CheckAdoptable(Child);
    Detach(Child);
    if (FScene)
        FScene->AddLights(Child);
    FChildren.push_back(Child);
    Child->FParent = this;
    Child->SetScene(FScene);
    PlacementChanged();
    Child->PlacementChanged();
}

void T3DBaseSceneObject::Insert(int Index, T3DBaseSceneObject* Child)
{
    CheckAdoptable(Child);
    const int countAfterDetach = GetChildCount() - (Child->FParent == this ? 1 : 0);
    if (Index < 0 || Index > countAfterDetach)
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    Detach(Child);
    FChildren.insert(FChildren.begin() + Index, Child);
    Child->FParent = this;
    Child->SetScene(FScene);
    if (FScene)
        FScene->AddLights(Child);
    Child->PlacementChanged();
}

void T3DBaseSceneObject::Remove(T3DBaseSceneObject* Child, bool KeepChildren)
{
    const auto found = std::find(FChildren.begin(), FChildren.end(), Child);
    if (found == FChildren.end())
        return;
    if (FScene)
        FScene->RemoveLights(Child);
    if (Child->Owner() == this)
        RemoveComponent(Child);
    FChildren.erase(found);
    Child->FParent = nullptr;
    Child->SetScene(nullptr);
    if (KeepChildren) {
        BeginUpdate();
        while (Child->GetChildCount() > 0)
            Child->FChildren.front()->MoveTo(this);
        EndUpdate();
    } else {
        NotifyChange(this);
    }
}

void T3DBaseSceneObject::MoveTo(T3DBaseSceneObject* NewParent)
{
    if (NewParent) {
        NewParent->AttachChild(this);
        return;
    }
    Detach(this);
}

void T3DBaseSceneObject::FreeDescendantCameras()
{
    std::vector<T3DBaseSceneObject*> cameras;
    const std::function<void(const T3DBaseSceneObject&)> collect = [&](const T3DBaseSceneObject& Node) {
        for (T3DBaseSceneObject* child : Node.FChildren) {
            if (dynamic_cast<T3DCamera*>(child))
                cameras.push_back(child);
            collect(*child);
        }
    };
    collect(*this);
    for (T3DBaseSceneObject* camera : cameras) {
        camera->FParent->Remove(camera, true);
        const std::unique_ptr<T3DBaseSceneObject> freed(camera);
    }
}

void T3DBaseSceneObject::DeleteChildren()
{
    FreeDescendantCameras();
    if (FScene)
        for (T3DBaseSceneObject* child : FChildren)
            FScene->RemoveLights(child);
    while (!FChildren.empty()) {
        const std::unique_ptr<T3DBaseSceneObject> child(FChildren.back());
        FChildren.pop_back();
        child->FParent = nullptr;
    }
}

int T3DBaseSceneObject::IndexOfSelf() const
{
    if (!FParent)
        return -1;
    const auto& siblings = FParent->FChildren;
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

void T3DBaseSceneObject::MoveToIndex(int NewIndex)
{
    if (!FParent)
        return;
    NewIndex = std::clamp(NewIndex, 0, FParent->GetChildCount() - 1);
    if (NewIndex == IndexOfSelf())
        return;
    T3DScene* const scene = FScene;
    if (scene)
        scene->BeginUpdate();
    FParent->Insert(NewIndex, this);
    if (scene)
        scene->EndUpdate();
}

void T3DBaseSceneObject::SetScene(T3DScene* Value)
{
    if (FScene == Value)
        return;
    DestroyListHandle();
    FScene = Value;
    for (T3DBaseSceneObject* child : FChildren)
        child->SetScene(Value);
}

void T3DBaseSceneObject::SetParentComponent(TComponent* Value)
{
    if (auto* scene = dynamic_cast<T3DScene*>(Value))
        (dynamic_cast<T3DCamera*>(this) ? scene->Cameras() : scene->Objects())->AttachChild(this);
    else if (auto* node = dynamic_cast<T3DBaseSceneObject*>(Value))
        node->AttachChild(this);
    else
        MoveTo(nullptr);
}

void T3DBaseSceneObject::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*) const
{
    for (T3DBaseSceneObject* child : FChildren)
        Proc(child);
}
