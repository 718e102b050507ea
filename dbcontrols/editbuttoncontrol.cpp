#include "dbcontrols/editbuttoncontrol.h"

#include "dbcontrols/buttonpaint.h"
#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TEditButtonControlLt, TSpeedButton) {}

LT_IMPLEMENT_CLASS(TSpeedButtonLt, TEditButtonControlLt)
{
    P.Property("Style", &TSpeedButtonLt::Style, &TSpeedButtonLt::SetStyle).Default(ebsDropDownLt);
    P.Property("Active", &TSpeedButtonLt::Active, &TSpeedButtonLt::SetActive).Default(0);
}

namespace {

constexpr unsigned kFirstRepeatDelay = 400;
constexpr unsigned kRepeatInterval = 100;

} // namespace

TButtonPaintKindLt ButtonPaintKindOf(TEditButtonStyleLt Style)
{
    static constexpr TButtonPaintKindLt kinds[] = {bpkDropDownLt, bpkEllipsisLt, bpkUpDownLt,
                                                   bpkUpDownLt,   bpkPlusLt,     bpkMinusLt};
    return kinds[Style];
}

TEditButtonControlLt::TEditButtonControlLt(TComponent* AOwner) : TSpeedButton(AOwner) {}

TEditButtonControlLt::~TEditButtonControlLt() = default;

void TEditButtonControlLt::SetStyle(TEditButtonStyleLt Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    Invalidate();
}

void TEditButtonControlLt::SetActive(bool Value)
{
    if (Value == FActive)
        return;
    FActive = Value;
    Invalidate();
}

void TEditButtonControlLt::SetAlwaysDown(bool Value)
{
    FKeepPressed = Value;
    if (Value) {
        SetGroupIndex(1);
        SetDown(true);
        SetAllowAllUp(false);
    } else {
        SetAllowAllUp(true);
        SetDown(false);
        SetGroupIndex(0);
    }
}

int TEditButtonControlLt::PartAt(int Y) const
{
    if (FStyle != ebsUpDownLt)
        return 1;
    const int half = Height() / 2;
    if (Y < half)
        return 1;
    if (Y > Height() - half)
        return 2;
    return 0;
}

void TEditButtonControlLt::UpdatePressedPart(int Y)
{
    const bool down = State() == bsDown || State() == bsExclusive;
    const int part = down ? PartAt(Y) : 0;
    if (part == FPressedPart)
        return;
    FPressedPart = part;
    Invalidate();
}

void TEditButtonControlLt::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button != mbLeft || !Enabled()) {
        TSpeedButton::MouseDown(Button, Shift, X, Y);
        return;
    }
    bool autoRepeat = FStyle == ebsUpDownLt;
    FNoClickOnce = false;
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    FLastY = Y;
    UpdatePressedPart(Y);
    if (FPressedPart == 0)
        return;
    DoButtonDown(FPressedPart == 1, autoRepeat);
    if (autoRepeat) {
        if (!FRepeatTimer) {
            FRepeatTimer = std::make_unique<TRepeatTimer>();
            FRepeatTimer->SetOnTimer([this] { TimerTick(); });
        }
        FRepeatTimer->Start(kFirstRepeatDelay);
    }
}

void TEditButtonControlLt::MouseMove(TShiftState Shift, int X, int Y)
{
    TSpeedButton::MouseMove(Shift, X, Y);
    if (FStyle != ebsUpDownLt || (FPressedPart == 0 && !FNoClickOnce))
        return;
    // Leaving the pressed half of a captured pair lets the half go; the
    // release that follows is then no click.
    if (FNoClickOnce || PartAt(Y) != FPressedPart) {
        FNoClickOnce = true;
        SetState(Down() ? bsExclusive : bsUp);
        UpdatePressedPart(Y);
    }
}

void TEditButtonControlLt::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (FRepeatTimer)
        FRepeatTimer->Stop();
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    FNoClickOnce = false;
    UpdatePressedPart(Y);
}

void TEditButtonControlLt::Click()
{
    if (FNoClickOnce)
        return;
    TSpeedButton::Click();
}

void TEditButtonControlLt::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_CAPTURECHANGED && FRepeatTimer)
        FRepeatTimer->Stop();
    TSpeedButton::Dispatch(Message);
}

void TEditButtonControlLt::TimerTick()
{
    if (FRepeatTimer->Interval() == kFirstRepeatDelay)
        FRepeatTimer->SetInterval(kRepeatInterval);
    if (FPressedPart == 0 || State() != bsDown)
        return;
    bool autoRepeat = true;
    DoButtonDown(FPressedPart == 1, autoRepeat);
    if (!autoRepeat)
        FRepeatTimer->Stop();
}

void TEditButtonControlLt::DoButtonDown(bool TopButton, bool& AutoRepeat)
{
    bool handled = false;
    if (FOnDown)
        FOnDown(this, TopButton, AutoRepeat, handled);
}

void TEditButtonControlLt::Paint()
{
    TCanvas* canvas = Canvas();
    const TColor parentColor = Parent() ? Parent()->Color() : Color();
    if (FStyle != ebsGlyphLt) {
        const bool down = State() == bsDown || State() == bsExclusive;
        PaintButtonFace(canvas, ClientRect(), parentColor, 0, Enabled(), FActive, Flat(), down ? FPressedPart : 0,
                        ButtonPaintKindOf(FStyle));
        return;
    }
    const bool clipped = Flat() && !ButtonThemesEnabled();
    if (!clipped) {
        TSpeedButton::Paint();
        return;
    }
    TRect inner = ClientRect();
    InflateRect(inner, -1, -1);
    canvas->SaveState();
    canvas->IntersectClipRect(inner);
    TSpeedButton::Paint();
    canvas->RestoreState();
    TRect ring = ClientRect();
    const bool pressed = State() == bsDown || State() == bsExclusive;
    if (pressed)
        canvas->DrawEdge(ring, BDR_SUNKENOUTER, BF_RECT);
    else if (FActive)
        canvas->DrawEdge(ring, BDR_RAISEDINNER, BF_RECT);
    else {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(parentColor);
        canvas->FrameRect(ring);
    }
}
