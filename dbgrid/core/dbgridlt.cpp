// The data grid: owned objects, settings, options mapped to the engine,
// columns of the current cell, and what freed components take with them.
#include "dbgrid/core/dbgridlt.h"

#include "dbgrid/core/colcellparamslt.h"
#include "dbgrid/core/columndefvalueslt.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/gridlibrarysetup.h"
#include "dbgrid/core/gridstylelt.h"
#include "dbgrid/engine/inplaceedit.h"
#include "platform/data/field.h"
#include "platform/ui/imglist.h"
#include "platform/ui/widgetbridge.h"

TCustomDBGridLt::TCustomDBGridLt(TComponent* AOwner)
    : TCustomGridLt(AOwner), FDataLink(std::make_unique<TGridDataLinkLt>(this)),
      FTitleFont(std::make_unique<TFont>()), FFooterFont(std::make_unique<TFont>()),
      FColCellParams(std::make_unique<TColCellParamsLt>())
{
    FColumnDefValues = CreateColumnDefValues();
    FColumns = CreateColumns();
    FHorzScrollBar = CreateScrollBar(false);
    FVertScrollBar = CreateScrollBar(true);
    SetSaveCellExtents(false);
    FTitleFont->Assign(Font());
    FTitleFont->SetOnChange([this](TGraphicsObject*) { TitleFontChanged(); });
    FFooterFont->Assign(Font());
    FFooterFont->SetOnChange([this](TGraphicsObject*) { Invalidate(); });
    FTitleImages.SetOnFreed([this] { LayoutChanged(); });
    OptionsToEngine();
    SetStyle(DefaultGridStyle());
    LayoutChanged();
}

TCustomDBGridLt::~TCustomDBGridLt()
{
    FOnSelectionChanged = nullptr;
    SetStyle(nullptr);
    FDataLink->SetDataSource(nullptr);
    FSumList->SetDataSet(nullptr);
    FColumns->Clear();
}

std::unique_ptr<TDBGridLtColumnDefValuesLt> TCustomDBGridLt::CreateColumnDefValues()
{
    return std::make_unique<TDBGridLtColumnDefValuesLt>(this);
}

std::unique_ptr<TDBGridColumnsLt> TCustomDBGridLt::CreateColumns()
{
    return std::make_unique<TDBGridColumnsLt>(this, TCollection::ItemsOf<TDBGridColumnLt>());
}

void TCustomDBGridLt::RecreateColumns()
{
    FVisibleColumns.Clear();
    FSortMarkedColumns.Clear();
    FColumns->Clear();
    FColumnDefValues = CreateColumnDefValues();
    FColumns = CreateColumns();
    LayoutChanged();
}

void TCustomDBGridLt::SetDataSource(TDataSource* Value)
{
    if (Value == DataSource())
        return;
    if (DataSource())
        RemoveFreeNotification(DataSource());
    FDataLink->SetDataSource(Value);
    if (Value)
        FreeNotification(Value);
    LinkActive(FDataLink->Active());
}

// ---- settings -------------------------------------------------------------------

void TCustomDBGridLt::SetAutoFitColWidths(bool Value)
{
    if (FAutoFitColWidths == Value)
        return;
    FAutoFitColWidths = Value;
    if (Value)
        SaveInitialWidths();
    LayoutChanged();
}

void TCustomDBGridLt::SetDrawMemoText(bool Value)
{
    if (FDrawMemoText == Value)
        return;
    FDrawMemoText = Value;
    Invalidate();
}

void TCustomDBGridLt::SetEvenRowColor(TColor Value)
{
    FEvenRowColor = Value;
    Invalidate();
}

void TCustomDBGridLt::SetOddRowColor(TColor Value)
{
    FOddRowColor = Value;
    Invalidate();
}

void TCustomDBGridLt::SetFooterColor(TColor Value)
{
    if (FFooterColor == Value)
        return;
    FFooterColor = Value;
    Invalidate();
}

void TCustomDBGridLt::SetFooterRowCount(int Value)
{
    if (Value < 0 || FFooterRowCount == Value)
        return;
    FFooterRowCount = Value;
    LayoutChanged();
}

void TCustomDBGridLt::SetFrozenCols(int Value)
{
    Value = std::max(Value, 0);
    if (FFrozenCols == Value)
        return;
    FFrozenCols = Value;
    LayoutChanged();
}

void TCustomDBGridLt::SetMinAutoFitWidth(int Value)
{
    if (FMinAutoFitWidth == Value)
        return;
    FMinAutoFitWidth = Value;
    LayoutChanged();
}

void TCustomDBGridLt::SetOptions(TDBGridOptions Value)
{
    if (Value.Contains(dgRowSelect))
        Value = Value - TDBGridOptions{dgEditing, dgAlwaysShowEditor};
    if (FOptions == Value)
        return;
    const TDBGridOptions layoutOptions{dgEditing,  dgAlwaysShowEditor, dgTitles,    dgIndicator,
                                       dgColLines, dgRowLines,         dgRowSelect, dgAlwaysShowSelection};
    const bool relayout = !((FOptions * layoutOptions) == (Value * layoutOptions));
    const bool multiSelectOff = FOptions.Contains(dgMultiSelect) && !Value.Contains(dgMultiSelect);
    FOptions = Value;
    if (multiSelectOff)
        FSelection->Clear();
    OptionsToEngine();
    if (relayout)
        LayoutChanged();
}

void TCustomDBGridLt::OptionsToEngine()
{
    TGridOptionsLt engine = TCustomGridLt::Options() * TGridOptionsLt{goRangeSelect, goDrawFocusSelected,
                                                                      goRowMoving, goThumbTracking};
    if (FOptions.Contains(dgColLines))
        engine = engine + TGridOptionsLt{goFixedVertLine, goVertLine};
    if (FOptions.Contains(dgRowLines))
        engine = engine + TGridOptionsLt{goFixedHorzLine, goHorzLine};
    if (FOptions.Contains(dgColumnResize))
        engine = engine + TGridOptionsLt{goColSizing, goColMoving};
    if (FOptions.Contains(dgTabs))
        engine.Include(goTabs);
    if (FOptions.Contains(dgRowSelect))
        engine.Include(goRowSelect);
    if (FOptions.Contains(dgEditing))
        engine.Include(goEditing);
    if (FOptions.Contains(dgAlwaysShowEditor))
        engine.Include(goAlwaysShowEditor);
    if (FRowSizingAllowed)
        engine.Include(goRowSizing);
    TCustomGridLt::SetOptions(engine);
}

void TCustomDBGridLt::SetOptionsLt(TDBGridLtOptions Value)
{
    if (FOptionsLt == Value)
        return;
    const bool multiSortOff = FOptionsLt.Contains(dghMultiSortMarking) && !Value.Contains(dghMultiSortMarking);
    FOptionsLt = Value;
    if (multiSortOff) {
        while (FSortMarkedColumns.Count() > 1)
            FSortMarkedColumns.Items(FSortMarkedColumns.Count() - 1)->Title()->SetSortMarker(smNoneLt);
    }
    LayoutChanged();
}

void TCustomDBGridLt::SetReadOnly(bool Value)
{
    if (FReadOnly == Value)
        return;
    FReadOnly = Value;
    Invalidate();
    if (EditorMode())
        UpdateEdit();
}

void TCustomDBGridLt::SetRowHeight(int Value)
{
    Value = std::max(Value, 0);
    if (FRowHeight == Value)
        return;
    FRowHeight = Value;
    LayoutChanged();
}

void TCustomDBGridLt::SetRowLines(int Value)
{
    Value = std::max(Value, 0);
    if (FRowLines == Value)
        return;
    FRowLines = Value;
    LayoutChanged();
}

void TCustomDBGridLt::SetRowSizingAllowed(bool Value)
{
    if (FRowSizingAllowed == Value)
        return;
    FRowSizingAllowed = Value;
    OptionsToEngine();
}

void TCustomDBGridLt::SetTitleHeight(int Value)
{
    if (FTitleHeight == Value)
        return;
    FTitleHeight = Value;
    LayoutChanged();
}

void TCustomDBGridLt::SetTitleLines(int Value)
{
    if (FTitleLines == Value)
        return;
    FTitleLines = Value;
    LayoutChanged();
}

void TCustomDBGridLt::SetTitleImages(TCustomImageList* Value)
{
    FTitleImages.Set(Value);
    LayoutChanged();
}

void TCustomDBGridLt::SetUseMultiTitle(bool Value)
{
    if (FUseMultiTitle == Value)
        return;
    FUseMultiTitle = Value;
    LayoutChanged();
}

void TCustomDBGridLt::SetVTitleMargin(int Value)
{
    if (FVTitleMargin == Value)
        return;
    FVTitleMargin = Value;
    LayoutChanged();
}

void TCustomDBGridLt::SetOnGetCellParams(TGetCellLtParamsEvent Value)
{
    FOnGetCellParams = std::move(Value);
    Invalidate();
}

void TCustomDBGridLt::TitleFontChanged()
{
    if (!FFontFromParent && !ComponentState().Contains(csLoading))
        SetParentFont(false);
    if (FOptions.Contains(dgTitles))
        LayoutChanged();
}

void TCustomDBGridLt::FontChanged()
{
    TCustomGridLt::FontChanged();
    if (ParentFont()) {
        FFontFromParent = true;
        FTitleFont->Assign(Font());
        FFontFromParent = false;
    }
    LayoutChanged();
}

void TCustomDBGridLt::FlatChanged()
{
    LayoutChanged();
}

// ---- the current column -----------------------------------------------------

int TCustomDBGridLt::SelectedIndex() const
{
    return RawToDataColumn(Col());
}

void TCustomDBGridLt::SetSelectedIndex(int Value)
{
    const int raw = DataToRawColumn(Value);
    if (raw >= FixedCols() - TCustomGridLt::FrozenCols() && raw < ColCount())
        FocusCell(raw, Row(), true, true);
}

TColumnLt* TCustomDBGridLt::SelectedColumn() const
{
    const int i = SelectedIndex();
    return i >= 0 && i < FColumns->Count() ? FColumns->Items(i) : nullptr;
}

TField* TCustomDBGridLt::SelectedField() const
{
    const TColumnLt* column = SelectedColumn();
    return column ? column->BoundField() : nullptr;
}

void TCustomDBGridLt::SetSelectedField(TField* Value)
{
    if (!Value)
        return;
    for (int i = 0; i < FColumns->Count(); ++i) {
        if (FColumns->Items(i)->BoundField() == Value && FColumns->Items(i)->Visible()) {
            SetSelectedIndex(i);
            return;
        }
    }
}

int TCustomDBGridLt::ColumnToRaw(const TColumnLt* Column) const
{
    const int i = Column ? Column->Index() : -1;
    return i < 0 ? -1 : DataToRawColumn(i);
}

bool TCustomDBGridLt::SelectCell(int ACol, int ARow)
{
    const int i = RawToDataColumn(ACol);
    if (i >= 0 && i < FColumns->Count() && !FColumns->Items(i)->Visible())
        return false;
    return TCustomGridLt::SelectCell(ACol, ARow);
}

// ---- editing -----------------------------------------------------------------------

bool TCustomDBGridLt::CanEditShow()
{
    const TColumnLt* column = SelectedColumn();
    // A check box or image cell changes by click, double click or space,
    // never through a text editor.
    return column && FDataLink->Active() && !FReadOnly && !FilterEditMode() && !IsCheckOrImageCell(Col()) &&
           TCustomGridLt::CanEditShow();
}

bool TCustomDBGridLt::CanEditModify()
{
    TColumnLt* column = SelectedColumn();
    return column && column->CanEditValue(true);
}

void TCustomDBGridLt::SetEditText(int ACol, int ARow, const std::string& Value)
{
    // The engine hands the text back also when it merely hides the editor:
    // a row being browsed has nothing to take, and an editor still showing
    // the cell's own text changed nothing.
    if (FDataLink->Editing() && Value != GetEditText(ACol, ARow))
        FDataLink->CellModified();
}

void TCustomDBGridLt::EditButtonClick()
{
    if (FOnEditButtonClick)
        FOnEditButtonClick(this);
}

// ---- freed components ---------------------------------------------------------------

void TCustomDBGridLt::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomGridLt::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == DataSource()) {
        FDataLink->SetDataSource(nullptr);
        LinkActive(false);
        return;
    }
    if (auto* field = dynamic_cast<TField*>(AComponent)) {
        BeginLayout();
        try {
            for (int i = 0; i < FColumns->Count(); ++i)
                if (FColumns->Items(i)->BoundField() == field)
                    FColumns->Items(i)->DropBoundField();
        } catch (...) {
            EndLayout();
            throw;
        }
        EndLayout();
    }
}
