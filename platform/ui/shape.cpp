#include "platform/rtl/classbuilder.h"
#include "platform/ui/extctrls.h"

LT_IMPLEMENT_CLASS(TShape, TGraphicControl)
{
    P.Property("Brush", &TShape::Brush);
    P.Property("Pen", &TShape::Pen);
    P.Property("PopupMenu", &TShape::PopupMenu, &TShape::SetPopupMenu);
    P.Property("Shape", &TShape::Shape, &TShape::SetShape).Default(stRectangle);
}

TShape::TShape(TComponent* AOwner)
    : TGraphicControl(AOwner), FBrush(std::make_unique<TBrush>()), FPen(std::make_unique<TPen>())
{
    SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
    SetBounds(0, 0, 65, 65);
    FBrush->SetOnChange([this](TGraphicsObject*) { Invalidate(); });
    FPen->SetOnChange([this](TGraphicsObject*) { Invalidate(); });
}

void TShape::SetShape(TShapeType Value)
{
    if (Value == FShape)
        return;
    FShape = Value;
    Invalidate();
}

void TShape::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->SetPen(FPen.get());
    canvas->SetBrush(FBrush.get());
    const int penWidth = FPen->Width();
    int x = penWidth / 2;
    int y = x;
    int w = Width() - penWidth + 1;
    int h = Height() - penWidth + 1;
    if (penWidth == 0) {
        --w;
        --h;
    }
    const int side = std::min(w, h);
    if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = h = side;
    }
    switch (FShape) {
    case stRectangle:
    case stSquare: canvas->Rectangle(x, y, x + w, y + h); break;
    case stRoundRect:
    case stRoundSquare: canvas->RoundRect(x, y, x + w, y + h, side / 4, side / 4); break;
    case stEllipse:
    case stCircle: canvas->Ellipse(x, y, x + w, y + h); break;
    }
}
