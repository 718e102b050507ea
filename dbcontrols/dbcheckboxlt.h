#pragma once
// The data-aware check box: three states (unchecked, checked, grayed),
// painted by the control itself in the classic, themed or flat look. It
// edits a dataset field (DataSource and DataField set) or keeps a value of
// its own (True, False or Null) in its field link.
//
// Every change of State raises OnClick, whether it comes from the user, from
// code or from the data. A click or Space only toggles the shown state and
// marks the link modified; the value reaches the link when the box is left
// (the record is saved through the link) or when code sets State.
#include <memory>
#include <string>

#include <QPointer>

#include "dbcontrols/dbeditlt.h"
#include "dbcontrols/fielddatalinklt.h"
#include "platform/rtl/alignment.h"
#include "platform/ui/actnlist.h"
#include "platform/ui/controls.h"
#include "platform/ui/stdctrls.h"

class QShortcut;

// The texts that mean checked and unchecked until others are given.
extern const char* const kCheckedValueTextLt;
extern const char* const kUncheckedValueTextLt;

class TCustomDBCheckBoxLt : public TCustomControl {
    LT_CLASS(TCustomDBCheckBoxLt)
public:
    explicit TCustomDBCheckBoxLt(TComponent* AOwner);
    ~TCustomDBCheckBoxLt() override;

    // Checked: State is cbChecked. Setting it sets State.
    bool Checked() const { return GetChecked(); }
    void SetChecked(bool Value) { SetCheckedValue(Value); }
    TCheckBoxState State() const { return FState; }
    // Shows Value and posts it to the link at once; a failing post shows the
    // link's value again and raises. Ignored at design time on a bound box.
    void SetState(TCheckBoxState Value);

    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
    // taRightJustify: the caption right of the box; taLeftJustify: left.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool AlwaysShowBorder() const { return FAlwaysShowBorder; }
    void SetAlwaysShowBorder(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    // ';'-separated texts that mean checked / unchecked in a field that is
    // not Boolean; the first of each is what a post writes.
    const std::string& ValueChecked() const { return FValueChecked; }
    void SetValueChecked(const std::string& Value);
    const std::string& ValueUnchecked() const { return FValueUnchecked; }
    void SetValueUnchecked(const std::string& Value);
    std::string DataField() const { return FFieldLink->FieldName(); }
    void SetDataField(const std::string& Value) { FFieldLink->SetFieldName(Value); }
    TDataSource* DataSource() const { return FFieldLink->DataSource(); }
    void SetDataSource(TDataSource* Value);
    bool ReadOnly() const { return FFieldLink->ReadOnly(); }
    void SetReadOnly(bool Value) { FFieldLink->SetReadOnly(Value); }
    TBasicAction* Action() const { return FActionLink.Action(); }
    void SetAction(TBasicAction* Value) { FActionLink.SetAction(Value); }

    const TUpdateDataEventLt& OnUpdateData() const { return FOnUpdateData; }
    void SetOnUpdateData(TUpdateDataEventLt Value) { FOnUpdateData = std::move(Value); }

    TFieldDataLinkLt* FieldLink() const { return FFieldLink.get(); }
    TField* Field() const { return FFieldLink->Field(); }
    // The state the link's value stands for.
    TCheckBoxState LinkState() const;
    // Run-time state.
    bool Modified() const { return FModified; }
    bool MouseAbove() const { return FMouseAbove; }
    bool SpacePressed() const { return FSpacePressed; }
    bool Posting() const { return FPosting; }
    // The box and the caption area inside the client area.
    void GetLayout(TRect& CheckRect, TRect& CaptionRect) const;

    void Dispatch(TMessage& Message) override;

protected:
    virtual bool GetChecked() const;
    virtual void SetCheckedValue(bool Value);
    // Paints the box: a copy (a grid's cell) shows the link's state without
    // focus, pressed or hot look.
    virtual void PaintControl(TCanvas* Canvas, bool PaintingCopy);
    virtual bool IsUnbound() const;
    virtual void PaintCaption(TCanvas* Canvas, const TRect& CaptionRect, bool Focused);
    virtual void PaintCheckGlyph(TCanvas* Canvas, const TRect& CheckRect, TCheckBoxState AState, bool Focused,
                                 bool Pressed, bool Hot);
    // Fills the background and lays out the box and the caption.
    virtual void PaintLayout(TCanvas* Canvas, TRect& CheckRect, TRect& CaptionRect);
    // Shows Value (when it differs): OnClick, repaint, modified.
    virtual void ApplyState(TCheckBoxState Value);
    virtual void PostToLink();
    // The user's toggle: unchecked -> (grayed with AllowGrayed) -> checked
    // -> unchecked, only when the link starts editing.
    virtual void ToggleState();
    // Raises OnUpdateData and, unless handled, posts to the link.
    virtual void UpdateData();

    void Paint() override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyUp(unsigned& Key, TShiftState Shift) override;
    void DoExit() override;
    void TextChanged() override;
    void EnabledChanged() override;
    void Resize() override;

private:
    void ShowLinkState();
    void ClickHandling();
    bool TakeFocusForPress();
    void EndPress();
    void UpdateAccelerator();
    void AcceleratorPressed();

    std::unique_ptr<TFieldDataLinkLt> FFieldLink;
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
    TAlignment FAlignment = taRightJustify;
    bool FAlwaysShowBorder = false;
    bool FFlat = false;
    std::string FValueChecked;
    std::string FValueUnchecked;

    bool FModified = false;
    bool FClicksDisabled = false;
    bool FSpacePressed = false;
    bool FMouseAbove = false;
    bool FMousePressed = false;
    bool FPosting = false;

    TControlActionLink FActionLink{this};
    QPointer<QShortcut> FAccelerator;   // a child of the widget
    TUpdateDataEventLt FOnUpdateData;
};

class TDBCheckBoxLt : public TCustomDBCheckBoxLt {
    LT_CLASS(TDBCheckBoxLt)
public:
    explicit TDBCheckBoxLt(TComponent* AOwner) : TCustomDBCheckBoxLt(AOwner) {}
};
