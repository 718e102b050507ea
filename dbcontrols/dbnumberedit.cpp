#include "dbcontrols/dbnumberedit.h"

#include <algorithm>
#include <utility>


#include "dbcontrols/numbertext.h"
#include "dbcontrols/popupcalculatorlt.h"
#include "platform/data/fields.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/floatformat.h"
#include "platform/rtl/strutils.h"
#include "dbcontrols/variantsmatch.h"
#include "platform/ui/imglist.h"

LT_IMPLEMENT_CLASS(TCustomDBNumberEditLt, TCustomDBEditLt)
{
}

namespace {

// The value as a number; false for one that converts to none.
bool TryVariantToDouble(const Variant& Value, double& Number)
{
    try {
        Number = Value.AsDouble();
        return true;
    } catch (const EVariantError&) {
        return false;
    }
}

} // namespace

LT_IMPLEMENT_CLASS(TDBNumberEditLt, TCustomDBNumberEditLt)
{
    using E = TDBNumberEditLt;
    // The value is stored, not its text.
    P.Property("Text", &E::Text, &E::SetText).StoredIf([](const TObject&) { return false; });
    P.Property("Value", &E::StoredValue, &E::SetStoredValue).StoredIf([](const TObject& O) {
        const auto& edit = static_cast<const E&>(O);
        return edit.FieldLink()->Unbound() && !edit.Value().IsNull();
    });
    P.Property("DecimalPlaces", &E::DecimalPlaces, &E::SetDecimalPlaces).Default(2);
    P.Property("Increment", &E::Increment, &E::SetIncrement).DefaultFloat(1);
    P.Property("MinValue", &E::MinValue, &E::SetMinValue).StoredIf([](const TObject& O) {
        return static_cast<const E&>(O).MinValueAssigned();
    });
    P.Property("MaxValue", &E::MaxValue, &E::SetMaxValue).StoredIf([](const TObject& O) {
        return static_cast<const E&>(O).MaxValueAssigned();
    });
    P.Property("DisplayFormat", &E::DisplayFormat, &E::SetDisplayFormat).StoredIf([](const TObject& O) {
        return static_cast<const E&>(O).DisplayFormatAssigned();
    });
    P.Property("currency", &E::currency, &E::SetCurrency).StoredIf([](const TObject& O) {
        return static_cast<const E&>(O).CurrencyAssigned();
    });
    P.Property("PasswordChar", &E::PasswordCharText, &E::SetPasswordCharText);
    P.Property("Images", &E::Images, &E::SetImages);
    P.Property("Alignment", &E::Alignment, &E::SetAlignment).Default(taRightJustify);
}

TCustomDBNumberEditLt::TCustomDBNumberEditLt(TComponent* AOwner) : TCustomDBEditLt(AOwner)
{
    SetMaxLength(0);
    RefreshWidgetAlignment();
}

TCustomDBNumberEditLt::~TCustomDBNumberEditLt() = default;

// ---- properties -----------------------------------------------------------

void TCustomDBNumberEditLt::SetDecimalPlaces(unsigned Value)
{
    FDecimalPlaces = Value;
    ShowLinkValue();
}

double TCustomDBNumberEditLt::MinValue() const
{
    if (FMinAssigned)
        return FMinValue;
    const TField* field = FieldLink()->Field();
    if (const auto* f = dynamic_cast<const TIntegerField*>(field))
        return f->MinValue();
    if (const auto* f = dynamic_cast<const TLargeintField*>(field))
        return static_cast<double>(f->MinValue());
    if (const auto* f = dynamic_cast<const TFloatField*>(field))
        return f->MinValue();
    return 0;
}

double TCustomDBNumberEditLt::MaxValue() const
{
    if (FMaxAssigned)
        return FMaxValue;
    const TField* field = FieldLink()->Field();
    if (const auto* f = dynamic_cast<const TIntegerField*>(field))
        return f->MaxValue();
    if (const auto* f = dynamic_cast<const TLargeintField*>(field))
        return static_cast<double>(f->MaxValue());
    if (const auto* f = dynamic_cast<const TFloatField*>(field))
        return f->MaxValue();
    return 0;
}

// A new bound does not limit the current value; an unbound editor posts it.
void TCustomDBNumberEditLt::SetMinValue(double Value)
{
    if (FMinAssigned && Value == FMinValue)
        return;
    FMinValue = Value;
    FMinAssigned = true;
    PostIfUnbound();
}

void TCustomDBNumberEditLt::SetMaxValue(double Value)
{
    if (FMaxAssigned && Value == FMaxValue)
        return;
    FMaxValue = Value;
    FMaxAssigned = true;
    PostIfUnbound();
}

void TCustomDBNumberEditLt::PostIfUnbound()
{
    if (!ComponentState().Contains(csLoading) && IsUnbound())
        UpdateData();
}

std::string TCustomDBNumberEditLt::DisplayFormat() const
{
    if (FDisplayFormatAssigned)
        return FDisplayFormat;
    const TField* field = FieldLink()->Field();
    if (const auto* f = dynamic_cast<const TNumericField*>(field))
        return f->DisplayFormat();
    if (const auto* f = dynamic_cast<const TDateTimeField*>(field))
        return f->DisplayFormat();
    if (const auto* f = dynamic_cast<const TAggregateField*>(field))
        return f->DisplayFormat();
    return {};
}

void TCustomDBNumberEditLt::SetDisplayFormat(const std::string& Value)
{
    FDisplayFormat = Value;
    FDisplayFormatAssigned = true;
    ShowLinkValue();
}

bool TCustomDBNumberEditLt::currency() const
{
    if (FCurrencyAssigned)
        return FCurrency;
    const TField* field = FieldLink()->Field();
    if (const auto* f = dynamic_cast<const TFloatField*>(field))
        return f->Currency();
    if (const auto* f = dynamic_cast<const TBCDField*>(field))
        return f->Currency();
    if (const auto* f = dynamic_cast<const TAggregateField*>(field))
        return f->Currency();
    return false;
}

void TCustomDBNumberEditLt::SetCurrency(bool Value)
{
    FCurrency = Value;
    FCurrencyAssigned = true;
    ShowLinkValue();
}

TCustomImageList* TCustomDBNumberEditLt::Images() const
{
    return EditImage()->Images();
}

void TCustomDBNumberEditLt::SetImages(TCustomImageList* Value)
{
    EditImage()->SetImages(Value);
    EditImage()->SetVisible(true);
}

TAlignment TCustomDBNumberEditLt::FieldAlignment() const
{
    const TField* field = FieldLink()->Field();
    return field ? field->Alignment() : taRightJustify;
}

void TCustomDBNumberEditLt::RefreshWidgetAlignment()
{
    SetTextAlignment(Alignment());
}

void TCustomDBNumberEditLt::Loaded()
{
    TCustomDBEditLt::Loaded();
    ShowLinkValue();
}

// ---- formats --------------------------------------------------------------

void TCustomDBNumberEditLt::RefreshEditFormat()
{
    FEditFormat = NumberEditFormat(DisplayFormat(), currency(), FormatSettings);
}

std::string TCustomDBNumberEditLt::DisplayTextOfValue() const
{
    return NumberDisplayText(FValue, DisplayFormat(), currency(), FormatSettings);
}

std::string TCustomDBNumberEditLt::NormalizeNumberText(const std::string& Text) const
{
    return ::NormalizeNumberText(Text, FormatSettings);
}

bool TCustomDBNumberEditLt::IsNumberText(const std::string& Text, double& X) const
{
    return ::IsNumberText(Text, X, FormatSettings);
}

std::string TCustomDBNumberEditLt::InsertThousands(const std::string& Text, bool Thousands) const
{
    return ::InsertThousands(Text, Thousands, FormatSettings);
}

long double TCustomDBNumberEditLt::LimitValue(long double X) const
{
    return LimitNumber(X, MinValue(), MaxValue(), FDecimalPlaces);
}

// ---- value and text -------------------------------------------------------

Variant TCustomDBNumberEditLt::CurrentValue() const
{
    return FValue;
}

void TCustomDBNumberEditLt::ShowText(const std::string& Text)
{
    const bool was = FSettingText;
    FSettingText = true;
    try {
        TCustomMaskEdit::SetText(Text);
    } catch (...) {
        FSettingText = was;
        throw;
    }
    FSettingText = was;
}

void TCustomDBNumberEditLt::ApplyValue(const Variant& Value)
{
    if (Value.IsNull() || Value.IsEmpty()) {
        ShowText("");
        FValue = Variant::Null();
        return;
    }
    double number = 0;
    if (!TryVariantToDouble(Value, number)) {
        // A value that is no number (a text field's "abc") is shown as its
        // text and holds no number; typing replaces it by the usual rules.
        FValue = Variant::Null();
        ShowText(VariantToText(Value));
        return;
    }
    FValue = Variant(number);
    FieldLink()->MarkModified();
    if (FocusedState() && FieldLink()->CanModifyValue()) {
        const std::string text = FormatFloat(FEditFormat, FValue.AsDouble());
        ShowText(text);
        ReformatThousands(text);
    } else {
        ShowText(DisplayTextOfValue());
    }
}

// A text from code is parsed like a typed one; one that is not a number
// raises to the caller and leaves the text that was shown before.
void TCustomDBNumberEditLt::ApplyText(const std::string& Text)
{
    const std::string before = EditText();
    FCatchParseError = true;
    FParseError = nullptr;
    TCustomDBEditLt::ApplyText(Text);
    FCatchParseError = false;
    if (const std::exception_ptr error = std::exchange(FParseError, nullptr)) {
        ShowText(before);
        std::rethrow_exception(error);
    }
}

void TCustomDBNumberEditLt::Change()
{
    if (!FSettingText) {
        try {
            ParseText();
        } catch (...) {
            if (!FCatchParseError)
                throw;
            FParseError = std::current_exception();
            return;
        }
    }
    TCustomDBEditLt::Change();
}

void TCustomDBNumberEditLt::ParseText()
{
    ReformatThousands(EditText());
    const std::string text = NormalizeNumberText(EditText());
    if (text.empty()) {
        FValue = Variant::Null();
        ShowText("");
    } else if (text == "+" || text == "-") {
        FValue = Variant(0.0);
    } else {
        FValue = Variant(static_cast<double>(LimitValue(StrToFloat(text))));
    }
}

void TCustomDBNumberEditLt::ReformatThousands(const std::string& Text)
{
    std::string text = Text;
    if (!text.empty() && text != "-")
        text = NormalizeNumberText(text);
    text = InsertThousands(text, FEditFormat.find(',') != std::string::npos);
    const std::string current = EditText();
    if (text == current)
        return;
    const int caret = SelStart();
    ShowText(text);
    if (Focused() && !ComponentState().Contains(csDesigning)) {
        const int moved = caret + Utf8Length(text) - Utf8Length(current);
        SetSelStart(std::max(moved, 0));
        SetSelLength(0);
    }
}

void TCustomDBNumberEditLt::PostToLink()
{
    FieldLink()->PostValue(FValue);
}

void TCustomDBNumberEditLt::ShowLinkValue()
{
    RefreshEditFormat();
    TFieldDataLinkLt* link = FieldLink();
    if (TField* field = link->Field()) {
        RefreshWidgetAlignment();
        Invalidate();
        ApplyValue(field->Value());
    } else if (link->Unbound()) {
        ApplyValue(link->UnboundValue());
    } else {
        ApplyValue(Variant::Null());
    }
    RefreshReadOnly();
    SetModified(false);
    RefreshImageIndex();
}

bool TCustomDBNumberEditLt::AcceptsChar(char32_t Key) const
{
    const std::u32string text = Utf8ToUtf32(EditText());
    const auto start = static_cast<std::size_t>(std::clamp(SelStart(), 0, static_cast<int>(text.size())));
    const auto length = std::min(static_cast<std::size_t>(std::max(SelLength(), 0)), text.size() - start);
    const std::u32string next = text.substr(0, start) + Key + text.substr(start + length);
    return NumberTextAcceptable(NormalizeNumberText(Utf32ToUtf8(next)), FDecimalPlaces, MinValue(), MaxValue(),
                                FormatSettings);
}

double TDBNumberEditLt::StoredValue() const
{
    const Variant value = Value();
    return value.IsNull() ? 0 : value.AsDouble();
}
