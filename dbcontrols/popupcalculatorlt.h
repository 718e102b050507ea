#pragma once
// The calculator an editor drops down under itself. It never takes the
// focus: the editor hands it its keys. Enter or '=' while the equals button
// reads "Ok" asks the owner (IPopupOwnerLt) to close keeping the value; Esc,
// the Cancel button and WM_CALCCLOSEUP close discarding it.
#include "dbcontrols/calculatorlt.h"
#include "dbcontrols/ltinterfaces.h"

// Posted to the popup to close it discarding the value.
constexpr uint32_t WM_CALCCLOSEUP = WM_USER + 101;

class TPopupCalculatorLt : public TCalculatorLt, public IPopupValueEditorLt {
    LT_CLASS(TPopupCalculatorLt)
public:
    explicit TPopupCalculatorLt(TComponent* AOwner);

    // A 3D popup has a two-pixel frame (a dark ring around a raised edge),
    // any other a one-pixel border.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);

    bool Flat() const { return FFlat; }
    // The buttons follow: flat or raised.
    void SetFlat(bool Value) override;

    // IPopupValueEditorLt
    bool EnterClosesPopup() override;
    bool GetFlat() override { return FFlat; }
    // An error variant while the error is shown, else the display value.
    Variant GetValue() override;
    // Clears, then shows Value (Null and Unassigned show 0).
    void SetValue(const Variant& Value) override;

    void HandleCalcKey(char32_t Key) override;
    void Dispatch(TMessage& Message) override;

protected:
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    int FrameWidth() const override;
    void PaintFrame() override;

private:
    void CloseUp(bool Accept);

    bool FCtl3D = true;
    bool FFlat = true;
};
