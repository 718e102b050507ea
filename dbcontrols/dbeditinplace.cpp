// The editor hosted inside another control (a grid cell): the holder sees
// its messages and keys first and decides where it shows.
#include <QWidget>

#include "dbcontrols/dbeditlt.h"
#include "platform/rtl/exceptions.h"

void TCustomDBEditLt::SetInplaceEditHolder(TWinControl* Holder)
{
    IInplaceEditHolderLt* holder = nullptr;
    if (Holder) {
        holder = Supports<IInplaceEditHolderLt>(Holder);
        if (!holder)
            throw Exception(kInplaceHolderErrorLt);
    }
    FInplaceHolder = Holder;
    FInplaceHolderIntf = holder;
    RefreshReadOnly();
}

void TCustomDBEditLt::PlaceAt(const TRect& Rect)
{
    if (!FInplaceHolder) {
        SetBoundsRect(Rect);
        return;
    }
    if (Rect.Width() <= 0 || Rect.Height() <= 0) {
        HideEditor();
        return;
    }
    Invalidate();
    SetBoundsRect(Rect);
    SetVisible(true);
    if (FInplaceHolder->Focused())
        SetFocus();
}

void TCustomDBEditLt::HideEditor()
{
    const bool hadFocus = Focused();
    SetVisible(false);
    if (hadFocus && FInplaceHolder && FInplaceHolder->CanFocus())
        FInplaceHolder->SetFocus();
}

void TCustomDBEditLt::VisibleChanged()
{
    const bool hadFocus = Focused();
    TCustomMaskEdit::VisibleChanged();
    if (FInplaceHolder && !Visible() && hadFocus && FInplaceHolder->CanFocus())
        FInplaceHolder->SetFocus();
}

void TCustomDBEditLt::SetFocus()
{
    if (FInplaceHolder && !Visible())
        return;
    TCustomMaskEdit::SetFocus();
}
