#pragma once
// Menus: a tree of menu items (a caption of "-" is a separator line) and the
// popup menu that shows it at a point of the screen, or when the right mouse
// button is released over a control whose PopupMenu it is.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/actnlist.h"
#include "platform/ui/componentref.h"
#include "platform/ui/imglist.h"
#include "platform/ui/shortcuts.h"

class QObject;
class TControl;

class TMenu;

class TMenuItem : public TComponent {
    LT_CLASS(TMenuItem)
public:
    explicit TMenuItem(TComponent* AOwner);
    // Frees its sub-items and leaves its parent.
    ~TMenuItem() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value) { FCaption = Value; }
    bool IsLine() const { return FCaption == "-"; }
    // A checked radio item of a GroupIndex unchecks its siblings of that
    // group.
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool Value) { FDefault = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value) { FShortCut = Value; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool Value) { FRadioItem = Value; }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value) { FGroupIndex = Value; }
    // A click toggles Checked.
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool Value) { FAutoCheck = Value; }
    TBasicAction* Action() const { return FActionLink->Action(); }
    void SetAction(TBasicAction* Value) { FActionLink->SetAction(Value); }
    const TNotifyEvent& OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent Value) { FOnClick = std::move(Value); }

    // The sub-items.
    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int Index) const;
    TMenuItem* operator[](int Index) const { return Items(Index); }
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    void Remove(TMenuItem* Item);
    // Frees the sub-item.
    void Delete(int Index);
    void Clear();
    int IndexOf(const TMenuItem* Item) const;
    TMenuItem* Parent() const { return FParent; }
    int MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }
    void SetMenuIndex(int Value);
    // The menu the item belongs to, or nullptr.
    TMenu* GetParentMenu() const;
    // Whether Item is this one or below it.
    bool Contains(const TMenuItem* Item) const;

    // What choosing the item does: toggles an AutoCheck item, then OnClick,
    // or without one the action. Disabled items do nothing.
    virtual void Click();
    // Lets the actions of the item and its sub-items update them.
    void InitiateAction();

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const override;

private:
    friend class TMenu;
    class TLink;
    void UncheckGroup();

    std::string FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    bool FDefault = false;
    int FImageIndex = -1;
    TShortCut FShortCut = scNone;
    std::string FHint;
    bool FRadioItem = false;
    int FGroupIndex = 0;
    bool FAutoCheck = false;
    TNotifyEvent FOnClick;
    std::unique_ptr<TActionLink> FActionLink;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr;   // set on a menu's root item
    std::vector<TMenuItem*> FItems;
};

class TMenu : public TComponent {
    LT_CLASS(TMenu)
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    // The root item; its sub-items are the menu's items.
    TMenuItem* Items() const { return FItems.get(); }
    TCustomImageList* Images() const { return FImages.Get(); }
    void SetImages(TCustomImageList* Value) { FImages.Set(Value); }
    // The item (at any depth) with this shortcut, or nullptr.
    TMenuItem* FindItemByShortCut(TShortCut ShortCut) const;

    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const override;

private:
    std::unique_ptr<TMenuItem> FItems;
    TComponentRef<TCustomImageList> FImages;
};

enum TPopupAlignment { paLeft, paRight, paCenter };
LT_ENUM_INFO(TPopupAlignment, paLeft, paRight, paCenter)

class TPopupMenu;
// Answers a popup menu instead of the operator (tests): gets the menu and
// the point it would show at, returns the item to click or nullptr.
using TPopupMenuHook = std::function<TMenuItem*(TPopupMenu* Menu, int X, int Y)>;

class TPopupMenu : public TMenu {
    LT_CLASS(TPopupMenu)
public:
    explicit TPopupMenu(TComponent* AOwner);
    static void SetPopupHook(TPopupMenuHook Hook);

    // Which edge of the menu X names: paLeft its left, paRight its right,
    // paCenter its middle.
    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }

    // Shows the menu with its top edge at X, Y of the screen and
    // returns when it closes, after the chosen item's Click.
    virtual void Popup(int X, int Y);
    // Whether a right click on a control that names this menu shows it.
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }
    // The control the menu was last shown for.
    TComponent* PopupComponent() const { return FPopupComponent.Get(); }
    void SetPopupComponent(TComponent* Value) { FPopupComponent.Set(Value); }
    // Raised before the menu shows.
    const TNotifyEvent& OnPopup() const { return FOnPopup; }
    void SetOnPopup(TNotifyEvent Value) { FOnPopup = std::move(Value); }

private:
    TPopupAlignment FAlignment = paLeft;
    bool FAutoPopup = true;
    TComponentRef<TComponent> FPopupComponent;
    TNotifyEvent FOnPopup;
};

// The PopupMenu property of a control: a control class holds one and
// publishes PopupMenu through it. The menu shows where the right mouse button
// is released over the control (or over the scrolled area of a list), after
// the control has seen the button go up; the widget's own context menu is
// off while a menu is assigned.
class TControlPopup {
public:
    explicit TControlPopup(TControl* Control);
    TControlPopup(const TControlPopup&) = delete;
    TControlPopup& operator=(const TControlPopup&) = delete;
    ~TControlPopup();

    TPopupMenu* Menu() const { return FMenu.Get(); }
    void SetMenu(TPopupMenu* Value);

private:
    class TFilter;
    void Install();
    void UpdatePolicy();

    TControl* FControl;
    TComponentRef<TPopupMenu> FMenu;
    std::unique_ptr<TFilter> FFilter;
};
