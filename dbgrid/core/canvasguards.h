#pragma once
// Canvas settings changed for the length of a scope: the brush made clear,
// the clipping narrowed, the font replaced.
#include <memory>

#include "platform/ui/canvas.h"

// Brush clear while text is drawn over what the cell already shows; the
// brush style comes back when this goes.
class TClearBrushWhile {
public:
    TClearBrushWhile(TCanvas* Canvas, bool Clear) : FBrush(Canvas->Brush()), FStyle(FBrush->Style())
    {
        if (Clear)
            FBrush->SetStyle(bsClear);
    }
    ~TClearBrushWhile() { FBrush->SetStyle(FStyle); }
    TClearBrushWhile(const TClearBrushWhile&) = delete;
    TClearBrushWhile& operator=(const TClearBrushWhile&) = delete;

private:
    TBrush* FBrush;
    TBrushStyle FStyle;
};

// Clipping to a rectangle while this lives.
class TClipWhile {
public:
    TClipWhile(TCanvas* Canvas, const TRect& Rect) : FCanvas(Canvas)
    {
        FCanvas->SaveState();
        FCanvas->IntersectClipRect(Rect);
    }
    ~TClipWhile() { FCanvas->RestoreState(); }
    TClipWhile(const TClipWhile&) = delete;
    TClipWhile& operator=(const TClipWhile&) = delete;

private:
    TCanvas* FCanvas;
};

// The canvas's font replaced by another while this lives.
class TFontWhile {
public:
    TFontWhile(TCanvas* Canvas, const TFont* Font) : FCanvas(Canvas), FSaved(std::make_unique<TFont>())
    {
        FSaved->Assign(Canvas->Font());
        FCanvas->SetFont(Font);
    }
    ~TFontWhile() { FCanvas->SetFont(FSaved.get()); }
    TFontWhile(const TFontWhile&) = delete;
    TFontWhile& operator=(const TFontWhile&) = delete;

private:
    TCanvas* FCanvas;
    std::unique_ptr<TFont> FSaved;
};
