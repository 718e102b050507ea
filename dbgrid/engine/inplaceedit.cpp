#include "dbgrid/engine/inplaceedit.h"

#include "dbgrid/engine/customgridlt.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/beep.h"

LT_IMPLEMENT_CLASS(TInplaceEdit, TCustomMaskEdit) {}

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner)
{
    SetTabStop(false);
    SetWidgetFrame(false);
    SetVisible(false);
    SetSubComponent(true);
}

void TInplaceEdit::SetGrid(TCustomGridLt* Value)
{
    FGrid = Value;
    SetParent(Value);
}

void TInplaceEdit::UpdateContents()
{
    SetText("");
    SetEditMask(FGrid->GetEditMask(FGrid->Col(), FGrid->Row()));
    SetText(FGrid->GetEditText(FGrid->Col(), FGrid->Row()));
    SetMaxLength(FGrid->GetEditLimit());
}

void TInplaceEdit::Move(const TRect& Rect)
{
    if (IsRectEmpty(Rect)) {
        HideEditor();
        return;
    }
    const bool resized = Rect.Width() != Width() || Rect.Height() != Height();
    SetBoundsRect(Rect);
    if (resized)
        BoundsChanged();
    SetVisible(true);
    if (FGrid->Focused())
        SetFocus();
}

void TInplaceEdit::HideEditor()
{
    const bool hadFocus = Focused();
    SetVisible(false);
    if (hadFocus && FGrid->CanFocus())
        FGrid->SetFocus();
}

void TInplaceEdit::SetFocus()
{
    if (Visible())
        TCustomMaskEdit::SetFocus();
}

void TInplaceEdit::Deselect()
{
    SetSelStart(Utf8Length(Text()));
    SetSelLength(0);
}

void TInplaceEdit::TypeChar(char32_t Ch)
{
    KeyPress(Ch);
    if (Ch == 0 || IsMasked())
        return;
    if (Ch == VK_BACK) {
        if (SelLength() == 0 && SelStart() > 0) {
            SetSelStart(SelStart() - 1);
            SetSelLength(1);
        }
        SetSelText("");
        return;
    }
    SetSelText(Utf32ToUtf8(std::u32string(1, Ch)));
}

void TInplaceEdit::BoundsChanged()
{
    SetEditRect(Rect(2, 2, Width() - 2, Height()));
}

void TInplaceEdit::KeyDown(unsigned& Key, TShiftState Shift)
{
    const auto toGrid = [&] {
        FGrid->GridKeyDown(Key, Shift);
        Key = 0;
        // Hiding and showing the editor on the way delivers focus messages
        // to it, which leave the key looking unhandled: the grid took it.
        SetPassToWidget(false);
    };
    const bool alwaysShown = FGrid->Options().Contains(goAlwaysShowEditor);
    const int length = Utf8Length(Text());
    const bool atStart = SelStart() == 0 && (SelLength() == 0 || SelLength() == length);
    const bool atEnd = SelStart() + SelLength() == length && (SelLength() == 0 || SelLength() == length);
    switch (Key) {
    case VK_TAB:
        if (!Shift.Contains(ssAlt))
            return toGrid();
        break;
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN: return toGrid();
    case VK_HOME:
    case VK_LEFT:
        if (alwaysShown && (Shift.Contains(ssCtrl) || atStart))
            return toGrid();
        break;
    case VK_END:
    case VK_RIGHT:
        if (alwaysShown && (Shift.Contains(ssCtrl) || atEnd))
            return toGrid();
        break;
    case VK_INSERT:
        if (Shift.Empty())
            return toGrid();
        if (Shift == TShiftState{ssShift} && !FGrid->CanEditModify())
            Key = 0;
        return;
    case VK_DELETE:
        if (Shift.Contains(ssCtrl))
            return toGrid();
        if (!FGrid->CanEditModify())
            Key = 0;
        return;
    case VK_F2:
        FGrid->RaiseKeyDown(Key, Shift);
        if (Key == VK_F2) {
            Deselect();
            Key = 0;
        }
        return;
    default: break;
    }
    FGrid->RaiseKeyDown(Key, Shift);
    if (Key != 0)
        TCustomMaskEdit::KeyDown(Key, Shift);
}

bool TInplaceEdit::BeginModify()
{
    // Putting the record in edit reloads the editor; when that leaves the
    // text as it was, what the operator selected stays selected.
    const std::string text = Text();
    const int selStart = SelStart();
    const int selLength = SelLength();
    if (!FGrid->CanEditModify())
        return false;
    if (Text() == text && (SelStart() != selStart || SelLength() != selLength)) {
        SetSelStart(selStart);
        SetSelLength(selLength);
    }
    return true;
}

void TInplaceEdit::KeyPress(char32_t& Key)
{
    FGrid->GridKeyPress(Key);
    if (Key > 31 && !FGrid->CanEditAcceptKey(Key)) {
        Key = 0;
        MessageBeep(0);
    }
    const bool modifying = Key == 8 || Key == 22 || Key == 24 || Key >= 32;
    if (modifying && !BeginModify())
        Key = 0;
    if (Key == VK_RETURN) {
        const int length = Utf8Length(Text());
        if (SelStart() == 0 && SelLength() == length)
            Deselect();
        else
            SelectAll();
    }
    if (Key == VK_RETURN || Key == VK_TAB || Key == VK_ESCAPE)
        Key = 0;
    if (Key != 0)
        TCustomMaskEdit::KeyPress(Key);
}

void TInplaceEdit::KeyUp(unsigned& Key, TShiftState Shift)
{
    FGrid->GridKeyUp(Key, Shift);
}
