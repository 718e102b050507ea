#include "dbcontrols/dropdownboxlt.h"

#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TDropDownBoxLt, TPersistent)
{
    P.Property("Align", &TDropDownBoxLt::Align, &TDropDownBoxLt::SetAlign).Default(daLeft);
    P.Property("AutoDrop", &TDropDownBoxLt::AutoDrop, &TDropDownBoxLt::SetAutoDrop).Default(0);
    P.Property("Rows", &TDropDownBoxLt::Rows, &TDropDownBoxLt::SetRows).Default(7);
    P.Property("Sizable", &TDropDownBoxLt::Sizable, &TDropDownBoxLt::SetSizable).Default(0);
    P.Property("Width", &TDropDownBoxLt::Width, &TDropDownBoxLt::SetWidth).Default(0);
}

void TDropDownBoxLt::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TDropDownBoxLt*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    FAlign = source->FAlign;
    FRows = source->FRows;
    FWidth = source->FWidth;
    FSizable = source->FSizable;
}
