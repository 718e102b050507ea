// The number edit's keyboard, wheel and paste: the character check, stepping
// the value, and a paste that leaves no non-number behind.
#include <utility>

#include "dbcontrols/dbnumberedit.h"
#include "dbcontrols/popupcalculatorlt.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/widgetbridge.h"

namespace {
constexpr char32_t kBackspace = 8, kEnter = 13, kEscape = 27;

char32_t DecimalSeparatorChar()
{
    const std::u32string separator = Utf8ToUtf32(FormatSettings.DecimalSeparator);
    return separator.empty() ? U'.' : separator[0];
}
} // namespace

void TCustomDBNumberEditLt::StepValue(bool Up)
{
    if (FIncrement == 0 || !StartEditingLt())
        return;
    const long double increment = FIncrement;
    long double next = increment;
    if (!FValue.IsNull())
        next = static_cast<long double>(FValue.AsDouble()) + (Up ? increment : -increment);
    ApplyValue(Variant(static_cast<double>(LimitValue(next))));
    if (Focused())
        SelectAll();
}

void TCustomDBNumberEditLt::KeyDown(unsigned& Key, TShiftState Shift)
{
    const bool paste = (Key == 'V' && Shift == TShiftState{ssCtrl}) || (Key == VK_INSERT && Shift == TShiftState{ssShift});
    if (paste) {
        PasteNumber();
        Key = 0;
        return;
    }
    TCustomDBEditLt::KeyDown(Key, Shift);
    if (Key == 0)
        return;
    if ((Key == VK_UP || Key == VK_DOWN) && !ReadOnly()) {
        StepValue(Key == VK_UP);
        Key = 0;
    }
}

void TCustomDBNumberEditLt::KeyPress(char32_t& Key)
{
    if (FCalculatorVisible && (Key == kEnter || Key == kEscape)) {
        CloseUp(Key == kEnter);
        Key = 0;
        return;
    }
    if (Key == kBackspace && BackspaceOverSeparator()) {
        Key = 0;
        return;
    }
    TCustomDBEditLt::KeyPress(Key);
    if (Key == 0)
        return;
    const bool separator = Key == U',' || Key == U'.';
    if (separator)
        Key = DecimalSeparatorChar();
    if (Key >= 32 && !AcceptsChar(Key)) {
        Key = 0;
        return;
    }
    if (separator && !TEdit::ReadOnly()) {
        // The edit window would insert the key as typed: the separator goes
        // in from here.
        SetSelText(Utf32ToUtf8(std::u32string(1, Key)));
        TypedTextChanged();
        Key = 0;
    }
}

// Backspace right after a thousand separator only steps over it: the
// separator comes back anyway when the text is laid out again.
bool TCustomDBNumberEditLt::BackspaceOverSeparator()
{
    const std::string& separator = FormatSettings.ThousandSeparator;
    if (separator.empty() || SelLength() != 0)
        return false;
    const int caret = SelStart();
    const int length = Utf8Length(separator);
    if (caret < length || Utf8Copy(EditText(), caret - length + 1, length) != separator)
        return false;
    SetSelStart(caret - length);
    return true;
}

// A paste that does not read as a number brings the text before it back.
void TCustomDBNumberEditLt::PasteNumber()
{
    if (ReadOnly() || !StartEditingLt())
        return;
    const std::string before = EditText();
    FCatchParseError = true;
    FParseError = nullptr;
    PasteFromClipboard();
    FCatchParseError = false;
    if (std::exchange(FParseError, nullptr)) {
        ShowText(before);
        SelectAll();
        SetFocus();
        return;
    }
    TypedTextChanged();
}

void TCustomDBNumberEditLt::MainButtonDown(bool IsDownButton)
{
    if (EditButton()->Style() != ebsUpDownLt) {
        TCustomDBEditLt::MainButtonDown(IsDownButton);
        return;
    }
    if (!ReadOnly())
        StepValue(!IsDownButton);
}
