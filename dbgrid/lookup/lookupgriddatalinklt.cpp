#include "dbgrid/lookup/lookupgriddatalinklt.h"

#include <algorithm>

#include "dbgrid/lookup/dblookupgridlt.h"

TLookupGridDataLinkLt::~TLookupGridDataLinkLt()
{
    SetDataSource(nullptr);
}

void TLookupGridDataLinkLt::ActiveChanged()
{
    FGrid->RebindDataFields();
}

void TLookupGridDataLinkLt::LayoutChanged()
{
    FGrid->RebindDataFields();
}

void TLookupGridDataLinkLt::RecordChanged(TField* Field)
{
    FGrid->DataRecordUpdated(Field);
}

void TLookupGridDataLinkLt::FocusControl(TField** Field)
{
    if (!Field || !*Field)
        return;
    const auto& fields = FGrid->DataFields();
    if (std::find(fields.begin(), fields.end(), *Field) == fields.end() || !FGrid->CanFocus())
        return;
    *Field = nullptr;
    FGrid->SetFocus();
}
