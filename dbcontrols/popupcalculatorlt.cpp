#include "dbcontrols/popupcalculatorlt.h"

#include "platform/rtl/classbuilder.h"
#include "platform/ui/popupwindow.h"

LT_IMPLEMENT_CLASS(TPopupCalculatorLt, TCalculatorLt) {}

namespace {
constexpr char32_t kEnter = 13;
} // namespace

TPopupCalculatorLt::TPopupCalculatorLt(TComponent* AOwner) : TCalculatorLt(AOwner)
{
    SetVisible(false);
    SetTabStop(false);
    // The calculator's children made the widget already.
    MakePopupWindow(Widget(), TPopupActivation::NoActivate);
    FrameChanged();
}

void TPopupCalculatorLt::SetCtl3D(bool Value)
{
    if (Value == FCtl3D)
        return;
    FCtl3D = Value;
    FrameChanged();
}

int TPopupCalculatorLt::FrameWidth() const
{
    return FCtl3D ? 2 : 1;
}

void TPopupCalculatorLt::PaintFrame()
{
    TRect r = Rect(0, 0, Width(), Height());
    if (FCtl3D) {
        Canvas()->Brush()->SetColor(cl3DDkShadow);
        Canvas()->FrameRect(r);
        InflateRect(r, -1, -1);
        Canvas()->DrawEdge(r, BDR_RAISEDINNER, BF_RECT);
    } else {
        Canvas()->Brush()->SetColor(clWindowFrame);
        Canvas()->FrameRect(r);
    }
}

void TPopupCalculatorLt::SetFlat(bool Value)
{
    if (Value == FFlat)
        return;
    FFlat = Value;
    for (int tag = 1; tag <= CalcButtonCountLt; ++tag)
        Button(tag)->SetFlat(Value);
}

bool TPopupCalculatorLt::EnterClosesPopup()
{
    return EqualButton()->Caption() == "Ok";
}

Variant TPopupCalculatorLt::GetValue()
{
    if (Status() == csErrorLt)
        return Variant::FromError(0);
    return Variant(DisplayValue());
}

void TPopupCalculatorLt::SetValue(const Variant& Value)
{
    HandleCalcKey(U'C');
    if (!Value.IsNull() && !Value.IsEmpty())
        SetDisplayValue(Value.AsDouble());
}

void TPopupCalculatorLt::CloseUp(bool Accept)
{
    if (auto* owner = Supports<IPopupOwnerLt>(Owner()))
        owner->CloseUp(Accept);
}

void TPopupCalculatorLt::HandleCalcKey(char32_t Key)
{
    if ((Key == kEnter || Key == U'=') && EnterClosesPopup()) {
        CloseUp(true);
        return;
    }
    // The Cancel button.
    if (Key == U'A') {
        CloseUp(false);
        return;
    }
    TCalculatorLt::HandleCalcKey(Key);
}

void TPopupCalculatorLt::KeyDown(unsigned& Key, TShiftState Shift)
{
    if (Key == VK_ESCAPE) {
        Key = 0;
        CloseUp(false);
        return;
    }
    TCalculatorLt::KeyDown(Key, Shift);
}

void TPopupCalculatorLt::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS; return;
    case CM_WANTSPECIALKEY:
        if (Message.WParam == VK_RETURN || Message.WParam == VK_ESCAPE) {
            Message.Result = 1;
            return;
        }
        break;
    case WM_CALCCLOSEUP: CloseUp(false); return;
    default: break;
    }
    TCalculatorLt::Dispatch(Message);
}
