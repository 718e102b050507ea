#pragma once
// The colours of a grid's lines. Each stored colour starts as the default
// marker; a stored value other than the marker wins, otherwise the colour
// follows the grid (Flat, Color, the fixed and frozen parts).
#include <array>

#include "platform/rtl/persistent.h"
#include "platform/ui/graphics.h"

class TCustomGridLt;

// The stored colours: the two base colours, then the three boundaries the
// engine draws, then those of the regions a descendant draws.
enum TGridLineColorLt {
    glcFixedLine, glcDataLine,
    glcFrozenVert, glcContraVert, glcContraHorz,
    glcDataVert, glcDataHorz, glcFrozenDataVert, glcFrozenDataHorz, glcFooterVert, glcFooterHorz, glcDataEdge,
    glcIndicatorVert, glcIndicatorHorz, glcTitleVert, glcTitleHorz, glcFilterVert, glcFilterHorz
};
constexpr int kGridLineColorCount = glcFilterHorz + 1;

class TGridLineColorsLt : public TPersistent {
    LT_CLASS(TGridLineColorsLt)
public:
    explicit TGridLineColorsLt(const TCustomGridLt* Grid);
    void Assign(const TPersistent* Source) override;

    // The value stored for a colour (clDefault when none is).
    TColor Stored(TGridLineColorLt Which) const { return FColors[Which]; }
    void SetStored(TGridLineColorLt Which, TColor Value) { FColors[Which] = Value; }

    virtual TColor GetFixedLineColor() const;
    virtual TColor GetDataLineColor() const;
    virtual TColor GetCellLineColor(int ACol, int ARow) const;
    virtual TColor GetVertLineColorAt(int ACol) const;
    virtual TColor GetHorzLineColorAt(int ARow) const;
    virtual TColor GetVertLineColorAfter(int ACol) const;
    virtual TColor GetHorzLineColorAfter(int ARow) const;
    // One of the further colours: its stored value, else the fixed-line
    // colour (boundaries, indicator, title and filter lines) or the
    // data-line colour (the data regions').
    virtual TColor GetColor(TGridLineColorLt Which) const;

protected:
    const TCustomGridLt* Grid() const { return FGrid; }

private:
    const TCustomGridLt* FGrid;
    std::array<TColor, kGridLineColorCount> FColors;
};
