// Column footers: settings with their defaults, the footer's aggregate in
// the grid's sum list, copying and the published records.
#include "dbgrid/footers/columnfooterlt.h"

#include "dbgrid/core/columndefvalueslt.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/core/fontfollow.h"
#include "dbgrid/footers/dbgridsumlist.h"
#include "platform/data/field.h"
#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TColumnFooterLt, TCollectionItem)
{
    using F = TColumnFooterLt;
    P.Property("Alignment", &F::Alignment, &F::SetAlignment).StoredIf([](const TObject& o) {
        const F& f = static_cast<const F&>(o);
        return f.IsExplicit(cfvAlignment) && f.Alignment() != f.DefaultAlignment();
    });
    P.Property("Color", &F::Color, &F::SetColor).Idents(ColorIdents()).StoredIf([](const TObject& o) {
        const F& f = static_cast<const F&>(o);
        return f.IsExplicit(cfvColor) && f.Color() != f.DefaultColor();
    });
    P.Property("DisplayFormat", &F::DisplayFormat, &F::SetDisplayFormat);
    P.Property("EndEllipsis", &F::EndEllipsis, &F::SetEndEllipsis).Default(0);
    P.Property("FieldName", &F::FieldName, &F::SetFieldName);
    P.Property("Font", &F::Font, &F::SetFont).StoredIf([](const TObject& o) {
        return static_cast<const F&>(o).IsExplicit(cfvFont);
    });
    P.Property("ToolTips", &F::ToolTips, &F::SetToolTips).StoredIf([](const TObject& o) {
        const F& f = static_cast<const F&>(o);
        return f.IsExplicit(cfvToolTips) && f.ToolTips();
    });
    P.Property("Value", &F::Value, &F::SetValue);
    P.Property("ValueType", &F::ValueType, &F::SetValueType).Default(fvtNon);
    P.Property("WordWrap", &F::WordWrap, &F::SetWordWrap).Default(0);
}

LT_IMPLEMENT_CLASS(TColumnFootersLt, TCollection) {}

TColumnFooterLt::TColumnFooterLt(TCollection* Collection)
    : TCollectionItem(Collection), FColumn(static_cast<TColumnFootersLt*>(Collection)->Column())
{
    Init();
    FootersChanged();
}

TColumnFooterLt::TColumnFooterLt(TColumnLt* Column) : TCollectionItem(nullptr), FColumn(Column)
{
    Init();
}

void TColumnFooterLt::Init()
{
    FFont = std::make_unique<TFont>();
    if (const TFont* font = DefaultFont())
        FFont->Assign(font);
    FFont->SetOnChange([this](TGraphicsObject*) { FontEdited(); });
}

TColumnFooterLt::~TColumnFooterLt()
{
    FootersChanged();
    FreeSumItem();
}

TCustomDBGridLt* TColumnFooterLt::Grid() const
{
    return FColumn ? FColumn->OwnerGrid() : nullptr;
}

void TColumnFooterLt::FootersChanged() const
{
    if (TCustomDBGridLt* grid = Grid())
        grid->Invalidate();
}

void TColumnFooterLt::ReportChange(bool AllColumns)
{
    if (FColumn)
        FColumn->ColumnChanged(AllColumns);
}

// ---- settings with defaults ------------------------------------------------------

TAlignment TColumnFooterLt::DefaultAlignment() const
{
    const TField* field = FColumn ? FColumn->BoundField() : nullptr;
    return field ? field->Alignment() : taLeftJustify;
}

TAlignment TColumnFooterLt::Alignment() const
{
    return IsExplicit(cfvAlignment) ? FAlignment : DefaultAlignment();
}

void TColumnFooterLt::SetAlignment(TAlignment Value)
{
    if (IsExplicit(cfvAlignment) && FAlignment == Value)
        return;
    FAlignment = Value;
    FExplicit.Include(cfvAlignment);
    ReportChange(false);
}

TColor TColumnFooterLt::DefaultColor() const
{
    const TCustomDBGridLt* grid = Grid();
    return grid ? grid->FooterColor() : clWindow;
}

TColor TColumnFooterLt::Color() const
{
    return IsExplicit(cfvColor) ? FColor : DefaultColor();
}

void TColumnFooterLt::SetColor(TColor Value)
{
    if (IsExplicit(cfvColor) && FColor == Value)
        return;
    FColor = Value;
    FExplicit.Include(cfvColor);
    ReportChange(false);
}

const TFont* TColumnFooterLt::DefaultFont() const
{
    if (const TCustomDBGridLt* grid = Grid())
        return grid->FooterFont();
    return FColumn ? FColumn->Font() : nullptr;
}

void TColumnFooterLt::RefreshFont() const
{
    const TFont* font = DefaultFont();
    if (!IsExplicit(cfvFont) && font)
        FollowFont(*FFont, *font, FFontCopying);
}

TFont* TColumnFooterLt::Font() const
{
    RefreshFont();
    return FFont.get();
}

void TColumnFooterLt::SetFont(const TFont* Value)
{
    FFont->Assign(Value);
}

void TColumnFooterLt::FontEdited()
{
    if (FFontCopying)
        return;
    FExplicit.Include(cfvFont);
    ReportChange(true);
}

bool TColumnFooterLt::ToolTips() const
{
    if (IsExplicit(cfvToolTips))
        return FToolTips;
    const TColumnDefValuesLt* def = FColumn ? FColumn->DefValues() : nullptr;
    return def && def->Footer()->ToolTips();
}

void TColumnFooterLt::SetToolTips(bool Value)
{
    FToolTips = Value;
    FExplicit.Include(cfvToolTips);
}

// ---- plain settings ------------------------------------------------------------------

void TColumnFooterLt::SetDisplayFormat(const std::string& Value)
{
    if (FDisplayFormat == Value)
        return;
    FDisplayFormat = Value;
    ReportChange(false);
}

void TColumnFooterLt::SetEndEllipsis(bool Value)
{
    if (FEndEllipsis == Value)
        return;
    FEndEllipsis = Value;
    ReportChange(false);
}

void TColumnFooterLt::SetValue(const std::string& Value)
{
    if (FValue == Value)
        return;
    FValue = Value;
    ReportChange(false);
}

void TColumnFooterLt::SetWordWrap(bool Value)
{
    if (FWordWrap == Value)
        return;
    FWordWrap = Value;
    ReportChange(false);
}

void TColumnFooterLt::SetFieldName(const std::string& Value)
{
    FFieldName = Value;
    BindFooterSums();
    ReportChange(false);
}

void TColumnFooterLt::SetValueType(TFooterValueType Value)
{
    if (FValueType == Value)
        return;
    FValueType = Value;
    BindFooterSums();
    ReportChange(false);
}

// ---- the aggregate -----------------------------------------------------------------

TDBSum* TColumnFooterLt::SumItem() const
{
    // The sum list's collection may have been emptied behind the footer.
    const TCustomDBGridLt* grid = Grid();
    if (!FSum || !grid || grid->SumList()->SumCollection()->IndexOf(FSum) < 0)
        return nullptr;
    return FSum;
}

void TColumnFooterLt::FreeSumItem()
{
    TDBSum* sum = SumItem();
    FSum = nullptr;
    if (sum)
        sum->Collection()->Delete(sum->Index());
}

void TColumnFooterLt::BindFooterSums()
{
    TCustomDBGridLt* grid = Grid();
    if (!grid)
        return;
    TGroupOperation operation = goCount;
    switch (FValueType) {
    case fvtSum:
        operation = goSum;
        break;
    case fvtAvg:
        operation = goAvg;
        break;
    case fvtCount:
        break;
    default:
        FreeSumItem();
        return;
    }
    const std::string fieldName =
        operation == goCount ? std::string() : (FFieldName.empty() ? FColumn->FieldName() : FFieldName);
    TDBSumCollection& sums = *grid->SumList()->SumCollection();
    sums.BeginUpdate();
    try {
        FSum = SumItem();
        if (!FSum)
            FSum = sums.Add();
        FSum->SetGroupOperation(operation);
        FSum->SetFieldName(fieldName);
    } catch (...) {
        sums.EndUpdate();
        throw;
    }
    sums.EndUpdate();
}

// ---- defaults and copying -------------------------------------------------------

void TColumnFooterLt::ResetToDefaults()
{
    const bool fontWasExplicit = IsExplicit(cfvFont);
    FExplicit = {};
    RefreshFont();
    ReportChange(fontWasExplicit);
}

void TColumnFooterLt::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TColumnFooterLt*>(Source);
    if (!source) {
        TCollectionItem::Assign(Source);
        return;
    }
    if (source->IsExplicit(cfvAlignment))
        SetAlignment(source->Alignment());
    if (source->IsExplicit(cfvColor))
        SetColor(source->Color());
    if (source->IsExplicit(cfvFont))
        SetFont(source->Font());
    SetEndEllipsis(source->FEndEllipsis);
    SetValueType(source->FValueType);
    SetFieldName(source->FFieldName);
    SetValue(source->FValue);
    SetWordWrap(source->FWordWrap);
    SetDisplayFormat(source->FDisplayFormat);
    if (source->IsExplicit(cfvToolTips))
        SetToolTips(source->FToolTips);
}

TColumnFootersLt::TColumnFootersLt(TColumnLt* Column)
    : TCollection(Column, ItemsOf<TColumnFooterLt>()), FColumn(Column)
{
}

void TColumnFootersLt::Update(TCollectionItem*)
{
    if (TCustomDBGridLt* grid = FColumn->OwnerGrid())
        grid->Invalidate();
}
