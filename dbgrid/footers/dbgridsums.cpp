// The data grid's side of its footer sums: the sum list's notifications.
#include "dbgrid/core/dbgridlt.h"

void TCustomDBGridLt::DoSumListRecalcAll()
{
    if (FOnSumListRecalcAll)
        FOnSumListRecalcAll(FSumList.get());
}

void TCustomDBGridLt::DoSumListAfterRecalcAll()
{
    if (FOnSumListAfterRecalcAll)
        FOnSumListAfterRecalcAll(FSumList.get());
}

void TCustomDBGridLt::SumListChanged()
{
    if (ContraRowCount() > 0)
        RepaintRect({0, RowCount(), FullColCount() - 1, FullRowCount() - 1});
}
