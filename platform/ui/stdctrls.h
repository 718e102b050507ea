#pragma once
// The standard controls: labels, push buttons, check boxes, radio buttons,
// one-line edits, list boxes, group boxes, panels and scroll bars. Each
// windowed one stands on the Qt widget of its kind; labels and panels paint
// themselves on their canvas.
#include <functional>
#include <memory>
#include <string>

#include <QPointer>

#include "platform/rtl/alignment.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/actnlist.h"
#include "platform/ui/componentref.h"
#include "platform/ui/controls.h"
#include "platform/ui/forms.h"
#include "platform/ui/menus.h"
#include "platform/ui/qtsignals.h"

class QShortcut;
class TViewportMouse;

enum TTextLayout { tlTop, tlCenter, tlBottom };
LT_ENUM_INFO(TTextLayout, tlTop, tlCenter, tlBottom)
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
LT_ENUM_INFO(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
LT_ENUM_INFO(TEditCharCase, ecNormal, ecUpperCase, ecLowerCase)
enum TScrollBarKind { sbHorizontal, sbVertical };
LT_ENUM_INFO(TScrollBarKind, sbHorizontal, sbVertical)
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
LT_ENUM_INFO(TScrollCode, scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom,
             scEndScroll)
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
LT_ENUM_INFO(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)

using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

// A caption painted on the parent's background. With AutoSize the label
// fits its text (keeping its right edge when right-justified, its width
// when it wraps words). "&x" underlines x, and Alt+x focuses FocusControl.
class TLabel : public TGraphicControl {
    LT_CLASS(TLabel)
public:
    explicit TLabel(TComponent* AOwner);
    ~TLabel() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TWinControl* FocusControl() const { return FFocusControl.Get(); }
    void SetFocusControl(TWinControl* Value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    TPopupMenu* PopupMenu() const { return FPopup.Menu(); }
    void SetPopupMenu(TPopupMenu* Value) { FPopup.SetMenu(Value); }

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;
    void Loaded() override;
    // Fits the size to the text when AutoSize is on.
    void AdjustBounds();

private:
    unsigned DrawTextFlags() const;
    void UpdateAccelerator();

    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    TComponentRef<TWinControl> FFocusControl;
    TTextLayout FLayout = tlTop;
    bool FShowAccelChar = true;
    bool FTransparent = false;
    bool FWordWrap = false;
    TControlPopup FPopup{this};
    QPointer<QShortcut> FAccelerator;   // a child of the widget
};

// A push button. A click sets the ModalResult of the button's form, then
// runs OnClick or the action. Default buttons answer Enter in their window
// (unless another push button has the focus), Cancel buttons Escape.
class TButton : public TWinControl {
    LT_CLASS(TButton)
public:
    explicit TButton(TComponent* AOwner);
    ~TButton() override;

    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value);
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    TBasicAction* Action() const { return FActionLink.Action(); }
    void SetAction(TBasicAction* Value) { FActionLink.SetAction(Value); }
    TPopupMenu* PopupMenu() const { return FPopup.Menu(); }
    void SetPopupMenu(TPopupMenu* Value) { FPopup.SetMenu(Value); }

    virtual void Click();

protected:
    QWidget* CreateWidget() override;
    void TextChanged() override;

private:
    void UpdateKeys(QWidget* Button);

    bool FCancel = false;
    bool FDefault = false;
    TModalResult FModalResult = mrNone;
    TControlActionLink FActionLink{this};
    TControlPopup FPopup{this};
    QPointer<QShortcut> FEnterKey;   // children of the widget
    QPointer<QShortcut> FEscapeKey;
    TConnections FConnections;
};

// A check box; a change of state, by the user or the program, is a click
// (OnClick or the action). A user's click steps unchecked -> grayed (with
// AllowGrayed) -> checked -> unchecked.
class TCheckBox : public TWinControl {
    LT_CLASS(TCheckBox)
public:
    explicit TCheckBox(TComponent* AOwner);
    ~TCheckBox() override;

    // taRightJustify: the caption right of the box; taLeftJustify: left.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState Value);
    TBasicAction* Action() const { return FActionLink.Action(); }
    void SetAction(TBasicAction* Value) { FActionLink.SetAction(Value); }
    TPopupMenu* PopupMenu() const { return FPopup.Menu(); }
    void SetPopupMenu(TPopupMenu* Value) { FPopup.SetMenu(Value); }

    virtual void Click();

protected:
    QWidget* CreateWidget() override;
    void TextChanged() override;

private:
    TAlignment FAlignment = taRightJustify;
    bool FAllowGrayed = false;
    TCheckBoxState FState = cbUnchecked;
    int FSetting = 0;   // > 0 while the program sets the state
    TControlActionLink FActionLink{this};
    TControlPopup FPopup{this};
    TConnections FConnections;
};

// A radio button; the radio buttons of one parent exclude each other.
// Becoming checked is a click.
class TRadioButton : public TWinControl {
    LT_CLASS(TRadioButton)
public:
    explicit TRadioButton(TComponent* AOwner);
    ~TRadioButton() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool Checked() const;
    void SetChecked(bool Value);
    TBasicAction* Action() const { return FActionLink.Action(); }
    void SetAction(TBasicAction* Value) { FActionLink.SetAction(Value); }
    TPopupMenu* PopupMenu() const { return FPopup.Menu(); }
    void SetPopupMenu(TPopupMenu* Value) { FPopup.SetMenu(Value); }

    virtual void Click();

protected:
    QWidget* CreateWidget() override;
    void TextChanged() override;

private:
    TAlignment FAlignment = taRightJustify;
    TControlActionLink FActionLink{this};
    TControlPopup FPopup{this};
    TConnections FConnections;
};

// A one-line edit. Text changes by the user or the program raise OnChange;
// Modified is set by the user's edits and cleared when the program sets the
// text. Selection positions count characters as the widget does (UTF-16
// units).
class TEdit : public TWinControl {
    LT_CLASS(TEdit)
public:
    explicit TEdit(TComponent* AOwner);
    ~TEdit() override;

    std::string Text() const override;
    void SetText(const std::string& Value) override;
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool Value) { FAutoSelect = Value; }
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase Value);
    // 0: no limit.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value);
    bool Modified() const;
    void SetModified(bool Value);
    // '\0' shows the text; any other character hides it (the widget shows
    // its own mask character).
    char PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char Value);
    // PasswordChar as descriptions write it: a one-character string.
    std::string PasswordCharText() const { return FPasswordChar ? std::string(1, FPasswordChar) : std::string(); }
    void SetPasswordCharText(const std::string& Value) { SetPasswordChar(Value.empty() ? '\0' : Value[0]); }
    bool ReadOnly() const;
    void SetReadOnly(bool Value);
    // The window is multi-line (CreateParams asked for ES_MULTILINE): it
    // wraps words unless it scrolls horizontally (ES_AUTOHSCROLL).
    bool IsMultiLine() const;
    // The widget the text is painted on, for painting over it.
    QWidget* FaceWidget() const;
    void SetTextAlignment(TAlignment Value);
    // Lines as shown (wrapped lines count) and the one holding the caret,
    // from 0; a one-line window has one.
    int LineCount() const;
    int CaretLine() const;

    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    std::string SelText() const;
    void SetSelText(const std::string& Value);
    void SelectAll();
    void ClearSelection();
    void Clear();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
    TPopupMenu* PopupMenu() const { return FPopup.Menu(); }
    void SetPopupMenu(TPopupMenu* Value) { FPopup.SetMenu(Value); }

    void Dispatch(TMessage& Message) override;

protected:
    // One line with automatic horizontal scroll.
    void CreateParams(TCreateParams& Params) override;
    QWidget* CreateWidget() override;
    virtual void Change();
    // The user changed the text (typing, deleting, pasting).
    virtual void TextEdited() {}
    void DoEnter() override;
    void ColorChanged() override;

private:
    class TCaseValidator;
    std::string Cased(const std::string& Value) const;
    QWidget* CreateMultiLineWidget(unsigned Style);
    // A new window keeps text, selection, read-only state and Modified.
    void RecreateKeepingText(TMessage& Message);

    bool FAutoSelect = true;
    TEditCharCase FCharCase = ecNormal;
    int FMaxLength = 0;
    char FPasswordChar = '\0';
    TAlignment FTextAlignment = taLeftJustify;
    bool FModified = false;
    TNotifyEvent FOnChange;
    TControlPopup FPopup{this};
    TConnections FConnections;
};

// A list of strings to choose from. Items is a string list that works on
// the widget's rows, so both always agree. A change of selection by the user
// is a click; setting ItemIndex is not.
class TListBox : public TWinControl {
    LT_CLASS(TListBox)
public:
    explicit TListBox(TComponent* AOwner);
    ~TListBox() override;

    TStrings* Items() const { return FItems.get(); }
    void SetItems(const TStrings* Value) { FItems->Assign(Value); }
    // -1: none.
    int ItemIndex() const;
    void SetItemIndex(int Value);
    // Adding to a sorted list puts the string at its place (case does not
    // count); turning Sorted on sorts the list.
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    // With MultiSelect: Shift and Ctrl extend the selection (true) or each
    // click toggles a row (false).
    bool ExtendedSelect() const { return FExtendedSelect; }
    void SetExtendedSelect(bool Value);
    bool Selected(int Index) const;
    void SetSelected(int Index, bool Value);
    int SelCount() const;
    int TopIndex() const;
    void SetTopIndex(int Value);
    int Count() const;
    void Clear();
    TPopupMenu* PopupMenu() const { return FPopup.Menu(); }
    void SetPopupMenu(TPopupMenu* Value) { FPopup.SetMenu(Value); }

protected:
    QWidget* CreateWidget() override;
    void ColorChanged() override;
    void Loaded() override;

private:
    class TListBoxStrings;
    friend class TListBoxStrings;
    void ApplySelectionMode(QWidget* List) const;

    std::unique_ptr<TStrings> FItems;   // a TListBoxStrings
    bool FSorted = false;
    bool FMultiSelect = false;
    bool FExtendedSelect = true;
    int FChanging = 0;   // > 0 while the program changes the selection
    int FLoadedItemIndex = -1;   // set while loading, before the rows are there
    TControlPopup FPopup{this};
    std::unique_ptr<TViewportMouse> FViewportMouse;
    TConnections FConnections;
};

// A frame with a caption; its client rectangle, where aligned children go,
// leaves out the caption and the frame.
class TGroupBox : public TWinControl {
    LT_CLASS(TGroupBox)
public:
    explicit TGroupBox(TComponent* AOwner);

    TRect ClientRect() const override;
    TPopupMenu* PopupMenu() const { return FPopup.Menu(); }
    void SetPopupMenu(TPopupMenu* Value) { FPopup.SetMenu(Value); }

protected:
    QWidget* CreateWidget() override;
    void TextChanged() override;
    void FontChanged() override;

private:
    TControlPopup FPopup{this};
};

// A panel: an outer bevel, a border of BorderWidth in the panel's colour, an
// inner bevel, then the client area, where the caption is drawn (centred
// vertically) and aligned children go.
class TPanel : public TCustomControl {
    LT_CLASS(TPanel)
public:
    explicit TPanel(TComponent* AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    // bsSingle draws a dark frame outside the bevels.
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TPopupMenu* PopupMenu() const { return FPopup.Menu(); }
    void SetPopupMenu(TPopupMenu* Value) { FPopup.SetMenu(Value); }

    TRect ClientRect() const override;

protected:
    void Paint() override;
    void TextChanged() override { Invalidate(); }

private:
    void FrameChanged();

    TAlignment FAlignment = taCenter;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TFormBorderStyle FBorderStyle = bsNone;
    TControlPopup FPopup{this};
};

// A scroll bar. Every change of Position raises OnChange; the user's
// scrolling raises OnScroll first, whose handler may move ScrollPos. Another
// control may take the bar over (a grid's external bar): its scroll hook
// hears every gesture before OnScroll.
class TScrollBar : public TWinControl {
    LT_CLASS(TScrollBar)
public:
    explicit TScrollBar(TComponent* AOwner);
    ~TScrollBar() override;

    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind Value);
    int Min() const { return FMin; }
    void SetMin(int Value) { SetParams(FPosition, Value, FMax); }
    int Max() const { return FMax; }
    void SetMax(int Value) { SetParams(FPosition, FMin, Value); }
    int Position() const { return FPosition; }
    void SetPosition(int Value) { SetParams(Value, FMin, FMax); }
    // Sets the range and the position (brought into the range) at once.
    void SetParams(int APosition, int AMin, int AMax);
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int Value);
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int Value);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value);

    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
    const TScrollEvent& OnScroll() const { return FOnScroll; }
    void SetOnScroll(TScrollEvent Value) { FOnScroll = std::move(Value); }
    TPopupMenu* PopupMenu() const { return FPopup.Menu(); }
    void SetPopupMenu(TPopupMenu* Value) { FPopup.SetMenu(Value); }
    // The control that took the bar over; nullptr drops the hook.
    using TScrollHook = std::function<void(TScrollCode ScrollCode, int& ScrollPos)>;
    bool ScrollHooked() const { return static_cast<bool>(FScrollHook); }
    void SetScrollHook(TScrollHook Value) { FScrollHook = std::move(Value); }

protected:
    QWidget* CreateWidget() override;
    virtual void Change();
    virtual void Scroll(TScrollCode ScrollCode, int& ScrollPos);

private:
    void ApplyTo(QWidget* ScrollBar);

    TScrollBarKind FKind = sbHorizontal;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FLargeChange = 1;
    int FSmallChange = 1;
    int FPageSize = 0;
    bool FApplying = false;
    TNotifyEvent FOnChange;
    TScrollEvent FOnScroll;
    TScrollHook FScrollHook;
    TControlPopup FPopup{this};
    TConnections FConnections;
};
