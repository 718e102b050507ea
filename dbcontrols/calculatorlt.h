#pragma once
// A small four-function calculator: a display over 23 flat buttons, read
// from its stored description (calculatorlt.dfm) and scaled to the font.
// Keys (typed, or sent by the buttons through their Tag) go to HandleCalcKey.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "dbcontrols/editbuttoncontrol.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

// 0 a result is shown (the next digit starts a new number), 1 a number is
// being entered, 2 an error is shown.
enum TCalcStatusLt { csValidLt, csEnteringLt, csErrorLt };

constexpr int CalcButtonCountLt = 23;

class TCalculatorLt : public TCustomControl {
    LT_CLASS(TCalculatorLt)
public:
    explicit TCalculatorLt(TComponent* AOwner);

    // bsSingle gives the calculator a sunken two-pixel edge.
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);

    TCalcStatusLt Status() const { return FStatus; }
    // The operator waiting for its second operand ('=' after clearing).
    char32_t PendingOperator() const { return FOperator; }
    double Operand() const { return FOperand; }
    // The display text.
    std::string DisplayText() const { return FTextBox->Caption(); }
    // 0 while an error is shown, else the display read as a number
    // (EConvertError when it is not one).
    double DisplayValue() const;
    // Shows Value in the general format with 15 significant digits; a value
    // that is not finite shows the error.
    void SetDisplayValue(double Value);

    TPanel* DisplayPanel() const { return FPanel; }
    TLabel* TextBox() const { return FTextBox; }
    // The buttons in the order of their tags (1..23).
    TSpeedButtonLt* Button(int Tag) const { return FButtons.at(static_cast<std::size_t>(Tag - 1)); }
    // The "Ok" / "=" button.
    TSpeedButtonLt* EqualButton() const { return Button(CalcButtonCountLt); }

    // One key in upper case: digits, the decimal separator ('.' or ','),
    // + - * / % = Enter, Esc and C (clear), Backspace, I (sign), R (1/x),
    // S (square root), Ctrl+C (copy), Ctrl+V (paste; a beep for no number).
    virtual void HandleCalcKey(char32_t Key);
    // The buttons' click handler: the key of the sender's Tag.
    void SpeedButtonClick(TObject* Sender);
    // The key a button's Tag sends (0 for tags outside 1..23).
    static char32_t KeyOfTag(int Tag);

    TRect ClientRect() const override;
    void Dispatch(TMessage& Message) override;

protected:
    // The stored description's client size, pixels per inch and text height.
    void DefineProperties(TFiler& Filer) override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void Paint() override;
    // The width of the frame around the client area.
    virtual int FrameWidth() const;
    virtual void PaintFrame();
    // Places the children inside the frame and sizes the control to the
    // client size plus the frame.
    void FrameChanged();
    // The mouse wheel: up adds 1, down subtracts 1.
    void WheelBy(int Delta);

private:
    void ReadDescription();
    void ScaleToFont();
    void Clear();
    void ShowError();
    void StartEntry();
    // Ctrl+V: the clipboard's text as the display value; a beep for a text
    // that is no number.
    void Paste();
    void ApplyOperator(char32_t Key);
    void Backspace();
    void AppendDigit(char32_t Digit);
    void AppendSeparator();
    void UpdateEqualCaption();

    TFormBorderStyle FBorderStyle = bsNone;
    TCalcStatusLt FStatus = csValidLt;
    char32_t FOperator = U'=';
    double FOperand = 0;
    int FClientWidth = 0;
    int FClientHeight = 0;
    int FDesignPixelsPerInch = 0;
    int FDesignTextHeight = 0;
    TPanel* FPanel = nullptr;     // children
    TLabel* FTextBox = nullptr;
    std::array<TSpeedButtonLt*, CalcButtonCountLt> FButtons{};
    // Each direct child and its bounds inside the frame.
    std::vector<std::pair<TControl*, TRect>> FDesignBounds;
};
