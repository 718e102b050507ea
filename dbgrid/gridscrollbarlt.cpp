#include "dbgrid/gridscrollbarlt.h"

#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TDBGridLtScrollBar, TPersistent)
{
    P.Property("Tracking", &TDBGridLtScrollBar::Tracking, &TDBGridLtScrollBar::SetTracking).Default(0);
    P.Property("Visible", &TDBGridLtScrollBar::Visible, &TDBGridLtScrollBar::SetVisible).Default(1);
}

LT_IMPLEMENT_CLASS(TVertDBGridLtScrollBar, TDBGridLtScrollBar)
{
    P.Property("VisibleMode", &TVertDBGridLtScrollBar::VisibleMode, &TVertDBGridLtScrollBar::SetVisibleMode)
        .Default(sbAutoShowLt);
}

void TDBGridLtScrollBar::Assign(const TPersistent* Source)
{
    if (const auto* bar = dynamic_cast<const TDBGridLtScrollBar*>(Source)) {
        SetVisible(bar->Visible());
        SetTracking(bar->Tracking());
        return;
    }
    TPersistent::Assign(Source);
}

void TDBGridLtScrollBar::SetVisibleMode(TScrollBarVisibleModeLt Value)
{
    if (Value == FVisibleMode)
        return;
    FVisibleMode = Value;
    if (FOnChange)
        FOnChange();
}
