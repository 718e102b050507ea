// What a column tells the in-place editor: its edit buttons, the room its
// buttons take, the dataset its lookup list shows and that list's settings.
#include "dbcontrols/buttonpaint.h"
#include "dbcontrols/extravaluerow.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/editor/inplaceeditstyle.h"
#include "dbgrid/lookup/columndropdownboxlt.h"
#include "dbgrid/lookup/popupdatagridlt.h"
#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "platform/ui/sysmetrics.h"

TEditButtonsLt* TColumnLt::EditButtons() const
{
    if (!FEditButtons) {
        auto* self = const_cast<TColumnLt*>(this);
        FEditButtons =
            std::make_unique<TEditButtonsLt>(self, TCollection::ItemsOf<TVisibleEditButtonLt>());
        FEditButtons->SetOnChanged([self](TCollectionItem*) { self->Changed(false); });
    }
    return FEditButtons.get();
}

std::vector<TCellButtonLt> TColumnLt::CellButtons() const
{
    const TCustomDBGridLt* grid = OwnerGrid();
    const int autoWidth = grid && grid->Flat() ? ComputeFlatButtonWidth() : GetSystemMetrics(SM_CXVSCROLL);
    std::vector<TCellButtonLt> buttons;
    const TInplaceEditStyleLt style = ColumnEditStyle(*this, true);
    if (style != iesSimpleLt)
        buttons.push_back({DefaultButtonStyleOf(style), autoWidth, nullptr});
    if (FEditButtons)
        for (int i = 0; i < FEditButtons->Count(); ++i) {
            const TEditButtonLt* button = FEditButtons->ButtonAt(i);
            if (button->Visible())
                buttons.push_back({button->Style(), button->Width() > 0 ? button->Width() : autoWidth, button});
        }
    return buttons;
}

int TColumnLt::EditButtonsWidth() const
{
    const TCustomDBGridLt* grid = OwnerGrid();
    const int line = grid && grid->Flat() ? 1 : 0;
    int width = 0;
    for (const TCellButtonLt& button : CellButtons())
        width += button.Width + line;
    return width;
}

TDataSet* TColumnLt::LookupSourceDataSet() const
{
    if (const TDataSource* source = FDropDownBox->ListSource())
        return source->DataSet();
    const TField* field = BoundField();
    return field ? field->LookupDataSet() : nullptr;
}

TPopupDataGridLt* TColumnLt::LookupPopupGrid() const
{
    if (!FLookupPopupGrid) {
        FLookupPopupGrid = std::make_unique<TPopupDataGridLt>(nullptr);
        FLookupPopupGrid->SetName("DataList");
    }
    return FLookupPopupGrid.get();
}

void TColumnLt::SetDropDownBox(const TColumnDropDownBoxLt* Value)
{
    FDropDownBox->Assign(Value);
}

void TColumnLt::SetDropDownSpecRow(const TSpecRowLt* Value)
{
    FDropDownSpecRow->Assign(Value);
}

void TColumnLt::SpecRowChanged()
{
    Changed(false);
    if (FLookupPopupGrid)
        FLookupPopupGrid->SetSpecRow(FDropDownSpecRow.get());
}
