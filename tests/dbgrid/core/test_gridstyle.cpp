// The grid style: colour blending and the highlight of data and fixed cells
// on true-colour and 256-colour screens; the grids that follow a style.
#include <memory>

#include <QWidget>
#include <gtest/gtest.h>

#include "dbgrid/core/gridlibrarysetup.h"
#include "dbgrid/core/gridstylelt.h"
#include "tests/dbgrid/core/dbgridtesting.h"

TEST(BlendColor, BlendsEachChannelTowardsTheGlassAndPale)
{
    struct TCase {
        TColor Color, Glass;
        bool Ungray;
        TColor Expected;
    };
    const TCase cases[] = {
        // clHighlight is RGB(51, 153, 255).
        {clWhite, clHighlight, false, RGBColor(196, 217, 237)},
        {clWhite, clHighlight, true, RGBColor(215, 240, 255)},
        {clBlack, clWhite, false, RGBColor(186, 186, 186)},
        {clBlack, clWhite, true, RGBColor(202, 202, 202)},
        {RGBColor(255, 0, 0), RGBColor(0, 0, 255), false, RGBColor(186, 135, 186)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(ColorToString(c.Expected));
        EXPECT_EQ(BlendColor(c.Color, c.Glass, c.Ungray), c.Expected);
    }
}

TEST(GridStyle, SelectedFixedCells)
{
    struct TCase {
        bool Selected, TitleOrIndicator, Active;
        int ColorCount;
        bool Answer;
        TColor Background, Font;
    };
    const TColor back = clBtnFace;
    const TColor face = ColorToRGB(clBtnFace);
    const TCase cases[] = {
        {false, true, true, -1, false, back, clBlack},
        {true, true, false, -1, true, RGBColor(64, 64, 64), clWhite},
        {true, false, true, -1, true, BlendColor(face, clHighlight, true), clBlack},
        {true, false, true, 256, true, clHighlight, clHighlightText},
        {true, false, false, -1, true, BlendColor(face, clBtnShadow, false), clBlack},
        {true, false, false, 256, true, clBtnFace, clBlack},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Selected) + std::to_string(c.TitleOrIndicator) + std::to_string(c.Active) +
                     std::to_string(c.ColorCount));
        TDBGridLtStyle style;
        style.ScreenColorsChanged(c.ColorCount);
        TFont font;
        font.SetColor(clBlack);
        TColor background = back;
        EXPECT_EQ(style.HighlightFixedCellColor(c.Selected, c.TitleOrIndicator, c.Active, &font, background), c.Answer);
        EXPECT_EQ(background, c.Background);
        EXPECT_EQ(font.Color(), c.Font);
    }
}

TEST(GridStyle, DataCells)
{
    const TColor window = clWhite;
    TDataCellHighlightLt current;
    current.State = TGridDrawState{gdSelected, gdFocused};
    current.CurrentRow = current.CurrentColumn = true;
    current.GridFocused = current.SelectionActive = current.HighlightFocus = true;

    TDataCellHighlightLt selectedOther;
    selectedOther.InSelection = true;
    selectedOther.SelectionEmpty = false;
    selectedOther.SelectionActive = true;

    TDataCellHighlightLt rowNeighbour = current;
    rowNeighbour.State = {};
    rowNeighbour.CurrentColumn = false;
    rowNeighbour.RowHighlight = true;

    TDataCellHighlightLt unfocused = current;
    unfocused.GridFocused = unfocused.SelectionActive = false;

    TDataCellHighlightLt editing = current;
    editing.EditorShown = true;
    TDataCellHighlightLt editingRow = editing;
    editingRow.RowSelect = true;

    TDataCellHighlightLt plain;

    struct TCase {
        const char* Name;
        TDataCellHighlightLt Cell;
        bool Blend;
        int ColorCount;
        bool Answer;
        TColor Background, Font;
    };
    const TCase cases[] = {
        {"current cell", current, true, -1, true, clHighlight, clHighlightText},
        {"selected cell blended", selectedOther, true, -1, true, BlendColor(window, clHighlight, true), clBlack},
        {"selected cell unblended", selectedOther, false, -1, true, clHighlight, clHighlightText},
        {"selected cell 256 colours", selectedOther, true, 256, true, clHighlight, clHighlightText},
        {"row highlight", rowNeighbour, true, -1, true, BlendColor(window, clHighlight, true), clBlack},
        {"unfocused current cell", unfocused, true, -1, false, window, clBlack},
        {"editor shown", editing, true, -1, false, window, clBlack},
        {"editor shown in a row-select grid", editingRow, true, -1, true, clHighlight, clHighlightText},
        {"plain cell", plain, true, -1, false, window, clBlack},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TDBGridLtStyle style;
        style.SetBlendSelection(c.Blend);
        style.ScreenColorsChanged(c.ColorCount);
        TFont font;
        font.SetColor(clBlack);
        TColor background = window;
        EXPECT_EQ(style.HighlightDataCellColor(c.Cell, &font, background), c.Answer);
        EXPECT_EQ(background, c.Background);
        EXPECT_EQ(font.Color(), c.Font);
    }

    // Shown with dgAlwaysShowSelection while the grid has no focus.
    TDataCellHighlightLt always = unfocused;
    always.AlwaysShowSelection = true;
    TDataCellHighlightLt alwaysOther = always;
    alwaysOther.CurrentColumn = false;
    alwaysOther.InSelection = true;
    for (const int colors : {-1, 256}) {
        TDBGridLtStyle style;
        style.ScreenColorsChanged(colors);
        TFont font;
        TColor background = window;
        EXPECT_TRUE(style.HighlightDataCellColor(always, &font, background));
        EXPECT_EQ(background, clBtnShadow);
        EXPECT_EQ(font.Color(), clHighlightText);
        background = window;
        EXPECT_TRUE(style.HighlightDataCellColor(alwaysOther, &font, background));
        EXPECT_EQ(background, colors == -1 ? BlendColor(window, clBtnShadow, false) : clBtnFace);
    }
}

TEST(GridStyle, GridsFollowTheDefaultStyleUntilGivenAnotherAndADestroyedStyleLetsThemGo)
{
    TStepsGrid f;
    TDBGridLtStyle* standard = DefaultGridStyle();
    ASSERT_NE(standard, nullptr);
    EXPECT_EQ(f.Grid->Style(), standard);
    EXPECT_TRUE(standard->FollowsStyle(f.Grid));

    auto own = std::make_unique<TDBGridLtStyle>();
    auto* second = new TDBGridLt(f.Form.get());
    second->SetParent(f.Form.get());
    f.Grid->SetStyle(own.get());
    second->SetStyle(own.get());
    EXPECT_FALSE(standard->FollowsStyle(f.Grid));
    EXPECT_TRUE(own->FollowsStyle(f.Grid));
    EXPECT_TRUE(own->FollowsStyle(second));

    own.reset();
    EXPECT_EQ(f.Grid->Style(), nullptr);
    EXPECT_EQ(second->Style(), nullptr);
    // Without a style the grid paints in the plain colours.
    f.Grid->Widget()->grab();

    f.Grid->SetStyle(standard);
    const TDBGridLt* gone = second;
    delete second;
    EXPECT_FALSE(standard->FollowsStyle(gone)) << "a destroyed grid leaves its style";
    EXPECT_TRUE(standard->FollowsStyle(f.Grid));
}
