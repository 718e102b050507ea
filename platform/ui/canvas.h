#pragma once
// The canvas: drawing with the current font, pen and brush on a paint device
// (a control while it paints, a bitmap). Coordinates are pixels of the device.
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/rects.h"
#include "platform/ui/graphics.h"

class QPainter;
class QPaintDevice;
class TGraphic;

// DrawText formats.
constexpr unsigned DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4, DT_BOTTOM = 0x8,
                   DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40, DT_NOCLIP = 0x100,
                   DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800, DT_EDITCONTROL = 0x2000, DT_PATH_ELLIPSIS = 0x4000,
                   DT_END_ELLIPSIS = 0x8000, DT_RTLREADING = 0x20000, DT_WORD_ELLIPSIS = 0x40000;

// DrawEdge edges and borders.
constexpr unsigned BDR_RAISEDOUTER = 0x1, BDR_SUNKENOUTER = 0x2, BDR_RAISEDINNER = 0x4, BDR_SUNKENINNER = 0x8,
                   EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER, EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
                   EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER, EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr unsigned BF_LEFT = 0x1, BF_TOP = 0x2, BF_RIGHT = 0x4, BF_BOTTOM = 0x8, BF_RECT = 0xF, BF_MIDDLE = 0x800,
                   BF_SOFT = 0x1000, BF_ADJUST = 0x2000, BF_FLAT = 0x4000, BF_MONO = 0x8000;

// DrawFrameControl kinds and states.
constexpr unsigned DFC_CAPTION = 1, DFC_MENU = 2, DFC_SCROLL = 3, DFC_BUTTON = 4;
constexpr unsigned DFCS_BUTTONCHECK = 0x0, DFCS_BUTTONRADIO = 0x4, DFCS_BUTTON3STATE = 0x8, DFCS_BUTTONPUSH = 0x10, DFCS_SCROLLUP = 0x0,
                   DFCS_SCROLLDOWN = 0x1, DFCS_SCROLLLEFT = 0x2, DFCS_SCROLLRIGHT = 0x3, DFCS_SCROLLCOMBOBOX = 0x5,
                   DFCS_INACTIVE = 0x100, DFCS_PUSHED = 0x200, DFCS_CHECKED = 0x400, DFCS_HOT = 0x1000,
                   DFCS_FLAT = 0x4000, DFCS_MONO = 0x8000;

// Elements drawn in the look of the desktop theme.
enum class TThemedElement {
    ButtonPush, CheckBox, RadioButton, ComboDropDownButton, HeaderItem, ScrollArrowUp, ScrollArrowDown,
    ScrollArrowLeft, ScrollArrowRight, EditFrame
};
struct TThemedState {
    bool Pressed = false;
    bool Hot = false;
    bool Disabled = false;
    bool Checked = false;
    bool Mixed = false;     // a check box's third state
    bool Focused = false;
};

struct TTextMetric {
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    int tmOverhang = 0;
};

class TCanvas : public TPersistent {
    LT_CLASS(TCanvas)
public:
    TCanvas();
    ~TCanvas() override;

    // Painting on a device: between BeginPaint and EndPaint (nested calls
    // count; EndPaint of the outer one ends it). Every drawing call tells
    // OnChange afterwards.
    void BeginPaint(QPaintDevice* Device);
    void EndPaint();
    bool Painting() const;
    QPainter* Painter() const;

    // The pen draws lines and outlines (Width 0 is one pixel; dashed styles
    // are 18/6, 3/3, 9/6/3/6 and 9/3/3/3/3/3 pixels and only when one pixel
    // wide; a wider pen draws solid with round ends). Lines leave their end
    // point out. The pen's Mode is QPainter's raster operation of the same
    // logic (pmXor, pmNot, pmMask ...; pmNop draws nothing) and applies to
    // lines and shapes, not to FillRect, FrameRect, text or pictures. Raster
    // operations need the raster engine: images and widgets draw them, other
    // devices (OpenGL surfaces, printers, recorded pictures) draw as pmCopy.
    // Nothing is antialiased but text.
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* Value) { FFont->Assign(Value); }
    TPen* Pen() const { return FPen.get(); }
    void SetPen(const TPen* Value) { FPen->Assign(Value); }
    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(const TBrush* Value) { FBrush->Assign(Value); }
    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(const TPoint& Value) { FPenPos = Value; }

    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    void FillRect(const TRect& Rect);
    void FrameRect(const TRect& Rect);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& Rect) { Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Ellipse(const TRect& Rect) { Ellipse(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
    void Polygon(const std::vector<TPoint>& Points);
    void Polyline(const std::vector<TPoint>& Points);
    void PolyPolyline(const std::vector<std::vector<TPoint>>& Lines);
    // clNone outside the device or the clipping, or on a device that cannot
    // be read (a widget).
    TColor Pixels(int X, int Y) const;
    void SetPixels(int X, int Y, TColor Color);

    // Text in the font; TextOut fills the text's box with the brush unless
    // the brush is clear. TextRect clips to Rect.
    void TextOut(int X, int Y, const std::string& Text);
    void TextRect(const TRect& Rect, int X, int Y, const std::string& Text);
    // Text turned Escapement tenths of a degree counter-clockwise about
    // (X, Y), the corner that is its top-left before turning (900: the text
    // reads from bottom to top, rising from Y); the turned box is filled with
    // the brush unless it is clear.
    void RotatedTextOut(int X, int Y, int Escapement, const std::string& Text);
    int TextWidth(const std::string& Text) const;
    int TextHeight(const std::string& Text) const;
    TSize TextExtent(const std::string& Text) const;
    TTextMetric TextMetrics() const;
    // Draws (or with DT_CALCRECT measures, setting Rect's Right to the widest
    // line and Bottom below the last) the text in Rect by the DT_ flags;
    // returns the height of the text (with DT_VCENTER or DT_BOTTOM, from
    // Rect.Top to the bottom of the text). Lines end at CR LF, LF or CR; a
    // break at the very end starts no line. DT_VCENTER and DT_BOTTOM apply to
    // DT_SINGLELINE text only. "&x" underlines x unless DT_NOPREFIX. Ellipses
    // are "...". The text box of every line is filled with the brush unless
    // it is clear. DT_RTLREADING is not supported and is ignored.
    int DrawText(const std::string& Text, TRect& Rect, unsigned Format);

    void Draw(int X, int Y, const TGraphic* Graphic);
    void StretchDraw(const TRect& Rect, const TGraphic* Graphic);
    void CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& SourceRect);

    // Clipping: saved and restored as a stack.
    void SaveState();
    void RestoreState();
    void IntersectClipRect(const TRect& Rect);
    void ExcludeClipRect(const TRect& Rect);
    TRect ClipRect() const;

    void DrawFocusRect(const TRect& Rect);
    // Draws the edges of Rect; with BF_ADJUST, Rect shrinks by the edges drawn.
    bool DrawEdge(TRect& Rect, unsigned Edge, unsigned Flags);
    // Check boxes and radio buttons (a square in the middle of Rect), push
    // buttons and scroll arrows in the system colours; DFCS_HOT looks as
    // normal. Caption and menu glyphs are not drawn: false.
    bool DrawFrameControl(const TRect& Rect, unsigned Type, unsigned State);
    // Needs the QApplication; check boxes and radio buttons are drawn as a
    // square in the middle of Rect.
    void DrawThemed(TThemedElement Element, const TThemedState& State, const TRect& Rect);

    const std::function<void(TCanvas*)>& OnChange() const { return FOnChange; }
    void SetOnChange(std::function<void(TCanvas*)> Value) { FOnChange = std::move(Value); }

protected:
    // A canvas with a device of its own (a bitmap's) returns it here: drawing
    // outside BeginPaint/EndPaint then paints on it. ReleaseOwnDevice ends
    // that painting, before the owner changes or copies the device.
    virtual QPaintDevice* OwnDevice() const { return nullptr; }
    void ReleaseOwnDevice();

private:
    struct TState;
    // Makes sure there is a painter (raising EInvalidOperation "Canvas does
    // not allow drawing" without one) and gives it the font, pen and brush.
    void Apply() const;
    void Changed();
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    TPoint FPenPos;
    std::unique_ptr<TState> FState;
    std::function<void(TCanvas*)> FOnChange;
};
