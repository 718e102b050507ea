#include "platform/rtl/component.h"

#include <algorithm>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"

LT_IMPLEMENT_CLASS(TComponent, TPersistent)
{
    P.Property("Name", &TComponent::Name, &TComponent::SetName).StoredIf([](const TObject&) { return false; });
    P.Property("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    FComponentState.Include(csDestroying);
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        other->DropFreeNotification(this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

void TComponent::SetName(const std::string& Value)
{
    if (Value == FName)
        return;
    if (!Value.empty() && !IsValidIdent(Value))
        throw EComponentError("'" + Value + "' is not a valid component name");
    if (FOwner && !Value.empty()) {
        const TComponent* existing = FOwner->FindComponent(Value);
        if (existing && existing != this)
            throw EComponentError("A component named " + Value + " already exists");
    }
    FName = Value;
}

TComponent* TComponent::Components(int Index) const
{
    if (Index < 0 || Index >= ComponentCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FComponents[static_cast<std::size_t>(Index)];
}

int TComponent::ComponentIndex() const
{
    if (!FOwner)
        return -1;
    const auto& list = FOwner->FComponents;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& AName) const
{
    if (AName.empty())
        return nullptr;
    for (TComponent* c : FComponents)
        if (SameIdent(c->FName, AName))
            return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent)
{
    if (AComponent->FOwner)
        AComponent->FOwner->RemoveComponent(AComponent);
    if (!AComponent->FName.empty() && FindComponent(AComponent->FName))
        throw EComponentError("A component named " + AComponent->FName + " already exists");
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    Notification(AComponent, opRemove);
    const auto it = std::find(FComponents.begin(), FComponents.end(), AComponent);
    if (it != FComponents.end())
        FComponents.erase(it);
    AComponent->FOwner = nullptr;
}

void TComponent::DestroyComponents()
{
    while (!FComponents.empty()) {
        TComponent* last = FComponents.back();
        FComponents.pop_back();
        last->FOwner = nullptr;
        delete last;
    }
}

void TComponent::SetDesigning(bool Value)
{
    if (Value)
        FComponentState.Include(csDesigning);
    else
        FComponentState.Exclude(csDesigning);
    for (TComponent* c : FComponents)
        c->SetDesigning(Value);
}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (!AComponent || AComponent == this)
        return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end())
        FFreeNotifies.push_back(AComponent);
    auto& back = AComponent->FFreeNotifies;
    if (std::find(back.begin(), back.end(), this) == back.end())
        back.push_back(this);
    FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    DropFreeNotification(AComponent);
    AComponent->DropFreeNotification(this);
}

void TComponent::DropFreeNotification(TComponent* AComponent)
{
    const auto it = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent);
    if (it != FFreeNotifies.end())
        FFreeNotifies.erase(it);
    if (FFreeNotifies.empty())
        FComponentState.Exclude(csFreeNotification);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent)
        DropFreeNotification(AComponent);
    for (TComponent* c : FComponents)
        c->Notification(AComponent, Operation);
}

void TComponent::Loaded()
{
    FComponentState.Exclude(csLoading);
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const
{
    if (Root != this)
        return;
    for (TComponent* c : FComponents)
        if (!c->HasParent())
            Proc(c);
}

namespace {
std::vector<TComponent*>& GlobalComponents()
{
    static std::vector<TComponent*> roots;
    return roots;
}
} // namespace

void RegisterGlobalComponent(TComponent* Root)
{
    auto& roots = GlobalComponents();
    if (std::find(roots.begin(), roots.end(), Root) == roots.end())
        roots.push_back(Root);
}

void UnregisterGlobalComponent(TComponent* Root)
{
    auto& roots = GlobalComponents();
    roots.erase(std::remove(roots.begin(), roots.end(), Root), roots.end());
}

TComponent* FindGlobalComponent(const std::string& Name)
{
    for (TComponent* root : GlobalComponents())
        if (SameIdent(root->Name(), Name))
            return root;
    return nullptr;
}

bool IsValidIdent(const std::string& Ident)
{
    if (Ident.empty())
        return false;
    const auto alpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    if (!alpha(Ident[0]))
        return false;
    return std::all_of(Ident.begin() + 1, Ident.end(), [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

void RaiseMissingComponent(const TComponent& Root, const std::string& Name)
{
    throw EComponentError("The description of " + Root.Name() + " lacks " + Name);
}
