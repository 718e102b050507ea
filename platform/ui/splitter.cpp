#include "platform/rtl/classbuilder.h"
#include "platform/ui/extctrls.h"

LT_IMPLEMENT_CLASS(TSplitter, TGraphicControl)
{
    P.Property("AutoSnap", &TSplitter::AutoSnap, &TSplitter::SetAutoSnap).Default(1);
    P.Property("Beveled", &TSplitter::Beveled, &TSplitter::SetBeveled).Default(0);
    P.Property("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize).Default(30);
    P.Property("OnCanResize", &TSplitter::OnCanResize, &TSplitter::SetOnCanResize);
    P.Property("OnMoved", &TSplitter::OnMoved, &TSplitter::SetOnMoved);
}

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents, csSetCaption});
    SetAlign(alLeft);
    SetBounds(0, 0, 3, 100);
    SetCursor(crHSplit);
}

void TSplitter::Loaded()
{
    TGraphicControl::Loaded();
    if (Cursor() == crHSplit && !Horizontal())
        SetCursor(crVSplit);
}

void TSplitter::SetBeveled(bool Value)
{
    if (Value == FBeveled)
        return;
    FBeveled = Value;
    Invalidate();
}

// The visible, enabled control of the parent whose edge touches the
// splitter on the side its Align points to.
TControl* TSplitter::FindControl() const
{
    if (!Parent())
        return nullptr;
    TPoint p{Left(), Top()};
    switch (Align()) {
    case alLeft: --p.X; break;
    case alRight: p.X += Width(); break;
    case alTop: --p.Y; break;
    case alBottom: p.Y += Height(); break;
    default: return nullptr;
    }
    const bool leading = Align() == alLeft || Align() == alTop;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* c = Parent()->Controls(i);
        if (c == this || !c->Visible() || !c->Enabled())
            continue;
        TRect r = c->BoundsRect();
        if (r.Width() == 0)
            leading ? --r.Left : ++r.Right;
        if (r.Height() == 0)
            leading ? --r.Top : ++r.Bottom;
        if (PtInRect(r, p))
            return c;
    }
    return nullptr;
}

int TSplitter::ControlSize() const
{
    return Horizontal() ? FControl->Width() : FControl->Height();
}

void TSplitter::SetControlSize(int Size)
{
    if (Horizontal())
        FControl->SetWidth(Size);
    else
        FControl->SetHeight(Size);
    Parent()->AlignControls();
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !(FControl = FindControl()))
        return;
    FDownPos = {X, Y};
    // What the other aligned controls of that direction leave, keeping
    // MinSize for the rest.
    const bool horizontal = Horizontal();
    FMaxSize = (horizontal ? Parent()->ClientWidth() : Parent()->ClientHeight()) - FMinSize;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        const TControl* c = Parent()->Controls(i);
        if (!c->Visible())
            continue;
        if (horizontal && (c->Align() == alLeft || c->Align() == alRight))
            FMaxSize -= c->Width();
        else if (!horizontal && (c->Align() == alTop || c->Align() == alBottom))
            FMaxSize -= c->Height();
    }
    FMaxSize += ControlSize();
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FControl)
        return;
    const int moved = Horizontal() ? X - FDownPos.X : Y - FDownPos.Y;
    if (moved == 0)
        return;
    const bool grows = Align() == alLeft || Align() == alTop;
    int size = ControlSize() + (grows ? moved : -moved);
    if (size > FMaxSize)
        size = FMaxSize;
    if (size < FMinSize)
        size = FAutoSnap ? 0 : FMinSize;
    bool accept = true;
    if (FOnCanResize)
        FOnCanResize(this, size, accept);
    if (accept && size != ControlSize())
        SetControlSize(std::max(0, size));
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || !FControl)
        return;
    FControl = nullptr;
    if (FOnMoved)
        FOnMoved(this);
}

void TSplitter::Paint()
{
    TCanvas* canvas = Canvas();
    TRect r = ClientRect();
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(r);
    if (FBeveled)
        canvas->DrawEdge(r, BDR_RAISEDINNER, BF_RECT);
}
