#pragma once
// The standard edit actions: cut, copy, paste, select all and delete. On
// their own they act on the focused edit (or only on the edit named as
// their Control); a control with its own idea of these commands takes them
// in its ExecuteAction and UpdateAction. With nothing to act on they are
// disabled.
#include "platform/ui/actnlist.h"
#include "platform/ui/componentref.h"
#include "platform/ui/stdctrls.h"

class TEditAction : public TAction {
    LT_CLASS(TEditAction)
public:
    explicit TEditAction(TComponent* AOwner) : TAction(AOwner) {}

    TEdit* Control() const { return FControl.Get(); }
    void SetControl(TEdit* Value) { FControl.Set(Value); }

    // The focused edit, or Control when it is set and has the focus.
    bool HandlesTarget(TObject* Target) override;
    // Disables the action when no handler answered.
    bool Update() override;

private:
    TComponentRef<TEdit> FControl;
};

class TEditCut : public TEditAction {
    LT_CLASS(TEditCut)
public:
    using TEditAction::TEditAction;
    void ExecuteTarget(TObject* Target) override;
    void UpdateTarget(TObject* Target) override;
};

class TEditCopy : public TEditAction {
    LT_CLASS(TEditCopy)
public:
    using TEditAction::TEditAction;
    void ExecuteTarget(TObject* Target) override;
    void UpdateTarget(TObject* Target) override;
};

class TEditPaste : public TEditAction {
    LT_CLASS(TEditPaste)
public:
    using TEditAction::TEditAction;
    void ExecuteTarget(TObject* Target) override;
    void UpdateTarget(TObject* Target) override;
};

class TEditSelectAll : public TEditAction {
    LT_CLASS(TEditSelectAll)
public:
    using TEditAction::TEditAction;
    void ExecuteTarget(TObject* Target) override;
    void UpdateTarget(TObject* Target) override;
};

class TEditDelete : public TEditAction {
    LT_CLASS(TEditDelete)
public:
    using TEditAction::TEditAction;
    void ExecuteTarget(TObject* Target) override;
    void UpdateTarget(TObject* Target) override;
};
