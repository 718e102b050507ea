#pragma once
// Actions: commands with a caption, a hint, an image, a shortcut and an
// enabled, checked and visible state, which controls and menu items show and
// run. A control takes its look from its action through an action link and
// runs the action when clicked. Every action list asks its actions to update
// themselves (OnUpdate) whenever the application goes idle.
#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/component.h"
#include "platform/ui/componentref.h"
#include "platform/ui/imglist.h"
#include "platform/ui/shortcuts.h"

class TBasicAction;
class TControl;
class TCustomAction;
class TCustomActionList;


// The tie between an action and one client. The action calls the Set*
// methods just before one of its properties takes a new value; a client
// property follows only while it still shows the action's old value, so a
// client that was changed on its own keeps its own value.
class TActionLink {
public:
    TActionLink() = default;
    TActionLink(const TActionLink&) = delete;
    TActionLink& operator=(const TActionLink&) = delete;
    virtual ~TActionLink();

    TBasicAction* Action() const { return FAction; }
    // Assigning an action gives the client every property the action has.
    void SetAction(TBasicAction* Value);
    // Runs the action for Target; false when there is none or it did not run.
    bool Execute(TComponent* Target = nullptr);
    bool Update();

    virtual void SetCaption(const std::string&) {}
    virtual void SetChecked(bool) {}
    virtual void SetEnabled(bool) {}
    virtual void SetHint(const std::string&) {}
    virtual void SetImageIndex(int) {}
    virtual void SetShortCut(TShortCut) {}
    virtual void SetVisible(bool) {}

protected:
    virtual void ActionAssigned() {}
    // The action as a TCustomAction, or nullptr.
    TCustomAction* CustomAction() const;

private:
    friend class TBasicAction;
    TBasicAction* FAction = nullptr;
};

class TBasicAction : public TComponent {
    LT_CLASS(TBasicAction)
public:
    explicit TBasicAction(TComponent* AOwner);
    // Its clients are left without an action.
    ~TBasicAction() override;

    // OnExecute; true when something ran.
    virtual bool Execute();
    // OnUpdate; true when something handled it.
    virtual bool Update();
    // Whether the action acts on Target (a control that has the focus, a
    // dataset), and what it does there; the standard actions answer.
    virtual bool HandlesTarget(TObject*) { return false; }
    virtual void ExecuteTarget(TObject*) {}
    virtual void UpdateTarget(TObject*) {}
    // The component that ran the action last (a button, a menu item).
    TComponent* ActionComponent() const { return FActionComponent.Get(); }
    void SetActionComponent(TComponent* Value) { FActionComponent.Set(Value); }

    const TNotifyEvent& OnExecute() const { return FOnExecute; }
    void SetOnExecute(TNotifyEvent Value) { FOnExecute = std::move(Value); }
    const TNotifyEvent& OnUpdate() const { return FOnUpdate; }
    void SetOnUpdate(TNotifyEvent Value) { FOnUpdate = std::move(Value); }

    int ClientCount() const { return static_cast<int>(FClients.size()); }

protected:
    const std::vector<TActionLink*>& Clients() const { return FClients; }

private:
    friend class TActionLink;
    std::vector<TActionLink*> FClients;
    TComponentRef<TComponent> FActionComponent;
    TNotifyEvent FOnExecute, FOnUpdate;
};

// An action that belongs to an action list, which sees its Execute and
// Update first; in a description it stands inside its list. When neither
// the list nor the action's own handler takes it, the focused control and
// then its parents are offered it (TControl::ExecuteAction).
class TContainedAction : public TBasicAction {
    LT_CLASS(TContainedAction)
public:
    explicit TContainedAction(TComponent* AOwner);
    ~TContainedAction() override;

    TCustomActionList* ActionList() const { return FActionList; }
    void SetActionList(TCustomActionList* Value);
    const std::string& Category() const { return FCategory; }
    void SetCategory(const std::string& Value) { FCategory = Value; }
    // The position in the list (-1 without one).
    int Index() const;
    void SetIndex(int Value);

    bool Execute() override;
    bool Update() override;
    // Whether its list is suspended: it neither runs nor updates.
    bool Suspended() const;

    bool HasParent() const override { return FActionList != nullptr; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

private:
    friend class TCustomActionList;
    TCustomActionList* FActionList = nullptr;
    std::string FCategory;
};

class TCustomAction : public TContainedAction {
    LT_CLASS(TCustomAction)
public:
    explicit TCustomAction(TComponent* AOwner);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    // Checking an action of a group (GroupIndex > 0) unchecks the others of
    // that group in its list.
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // Executing toggles Checked.
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool Value) { FAutoCheck = Value; }

    // Updates first; a disabled (or suspended) action does not run.
    bool Execute() override;

private:
    // Tells each client before a property changes.
    template <class F>
    void ForEachClient(F Tell) const
    {
        for (TActionLink* link : std::vector<TActionLink*>(Clients()))
            Tell(*link);
    }

    std::string FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    int FGroupIndex = 0;
    std::string FHint;
    int FImageIndex = -1;
    TShortCut FShortCut = scNone;
    bool FVisible = true;
    bool FAutoCheck = false;
};

class TAction : public TCustomAction {
    LT_CLASS(TAction)
public:
    explicit TAction(TComponent* AOwner) : TCustomAction(AOwner) {}
};

// Suspended lists neither run nor update their actions; asSuspendedEnabled
// also enables them all when it is set.
enum TActionListState { asNormal, asSuspended, asSuspendedEnabled };
LT_ENUM_INFO(TActionListState, asNormal, asSuspended, asSuspendedEnabled)

// Raised for an action before its own handler; Handled stops it there.
using TActionEvent = std::function<void(TBasicAction* Action, bool& Handled)>;

class TCustomActionList : public TComponent {
    LT_CLASS(TCustomActionList)
public:
    explicit TCustomActionList(TComponent* AOwner);
    ~TCustomActionList() override;

    int ActionCount() const { return static_cast<int>(FActions.size()); }
    TContainedAction* Actions(int Index) const;
    TCustomImageList* Images() const { return FImages.Get(); }
    void SetImages(TCustomImageList* Value) { FImages.Set(Value); }
    TActionListState State() const { return FState; }
    void SetState(TActionListState Value);

    // The list's OnExecute / OnUpdate for one of its actions; true when the
    // handler set Handled.
    virtual bool ExecuteAction(TBasicAction* Action);
    virtual bool UpdateAction(TBasicAction* Action);
    // Asks every action to update itself (what idle time does).
    void UpdateActions();

    const TActionEvent& OnExecute() const { return FOnExecute; }
    void SetOnExecute(TActionEvent Value) { FOnExecute = std::move(Value); }
    const TActionEvent& OnUpdate() const { return FOnUpdate; }
    void SetOnUpdate(TActionEvent Value) { FOnUpdate = std::move(Value); }
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const override;

private:
    friend class TContainedAction;
    void AddAction(TContainedAction* Action);
    void RemoveAction(TContainedAction* Action);
    void Change();

    std::vector<TContainedAction*> FActions;
    TComponentRef<TCustomImageList> FImages;
    TActionListState FState = asNormal;
    int FIdleHandler = 0;
    TActionEvent FOnExecute, FOnUpdate;
    TNotifyEvent FOnChange;
};

class TActionList : public TCustomActionList {
    LT_CLASS(TActionList)
public:
    explicit TActionList(TComponent* AOwner) : TCustomActionList(AOwner) {}
};

// The link of a control: caption, hint, enabled and visible, and for
// controls that have them the checked state and the image.
class TControlActionLink : public TActionLink {
public:
    explicit TControlActionLink(TControl* Client) : FClient(Client) {}

    void SetCheckedProperty(std::function<bool()> Get, std::function<void(bool)> Set);
    void SetImageIndexProperty(std::function<int()> Get, std::function<void(int)> Set);

    void SetCaption(const std::string& Value) override;
    void SetChecked(bool Value) override;
    void SetEnabled(bool Value) override;
    void SetHint(const std::string& Value) override;
    void SetImageIndex(int Value) override;
    void SetVisible(bool Value) override;

protected:
    void ActionAssigned() override;

private:
    TControl* FClient;
    std::function<bool()> FGetChecked;
    std::function<void(bool)> FSetChecked;
    std::function<int()> FGetImageIndex;
    std::function<void(int)> FSetImageIndex;
};
