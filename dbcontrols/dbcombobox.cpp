#include "dbcontrols/dbcombobox.h"

#include "dbcontrols/comboitems.h"
#include "dbcontrols/stringlistlt.h"
#include "dbcontrols/variantsmatch.h"
#include "platform/data/fields.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/stringlist.h"

LT_IMPLEMENT_CLASS(TCustomDBComboBoxLt, TCustomDBEditLt)
{
}

LT_IMPLEMENT_CLASS(TDBComboBoxLt, TCustomDBComboBoxLt)
{
    P.Property("Items", &TDBComboBoxLt::Items, &TDBComboBoxLt::SetItems);
    P.Property("KeyItems", &TDBComboBoxLt::KeyItems, &TDBComboBoxLt::SetKeyItems);
    P.Property("DropDownBox", &TDBComboBoxLt::DropDownBox, &TDBComboBoxLt::SetDropDownBox);
    P.Property("Images", &TDBComboBoxLt::EditImage);
    P.Property("EditMask", &TDBComboBoxLt::EditMask, &TDBComboBoxLt::SetEditMask);
    P.Property("WordWrap", &TDBComboBoxLt::WordWrap, &TDBComboBoxLt::SetWordWrap).Default(0);
    P.Property("Alignment", &TDBComboBoxLt::Alignment, &TDBComboBoxLt::SetAlignment).Default(taLeftJustify);
    P.Property("OnDropDown", &TDBComboBoxLt::OnDropDown, &TDBComboBoxLt::SetOnDropDown);
    P.Property("OnCloseUp", &TDBComboBoxLt::OnCloseUp, &TDBComboBoxLt::SetOnCloseUp);
    P.Property("OnGetItemImageIndex", &TDBComboBoxLt::OnGetItemImageIndex, &TDBComboBoxLt::SetOnGetItemImageIndex);
    P.Property("OnNotInList", &TDBComboBoxLt::OnNotInList, &TDBComboBoxLt::SetOnNotInList);
}

TCustomDBComboBoxLt::TCustomDBComboBoxLt(TComponent* AOwner)
    : TCustomDBEditLt(AOwner), FItems(std::make_unique<TStringList>()), FKeyItems(std::make_unique<TStringListLt>()),
      FDropDownBox(std::make_unique<TDropDownBoxLt>())
{
    FKeyItems->SetCaseSensitive(true);
    FItems->OnChange = [this](TStrings*) { ItemsChanged(false); };
    FKeyItems->OnChange = [this](TStrings*) { ItemsChanged(true); };
}

TCustomDBComboBoxLt::~TCustomDBComboBoxLt()
{
    FItems->OnChange = nullptr;
    FKeyItems->OnChange = nullptr;
}

std::unique_ptr<TEditButtonLt> TCustomDBComboBoxLt::MakeMainButton()
{
    return std::make_unique<TVisibleEditButtonLt>(this);
}

TStrings* TCustomDBComboBoxLt::Items() const
{
    return FItems.get();
}

// Only the strings are copied: the lists keep their own case rules.
void TCustomDBComboBoxLt::SetItems(const TStrings* Value)
{
    FItems->TStrings::Assign(Value);
}

TStrings* TCustomDBComboBoxLt::KeyItems() const
{
    return FKeyItems.get();
}

void TCustomDBComboBoxLt::SetKeyItems(const TStrings* Value)
{
    FKeyItems->TStrings::Assign(Value);
}

bool TCustomDBComboBoxLt::KeyBased() const
{
    return FKeyItems->Count() > 0;
}

void TCustomDBComboBoxLt::SetDropDownBox(const TDropDownBoxLt* Value)
{
    FDropDownBox->Assign(Value);
}

void TCustomDBComboBoxLt::ItemsChanged(bool KeyItemsChanged)
{
    // A list assigned from another TStringList takes over its case rule.
    FItems->SetCaseSensitive(false);
    FKeyItems->SetCaseSensitive(true);
    FItemCount = ComboItemCount(*FItems, *FKeyItems);
    if (KeyBased())
        TCustomMaskEdit::SetText("");
    RefreshReadOnly();
    ReindexFromText();
    if (KeyBased())
        SetMaxLength(0);
    SetCursor(KeyBased() ? crArrow : crDefault);
    if (KeyItemsChanged)
        ShowLinkValue();
}

// ItemIndex := the first item equal to the edit text; the open list and the
// item image follow.
void TCustomDBComboBoxLt::ReindexFromText()
{
    FItemIndex = ComboIndexOfText(*FItems, FItemCount, EditText());
    SelectInList();
    RefreshItemImage();
}

void TCustomDBComboBoxLt::RefreshItemImage()
{
    int index = FItemIndex;
    if (FOnGetItemImageIndex)
        FOnGetItemImageIndex(this, FItemIndex, index);
    FItemImageIndex = index;
    RefreshImageIndex();
}

int TCustomDBComboBoxLt::ImplicitImageIndex() const
{
    return FItemImageIndex;
}

void TCustomDBComboBoxLt::SelectInList()
{
    if (FList && FListVisible)
        FList->SetItemIndex(FItemIndex);
}

void TCustomDBComboBoxLt::EnsureItems()
{
    if (FItems->Count() == 0 && ItemsRequest)
        ItemsRequest(this);
}

// Posts even inside OnUpdateData, but straight to the link there: raising
// OnUpdateData again from its own handler would never end.
void TCustomDBComboBoxLt::SetItemIndex(int Value)
{
    if (ComponentState().Contains(csDesigning) && !IsUnbound())
        return;
    if (!IsUnbound())
        FieldLink()->Edit();
    ApplyItemIndex(Value);
    try {
        if (Posting())
            PostToLink();
        else
            UpdateData();
    } catch (...) {
        FieldLink()->Revert();
        throw;
    }
}

void TCustomDBComboBoxLt::ApplyItemIndex(int Index)
{
    if (Index == FItemIndex)
        return;
    if (FItems->Count() == 0)
        EnsureItems();
    if (Index < 0 || Index >= FItemCount) {
        FItemIndex = -1;
        FKeyValue = Variant::Null();
    } else {
        FItemIndex = Index;
        if (KeyBased())
            FKeyValue = Variant(FKeyItems->Get(Index));
    }
    RefreshItemImage();
    SelectInList();
    ShowItemText();
}

// Shows the text of the chosen item; the change notification re-derives the
// index from it, so with equal item texts the first of them wins.
void TCustomDBComboBoxLt::ShowItemText()
{
    TCustomMaskEdit::SetText(FItemIndex < 0 ? std::string() : FItems->Get(FItemIndex));
}

void TCustomDBComboBoxLt::Change()
{
    if (!KeyBased())
        ReindexFromText();
    TCustomDBEditLt::Change();
}

void TCustomDBComboBoxLt::ApplyText(const std::string& Text)
{
    if (!KeyBased()) {
        TCustomDBEditLt::ApplyText(Text);
        ReindexFromText();
        return;
    }
    const int index = ComboIndexOfText(*FItems, FItemCount, Text);
    if (index < 0)
        return;
    FItemIndex = index;
    RefreshItemImage();
    SelectInList();
    FKeyValue = Variant(FKeyItems->Get(index));
    TCustomDBEditLt::ApplyText(FItems->Get(index));
}

void TCustomDBComboBoxLt::ApplyValue(const Variant& Value)
{
    if (!KeyBased()) {
        TCustomDBEditLt::ApplyText(VariantToText(Value));
        ReindexFromText();
        return;
    }
    FKeyValue = Value;
    if (Value.IsNull()) {
        FItemIndex = -1;
        TCustomDBEditLt::ApplyText("");
    } else {
        const int index = FKeyItems->IndexOf(VariantToText(Value));
        FItemIndex = index < FItemCount ? index : -1;
        TCustomDBEditLt::ApplyText(FItemIndex < 0 ? std::string() : FItems->Get(FItemIndex));
    }
    RefreshItemImage();
    SelectInList();
}

Variant TCustomDBComboBoxLt::CurrentValue() const
{
    return KeyBased() ? FKeyValue : Variant(Text());
}

// A key-based combo without an item posts Null, so clearing it never turns
// a missing value into an empty string.
void TCustomDBComboBoxLt::PostToLink()
{
    const Variant value = CurrentValue();
    if (KeyBased() && value.IsNull())
        FieldLink()->PostValue(value);
    else if (!IsUnbound() || KeyBased())
        FieldLink()->PostText(VariantToText(value));
    else
        FieldLink()->PostText(EditText());
}

void TCustomDBComboBoxLt::ShowLinkValue()
{
    if (!KeyBased()) {
        TCustomDBEditLt::ShowLinkValue();
        return;
    }
    TFieldDataLinkLt* link = FieldLink();
    if (TField* field = link->Field()) {
        if (!EditMaskAssigned())
            TCustomMaskEdit::SetEditMask(field->EditMask());
        ApplyValue(field->IsNull() ? Variant::Null() : Variant(field->Text()));
    } else {
        if (!EditMaskAssigned())
            TCustomMaskEdit::SetEditMask("");
        ApplyValue(link->Unbound() ? link->UnboundValue() : Variant::Null());
    }
    RefreshReadOnly();
    SetModified(false);
    RefreshImageIndex();
    Invalidate();
}

// The edit window of a key-based combo is always read-only: typing searches.
void TCustomDBComboBoxLt::RefreshReadOnly()
{
    TCustomDBEditLt::RefreshReadOnly();
    if (KeyBased())
        TEdit::SetReadOnly(true);
}

void TCustomDBComboBoxLt::UpdateData()
{
    if (FOnNotInList && FItemIndex == -1) {
        bool recheck = false;
        FOnNotInList(this, EditText(), recheck);
    }
    TCustomDBEditLt::UpdateData();
}

void TCustomDBComboBoxLt::Clear()
{
    if (KeyBased())
        SetValue(Variant::Null());
    else
        SetText("");
}

std::string TCustomDBComboBoxLt::PaintCopyText() const
{
    const TField* field = FieldLink()->Field();
    if (!KeyBased() || !field)
        return TCustomDBEditLt::PaintCopyText();
    const int index = FKeyItems->IndexOf(field->Text());
    return index >= 0 && index < FItemCount ? FItems->Get(index) : std::string();
}

bool TCustomDBComboBoxLt::AcceptsChar(char32_t Ch) const
{
    return KeyBased() || TCustomDBEditLt::AcceptsChar(Ch);
}
