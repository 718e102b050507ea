#include "dbgrid/engine/gridscrollbarlt.h"

#include "dbgrid/engine/customgridlt.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"

LT_IMPLEMENT_CLASS(TDBGridLtScrollBar, TPersistent)
{
    P.Property("ExtScrollBar", &TDBGridLtScrollBar::ExtScrollBar, &TDBGridLtScrollBar::SetExtScrollBar);
    P.Property("Tracking", &TDBGridLtScrollBar::Tracking, &TDBGridLtScrollBar::SetTracking).Default(0);
    P.Property("Visible", &TDBGridLtScrollBar::Visible, &TDBGridLtScrollBar::SetVisible).Default(1);
}

LT_IMPLEMENT_CLASS(TVertDBGridLtScrollBar, TDBGridLtScrollBar)
{
    P.Property("VisibleMode", &TVertDBGridLtScrollBar::VisibleMode, &TVertDBGridLtScrollBar::SetVisibleMode)
        .Default(sbAutoShowLt);
}

TDBGridLtScrollBar::TDBGridLtScrollBar(TCustomGridLt* Grid, TScrollBarKind Kind) : FGrid(Grid), FKind(Kind)
{
    // A freed external bar gives the window its own bar back.
    FExtScrollBar.SetOnFreed([this] {
        FHooked = false;
        Changed();
    });
}

TDBGridLtScrollBar::~TDBGridLtScrollBar()
{
    if (TScrollBar* bar = FExtScrollBar.Get(); bar && FHooked)
        bar->SetScrollHook(nullptr);
}

void TDBGridLtScrollBar::Assign(const TPersistent* Source)
{
    if (const auto* bar = dynamic_cast<const TDBGridLtScrollBar*>(Source)) {
        SetVisible(bar->Visible());
        SetTracking(bar->Tracking());
        SetExtScrollBar(bar->ExtScrollBar());
        return;
    }
    TPersistent::Assign(Source);
}

bool TDBGridLtScrollBar::Designing() const
{
    return FGrid && FGrid->ComponentState().Contains(csDesigning);
}

void TDBGridLtScrollBar::Changed()
{
    if (FOnChange)
        FOnChange();
}

void TDBGridLtScrollBar::SetVisibleMode(TScrollBarVisibleModeLt Value)
{
    if (Value == FVisibleMode)
        return;
    FVisibleMode = Value;
    if (TScrollBar* bar = FExtScrollBar.Get())
        bar->SetVisible(Visible());
    Changed();
}

void TDBGridLtScrollBar::SetExtScrollBar(TScrollBar* Value)
{
    TScrollBar* old = FExtScrollBar.Get();
    if (Value == old)
        return;
    // Only a grid's bar at run time takes the external bar over.
    const bool hook = FGrid && !Designing();
    if (Value && hook && Value->ScrollHooked())
        throw Exception("Possible " + Value->Name() + " already attached to the other control.");
    if (old && FHooked)
        old->SetScrollHook(nullptr);
    FHooked = false;
    FExtScrollBar.Set(Value);
    if (Value) {
        if (hook) {
            Value->SetScrollHook([this](TScrollCode Code, int& Pos) {
                if (TScrollBar* bar = FExtScrollBar.Get())
                    FGrid->ScrollFromBar(*bar, FKind == sbVertical, Code, Pos);
            });
            FHooked = true;
        }
        Value->SetVisible(Visible());
    }
    if (!FGrid || !FGrid->ComponentState().Contains(csDestroying))
        Changed();
}

TScrollBar* TDBGridLtScrollBar::WindowBar() const
{
    if (!FGrid)
        return nullptr;
    return FKind == sbVertical ? FGrid->VertScrollBarControl() : FGrid->HorzScrollBarControl();
}

bool TDBGridLtScrollBar::BarShown() const
{
    if (const TScrollBar* bar = FExtScrollBar.Get())
        return bar->Visible();
    const TScrollBar* own = WindowBar();
    return Visible() && own && own->Visible();
}

TScrollBarStateLt TDBGridLtScrollBar::ReadScrollInfo() const
{
    const TScrollBar* bar = FExtScrollBar.Get();
    if (!bar)
        bar = WindowBar();
    if (!bar)
        return {};
    return {bar->Min(), bar->Max(), bar->PageSize(), bar->Position(), bar->Visible(), bar->Enabled()};
}
