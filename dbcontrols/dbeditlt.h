#pragma once
// The single-line data-aware edit the combo box, the number edit and the
// grid's editors descend from. It edits a dataset field (DataSource and
// DataField set) or a value of its own (neither set), shows edit buttons
// inside its right edge, an optional image at its left, a list of recently
// used texts, a red dotted mark for a missing required value, tool tips for
// clipped text and a flat look whose border lights up on focus or hover. A
// holder control (a grid) may host it in place and sees its messages and
// keys first.
//
// The field link, the main button, the button collection and the image are
// made on first use through their virtual factories, so a descendant's
// factory applies even when the base constructor has run.
#include <functional>
#include <memory>
#include <string>

#include "dbcontrols/editbuttoncontrol.h"
#include "dbcontrols/editbuttons.h"
#include "dbcontrols/editimagelt.h"
#include "dbcontrols/fielddatalinklt.h"
#include "dbcontrols/ltinterfaces.h"
#include "dbcontrols/mrulistlt.h"
#include "platform/rtl/alignment.h"
#include "platform/ui/maskedit.h"

class TCustomImageList;
class TMRUListboxLt;

// Posted to the editor when a button's drop-down menu was opened by a
// press; WParam is the button's tag. A second press on the same button
// finds it waiting and only closes the menu.
constexpr uint32_t CM_BUTTONMENUCLOSEDLT = WM_USER + 102;

using TOnCheckDrawRequiredStateEventLt = std::function<void(TObject* Sender, bool& DrawState)>;
using TGetImageIndexEventLt = std::function<void(TObject* Sender, int& ImageIndex)>;
using TUpdateDataEventLt = std::function<void(TObject* Sender, bool& Handled)>;

// The error SetInplaceEditHolder raises for a holder that cannot host.
extern const char* const kInplaceHolderErrorLt;

class TCustomDBEditLt : public TCustomMaskEdit, public IInplaceEditorLt, public IPopupOwnerLt {
    LT_CLASS(TCustomDBEditLt)
public:
    explicit TCustomDBEditLt(TComponent* AOwner);
    ~TCustomDBEditLt() override;

    // The value as text; setting it posts (see SetValue).
    std::string Text() const override;
    void SetText(const std::string& Value) override;
    // The value: the text as a string here, the descendants' own otherwise.
    // Setting it shows it and posts it to the field or the unbound value;
    // a failing post shows the stored value again and raises.
    Variant Value() const { return CurrentValue(); }
    void SetValue(const Variant& Value) { AssignValue(Value); }
    void Clear() { SetText(""); }

    // Published properties.
    TAlignment Alignment() const;
    void SetAlignment(TAlignment Value);
    bool AlwaysShowBorder() const { return FAlwaysShowBorder; }
    void SetAlwaysShowBorder(bool Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value) override;
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    std::string DataField() const { return GetDataField(); }
    void SetDataField(const std::string& Value) { SetDataFieldLt(Value); }
    TDataSource* DataSource() const { return GetDataSource(); }
    void SetDataSource(TDataSource* Value) { SetDataSourceLt(Value); }
    TEditButtonLt* EditButton() const;
    TEditButtonsLt* EditButtons() const;
    void SetEditButtons(const TEditButtonsLt* Value);
    void SetEditMask(const std::string& Value) override;
    bool EditMaskAssigned() const { return FEditMaskAssigned; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool HighlightRequired() const { return FHighlightRequired; }
    void SetHighlightRequired(bool Value);
    TEditImageLt* EditImage() const;
    TMRUListLt* MRUList() const { return FMRUList.get(); }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    bool ShowHint() const { return FShowHintLt; }
    void SetShowHint(bool Value);
    bool Tooltips() const { return FTooltips; }
    void SetTooltips(bool Value);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool Value) { FWantReturns = Value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool Value) { FWantTabs = Value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);

    const TButtonClickEventLt& OnButtonClick() const { return FOnButtonClick; }
    void SetOnButtonClick(TButtonClickEventLt Value) { FOnButtonClick = std::move(Value); }
    const TButtonDownEventLt& OnButtonDown() const { return FOnButtonDown; }
    void SetOnButtonDown(TButtonDownEventLt Value) { FOnButtonDown = std::move(Value); }
    const TOnCheckDrawRequiredStateEventLt& OnCheckDrawRequiredState() const { return FOnCheckDrawRequiredState; }
    void SetOnCheckDrawRequiredState(TOnCheckDrawRequiredStateEventLt Value)
    {
        FOnCheckDrawRequiredState = std::move(Value);
    }
    const TGetImageIndexEventLt& OnGetImageIndex() const { return FOnGetImageIndex; }
    void SetOnGetImageIndex(TGetImageIndexEventLt Value) { FOnGetImageIndex = std::move(Value); }
    const TUpdateDataEventLt& OnUpdateData() const { return FOnUpdateData; }
    void SetOnUpdateData(TUpdateDataEventLt Value) { FOnUpdateData = std::move(Value); }

    // State.
    TFieldDataLinkLt* FieldLink() const;
    TField* Field() const { return FieldLink()->Field(); }
    bool DroppedDown() const { return FDroppedDown; }
    bool Posting() const { return FPosting; }
    bool BorderActive() const { return FBorderActive; }
    bool FocusedState() const { return FFocused; }
    // The button controls (element 0: the main button) and their total width
    // with the separator lines.
    const TEditButtonControlList& ButtonControls() const { return FButtonControls; }
    int ButtonsWidth() const { return FButtonsWidth; }
    int ButtonsHeight() const { return FButtonsHeight; }
    // The client area less the buttons and the image.
    virtual TRect TextAreaRect() const;
    // The client area inside the border, and the border's width.
    TRect InnerClientRect() const;
    int BorderWidth() const;
    // The pixels the image takes at the left: 0 when it is not shown.
    int ImageWidth() const { return FImageWidth; }
    // Whether the required-value mark is due now.
    bool RequiredMarkDue() const;
    // Whether the editor draws its text itself rather than the edit window:
    // unfocused, not left-aligned and not word-wrapped.
    bool PaintsItsText() const;
    // Paints a copy of the editor into Rect of Canvas (a grid's cell): the
    // background in its colour and PaintCopyText as the editor aligns it,
    // grey while disabled.
    void PaintCopy(TCanvas* Canvas, const TRect& Rect) const;
    // The popup of recently used texts; nullptr until first dropped down.
    TMRUListboxLt* MRUPopup() const { return FMRUPopup; }
    bool MRUListDroppedDown() const;

    // In-place hosting.
    TWinControl* InplaceEditHolder() const { return FInplaceHolder; }
    bool InplaceMode() const { return FInplaceHolder != nullptr; }
    // Shows the editor at Rect (an empty Rect hides it).
    void PlaceAt(const TRect& Rect);
    // Hides the editor, handing the focus to the holder when it had it.
    void HideEditor();
    void SetFocus() override;

    // IInplaceEditorLt.
    TFont* GetFont() override { return Font(); }
    // Raises kInplaceHolderErrorLt for a holder without IInplaceEditHolderLt;
    // nullptr ends in-place mode.
    void SetInplaceEditHolder(TWinControl* Holder) override;
    void SetFont(TFont* Value) override { TControl::SetFont(Value); }
    void SetColor(TColor Value) override { TControl::SetColor(Value); }
    void SetOnKeyPress(TKeyPressEvent Value) override { TWinControl::SetOnKeyPress(std::move(Value)); }
    void SetOnExit(TNotifyEvent Value) override { TWinControl::SetOnExit(std::move(Value)); }

    // IPopupOwnerLt, and the close of every drop-down: releases the main
    // button. Descendants extend it.
    void CloseUp(bool Accept) override;

    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    // Multi-line without automatic horizontal scroll with WordWrap.
    void CreateParams(TCreateParams& Params) override;
    void Change() override;
    void TextEdited() override { TypedTextChanged(); }
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void KeyUp(unsigned& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void FontChanged() override;
    void EnabledChanged() override;
    void VisibleChanged() override;
    void Resize() override;

    // Whether a key may press the buttons (shortcuts).
    virtual bool CanPressButtons() const;
    virtual std::unique_ptr<TFieldDataLinkLt> CreateFieldLink();
    virtual std::unique_ptr<TEditButtonLt> MakeMainButton();
    // A control for Button, owned by and parented to the editor.
    virtual TEditButtonControlLt* NewButtonControl(TEditButtonLt* Button);
    virtual std::unique_ptr<TEditButtonsLt> MakeButtonsCollection();
    virtual std::unique_ptr<TEditImageLt> MakeEditImage();
    // The popup of recently used texts, owned by the editor.
    virtual TMRUListboxLt* MakeMRUPopup();
    virtual bool IsUnbound() const;
    virtual TAlignment FieldAlignment() const;
    virtual std::string FieldEditMask() const;
    // The image shown when nothing else decides: -1 here.
    virtual int ImplicitImageIndex() const;
    virtual std::string GetDataField() const;
    virtual TDataSource* GetDataSource() const;
    // The text painted when the editor paints a copy of itself.
    virtual std::string PaintCopyText() const;
    virtual Variant CurrentValue() const;
    // Whether a typed character fits the field (any without a field).
    virtual bool AcceptsChar(char32_t Key) const;
    virtual void LinkActiveChanged();
    // The height for the font (and image), when AutoSize.
    virtual void FitHeight();
    // The main button was pressed (not on an up/down button's top half).
    virtual void MainButtonDown(bool IsDownButton);
    // Shows the link's value (every data change).
    virtual void ShowLinkValue();
    // Keeps the main button pressed and closes the recently-used list.
    virtual void DropDown();
    virtual void ButtonControlClick(TObject* Sender);
    virtual void ButtonControlDown(TObject* Sender, bool TopButton, bool& AutoRepeat, bool& Handled);
    virtual void ButtonControlMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    virtual void ButtonControlMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void LinkEditingChanged();
    // Whether the recently-used list offers Item for the current text.
    virtual bool AcceptMRUItem(const std::string& Item) const;
    // Shows a text or value without posting it.
    virtual void ApplyText(const std::string& Value);
    virtual void ApplyValue(const Variant& Value);
    virtual void PostToLink();
    virtual void MRUPopupResized();
    virtual void PaintRequiredMark(TCanvas* Canvas);
    virtual void ReleaseFieldMaxLength();
    virtual void SetDataFieldLt(const std::string& Value);
    virtual void SetDataSourceLt(TDataSource* Value);
    virtual void SetFocusedState(bool Value);
    virtual void AssignValue(const Variant& Value);
    virtual void RefreshReadOnly();
    virtual void RefreshFixedHeight();
    virtual void RefreshHintMode();
    virtual void RefreshImageIndex();
    // The user changed the text (typing, pasting, deleting).
    virtual void TypedTextChanged();
    // Validates, raises OnUpdateData and posts to the link.
    virtual void UpdateData();

    // Lays out the button controls and separator lines.
    void RebuildButtonControls();
    void RefreshEditRect();
    void RefreshBorderActive();
    // Starts editing unless ReadOnly; the link's answer.
    bool StartEditingLt();
    // What every editor with a drop-down does alike while Popup (its open
    // drop-down, or nullptr) shows: the wheel goes to it, else Step moves the
    // value (true: up); leaving closes it; Enter and Esc are wanted while it
    // is open. True when the message needs nothing more.
    bool DispatchDropDownMessage(TMessage& Message, TControl* Popup, const std::function<void(bool Up)>& Step);
    // The control of a button (element 0 the main one), or nullptr.
    TEditButtonLt* ButtonOfControl(const TObject* Control) const;
    void DropDownMRUList();
    void CloseUpMRUList(bool Accept);
    void RecreateEditorWindow();
    bool NoCloseUpOnNextClick() const { return FNoCloseUp; }
    void SetNoCloseUpOnNextClick(bool Value) { FNoCloseUp = Value; }
    IInplaceEditHolderLt* InplaceHolderIntf() const { return FInplaceHolderIntf; }

private:
    // Shows a value set from code, then posts it at once; a failing post
    // brings the field's value back.
    void ShowAndPost(const std::function<void()>& Show);
    void LinkDataChange();
    void LinkUpdateData();
    void EditButtonChanged();
    void PressButtonControl(int Index);
    bool ShortCutPressesButton(unsigned Key, TShiftState Shift);
    void PopupButtonMenu(int Index, TEditButtonLt* Button);
    void PaintFrameAndMarks();
    // The editor's own painting while PaintsItsText: background, 3D frame
    // and the text, in the window's colours (the disabled ones included).
    void PaintItsText();
    void DrawCopyText(TCanvas* Canvas, const TRect& Area, TColor TextColor) const;
    bool InButtonOrImageArea(int X, int Y) const;
    bool FillMRUPopup();
    void HandleHintShow(TMessage& Message);
    void HandleCharMessage(TMessage& Message);
    bool RouteToMRUPopup(TMessage& Message);
    std::string EmptyMaskText() const;
    bool IsSystemLoading() const;

    mutable std::unique_ptr<TFieldDataLinkLt> FFieldLink;
    mutable std::unique_ptr<TEditButtonLt> FEditButton;
    mutable std::unique_ptr<TEditButtonsLt> FEditButtons;
    mutable std::unique_ptr<TEditImageLt> FEditImage;
    std::unique_ptr<TMRUListLt> FMRUList;
    TMRUListboxLt* FMRUPopup = nullptr;
    TEditButtonControlList FButtonControls;
    int FButtonsWidth = 0;
    int FButtonsHeight = 0;
    int FImageWidth = 0;

    TAlignment FAlignment = taLeftJustify;
    bool FAlignmentAssigned = false;
    bool FEditMaskAssigned = false;
    bool FAlwaysShowBorder = false;
    bool FAutoSize = true;
    TFormBorderStyle FBorderStyle = bsSingle;
    bool FCtl3D = true;
    bool FFlat = false;
    bool FHighlightRequired = false;
    bool FReadOnly = false;
    bool FShowHintLt = false;
    bool FTooltips = false;
    bool FWantReturns = false;
    bool FWantTabs = false;
    bool FWordWrap = false;

    bool FFocused = false;
    bool FBorderActive = false;
    bool FMouseAbove = false;
    bool FDroppedDown = false;
    bool FNoCloseUp = false;
    bool FPosting = false;
    bool FInMRUCloseUp = false;

    TWinControl* FInplaceHolder = nullptr;
    IInplaceEditHolderLt* FInplaceHolderIntf = nullptr;

    TButtonClickEventLt FOnButtonClick;
    TButtonDownEventLt FOnButtonDown;
    TOnCheckDrawRequiredStateEventLt FOnCheckDrawRequiredState;
    TGetImageIndexEventLt FOnGetImageIndex;
    TUpdateDataEventLt FOnUpdateData;
};
