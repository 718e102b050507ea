// Colours, fonts, pens and brushes.
#include <QFontInfo>
#include <QFontMetricsF>
#include <functional>
#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "platform/ui/graphics.h"
#include "platform/ui/qtconvert.h"

namespace {

TEST(Colors, EveryIdentReadsBackAsItsValueAndIsWrittenAsItsName)
{
    for (const TIdentEntry& entry : ColorIdents()) {
        SCOPED_TRACE(entry.Name);
        const auto color = static_cast<TColor>(entry.Value);
        EXPECT_EQ(StringToColor(entry.Name), color);
        // Older aliases read as their colour, which is written by its first name.
        EXPECT_EQ(StringToColor(ColorToString(color)), color);
    }
    EXPECT_EQ(ColorToString(clSilver), "clSilver");
    EXPECT_EQ(StringToColor("clLtGray"), clSilver);
    EXPECT_EQ(StringToColor("CLBTNFACE"), clBtnFace);
}

TEST(Colors, UnnamedColorsAreWrittenInHexAndReadBack)
{
    struct TCase {
        TColor Color;
        const char* Text;
    };
    const TCase cases[] = {
        {RGBColor(0x12, 0x34, 0x56), "$00563412"},
        {clSystemColor | 25, "$FF000019"},
        {0x01020304, "$01020304"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(ColorToString(c.Color), c.Text);
        EXPECT_EQ(StringToColor(c.Text), c.Color);
    }
    EXPECT_EQ(StringToColor("255"), clRed);
    EXPECT_THROW(StringToColor("clNoSuchColour"), EConvertError);
}

TEST(Colors, SystemColorsResolveFromTheFixedPaletteOthersStayAsTheyAre)
{
    struct TCase {
        TColor Color;
        TColor Rgb;
    };
    const TCase cases[] = {
        {clBtnFace, RGBColor(240, 240, 240)},
        {clWindow, RGBColor(255, 255, 255)},
        {clWindowText, RGBColor(0, 0, 0)},
        {clHighlight, RGBColor(51, 153, 255)},
        {clHighlightText, RGBColor(255, 255, 255)},
        {clBtnShadow, RGBColor(160, 160, 160)},
        {clBtnHighlight, RGBColor(255, 255, 255)},
        {cl3DDkShadow, RGBColor(105, 105, 105)},
        {cl3DLight, RGBColor(227, 227, 227)},
        {clGrayText, RGBColor(109, 109, 109)},
        {clInfoBk, RGBColor(255, 255, 225)},
        {clMenuBar, RGBColor(240, 240, 240)},
        {clSystemColor | 200, clBlack},
        {clRed, clRed},
        {RGBColor(1, 2, 3), RGBColor(1, 2, 3)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(ColorToString(c.Color));
        EXPECT_EQ(ColorToRGB(c.Color), c.Rgb);
    }
}

// Runs Action on a fresh object of type T after Setup and counts OnChange.
template <class T>
int ChangesOf(const std::function<void(T&)>& Action, const std::function<void(T&)>& Setup = {})
{
    T object;
    if (Setup)
        Setup(object);
    int changes = 0;
    object.SetOnChange([&](TGraphicsObject* sender) {
        EXPECT_EQ(sender, &object);
        ++changes;
    });
    Action(object);
    return changes;
}

struct TChangeCase {
    const char* Name;
    std::function<int()> Count;
    int Expected;
};

TEST(GraphicsObjects, OnChangeFiresOnlyWhenAValueReallyChanges)
{
    using F = TFont;
    using P = TPen;
    using B = TBrush;
    const TChangeCase cases[] = {
        {"font name, same", [] { return ChangesOf<F>([](F& f) { f.SetName("MS Sans Serif"); }); }, 0},
        {"font name, new", [] { return ChangesOf<F>([](F& f) { f.SetName("Courier New"); }); }, 1},
        {"font size, same", [] { return ChangesOf<F>([](F& f) { f.SetSize(8); }); }, 0},
        {"font size, new", [] { return ChangesOf<F>([](F& f) { f.SetSize(10); }); }, 1},
        {"font height of the same size", [] { return ChangesOf<F>([](F& f) { f.SetHeight(-11); }); }, 0},
        {"font height, new", [] { return ChangesOf<F>([](F& f) { f.SetHeight(-16); }); }, 1},
        {"font colour, same", [] { return ChangesOf<F>([](F& f) { f.SetColor(clWindowText); }); }, 0},
        {"font colour, new", [] { return ChangesOf<F>([](F& f) { f.SetColor(clRed); }); }, 1},
        {"font style, new", [] { return ChangesOf<F>([](F& f) { f.SetStyle({fsBold}); }); }, 1},
        {"font style, same", [] { return ChangesOf<F>([](F& f) { f.SetStyle({fsBold}); }, [](F& f) { f.SetStyle({fsBold}); }); }, 0},
        {"font pitch, new", [] { return ChangesOf<F>([](F& f) { f.SetPitch(fpFixed); }); }, 1},
        {"font charset, same", [] { return ChangesOf<F>([](F& f) { f.SetCharset(1); }); }, 0},
        {"font assigned an equal font", [] { return ChangesOf<F>([](F& f) { const F other; f.Assign(&other); }); }, 0},
        {"font assigned another font", [] {
             return ChangesOf<F>([](F& f) { F other; other.SetSize(14); other.SetColor(clBlue); f.Assign(&other); });
         }, 1},
        {"pen width, same", [] { return ChangesOf<P>([](P& p) { p.SetWidth(1); }); }, 0},
        {"pen width, new", [] { return ChangesOf<P>([](P& p) { p.SetWidth(3); }); }, 1},
        {"pen style, new", [] { return ChangesOf<P>([](P& p) { p.SetStyle(psDot); }); }, 1},
        {"pen mode, same", [] { return ChangesOf<P>([](P& p) { p.SetMode(pmCopy); }); }, 0},
        {"pen mode, new", [] { return ChangesOf<P>([](P& p) { p.SetMode(pmXor); }); }, 1},
        {"pen colour, same", [] { return ChangesOf<P>([](P& p) { p.SetColor(clBlack); }); }, 0},
        {"pen assigned an equal pen", [] { return ChangesOf<P>([](P& p) { const P other; p.Assign(&other); }); }, 0},
        {"brush colour, same", [] { return ChangesOf<B>([](B& b) { b.SetColor(clWhite); }); }, 0},
        {"brush colour, new", [] { return ChangesOf<B>([](B& b) { b.SetColor(clLime); }); }, 1},
        {"brush style, new", [] { return ChangesOf<B>([](B& b) { b.SetStyle(bsClear); }); }, 1},
        {"brush style, same", [] { return ChangesOf<B>([](B& b) { b.SetStyle(bsSolid); }); }, 0},
        {"clear brush given its own colour", [] {
             return ChangesOf<B>([](B& b) { b.SetColor(clWhite); }, [](B& b) { b.SetStyle(bsClear); });
         }, 1},
    };
    for (const TChangeCase& c : cases)
        EXPECT_EQ(c.Count(), c.Expected) << c.Name;
}

TEST(GraphicsObjects, AssignCopiesEveryValueAndRefusesOtherClasses)
{
    TFont font;
    font.SetName("Courier New");
    font.SetSize(11);
    font.SetColor(clNavy);
    font.SetStyle({fsItalic, fsUnderline});
    font.SetPitch(fpFixed);
    font.SetCharset(204);
    TFont fontCopy;
    fontCopy.Assign(&font);
    EXPECT_EQ(fontCopy.Name(), "Courier New");
    EXPECT_EQ(fontCopy.Size(), 11);
    EXPECT_EQ(fontCopy.Color(), clNavy);
    EXPECT_EQ(fontCopy.Style(), TFontStyles({fsItalic, fsUnderline}));
    EXPECT_EQ(fontCopy.Pitch(), fpFixed);
    EXPECT_EQ(fontCopy.Charset(), 204);

    TPen pen;
    pen.SetColor(clRed);
    pen.SetWidth(4);
    pen.SetStyle(psDashDot);
    pen.SetMode(pmNotXor);
    TPen penCopy;
    penCopy.Assign(&pen);
    EXPECT_EQ(penCopy.Color(), clRed);
    EXPECT_EQ(penCopy.Width(), 4);
    EXPECT_EQ(penCopy.Style(), psDashDot);
    EXPECT_EQ(penCopy.Mode(), pmNotXor);

    TBrush brush;
    brush.SetColor(clTeal);
    brush.SetStyle(bsDiagCross);
    TBrush brushCopy;
    brushCopy.Assign(&brush);
    EXPECT_EQ(brushCopy.Color(), clTeal);
    EXPECT_EQ(brushCopy.Style(), bsDiagCross);

    EXPECT_THROW(penCopy.Assign(&brush), EConvertError);
    EXPECT_THROW(fontCopy.Assign(&pen), EConvertError);
}

TEST(Fonts, HeightIsTheNegativePixelHeightOfTheSize)
{
    struct TCase {
        int Size;
        int PixelsPerInch;
        int Height;
    };
    const TCase cases[] = {{8, 96, -11}, {10, 96, -13}, {12, 96, -16}, {9, 120, -15}, {24, 72, -24}};
    for (const TCase& c : cases) {
        TFont font;
        font.SetPixelsPerInch(c.PixelsPerInch);
        font.SetSize(c.Size);
        EXPECT_EQ(font.Height(), c.Height) << c.Size << " pt at " << c.PixelsPerInch;
        TFont byHeight;
        byHeight.SetPixelsPerInch(c.PixelsPerInch);
        byHeight.SetHeight(c.Height);
        EXPECT_EQ(byHeight.Size(), c.Size);
    }
}

TEST(Fonts, NamesFromOtherDesktopsDrawWithInstalledFamilies)
{
    // DigitAdvance: the width of a digit in units of a 2048-unit em, as the
    // face the windows were laid out for has it (0: no face to match).
    struct TCase {
        const char* Name;
        const char* Family;
        bool Fixed;
        int DigitAdvance;
    };
    const TCase cases[] = {
        {"DejaVu Sans", "DejaVu Sans", false, 0},          {"MS Sans Serif", "Liberation Sans", false, 1139},
        {"Tahoma", "Liberation Sans", false, 1139},        {"Arial", "Liberation Sans", false, 1139},
        {"Times New Roman", "Liberation Serif", false, 1024}, {"Courier New", "Liberation Mono", true, 1229},
    };
    for (const TCase& c : cases) {
        TFont font;
        font.SetName(c.Name);
        QFont qfont = ToQFont(font);
        const QFontInfo info(qfont);
        // Qt names the foundry too when a family comes from more than one.
        EXPECT_TRUE(info.family() == c.Family || info.family().startsWith(QString(c.Family) + " ["))
            << c.Name << ": " << info.family().toStdString();
        EXPECT_EQ(info.fixedPitch(), c.Fixed) << c.Name;
        if (c.DigitAdvance == 0)
            continue;
        qfont.setPixelSize(2048);
        qfont.setHintingPreference(QFont::PreferNoHinting);
        EXPECT_NEAR(QFontMetricsF(qfont).horizontalAdvance(QStringLiteral("0123456789")), 10.0 * c.DigitAdvance, 10.0)
            << c.Name;
    }
    EXPECT_EQ(TFont().Name(), "MS Sans Serif");
    EXPECT_EQ(TFont().Size(), 8);
}

} // namespace
