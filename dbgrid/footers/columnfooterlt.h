#pragma once
// The footer cells of a data grid column: what each footer row shows (a
// sum, an average or a count from the grid's sum list, the field's value,
// a static text) and how. Alignment, colour, font and tool tips follow a
// default until set explicitly.
#include <memory>
#include <string>

#include "platform/rtl/alignment.h"
#include "platform/rtl/collection.h"
#include "platform/ui/graphics.h"

class TColumnLt;
class TCustomDBGridLt;
class TDBSum;

enum TFooterValueType { fvtNon, fvtSum, fvtAvg, fvtCount, fvtFieldValue, fvtStaticText };
LT_ENUM_INFO(TFooterValueType, fvtNon, fvtSum, fvtAvg, fvtCount, fvtFieldValue, fvtStaticText)

// The footer settings that were set explicitly.
enum TColumnFooterValueLt { cfvAlignment, cfvFont, cfvColor, cfvToolTips };
LT_ENUM_INFO(TColumnFooterValueLt, cfvAlignment, cfvFont, cfvColor, cfvToolTips)
using TColumnFooterValuesLt = TSet<TColumnFooterValueLt>;

class TColumnFooterLt : public TCollectionItem {
    LT_CLASS(TColumnFooterLt)
public:
    // A footer of a column's footers collection.
    explicit TColumnFooterLt(TCollection* Collection);
    // The column's own footer, outside any collection.
    explicit TColumnFooterLt(TColumnLt* Column);
    ~TColumnFooterLt() override;

    TColumnLt* Column() const { return FColumn; }
    // The column's grid, nullptr without one.
    TCustomDBGridLt* Grid() const;

    // The column field's alignment (left without a field) until set.
    TAlignment Alignment() const;
    void SetAlignment(TAlignment Value);
    TAlignment DefaultAlignment() const;
    // The grid's FooterColor (clWindow without a grid) until set.
    TColor Color() const;
    void SetColor(TColor Value);
    TColor DefaultColor() const;
    // Kept equal to the grid's FooterFont (the column's font without a
    // grid) until edited.
    TFont* Font() const;
    void SetFont(const TFont* Value);
    const TFont* DefaultFont() const;
    // The column defaults' Footer.ToolTips until set.
    bool ToolTips() const;
    void SetToolTips(bool Value);

    const std::string& DisplayFormat() const { return FDisplayFormat; }
    void SetDisplayFormat(const std::string& Value);
    bool EndEllipsis() const { return FEndEllipsis; }
    void SetEndEllipsis(bool Value);
    // Empty: the column's field is summed.
    const std::string& FieldName() const { return FFieldName; }
    void SetFieldName(const std::string& Value);
    // The static text.
    const std::string& Value() const { return FValue; }
    void SetValue(const std::string& Value);
    TFooterValueType ValueType() const { return FValueType; }
    void SetValueType(TFooterValueType Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);

    TColumnFooterValuesLt ExplicitValues() const { return FExplicit; }
    bool IsExplicit(TColumnFooterValueLt Flag) const { return FExplicit.Contains(Flag); }
    // The footer's aggregate in the grid's sum list, nullptr when it has
    // none.
    TDBSum* SumItem() const;
    // Makes, sets or frees the aggregate for the value type.
    void BindFooterSums();

    virtual void ResetToDefaults();
    void Assign(const TPersistent* Source) override;

private:
    void Init();
    void RefreshFont() const;
    void FontEdited();
    void ReportChange(bool AllColumns);
    void FootersChanged() const;
    void FreeSumItem();

    TColumnLt* FColumn;
    TColumnFooterValuesLt FExplicit;
    TAlignment FAlignment = taLeftJustify;
    TColor FColor = clWindow;
    std::unique_ptr<TFont> FFont;
    mutable bool FFontCopying = false;
    bool FToolTips = false;
    std::string FDisplayFormat;
    bool FEndEllipsis = false;
    std::string FFieldName;
    std::string FValue;
    TFooterValueType FValueType = fvtNon;
    bool FWordWrap = false;
    TDBSum* FSum = nullptr;   // an item of the grid's sum list, freed with the footer
};

// The footers of a column's footer rows.
class TColumnFootersLt : public TCollection {
    LT_CLASS(TColumnFootersLt)
public:
    explicit TColumnFootersLt(TColumnLt* Column);

    TColumnLt* Column() const { return FColumn; }
    TColumnFooterLt* Items(int Index) const { return static_cast<TColumnFooterLt*>(TCollection::Items(Index)); }
    TColumnFooterLt* Add() { return static_cast<TColumnFooterLt*>(TCollection::Add()); }

protected:
    void Update(TCollectionItem* Item) override;

private:
    TColumnLt* FColumn;
};
