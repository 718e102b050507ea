#include "dbgrid/lookup/columndropdownboxlt.h"

#include "dbcontrols/extravaluerow.h"
#include "dbgrid/core/columndefvalueslt.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/columnslt.h"
#include "dbgrid/lookup/popupdatagridlt.h"
#include "platform/data/datasource.h"
#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TColumnDropDownBoxLt, TDropDownBoxLt)
{
    using B = TColumnDropDownBoxLt;
    // Read only from a made popup grid, so writing a column makes none.
    const auto popupMade = [](const TObject& o) { return static_cast<const B&>(o).Column()->LookupPopupGridMade(); };
    P.Property("Columns", &B::Columns).StoredIf([popupMade](const TObject& o) {
        return popupMade(o) && static_cast<const B&>(o).Columns()->Customized();
    });
    P.Property("AutoFitColWidths", &B::AutoFitColWidths, &B::SetAutoFitColWidths).Default(1);
    P.Property("ColumnDefValues", &B::ColumnDefValues).StoredIf(popupMade);
    P.Property("Options", &B::Options, &B::SetOptions)
        .Default(static_cast<int64_t>(TDBLookupGridLtOptions{dlgColLinesLt}.Bits()))
        .StoredIf(popupMade);
    P.Property("ListSource", &B::ListSource, &B::SetListSource);
    P.Property("UseMultiTitle", &B::UseMultiTitle, &B::SetUseMultiTitle).Default(0);
    P.Property("ShowTitles", &B::ShowTitles, &B::SetShowTitles).Default(0);
    P.Property("SpecRow", &B::SpecRow, &B::SetSpecRow);
}

TColumnDropDownBoxLt::TColumnDropDownBoxLt(TColumnLt* Column)
    : FColumn(Column), FSpecRow(std::make_unique<TSpecRowLt>())
{
}

TColumnDropDownBoxLt::~TColumnDropDownBoxLt() = default;

TDBGridColumnsLt* TColumnDropDownBoxLt::Columns() const
{
    return FColumn->LookupPopupGrid()->Columns();
}

void TColumnDropDownBoxLt::SetColumns(const TDBGridColumnsLt* Value)
{
    Columns()->Assign(Value);
}

TDBGridLtColumnDefValuesLt* TColumnDropDownBoxLt::ColumnDefValues() const
{
    return FColumn->LookupPopupGrid()->ColumnDefValues();
}

TDBLookupGridLtOptions TColumnDropDownBoxLt::Options() const
{
    return FColumn->LookupPopupGrid()->Options();
}

void TColumnDropDownBoxLt::SetOptions(TDBLookupGridLtOptions Value)
{
    FColumn->LookupPopupGrid()->SetOptions(Value);
}

void TColumnDropDownBoxLt::SetSpecRow(const TSpecRowLt* Value)
{
    FSpecRow->Assign(Value);
}

void TColumnDropDownBoxLt::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TColumnDropDownBoxLt*>(Source);
    if (!source) {
        TDropDownBoxLt::Assign(Source);
        return;
    }
    TDropDownBoxLt::Assign(source);
    SetAutoDrop(source->AutoDrop());
    FShowTitles = source->FShowTitles;
    FAutoFitColWidths = source->FAutoFitColWidths;
    SetListSource(source->ListSource());
    FUseMultiTitle = source->FUseMultiTitle;
    FSpecRow->Assign(source->SpecRow());
    // Neither popup grid made: both hold the defaults.
    if (!FColumn->LookupPopupGridMade() && !source->FColumn->LookupPopupGridMade())
        return;
    ColumnDefValues()->Assign(source->ColumnDefValues());
    SetOptions(source->Options());
    if (source->Columns()->Customized())
        SetColumns(source->Columns());
    else
        Columns()->Clear();
}

TPersistent* TColumnDropDownBoxLt::GetOwner() const
{
    return FColumn;
}
