#pragma once
// Which editor a data grid cell gets: no button, an ellipsis, a pick list,
// a lookup list, a month calendar, up-down arrows or a drop-down button.
#include "dbcontrols/editbuttons.h"
#include "platform/rtl/typeinfo.h"

class TColumnLt;

enum TInplaceEditStyleLt {
    iesSimpleLt, iesEllipsisLt, iesPickListLt, iesDataListLt, iesDateCalendarLt, iesUpDownLt, iesDropDownLt
};
LT_ENUM_INFO(TInplaceEditStyleLt, iesSimpleLt, iesEllipsisLt, iesPickListLt, iesDataListLt, iesDateCalendarLt,
             iesUpDownLt, iesDropDownLt)

// The style the column's ButtonStyle asks for; with cbsAuto, a lookup list
// for a lookup field the grid can change, else a pick list, else a calendar
// for date fields, else none. AtDesignTime admits the lookup list without
// an active data link.
TInplaceEditStyleLt ColumnEditStyle(const TColumnLt& Column, bool AtDesignTime = false);

// Whether the column's cells show a default button at all.
bool ColumnShowsDefaultButton(const TColumnLt& Column);
// The face of the default button for an editor of Style: an ellipsis,
// up-down arrows or a drop-down arrow.
TEditButtonStyleLt DefaultButtonStyleOf(TInplaceEditStyleLt Style);
