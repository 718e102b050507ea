#include "dbgrid/filter/gridfilterlt.h"

#include "dbgrid/core/dbgridlt.h"
#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TSTDBGridLtFilter, TPersistent)
{
    using F = TSTDBGridLtFilter;
    P.Property("Local", &F::Local, &F::SetLocal).Default(0);
    P.Property("Visible", &F::Visible, &F::SetVisible).Default(0);
}

void TSTDBGridLtFilter::SetVisible(bool Value)
{
    if (FVisible == Value)
        return;
    FVisible = Value;
    if (!FGrid)
        return;
    if (!Value)
        FGrid->HideFilterEditor();
    FGrid->LayoutChanged();
    if (FGrid->EditorMode())
        FGrid->UpdateEdit();
}

void TSTDBGridLtFilter::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TSTDBGridLtFilter*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    SetVisible(source->FVisible);
    FLocal = source->FLocal;
}
