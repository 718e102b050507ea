// The grid's sum list: the producer with the grid told of its changes and
// recalculations, and its published record.
#include "dbgrid/footers/dbgridsumlist.h"

#include "dbgrid/core/dbgridlt.h"
#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TDBGridLtSumList, TDBSumListProducer)
{
    using S = TDBGridLtSumList;
    P.Property("Active", &S::Active, &S::SetActive).Default(0);
    P.Property("ExternalRecalc", &S::ExternalRecalc, &S::SetExternalRecalc).Default(0);
    P.Property("VirtualRecords", &S::VirtualRecords, &S::SetVirtualRecords).Default(0);
    P.Property("OnAfterRecalcAll", &S::OnAfterRecalcAll, &S::SetOnAfterRecalcAll);
    P.Property("OnRecalcAll", &S::OnRecalcAll, &S::SetOnRecalcAll);
    P.Property("SumListChanged", &S::SumListChanged, &S::SetSumListChanged);
}

TDBGridLtSumList::TDBGridLtSumList(TCustomDBGridLt* Grid) : TDBSumListProducer(Grid), FGrid(Grid)
{
    SetActive(false);
}

bool TDBGridLtSumList::Designing() const
{
    return FGrid->ComponentState().Contains(csDesigning);
}

void TDBGridLtSumList::HookDataSetEvents()
{
    if (Designing())
        SetEventsHooked(DataSet() != nullptr);
    else
        TDBSumListProducer::HookDataSetEvents();
}

void TDBGridLtSumList::UnhookDataSetEvents()
{
    if (Designing())
        SetEventsHooked(false);
    else
        TDBSumListProducer::UnhookDataSetEvents();
}

void TDBGridLtSumList::RecalcAll()
{
    const bool runs = !OwnerIdle() && DataSet() && DataSet()->Active() && EventsHooked();
    if (runs)
        FGrid->DoSumListRecalcAll();
    TDBSumListProducer::RecalcAll();
    if (runs)
        FGrid->DoSumListAfterRecalcAll();
}

void TDBGridLtSumList::Changed() const
{
    TDBSumListProducer::Changed();
    FGrid->SumListChanged();
}
