// The published records of the lookup grid and its popup.
#include "dbcontrols/extravaluerow.h"
#include "dbgrid/core/columndefvalueslt.h"
#include "dbgrid/lookup/dblookupgridlt.h"
#include "dbgrid/lookup/popupdatagridlt.h"
#include "platform/data/datasource.h"
#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TDBLookupGridLt, TCustomDBGridLt)
{
    using L = TDBLookupGridLt;
    P.Property("AutoFitColWidths", &L::AutoFitColWidths, &L::SetAutoFitColWidths).Default(0);
    P.Property("ColumnDefValues", &L::ColumnDefValues);
    P.Property("Columns", &L::Columns).StoredIf([](const TObject& o) {
        return static_cast<const L&>(o).Columns()->Customized();
    });
    P.Property("DataField", &L::DataField, &L::SetDataField);
    P.Property("DataSource", &L::DataSource, &L::SetDataSource);
    P.Property("KeyField", &L::KeyField, &L::SetKeyField);
    P.Property("ListField", &L::ListField, &L::SetListField);
    P.Property("ListFieldNo", &L::ListFieldNo, &L::SetListFieldNo).Default(0);
    P.Property("ListSource", &L::ListSource, &L::SetListSource);
    P.Property("Options", &L::Options, &L::SetOptions)
        .Default(static_cast<int64_t>(TDBLookupGridLtOptions{dlgColLinesLt}.Bits()));
    P.Property("RowCount", &L::RowCount, &L::SetRowCount).Default(7);
    P.Property("ShowTitles", &L::ShowTitles, &L::SetShowTitles).Default(0);
    P.Property("SpecRow", &L::SpecRow, &L::SetSpecRow);
    P.Property("UseMultiTitle", &L::UseMultiTitle, &L::SetUseMultiTitle).Default(0);
    P.Property("OnGetCellParams", &L::OnGetCellParams, &L::SetOnGetCellParams);
    P.Property("OnColumnMoved", &L::OnColumnMoved, &L::SetOnColumnMoved);
}

LT_IMPLEMENT_CLASS(TPopupDataGridLt, TDBLookupGridLt) {}
