#pragma once
// The grid style: how selected and highlighted cells are coloured. On a
// true-colour screen a selected cell's own background is tinted towards the
// highlight colour (BlendSelection); otherwise the flat system colours are
// used.
#include <vector>

#include "dbgrid/engine/gridtypes.h"
#include "platform/rtl/persistent.h"
#include "platform/ui/graphics.h"

// Color seen through GlassColor: per channel halfway to the glass, then 60%
// towards 225, and with Ungray pushed a quarter further from the middle grey
// (122); rounded and limited to 0..255.
TColor BlendColor(TColor Color, TColor GlassColor, bool Ungray);

class TCustomDBGridLt;

// What decides the highlight of one data cell.
struct TDataCellHighlightLt {
    TGridDrawState State;
    // The grid's selection (rows, columns, rectangle) holds the cell.
    bool InSelection = false;
    bool SelectionEmpty = true;
    bool CurrentRow = false;
    bool CurrentColumn = false;
    bool GridFocused = false;
    // The grid or its editor has the focus.
    bool SelectionActive = false;
    bool EditorShown = false;
    // dghHighlightFocus, dghRowHighlight, dgRowSelect, dgAlwaysShowSelection.
    bool HighlightFocus = false;
    bool RowHighlight = false;
    bool RowSelect = false;
    bool AlwaysShowSelection = false;
};

// Whether the cell is highlighted; Focused: it counts as focused (the grid
// has the focus with dghHighlightFocus, or the row highlight applies).
bool DataCellHighlighted(const TDataCellHighlightLt& Cell, bool& Focused);

class TDBGridLtStyle : public TPersistent {
    LT_CLASS(TDBGridLtStyle)
public:
    TDBGridLtStyle();
    // The grids still following the style fall back to no style.
    ~TDBGridLtStyle() override;
    TDBGridLtStyle(const TDBGridLtStyle&) = delete;
    TDBGridLtStyle& operator=(const TDBGridLtStyle&) = delete;

    // The grids that follow the style (a grid's SetStyle calls these).
    void FollowStyle(TCustomDBGridLt* Grid);
    void UnfollowStyle(TCustomDBGridLt* Grid);
    bool FollowsStyle(const TCustomDBGridLt* Grid) const;

    bool BlendSelection() const { return FBlendSelection; }
    void SetBlendSelection(bool Value) { FBlendSelection = Value; }
    bool FilterApplyOnCloseUp() const { return FFilterApplyOnCloseUp; }
    void SetFilterApplyOnCloseUp(bool Value) { FFilterApplyOnCloseUp = Value; }
    bool FocusFrames() const { return FFocusFrames; }
    void SetFocusFrames(bool Value) { FFocusFrames = Value; }
    // The screen's colours: -1 for more than 256 (a true-colour screen).
    int ScreenColorCount() const { return FScreenColorCount; }
    // Called when the desktop's colours change, with the new colour count.
    virtual void ScreenColorsChanged(int ColorCount);

    // Sets the colours of a highlighted data cell; false (colours kept) when
    // the cell is not highlighted.
    virtual bool HighlightDataCellColor(const TDataCellHighlightLt& Cell, TFont* Font, TColor& Background) const;
    // The same for a fixed or footer cell; TitleOrIndicator: an indicator
    // cell, or a title or filter-row cell of a data column.
    virtual bool HighlightFixedCellColor(bool Selected, bool TitleOrIndicator, bool SelectionActive, TFont* Font,
                                         TColor& Background) const;

private:
    bool TrueColor() const { return FScreenColorCount == -1; }

    std::vector<TCustomDBGridLt*> FGrids;   // not owned
    bool FBlendSelection = true;
    bool FFilterApplyOnCloseUp = false;
    bool FFocusFrames = true;
    int FScreenColorCount = -1;
};
