#pragma once
// What the data grid's find dialog needs of a grid: the columns it offers
// and the grid's text search.
#include <string>
#include <vector>

#include "platform/rtl/variant.h"

class TComponent;
class TDataSet;
class TObject;

// A column the dialog offers: its title caption, the column itself and the
// field it shows.
struct TFindColumnLt {
    std::string Caption;
    TObject* Column = nullptr;
    std::string FieldName;
};

// What the dialog needs of a data grid.
class IFindDialogGridLt {
public:
    virtual ~IFindDialogGridLt() = default;
    // The component that is the grid: the dialog forgets a grid whose
    // component is freed.
    virtual TComponent* GridComponent() = 0;
    virtual TDataSet* FindDataSet() const = 0;
    // The visible columns, left to right, and the current one.
    virtual std::vector<TFindColumnLt> FindColumns() const = 0;
    virtual TObject* CurrentFindColumn() const = 0;
    // The grid's text search (through its data service); see
    // LocateTextInDataSet for the arguments.
    virtual bool LocateText(const std::string& FieldName, const Variant& TreeFindRange, int Matching, int Direction,
                            unsigned Options, const std::string& Text) = 0;
};
