// The grid-wide column defaults and their published records.
#include "dbgrid/core/columndefvalueslt.h"

#include "dbgrid/core/dbgridlt.h"
#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TColumnFooterDefValuesLt, TPersistent)
{
    P.Property("ToolTips", &TColumnFooterDefValuesLt::ToolTips, &TColumnFooterDefValuesLt::SetToolTips).Default(0);
}

LT_IMPLEMENT_CLASS(TColumnTitleDefValuesLt, TPersistent)
{
    using T = TColumnTitleDefValuesLt;
    P.Property("Alignment", &T::Alignment, &T::SetAlignment).StoredIf([](const TObject& o) {
        return static_cast<const T&>(o).AlignmentStored();
    });
    P.Property("Color", &T::Color, &T::SetColor).Idents(ColorIdents()).StoredIf([](const TObject& o) {
        return static_cast<const T&>(o).ColorStored();
    });
    P.Property("EndEllipsis", &T::EndEllipsis, &T::SetEndEllipsis).Default(0);
    P.Property("Orientation", &T::Orientation, &T::SetOrientation).Default(tohHorizontal);
    P.Property("TitleButton", &T::TitleButton, &T::SetTitleButton).Default(0);
    P.Property("ToolTips", &T::ToolTips, &T::SetToolTips).Default(0);
}

LT_IMPLEMENT_CLASS(TColumnDefValuesLt, TPersistent)
{
    using T = TColumnDefValuesLt;
    P.Property("AlwaysShowEditButton", &T::AlwaysShowEditButton, &T::SetAlwaysShowEditButton).Default(0);
    P.Property("AutoDropDown", &T::AutoDropDown, &T::SetAutoDropDown).Default(0);
    P.Property("DblClickNextVal", &T::DblClickNextVal, &T::SetDblClickNextVal).Default(0);
    P.Property("DropDownShowTitles", &T::DropDownShowTitles, &T::SetDropDownShowTitles).Default(0);
    P.Property("DropDownSizing", &T::DropDownSizing, &T::SetDropDownSizing).Default(0);
    P.Property("EndEllipsis", &T::EndEllipsis, &T::SetEndEllipsis).Default(0);
    P.Property("HighlightRequired", &T::HighlightRequired, &T::SetHighlightRequired).Default(0);
    P.Property("ToolTips", &T::ToolTips, &T::SetToolTips).Default(0);
    P.Property("Layout", &T::Layout, &T::SetLayout).Default(tlTop);
    P.Property("Title", &T::Title);
    P.Property("Footer", &T::Footer);
}

LT_IMPLEMENT_CLASS(TDBGridLtColumnDefValuesLt, TColumnDefValuesLt) {}

void TColumnFooterDefValuesLt::Assign(const TPersistent* Source)
{
    if (const auto* source = dynamic_cast<const TColumnFooterDefValuesLt*>(Source))
        FToolTips = source->FToolTips;
    else
        TPersistent::Assign(Source);
}

TAlignment TColumnTitleDefValuesLt::DefaultAlignment() const
{
    return FGrid && FGrid->UseMultiTitle() ? taCenter : taLeftJustify;
}

TColor TColumnTitleDefValuesLt::DefaultColor() const
{
    return FGrid ? FGrid->FixedColor() : clBtnFace;
}

TAlignment TColumnTitleDefValuesLt::Alignment() const
{
    return FAlignment.value_or(DefaultAlignment());
}

void TColumnTitleDefValuesLt::SetAlignment(TAlignment Value)
{
    if (FAlignment == Value)
        return;
    FAlignment = Value;
    if (FGrid)
        FGrid->LayoutChanged();
}

TColor TColumnTitleDefValuesLt::Color() const
{
    return FColor.value_or(DefaultColor());
}

void TColumnTitleDefValuesLt::SetColor(TColor Value)
{
    if (FColor == Value)
        return;
    FColor = Value;
    if (FGrid)
        FGrid->Invalidate();
}

void TColumnTitleDefValuesLt::SetEndEllipsis(bool Value)
{
    if (FEndEllipsis == Value)
        return;
    FEndEllipsis = Value;
    if (FGrid)
        FGrid->Invalidate();
}

void TColumnTitleDefValuesLt::SetOrientation(TTextOrientationLt Value)
{
    if (FOrientation == Value)
        return;
    FOrientation = Value;
    if (FGrid)
        FGrid->LayoutChanged();
}

void TColumnTitleDefValuesLt::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TColumnTitleDefValuesLt*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    if (FAlignment)
        SetAlignment(source->Alignment());
    if (FColor)
        SetColor(source->Color());
    SetEndEllipsis(source->FEndEllipsis);
    FTitleButton = source->FTitleButton;
    FToolTips = source->FToolTips;
    SetOrientation(source->FOrientation);
}

TColumnDefValuesLt::TColumnDefValuesLt(TCustomDBGridLt* Grid)
    : FGrid(Grid), FTitle(std::make_unique<TColumnTitleDefValuesLt>(Grid)),
      FFooter(std::make_unique<TColumnFooterDefValuesLt>())
{
}

TColumnDefValuesLt::~TColumnDefValuesLt() = default;

void TColumnDefValuesLt::Repaint(bool Changed) const
{
    if (Changed && FGrid)
        FGrid->Invalidate();
}

void TColumnDefValuesLt::SetAlwaysShowEditButton(bool Value)
{
    const bool changed = FAlwaysShowEditButton != Value;
    FAlwaysShowEditButton = Value;
    Repaint(changed);
}

void TColumnDefValuesLt::SetEndEllipsis(bool Value)
{
    const bool changed = FEndEllipsis != Value;
    FEndEllipsis = Value;
    Repaint(changed);
}

void TColumnDefValuesLt::SetHighlightRequired(bool Value)
{
    const bool changed = FHighlightRequired != Value;
    FHighlightRequired = Value;
    Repaint(changed);
}

void TColumnDefValuesLt::SetLayout(TTextLayout Value)
{
    const bool changed = FLayout != Value;
    FLayout = Value;
    Repaint(changed);
}

void TColumnDefValuesLt::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TColumnDefValuesLt*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    FTitle->Assign(source->FTitle.get());
    SetAlwaysShowEditButton(source->FAlwaysShowEditButton);
    SetEndEllipsis(source->FEndEllipsis);
    FAutoDropDown = source->FAutoDropDown;
    FDblClickNextVal = source->FDblClickNextVal;
    FToolTips = source->FToolTips;
    FDropDownSizing = source->FDropDownSizing;
    FDropDownShowTitles = source->FDropDownShowTitles;
}
