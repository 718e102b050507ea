#pragma once
// The combo box: an edit with a list of items that it drops down.
//
// Text mode (KeyItems empty): the value is the text, typing completes the
// text to the first item that begins with it, and any text is allowed.
// Key-based mode (KeyItems not empty): every item has the key at the same
// index, the value is the key of the chosen item, typing searches the items
// instead of editing the text, and only listed items can be chosen.
//
// In text mode ItemIndex follows the text: every change of it, typed or
// set, finds the first item equal to it (case ignored), so a text that no
// item matches leaves ItemIndex at -1 and is never blanked by a search. In
// key-based mode the key decides the item, so items with equal texts keep
// their own keys.
#include <functional>
#include <memory>
#include <string>

#include "dbcontrols/dbeditlt.h"
#include "dbcontrols/dropdownboxlt.h"
#include "dbcontrols/popuplistboxlt.h"
#include "platform/rtl/variant.h"
#include "platform/ui/presswatch.h"

class TStringList;
class TStringListLt;

using TCloseUpEventLt = std::function<void(TObject* Sender, bool& Accept)>;
using TNotInListEventLt = std::function<void(TObject* Sender, const std::string& NewText, bool& RecheckInList)>;

class TCustomDBComboBoxLt : public TCustomDBEditLt {
    LT_CLASS(TCustomDBComboBoxLt)
public:
    // Makes the list a combo drops down; an owner such as a grid's filter row
    // gives its own class of list.
    using TPopupListFactory = std::function<TPopupListboxLt*(TCustomDBComboBoxLt* Combo)>;

    explicit TCustomDBComboBoxLt(TComponent* AOwner);
    ~TCustomDBComboBoxLt() override;

    // Not case-sensitive; setting copies the strings.
    TStrings* Items() const;
    void SetItems(const TStrings* Value);
    // Case-sensitive; setting copies the strings.
    TStrings* KeyItems() const;
    void SetKeyItems(const TStrings* Value);
    bool KeyBased() const;
    // Items offered: Items.Count, or in key-based mode the shorter of the lists.
    int ItemCount() const { return FItemCount; }

    int ItemIndex() const { return FItemIndex; }
    // Chooses an item (-1: none), shows its text and posts it.
    void SetItemIndex(int Value);

    TDropDownBoxLt* DropDownBox() const { return FDropDownBox.get(); }
    void SetDropDownBox(const TDropDownBoxLt* Value);

    // The list, once a drop-down or a search has made it; nullptr before.
    TPopupListboxLt* PopupList() const { return FList; }
    bool ListVisible() const { return FListVisible; }

    void DropDown() override;
    void CloseUp(bool Accept) override;
    // Key-based: the value becomes Null; text mode: the text becomes empty.
    void Clear();
    // Moves to the prior or the next item and selects the text.
    void StepItem(bool Prior);

    const TNotifyEvent& OnDropDown() const { return FOnDropDown; }
    void SetOnDropDown(TNotifyEvent Value) { FOnDropDown = std::move(Value); }
    const TCloseUpEventLt& OnCloseUp() const { return FOnCloseUp; }
    void SetOnCloseUp(TCloseUpEventLt Value) { FOnCloseUp = std::move(Value); }
    const TListGetImageIndexEventLt& OnGetItemImageIndex() const { return FOnGetItemImageIndex; }
    void SetOnGetItemImageIndex(TListGetImageIndexEventLt Value) { FOnGetItemImageIndex = std::move(Value); }
    const TNotInListEventLt& OnNotInList() const { return FOnNotInList; }
    void SetOnNotInList(TNotInListEventLt Value) { FOnNotInList = std::move(Value); }

    // Owner callbacks, not published: a last say on accepting a closing
    // list, the items asked for when Items is empty, the class of list.
    TCloseUpEventLt BeforeCloseUp;
    TNotifyEvent ItemsRequest;
    TPopupListFactory PopupListFactory;

    void Dispatch(TMessage& Message) override;

protected:
    // Selects the first item equal to S (with Partial: beginning with S) and
    // selects the completed rest of the text; true when ItemIndex changed.
    virtual bool LocateItemText(const std::string& S, bool Partial);
    // Searches the items for the text before the caret followed by S; a
    // single backspace instead grows the selection to the left.
    virtual bool TypeAheadSearch(const std::string& S);
    // Asks for the items when Items is empty.
    virtual void EnsureItems();
    // Chooses the item at Index (out of range: none) and shows its text.
    virtual void ApplyItemIndex(int Index);

    // A visible drop-down button, pressed also by Alt+Down.
    std::unique_ptr<TEditButtonLt> MakeMainButton() override;
    Variant CurrentValue() const override;
    int ImplicitImageIndex() const override;
    std::string PaintCopyText() const override;
    bool AcceptsChar(char32_t Ch) const override;
    void ApplyText(const std::string& Text) override;
    void ApplyValue(const Variant& Value) override;
    void PostToLink() override;
    void UpdateData() override;
    void ShowLinkValue() override;
    void RefreshReadOnly() override;
    void MainButtonDown(bool IsDownButton) override;
    void ButtonControlMouseMove(TObject* Sender, TShiftState Shift, int X, int Y) override;
    void ButtonControlMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Change() override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;

private:
    void ItemsChanged(bool KeyItemsChanged);
    void ReindexFromText();
    void RefreshItemImage();
    void SelectInList();
    void ShowItemText();
    void CreateList();
    bool HandleKeyBasedMouse(TMessage& Message);
    void TypeCharacter(char32_t Key);
    bool RouteKeyToList(TMessage& Message);
    // Where a point of the main button lies on the list, in the list's
    // coordinates; false when it is not over the list.
    bool ButtonPointOnList(TObject* Sender, int X, int Y, TPoint& OnList) const;
    // A press anywhere but on the combo, its buttons and its list closes
    // the open list without its choice.
    void PressedWhileOpen(TControl* Pressed);

    std::unique_ptr<TStringList> FItems;
    std::unique_ptr<TStringListLt> FKeyItems;
    std::unique_ptr<TDropDownBoxLt> FDropDownBox;
    TPopupListboxLt* FList = nullptr;   // owned by the combo
    std::unique_ptr<TMousePressWatch> FPressWatch;
    int FItemCount = 0;
    int FItemIndex = -1;
    Variant FKeyValue = Variant::Null();
    int FItemImageIndex = -1;
    bool FListVisible = false;
    bool FListSizedByUser = false;
    bool FDraggedIntoList = false;
    TNotifyEvent FOnDropDown;
    TCloseUpEventLt FOnCloseUp;
    TListGetImageIndexEventLt FOnGetItemImageIndex;
    TNotInListEventLt FOnNotInList;
};

// The combo box as descriptions publish it.
class TDBComboBoxLt : public TCustomDBComboBoxLt {
    LT_CLASS(TDBComboBoxLt)
public:
    explicit TDBComboBoxLt(TComponent* AOwner) : TCustomDBComboBoxLt(AOwner) {}
};
