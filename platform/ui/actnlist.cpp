#include "platform/ui/actnlist.h"

#include <algorithm>

#include <QApplication>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/controls.h"
#include "platform/ui/imglist.h"

LT_IMPLEMENT_CLASS(TBasicAction, TComponent) {}
LT_IMPLEMENT_CLASS(TContainedAction, TBasicAction) {}
LT_IMPLEMENT_CLASS(TCustomAction, TContainedAction) {}

LT_IMPLEMENT_CLASS(TAction, TCustomAction)
{
    P.Property("AutoCheck", &TAction::AutoCheck, &TAction::SetAutoCheck).Default(0);
    P.Property("Caption", &TAction::Caption, &TAction::SetCaption);
    P.Property("Category", &TAction::Category, &TAction::SetCategory);
    P.Property("Checked", &TAction::Checked, &TAction::SetChecked).Default(0);
    P.Property("Enabled", &TAction::Enabled, &TAction::SetEnabled).Default(1);
    P.Property("GroupIndex", &TAction::GroupIndex, &TAction::SetGroupIndex).Default(0);
    P.Property("Hint", &TAction::Hint, &TAction::SetHint);
    P.Property("ImageIndex", &TAction::ImageIndex, &TAction::SetImageIndex).Default(-1);
    P.Property("ShortCut", &TAction::ShortCut, &TAction::SetShortCut).Default(0);
    P.Property("Visible", &TAction::Visible, &TAction::SetVisible).Default(1);
    P.Property("OnExecute", &TAction::OnExecute, &TAction::SetOnExecute);
    P.Property("OnUpdate", &TAction::OnUpdate, &TAction::SetOnUpdate);
}

LT_IMPLEMENT_CLASS(TCustomActionList, TComponent) {}

LT_IMPLEMENT_CLASS(TActionList, TCustomActionList)
{
    P.Property("Images", &TActionList::Images, &TActionList::SetImages);
    P.Property("State", &TActionList::State, &TActionList::SetState).Default(asNormal);
    P.Property("OnChange", &TActionList::OnChange, &TActionList::SetOnChange);
    P.Property("OnExecute", &TActionList::OnExecute, &TActionList::SetOnExecute);
    P.Property("OnUpdate", &TActionList::OnUpdate, &TActionList::SetOnUpdate);
}

// ---- TActionLink

TActionLink::~TActionLink()
{
    SetAction(nullptr);
}

void TActionLink::SetAction(TBasicAction* Value)
{
    if (Value == FAction)
        return;
    if (FAction)
        std::erase(FAction->FClients, this);
    FAction = Value;
    if (Value) {
        Value->FClients.push_back(this);
        ActionAssigned();
    }
}

TCustomAction* TActionLink::CustomAction() const
{
    return dynamic_cast<TCustomAction*>(FAction);
}

bool TActionLink::Execute(TComponent* Target)
{
    if (!FAction)
        return false;
    FAction->SetActionComponent(Target);
    try {
        const bool done = FAction->Execute();
        if (FAction)
            FAction->SetActionComponent(nullptr);
        return done;
    } catch (...) {
        if (FAction)
            FAction->SetActionComponent(nullptr);
        throw;
    }
}

bool TActionLink::Update()
{
    return FAction && FAction->Update();
}

// ---- TBasicAction

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction()
{
    for (TActionLink* link : FClients)
        link->FAction = nullptr;
}

bool TBasicAction::Execute()
{
    if (!FOnExecute)
        return false;
    FOnExecute(this);
    return true;
}

bool TBasicAction::Update()
{
    if (!FOnUpdate)
        return false;
    FOnUpdate(this);
    return true;
}

// ---- TContainedAction

TContainedAction::TContainedAction(TComponent* AOwner) : TBasicAction(AOwner) {}

TContainedAction::~TContainedAction()
{
    SetActionList(nullptr);
}

void TContainedAction::SetActionList(TCustomActionList* Value)
{
    if (Value == FActionList)
        return;
    if (FActionList)
        FActionList->RemoveAction(this);
    if (Value)
        Value->AddAction(this);
}

int TContainedAction::Index() const
{
    if (!FActionList)
        return -1;
    const auto& list = FActionList->FActions;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TContainedAction::SetIndex(int Value)
{
    if (!FActionList)
        return;
    auto& list = FActionList->FActions;
    Value = std::clamp(Value, 0, static_cast<int>(list.size()) - 1);
    std::erase(list, this);
    list.insert(list.begin() + Value, this);
    FActionList->Change();
}

bool TContainedAction::Suspended() const
{
    return FActionList && FActionList->State() != asNormal;
}

namespace {
// Offers an action to the focused control, then to its parents, until one
// takes it.
template <class F>
bool OfferToFocusedControl(F Take)
{
    for (TControl* control = FindControl(QApplication::focusWidget()); control; control = control->Parent())
        if (Take(*control))
            return true;
    return false;
}
} // namespace

bool TContainedAction::Execute()
{
    if (Suspended())
        return false;
    if (FActionList && FActionList->ExecuteAction(this))
        return true;
    if (TBasicAction::Execute())
        return true;
    return OfferToFocusedControl([this](TControl& Control) { return Control.ExecuteAction(this); });
}

bool TContainedAction::Update()
{
    if (Suspended())
        return false;
    if (FActionList && FActionList->UpdateAction(this))
        return true;
    if (TBasicAction::Update())
        return true;
    return OfferToFocusedControl([this](TControl& Control) { return Control.UpdateAction(this); });
}

TComponent* TContainedAction::GetParentComponent() const
{
    return FActionList;
}

void TContainedAction::SetParentComponent(TComponent* Value)
{
    auto* list = dynamic_cast<TCustomActionList*>(Value);
    if (Value && !list)
        throw EInvalidOperation("A " + Value->ClassName() + " cannot hold actions");
    SetActionList(list);
}

// ---- TCustomAction

TCustomAction::TCustomAction(TComponent* AOwner) : TContainedAction(AOwner) {}

void TCustomAction::SetCaption(const std::string& Value)
{
    if (Value == FCaption)
        return;
    ForEachClient([&](TActionLink& link) { link.SetCaption(Value); });
    FCaption = Value;
}

void TCustomAction::SetChecked(bool Value)
{
    if (Value == FChecked)
        return;
    ForEachClient([&](TActionLink& link) { link.SetChecked(Value); });
    FChecked = Value;
    if (Value && FGroupIndex > 0 && ActionList())
        for (int i = 0; i < ActionList()->ActionCount(); ++i) {
            auto* other = dynamic_cast<TCustomAction*>(ActionList()->Actions(i));
            if (other && other != this && other->FGroupIndex == FGroupIndex)
                other->SetChecked(false);
        }
}

void TCustomAction::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    ForEachClient([&](TActionLink& link) { link.SetEnabled(Value); });
    FEnabled = Value;
}

void TCustomAction::SetGroupIndex(int Value)
{
    if (Value == FGroupIndex)
        return;
    FGroupIndex = Value;
    if (FChecked && Value > 0) {
        FChecked = false;
        SetChecked(true);
    }
}

void TCustomAction::SetHint(const std::string& Value)
{
    if (Value == FHint)
        return;
    ForEachClient([&](TActionLink& link) { link.SetHint(Value); });
    FHint = Value;
}

void TCustomAction::SetImageIndex(int Value)
{
    if (Value == FImageIndex)
        return;
    ForEachClient([&](TActionLink& link) { link.SetImageIndex(Value); });
    FImageIndex = Value;
}

void TCustomAction::SetShortCut(TShortCut Value)
{
    if (Value == FShortCut)
        return;
    ForEachClient([&](TActionLink& link) { link.SetShortCut(Value); });
    FShortCut = Value;
}

void TCustomAction::SetVisible(bool Value)
{
    if (Value == FVisible)
        return;
    ForEachClient([&](TActionLink& link) { link.SetVisible(Value); });
    FVisible = Value;
}

bool TCustomAction::Execute()
{
    if (Suspended())
        return false;
    Update();
    if (!FEnabled)
        return false;
    if (FAutoCheck && (!FChecked || FGroupIndex == 0))
        SetChecked(!FChecked);
    return TContainedAction::Execute();
}

// ---- TCustomActionList

TCustomActionList::TCustomActionList(TComponent* AOwner) : TComponent(AOwner)
{
    if (Application)
        FIdleHandler = Application->AddIdleHandler([this] { UpdateActions(); });
}

TCustomActionList::~TCustomActionList()
{
    if (Application && FIdleHandler)
        Application->RemoveIdleHandler(FIdleHandler);
    for (TContainedAction* action : FActions)
        action->FActionList = nullptr;
}

TContainedAction* TCustomActionList::Actions(int Index) const
{
    if (Index < 0 || Index >= ActionCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FActions[static_cast<std::size_t>(Index)];
}

void TCustomActionList::AddAction(TContainedAction* Action)
{
    FActions.push_back(Action);
    Action->FActionList = this;
    Change();
}

void TCustomActionList::RemoveAction(TContainedAction* Action)
{
    std::erase(FActions, Action);
    Action->FActionList = nullptr;
    if (!ComponentState().Contains(csDestroying))
        Change();
}

void TCustomActionList::SetState(TActionListState Value)
{
    if (Value == FState)
        return;
    FState = Value;
    if (Value == asSuspendedEnabled)
        for (TContainedAction* action : std::vector(FActions))
            if (auto* custom = dynamic_cast<TCustomAction*>(action))
                custom->SetEnabled(true);
}

bool TCustomActionList::ExecuteAction(TBasicAction* Action)
{
    bool handled = false;
    if (FOnExecute)
        FOnExecute(Action, handled);
    return handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* Action)
{
    bool handled = false;
    if (FOnUpdate)
        FOnUpdate(Action, handled);
    return handled;
}

void TCustomActionList::UpdateActions()
{
    if (FState != asNormal || ComponentState().Contains(csLoading))
        return;
    for (TContainedAction* action : std::vector(FActions))
        action->Update();
}

void TCustomActionList::Change()
{
    if (FOnChange && !ComponentState().Contains(csLoading))
        FOnChange(this);
}

void TCustomActionList::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const
{
    for (TContainedAction* action : FActions)
        if (action->Owner() == Root)
            Proc(action);
}

// ---- TControlActionLink

void TControlActionLink::SetCheckedProperty(std::function<bool()> Get, std::function<void(bool)> Set)
{
    FGetChecked = std::move(Get);
    FSetChecked = std::move(Set);
}

void TControlActionLink::SetImageIndexProperty(std::function<int()> Get, std::function<void(int)> Set)
{
    FGetImageIndex = std::move(Get);
    FSetImageIndex = std::move(Set);
}

void TControlActionLink::SetCaption(const std::string& Value)
{
    if (const TCustomAction* action = CustomAction(); action && FClient->Caption() == action->Caption())
        FClient->SetCaption(Value);
}

void TControlActionLink::SetChecked(bool Value)
{
    if (const TCustomAction* action = CustomAction(); action && FGetChecked && FGetChecked() == action->Checked())
        FSetChecked(Value);
}

void TControlActionLink::SetEnabled(bool Value)
{
    if (const TCustomAction* action = CustomAction(); action && FClient->Enabled() == action->Enabled())
        FClient->SetEnabled(Value);
}

void TControlActionLink::SetHint(const std::string& Value)
{
    if (const TCustomAction* action = CustomAction(); action && FClient->Hint() == action->Hint())
        FClient->SetHint(Value);
}

void TControlActionLink::SetImageIndex(int Value)
{
    if (const TCustomAction* action = CustomAction();
        action && FGetImageIndex && FGetImageIndex() == action->ImageIndex())
        FSetImageIndex(Value);
}

void TControlActionLink::SetVisible(bool Value)
{
    if (const TCustomAction* action = CustomAction(); action && FClient->Visible() == action->Visible())
        FClient->SetVisible(Value);
}

void TControlActionLink::ActionAssigned()
{
    const TCustomAction* action = CustomAction();
    if (!action)
        return;
    FClient->SetCaption(action->Caption());
    FClient->SetHint(action->Hint());
    FClient->SetEnabled(action->Enabled());
    FClient->SetVisible(action->Visible());
    if (FSetChecked)
        FSetChecked(action->Checked());
    if (FSetImageIndex)
        FSetImageIndex(action->ImageIndex());
}
