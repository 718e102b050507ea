#pragma once
// The drop-down list of lookup columns: a lookup grid in a popup window
// that never takes the focus, with a size grip in a corner. The pointer
// selects the row under it; releasing a press that chose a row closes the
// popup, accepting when released on a row and declining outside.
#include <functional>

#include "dbgrid/lookup/dblookupgridlt.h"

class TSizeGripLt;

using TPointerCloseUpEventLt = std::function<void(TObject* Sender, bool Accept)>;

class TPopupDataGridLt : public TDBLookupGridLt {
    LT_CLASS(TPopupDataGridLt)
public:
    explicit TPopupDataGridLt(TComponent* AOwner);

    TSizeGripLt* SizeGrip() const { return FSizeGrip; }
    // Set by every resize; the owner clears it after showing the popup and
    // reads it when closing, to keep a size the user gave with the grip.
    bool SizeGripResized() const { return FSizeGripResized; }
    void SetSizeGripResized(bool Value) { FSizeGripResized = Value; }
    // The key changed by the user's keys or pointer, not yet reported.
    bool UserChange() const { return FUserChange; }

    const TNotifyEvent& OnUserSelect() const { return FOnUserSelect; }
    void SetOnUserSelect(TNotifyEvent Value) { FOnUserSelect = std::move(Value); }
    const TPointerCloseUpEventLt& OnPointerCloseUp() const { return FOnPointerCloseUp; }
    void SetOnPointerCloseUp(TPointerCloseUpEventLt Value) { FOnPointerCloseUp = std::move(Value); }

    // Raises OnUserSelect after a change the user made.
    void ApplyKeyValue() override;
    // Never smaller than a scroll bar is wide, in both directions.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Dispatch(TMessage& Message) override;

protected:
    QWidget* CreateWidget() override;
    void Paint() override;
    void Resize() override;
    // A window of its own: shown and hidden with Visible even while it
    // stands on no parent control, as a column's list does.
    void VisibleChanged() override;
    bool TakeFocusOnPress() override { return true; }
    void UserAction() override { FUserChange = true; }
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TSizeGripLt* FSizeGrip = nullptr;   // a child control
    bool FSizeGripResized = false;
    bool FUserChange = false;
    bool FKeySelection = false;   // a press on a row started choosing a key
    TPoint FLastMousePos{-1, -1};
    TNotifyEvent FOnUserSelect;
    TPointerCloseUpEventLt FOnPointerCloseUp;
};
