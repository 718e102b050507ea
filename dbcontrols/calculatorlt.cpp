#include "dbcontrols/calculatorlt.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/resources.h"
#include "platform/rtl/writer.h"
#include "platform/rtl/floatformat.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/application.h"

LT_IMPLEMENT_CLASS(TCalculatorLt, TCustomControl)
{
    P.Property("BorderStyle", &TCalculatorLt::BorderStyle, &TCalculatorLt::SetBorderStyle).Default(bsNone);
    P.Method("SpeedButtonClick", &TCalculatorLt::SpeedButtonClick);
}

namespace {

constexpr const char* kDescription = "calculatorlt.dfm";

// The key each button sends, by Tag - 1.
constexpr char32_t kKeys[CalcButtonCountLt] = {
    U'7', U'8', U'9', U'/', U'S', U'C', U'4', U'5', U'6', U'*', U'%', U'A',
    U'1', U'2', U'3', U'-', U'R', U'\b', U'0', U'I', U'.', U'+', U'=',
};

int Scaled(int Value, int Num, int Den)
{
    return static_cast<int>(std::lround(static_cast<double>(Value) * Num / Den));
}

// An integer of the stored description that no published property holds.
void DefineInteger(TFiler& Filer, const char* Name, int& Value)
{
    Filer.DefineProperty(
        Name, [&Value](TReader& Reader) { Value = static_cast<int>(Reader.ReadInteger()); },
        [&Value](TWriter& Writer) { Writer.WriteInteger(Value); }, Value != 0);
}

} // namespace

TCalculatorLt::TCalculatorLt(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetParentColor(false);
    SetParentFont(false);
    ReadDescription();
    ScaleToFont();
    FrameChanged();
}

void TCalculatorLt::DefineProperties(TFiler& Filer)
{
    TCustomControl::DefineProperties(Filer);
    DefineInteger(Filer, "ClientWidth", FClientWidth);
    DefineInteger(Filer, "ClientHeight", FClientHeight);
    DefineInteger(Filer, "PixelsPerInch", FDesignPixelsPerInch);
    DefineInteger(Filer, "TextHeight", FDesignTextHeight);
}

void TCalculatorLt::ReadDescription()
{
    DisableAlign();
    ReadComponentResource(*this, kDescription);
    // The description names the calculator; an instance keeps no name of
    // it, so that several calculators can share an owner.
    SetName("");
    FPanel = dynamic_cast<TPanel*>(FindComponent("Panel1"));
    FTextBox = dynamic_cast<TLabel*>(FindComponent("TextBox"));
    for (int i = 0; i < ComponentCount(); ++i) {
        auto* button = dynamic_cast<TSpeedButtonLt*>(Components(i));
        if (!button || button->Tag() < 1 || button->Tag() > CalcButtonCountLt)
            continue;
        button->SetStyle(ebsGlyphLt);
        button->SetActive(true);
        FButtons[static_cast<std::size_t>(button->Tag() - 1)] = button;
    }
    if (!FPanel || !FTextBox || std::find(FButtons.begin(), FButtons.end(), nullptr) != FButtons.end() ||
        EqualButton()->Name() != "spEqual")
        throw EReadError(std::string(kDescription) + ": the display or a button of the calculator is missing");
    for (int i = 0; i < ControlCount(); ++i)
        FDesignBounds.emplace_back(Controls(i), Controls(i)->BoundsRect());
    EnableAlign();
}

void TCalculatorLt::ScaleToFont()
{
    // A pixels-per-inch value of 35 or less is none.
    if (FDesignPixelsPerInch <= 35 || FDesignTextHeight <= 0)
        return;
    const int screenPpi = Screen ? Screen->PixelsPerInch() : FDesignPixelsPerInch;
    if (screenPpi != FDesignPixelsPerInch) {
        Font()->SetHeight(Scaled(Font()->Height(), screenPpi, FDesignPixelsPerInch));
        for (TSpeedButtonLt* button : FButtons)
            button->Font()->SetHeight(Scaled(button->Font()->Height(), screenPpi, FDesignPixelsPerInch));
    }
    TCanvas canvas;
    canvas.SetFont(Font());
    const int textHeight = canvas.TextHeight("0");
    if (textHeight == FDesignTextHeight || textHeight <= 0)
        return;
    for (auto& [control, r] : FDesignBounds)
        r = Bounds(Scaled(r.Left, textHeight, FDesignTextHeight), Scaled(r.Top, textHeight, FDesignTextHeight),
                   Scaled(r.Width(), textHeight, FDesignTextHeight),
                   Scaled(r.Height(), textHeight, FDesignTextHeight));
    FClientWidth = Scaled(FClientWidth, textHeight, FDesignTextHeight);
    FClientHeight = Scaled(FClientHeight, textHeight, FDesignTextHeight);
}

void TCalculatorLt::FrameChanged()
{
    const int frame = FrameWidth();
    DisableAlign();
    for (const auto& [control, r] : FDesignBounds)
        control->SetBounds(r.Left + frame, r.Top + frame, r.Width(), r.Height());
    SetBounds(Left(), Top(), FClientWidth + 2 * frame, FClientHeight + 2 * frame);
    EnableAlign();
    Invalidate();
}

void TCalculatorLt::SetBorderStyle(TFormBorderStyle Value)
{
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    FrameChanged();
}

int TCalculatorLt::FrameWidth() const
{
    return FBorderStyle == bsSingle ? 2 : 0;
}

TRect TCalculatorLt::ClientRect() const
{
    const int frame = FrameWidth();
    return Rect(frame, frame, Width() - frame, Height() - frame);
}

void TCalculatorLt::Paint()
{
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(Rect(0, 0, Width(), Height()));
    PaintFrame();
}

void TCalculatorLt::PaintFrame()
{
    if (FBorderStyle == bsSingle) {
        TRect r = Rect(0, 0, Width(), Height());
        Canvas()->DrawEdge(r, EDGE_SUNKEN, BF_RECT);
    }
}

double TCalculatorLt::DisplayValue() const
{
    if (FStatus == csErrorLt)
        return 0;
    return StrToFloat(Trim(FTextBox->Caption()));
}

void TCalculatorLt::SetDisplayValue(double Value)
{
    if (!std::isfinite(Value)) {
        ShowError();
        return;
    }
    FTextBox->SetCaption(FloatToStrF(Value, TFloatFormat::ffGeneral, 15, 0));
}

char32_t TCalculatorLt::KeyOfTag(int Tag)
{
    if (Tag < 1 || Tag > CalcButtonCountLt)
        return 0;
    return kKeys[Tag - 1];
}

void TCalculatorLt::SpeedButtonClick(TObject* Sender)
{
    if (const auto* component = dynamic_cast<TComponent*>(Sender))
        HandleCalcKey(KeyOfTag(component->Tag()));
}

void TCalculatorLt::KeyPress(char32_t& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key != 0)
        HandleCalcKey(Key);
}

void TCalculatorLt::KeyDown(unsigned& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_DELETE)
        HandleCalcKey(U'C');
}

void TCalculatorLt::WheelBy(int Delta)
{
    if (FStatus == csErrorLt || Delta == 0)
        return;
    SetDisplayValue(DisplayValue() + (Delta > 0 ? 1 : -1));
}

void TCalculatorLt::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_MOUSEWHEEL) {
        WheelBy(static_cast<int16_t>(HiWord(Message.WParam)));
        Message.Result = 1;
        return;
    }
    TCustomControl::Dispatch(Message);
}
