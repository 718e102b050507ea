#pragma once
// The canvas's painting state and the conversions of its drawing objects to
// Qt's, shared by the canvas's source files.
#include <memory>

#include <QBrush>
#include <QPainter>
#include <QPen>

#include "platform/ui/canvas.h"

struct TCanvas::TState {
    std::unique_ptr<QPainter> Painter;
    int Depth = 0;
    // Begun by a drawing call on OwnDevice(), not by BeginPaint.
    bool OwnPainting = false;
    // SaveState calls not yet restored.
    int Saved = 0;
    // The painter does not have the current font, pen (with its mode) or brush.
    bool FontDirty = true;
    bool PenDirty = true;
    bool BrushDirty = true;

    void MarkDirty() { FontDirty = PenDirty = BrushDirty = true; }
};

// Width 0 draws one pixel wide; styled pens are dashed only when one pixel
// wide, as wider ones draw solid.
QPen QPenOf(const TPen& Pen);
QBrush QBrushOf(const TBrush& Brush);
// The raster operation of a pen mode.
QPainter::CompositionMode CompositionOf(TPenMode Mode);
// The image a painter paints on, or nullptr when it paints on something else.
QImage* PaintedImage(const QPainter& Painter);
