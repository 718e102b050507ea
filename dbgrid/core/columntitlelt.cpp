// The column title: settings following the column defaults, its font, and
// the sort markers with their numbering.
#include "dbgrid/core/columntitlelt.h"

#include <algorithm>
#include <string>

#include "dbgrid/core/columndefvalueslt.h"
#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/core/fontfollow.h"
#include "platform/data/field.h"
#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TColumnTitleLt, TPersistent)
{
    using T = TColumnTitleLt;
    P.Property("Alignment", &T::Alignment, &T::SetAlignment).StoredIf([](const TObject& o) {
        const T& t = static_cast<const T&>(o);
        return t.Column()->IsExplicit(cevTitleAlignment) && t.Alignment() != t.DefaultAlignment();
    });
    P.Property("Caption", &T::Caption, &T::SetCaption).StoredIf([](const TObject& o) {
        return static_cast<const T&>(o).CaptionStored();
    });
    P.Property("Color", &T::Color, &T::SetColor).Idents(ColorIdents()).StoredIf([](const TObject& o) {
        const T& t = static_cast<const T&>(o);
        return t.Column()->IsExplicit(cevTitleColor) && t.Color() != t.DefaultColor();
    });
    P.Property("EndEllipsis", &T::EndEllipsis, &T::SetEndEllipsis).StoredIf([](const TObject& o) {
        return static_cast<const T&>(o).Column()->IsExplicit(cevTitleEndEllipsis);
    });
    P.Property("Font", &T::Font, &T::SetFont).StoredIf([](const TObject& o) {
        return static_cast<const T&>(o).Column()->IsExplicit(cevTitleFont);
    });
    P.Property("Hint", &T::Hint, &T::SetHint);
    P.Property("ImageIndex", &T::ImageIndex, &T::SetImageIndex).Default(-1);
    P.Property("Orientation", &T::Orientation, &T::SetOrientation).StoredIf([](const TObject& o) {
        return static_cast<const T&>(o).Column()->IsExplicit(cevTitleOrientation);
    });
    P.Property("SortIndex", &T::SortIndex, &T::SetSortIndex).Default(0);
    P.Property("SortMarker", &T::SortMarker, &T::SetSortMarker).Default(smNoneLt);
    P.Property("TitleButton", &T::TitleButton, &T::SetTitleButton).StoredIf([](const TObject& o) {
        return static_cast<const T&>(o).Column()->IsExplicit(cevTitleButton);
    });
    P.Property("ToolTips", &T::ToolTips, &T::SetToolTips).StoredIf([](const TObject& o) {
        return static_cast<const T&>(o).Column()->IsExplicit(cevTitleToolTips);
    });
}

TColumnTitleLt::TColumnTitleLt(TColumnLt* Column) : FColumn(Column), FFont(std::make_unique<TFont>())
{
    FFont->Assign(DefaultFont());
    FFont->SetOnChange([this](TGraphicsObject*) { FontEdited(); });
}

TColumnTitleLt::~TColumnTitleLt() = default;

namespace {
template <class T>
void SetTitleValue(TColumnLt& Column, TColumnExplicitValueLt Flag, T& Store, const T& Value, bool Report)
{
    if (Column.IsExplicit(Flag) && Store == Value)
        return;
    Store = Value;
    Column.IncludeExplicit(Flag);
    if (Report)
        Column.ColumnChanged(false);
}
} // namespace

TAlignment TColumnTitleLt::DefaultAlignment() const
{
    const TColumnDefValuesLt* def = FColumn->DefValues();
    return def ? def->Title()->Alignment() : taLeftJustify;
}

TAlignment TColumnTitleLt::Alignment() const
{
    return FColumn->IsExplicit(cevTitleAlignment) ? FAlignment : DefaultAlignment();
}

void TColumnTitleLt::SetAlignment(TAlignment Value)
{
    SetTitleValue(*FColumn, cevTitleAlignment, FAlignment, Value, true);
}

std::string TColumnTitleLt::DefaultCaption() const
{
    const TField* field = FColumn->BoundField();
    return field ? field->DisplayName() : FColumn->FieldName();
}

std::string TColumnTitleLt::Caption() const
{
    return FColumn->IsExplicit(cevTitleCaption) ? FCaption : DefaultCaption();
}

void TColumnTitleLt::SetCaption(const std::string& Value)
{
    TField* field = FColumn->BoundField();
    const TCustomDBGridLt* grid = FColumn->OwnerGrid();
    if (FColumn->DefaultColumn() && field && grid && grid->DataLinkActive()) {
        field->SetDisplayLabel(Value);
        return;
    }
    SetTitleValue(*FColumn, cevTitleCaption, FCaption, Value, true);
}

bool TColumnTitleLt::CaptionStored() const
{
    return FColumn->IsExplicit(cevTitleCaption) && FCaption != DefaultCaption();
}

TColor TColumnTitleLt::DefaultColor() const
{
    const TColumnDefValuesLt* def = FColumn->DefValues();
    return def ? def->Title()->Color() : clBtnFace;
}

TColor TColumnTitleLt::Color() const
{
    return FColumn->IsExplicit(cevTitleColor) ? FColor : DefaultColor();
}

void TColumnTitleLt::SetColor(TColor Value)
{
    SetTitleValue(*FColumn, cevTitleColor, FColor, Value, true);
}

bool TColumnTitleLt::EndEllipsis() const
{
    const TColumnDefValuesLt* def = FColumn->DefValues();
    return FColumn->IsExplicit(cevTitleEndEllipsis) ? FEndEllipsis : def && def->Title()->EndEllipsis();
}

void TColumnTitleLt::SetEndEllipsis(bool Value)
{
    SetTitleValue(*FColumn, cevTitleEndEllipsis, FEndEllipsis, Value, true);
}

const TFont* TColumnTitleLt::DefaultFont() const
{
    const TCustomDBGridLt* grid = FColumn->OwnerGrid();
    return grid ? grid->TitleFont() : FColumn->Font();
}

void TColumnTitleLt::RefreshFont() const
{
    if (!FColumn->IsExplicit(cevTitleFont))
        FollowFont(*FFont, *DefaultFont(), FFontCopying);
}

TFont* TColumnTitleLt::Font() const
{
    RefreshFont();
    return FFont.get();
}

void TColumnTitleLt::SetFont(const TFont* Value)
{
    FFont->Assign(Value);
}

void TColumnTitleLt::FontEdited()
{
    if (FFontCopying)
        return;
    FColumn->IncludeExplicit(cevTitleFont);
    FColumn->ColumnChanged(false);
}

void TColumnTitleLt::SetImageIndex(int Value)
{
    if (FImageIndex == Value)
        return;
    FImageIndex = Value;
    if (TCustomDBGridLt* grid = FColumn->OwnerGrid())
        grid->LayoutChanged();
}

TTextOrientationLt TColumnTitleLt::Orientation() const
{
    const TColumnDefValuesLt* def = FColumn->DefValues();
    if (FColumn->IsExplicit(cevTitleOrientation))
        return FOrientation;
    return def ? def->Title()->Orientation() : tohHorizontal;
}

void TColumnTitleLt::SetOrientation(TTextOrientationLt Value)
{
    SetTitleValue(*FColumn, cevTitleOrientation, FOrientation, Value, true);
}

bool TColumnTitleLt::TitleButton() const
{
    const TColumnDefValuesLt* def = FColumn->DefValues();
    return FColumn->IsExplicit(cevTitleButton) ? FTitleButton : def && def->Title()->TitleButton();
}

void TColumnTitleLt::SetTitleButton(bool Value)
{
    SetTitleValue(*FColumn, cevTitleButton, FTitleButton, Value, true);
}

bool TColumnTitleLt::ToolTips() const
{
    const TColumnDefValuesLt* def = FColumn->DefValues();
    return FColumn->IsExplicit(cevTitleToolTips) ? FToolTips : def && def->Title()->ToolTips();
}

void TColumnTitleLt::SetToolTips(bool Value)
{
    SetTitleValue(*FColumn, cevTitleToolTips, FToolTips, Value, false);
}

// ---- sort markers ---------------------------------------------------------------

void TColumnTitleLt::SetSortMarker(TSortMarkerLt Value)
{
    if (FSortMarker == Value)
        return;
    const TCollection* columns = FColumn->Collection();
    TCustomDBGridLt* grid = FColumn->OwnerGrid();
    FSortMarker = Value;
    if (!grid || (columns && columns->UpdateCount() > 0))
        return;
    TColumnsLtList& marked = grid->SortMarkedColumns();
    TDBGridColumnsLt& all = *grid->Columns();
    if (grid->OptionsLt().Contains(dghMultiSortMarking)) {
        if (Value != smNoneLt && FSortIndex == 0) {
            int numbered = 0;
            for (int i = 0; i < all.Count(); ++i)
                numbered += all.Items(i)->Title()->FSortIndex != 0 ? 1 : 0;
            FSortIndex = numbered + 1;
            marked.Add(FColumn);
        } else if (Value == smNoneLt && FSortIndex != 0) {
            for (int i = 0; i < all.Count(); ++i) {
                TColumnTitleLt* other = all.Items(i)->Title();
                if (other->FSortIndex > FSortIndex)
                    --other->FSortIndex;
            }
            marked.Remove(FColumn);
            FSortIndex = 0;
        }
    } else if (Value != smNoneLt) {
        for (int i = 0; i < all.Count(); ++i) {
            TColumnTitleLt* other = all.Items(i)->Title();
            if (other != this) {
                other->FSortMarker = smNoneLt;
                other->FSortIndex = 0;
            }
        }
        FSortIndex = 1;
        marked.Clear();
        marked.Add(FColumn);
    } else {
        FSortIndex = 0;
        marked.Clear();
    }
    FColumn->ColumnChanged(false);
}

void TColumnTitleLt::SetSortIndex(int Value)
{
    Value = std::max(Value, 0);
    const TCollection* columns = FColumn->Collection();
    TCustomDBGridLt* grid = FColumn->OwnerGrid();
    if (!grid || (columns && columns->UpdateCount() > 0) || FSortMarker == smNoneLt) {
        FSortIndex = Value;
        return;
    }
    TDBGridColumnsLt& all = *grid->Columns();
    for (int i = 0; i < all.Count(); ++i) {
        TColumnLt* other = all.Items(i);
        if (other != FColumn && other->Title()->FSortIndex == Value && Value != 0) {
            other->Title()->FSortIndex = FSortIndex;
            TColumnsLtList& marked = grid->SortMarkedColumns();
            const int a = marked.IndexOf(FColumn);
            const int b = marked.IndexOf(other);
            if (a >= 0 && b >= 0)
                marked.Exchange(a, b);
            break;
        }
    }
    FSortIndex = Value;
}

void TColumnTitleLt::AdvanceSortMarker(bool KeepOthers)
{
    if (!KeepOthers) {
        if (TCustomDBGridLt* grid = FColumn->OwnerGrid()) {
            const TDBGridColumnsLt& all = *grid->Columns();
            for (int i = 0; i < all.Count(); ++i)
                if (all.Items(i) != FColumn)
                    all.Items(i)->Title()->SetSortMarker(smNoneLt);
        }
    }
    switch (FSortMarker) {
    case smNoneLt:
        SetSortMarker(smDownLt);
        break;
    case smDownLt:
        SetSortMarker(smUpLt);
        break;
    case smUpLt:
        SetSortMarker(KeepOthers ? smNoneLt : smDownLt);
        break;
    }
}

int TColumnTitleLt::SortMarkerWidth() const
{
    if (FSortIndex == 0)
        return 0;
    int width = 16;
    int numberWidth = 0;
    const TCustomDBGridLt* grid = FColumn->OwnerGrid();
    if (grid && grid->Columns()) {
        int numbered = 0;
        const TDBGridColumnsLt& all = *grid->Columns();
        for (int i = 0; i < all.Count(); ++i)
            numbered += all.Items(i)->Title()->FSortIndex != 0 ? 1 : 0;
        if (numbered >= 2) {
            TCanvas canvas;
            canvas.Font()->Assign(Font());
            numberWidth = canvas.TextWidth(std::to_string(FSortIndex));
            width += numberWidth;
        }
    }
    const int room = FColumn->Width() - 4;
    if (width > room)
        width -= 14;
    if (width > room)
        width = 0;
    return width;
}

// ---- defaults and copying ---------------------------------------------------------

void TColumnTitleLt::ResetToDefaults()
{
    const bool fontWasExplicit = FColumn->IsExplicit(cevTitleFont);
    for (int flag = cevTitleColor; flag <= cevTitleOrientation; ++flag)
        FColumn->ExcludeExplicit(static_cast<TColumnExplicitValueLt>(flag));
    FCaption.clear();
    RefreshFont();
    if (fontWasExplicit)
        FColumn->ColumnChanged(true);
}

void TColumnTitleLt::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TColumnTitleLt*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    const TColumnLt& from = *source->FColumn;
    if (from.IsExplicit(cevTitleAlignment))
        SetAlignment(source->Alignment());
    if (from.IsExplicit(cevTitleColor))
        SetColor(source->Color());
    if (from.IsExplicit(cevTitleCaption))
        SetCaption(source->Caption());
    if (from.IsExplicit(cevTitleFont))
        SetFont(source->Font());
    FHint = source->FHint;
    SetImageIndex(source->FImageIndex);
    if (from.IsExplicit(cevTitleOrientation))
        SetOrientation(source->Orientation());
    FSortIndex = source->FSortIndex;
    FSortMarker = source->FSortMarker;
    if (from.IsExplicit(cevTitleButton))
        SetTitleButton(source->TitleButton());
    if (from.IsExplicit(cevTitleEndEllipsis))
        SetEndEllipsis(source->EndEllipsis());
    if (from.IsExplicit(cevTitleToolTips))
        SetToolTips(source->ToolTips());
}
