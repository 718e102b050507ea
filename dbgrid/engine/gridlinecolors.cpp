#include "dbgrid/engine/gridlinecolors.h"

#include "dbgrid/engine/customgridlt.h"
#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TGridLineColorsLt, TPersistent) {}

TGridLineColorsLt::TGridLineColorsLt(const TCustomGridLt* Grid) : FGrid(Grid)
{
    FColors.fill(clDefault);
}

void TGridLineColorsLt::Assign(const TPersistent* Source)
{
    if (const auto* other = dynamic_cast<const TGridLineColorsLt*>(Source)) {
        FColors = other->FColors;
        return;
    }
    TPersistent::Assign(Source);
}

TColor TGridLineColorsLt::GetFixedLineColor() const
{
    if (FColors[glcFixedLine] != clDefault)
        return FColors[glcFixedLine];
    return FGrid->Flat() ? clGray : clBlack;
}

TColor TGridLineColorsLt::GetDataLineColor() const
{
    if (FColors[glcDataLine] != clDefault)
        return FColors[glcDataLine];
    return ColorToRGB(FGrid->Color()) == clSilver ? clGray : clSilver;
}

TColor TGridLineColorsLt::GetCellLineColor(int ACol, int ARow) const
{
    const bool fixedCol = ACol < FGrid->FixedCols() - FGrid->FrozenCols();
    const bool fixedRow = ARow < FGrid->FixedRows() - FGrid->FrozenRows();
    return fixedCol || fixedRow ? GetFixedLineColor() : GetDataLineColor();
}

TColor TGridLineColorsLt::GetVertLineColorAt(int ACol) const
{
    return ACol == FGrid->ColCount() ? GetColor(glcContraVert) : GetDataLineColor();
}

TColor TGridLineColorsLt::GetHorzLineColorAt(int ARow) const
{
    return ARow == FGrid->RowCount() ? GetColor(glcContraHorz) : GetDataLineColor();
}

TColor TGridLineColorsLt::GetVertLineColorAfter(int ACol) const
{
    if (FGrid->FrozenCols() > 0 && ACol == FGrid->FixedCols() - 1)
        return GetColor(glcFrozenVert);
    return GetDataLineColor();
}

TColor TGridLineColorsLt::GetHorzLineColorAfter(int ARow) const
{
    if (FGrid->FrozenRows() > 0 && ARow == FGrid->FixedRows() - 1)
        return GetFixedLineColor();
    return GetDataLineColor();
}

TColor TGridLineColorsLt::GetColor(TGridLineColorLt Which) const
{
    switch (Which) {
    case glcFixedLine: return GetFixedLineColor();
    case glcDataLine: return GetDataLineColor();
    default: break;
    }
    if (FColors[Which] != clDefault)
        return FColors[Which];
    const bool dataRegion = Which >= glcDataVert && Which <= glcDataEdge;
    return dataRegion ? GetDataLineColor() : GetFixedLineColor();
}
