#pragma once
// The editor of the data grid's filter row: a combo box the grid moves from
// filter cell to filter cell. Its list holds the column's values and, after
// them, the special items that are commands rather than values.
#include <vector>

#include "dbcontrols/dbcombobox.h"

// The special items of a filter list.
enum TFilterSpecialItemLt {
    fsiValueLt = 0,       // a value, not special
    fsiEmptyLt = 1,       // "(Пустые)": =Null
    fsiNotEmptyLt = 2,    // "(Не пустые)": <>Null
    fsiAllLt = 3,         // "(Все)": no filter
    fsiClearLt = 4,       // "(Очистить фильтр)": no filter in any column
    fsiSeparatorLt = 5,   // "-"
    fsiSortDownLt = 6,    // "(Сортировка по убыванию)"
    fsiSortUpLt = 7,      // "(Сортировка по возрастанию)"
};

class TInplaceFilterEditLt : public TDBComboBoxLt {
    LT_CLASS(TInplaceFilterEditLt)
public:
    explicit TInplaceFilterEditLt(TComponent* AOwner);

    // Sets the items: the values, then the special items (the sort items
    // only WithSorting).
    void SetFilterItems(const TStrings* Values, bool WithSorting);
    // The special item at Index of the items; fsiValueLt for a value.
    TFilterSpecialItemLt SpecialItem(int Index) const;

    // The combo's text area, one pixel lower at the top.
    TRect TextAreaRect() const override;

private:
    std::vector<TFilterSpecialItemLt> FSpecial;
};
