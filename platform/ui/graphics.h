#pragma once
// Colours, fonts, pens and brushes of the window layer. A colour is a 32-bit
// value with red in the lowest byte; values with the top byte 0xFF name a
// system colour (clBtnFace ...), resolved by ColorToRGB.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/rtl/persistent.h"
#include "platform/rtl/typeinfo.h"

using TColor = int32_t;

constexpr TColor RGBColor(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) { return c & 0xFF; }
constexpr int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(TColor c) { return (c >> 16) & 0xFF; }

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF, clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;

// System colours.
constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);
constexpr TColor clScrollBar = clSystemColor | 0, clBackground = clSystemColor | 1,
                 clActiveCaption = clSystemColor | 2, clInactiveCaption = clSystemColor | 3,
                 clMenu = clSystemColor | 4, clWindow = clSystemColor | 5, clWindowFrame = clSystemColor | 6,
                 clMenuText = clSystemColor | 7, clWindowText = clSystemColor | 8,
                 clCaptionText = clSystemColor | 9, clActiveBorder = clSystemColor | 10,
                 clInactiveBorder = clSystemColor | 11, clAppWorkSpace = clSystemColor | 12,
                 clHighlight = clSystemColor | 13, clHighlightText = clSystemColor | 14,
                 clBtnFace = clSystemColor | 15, clBtnShadow = clSystemColor | 16, clGrayText = clSystemColor | 17,
                 clBtnText = clSystemColor | 18, clInactiveCaptionText = clSystemColor | 19,
                 clBtnHighlight = clSystemColor | 20, cl3DDkShadow = clSystemColor | 21,
                 cl3DLight = clSystemColor | 22, clInfoText = clSystemColor | 23, clInfoBk = clSystemColor | 24,
                 clHotLight = clSystemColor | 26, clGradientActiveCaption = clSystemColor | 27,
                 clGradientInactiveCaption = clSystemColor | 28, clMenuHighlight = clSystemColor | 29,
                 clMenuBar = clSystemColor | 30;

// The RGB value of a colour. System colours come from a fixed light palette
// (clBtnFace = RGB(240, 240, 240), clWindow white, clHighlight RGB(51, 153,
// 255) ...), the same whatever the desktop theme; other values are returned
// as they are.
TColor ColorToRGB(TColor Color);
// Names for descriptions: "clBtnFace" <-> value.
const TIdentMap& ColorIdents();
std::string ColorToString(TColor Color);   // a name, or "$00BBGGRR"
// A name, "$hex" or decimal; raises EConvertError otherwise.
TColor StringToColor(const std::string& Text);

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
LT_ENUM_INFO(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSet<TFontStyle>;

enum TFontPitch { fpDefault, fpVariable, fpFixed };
LT_ENUM_INFO(TFontPitch, fpDefault, fpVariable, fpFixed)

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
LT_ENUM_INFO(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame)

enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot, pmMergeNotPen,
                pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor };
LT_ENUM_INFO(TPenMode, pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
             pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor)

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
LT_ENUM_INFO(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross,
             bsDiagCross)

// A graphics object that tells its owner (a canvas, a control) when it changes.
class TGraphicsObject : public TPersistent {
    LT_CLASS(TGraphicsObject)
public:
    const std::function<void(TGraphicsObject*)>& OnChange() const { return FOnChange; }
    void SetOnChange(std::function<void(TGraphicsObject*)> Value) { FOnChange = std::move(Value); }

protected:
    void Changed();

private:
    std::function<void(TGraphicsObject*)> FOnChange;
};

// Default: "MS Sans Serif" 8 pt, clWindowText; Height is the negative pixel
// height at the screen's pixels per inch (Size = -Height * 72 / ppi). Names
// of fonts from other desktops stand for installed families of the same
// widths ("MS Sans Serif", "Tahoma" and "Arial" for Liberation Sans, "Times
// New Roman" for Liberation Serif, "Courier New" for Liberation Mono ...)
// whenever the named family is missing. Only Name, Size, Color, Style and
// Pitch affect drawing; Charset is kept for descriptions (text is Unicode).
class TFont : public TGraphicsObject {
    LT_CLASS(TFont)
public:
    TFont();
    void Assign(const TPersistent* Source) override;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value);
    int Size() const { return FSize; }
    void SetSize(int Value);
    int Height() const;
    void SetHeight(int Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles Value);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch Value);
    int Charset() const { return FCharset; }
    void SetCharset(int Value);
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int Value) { FPixelsPerInch = Value; }

private:
    std::string FName;
    int FSize = 8;
    TColor FColor = clWindowText;
    TFontStyles FStyle;
    TFontPitch FPitch = fpDefault;
    int FCharset = 1;
    int FPixelsPerInch = 96;
};

class TPen : public TGraphicsObject {
    LT_CLASS(TPen)
public:
    void Assign(const TPersistent* Source) override;
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle Value);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode Value);

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
};

class TBrush : public TGraphicsObject {
    LT_CLASS(TBrush)
public:
    void Assign(const TPersistent* Source) override;
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle Value);

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};
