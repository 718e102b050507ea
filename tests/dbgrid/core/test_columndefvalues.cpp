// The grid-wide column defaults: what columns and titles follow, what a copy
// takes, and what a description stores.
#include <gtest/gtest.h>

#include "dbgrid/core/columndefvalueslt.h"
#include "platform/rtl/writer.h"
#include "tests/dbgrid/core/dbgridtesting.h"

TEST(ColumnDefValues, TitlesCentreUnderMultiLevelTitlesUnlessSet)
{
    TStepsGrid f;
    TColumnTitleDefValuesLt& title = *f.Grid->ColumnDefValues()->Title();
    TColumnTitleLt& caption = *f.Column(2)->Title();
    EXPECT_EQ(caption.Alignment(), taLeftJustify);
    f.Grid->SetUseMultiTitle(true);
    EXPECT_EQ(title.Alignment(), taCenter);
    EXPECT_EQ(caption.Alignment(), taCenter);
    title.SetAlignment(taRightJustify);
    EXPECT_EQ(caption.Alignment(), taRightJustify);
    f.Grid->SetUseMultiTitle(false);
    EXPECT_EQ(caption.Alignment(), taRightJustify);
    // The title colour is the grid's fixed colour until set.
    f.Grid->SetFixedColor(clInfoBk);
    EXPECT_EQ(caption.Color(), clInfoBk);
    title.SetColor(clAqua);
    f.Grid->SetFixedColor(clBtnFace);
    EXPECT_EQ(caption.Color(), clAqua);
}

TEST(ColumnDefValues, CopiesTakeWhatTheyShouldAndColumnsFollowUntilSet)
{
    TStepsGrid source;
    TStepsGrid target;
    TColumnDefValuesLt& from = *source.Grid->ColumnDefValues();
    TColumnDefValuesLt& to = *target.Grid->ColumnDefValues();
    from.Title()->SetAlignment(taRightJustify);
    from.Title()->SetColor(clAqua);
    from.Title()->SetOrientation(tohVertical);
    from.Title()->SetTitleButton(true);
    from.Title()->SetToolTips(true);
    from.Title()->SetEndEllipsis(true);
    from.SetAlwaysShowEditButton(true);
    from.SetEndEllipsis(true);
    from.SetAutoDropDown(true);
    from.SetDblClickNextVal(true);
    from.SetToolTips(true);
    from.SetDropDownSizing(true);
    from.SetDropDownShowTitles(true);
    from.SetLayout(tlCenter);
    from.SetHighlightRequired(true);
    from.Footer()->SetToolTips(true);

    to.Assign(&from);
    // A fresh title target keeps its alignment and colour defaults.
    EXPECT_EQ(to.Title()->Alignment(), taLeftJustify);
    EXPECT_EQ(to.Title()->Color(), target.Grid->FixedColor());
    EXPECT_EQ(to.Title()->Orientation(), tohVertical);
    EXPECT_TRUE(to.Title()->TitleButton());
    EXPECT_TRUE(to.Title()->ToolTips());
    EXPECT_TRUE(to.Title()->EndEllipsis());
    EXPECT_TRUE(to.AlwaysShowEditButton() && to.EndEllipsis() && to.AutoDropDown() && to.DblClickNextVal() &&
                to.ToolTips() && to.DropDownSizing() && to.DropDownShowTitles());
    EXPECT_EQ(to.Layout(), tlTop);
    EXPECT_FALSE(to.HighlightRequired());
    EXPECT_FALSE(to.Footer()->ToolTips());
    // A target whose alignment and colour are set takes the source's.
    to.Title()->SetAlignment(taCenter);
    to.Title()->SetColor(clYellow);
    to.Assign(&from);
    EXPECT_EQ(to.Title()->Alignment(), taRightJustify);
    EXPECT_EQ(to.Title()->Color(), clAqua);

    // Columns follow the defaults while their own value is not set.
    TColumnLt& column = *target.Column(1);
    EXPECT_TRUE(column.EndEllipsis());
    EXPECT_EQ(column.Title()->Orientation(), tohVertical);
    column.SetEndEllipsis(false);
    to.SetEndEllipsis(true);
    EXPECT_FALSE(column.EndEllipsis());
}

TEST(ColumnDefValues, OnlySetTitleAlignmentAndColourAreStored)
{
    TStepsGrid f;
    TColumnTitleDefValuesLt& title = *f.Grid->ColumnDefValues()->Title();
    title.SetAlignment(taLeftJustify);   // set, but equal to its default
    title.SetColor(clTeal);
    f.Grid->ColumnDefValues()->Footer()->SetToolTips(true);
    const std::string text = WriteComponentToText(*f.Grid);
    EXPECT_EQ(text.find("ColumnDefValues.Title.Alignment"), std::string::npos) << text;
    EXPECT_NE(text.find("ColumnDefValues.Title.Color = clTeal"), std::string::npos) << text;
    EXPECT_NE(text.find("ColumnDefValues.Footer.ToolTips = True"), std::string::npos) << text;
}
