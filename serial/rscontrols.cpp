#include "serial/rscontrols.h"

#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TRsGraphicControl, TGraphicControl) {}

void TRsGraphicControl::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        RequestRepaint();
}

void TRsGraphicControl::SetAutoSize(bool Value)
{
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    AutoSizeChanged();
}

void TRsGraphicControl::RequestRepaint()
{
    if (!ComponentState().Contains(csLoading) && FUpdateCount == 0)
        Repaint();
}

void TRsGraphicControl::AdjustBounds()
{
    if (ComponentState().Contains(csLoading))
        return;
    const TRect before = BoundsRect();
    SetBounds(Left(), Top(), Width(), Height());
    if (BoundsRect() == before)
        RequestRepaint();
}

void TRsGraphicControl::AutoSizeChanged()
{
    if (FAutoSize && Align() != alClient && Align() != alCustom)
        AdjustBounds();
    else
        RequestRepaint();
}

void TRsGraphicControl::DoFontChanged()
{
    if (FOnFontChanged)
        FOnFontChanged(this);
}

void TRsGraphicControl::DoTextChanged()
{
    if (FOnTextChanged)
        FOnTextChanged(this);
}

void TRsGraphicControl::Dispatch(TMessage& Message)
{
    TGraphicControl::Dispatch(Message);
    switch (Message.Msg) {
    case CM_MOUSEENTER: DoMouseEnter(); break;
    case CM_MOUSELEAVE: DoMouseLeave(); break;
    case CM_FONTCHANGED: DoFontChanged(); break;
    case CM_TEXTCHANGED: DoTextChanged(); break;
    default: break;
    }
}
