#pragma once
// The grid-wide defaults that every column and title setting follows while
// it is not set explicitly.
#include <optional>

#include "dbgrid/core/dbgridtypes.h"
#include "platform/rtl/alignment.h"
#include "platform/ui/graphics.h"
#include "platform/ui/stdctrls.h"

class TCustomDBGridLt;

class TColumnFooterDefValuesLt : public TPersistent {
    LT_CLASS(TColumnFooterDefValuesLt)
public:
    bool ToolTips() const { return FToolTips; }
    void SetToolTips(bool Value) { FToolTips = Value; }
    void Assign(const TPersistent* Source) override;

private:
    bool FToolTips = false;
};

class TColumnTitleDefValuesLt : public TPersistent {
    LT_CLASS(TColumnTitleDefValuesLt)
public:
    explicit TColumnTitleDefValuesLt(TCustomDBGridLt* Grid) : FGrid(Grid) {}

    // Centred with multi-level titles, else left, until set.
    TAlignment Alignment() const;
    void SetAlignment(TAlignment Value);
    bool AlignmentStored() const { return FAlignment.has_value() && *FAlignment != DefaultAlignment(); }
    // The grid's FixedColor until set.
    TColor Color() const;
    void SetColor(TColor Value);
    bool ColorStored() const { return FColor.has_value() && *FColor != DefaultColor(); }
    bool EndEllipsis() const { return FEndEllipsis; }
    void SetEndEllipsis(bool Value);
    TTextOrientationLt Orientation() const { return FOrientation; }
    void SetOrientation(TTextOrientationLt Value);
    bool TitleButton() const { return FTitleButton; }
    void SetTitleButton(bool Value) { FTitleButton = Value; }
    bool ToolTips() const { return FToolTips; }
    void SetToolTips(bool Value) { FToolTips = Value; }

    // Alignment and colour only where the target has them set already.
    void Assign(const TPersistent* Source) override;

private:
    TAlignment DefaultAlignment() const;
    TColor DefaultColor() const;

    TCustomDBGridLt* FGrid;
    std::optional<TAlignment> FAlignment;
    std::optional<TColor> FColor;
    bool FEndEllipsis = false;
    TTextOrientationLt FOrientation = tohHorizontal;
    bool FTitleButton = false;
    bool FToolTips = false;
};

class TColumnDefValuesLt : public TPersistent {
    LT_CLASS(TColumnDefValuesLt)
public:
    explicit TColumnDefValuesLt(TCustomDBGridLt* Grid);
    ~TColumnDefValuesLt() override;

    TCustomDBGridLt* Grid() const { return FGrid; }
    bool AlwaysShowEditButton() const { return FAlwaysShowEditButton; }
    void SetAlwaysShowEditButton(bool Value);
    bool AutoDropDown() const { return FAutoDropDown; }
    void SetAutoDropDown(bool Value) { FAutoDropDown = Value; }
    bool DblClickNextVal() const { return FDblClickNextVal; }
    void SetDblClickNextVal(bool Value) { FDblClickNextVal = Value; }
    bool DropDownShowTitles() const { return FDropDownShowTitles; }
    void SetDropDownShowTitles(bool Value) { FDropDownShowTitles = Value; }
    bool DropDownSizing() const { return FDropDownSizing; }
    void SetDropDownSizing(bool Value) { FDropDownSizing = Value; }
    bool EndEllipsis() const { return FEndEllipsis; }
    void SetEndEllipsis(bool Value);
    bool HighlightRequired() const { return FHighlightRequired; }
    void SetHighlightRequired(bool Value);
    bool ToolTips() const { return FToolTips; }
    void SetToolTips(bool Value) { FToolTips = Value; }
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    TColumnTitleDefValuesLt* Title() const { return FTitle.get(); }
    TColumnFooterDefValuesLt* Footer() const { return FFooter.get(); }

    void Assign(const TPersistent* Source) override;

private:
    void Repaint(bool Changed) const;

    TCustomDBGridLt* FGrid;
    bool FAlwaysShowEditButton = false;
    bool FAutoDropDown = false;
    bool FDblClickNextVal = false;
    bool FDropDownShowTitles = false;
    bool FDropDownSizing = false;
    bool FEndEllipsis = false;
    bool FHighlightRequired = false;
    bool FToolTips = false;
    TTextLayout FLayout = tlTop;
    std::unique_ptr<TColumnTitleDefValuesLt> FTitle;
    std::unique_ptr<TColumnFooterDefValuesLt> FFooter;
};

// The data grid's variant, made by the grid's factory.
class TDBGridLtColumnDefValuesLt : public TColumnDefValuesLt {
    LT_CLASS(TDBGridLtColumnDefValuesLt)
public:
    using TColumnDefValuesLt::TColumnDefValuesLt;
};
