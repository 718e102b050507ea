// The column's settings: explicit flags and their defaults, binding, font,
// widths, lists, copying and the published record.
#include "dbgrid/core/columnlt.h"

#include <algorithm>

#include "dbcontrols/extravaluerow.h"
#include "dbgrid/core/colcellparamslt.h"
#include "dbgrid/core/columndefvalueslt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/core/fontfollow.h"
#include "dbgrid/lookup/columndropdownboxlt.h"
#include "dbgrid/lookup/popupdatagridlt.h"
#include "platform/data/fields.h"
#include "platform/rtl/classbuilder.h"
#include "platform/ui/imglist.h"
#include "platform/ui/menus.h"

namespace {
template <class T, auto Flag, auto Get, auto Default>
bool StoredWhenExplicit(const TObject& o)
{
    const T& c = static_cast<const T&>(o);
    return c.IsExplicit(Flag) && (c.*Get)() != (c.*Default)();
}

template <class T, auto Flag>
bool StoredWhenFlagged(const TObject& o)
{
    return static_cast<const T&>(o).IsExplicit(Flag);
}

const TFont& StandaloneFont()
{
    static const TFont font;
    return font;
}
} // namespace

LT_IMPLEMENT_CLASS(TColumnLt, TCollectionItem) {}

LT_IMPLEMENT_CLASS(TDBGridColumnLt, TColumnLt)
{
    using C = TColumnLt;
    P.Property("Alignment", &C::Alignment, &C::SetAlignment)
        .StoredIf(StoredWhenExplicit<C, cevAlignment, &C::Alignment, &C::DefaultAlignment>);
    P.Property("AlwaysShowEditButton", &C::AlwaysShowEditButton, &C::SetAlwaysShowEditButton)
        .StoredIf(StoredWhenFlagged<C, cevAlwaysShowEditButton>);
    P.Property("AutoDropDown", &C::AutoDropDown, &C::SetAutoDropDown).StoredIf(StoredWhenFlagged<C, cevAutoDropDown>);
    P.Property("AutoFitColWidth", &C::AutoFitColWidth, &C::SetAutoFitColWidth).Default(1);
    P.Property("ButtonStyle", &C::ButtonStyle, &C::SetButtonStyle).Default(cbsAuto);
    P.Property("Checkboxes", &C::Checkboxes, &C::SetCheckboxes).StoredIf(StoredWhenFlagged<C, cevCheckboxes>);
    P.Property("Color", &C::Color, &C::SetColor)
        .Idents(ColorIdents())
        .StoredIf(StoredWhenExplicit<C, cevColor, &C::Color, &C::DefaultColor>);
    P.Property("DblClickNextVal", &C::DblClickNextVal, &C::SetDblClickNextVal)
        .StoredIf(StoredWhenFlagged<C, cevDblClickNextVal>);
    P.Property("DisplayFormat", &C::DisplayFormat, &C::SetDisplayFormat);
    P.Property("DropDownBox", &C::DropDownBox, &C::SetDropDownBox);
    P.Property("DropDownRows", &C::DropDownRows, &C::SetDropDownRows).Default(7);
    P.Property("DropDownShowTitles", &C::DropDownShowTitles, &C::SetDropDownShowTitles)
        .StoredIf(StoredWhenFlagged<C, cevDropDownShowTitles>);
    P.Property("DropDownSizing", &C::DropDownSizing, &C::SetDropDownSizing)
        .StoredIf(StoredWhenFlagged<C, cevDropDownSizing>);
    P.Property("DropDownSpecRow", &C::DropDownSpecRow, &C::SetDropDownSpecRow);
    P.Property("DropDownWidth", &C::DropDownWidth, &C::SetDropDownWidth).Default(0);
    P.Property("EditMask", &C::EditMask, &C::SetEditMask);
    P.Property("EndEllipsis", &C::EndEllipsis, &C::SetEndEllipsis).StoredIf(StoredWhenFlagged<C, cevEndEllipsis>);
    P.Property("FieldName", &C::FieldName, &C::SetFieldName);
    P.Property("Footer", &C::Footer, &C::SetFooter);
    P.Property("Footers", &C::Footers, &C::SetFooters);
    P.Property("Font", &C::Font, &C::SetFont).StoredIf(StoredWhenFlagged<C, cevFont>);
    P.Property("HideDuplicates", &C::HideDuplicates, &C::SetHideDuplicates).Default(0);
    P.Property("HighlightRequired", &C::HighlightRequired, &C::SetHighlightRequired)
        .StoredIf(StoredWhenFlagged<C, cevHighlightRequired>);
    P.Property("ImageList", &C::ImageList, &C::SetImageList);
    P.Property("Increment", &C::Increment, &C::SetIncrement).DefaultFloat(1.0);
    P.Property("KeyList", &C::KeyList, &C::SetKeyList);
    P.Property("Layout", &C::Layout, &C::SetLayout).StoredIf(StoredWhenFlagged<C, cevLayout>);
    P.Property("LookupDisplayFields", &C::LookupDisplayFields, &C::SetLookupDisplayFields)
        .StoredIf(StoredWhenExplicit<C, cevLookupDisplayFields, &C::LookupDisplayFields,
                                     &C::DefaultLookupDisplayFields>);
    P.Property("MaxWidth", &C::MaxWidth, &C::SetMaxWidth).Default(0);
    P.Property("MinWidth", &C::MinWidth, &C::SetMinWidth).Default(0);
    P.Property("NotInKeyListIndex", &C::NotInKeyListIndex, &C::SetNotInKeyListIndex).Default(-1);
    P.Property("PickList", &C::PickList, &C::SetPickList);
    P.Property("PopupMenu", &C::PopupMenu, &C::SetPopupMenu);
    P.Property("STFilter", &C::STFilter, &C::SetSTFilter);
    P.Property("ReadOnly", &C::ReadOnly, &C::SetReadOnly)
        .StoredIf(StoredWhenExplicit<C, cevReadOnly, &C::ReadOnly, &C::DefaultReadOnly>);
    P.Property("ShowImageAndText", &C::ShowImageAndText, &C::SetShowImageAndText).Default(0);
    P.Property("Tag", &C::Tag, &C::SetTag).Default(0);
    P.Property("Title", &C::Title, &C::SetTitle);
    P.Property("ToolTips", &C::ToolTips, &C::SetToolTips).StoredIf(StoredWhenFlagged<C, cevToolTips>);
    P.Property("Visible", &C::Visible, &C::SetVisible).Default(1);
    P.Property("Width", &C::Width, &C::SetWidth)
        .StoredIf(StoredWhenExplicit<C, cevWidth, &C::Width, &C::DefaultWidth>);
    P.Property("WordWrap", &C::WordWrap, &C::SetWordWrap)
        .StoredIf(StoredWhenExplicit<C, cevWordWrap, &C::WordWrap, &C::DefaultWordWrap>);
    P.Property("OnGetCellParams", &C::OnGetCellParams, &C::SetOnGetCellParams);
    P.Property("OnUpdateData", &C::OnUpdateData, &C::SetOnUpdateData);
    P.Property("EditButtons", &C::EditButtons, &C::SetEditButtons);
    P.Property("MRUList", &C::MRUList, &C::SetMRUList);
    P.Property("OnNotInList", &C::OnNotInList, &C::SetOnNotInList);
    P.Property("OnEditButtonClick", &C::OnEditButtonClick, &C::SetOnEditButtonClick);
    P.Property("OnEditButtonDown", &C::OnEditButtonDown, &C::SetOnEditButtonDown);
    P.Property("OnCheckDrawRequiredState", &C::OnCheckDrawRequiredState, &C::SetOnCheckDrawRequiredState);
}

TColumnLt::TColumnLt(TCollection* Collection)
    : TCollectionItem(Collection), FFont(std::make_unique<TFont>()),
      FDropDownBox(std::make_unique<TColumnDropDownBoxLt>(this)), FDropDownSpecRow(std::make_unique<TSpecRowLt>())
{
    FDropDownSpecRow->SetOnChange([this](TObject*) { SpecRowChanged(); });
    FFont->Assign(DefaultFont());
    FFont->SetOnChange([this](TGraphicsObject*) { FontEdited(); });
    FTitle = CreateTitle();
    FFooter = CreateFooter();
    FFooters = CreateFooters();
    FFitBaseWidth = Width();
}

TColumnLt::~TColumnLt()
{
    if (TCustomDBGridLt* grid = OwnerGrid())
        grid->SortMarkedColumns().Remove(this);
}

std::unique_ptr<TColumnTitleLt> TColumnLt::CreateTitle()
{
    return std::make_unique<TColumnTitleLt>(this);
}

std::unique_ptr<TColumnFooterLt> TColumnLt::CreateFooter()
{
    return std::make_unique<TColumnFooterLt>(this);
}

std::unique_ptr<TColumnFootersLt> TColumnLt::CreateFooters()
{
    return std::make_unique<TColumnFootersLt>(this);
}

TColumnFooterLt* TColumnLt::FooterOfRow(int Row) const
{
    return Row >= 0 && Row < FFooters->Count() ? FFooters->Items(Row) : FFooter.get();
}

void TColumnLt::BindFooterSums()
{
    FFooter->BindFooterSums();
    for (int i = 0; i < FFooters->Count(); ++i)
        FFooters->Items(i)->BindFooterSums();
}

TCustomDBGridLt* TColumnLt::OwnerGrid() const
{
    const auto* columns = dynamic_cast<const TDBGridColumnsLt*>(Collection());
    return columns ? columns->OwnerGrid() : nullptr;
}

TColumnDefValuesLt* TColumnLt::DefValues() const
{
    const TCustomDBGridLt* grid = OwnerGrid();
    return grid ? grid->ColumnDefValues() : nullptr;
}

TDataSet* TColumnLt::GridDataSet() const
{
    const TCustomDBGridLt* grid = OwnerGrid();
    return grid ? grid->DataLink()->DataSet() : nullptr;
}

template <class T>
void TColumnLt::SetExplicit(TColumnExplicitValueLt Flag, T& Store, const T& Value, bool Report)
{
    if (FExplicit.Contains(Flag) && Store == Value)
        return;
    Store = Value;
    FExplicit.Include(Flag);
    if (Report)
        Changed(false);
}

// ---- binding ------------------------------------------------------------------

void TColumnLt::SetFieldName(const std::string& Value)
{
    TField* field = nullptr;
    const TCustomDBGridLt* grid = OwnerGrid();
    TDataSet* dataSet = GridDataSet();
    if (grid && !grid->ComponentState().Contains(csLoading) && dataSet && !Value.empty())
        field = dataSet->FindField(Value);
    FFieldName = Value;
    FField = nullptr;
    if (field)
        BindField(field);
    BindFooterSums();
    FFitBaseWidth = Width();
    Changed(true);
}

TField* TColumnLt::BoundField() const
{
    if (FField || FFieldName.empty())
        return FField;
    TDataSet* dataSet = GridDataSet();
    if (!dataSet || !(dataSet->Active() || !dataSet->DefaultFields()))
        return nullptr;
    if (TField* found = dataSet->FindField(FFieldName)) {
        FField = found;
        if (found->FieldName() != FFieldName) {
            auto* self = const_cast<TColumnLt*>(this);
            self->FFieldName = found->FieldName();
            self->BindFooterSums();
        }
    }
    return FField;
}

void TColumnLt::BindField(TField* Value)
{
    if (FField == Value)
        return;
    FField = Value;
    if (Value) {
        FFieldName = Value->FieldName();
        // Nothing stored a width for a default column: automatic fitting
        // shares the room in proportion to the field's own width.
        if (DefaultColumn())
            FInitialWidth = Width();
    } else if (DefaultColumn()) {
        FFieldName.clear();
        ResetToDefaults();
        FFitBaseWidth = Width();
    }
    BindFooterSums();
    Changed(false);
}

// ---- settings with explicit flags ---------------------------------------------

TAlignment TColumnLt::DefaultAlignment() const
{
    const TField* field = BoundField();
    return field ? field->Alignment() : taLeftJustify;
}

TAlignment TColumnLt::Alignment() const
{
    return IsExplicit(cevAlignment) ? FAlignment : DefaultAlignment();
}

void TColumnLt::SetAlignment(TAlignment Value)
{
    TField* field = BoundField();
    const TCustomDBGridLt* grid = OwnerGrid();
    if (DefaultColumn() && field && grid && grid->DataLinkActive()) {
        field->SetAlignment(Value);
        return;
    }
    SetExplicit(cevAlignment, FAlignment, Value, true);
}

bool TColumnLt::AlwaysShowEditButton() const
{
    const TColumnDefValuesLt* def = DefValues();
    return IsExplicit(cevAlwaysShowEditButton) ? FAlwaysShowEditButton : def && def->AlwaysShowEditButton();
}

void TColumnLt::SetAlwaysShowEditButton(bool Value)
{
    SetExplicit(cevAlwaysShowEditButton, FAlwaysShowEditButton, Value, true);
}

bool TColumnLt::AutoDropDown() const
{
    const TColumnDefValuesLt* def = DefValues();
    return IsExplicit(cevAutoDropDown) ? FAutoDropDown : def && def->AutoDropDown();
}

void TColumnLt::SetAutoDropDown(bool Value)
{
    SetExplicit(cevAutoDropDown, FAutoDropDown, Value, false);
}

bool TColumnLt::DefaultCheckboxes() const
{
    const TField* field = BoundField();
    return field && field->DataType() == ftBoolean;
}

bool TColumnLt::Checkboxes() const
{
    return IsExplicit(cevCheckboxes) ? FCheckboxes : DefaultCheckboxes();
}

void TColumnLt::SetCheckboxes(bool Value)
{
    SetExplicit(cevCheckboxes, FCheckboxes, Value, true);
}

TColor TColumnLt::DefaultColor() const
{
    const TCustomDBGridLt* grid = OwnerGrid();
    return grid ? grid->Color() : clWindow;
}

TColor TColumnLt::Color() const
{
    return IsExplicit(cevColor) ? FColor : DefaultColor();
}

void TColumnLt::SetColor(TColor Value)
{
    SetExplicit(cevColor, FColor, Value, true);
}

bool TColumnLt::DblClickNextVal() const
{
    const TColumnDefValuesLt* def = DefValues();
    return IsExplicit(cevDblClickNextVal) ? FDblClickNextVal : def && def->DblClickNextVal();
}

void TColumnLt::SetDblClickNextVal(bool Value)
{
    SetExplicit(cevDblClickNextVal, FDblClickNextVal, Value, false);
}

bool TColumnLt::DropDownShowTitles() const
{
    const TColumnDefValuesLt* def = DefValues();
    return IsExplicit(cevDropDownShowTitles) ? FDropDownShowTitles : def && def->DropDownShowTitles();
}

void TColumnLt::SetDropDownShowTitles(bool Value)
{
    SetExplicit(cevDropDownShowTitles, FDropDownShowTitles, Value, false);
}

bool TColumnLt::DropDownSizing() const
{
    const TColumnDefValuesLt* def = DefValues();
    return IsExplicit(cevDropDownSizing) ? FDropDownSizing : def && def->DropDownSizing();
}

void TColumnLt::SetDropDownSizing(bool Value)
{
    SetExplicit(cevDropDownSizing, FDropDownSizing, Value, false);
}

bool TColumnLt::EndEllipsis() const
{
    const TColumnDefValuesLt* def = DefValues();
    return IsExplicit(cevEndEllipsis) ? FEndEllipsis : def && def->EndEllipsis();
}

void TColumnLt::SetEndEllipsis(bool Value)
{
    SetExplicit(cevEndEllipsis, FEndEllipsis, Value, true);
}

const TFont* TColumnLt::DefaultFont() const
{
    const TCustomDBGridLt* grid = OwnerGrid();
    return grid ? grid->Font() : &StandaloneFont();
}

void TColumnLt::RefreshFont() const
{
    if (!IsExplicit(cevFont))
        FollowFont(*FFont, *DefaultFont(), FFontCopying);
}

TFont* TColumnLt::Font() const
{
    RefreshFont();
    return FFont.get();
}

void TColumnLt::SetFont(const TFont* Value)
{
    FFont->Assign(Value);
}

void TColumnLt::FontEdited()
{
    if (FFontCopying)
        return;
    FExplicit.Include(cevFont);
    if (FTitle)
        FTitle->RefreshFont();
    Changed(false);
}

bool TColumnLt::HighlightRequired() const
{
    const TColumnDefValuesLt* def = DefValues();
    return IsExplicit(cevHighlightRequired) ? FHighlightRequired : def && def->HighlightRequired();
}

void TColumnLt::SetHighlightRequired(bool Value)
{
    SetExplicit(cevHighlightRequired, FHighlightRequired, Value, true);
}

TTextLayout TColumnLt::Layout() const
{
    const TColumnDefValuesLt* def = DefValues();
    return IsExplicit(cevLayout) ? FLayout : def ? def->Layout() : tlTop;
}

void TColumnLt::SetLayout(TTextLayout Value)
{
    SetExplicit(cevLayout, FLayout, Value, true);
}

std::string TColumnLt::DefaultLookupDisplayFields() const
{
    const TField* field = BoundField();
    return field ? field->LookupResultField() : std::string();
}

std::string TColumnLt::LookupDisplayFields() const
{
    return IsExplicit(cevLookupDisplayFields) ? FLookupDisplayFields : DefaultLookupDisplayFields();
}

void TColumnLt::SetLookupDisplayFields(const std::string& Value)
{
    if (IsExplicit(cevLookupDisplayFields) || Value != DefaultLookupDisplayFields())
        FExplicit.Include(cevLookupDisplayFields);
    FLookupDisplayFields = Value;
    Changed(false);
}

bool TColumnLt::DefaultReadOnly() const
{
    const TCustomDBGridLt* grid = OwnerGrid();
    const TField* field = BoundField();
    return (grid && grid->ReadOnly()) || (field && field->ReadOnly());
}

bool TColumnLt::ReadOnly() const
{
    return IsExplicit(cevReadOnly) ? FReadOnly : DefaultReadOnly();
}

void TColumnLt::SetIndex(int Value)
{
    TField* field = BoundField();
    const TCustomDBGridLt* grid = OwnerGrid();
    if (DefaultColumn() && field && grid && grid->DataLinkActive() && grid->DataLink()->MapCount() > 0) {
        const int place = std::clamp(Value, 0, grid->DataLink()->MapCount() - 1);
        if (const TField* there = grid->DataLink()->MappedField(place))
            field->SetIndex(there->Index());
    }
    TCollectionItem::SetIndex(Value);
}

void TColumnLt::SetReadOnly(bool Value)
{
    TField* field = BoundField();
    const TCustomDBGridLt* grid = OwnerGrid();
    if (DefaultColumn() && field && grid && grid->DataLinkActive()) {
        field->SetReadOnly(Value);
        return;
    }
    SetExplicit(cevReadOnly, FReadOnly, Value, true);
}

bool TColumnLt::ToolTips() const
{
    const TColumnDefValuesLt* def = DefValues();
    return IsExplicit(cevToolTips) ? FToolTips : def && def->ToolTips();
}

void TColumnLt::SetToolTips(bool Value)
{
    SetExplicit(cevToolTips, FToolTips, Value, false);
}

int TColumnLt::DefaultWidth() const
{
    const TCustomDBGridLt* grid = OwnerGrid();
    if (!grid)
        return 64;
    return BoundField() ? NaturalWidth() : grid->DefaultColWidth();
}

int TColumnLt::Width() const
{
    return IsExplicit(cevWidth) ? FWidth : DefaultWidth();
}

void TColumnLt::SetWidth(int Value)
{
    if (Value == -1)
        return;
    TCustomDBGridLt* grid = OwnerGrid();
    TField* field = BoundField();
    if (DefaultColumn() && field && grid && grid->Widget() && !grid->LayoutFromLink()) {
        TCanvas canvas;
        canvas.Font()->Assign(Font());
        const TTextMetric tm = canvas.TextMetrics();
        const int zero = std::max(1, canvas.TextWidth("0"));
        field->SetDisplayWidth((Value + tm.tmAveCharWidth / 2 - tm.tmOverhang - 3) / zero);
    }
    if (!IsExplicit(cevWidth) && Value == DefaultWidth())
        return;
    FWidth = ClampWidth(Value);
    FExplicit.Include(cevWidth);
    Changed(false);
}

int TColumnLt::ClampWidth(int Value) const
{
    if (FMaxWidth > 0)
        Value = std::min(Value, FMaxWidth);
    if (FMinWidth > 0 && Value < FMinWidth)
        Value = FMinWidth;
    return Value;
}

void TColumnLt::SetMaxWidth(int Value)
{
    FMaxWidth = Value;
    if (Value > 0 && Width() > Value)
        SetWidth(Value);
}

void TColumnLt::SetMinWidth(int Value)
{
    FMinWidth = Value;
    if (Value > 0 && Width() < Value)
        SetWidth(Value);
}

bool TColumnLt::DefaultWordWrap() const
{
    const TField* field = BoundField();
    if (!field)
        return false;
    const TFieldType type = field->DataType();
    return type == ftString || type == ftMemo || type == ftFmtMemo || type == ftWideString;
}

bool TColumnLt::WordWrap() const
{
    return IsExplicit(cevWordWrap) ? FWordWrap : DefaultWordWrap();
}

void TColumnLt::SetWordWrap(bool Value)
{
    const TCustomDBGridLt* grid = OwnerGrid();
    const bool loading = grid && grid->ComponentState().Contains(csLoading);
    if (IsExplicit(cevWordWrap) || Value != DefaultWordWrap() || loading)
        FExplicit.Include(cevWordWrap);
    FWordWrap = Value;
    Changed(false);
}

int TColumnLt::NaturalWidth() const
{
    const TCustomDBGridLt* grid = OwnerGrid();
    if (!grid)
        return 64;
    const TField* field = BoundField();
    if (!field)
        return grid->DefaultColWidth();
    TCanvas canvas;
    canvas.Font()->Assign(Font());
    const int overhang = canvas.TextMetrics().tmOverhang;
    return (canvas.TextWidth("0") - overhang) * field->DisplayWidth() + overhang + 4;
}

// ---- plain settings -------------------------------------------------------------

void TColumnLt::SetAutoFitColWidth(bool Value)
{
    if (FAutoFitColWidth == Value)
        return;
    FAutoFitColWidth = Value;
    const TCustomDBGridLt* grid = OwnerGrid();
    if (grid && grid->AutoFitColWidths() && !grid->ComponentState().Contains(csLoading) &&
        !grid->ComponentState().Contains(csDesigning))
        SetWidth(FFitBaseWidth);
    Changed(false);
}

void TColumnLt::SetButtonStyle(TColumnButtonStyleLt Value)
{
    if (FButtonStyle == Value)
        return;
    FButtonStyle = Value;
    Changed(false);
}

void TColumnLt::SetDisplayFormat(const std::string& Value)
{
    if (FDisplayFormat == Value)
        return;
    FDisplayFormat = Value;
    Changed(false);
}

void TColumnLt::SetHideDuplicates(bool Value)
{
    if (FHideDuplicates == Value)
        return;
    FHideDuplicates = Value;
    Changed(false);
}

void TColumnLt::SetImageList(TCustomImageList* Value)
{
    FImageList.Set(Value);
    if (TCustomDBGridLt* grid = OwnerGrid())
        grid->Invalidate();
}

TStrings* TColumnLt::KeyList() const
{
    if (!FKeyList) {
        FKeyList = std::make_unique<TStringList>();
        FKeyList->OnChange = [this](TStrings*) {
            if (TCustomDBGridLt* grid = OwnerGrid())
                grid->Invalidate();
        };
    }
    return FKeyList.get();
}

void TColumnLt::SetKeyList(const TStrings* Value)
{
    if (!Value)
        FKeyList.reset();
    else
        KeyList()->Assign(Value);
    if (TCustomDBGridLt* grid = OwnerGrid())
        grid->Invalidate();
}

TStrings* TColumnLt::PickList() const
{
    if (!FPickList)
        FPickList = std::make_unique<TStringList>();
    return FPickList.get();
}

void TColumnLt::SetPickList(const TStrings* Value)
{
    if (!Value)
        FPickList.reset();
    else
        PickList()->Assign(Value);
}

void TColumnLt::SetNotInKeyListIndex(int Value)
{
    FNotInKeyListIndex = Value;
    if (TCustomDBGridLt* grid = OwnerGrid())
        grid->Invalidate();
}

void TColumnLt::SetShowImageAndText(bool Value)
{
    if (FShowImageAndText == Value)
        return;
    FShowImageAndText = Value;
    Changed(false);
}

void TColumnLt::SetVisible(bool Value)
{
    if (FVisible == Value)
        return;
    FVisible = Value;
    Changed(true);
}

void TColumnLt::SetOnGetCellParams(TGetColCellParamsEventLt Value)
{
    FOnGetCellParams = std::move(Value);
    if (TCustomDBGridLt* grid = OwnerGrid())
        grid->Invalidate();
}

// ---- defaults and copying -----------------------------------------------------

void TColumnLt::ResetToDefaults()
{
    const bool fontWasExplicit = IsExplicit(cevFont);
    FTitle->ResetToDefaults();
    FExplicit = {};
    RefreshFont();
    FPickList.reset();
    FKeyList.reset();
    FButtonStyle = cbsAuto;
    Changed(fontWasExplicit);
}

void TColumnLt::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TColumnLt*>(Source);
    if (!source) {
        TCollectionItem::Assign(Source);
        return;
    }
    TCollection* columns = Collection();
    if (columns)
        columns->BeginUpdate();
    try {
        ResetToDefaults();
        SetFieldName(source->FFieldName);
        if (source->IsExplicit(cevColor))
            SetColor(source->Color());
        if (source->IsExplicit(cevWidth))
            SetWidth(source->Width());
        if (source->IsExplicit(cevFont))
            SetFont(source->Font());
        if (source->IsExplicit(cevAlignment))
            SetAlignment(source->Alignment());
        if (source->IsExplicit(cevReadOnly))
            SetReadOnly(source->ReadOnly());
        FTitle->Assign(source->FTitle.get());
        FDropDownRows = source->FDropDownRows;
        FButtonStyle = source->FButtonStyle;
        SetPickList(source->FPickList.get());
        FPopupMenu.Set(source->PopupMenu());
        FFitBaseWidth = source->FFitBaseWidth;
        FAutoFitColWidth = source->FAutoFitColWidth;
        if (source->IsExplicit(cevWordWrap))
            SetWordWrap(source->WordWrap());
        if (source->IsExplicit(cevEndEllipsis))
            SetEndEllipsis(source->EndEllipsis());
        FDropDownWidth = source->FDropDownWidth;
        if (source->IsExplicit(cevLookupDisplayFields))
            SetLookupDisplayFields(source->LookupDisplayFields());
        if (source->IsExplicit(cevAutoDropDown))
            SetAutoDropDown(source->AutoDropDown());
        if (source->IsExplicit(cevAlwaysShowEditButton))
            SetAlwaysShowEditButton(source->AlwaysShowEditButton());
        FFooter->Assign(source->FFooter.get());
        SetKeyList(source->FKeyList.get());
        if (source->IsExplicit(cevCheckboxes))
            SetCheckboxes(source->Checkboxes());
        FIncrement = source->FIncrement;
        if (source->IsExplicit(cevToolTips))
            SetToolTips(source->ToolTips());
        FFooters->Assign(source->FFooters.get());
        FTag = source->FTag;
        FVisible = source->FVisible;
        FImageList.Set(source->ImageList());
        FNotInKeyListIndex = source->FNotInKeyListIndex;
        FMinWidth = source->FMinWidth;
        FMaxWidth = source->FMaxWidth;
        if (source->IsExplicit(cevDblClickNextVal))
            SetDblClickNextVal(source->DblClickNextVal());
        if (source->IsExplicit(cevDropDownSizing))
            SetDropDownSizing(source->DropDownSizing());
        if (source->IsExplicit(cevDropDownShowTitles))
            SetDropDownShowTitles(source->DropDownShowTitles());
        FOnGetCellParams = source->FOnGetCellParams;
        FOnUpdateData = source->FOnUpdateData;
        FDisplayFormat = source->FDisplayFormat;
        FEditMask = source->FEditMask;
        FShowImageAndText = source->FShowImageAndText;
        FHideDuplicates = source->FHideDuplicates;
        if (source->IsExplicit(cevLayout))
            SetLayout(source->Layout());
        FOnNotInList = source->FOnNotInList;
        FOnEditButtonClick = source->FOnEditButtonClick;
        FOnEditButtonDown = source->FOnEditButtonDown;
        SetEditButtons(source->EditButtons());
        FDropDownBox->Assign(source->FDropDownBox.get());
        FMRUList->Assign(source->FMRUList.get());
    } catch (...) {
        if (columns)
            columns->EndUpdate();
        throw;
    }
    if (columns)
        columns->EndUpdate();
}

std::string TColumnLt::DisplayName() const
{
    return FFieldName.empty() ? TCollectionItem::DisplayName() : FFieldName;
}

void TColumnLt::DoGetCellParams(bool EditMode, TColCellParamsLt* Params)
{
    if (FOnGetCellParams)
        FOnGetCellParams(this, EditMode, Params);
}

void TColumnLt::FillCellParams(TColCellParamsLt* Params)
{
    Params->Row = -1;
    Params->Col = -1;
    Params->State = {};
    Params->Font->Assign(Font());
    Params->Background = Color();
    Params->Alignment = Alignment();
    Params->ImageIndex = CellImageIndex();
    Params->Text = CellText();
    Params->CheckState = CheckState();
    Params->ReadOnly = ReadOnly();
    DoGetCellParams(false, Params);
}
