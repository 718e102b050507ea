#include "dbgrid/core/gridstylelt.h"

#include <algorithm>
#include <cmath>

#include "dbgrid/core/dbgridlt.h"
#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TDBGridLtStyle, TPersistent)
{
    P.Property("BlendSelection", &TDBGridLtStyle::BlendSelection, &TDBGridLtStyle::SetBlendSelection).Default(1);
    P.Property("FilterApplyOnCloseUp", &TDBGridLtStyle::FilterApplyOnCloseUp,
               &TDBGridLtStyle::SetFilterApplyOnCloseUp)
        .Default(0);
    P.Property("FocusFrames", &TDBGridLtStyle::FocusFrames, &TDBGridLtStyle::SetFocusFrames).Default(1);
}

namespace {

int BlendChannel(int C, int G, bool Ungray)
{
    double x = C + (G - C) * 0.5;
    x += (225 - x) * 0.6;
    if (Ungray)
        x -= (122 - x) * 0.25;
    return std::clamp(static_cast<int>(std::lround(x)), 0, 255);
}

} // namespace

TColor BlendColor(TColor Color, TColor GlassColor, bool Ungray)
{
    const TColor c = ColorToRGB(Color), g = ColorToRGB(GlassColor);
    return RGBColor(BlendChannel(GetRValue(c), GetRValue(g), Ungray),
                    BlendChannel(GetGValue(c), GetGValue(g), Ungray),
                    BlendChannel(GetBValue(c), GetBValue(g), Ungray));
}

TDBGridLtStyle::TDBGridLtStyle() = default;

TDBGridLtStyle::~TDBGridLtStyle()
{
    while (!FGrids.empty())
        FGrids.back()->SetStyle(nullptr);
}

void TDBGridLtStyle::FollowStyle(TCustomDBGridLt* Grid)
{
    if (!FollowsStyle(Grid))
        FGrids.push_back(Grid);
}

void TDBGridLtStyle::UnfollowStyle(TCustomDBGridLt* Grid)
{
    std::erase(FGrids, Grid);
}

bool TDBGridLtStyle::FollowsStyle(const TCustomDBGridLt* Grid) const
{
    return std::find(FGrids.begin(), FGrids.end(), Grid) != FGrids.end();
}

void TDBGridLtStyle::ScreenColorsChanged(int ColorCount)
{
    FScreenColorCount = ColorCount;
}

bool DataCellHighlighted(const TDataCellHighlightLt& Cell, bool& Focused)
{
    Focused = Cell.GridFocused && Cell.HighlightFocus;
    if (Cell.InSelection)
        return true;
    bool countsSelected = Cell.State.Contains(gdSelected);
    if (Cell.RowHighlight && Cell.CurrentRow && Cell.SelectionEmpty && !Cell.CurrentColumn) {
        Focused = true;
        countsSelected = true;
    }
    const bool highlighted =
        (countsSelected || (Cell.CurrentRow && Cell.RowSelect)) && (Cell.AlwaysShowSelection || Focused);
    return highlighted && (!Cell.EditorShown || Cell.RowSelect);
}

bool TDBGridLtStyle::HighlightDataCellColor(const TDataCellHighlightLt& Cell, TFont* Font, TColor& Background) const
{
    bool focused = false;
    if (!DataCellHighlighted(Cell, focused))
        return false;
    const bool current = Cell.CurrentRow && (Cell.CurrentColumn || Cell.RowSelect);
    if (!Cell.SelectionActive) {
        if (current && (focused || Cell.AlwaysShowSelection)) {
            Background = clBtnShadow;
            Font->SetColor(clHighlightText);
        } else
            Background = TrueColor() ? BlendColor(Background, clBtnShadow, false) : clBtnFace;
        return true;
    }
    if (FBlendSelection && TrueColor() && !current) {
        Background = BlendColor(Background, clHighlight, true);
        return true;
    }
    Background = clHighlight;
    Font->SetColor(clHighlightText);
    return true;
}

bool TDBGridLtStyle::HighlightFixedCellColor(bool Selected, bool TitleOrIndicator, bool SelectionActive, TFont* Font,
                                             TColor& Background) const
{
    if (!Selected)
        return false;
    if (TitleOrIndicator) {
        Background = RGBColor(64, 64, 64);
        Font->SetColor(clWhite);
    } else if (SelectionActive) {
        if (FBlendSelection && TrueColor())
            Background = BlendColor(Background, clHighlight, true);
        else {
            Background = clHighlight;
            Font->SetColor(clHighlightText);
        }
    } else
        Background = TrueColor() ? BlendColor(Background, clBtnShadow, false) : clBtnFace;
    return true;
}
