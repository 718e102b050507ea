// The published record of the data grid: its settings, columns (written
// only when customized) and events.
#include "dbgrid/core/columndefvalueslt.h"
#include "dbgrid/core/dbgridlt.h"
#include "platform/data/datasource.h"
#include "platform/rtl/classbuilder.h"
#include "platform/ui/imglist.h"

LT_IMPLEMENT_CLASS(TCustomDBGridLt, TCustomGridLt) {}

LT_IMPLEMENT_CLASS(TDBGridLt, TCustomDBGridLt)
{
    using G = TCustomDBGridLt;
    const TDBGridLtAllowedOperations operations{alopInsertLt, alopUpdateLt, alopDeleteLt, alopAppendLt};
    const TDBGridLtAllowedSelections selections{gstRecordBookmarks, gstRectangle, gstColumns, gstAll};
    const TDBGridOptions options{dgEditing,  dgTitles,   dgIndicator, dgColumnResize,  dgColLines,
                                 dgRowLines, dgTabs,     dgConfirmDelete, dgCancelOnExit};
    const TDBGridLtOptions optionsLt{dghFixed3D, dghHighlightFocus, dghClearSelection, dghDialogFind};
    P.Property("AllowedOperations", &G::AllowedOperations, &G::SetAllowedOperations)
        .Default(static_cast<int64_t>(operations.Bits()));
    P.Property("AllowedSelections", &G::AllowedSelections, &G::SetAllowedSelections)
        .Default(static_cast<int64_t>(selections.Bits()));
    P.Property("AutoFitColWidths", &G::AutoFitColWidths, &G::SetAutoFitColWidths).Default(0);
    P.Property("BorderStyle", &G::BorderStyle, &G::SetBorderStyle).Default(bsSingle);
    P.Property("ColumnDefValues", &G::ColumnDefValues);
    P.Property("Columns", &G::Columns).StoredIf([](const TObject& o) {
        return static_cast<const G&>(o).Columns()->Customized();
    });
    P.Property("ContraColCount", &G::ContraColCount, &G::SetContraColCount).Default(0);
    P.Property("DataSource", &G::DataSource, &G::SetDataSource);
    P.Property("DefaultDrawing", &G::DefaultDrawing, &G::SetDefaultDrawing).Default(1);
    P.Property("DrawMemoText", &G::DrawMemoText, &G::SetDrawMemoText).Default(0);
    P.Property("EvenRowColor", &G::EvenRowColor, &G::SetEvenRowColor)
        .Idents(ColorIdents())
        .StoredIf([](const TObject& o) { return static_cast<const G&>(o).EvenRowColorStored(); });
    P.Property("OddRowColor", &G::OddRowColor, &G::SetOddRowColor)
        .Idents(ColorIdents())
        .StoredIf([](const TObject& o) { return static_cast<const G&>(o).OddRowColorStored(); });
    P.Property("FixedColor", &G::FixedColor, &G::SetFixedColor).Idents(ColorIdents()).Default(clBtnFace);
    P.Property("Flat", &G::GetFlat, &G::SetFlat).Default(0);
    P.Property("FooterColor", &G::FooterColor, &G::SetFooterColor).Idents(ColorIdents()).Default(clWindow);
    P.Property("FooterFont", &G::FooterFont, &G::SetFooterFont);
    P.Property("FooterRowCount", &G::FooterRowCount, &G::SetFooterRowCount).Default(0);
    P.Property("FrozenCols", &G::FrozenCols, &G::SetFrozenCols).Default(0);
    P.Property("HorzScrollBar", &G::HorzScrollBar, &G::SetHorzScrollBar);
    P.Property("MinAutoFitWidth", &G::MinAutoFitWidth, &G::SetMinAutoFitWidth).Default(0);
    P.Property("Options", &G::Options, &G::SetOptions).Default(static_cast<int64_t>(options.Bits()));
    P.Property("OptionsLt", &G::OptionsLt, &G::SetOptionsLt).Default(static_cast<int64_t>(optionsLt.Bits()));
    P.Property("ReadOnly", &G::ReadOnly, &G::SetReadOnly).Default(0);
    P.Property("RowHeight", &G::RowHeight, &G::SetRowHeight).Default(0);
    P.Property("RowLines", &G::RowLines, &G::SetRowLines).Default(0);
    P.Property("RowSizingAllowed", &G::RowSizingAllowed, &G::SetRowSizingAllowed).Default(0);
    P.Property("SortLocal", &G::SortLocal, &G::SetSortLocal).Default(0);
    P.Property("SumList", &G::SumList, &G::SetSumList);
    P.Property("STFilter", &G::STFilter, &G::SetSTFilter);
    P.Property("TitleFont", &G::TitleFont, &G::SetTitleFont);
    P.Property("TitleHeight", &G::TitleHeight, &G::SetTitleHeight).Default(0);
    P.Property("TitleImages", &G::TitleImages, &G::SetTitleImages);
    P.Property("TitleLines", &G::TitleLines, &G::SetTitleLines).Default(0);
    P.Property("UseMultiTitle", &G::UseMultiTitle, &G::SetUseMultiTitle).Default(0);
    P.Property("VertScrollBar", &G::VertScrollBar, &G::SetVertScrollBar);
    P.Property("VTitleMargin", &G::VTitleMargin, &G::SetVTitleMargin).Default(10);
    P.Property("OnApplyFilter", &G::OnApplyFilter, &G::SetOnApplyFilter);
    P.Property("OnColumnMoved", &G::OnColumnMoved, &G::SetOnColumnMoved);
    P.Property("OnColWidthsChanged", &G::OnColWidthsChanged, &G::SetOnColWidthsChanged);
    P.Property("OnDrawColumnCell", &G::OnDrawColumnCell, &G::SetOnDrawColumnCell);
    P.Property("OnDrawDataCell", &G::OnDrawDataCell, &G::SetOnDrawDataCell);
    P.Property("OnDrawFooterCell", &G::OnDrawFooterCell, &G::SetOnDrawFooterCell);
    P.Property("OnGetBtnParams", &G::OnGetBtnParams, &G::SetOnGetBtnParams);
    P.Property("OnGetCellParams", &G::OnGetCellParams, &G::SetOnGetCellParams);
    P.Property("OnGetFooterParams", &G::OnGetFooterParams, &G::SetOnGetFooterParams);
    P.Property("OnMoveRecords", &G::OnMoveRecords, &G::SetOnMoveRecords);
    P.Property("OnSortMarkingChanged", &G::OnSortMarkingChanged, &G::SetOnSortMarkingChanged);
    // Keyboard and mouse.
    P.Property("EditActions", &G::EditActions, &G::SetEditActions).Default(0);
    P.Property("OnCellClick", &G::OnCellClick, &G::SetOnCellClick);
    P.Property("OnCheckButton", &G::OnCheckButton, &G::SetOnCheckButton);
    P.Property("OnColEnter", &G::OnColEnter, &G::SetOnColEnter);
    P.Property("OnColExit", &G::OnColExit, &G::SetOnColExit);
    P.Property("OnTitleBtnClick", &G::OnTitleBtnClick, &G::SetOnTitleBtnClick);
    P.Property("OnTitleClick", &G::OnTitleClick, &G::SetOnTitleClick);
    P.Property("OnSelectionChanged", &G::OnSelectionChanged, &G::SetOnSelectionChanged);
    P.Property("OnSumListAfterRecalcAll", &G::OnSumListAfterRecalcAll, &G::SetOnSumListAfterRecalcAll);
    P.Property("OnSumListRecalcAll", &G::OnSumListRecalcAll, &G::SetOnSumListRecalcAll);
    P.Property("OnEditButtonClick", &G::OnEditButtonClick, &G::SetOnEditButtonClick);
}
