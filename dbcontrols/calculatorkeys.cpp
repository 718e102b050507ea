// The calculator's keys: entry, the four operations with percent, the
// one-operand functions, clearing and the clipboard.
#include <cmath>

#include "dbcontrols/calculatorlt.h"
#include "platform/rtl/floatformat.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/beep.h"
#include "platform/ui/clipbrd.h"

namespace {

constexpr char32_t kCtrlC = 3, kBackspace = 8, kEnter = 13, kCtrlV = 22, kEscape = 27;
constexpr std::size_t kMaxDigits = 15;
constexpr const char* kErrorText = "Error";

bool IsArithmetic(char32_t Op)
{
    return Op == U'*' || Op == U'+' || Op == U'-' || Op == U'/';
}

char32_t UpperCase(char32_t Key)
{
    return Key >= U'a' && Key <= U'z' ? Key - U'a' + U'A' : Key;
}

} // namespace

void TCalculatorLt::HandleCalcKey(char32_t Key)
{
    Key = UpperCase(Key);
    if (FStatus == csErrorLt && Key != U'C' && Key != kEscape) {
        UpdateEqualCaption();
        return;
    }
    const std::string& separator = FormatSettings.DecimalSeparator;
    const bool isSeparator = Key == U'.' || Key == U',' ||
                             (separator.size() == 1 && Key == static_cast<unsigned char>(separator[0]));
    if (isSeparator) {
        AppendSeparator();
    } else if (Key >= U'0' && Key <= U'9') {
        AppendDigit(Key);
    } else {
        switch (Key) {
        case kCtrlC: Clipboard()->SetAsText(DisplayText()); break;
        case kBackspace: Backspace(); break;
        case kEnter:
        case U'%':
        case U'*':
        case U'+':
        case U'-':
        case U'/':
        case U'=': ApplyOperator(Key); break;
        case kCtrlV: Paste(); break;
        case kEscape:
        case U'C': Clear(); break;
        case U'I': SetDisplayValue(-DisplayValue()); break;
        case U'R': {
            FStatus = csValidLt;
            const double value = DisplayValue();
            if (value == 0)
                ShowError();
            else
                SetDisplayValue(1 / value);
            break;
        }
        case U'S': {
            FStatus = csValidLt;
            const double value = DisplayValue();
            if (value < 0)
                ShowError();
            else
                SetDisplayValue(std::sqrt(value));
            break;
        }
        default: break;
        }
    }
    UpdateEqualCaption();
}

void TCalculatorLt::Paste()
{
    if (!Clipboard()->HasFormat(CF_TEXT))
        return;
    // A text that is no number is refused as a bad key: the display stays.
    double value = 0;
    if (!TryStrToFloat(Trim(Clipboard()->AsText()), value)) {
        MessageBeep(0);
        return;
    }
    // A pasted number counts as typed: a pending operator takes it.
    SetDisplayValue(value);
    if (FStatus == csValidLt)
        FStatus = csEnteringLt;
}

void TCalculatorLt::StartEntry()
{
    if (FStatus != csValidLt)
        return;
    FStatus = csEnteringLt;
    FTextBox->SetCaption("0");
}

void TCalculatorLt::AppendSeparator()
{
    StartEntry();
    const std::string& separator = FormatSettings.DecimalSeparator;
    const std::string text = DisplayText();
    if (text.find(separator) == std::string::npos)
        FTextBox->SetCaption(text + separator);
}

void TCalculatorLt::AppendDigit(char32_t Digit)
{
    StartEntry();
    std::string text = DisplayText();
    if (text == "0")
        text.clear();
    const std::size_t limit = !text.empty() && text[0] == '-' ? kMaxDigits + 1 : kMaxDigits;
    if (text.find('E') == std::string::npos && text.size() < limit)
        text += static_cast<char>(Digit);
    FTextBox->SetCaption(text.empty() ? "0" : text);
}

void TCalculatorLt::Backspace()
{
    StartEntry();
    std::string text = DisplayText();
    if (text.size() == 1 || (text.size() == 2 && text[0] == '-')) {
        FTextBox->SetCaption("0");
        return;
    }
    text.pop_back();
    // An exponent without its digits does not read as a number: it goes too.
    while (!text.empty() && (text.back() == 'E' || text.back() == '+' || text.back() == '-'))
        text.pop_back();
    FTextBox->SetCaption(text.empty() ? "0" : text);
}

void TCalculatorLt::ApplyOperator(char32_t Key)
{
    if (FStatus == csEnteringLt) {
        FStatus = csValidLt;
        double x = DisplayValue();
        if (Key == U'%') {
            if (FOperator == U'*' || FOperator == U'/')
                x = x / 100;
            else if (FOperator == U'+' || FOperator == U'-')
                x = FOperand * x / 100;
        }
        switch (FOperator) {
        case U'*': SetDisplayValue(FOperand * x); break;
        case U'+': SetDisplayValue(FOperand + x); break;
        case U'-': SetDisplayValue(FOperand - x); break;
        case U'/':
            if (x == 0)
                ShowError();
            else
                SetDisplayValue(FOperand / x);
            break;
        default: break;
        }
    }
    FOperator = Key;
    FOperand = DisplayValue();
}

void TCalculatorLt::Clear()
{
    FStatus = csValidLt;
    SetDisplayValue(0);
    FOperator = U'=';
    FOperand = 0;
}

void TCalculatorLt::ShowError()
{
    FStatus = csErrorLt;
    FTextBox->SetCaption(kErrorText);
}

void TCalculatorLt::UpdateEqualCaption()
{
    const bool computes = FStatus == csEnteringLt && IsArithmetic(FOperator);
    EqualButton()->SetCaption(computes ? "=" : "Ok");
}
