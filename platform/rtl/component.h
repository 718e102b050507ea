#pragma once
// Components: named persistent objects that own other components and free
// them with themselves, tell each other when they go away, and are created
// from stored descriptions.
#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/persistent.h"

enum TComponentStateItem {
    csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor,
    csUpdating, csFixups, csFreeNotification, csInline, csDesignInstance
};
LT_ENUM_INFO(TComponentStateItem, csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor,
             csUpdating, csFixups, csFreeNotification, csInline, csDesignInstance)
using TComponentState = TSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TComponent : public TPersistent {
    LT_CLASS(TComponent)
public:
    explicit TComponent(TComponent* AOwner);
    // Frees the owned components, last created first, after telling every
    // component that asked for it (FreeNotification) that this one goes.
    // A descendant that must see its owned components go while it is still
    // whole calls DestroyComponents() in its own destructor.
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return FOwner; }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value);
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    // A part its owner makes for itself (a scroll bar, an in-place editor):
    // the owner remakes it, so the writer leaves it out of descriptions.
    bool IsSubComponent() const { return FSubComponent; }
    void SetSubComponent(bool Value) { FSubComponent = Value; }

    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int Index) const;
    int ComponentIndex() const;
    TComponent* FindComponent(const std::string& AName) const;   // case-insensitive
    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    void DestroyComponents();

    TComponentState ComponentState() const { return FComponentState; }
    void SetDesigning(bool Value);

    // Asks to be told (Notification with opRemove) when AComponent is freed;
    // the link works both ways.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Called once a description has been read, in the order of creation;
    // ends the loading state.
    virtual void Loaded();

    // The visual parent in a description, for components that have one.
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent* Value);
    // The components written inside this one's description; by default the
    // root writes every component it owns that has no parent.
    virtual void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const;

    TPersistent* GetOwner() const override { return FOwner; }
    std::string GetNamePath() const override { return FName; }

protected:
    // Tells this component that AComponent is inserted into or removed from
    // its owner, or is being freed; the default passes it on to the owned
    // components and drops any free-notification link to a freed component.
    virtual void Notification(TComponent* AComponent, TOperation Operation);

private:
    friend class TReader;
    void IncludeState(TComponentStateItem Item) { FComponentState.Include(Item); }
    void ExcludeState(TComponentStateItem Item) { FComponentState.Exclude(Item); }
    void DropFreeNotification(TComponent* AComponent);

    TComponent* FOwner = nullptr;
    std::string FName;
    int FTag = 0;
    bool FSubComponent = false;
    TComponentState FComponentState;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
};

// Roots (forms, data modules) that descriptions may refer to by name, as in
// "DM.dsSchemes". Roots register themselves while they exist.
void RegisterGlobalComponent(TComponent* Root);
void UnregisterGlobalComponent(TComponent* Root);
TComponent* FindGlobalComponent(const std::string& Name);

bool IsValidIdent(const std::string& Ident);

// The component named Name that Root owns, as a T; raises EComponentError
// naming what is missing when there is none of that class.
[[noreturn]] void RaiseMissingComponent(const TComponent& Root, const std::string& Name);
template <class T>
T* ComponentByName(const TComponent& Root, const std::string& Name)
{
    T* component = dynamic_cast<T*>(Root.FindComponent(Name));
    if (!component)
        RaiseMissingComponent(Root, Name);
    return component;
}
