#pragma once
// The speed button that shows one edit button inside an editor: faces by
// style, the pressed half of an up/down pair, and auto-repeat while held
// (400 ms, then every 100 ms).
#include <memory>
#include <vector>

#include "dbcontrols/buttonpaint.h"
#include "dbcontrols/editbuttons.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/repeattimer.h"

// The face PaintButtonFace draws for a button of Style (glyph buttons
// paint their glyph instead).
TButtonPaintKindLt ButtonPaintKindOf(TEditButtonStyleLt Style);

class TEditButtonControlLt : public TSpeedButton {
    LT_CLASS(TEditButtonControlLt)
public:
    explicit TEditButtonControlLt(TComponent* AOwner);
    ~TEditButtonControlLt() override;

    TEditButtonStyleLt Style() const { return FStyle; }
    void SetStyle(TEditButtonStyleLt Value);
    // The editor's border is active (mouse over it or focused).
    bool Active() const { return FActive; }
    void SetActive(bool Value);
    // 0 none, 1 the single button or the top half, 2 the bottom half.
    int PressedPart() const { return FPressedPart; }

    // True while the button's popup is open: held down and grouped alone.
    void SetAlwaysDown(bool Value);

    const TButtonDownEventLt& OnDown() const { return FOnDown; }
    void SetOnDown(TButtonDownEventLt Value) { FOnDown = std::move(Value); }

    void Click() override;
    // Losing the capture (to a drop-down taking over the press) ends the
    // auto-repeat.
    void Dispatch(TMessage& Message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // Raises OnDown; the handler's Handled is not used here.
    virtual void DoButtonDown(bool TopButton, bool& AutoRepeat);

private:
    int PartAt(int Y) const;
    void UpdatePressedPart(int Y);
    void TimerTick();

    TEditButtonStyleLt FStyle = ebsDropDownLt;
    bool FActive = false;
    int FPressedPart = 0;
    int FLastY = 0;
    std::unique_ptr<TRepeatTimer> FRepeatTimer;
    bool FNoClickOnce = false;
    bool FKeepPressed = false;
    TButtonDownEventLt FOnDown;
};

// The published edit-button control.
class TSpeedButtonLt : public TEditButtonControlLt {
    LT_CLASS(TSpeedButtonLt)
public:
    explicit TSpeedButtonLt(TComponent* AOwner) : TEditButtonControlLt(AOwner) {}
};

// One button an editor shows, with the separator line beside a flat button.
struct TEditButtonControlRec {
    TShape* ButtonLine = nullptr;
    TEditButtonControlLt* EditButtonControl = nullptr;
};
// Element 0 is the main button, 1.. the EditButtons.
using TEditButtonControlList = std::vector<TEditButtonControlRec>;
