#pragma once
// The number edit: an edit of a floating-point value (a Double, or Null for
// none). Unfocused it shows the value in DisplayFormat; focused in the edit
// format derived from it, with thousand separators while typing. Every
// typed character is checked first; every change of the text is parsed,
// and the value (not the text) is kept within MinValue..MaxValue and
// rounded to DecimalPlaces until it is shown again. Up and Down, the mouse
// wheel and an up/down main button step the value by Increment; any other
// main button drops down a calculator that can supply the value.
//
// A value set from code (Value) is neither limited nor rounded.
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "dbcontrols/dbeditlt.h"
#include "platform/rtl/variant.h"
#include "platform/ui/presswatch.h"

class TCustomImageList;
class TPopupCalculatorLt;

using TNumberCloseUpEventLt = std::function<void(TObject* Sender, bool Accept)>;

class TCustomDBNumberEditLt : public TCustomDBEditLt {
    LT_CLASS(TCustomDBNumberEditLt)
public:
    explicit TCustomDBNumberEditLt(TComponent* AOwner);
    ~TCustomDBNumberEditLt() override;

    // Null or a Double.
    Variant Value() const { return FValue; }
    void SetValue(const Variant& Value) { AssignValue(Value); }

    unsigned DecimalPlaces() const { return FDecimalPlaces; }
    void SetDecimalPlaces(unsigned Value);
    double Increment() const { return FIncrement; }
    void SetIncrement(double Value) { FIncrement = Value; }
    // Unless assigned, the field's range (integer and float fields), else 0.
    // Equal bounds do not limit; for an inverted pair see LimitValue.
    double MinValue() const;
    void SetMinValue(double Value);
    bool MinValueAssigned() const { return FMinAssigned; }
    double MaxValue() const;
    void SetMaxValue(double Value);
    bool MaxValueAssigned() const { return FMaxAssigned; }
    // Unless assigned, the field's display format, else ''.
    std::string DisplayFormat() const;
    void SetDisplayFormat(const std::string& Value);
    bool DisplayFormatAssigned() const { return FDisplayFormatAssigned; }
    // Unless assigned, the field's currency flag, else false.
    bool currency() const;
    void SetCurrency(bool Value);
    bool CurrencyAssigned() const { return FCurrencyAssigned; }
    // The image list of the edit image; setting one shows the image.
    TCustomImageList* Images() const;
    void SetImages(TCustomImageList* Value);

    // The format the value is edited in while focused.
    const std::string& EditFormat() const { return FEditFormat; }

    // Steps the value up or down by Increment (from Null: to Increment).
    void StepValue(bool Up);
    // X within the bounds, rounded to DecimalPlaces.
    long double LimitValue(long double X) const;
    // Reads the current text into the value; a text that is not a number
    // raises EConvertError.
    void ParseText();
    // Lays the thousand separators of Text out anew and shows it, the caret
    // staying after the same digit.
    void ReformatThousands(const std::string& Text);
    std::string NormalizeNumberText(const std::string& Text) const;
    bool IsNumberText(const std::string& Text, double& X) const;
    std::string InsertThousands(const std::string& Text, bool Thousands) const;
    virtual std::string DisplayTextOfValue() const;

    // The calculator, made on first use.
    virtual TPopupCalculatorLt* CalculatorPopup();
    bool CalculatorVisible() const { return FCalculatorVisible; }
    void DropDown() override;
    void CloseUp(bool Accept) override;

    // Owner callbacks, not published: before the calculator drops down and
    // after it closed.
    TNotifyEvent BeforeDropDown;
    TNumberCloseUpEventLt AfterCloseUp;

    void Dispatch(TMessage& Message) override;

protected:
    void Loaded() override;
    void Change() override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;

    Variant CurrentValue() const override;
    TAlignment FieldAlignment() const override;
    bool AcceptsChar(char32_t Key) const override;
    void ApplyText(const std::string& Text) override;
    void ApplyValue(const Variant& Value) override;
    void PostToLink() override;
    void ShowLinkValue() override;
    void MainButtonDown(bool IsDownButton) override;

private:
    // Shows Text without parsing it.
    void ShowText(const std::string& Text);
    void RefreshEditFormat();
    void RefreshWidgetAlignment();
    void PostIfUnbound();
    void PasteNumber();
    bool BackspaceOverSeparator();
    bool RouteKeyToCalculator(TMessage& Message);
    void PressedWhileOpen(TControl* Pressed);

    Variant FValue = Variant::Null();
    unsigned FDecimalPlaces = 2;
    double FIncrement = 1;
    double FMinValue = 0;
    double FMaxValue = 0;
    bool FMinAssigned = false;
    bool FMaxAssigned = false;
    std::string FDisplayFormat;
    bool FDisplayFormatAssigned = false;
    bool FCurrency = false;
    bool FCurrencyAssigned = false;
    std::string FEditFormat;
    // Set while the editor puts its own text in.
    bool FSettingText = false;
    // Set while a text from code or a paste is shown: a parse error is kept
    // for the caller instead of going to the application.
    bool FCatchParseError = false;
    std::exception_ptr FParseError;
    TPopupCalculatorLt* FCalculator = nullptr;   // owned by the editor
    bool FCalculatorVisible = false;
    std::unique_ptr<TMousePressWatch> FPressWatch;
};

// The number edit as descriptions publish it.
class TDBNumberEditLt : public TCustomDBNumberEditLt {
    LT_CLASS(TDBNumberEditLt)
public:
    explicit TDBNumberEditLt(TComponent* AOwner) : TCustomDBNumberEditLt(AOwner) {}

    // The value as a description stores it: a number (Null reads as 0).
    double StoredValue() const;
    void SetStoredValue(double Value) { SetValue(Variant(Value)); }
};
