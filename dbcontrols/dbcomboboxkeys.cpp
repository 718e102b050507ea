// The combo box's keyboard and wheel: stepping through the items, the search
// as the operator types, Delete and paste in key-based mode.
#include "dbcontrols/comboitems.h"
#include "dbcontrols/dbcombobox.h"
#include "platform/data/fields.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/clipbrd.h"

namespace {
constexpr char32_t kBackspace = 8, kEnter = 13, kEscape = 27, kFullStop = 46;
} // namespace

void TCustomDBComboBoxLt::StepItem(bool Prior)
{
    if (!StartEditingLt())
        return;
    const int index = SteppedComboIndex(FItemIndex, FItemCount, Prior);
    if (index == FItemIndex)
        return;
    ApplyItemIndex(index);
    SelectAll();
}

bool TCustomDBComboBoxLt::LocateItemText(const std::string& S, bool Partial)
{
    if (!StartEditingLt())
        return false;
    const int previous = FItemIndex;
    try {
        const int index = FindComboItem(*FItems, FItemCount, S, Partial);
        if (index >= 0) {
            ApplyItemIndex(index);
            const int typed = Utf8Length(S);
            SetSelStart(typed);
            SetSelLength(Utf8Length(EditText()) - typed);
        } else if (!KeyBased()) {
            ApplyItemIndex(-1);
        }
    } catch (...) {
        // The previous item comes back; the error still reaches the operator.
        ApplyItemIndex(previous);
        throw;
    }
    return FItemIndex != previous;
}

bool TCustomDBComboBoxLt::TypeAheadSearch(const std::string& S)
{
    if ((!IsUnbound() && !FieldLink()->Field()) || !StartEditingLt())
        return false;
    const std::string text = EditText();
    if (S == std::string(1, static_cast<char>(kBackspace))) {
        const TComboSelection selection = BackspaceSearchSelection(Utf8Length(text), {SelStart(), SelLength()});
        SetSelStart(selection.Start);
        SetSelLength(selection.Length);
        return false;
    }
    const std::string prefix = Utf8Copy(text, 1, SelStart()) + S;
    EnsureItems();
    return LocateItemText(prefix, true);
}

void TCustomDBComboBoxLt::KeyDown(unsigned& Key, TShiftState Shift)
{
    TCustomDBEditLt::KeyDown(Key, Shift);
    if (Key == 0)
        return;
    if ((Key == VK_UP || Key == VK_DOWN) && !Shift.Contains(ssAlt)) {
        const bool wholeTextSelected = SelStart() == 0 && SelLength() == Utf8Length(EditText());
        if ((!WordWrap() || wholeTextSelected) && !ReadOnly() && !FListVisible && StartEditingLt()) {
            StepItem(Key == VK_UP);
            Key = 0;
        }
        return;
    }
    if (!KeyBased() || ReadOnly())
        return;
    if (Key == VK_DELETE && Shift.Empty()) {
        const TField* field = FieldLink()->Field();
        if ((IsUnbound() || (field && !field->Required())) && StartEditingLt()) {
            ApplyValue(Variant::Null());
            Key = 0;
        }
        return;
    }
    const bool paste = (Key == 'V' && Shift == TShiftState{ssCtrl}) || (Key == VK_INSERT && Shift == TShiftState{ssShift});
    if (paste) {
        const std::string text = Clipboard()->AsText();
        if (!text.empty())
            TypeAheadSearch(text);
        Key = 0;
    }
}

void TCustomDBComboBoxLt::KeyPress(char32_t& Key)
{
    if (FListVisible && (Key == kEnter || Key == kEscape)) {
        CloseUp(Key == kEnter);
        Key = 0;
        return;
    }
    TCustomDBEditLt::KeyPress(Key);
    if (Key == 0)
        return;
    if (Key == kBackspace && KeyBased() && !ReadOnly()) {
        TypeAheadSearch(std::string(1, static_cast<char>(kBackspace)));
        Key = 0;
        return;
    }
    if (Key <= 31)
        return;
    if (FDropDownBox->AutoDrop() && !FListVisible)
        DropDown();
    if (KeyBased()) {
        if (!ReadOnly()) {
            TypeAheadSearch(Utf32ToUtf8(std::u32string(1, Key)));
            Key = 0;
        }
        return;
    }
    if (Key == kFullStop || KeyboardShiftState().Contains(ssCtrl) || TEdit::ReadOnly() || IsMasked())
        return;
    TypeCharacter(Key);
    Key = 0;
}

// Text mode: puts the typed character in place of the selection and, when
// the caret then ends the text, completes it to the first item that begins
// with it. The text is the operator's own: a text that no item continues
// stays as typed (its ItemIndex was already re-derived as -1, so the search
// finds nothing to undo).
void TCustomDBComboBoxLt::TypeCharacter(char32_t Key)
{
    SetSelText(Utf32ToUtf8(std::u32string(1, Key)));
    TypedTextChanged();
    if (SelLength() == 0 && SelStart() == Utf8Length(EditText()))
        TypeAheadSearch("");
}

void TCustomDBComboBoxLt::MainButtonDown(bool IsDownButton)
{
    if (EditButton()->Style() != ebsUpDownLt) {
        TCustomDBEditLt::MainButtonDown(IsDownButton);
        return;
    }
    StepItem(!IsDownButton);
}
