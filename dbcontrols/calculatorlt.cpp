#include "dbcontrols/calculatorlt.h"

#include <cmath>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/floatformat.h"
#include "platform/rtl/strutils.h"
#include "platform/ui/application.h"

LT_IMPLEMENT_CLASS(TCalculatorLt, TCustomControl)
{
    P.Property("BorderStyle", &TCalculatorLt::BorderStyle, &TCalculatorLt::SetBorderStyle).Default(bsNone);
    P.Method("SpeedButtonClick", &TCalculatorLt::SpeedButtonClick);
}

namespace {

// The layout the calculator is drawn for: 96 pixels per inch, a text
// height of 13 pixels.
constexpr int kDesignPixelsPerInch = 96;
constexpr int kDesignTextHeight = 13;
constexpr int kDesignFontHeight = -11;
constexpr const char* kFontName = "MS Sans Serif";

struct TCalcButtonDef {
    const char* Caption;
    char32_t Key;
    int Left, Top, Width, Height;
    TColor Color;
};

constexpr TCalcButtonDef kButtons[CalcButtonCountLt] = {
    {"7", U'7', 6, 29, 27, 22, clBlue},        {"8", U'8', 35, 29, 27, 22, clBlue},
    {"9", U'9', 64, 29, 27, 22, clBlue},       {"/", U'/', 93, 29, 27, 22, clRed},
    {"sqrt", U'S', 122, 29, 27, 22, clBlue},   {"C", U'C', 151, 29, 27, 22, clRed},
    {"4", U'4', 6, 53, 27, 22, clBlue},        {"5", U'5', 35, 53, 27, 22, clBlue},
    {"6", U'6', 64, 53, 27, 22, clBlue},       {"*", U'*', 93, 53, 27, 22, clRed},
    {"%", U'%', 122, 53, 27, 22, clBlue},      {"Cancel", U'A', 151, 52, 27, 23, clRed},
    {"1", U'1', 6, 77, 27, 22, clBlue},        {"2", U'2', 35, 77, 27, 22, clBlue},
    {"3", U'3', 64, 77, 27, 22, clBlue},       {"-", U'-', 93, 77, 27, 22, clRed},
    {"1/x", U'R', 122, 77, 27, 22, clBlue},    {"<-", U'\b', 151, 77, 27, 22, clRed},
    {"0", U'0', 6, 101, 27, 22, clBlue},       {"+/-", U'I', 35, 101, 27, 22, clBlue},
    {".", U'.', 64, 101, 27, 22, clBlue},      {"+", U'+', 93, 101, 27, 22, clRed},
    {"Ok", U'=', 122, 101, 56, 22, clRed},
};

int Scaled(int Value, int Num, int Den)
{
    return static_cast<int>(std::lround(static_cast<double>(Value) * Num / Den));
}

} // namespace

TCalculatorLt::TCalculatorLt(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetColor(clBtnFace);
    SetParentColor(false);
    SetParentFont(false);
    Font()->SetName(kFontName);
    Font()->SetHeight(kDesignFontHeight);
    BuildControls();
    ScaleToFont();
    FrameChanged();
}

void TCalculatorLt::BuildControls()
{
    FPanel = new TPanel(this);
    FPanel->SetName("Panel1");
    FPanel->SetParent(this);
    FPanel->SetParentColor(false);
    FPanel->SetColor(clWindow);
    FPanel->SetBorderWidth(2);
    FPanel->SetBevelOuter(bvNone);
    FDesignBounds[CalcButtonCountLt] = Bounds(6, 4, 171, 19);

    FTextBox = new TLabel(this);
    FTextBox->SetName("TextBox");
    FTextBox->SetParent(FPanel);
    FTextBox->SetAlign(alClient);
    FTextBox->SetAutoSize(false);
    FTextBox->SetAlignment(taRightJustify);
    FTextBox->SetLayout(tlCenter);
    FTextBox->SetShowAccelChar(false);
    FTextBox->SetCaption("0");

    for (int i = 0; i < CalcButtonCountLt; ++i) {
        const TCalcButtonDef& def = kButtons[i];
        auto* button = new TSpeedButtonLt(this);
        button->SetParent(this);
        button->SetTag(i + 1);
        button->SetCaption(def.Caption);
        button->SetFlat(true);
        button->SetLayout(blGlyphRight);
        button->SetParentFont(false);
        button->Font()->SetName(kFontName);
        button->Font()->SetHeight(kDesignFontHeight);
        button->Font()->SetColor(def.Color);
        button->SetStyle(ebsGlyphLt);
        button->SetActive(true);
        button->SetOnClick([this](TObject* Sender) { SpeedButtonClick(Sender); });
        FButtons[static_cast<std::size_t>(i)] = button;
        FDesignBounds[static_cast<std::size_t>(i)] = Bounds(def.Left, def.Top, def.Width, def.Height);
    }
    EqualButton()->SetName("spEqual");
}

void TCalculatorLt::ScaleToFont()
{
    const int screenPpi = Screen ? Screen->PixelsPerInch() : kDesignPixelsPerInch;
    if (screenPpi != kDesignPixelsPerInch) {
        Font()->SetHeight(Scaled(Font()->Height(), screenPpi, kDesignPixelsPerInch));
        for (TSpeedButtonLt* button : FButtons)
            button->Font()->SetHeight(Font()->Height());
    }
    TCanvas canvas;
    canvas.SetFont(Font());
    const int textHeight = canvas.TextHeight("0");
    if (textHeight == kDesignTextHeight || textHeight <= 0)
        return;
    for (TRect& r : FDesignBounds)
        r = Bounds(Scaled(r.Left, textHeight, kDesignTextHeight), Scaled(r.Top, textHeight, kDesignTextHeight),
                   Scaled(r.Width(), textHeight, kDesignTextHeight),
                   Scaled(r.Height(), textHeight, kDesignTextHeight));
    FClientWidth = Scaled(FClientWidth, textHeight, kDesignTextHeight);
    FClientHeight = Scaled(FClientHeight, textHeight, kDesignTextHeight);
}

void TCalculatorLt::FrameChanged()
{
    const int frame = FrameWidth();
    auto place = [frame](TControl* Control, const TRect& R) {
        Control->SetBounds(R.Left + frame, R.Top + frame, R.Width(), R.Height());
    };
    DisableAlign();
    for (int i = 0; i < CalcButtonCountLt; ++i)
        place(FButtons[static_cast<std::size_t>(i)], FDesignBounds[static_cast<std::size_t>(i)]);
    place(FPanel, FDesignBounds[CalcButtonCountLt]);
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
    return kButtons[Tag - 1].Key;
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
