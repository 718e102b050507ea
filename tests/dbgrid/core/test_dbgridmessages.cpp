// The data grid's answers to window and component messages: it paints
// every pixel itself, asks for characters when incremental search comes
// first, and its footers follow the parent's font and colour.
#include <gtest/gtest.h>

#include "tests/dbgrid/core/dbgridtesting.h"

TEST(DBGridMessages, BackgroundAndDialogCodes)
{
    TStepsGrid f;
    EXPECT_EQ(f.Grid->Perform(WM_ERASEBKGND, 0, 0), 1) << "the grid paints every pixel itself";

    f.Grid->SetOptions(f.Grid->Options() - TDBGridOptions{dgEditing});
    EXPECT_EQ(f.Grid->Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS, 0U);
    f.Grid->SetOptionsLt(f.Grid->OptionsLt() + TDBGridLtOptions{dghPreferIncSearch});
    const auto code = static_cast<unsigned>(f.Grid->Perform(WM_GETDLGCODE, 0, 0));
    EXPECT_NE(code & DLGC_WANTCHARS, 0U);
    EXPECT_NE(code & DLGC_WANTARROWS, 0U) << "the engine's answer stays";
}

TEST(DBGridMessages, FootersFollowTheParentsFontAndColour)
{
    TStepsGrid f;
    f.Grid->SetParentFont(true);
    f.Grid->SetParentColor(true);
    f.Form->Font()->SetSize(14);
    EXPECT_EQ(f.Grid->Font()->Size(), 14);
    EXPECT_EQ(f.Grid->FooterFont()->Size(), 14);
    EXPECT_EQ(f.Grid->TitleFont()->Size(), 14);
    f.Form->SetColor(clAqua);
    EXPECT_EQ(f.Grid->FooterColor(), clAqua);

    // A grid with fonts and colours of its own keeps its footers'.
    f.Grid->SetParentFont(false);
    f.Grid->SetParentColor(false);
    f.Form->Font()->SetSize(9);
    f.Form->SetColor(clYellow);
    EXPECT_EQ(f.Grid->FooterFont()->Size(), 14);
    EXPECT_EQ(f.Grid->FooterColor(), clAqua);
}
