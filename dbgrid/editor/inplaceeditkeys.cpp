// The data grid editor's keys: completing typed text from the pick list or
// the lookup dataset, Delete and Backspace on list cells, pasting into them,
// the keys handed to the grid and the edit buttons' shortcuts.
#include <algorithm>

#include "dbcontrols/comboitems.h"
#include "dbcontrols/mrulistboxlt.h"
#include "dbcontrols/popuplistboxlt.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/editor/dbgridinplaceedit.h"
#include "dbgrid/lookup/popupdatagridlt.h"
#include "platform/data/fields.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/beep.h"
#include "platform/ui/clipbrd.h"

namespace {
constexpr char32_t kBackspace = 8;
constexpr unsigned kQuoteKey = 222;   // Ctrl+' copies the value of the record above
} // namespace

bool TDBGridInplaceEdit::GridAllowsEditing() const
{
    const TCustomDBGridLt* grid = DBGrid();
    return grid && !grid->ReadOnly() && grid->DataLinkActive() && !grid->DataLink()->ReadOnly() &&
           grid->Options().Contains(dgEditing);
}

bool TDBGridInplaceEdit::IsListColumn() const
{
    return FEditStyle == iesPickListLt || IsKeyedListColumn();
}

bool TDBGridInplaceEdit::IsKeyedListColumn() const
{
    const TColumnLt* column = Column();
    return column && (FEditStyle == iesDataListLt || column->ColumnKind() == ckKeyPickListLt);
}

void TDBGridInplaceEdit::SetTextFromCode(const std::string& Text)
{
    FTextFromCode = true;
    try {
        SetText(Text);
    } catch (...) {
        FTextFromCode = false;
        throw;
    }
    FTextFromCode = false;
}

void TDBGridInplaceEdit::SetTextSelectingFrom(const std::string& Text, int From)
{
    SetTextFromCode(Text);
    SetSelStart(From);
    SetSelLength(Utf8Length(Text) - From);
}

void TDBGridInplaceEdit::TellGridText()
{
    TCustomDBGridLt* grid = DBGrid();
    grid->SetEditText(grid->Col(), grid->Row(), Text());
}

// Found: the typed prefix stays as typed and the rest of the found text
// follows it, selected. Not found: with OnNotInList the text is typed as it
// is and the key cleared, without it refused.
TDBGridInplaceEdit::TTypeAheadLt TDBGridInplaceEdit::SearchLookup(const std::string& Prefix)
{
    TCustomDBGridLt* grid = DBGrid();
    TColumnLt* column = Column();
    TField* field = column->BoundField();
    TDataSet* lookup = column->LookupSourceDataSet();
    if (!field || !lookup || !GridAllowsEditing())
        return TTypeAheadLt::TypeIt;
    bool found = false;
    try {
        found = lookup->Locate(field->LookupResultField(), Variant(Prefix), {loCaseInsensitive, loPartialKey});
    } catch (const Exception&) {
        found = false;   // a failing search is a text not in the list
    }
    if (!found) {
        if (!column->OnNotInList())
            return TTypeAheadLt::Refused;
        grid->SetEditKeyValue(Variant::Null());
        return TTypeAheadLt::TypeIt;
    }
    if (!column->CanEditValue(true))
        return TTypeAheadLt::Refused;
    const std::string result = lookup->FieldByName(field->LookupResultField())->Text();
    const int typed = Utf8Length(Prefix);
    grid->SetEditKeyValue(lookup->FieldValues(field->LookupKeyFields()));
    SetTextSelectingFrom(Prefix + Utf8Copy(result, typed + 1, Utf8Length(result) - typed), typed);
    TellGridText();
    if (FDataList && FListShown)
        FDataList->SetSelectedKey(grid->EditKeyValue());
    return TTypeAheadLt::Taken;
}

// The same over PickList; a plain pick list takes any text, a key/pick
// column only listed ones unless it has OnNotInList.
TDBGridInplaceEdit::TTypeAheadLt TDBGridInplaceEdit::SearchPickList(const std::string& Prefix)
{
    TCustomDBGridLt* grid = DBGrid();
    TColumnLt* column = Column();
    if (!GridAllowsEditing())
        return TTypeAheadLt::TypeIt;
    const TStrings& items = *column->PickList();
    const bool keyed = column->ColumnKind() == ckKeyPickListLt;
    const int count = keyed ? std::min(items.Count(), column->KeyList()->Count()) : items.Count();
    const int index = FindComboItem(items, count, Prefix, true);
    if (index < 0) {
        if (!keyed)
            return TTypeAheadLt::TypeIt;
        if (!column->OnNotInList())
            return TTypeAheadLt::Refused;
        grid->SetEditKeyValue(Variant::Null());
        if (FPickList && FListShown)
            FPickList->SetItemIndex(-1);
        return TTypeAheadLt::TypeIt;
    }
    if (!column->CanEditValue(true))
        return TTypeAheadLt::Refused;
    const std::string entry = items.Get(index);
    const int typed = Utf8Length(Prefix);
    if (keyed)
        grid->SetEditKeyValue(Variant(column->KeyList()->Get(index)));
    SetTextSelectingFrom(Prefix + Utf8Copy(entry, typed + 1, Utf8Length(entry) - typed), typed);
    TellGridText();
    if (FPickList && FListShown)
        FPickList->SetItemIndex(index);
    return TTypeAheadLt::Taken;
}

TDBGridInplaceEdit::TTypeAheadLt TDBGridInplaceEdit::SearchTyped(const std::string& Prefix)
{
    return FEditStyle == iesDataListLt ? SearchLookup(Prefix) : SearchPickList(Prefix);
}

void TDBGridInplaceEdit::FilterTypedText(std::string& Text)
{
    if (!IsListColumn() || Text.empty())
        return;
    switch (SearchTyped(Utf8Copy(this->Text(), 1, SelStart()) + Text)) {
    case TTypeAheadLt::TypeIt: return;
    case TTypeAheadLt::Refused: MessageBeep(0); [[fallthrough]];
    case TTypeAheadLt::Taken: Text.clear(); return;
    }
}

bool TDBGridInplaceEdit::HandleDeleteKey(unsigned& Key, TShiftState Shift)
{
    if ((Key != VK_DELETE && Key != VK_BACK) || !IsListColumn())
        return false;
    TCustomDBGridLt* grid = DBGrid();
    TColumnLt* column = Column();
    const int length = Utf8Length(Text());
    const bool wholeSelected = SelStart() == 0 && SelLength() == length && length > 0;
    if (Key == VK_DELETE && Shift.Empty() && wholeSelected) {
        if (!GridAllowsEditing() || !column->CanEditValue(true)) {
            Key = 0;
            return true;
        }
        grid->SetEditKeyValue(Variant::Null());
        SetTextFromCode("");
        TellGridText();
        if (FPickList && FListShown)
            FPickList->SetItemIndex(-1);
        if (FDataList && FListShown)
            FDataList->SetSelectedKey(Variant::Null());
        Key = 0;
        return true;
    }
    if (!IsKeyedListColumn())
        return false;
    if (!column->OnNotInList()) {
        // Nothing but listed texts: Delete does nothing, Backspace moves back.
        if (Key == VK_BACK) {
            SetSelStart(std::max(SelStart() - 1, 0));
            SetSelLength(0);
        }
        Key = 0;
        return true;
    }
    // Edit in place, then search again with what is left before the caret.
    int start = SelStart();
    int count = SelLength();
    if (count == 0) {
        if (Key == VK_BACK && start > 0) {
            --start;
            count = 1;
        } else if (Key == VK_DELETE && start < length) {
            count = 1;
        }
    }
    const std::string text = Text();
    const std::string left = Utf8Copy(text, 1, start) + Utf8Copy(text, start + count + 1, length - start - count);
    SetTextFromCode(left);
    SetSelStart(start);
    SetSelLength(0);
    if (start > 0)
        SearchTyped(Utf8Copy(left, 1, start));
    Key = 0;
    return true;
}

void TDBGridInplaceEdit::PasteIntoList()
{
    const std::string pasted = Clipboard()->AsText();
    const std::string text = Text();
    const int start = SelStart();
    const int length = Utf8Length(text);
    const std::string whole =
        Utf8Copy(text, 1, start) + pasted + Utf8Copy(text, start + SelLength() + 1, length - start - SelLength());
    switch (SearchTyped(whole)) {
    case TTypeAheadLt::Taken: return;
    case TTypeAheadLt::TypeIt: SetSelText(pasted); return;
    case TTypeAheadLt::Refused: MessageBeep(0); return;
    }
}

void TDBGridInplaceEdit::KeyDown(unsigned& Key, TShiftState Shift)
{
    if (HandleDropDownKey(Key, Shift))
        return;
    TCustomDBGridLt* grid = DBGrid();
    if (MRUListDroppedDown()) {
        const bool navigation = !Shift.Contains(ssAlt) &&
                                (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN ||
                                 (Shift.Contains(ssCtrl) && (Key == VK_HOME || Key == VK_END)));
        if (navigation) {
            FMRUListControl->Perform(WM_KEYDOWN, Key, 0);
            Key = 0;
            return;
        }
        if (Key == VK_RETURN || Key == VK_ESCAPE) {
            CloseUpMRUList(Key == VK_RETURN);
            Key = 0;
            return;
        }
    }
    const bool ctrlOnly = Shift == TShiftState{ssCtrl};
    if ((FEditStyle == iesEllipsisLt || FEditStyle == iesDropDownLt) && Key == VK_RETURN && ctrlOnly) {
        grid->EditButtonClick();
        Key = 0;
        return;
    }
    // Before Delete: the special row's shortcut is Alt+Delete unless set.
    if (SpecRowShortCut(Key, Shift)) {
        Key = 0;
        return;
    }
    if (HandleDeleteKey(Key, Shift))
        return;
    if (MovesBetweenLines(Key))
        return;
    if (IsKeyedListColumn() && ((Key == 'V' && ctrlOnly) || (Key == VK_INSERT && Shift == TShiftState{ssShift}))) {
        PasteIntoList();
        Key = 0;
        return;
    }
    const bool enterAsTab = Key == VK_RETURN && grid->OptionsLt().Contains(dghEnterAsTab);
    const bool copyAbove = Key == kQuoteKey && ctrlOnly;
    const bool find = Key == 'F' && ctrlOnly &&
                      (grid->OptionsLt().Contains(dghIncSearch) || grid->OptionsLt().Contains(dghDialogFind));
    if (enterAsTab || copyAbove || find) {
        grid->GridKeyDown(Key, Shift);
        Key = 0;
        return;
    }
    if (ShortCutPressesButton(Key, Shift)) {
        Key = 0;
        return;
    }
    if (Key == VK_BACK && Text().empty() && FMRUList && FMRUList->Active())
        DropDownMRUList();
    TInplaceEdit::KeyDown(Key, Shift);
}

bool TDBGridInplaceEdit::MovesBetweenLines(unsigned Key) const
{
    if (!FWordWrap || (Key != VK_UP && Key != VK_DOWN) || !DBGrid()->Options().Contains(dgAlwaysShowEditor))
        return false;
    if (SelStart() == 0 && SelLength() == Utf8Length(Text()))
        return false;
    return Key == VK_UP ? CaretLine() > 0 : CaretLine() < LineCount() - 1;
}

void TDBGridInplaceEdit::KeyPress(char32_t& Key)
{
    if (HandleDropDownChar(Key))
        return;
    if (Key == kBackspace && IsKeyedListColumn()) {
        Key = 0;   // handled with the key itself
        return;
    }
    if (Key >= 32 && IsListColumn()) {
        // The record goes into edit before the typed text is looked up, so
        // that the key the lookup chooses is not reloaded from the field.
        if (!BeginModify()) {
            Key = 0;
            return;
        }
        std::string typed = Utf32ToUtf8(std::u32string(1, Key));
        FilterTypedText(typed);
        if (typed.empty()) {
            Key = 0;
            return;
        }
    }
    TInplaceEdit::KeyPress(Key);
}
