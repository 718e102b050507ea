// The number edit's calculator: dropping it down under the editor, the keys
// and the wheel it takes while open, closing it with or without its value.
#include "dbcontrols/dbnumberedit.h"
#include "dbcontrols/dropdownplace.h"
#include "dbcontrols/popupcalculatorlt.h"
#include "platform/ui/widgetbridge.h"

TPopupCalculatorLt* TCustomDBNumberEditLt::CalculatorPopup()
{
    if (!FCalculator) {
        FCalculator = new TPopupCalculatorLt(this);
        FCalculator->SetParent(this);
        FCalculator->Hide();
    }
    return FCalculator;
}

void TCustomDBNumberEditLt::DropDown()
{
    if (FCalculatorVisible)
        return;
    TCustomDBEditLt::DropDown();
    if (BeforeDropDown)
        BeforeDropDown(this);
    TPopupCalculatorLt* calculator = CalculatorPopup();
    IPopupValueEditorLt* editor = calculator;
    editor->SetValue(FValue.IsNull() ? Variant(0.0) : FValue);
    editor->SetFlat(Flat());
    TPoint topLeft;
    PlaceDropDownBelowEditor(this, calculator, daLeft, topLeft);
    calculator->SetBounds(topLeft.X, topLeft.Y, calculator->Width(), calculator->Height());
    calculator->Show();
    FCalculatorVisible = true;
    if (!FPressWatch)
        FPressWatch = std::make_unique<TMousePressWatch>([this](TControl* Pressed) { PressedWhileOpen(Pressed); });
    SetSelLength(0);
}

// A press anywhere but on the calculator closes it without its value; the
// marker CloseUp posts keeps a press on the main button from reopening it.
void TCustomDBNumberEditLt::PressedWhileOpen(TControl* Pressed)
{
    if (!FCalculatorVisible)
        return;
    for (const TControl* c = Pressed; c; c = c->Parent())
        if (c == FCalculator)
            return;
    CloseUp(false);
}

void TCustomDBNumberEditLt::CloseUp(bool Accept)
{
    if (!FCalculatorVisible)
        return;
    if (GetCaptureControl() == FCalculator || GetCaptureControl() == this)
        ReleaseCapture();
    FCalculator->Hide();
    FCalculatorVisible = false;
    TCustomDBEditLt::CloseUp(Accept);
    PostMessage(this, CM_BUTTONMENUCLOSEDLT, 0, 0);
    if (Accept && !ReadOnly() && StartEditingLt()) {
        IPopupValueEditorLt* editor = FCalculator;
        const Variant value = editor->GetValue();
        const TVarType type = value.VarType();
        if (type == TVarType::varInteger || type == TVarType::varDouble || type == TVarType::varCurrency) {
            ApplyValue(value);
            if (Focused())
                SelectAll();
        }
    }
    if (AfterCloseUp)
        AfterCloseUp(this, Accept);
}

// While the calculator is open, Backspace, Enter and the printable ASCII
// characters are its keys.
bool TCustomDBNumberEditLt::RouteKeyToCalculator(TMessage& Message)
{
    if (!FCalculatorVisible || Message.Msg != WM_CHAR)
        return false;
    const auto key = static_cast<unsigned>(Message.WParam);
    if (key != 8 && key != 13 && (key < 32 || key > 126))
        return false;
    FCalculator->Perform(WM_CHAR, Message.WParam, Message.LParam);
    Message.Result = 1;
    return true;
}

void TCustomDBNumberEditLt::Dispatch(TMessage& Message)
{
    if (RouteKeyToCalculator(Message))
        return;
    if (DispatchDropDownMessage(Message, FCalculatorVisible ? FCalculator : nullptr,
                                [this](bool Up) { StepValue(Up); }))
        return;
    TCustomDBEditLt::Dispatch(Message);
}
