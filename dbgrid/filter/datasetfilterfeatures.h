#pragma once
// The features the data service uses for a dataset whose class has none
// registered: the grid's column filters become the dataset's own Filter
// expression.
#include <string>

#include "dbgrid/filter/griddataservice.h"

class TCustomDBGridLt;

// The dataset Filter expression of the grid's column filters, each column's
// in parentheses, joined by "and"; empty when no column filters.
//   abc on FNAME            ([FNAME] like '%abc%')
//   >=10 AND <=20 on FID    ([FID] >= 10 and [FID] <= 20)
//   IN (1,2)                (([FID] = 1 or [FID] = 2))
std::string GridColumnsFilterExpression(const TCustomDBGridLt& Grid);

class TDataSetFilterFeaturesLt : public TDBGridLtDatasetFeaturesLt {
public:
    TDataSetFilterFeaturesLt() : TDBGridLtDatasetFeaturesLt("TDataSet") {}
    // Sets the dataset's Filter (Filtered while it is not empty).
    void ApplyFilter(TCustomDBGridLt* Grid, TDataSet* DataSet, bool IsReopen) override;
};
