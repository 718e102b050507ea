#pragma once
// The small buttons inside an editor's right edge (or an editable grid
// cell): how one is described and the collection of them.
#include <functional>
#include <memory>
#include <string>

#include "platform/rtl/collection.h"
#include "platform/ui/actnlist.h"
#include "platform/ui/componentref.h"
#include "platform/ui/menus.h"
#include "platform/ui/picture.h"
#include "platform/ui/shortcuts.h"

class TWinControl;
class TEditButtonControlLt;

enum TEditButtonStyleLt { ebsDropDownLt, ebsEllipsisLt, ebsGlyphLt, ebsUpDownLt, ebsPlusLt, ebsMinusLt };
LT_ENUM_INFO(TEditButtonStyleLt, ebsDropDownLt, ebsEllipsisLt, ebsGlyphLt, ebsUpDownLt, ebsPlusLt, ebsMinusLt)

using TButtonClickEventLt = std::function<void(TObject* Sender, bool& Handled)>;
using TButtonDownEventLt = std::function<void(TObject* Sender, bool TopButton, bool& AutoRepeat, bool& Handled)>;

class TEditButtonLt;
using TEditButtonChangedEventLt = std::function<void(TEditButtonLt* Sender)>;

// Links an edit button to a TCustomAction: Enabled, Hint, ShortCut and
// Visible follow the action while the button still shows the action's value.
class TEditButtonActionLinkLt : public TActionLink {
public:
    explicit TEditButtonActionLinkLt(TEditButtonLt* Client) : FClient(Client) {}

    void SetEnabled(bool Value) override;
    void SetHint(const std::string& Value) override;
    void SetShortCut(TShortCut Value) override;
    void SetVisible(bool Value) override;

    bool IsEnabledLinked() const;
    bool IsHintLinked() const;
    bool IsShortCutLinked() const;
    bool IsVisibleLinked() const;

protected:
    void ActionAssigned() override;

private:
    TEditButtonLt* FClient;
};

class TEditButtonLt : public TCollectionItem {
    LT_CLASS(TEditButtonLt)
public:
    // An item of an edit-button collection.
    explicit TEditButtonLt(TCollection* Collection);
    // The single main button of EditControl.
    explicit TEditButtonLt(TWinControl* EditControl);
    ~TEditButtonLt() override;

    TBasicAction* Action() const;
    void SetAction(TBasicAction* Value);
    TPopupMenu* DropdownMenu() const { return FDropdownMenu.Get(); }
    void SetDropdownMenu(TPopupMenu* Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value);
    // Clamped to 1..4.
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value);
    TEditButtonStyleLt Style() const { return FStyle; }
    void SetStyle(TEditButtonStyleLt Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // 0 or less: automatic width.
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    const TButtonClickEventLt& OnClick() const { return FOnClick; }
    void SetOnClick(TButtonClickEventLt Value) { FOnClick = std::move(Value); }
    const TButtonDownEventLt& OnDown() const { return FOnDown; }
    void SetOnDown(TButtonDownEventLt Value) { FOnDown = std::move(Value); }

    // The editor that owns a main button; nullptr for collection items.
    TWinControl* EditControl() const { return FEditControl; }
    // Called after every change instead of the collection's notification.
    const TEditButtonChangedEventLt& OnChanged() const { return FOnChanged; }
    void SetOnChanged(TEditButtonChangedEventLt Value) { FOnChanged = std::move(Value); }

    // OnClick when assigned; otherwise the action, with the owning editor
    // (or the collection's owner component) as target, setting Handled.
    void PerformClick(TObject* Sender, bool& Handled);
    // A control showing this button, owned by and parented to EditControl.
    virtual TEditButtonControlLt* MakeButtonControl(TWinControl* EditControl);

    void Assign(const TPersistent* Source) override;

    // The action link, when an action was ever assigned.
    TEditButtonActionLinkLt* ActionLink() const { return FActionLink.get(); }
    // The values a description leaves out.
    TShortCut StoredDefaultShortCut() const { return DefaultShortCut(); }
    bool StoredDefaultVisible() const { return DefaultVisible(); }

protected:
    void Changed();
    // The defaults a descendant gives; stored values differ from them.
    virtual TShortCut DefaultShortCut() const { return scNone; }
    virtual bool DefaultVisible() const { return false; }
    // For descendants' constructors.
    void InitDefaults();

private:
    friend class TEditButtonActionLinkLt;
    bool IsLoading() const;

    TWinControl* FEditControl = nullptr;
    std::unique_ptr<TEditButtonActionLinkLt> FActionLink;
    TComponentRef<TPopupMenu> FDropdownMenu;
    bool FEnabled = true;
    std::unique_ptr<TBitmap> FGlyph;
    std::string FHint;
    int FNumGlyphs = 1;
    TShortCut FShortCut = scNone;
    TEditButtonStyleLt FStyle = ebsDropDownLt;
    bool FVisible = false;
    int FWidth = 0;
    TButtonClickEventLt FOnClick;
    TButtonDownEventLt FOnDown;
    TEditButtonChangedEventLt FOnChanged;
};

// Alt+Down presses it.
constexpr TShortCut scAltDownLt = scAlt | 0x28;

class TDropDownEditButtonLt : public TEditButtonLt {
    LT_CLASS(TDropDownEditButtonLt)
public:
    explicit TDropDownEditButtonLt(TCollection* Collection);
    explicit TDropDownEditButtonLt(TWinControl* EditControl);

protected:
    TShortCut DefaultShortCut() const override { return scAltDownLt; }
};

class TVisibleEditButtonLt : public TEditButtonLt {
    LT_CLASS(TVisibleEditButtonLt)
public:
    explicit TVisibleEditButtonLt(TCollection* Collection);
    explicit TVisibleEditButtonLt(TWinControl* EditControl);

protected:
    TShortCut DefaultShortCut() const override { return scAltDownLt; }
    bool DefaultVisible() const override { return true; }
};

using TEditButtonsChangedEventLt = std::function<void(TCollectionItem* Item)>;

// The edit buttons of an editor or grid column.
class TEditButtonsLt : public TCollection {
    LT_CLASS(TEditButtonsLt)
public:
    TEditButtonsLt(TPersistent* AOwner, TItemFactory ItemFactory);

    TEditButtonLt* ButtonAt(int Index) const;
    TEditButtonLt* Add();

    // Called with the changed item (nullptr: all) after the collection's
    // own update handling.
    const TEditButtonsChangedEventLt& OnChanged() const { return FOnChanged; }
    void SetOnChanged(TEditButtonsChangedEventLt Value) { FOnChanged = std::move(Value); }

protected:
    void Update(TCollectionItem* Item) override;

private:
    TEditButtonsChangedEventLt FOnChanged;
};
