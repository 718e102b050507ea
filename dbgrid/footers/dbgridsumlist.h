#pragma once
// The data grid's own footer-aggregate producer: the grid's footers bind
// their sums, averages and counts to it. It tells the grid when the
// aggregates change or are recalculated, and while the grid is being
// designed it only marks the dataset's events as hooked.
#include "dbgrid/footers/dbsumlist.h"

class TCustomDBGridLt;

class TDBGridLtSumList : public TDBSumListProducer {
    LT_CLASS(TDBGridLtSumList)
public:
    // Inactive at first.
    explicit TDBGridLtSumList(TCustomDBGridLt* Grid);

    TCustomDBGridLt* Grid() const { return FGrid; }
    void RecalcAll() override;

protected:
    void HookDataSetEvents() override;
    void UnhookDataSetEvents() override;
    void Changed() const override;

private:
    bool Designing() const;

    TCustomDBGridLt* FGrid;
};
