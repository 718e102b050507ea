#include "platform/ui/graphics.h"

#include <array>
#include <cstdio>
#include <mutex>

#include <QFont>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/floatformat.h"

namespace {

// The system colours by index: a fixed light desktop palette, the same on
// every machine, so that drawings do not depend on the desktop theme.
constexpr std::array<TColor, 31> SystemPalette = {
    RGBColor(200, 200, 200), // clScrollBar
    RGBColor(0, 0, 0),       // clBackground
    RGBColor(153, 180, 209), // clActiveCaption
    RGBColor(191, 205, 219), // clInactiveCaption
    RGBColor(240, 240, 240), // clMenu
    RGBColor(255, 255, 255), // clWindow
    RGBColor(100, 100, 100), // clWindowFrame
    RGBColor(0, 0, 0),       // clMenuText
    RGBColor(0, 0, 0),       // clWindowText
    RGBColor(0, 0, 0),       // clCaptionText
    RGBColor(180, 180, 180), // clActiveBorder
    RGBColor(244, 247, 252), // clInactiveBorder
    RGBColor(171, 171, 171), // clAppWorkSpace
    RGBColor(51, 153, 255),  // clHighlight
    RGBColor(255, 255, 255), // clHighlightText
    RGBColor(240, 240, 240), // clBtnFace
    RGBColor(160, 160, 160), // clBtnShadow
    RGBColor(109, 109, 109), // clGrayText
    RGBColor(0, 0, 0),       // clBtnText
    RGBColor(67, 78, 84),    // clInactiveCaptionText
    RGBColor(255, 255, 255), // clBtnHighlight
    RGBColor(105, 105, 105), // cl3DDkShadow
    RGBColor(227, 227, 227), // cl3DLight
    RGBColor(0, 0, 0),       // clInfoText
    RGBColor(255, 255, 225), // clInfoBk
    RGBColor(0, 0, 0),       // index 25 has no colour
    RGBColor(0, 102, 204),   // clHotLight
    RGBColor(185, 209, 234), // clGradientActiveCaption
    RGBColor(215, 228, 242), // clGradientInactiveCaption
    RGBColor(51, 153, 255),  // clMenuHighlight
    RGBColor(240, 240, 240), // clMenuBar
};

// Font names that descriptions written on other desktops use, and the
// installed family that stands in for each. The windows were laid out for
// these faces, so each stands for a family of the same character widths
// where one exists (the Liberation families share the widths of "Arial",
// "Times New Roman" and "Courier New"; the small dialog faces are closest to
// the sans one).
struct TFontSubstitute {
    const char* Name;
    const char* Family;
};
constexpr TFontSubstitute FontSubstitutes[] = {
    {"MS Sans Serif", "Liberation Sans"},   {"Microsoft Sans Serif", "Liberation Sans"},
    {"MS Shell Dlg", "Liberation Sans"},    {"MS Shell Dlg 2", "Liberation Sans"},
    {"Tahoma", "Liberation Sans"},          {"Segoe UI", "Liberation Sans"},
    {"System", "Liberation Sans"},          {"Verdana", "DejaVu Sans"},
    {"Arial", "Liberation Sans"},           {"Helvetica", "Liberation Sans"},
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"Times New Roman", "Liberation Serif"}, {"Times", "Liberation Serif"},
    {"MS Serif", "Liberation Serif"},       {"Georgia", "DejaVu Serif"},
    {"Courier New", "Liberation Mono"},     {"Courier", "Liberation Mono"},
    {"Lucida Console", "DejaVu Sans Mono"}, {"Consolas", "DejaVu Sans Mono"},
    {"Fixedsys", "DejaVu Sans Mono"},       {"Terminal", "DejaVu Sans Mono"},
};

// Qt falls back to the substitute when the named family is not installed,
// whoever builds the QFont.
void RegisterFontSubstitutes()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (const TFontSubstitute& s : FontSubstitutes)
            QFont::insertSubstitution(QString::fromLatin1(s.Name), QString::fromLatin1(s.Family));
    });
}

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const int64_t product = static_cast<int64_t>(number) * numerator;
    const int64_t half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

} // namespace

TColor ColorToRGB(TColor Color)
{
    if ((static_cast<uint32_t>(Color) & 0xFF000000u) != 0xFF000000u)
        return Color;
    const std::size_t index = static_cast<uint32_t>(Color) & 0xFFu;
    return index < SystemPalette.size() ? SystemPalette[index] : clBlack;
}

const TIdentMap& ColorIdents()
{
    static const TIdentMap map = {
        {clBlack, "clBlack"},
        {clMaroon, "clMaroon"},
        {clGreen, "clGreen"},
        {clOlive, "clOlive"},
        {clNavy, "clNavy"},
        {clPurple, "clPurple"},
        {clTeal, "clTeal"},
        {clGray, "clGray"},
        {clSilver, "clSilver"},
        {clRed, "clRed"},
        {clLime, "clLime"},
        {clYellow, "clYellow"},
        {clBlue, "clBlue"},
        {clFuchsia, "clFuchsia"},
        {clAqua, "clAqua"},
        {clWhite, "clWhite"},
        {clMoneyGreen, "clMoneyGreen"},
        {clSkyBlue, "clSkyBlue"},
        {clCream, "clCream"},
        {clMedGray, "clMedGray"},
        {clNone, "clNone"},
        {clDefault, "clDefault"},
        {clScrollBar, "clScrollBar"},
        {clBackground, "clBackground"},
        {clActiveCaption, "clActiveCaption"},
        {clInactiveCaption, "clInactiveCaption"},
        {clMenu, "clMenu"},
        {clWindow, "clWindow"},
        {clWindowFrame, "clWindowFrame"},
        {clMenuText, "clMenuText"},
        {clWindowText, "clWindowText"},
        {clCaptionText, "clCaptionText"},
        {clActiveBorder, "clActiveBorder"},
        {clInactiveBorder, "clInactiveBorder"},
        {clAppWorkSpace, "clAppWorkSpace"},
        {clHighlight, "clHighlight"},
        {clHighlightText, "clHighlightText"},
        {clBtnFace, "clBtnFace"},
        {clBtnShadow, "clBtnShadow"},
        {clGrayText, "clGrayText"},
        {clBtnText, "clBtnText"},
        {clInactiveCaptionText, "clInactiveCaptionText"},
        {clBtnHighlight, "clBtnHighlight"},
        {cl3DDkShadow, "cl3DDkShadow"},
        {cl3DLight, "cl3DLight"},
        {clInfoText, "clInfoText"},
        {clInfoBk, "clInfoBk"},
        {clHotLight, "clHotLight"},
        {clGradientActiveCaption, "clGradientActiveCaption"},
        {clGradientInactiveCaption, "clGradientInactiveCaption"},
        {clMenuHighlight, "clMenuHighlight"},
        {clMenuBar, "clMenuBar"},
        // Older names, read but never written.
        {clSilver, "clLtGray"},
        {clGray, "clDkGray"},
    };
    return map;
}

std::string ColorToString(TColor Color)
{
    if (const char* name = IntToIdent(ColorIdents(), Color))
        return name;
    char text[16];
    std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(static_cast<uint32_t>(Color)));
    return text;
}

TColor StringToColor(const std::string& Text)
{
    int64_t value = 0;
    if (IdentToInt(ColorIdents(), Text, value))
        return static_cast<TColor>(value);
    return StrToInt(Text);
}

LT_IMPLEMENT_CLASS(TGraphicsObject, TPersistent) {}

void TGraphicsObject::Changed()
{
    if (FOnChange)
        FOnChange(this);
}

LT_IMPLEMENT_CLASS(TFont, TGraphicsObject)
{
    P.Property("Charset", &TFont::Charset, &TFont::SetCharset).Default(1);
    P.Property("Color", &TFont::Color, &TFont::SetColor).Default(clWindowText).Idents(ColorIdents());
    P.Property("Height", &TFont::Height, &TFont::SetHeight);
    P.Property("Name", &TFont::Name, &TFont::SetName);
    P.Property("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault);
    P.Property("Size", &TFont::Size, &TFont::SetSize).StoredIf([](const TObject&) { return false; });
    P.Property("Style", &TFont::Style, &TFont::SetStyle).Default(0);
}

TFont::TFont() : FName("MS Sans Serif")
{
    RegisterFontSubstitutes();
}

void TFont::Assign(const TPersistent* Source)
{
    const auto* font = dynamic_cast<const TFont*>(Source);
    if (!font) {
        TGraphicsObject::Assign(Source);
        return;
    }
    if (FName == font->FName && FSize == font->FSize && FColor == font->FColor && FStyle == font->FStyle &&
        FPitch == font->FPitch && FCharset == font->FCharset)
        return;
    FName = font->FName;
    FSize = font->FSize;
    FColor = font->FColor;
    FStyle = font->FStyle;
    FPitch = font->FPitch;
    FCharset = font->FCharset;
    Changed();
}

void TFont::SetName(const std::string& Value)
{
    if (Value.empty() || Value == FName)
        return;
    FName = Value;
    Changed();
}

void TFont::SetSize(int Value)
{
    if (Value == FSize)
        return;
    FSize = Value;
    Changed();
}

int TFont::Height() const
{
    return -MulDiv(FSize, FPixelsPerInch, 72);
}

void TFont::SetHeight(int Value)
{
    SetSize(-MulDiv(Value, 72, FPixelsPerInch));
}

void TFont::SetColor(TColor Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    Changed();
}

void TFont::SetStyle(TFontStyles Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    Changed();
}

void TFont::SetPitch(TFontPitch Value)
{
    if (Value == FPitch)
        return;
    FPitch = Value;
    Changed();
}

void TFont::SetCharset(int Value)
{
    if (Value == FCharset)
        return;
    FCharset = Value;
    Changed();
}

LT_IMPLEMENT_CLASS(TPen, TGraphicsObject)
{
    P.Property("Color", &TPen::Color, &TPen::SetColor).Default(clBlack).Idents(ColorIdents());
    P.Property("Mode", &TPen::Mode, &TPen::SetMode).Default(pmCopy);
    P.Property("Style", &TPen::Style, &TPen::SetStyle).Default(psSolid);
    P.Property("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}

void TPen::Assign(const TPersistent* Source)
{
    const auto* pen = dynamic_cast<const TPen*>(Source);
    if (!pen) {
        TGraphicsObject::Assign(Source);
        return;
    }
    if (FColor == pen->FColor && FWidth == pen->FWidth && FStyle == pen->FStyle && FMode == pen->FMode)
        return;
    FColor = pen->FColor;
    FWidth = pen->FWidth;
    FStyle = pen->FStyle;
    FMode = pen->FMode;
    Changed();
}

void TPen::SetColor(TColor Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    Changed();
}

void TPen::SetWidth(int Value)
{
    if (Value < 0 || Value == FWidth)
        return;
    FWidth = Value;
    Changed();
}

void TPen::SetStyle(TPenStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    Changed();
}

void TPen::SetMode(TPenMode Value)
{
    if (Value == FMode)
        return;
    FMode = Value;
    Changed();
}

LT_IMPLEMENT_CLASS(TBrush, TGraphicsObject)
{
    P.Property("Color", &TBrush::Color, &TBrush::SetColor).Default(clWhite).Idents(ColorIdents());
    P.Property("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
}

void TBrush::Assign(const TPersistent* Source)
{
    const auto* brush = dynamic_cast<const TBrush*>(Source);
    if (!brush) {
        TGraphicsObject::Assign(Source);
        return;
    }
    if (FColor == brush->FColor && FStyle == brush->FStyle)
        return;
    FColor = brush->FColor;
    FStyle = brush->FStyle;
    Changed();
}

// A colour given to a clear brush makes it solid again, so that a fill after
// choosing its colour shows.
void TBrush::SetColor(TColor Value)
{
    if (Value == FColor && FStyle != bsClear)
        return;
    FColor = Value;
    if (FStyle == bsClear)
        FStyle = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    Changed();
}
