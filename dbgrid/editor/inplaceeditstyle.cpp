#include "dbgrid/editor/inplaceeditstyle.h"

#include <algorithm>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/core/fieldkinds.h"
#include "platform/data/fields.h"
#include "platform/rtl/exceptions.h"

namespace {
// A lookup field whose key fields all exist and can be changed, on a column
// not made read-only, in a grid whose link may change them.
bool LookupListApplies(const TColumnLt& Column, const TField& Field, bool AtDesignTime)
{
    if (!Field.Lookup() || Field.KeyFields().empty() || !Field.DataSet())
        return false;
    if (Column.IsExplicit(cevReadOnly) && Column.ReadOnly())
        return false;
    const TCustomDBGridLt* grid = Column.OwnerGrid();
    if (!grid)
        return false;
    const bool linkEditable = grid->DataLinkActive() && !grid->DataLink()->ReadOnly();
    if (!linkEditable && !(AtDesignTime && grid->ComponentState().Contains(csDesigning)))
        return false;
    std::vector<TField*> keys;
    try {
        keys = Field.DataSet()->GetFieldList(Field.KeyFields());
    } catch (const Exception&) {
        return false;   // a key field that does not exist
    }
    return !keys.empty() && std::all_of(keys.begin(), keys.end(), [](const TField* f) { return f->CanModify(); });
}
} // namespace

TInplaceEditStyleLt ColumnEditStyle(const TColumnLt& Column, bool AtDesignTime)
{
    switch (Column.ButtonStyle()) {
    case cbsEllipsis: return iesEllipsisLt;
    case cbsUpDown: return iesUpDownLt;
    case cbsDropDown: return iesDropDownLt;
    case cbsNone: return iesSimpleLt;
    case cbsAuto: break;
    }
    const TField* field = Column.BoundField();
    if (!field)
        return iesSimpleLt;
    if (LookupListApplies(Column, *field, AtDesignTime))
        return iesDataListLt;
    if (Column.HasPickList() && !Column.ReadOnly())
        return iesPickListLt;
    if ((field->DataType() == ftDate || field->DataType() == ftDateTime || field->DataType() == ftTimeStamp) &&
        !Column.ReadOnly())
        return iesDateCalendarLt;
    return iesSimpleLt;
}

bool ColumnShowsDefaultButton(const TColumnLt& Column)
{
    return ColumnEditStyle(Column, true) != iesSimpleLt;
}

TEditButtonStyleLt DefaultButtonStyleOf(TInplaceEditStyleLt Style)
{
    switch (Style) {
    case iesEllipsisLt: return ebsEllipsisLt;
    case iesUpDownLt: return ebsUpDownLt;
    default: return ebsDropDownLt;
    }
}
