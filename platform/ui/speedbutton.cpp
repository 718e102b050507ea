#include <QImage>
#include <QPainter>

#include "platform/rtl/classbuilder.h"
#include "platform/ui/canvas.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/imagegraphic.h"
#include "platform/ui/imageutils.h"
#include "platform/ui/qtconvert.h"

LT_IMPLEMENT_CLASS(TSpeedButton, TGraphicControl)
{
    P.Property("Action", &TSpeedButton::Action, &TSpeedButton::SetAction);
    P.Property("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(0);
    P.Property("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
    P.Property("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(0);
    P.Property("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(0);
    P.Property("Glyph", &TSpeedButton::Glyph);
    P.Property("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout).Default(blGlyphLeft);
    P.Property("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin).Default(-1);
    P.Property("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs).Default(1);
    P.Property("PopupMenu", &TSpeedButton::PopupMenu, &TSpeedButton::SetPopupMenu);
    P.Property("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing).Default(4);
    P.Property("Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent).Default(1);
}

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>())
{
    SetControlStyle(TControlStyle{csCaptureMouse, csDoubleClicks, csSetCaption});
    SetBounds(0, 0, 23, 22);
    FGlyph->SetOnChange([this](TGraphic*) {
        if (FGlyph->Height() > 0 && FGlyph->Width() % FGlyph->Height() == 0) {
            const int count = FGlyph->Width() / FGlyph->Height();
            FNumGlyphs = count > 4 ? 1 : count;
        }
        Invalidate();
    });
    FActionLink.SetCheckedProperty([this] { return Down(); }, [this](bool Value) { SetDown(Value); });
}

TSpeedButton::~TSpeedButton()
{
    FGlyph->SetOnChange(nullptr);
}

void TSpeedButton::SetGroupIndex(int Value)
{
    if (Value == FGroupIndex)
        return;
    FGroupIndex = Value;
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool Value)
{
    if (ComponentState().Contains(csLoading)) {
        FDown = Value;
        FState = Value ? bsExclusive : bsUp;
        return;
    }
    if (FGroupIndex == 0)
        Value = false;
    if (Value == FDown || (FDown && !FAllowAllUp))
        return;
    FDown = Value;
    FState = Value ? bsExclusive : bsUp;
    Invalidate();
    if (Value)
        UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool Value)
{
    if (Value == FAllowAllUp)
        return;
    FAllowAllUp = Value;
    UpdateExclusive();
}

void TSpeedButton::SetFlat(bool Value)
{
    if (Value == FFlat)
        return;
    FFlat = Value;
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int Value)
{
    FNumGlyphs = std::clamp(Value, 1, 4);
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout Value)
{
    if (Value == FLayout)
        return;
    FLayout = Value;
    Invalidate();
}

void TSpeedButton::SetMargin(int Value)
{
    if (Value == FMargin || Value < -1)
        return;
    FMargin = Value;
    Invalidate();
}

void TSpeedButton::SetSpacing(int Value)
{
    if (Value == FSpacing)
        return;
    FSpacing = Value;
    Invalidate();
}

void TSpeedButton::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    Invalidate();
}

void TSpeedButton::SetState(TButtonState Value)
{
    if (Value == FState)
        return;
    FState = Value;
    Invalidate();
}

// Tells the other buttons of the parent that this one of its group went
// down (they release) and what AllowAllUp the group has now.
void TSpeedButton::UpdateExclusive()
{
    if (FGroupIndex == 0 || !Parent())
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        Parent()->Controls(i)->Perform(CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex),
                                       reinterpret_cast<LPARAM>(this));
}

void TSpeedButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_BUTTONPRESSED: {
        auto* sender = reinterpret_cast<TSpeedButton*>(Message.LParam);
        if (sender == this || static_cast<int>(Message.WParam) != FGroupIndex || FGroupIndex == 0)
            break;
        if (sender->FDown && FDown) {
            FDown = false;
            FState = bsUp;
            Invalidate();
        }
        FAllowAllUp = sender->FAllowAllUp;
        return;
    }
    case CM_MOUSEENTER:
        FMouseInControl = true;
        if (FFlat && Enabled())
            Invalidate();
        break;
    case CM_MOUSELEAVE:
        FMouseInControl = false;
        if (FFlat && Enabled())
            Invalidate();
        break;
    default:
        break;
    }
    TGraphicControl::Dispatch(Message);
}

void TSpeedButton::EnabledChanged()
{
    TGraphicControl::EnabledChanged();
    FState = Enabled() ? (FDown ? bsExclusive : bsUp) : bsDisabled;
    FDragging = false;
    Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled())
        return;
    if (!FDown)
        SetState(bsDown);
    FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging)
        return;
    const bool inside = PtInRect(ClientRect(), TPoint{X, Y});
    SetState(FDown ? bsExclusive : (inside ? bsDown : bsUp));
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || !FDragging)
        return;
    FDragging = false;
    const bool click = PtInRect(ClientRect(), TPoint{X, Y});
    if (FGroupIndex == 0) {
        SetState(bsUp);
    } else if (click) {
        SetDown(!FDown);
        SetState(FDown ? bsExclusive : bsUp);
    } else {
        SetState(FDown ? bsExclusive : bsUp);
    }
    if (click)
        Click();
}

void TSpeedButton::Click()
{
    if (OnClick())
        OnClick()(this);
    else
        FActionLink.Execute(this);
}

QImage GlyphOfState(const TBitmap& Strip, int NumGlyphs, TButtonState State)
{
    const QImage* strip = Strip.Image();
    if (!strip)
        return {};
    const int count = std::clamp(NumGlyphs, 1, 4);
    const int width = strip->width() / count;
    int index = 0;
    if (State == bsDisabled && count > 1)
        index = 1;
    else if (State == bsDown && count > 2)
        index = 2;
    else if (State == bsExclusive && count > 3)
        index = 3;
    const QImage picture =
        ImageWithTransparentColor(strip->copy(index * width, 0, width, strip->height()), Strip.TransparentColor());
    return State == bsDisabled && count == 1 ? DisabledImage(picture) : picture;
}

QImage TSpeedButton::GlyphImage(TButtonState State) const
{
    return GlyphOfState(*FGlyph, FNumGlyphs, State);
}

TRect TSpeedButton::PaintFace()
{
    TCanvas* canvas = Canvas();
    TRect r = ClientRect();
    const bool pressed = FState == bsDown || FState == bsExclusive;
    if (!FFlat) {
        canvas->DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
        InflateRect(r, -2, -2);
    } else {
        if (pressed || (FMouseInControl && FState != bsDisabled)) {
            canvas->Brush()->SetColor(Color());
            canvas->Brush()->SetStyle(bsSolid);
            canvas->DrawEdge(r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | (FTransparent ? 0 : BF_MIDDLE));
        } else if (!FTransparent) {
            canvas->Brush()->SetColor(Color());
            canvas->Brush()->SetStyle(bsSolid);
            canvas->FillRect(r);
        }
        InflateRect(r, -1, -1);
    }
    // A button held down by its group shows a dotted face.
    if (FState == bsExclusive && !(FFlat && FTransparent) && canvas->Painter()) {
        canvas->Brush()->SetColor(clBtnFace);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->FillRect(r);
        canvas->Painter()->fillRect(ToQRect(r), QBrush(ToQColor(clBtnHighlight), Qt::Dense4Pattern));
    }
    return r;
}

void TSpeedButton::Paint()
{
    if (!Enabled())
        FState = bsDisabled;
    else if (FState == bsDisabled)
        FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    const TRect face = PaintFace();
    const bool pressed = FState == bsDown || FState == bsExclusive;
    const TPoint offset = pressed ? TPoint{1, 1} : TPoint{0, 0};

    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    const QImage glyph = GlyphImage(FState);
    TRect textSize = Rect(0, 0, face.Width(), 0);
    if (!Caption().empty())
        canvas->DrawText(Caption(), textSize, DT_CALCRECT);
    const TButtonPlacement place =
        CalcButtonLayout(ClientRect(), TSize{glyph.width(), glyph.height()},
                         TSize{textSize.Width(), textSize.Height()}, FLayout, FMargin, FSpacing, offset);
    if (!glyph.isNull()) {
        const TImageGraphic graphic(glyph);
        canvas->Draw(place.GlyphPos.X, place.GlyphPos.Y, &graphic);
    }
    if (Caption().empty())
        return;
    canvas->Brush()->SetStyle(bsClear);
    TRect text = place.TextBounds;
    const unsigned flags = DT_CENTER | DT_VCENTER;
    if (FState == bsDisabled) {
        TRect raised = text;
        OffsetRect(raised, 1, 1);
        canvas->Font()->SetColor(clBtnHighlight);
        canvas->DrawText(Caption(), raised, flags);
        canvas->Font()->SetColor(clBtnShadow);
    }
    canvas->DrawText(Caption(), text, flags);
}
