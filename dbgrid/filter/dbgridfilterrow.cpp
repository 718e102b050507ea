// The data grid's filter row: its cells, its editor over a filter cell, the
// editor's list of values and special items, storing the typed text into the
// column filters and applying them through the data service.
#include "dbcontrols/ltinterfaces.h"
#include "dbgrid/core/celltextdrawing.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/core/gridstylelt.h"
#include "dbgrid/filter/columnfilterlt.h"
#include "dbgrid/filter/filterrowcolor.h"
#include "dbgrid/filter/griddataservice.h"
#include "dbgrid/filter/inplacefilteredit.h"
#include "platform/data/datasource.h"
#include "platform/rtl/stringlist.h"

namespace {
constexpr int kFilterListWidth = 100;
constexpr int kFilterListRows = 17;
} // namespace

int TCustomDBGridLt::FilterRowCount() const
{
    return FSTFilter->Visible() ? 1 : 0;
}

bool TCustomDBGridLt::HasFilterCell(const TColumnLt* Column) const
{
    return FSTFilter->Visible() && Column && Column->Visible() && Column->STFilter()->Visible();
}

std::string TCustomDBGridLt::FilterCellText(const TColumnLt* Column) const
{
    return Column ? Column->STFilter()->FilterText() : std::string();
}

void TCustomDBGridLt::DrawFilterCell(int DataCol, const TRect& Rect, TGridDrawState)
{
    TCanvas& canvas = *Canvas();
    const TColumnLt* column = DataCol >= 0 && DataCol < FColumns->Count() ? FColumns->Items(DataCol) : nullptr;
    if (!column || !HasFilterCell(column)) {
        canvas.Brush()->SetColor(FixedColor());
        canvas.FillRect(Rect);
        return;
    }
    canvas.Brush()->SetColor(FilterRowBackground(FixedColor()));
    canvas.Font()->Assign(Font());
    canvas.Font()->SetColor(clBlue);
    DrawCellText(&canvas, Rect, true, 2, 2, FilterCellText(column), taLeftJustify, tlTop, false, true, 0, 0);
}

TColumnLt* TCustomDBGridLt::FilterEditColumn() const
{
    if (!FFilterEdit || !FFilterEdit->Visible() || FFilterEditIndex < 0 || FFilterEditIndex >= FColumns->Count())
        return nullptr;
    return FColumns->Items(FFilterEditIndex);
}

TInplaceFilterEditLt* TCustomDBGridLt::CreateFilterEditor()
{
    auto* edit = new TInplaceFilterEditLt(this);
    edit->SetVisible(false);
    edit->SetParent(this);
    IInplaceEditorLt* inplace = edit;
    inplace->SetInplaceEditHolder(this);
    inplace->SetBorderStyle(bsNone);
    inplace->SetFont(Font());
    inplace->GetFont()->SetColor(clBlue);
    inplace->SetColor(FilterRowBackground(FixedColor()));
    edit->SetFlat(Flat());
    inplace->SetOnKeyPress([this](TObject*, char32_t& Key) {
        if (Key == U'\r') {
            Key = 0;
            ApplyFilter();
        }
    });
    // The editor's focus leaving for a control outside the grid leaves the
    // filter row, as the grid's own exit does.
    inplace->SetOnExit([this](TObject*) {
        if (FocusLeftGrid())
            HideFilterEditor();
    });
    return edit;
}

void TCustomDBGridLt::ShowFilterEditor(TColumnLt* Column)
{
    if (!HasFilterCell(Column))
        return;
    if (TDataSet* dataSet = LocateDataSet(); dataSet && dataSet->Active())
        dataSet->CheckBrowseMode();
    if (!FFilterEdit) {
        FFilterEdit = CreateFilterEditor();
        FFilterEdit->SetSubComponent(true);
    }
    if (FilterEditColumn() && FilterEditColumn() != Column)
        StoreFilterEditorText();
    HideEditor();
    // The index first: an editor still open elsewhere follows the scroll to
    // the new cell rather than closing.
    FFilterEditIndex = Column->Index();
    const int raw = ColumnToRaw(Column);
    if (raw >= FixedCols())
        ScrollToShow(raw, Row());
    FillFilterEditor(Column);
    PlaceFilterEditor();
    FFilterEdit->SetFocus();
    FFilterEdit->SelectAll();
}

void TCustomDBGridLt::PlaceFilterEditor()
{
    if (!FFilterEdit || FFilterEditIndex < 0 || FFilterEditIndex >= FColumns->Count() || FilterRow() < 0)
        return;
    TRect cell = CellBounds(ColumnToRaw(FColumns->Items(FFilterEditIndex)), FilterRow());
    ++cell.Left;
    FFilterEdit->PlaceAt(cell);
}

// The open editor moves with its cell when the grid scrolls or the columns
// change; once its cell is gone from the screen it closes, keeping its text.
void TCustomDBGridLt::FollowFilterEditor()
{
    const TColumnLt* column = FilterEditColumn();
    if (!column)
        return;
    if (!HasFilterCell(column) || IsRectEmpty(CellBounds(ColumnToRaw(column), FilterRow()))) {
        HideFilterEditor();
        return;
    }
    PlaceFilterEditor();
}

void TCustomDBGridLt::FillFilterEditor(TColumnLt* Column)
{
    TSTColumnFilterLt* filter = Column->STFilter();
    const TStringList noItems;
    FFilterEdit->SetItems(&noItems);
    FFilterEdit->Clear();
    const bool dropDown = filter->HasDropDown();
    FFilterEdit->EditButton()->SetVisible(dropDown);
    if (dropDown) {
        FFilterEdit->DropDownBox()->SetSizable(true);
        FFilterEdit->DropDownBox()->SetWidth(filter->DropDownWidth() > 0 ? filter->DropDownWidth()
                                                                         : kFilterListWidth);
        FFilterEdit->DropDownBox()->SetRows(filter->DropDownRows() > 0 ? filter->DropDownRows() : kFilterListRows);
        FFilterEdit->ItemsRequest = [this, filter](TObject*) {
            IMemTableDataFieldValueListLt* values = filter->ValueList();
            const bool sorting = OptionsLt().Contains(dghAutoSortMarking) && filter->Column()->Title()->TitleButton();
            FFilterEdit->SetFilterItems(values ? values->ValueStrings() : nullptr, sorting);
        };
        FFilterEdit->BeforeCloseUp = [this, filter](TObject*, bool& Accept) {
            const TFilterSpecialItemLt special =
                Accept ? FFilterEdit->SpecialItem(FFilterEdit->PopupList()->ItemIndex()) : fsiValueLt;
            if (special == fsiValueLt)
                return;
            Accept = false;
            FilterItemChosen(special);
        };
        FFilterEdit->SetOnCloseUp([this, filter](TObject*, bool& Accept) {
            filter->SetDropDownWidth(FFilterEdit->DropDownBox()->Width());
            filter->SetDropDownRows(FFilterEdit->DropDownBox()->Rows());
            if (Accept && FilterEditMode() && FilterApplyOnCloseUp())
                ApplyFilter();
        });
    } else {
        FFilterEdit->ItemsRequest = nullptr;
        FFilterEdit->BeforeCloseUp = nullptr;
        FFilterEdit->SetOnCloseUp(nullptr);
    }
    FFilterEdit->SetText(filter->FilterText());
}

void TCustomDBGridLt::FilterItemChosen(int Code)
{
    TColumnLt* column = FilterEditColumn();
    if (!column)
        return;
    if (Code == fsiSortDownLt || Code == fsiSortUpLt)
        for (int i = 0; i < FColumns->Count(); ++i)
            FColumns->Items(i)->Title()->SetSortMarker(smNoneLt);
    switch (Code) {
    case fsiEmptyLt: FFilterEdit->SetText("=Null"); break;
    case fsiNotEmptyLt: FFilterEdit->SetText("<>Null"); break;
    case fsiAllLt: FFilterEdit->SetText(std::string()); break;
    case fsiClearLt:
        HideFilterEditor();
        ClearFilters();
        Invalidate();
        ApplyFilter();
        return;
    case fsiSortDownLt:
    case fsiSortUpLt:
        column->Title()->SetSortMarker(Code == fsiSortDownLt ? smDownLt : smUpLt);
        ApplySorting();
        return;
    default: return;
    }
    if (FilterApplyOnCloseUp())
        ApplyFilter();
}

bool TCustomDBGridLt::FilterApplyOnCloseUp() const
{
    return FStyle && FStyle->FilterApplyOnCloseUp();
}

void TCustomDBGridLt::HideFilterEditor()
{
    if (FSTFilter->UpdateCount() > 0 || !FFilterEdit || !FFilterEdit->Visible())
        return;
    TColumnLt* column = FilterEditColumn();
    FFilterEdit->HideEditor();
    if (column) {
        column->STFilter()->SetFilterText(FFilterEdit->Text());
        RepaintCell(ColumnToRaw(column), FilterRow());
    }
    if (FOptions.Contains(dgAlwaysShowEditor))
        ShowEditor();
}

void TCustomDBGridLt::StoreFilterEditorText()
{
    if (TColumnLt* column = FilterEditColumn())
        column->STFilter()->SetFilterText(FFilterEdit->Text());
}

void TCustomDBGridLt::ClearFilters()
{
    FSTFilter->BeginUpdate();
    try {
        for (int i = 0; i < FColumns->Count(); ++i)
            FColumns->Items(i)->STFilter()->Clear();
    } catch (...) {
        FSTFilter->EndUpdate();
        throw;
    }
    FSTFilter->EndUpdate();
}

void TCustomDBGridLt::FilterTextChanged(TSTColumnFilterLt* Filter)
{
    Invalidate();
    if (FilterEditColumn() == Filter->Column() && FFilterEdit->Text() != Filter->FilterText())
        FFilterEdit->SetText(Filter->FilterText());
}

void TCustomDBGridLt::ApplyFilter()
{
    StoreFilterEditorText();
    const int left = FirstShownCol();
    auto restore = [this, left] {
        FApplyingFilter = false;
        FInLayout = false;
        if (left >= FixedCols() && left < ColCount())
            SetFirstShownCol(left);
        if (FilterEditMode())
            PlaceFilterEditor();
        Invalidate();
    };
    try {
        if (FOnApplyFilter) {
            FOnApplyFilter(this);
        } else {
            FApplyingFilter = true;
            FInLayout = true;
            DBGridLtDataService().FilterGrid(this);
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TCustomDBGridLt::ApplySorting()
{
    DBGridLtDataService().SortGrid(this);
}

void TCustomDBGridLt::RememberMouseDown(const TPoint& ScreenPos, int Time)
{
    FLastMouseDownPos = ScreenPos;
    FLastMouseDownTime = Time;
}

bool TCustomDBGridLt::AllowEditorModify(TWinControl*)
{
    return true;
}

void TCustomDBGridLt::GetLastMouseDown(TPoint& ScreenPos, int& Time)
{
    ScreenPos = FLastMouseDownPos;
    Time = FLastMouseDownTime;
    FLastMouseDownTime = 0;
}

void TCustomDBGridLt::EditorMessage(TWinControl*, TMessage&) {}

void TCustomDBGridLt::EditorKeyPress(TWinControl*, char32_t&) {}

void TCustomDBGridLt::EditorKeyUp(TWinControl*, unsigned&, TShiftState) {}
