#include "platform/ui/stdactns.h"

#include "platform/rtl/classbuilder.h"
#include "platform/ui/clipbrd.h"

LT_IMPLEMENT_CLASS(TEditAction, TAction)
{
    P.Property("Control", &TEditAction::Control, &TEditAction::SetControl);
}
LT_IMPLEMENT_CLASS(TEditCut, TEditAction) {}
LT_IMPLEMENT_CLASS(TEditCopy, TEditAction) {}
LT_IMPLEMENT_CLASS(TEditPaste, TEditAction) {}
LT_IMPLEMENT_CLASS(TEditSelectAll, TEditAction) {}
LT_IMPLEMENT_CLASS(TEditDelete, TEditAction) {}

namespace {
// HandlesTarget has made sure the target is an edit.
TEdit& Edit(TObject* Target)
{
    return *dynamic_cast<TEdit*>(Target);
}

bool HasSelection(TObject* Target)
{
    return Edit(Target).SelLength() > 0;
}

bool Writable(TObject* Target)
{
    return !Edit(Target).ReadOnly();
}
} // namespace

bool TEditAction::HandlesTarget(TObject* Target)
{
    auto* edit = dynamic_cast<TEdit*>(Target);
    return edit && (!FControl || edit == FControl.Get()) && edit->Focused();
}

bool TEditAction::Update()
{
    if (TAction::Update())
        return true;
    SetEnabled(false);
    return false;
}

void TEditCut::ExecuteTarget(TObject* Target)
{
    Edit(Target).CutToClipboard();
}

void TEditCut::UpdateTarget(TObject* Target)
{
    SetEnabled(HasSelection(Target) && Writable(Target));
}

void TEditCopy::ExecuteTarget(TObject* Target)
{
    Edit(Target).CopyToClipboard();
}

void TEditCopy::UpdateTarget(TObject* Target)
{
    SetEnabled(HasSelection(Target));
}

void TEditPaste::ExecuteTarget(TObject* Target)
{
    Edit(Target).PasteFromClipboard();
}

void TEditPaste::UpdateTarget(TObject* Target)
{
    SetEnabled(Writable(Target) && Clipboard()->HasFormat(CF_TEXT));
}

void TEditSelectAll::ExecuteTarget(TObject* Target)
{
    Edit(Target).SelectAll();
}

void TEditSelectAll::UpdateTarget(TObject* Target)
{
    SetEnabled(!Edit(Target).Text().empty());
}

void TEditDelete::ExecuteTarget(TObject* Target)
{
    Edit(Target).ClearSelection();
}

void TEditDelete::UpdateTarget(TObject* Target)
{
    SetEnabled(HasSelection(Target) && Writable(Target));
}
