#pragma once
// Filter expressions of datasets: comparisons of fields with constants
// joined by AND, OR and NOT, with parentheses:
//   FSCHEME = 3 and (FNAME = 'Сце*' or FNAME is null)
// A string constant ending in '*' matches values that start with the rest.
//   FNAME like '%сце_а%'   '%' any run, '_' one character, any letter case
#include <memory>
#include <string>

#include "platform/rtl/variant.h"

class TDataSet;

class TFilterExpressionNode;

class TDatasetFilter {
public:
    // Raises EDatabaseError naming the problem for a malformed expression.
    explicit TDatasetFilter(const std::string& Expression);
    ~TDatasetFilter();
    TDatasetFilter(const TDatasetFilter&) = delete;
    TDatasetFilter& operator=(const TDatasetFilter&) = delete;

    // Evaluates against the fields of DataSet's active row (field names are
    // looked up when evaluated, so an unknown name raises then).
    bool Accepts(const TDataSet& DataSet) const;

private:
    std::unique_ptr<TFilterExpressionNode> FRoot;
};
