#pragma once
// A column of the data grid: binds to a dataset field by name, carries the
// column's display and editing settings, and answers the grid's questions
// (which field, what text, which image, which check state, may it be
// edited, what is the next value). Settings not set explicitly follow a
// default: the field, the grid, or the grid's column defaults.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dbcontrols/dbcombobox.h"
#include "dbcontrols/editbuttons.h"
#include "dbcontrols/mrulistlt.h"
#include "dbgrid/core/columntitlelt.h"
#include "dbgrid/core/dbgridtypes.h"
#include "dbgrid/filter/columnfilterlt.h"
#include "dbgrid/footers/columnfooterlt.h"
#include "platform/rtl/alignment.h"
#include "platform/rtl/collection.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/variant.h"
#include "platform/ui/componentref.h"
#include "platform/ui/graphics.h"
#include "platform/ui/stdctrls.h"

class TColCellParamsLt;
class TColumnDefValuesLt;
class TColumnDropDownBoxLt;
class TCustomDBGridLt;
class TCustomImageList;
class TDataSet;
class TPopupDataGridLt;
class TPopupMenu;
class TField;
class TSpecRowLt;

using TGetColCellParamsEventLt = std::function<void(TObject* Sender, bool EditMode, TColCellParamsLt* Params)>;
using TColCellUpdateDataEventLt =
    std::function<void(TObject* Sender, std::string& Text, Variant& Value, bool& UseText, bool& Handled)>;
// May turn the in-place editor's required-value mark on or off.
using TOnColumnCheckDrawRequiredStateEventLt = std::function<void(TObject* Sender, bool& DrawState)>;

// One button of a cell's button strip.
struct TCellButtonLt {
    TEditButtonStyleLt Style = ebsDropDownLt;
    // The face's width, without the separator line of a Flat grid.
    int Width = 0;
    // The column's edit button; null for the default button.
    const TEditButtonLt* Button = nullptr;
};

class TColumnLt : public TCollectionItem {
    LT_CLASS(TColumnLt)
public:
    explicit TColumnLt(TCollection* Collection);
    ~TColumnLt() override;

    TCustomDBGridLt* OwnerGrid() const;
    TColumnTitleLt* Title() const { return FTitle.get(); }
    void SetTitle(const TColumnTitleLt* Value) { FTitle->Assign(Value); }
    TColumnExplicitValuesLt ExplicitValues() const { return FExplicit; }
    // A default column moves its field too, to where the field shown at
    // the new place stands, so that the next layout keeps the order.
    void SetIndex(int Value) override;
    // A stored column is the operator's; default columns are not stored.
    bool IsStored() const { return FStored; }
    void SetStored(bool Value) { FStored = Value; }
    virtual bool DefaultColumn() const { return !FStored; }

    // Binding.
    const std::string& FieldName() const { return FFieldName; }
    void SetFieldName(const std::string& Value);
    TField* BoundField() const;
    virtual void BindField(TField* Value);
    // Forgets the bound field (it is looked up again on next use).
    void DropBoundField() { FField = nullptr; }

    // Settings with explicit flags.
    TAlignment Alignment() const;
    void SetAlignment(TAlignment Value);
    TAlignment DefaultAlignment() const;
    bool AlwaysShowEditButton() const;
    void SetAlwaysShowEditButton(bool Value);
    bool AutoDropDown() const;
    void SetAutoDropDown(bool Value);
    bool Checkboxes() const;
    void SetCheckboxes(bool Value);
    bool DefaultCheckboxes() const;
    TColor Color() const;
    void SetColor(TColor Value);
    TColor DefaultColor() const;
    bool DblClickNextVal() const;
    void SetDblClickNextVal(bool Value);
    bool DropDownShowTitles() const;
    void SetDropDownShowTitles(bool Value);
    bool DropDownSizing() const;
    void SetDropDownSizing(bool Value);
    bool EndEllipsis() const;
    void SetEndEllipsis(bool Value);
    // Kept equal to the grid's font until edited.
    TFont* Font() const;
    void SetFont(const TFont* Value);
    const TFont* DefaultFont() const;
    bool HighlightRequired() const;
    void SetHighlightRequired(bool Value);
    // In the current record, a required value is missing while the record
    // is edited; OnCheckDrawRequiredState may decide otherwise.
    bool RequiredValueMissing() const;
    TTextLayout Layout() const;
    void SetLayout(TTextLayout Value);
    std::string LookupDisplayFields() const;
    void SetLookupDisplayFields(const std::string& Value);
    std::string DefaultLookupDisplayFields() const;
    bool ReadOnly() const;
    void SetReadOnly(bool Value);
    bool DefaultReadOnly() const;
    bool ToolTips() const;
    void SetToolTips(bool Value);
    int Width() const;
    void SetWidth(int Value);
    int DefaultWidth() const;
    bool WordWrap() const;
    void SetWordWrap(bool Value);
    bool DefaultWordWrap() const;

    // Plain settings.
    bool AutoFitColWidth() const { return FAutoFitColWidth; }
    void SetAutoFitColWidth(bool Value);
    TColumnButtonStyleLt ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TColumnButtonStyleLt Value);
    const std::string& DisplayFormat() const { return FDisplayFormat; }
    void SetDisplayFormat(const std::string& Value);
    int DropDownRows() const { return FDropDownRows; }
    void SetDropDownRows(int Value) { FDropDownRows = Value; }
    int DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int Value) { FDropDownWidth = Value; }
    const std::string& EditMask() const { return FEditMask; }
    void SetEditMask(const std::string& Value) { FEditMask = Value; }
    bool HideDuplicates() const { return FHideDuplicates; }
    void SetHideDuplicates(bool Value);
    TCustomImageList* ImageList() const { return FImageList.Get(); }
    void SetImageList(TCustomImageList* Value);
    // The menu a right click on the column's cells or title shows.
    TPopupMenu* PopupMenu() const { return FPopupMenu.Get(); }
    void SetPopupMenu(TPopupMenu* Value) { FPopupMenu.Set(Value); }
    double Increment() const { return FIncrement; }
    void SetIncrement(double Value) { FIncrement = Value; }
    // Made on first read.
    TStrings* KeyList() const;
    void SetKeyList(const TStrings* Value);
    TStrings* PickList() const;
    void SetPickList(const TStrings* Value);
    bool HasKeyList() const { return FKeyList && FKeyList->Count() > 0; }
    bool HasPickList() const { return FPickList && FPickList->Count() > 0; }
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int Value);
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int Value);
    int NotInKeyListIndex() const { return FNotInKeyListIndex; }
    void SetNotInKeyListIndex(int Value);
    bool ShowImageAndText() const { return FShowImageAndText; }
    void SetShowImageAndText(bool Value);
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // The width before automatic fitting.
    int FitBaseWidth() const { return FFitBaseWidth; }
    void SetFitBaseWidth(int Value) { FFitBaseWidth = Value; }
    // The width the grid had when it was loaded (automatic fitting starts
    // from it).
    int InitialWidth() const { return FInitialWidth; }
    void SetInitialWidth(int Value) { FInitialWidth = Value; }

    const TGetColCellParamsEventLt& OnGetCellParams() const { return FOnGetCellParams; }
    void SetOnGetCellParams(TGetColCellParamsEventLt Value);
    const TColCellUpdateDataEventLt& OnUpdateData() const { return FOnUpdateData; }
    void SetOnUpdateData(TColCellUpdateDataEventLt Value) { FOnUpdateData = std::move(Value); }

    // The column's filter cell.
    TSTColumnFilterLt* STFilter() const { return FSTFilter.get(); }
    void SetSTFilter(const TSTColumnFilterLt* Value) { FSTFilter->Assign(Value); }

    // What the grid asks.
    TColumnKindLt ColumnKind() const;
    std::string CellText() const;
    int CellImageIndex() const;
    TCheckBoxState CheckState() const;
    void SetCheckState(TCheckBoxState Value);
    bool CanEditValue(bool TryEdit);
    // Moves the cell to the next (Step exactly 1) or previous value of its
    // list, or adds Step to a number.
    void StepValue(double Step);
    void StoreValue(std::string Text, Variant Value, bool UseText);
    void FillCellParams(TColCellParamsLt* Params);
    int NaturalWidth() const;
    int ClampWidth(int Value) const;

    virtual void ResetToDefaults();
    void Assign(const TPersistent* Source) override;
    std::string DisplayName() const override;

    // Reports a change of this column (AllItems false) or of all columns.
    void ColumnChanged(bool AllItems) { Changed(AllItems); }
    bool IsExplicit(TColumnExplicitValueLt Flag) const { return FExplicit.Contains(Flag); }
    void IncludeExplicit(TColumnExplicitValueLt Flag) { FExplicit.Include(Flag); }
    void ExcludeExplicit(TColumnExplicitValueLt Flag) { FExplicit.Exclude(Flag); }
    // The grid's column defaults, nullptr without a grid.
    TColumnDefValuesLt* DefValues() const;

    // Footers: the column's own footer and those of single footer rows.
    TColumnFooterLt* Footer() const { return FFooter.get(); }
    void SetFooter(const TColumnFooterLt* Value) { FFooter->Assign(Value); }
    TColumnFootersLt* Footers() const { return FFooters.get(); }
    void SetFooters(const TColumnFootersLt* Value) { FFooters->Assign(Value); }
    // Footers[Row] when there is one, else Footer.
    TColumnFooterLt* FooterOfRow(int Row) const;
    // Rebinds every footer's aggregate in the grid's sum list.
    void BindFooterSums();
    // ---- what the in-place editor uses ----
    // The cell's own buttons beside the default one; made on first use.
    TEditButtonsLt* EditButtons() const;
    void SetEditButtons(const TEditButtonsLt* Value) { EditButtons()->Assign(Value); }
    // The recently used texts the editor offers while the operator types.
    TMRUListLt* MRUList() const { return FMRUList.get(); }
    void SetMRUList(const TMRUListLt* Value) { FMRUList->Assign(Value); }
    // The cell's buttons from its right edge leftwards: the default button
    // when the column shows one, then each visible edit button.
    std::vector<TCellButtonLt> CellButtons() const;
    // The room the cell's buttons take, with a separator line each in a
    // Flat grid.
    int EditButtonsWidth() const;
    // The dataset a lookup column's list shows.
    TDataSet* LookupSourceDataSet() const;
    // The lookup column's drop-down list, made on first use.
    TPopupDataGridLt* LookupPopupGrid() const;
    bool LookupPopupGridMade() const { return FLookupPopupGrid != nullptr; }
    // The settings of that list: its columns, options and list source.
    TColumnDropDownBoxLt* DropDownBox() const { return FDropDownBox.get(); }
    void SetDropDownBox(const TColumnDropDownBoxLt* Value);
    // The lookup list's special row; the cell shows its first cell text for
    // its Value (and, with ShowIfNotInKeyList, for keys not in the list).
    TSpecRowLt* DropDownSpecRow() const { return FDropDownSpecRow.get(); }
    void SetDropDownSpecRow(const TSpecRowLt* Value);
    const TNotInListEventLt& OnNotInList() const { return FOnNotInList; }
    void SetOnNotInList(TNotInListEventLt Value) { FOnNotInList = std::move(Value); }
    const TButtonClickEventLt& OnEditButtonClick() const { return FOnEditButtonClick; }
    void SetOnEditButtonClick(TButtonClickEventLt Value) { FOnEditButtonClick = std::move(Value); }
    const TButtonDownEventLt& OnEditButtonDown() const { return FOnEditButtonDown; }
    void SetOnEditButtonDown(TButtonDownEventLt Value) { FOnEditButtonDown = std::move(Value); }
    const TOnColumnCheckDrawRequiredStateEventLt& OnCheckDrawRequiredState() const
    {
        return FOnCheckDrawRequiredState;
    }
    void SetOnCheckDrawRequiredState(TOnColumnCheckDrawRequiredStateEventLt Value)
    {
        FOnCheckDrawRequiredState = std::move(Value);
    }

protected:
    virtual std::unique_ptr<TColumnTitleLt> CreateTitle();
    virtual std::unique_ptr<TColumnFooterLt> CreateFooter();
    virtual std::unique_ptr<TColumnFootersLt> CreateFooters();
    virtual void DoGetCellParams(bool EditMode, TColCellParamsLt* Params);
    // Reports a change and hands the special row to the lookup list.
    virtual void SpecRowChanged();

private:
    friend class TColumnTitleLt;
    friend class TCustomDBGridLt;   // raises OnGetCellParams while painting
    friend class TDBGridInplaceEdit;
    template <class T>
    void SetExplicit(TColumnExplicitValueLt Flag, T& Store, const T& Value, bool Report);
    TDataSet* GridDataSet() const;
    void RefreshFont() const;
    void FontEdited();
    // The text a step starts from: the editor's while it shows this
    // column's cell, else the field's.
    std::string StepStartText() const;
    // Steps from Current to the next or previous entry of List, round.
    void StepList(const TStrings& List, const std::string& Current, bool Forward, bool UseText);
    void StepLookup(TField& Field, bool Forward);
    std::string FormattedText(const TField& Field) const;
    bool ShowsSpecRowText(const TField& Field) const;

    std::unique_ptr<TColumnTitleLt> FTitle;
    std::unique_ptr<TColumnFooterLt> FFooter;
    std::unique_ptr<TColumnFootersLt> FFooters;
    TColumnExplicitValuesLt FExplicit;
    bool FStored = true;
    std::string FFieldName;
    mutable TField* FField = nullptr;

    TAlignment FAlignment = taLeftJustify;
    bool FAlwaysShowEditButton = false;
    bool FAutoDropDown = false;
    bool FCheckboxes = false;
    TColor FColor = clWindow;
    bool FDblClickNextVal = false;
    bool FDropDownShowTitles = false;
    bool FDropDownSizing = false;
    bool FEndEllipsis = false;
    std::unique_ptr<TFont> FFont;
    mutable bool FFontCopying = false;
    bool FHighlightRequired = false;
    TTextLayout FLayout = tlTop;
    std::string FLookupDisplayFields;
    bool FReadOnly = false;
    bool FToolTips = false;
    int FWidth = 0;
    bool FWordWrap = false;

    bool FAutoFitColWidth = true;
    TColumnButtonStyleLt FButtonStyle = cbsAuto;
    std::string FDisplayFormat;
    int FDropDownRows = 7;
    int FDropDownWidth = 0;
    std::string FEditMask;
    bool FHideDuplicates = false;
    TComponentRef<TCustomImageList> FImageList;
    TComponentRef<TPopupMenu> FPopupMenu;
    double FIncrement = 1.0;
    mutable std::unique_ptr<TStringList> FKeyList;
    mutable std::unique_ptr<TStringList> FPickList;
    int FMaxWidth = 0;
    int FMinWidth = 0;
    int FNotInKeyListIndex = -1;
    bool FShowImageAndText = false;
    int FTag = 0;
    bool FVisible = true;
    int FFitBaseWidth = 0;
    int FInitialWidth = 0;

    TGetColCellParamsEventLt FOnGetCellParams;
    TColCellUpdateDataEventLt FOnUpdateData;

    // The in-place editor's settings.
    mutable std::unique_ptr<TEditButtonsLt> FEditButtons;
    mutable std::unique_ptr<TPopupDataGridLt> FLookupPopupGrid;
    std::unique_ptr<TColumnDropDownBoxLt> FDropDownBox;
    std::unique_ptr<TSpecRowLt> FDropDownSpecRow;
    std::unique_ptr<TMRUListLt> FMRUList = std::make_unique<TMRUListLt>();
    TNotInListEventLt FOnNotInList;
    TButtonClickEventLt FOnEditButtonClick;
    TButtonDownEventLt FOnEditButtonDown;
    TOnColumnCheckDrawRequiredStateEventLt FOnCheckDrawRequiredState;
    std::unique_ptr<TSTColumnFilterLt> FSTFilter = std::make_unique<TSTColumnFilterLt>(this);
};

// The column the data grid's collection makes; it publishes the settings.
class TDBGridColumnLt : public TColumnLt {
    LT_CLASS(TDBGridColumnLt)
public:
    using TColumnLt::TColumnLt;
};
