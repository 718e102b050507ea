// Column footers on a client table: the defaults they follow, the
// aggregates each kind makes in the grid's sum list, the sums following
// edits made through the grid, and footers in a form description.
#include <gtest/gtest.h>

#include "dbgrid/core/columndefvalueslt.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "tests/dbgrid/core/dbgridtesting.h"

namespace {

// Steps 1..5 with FDELAY 100..500, footers active on one footer row.
struct TFooterGrid : TStepsGrid {
    TFooterGrid()
    {
        Grid->SetFooterRowCount(1);
        Grid->SumList()->SetActive(true);
    }
    TDBSumCollection& Sums() const { return *Grid->SumList()->SumCollection(); }
    TColumnLt* DelayColumn() const { return Column(1); }
};

} // namespace

TEST(ColumnFooter, SettingsFollowTheirDefaultsUntilSet)
{
    TFooterGrid f;
    TColumnFooterLt& delay = *f.DelayColumn()->Footer();
    TColumnFooterLt& name = *f.Column(2)->Footer();
    // Alignment from the field, colour and font from the grid.
    EXPECT_EQ(delay.Alignment(), taRightJustify);
    EXPECT_EQ(name.Alignment(), taLeftJustify);
    EXPECT_EQ(delay.Color(), clWindow);
    f.Grid->SetFooterColor(clInfoBk);
    EXPECT_EQ(delay.Color(), clInfoBk);
    f.Grid->FooterFont()->SetSize(14);
    EXPECT_EQ(delay.Font()->Size(), 14);
    EXPECT_FALSE(delay.ToolTips());
    f.Grid->ColumnDefValues()->Footer()->SetToolTips(true);
    EXPECT_TRUE(delay.ToolTips());

    // Set explicitly, they stay; a font edit is explicit too.
    delay.SetColor(clYellow);
    delay.SetAlignment(taCenter);
    delay.Font()->SetSize(9);
    delay.SetToolTips(false);
    f.Grid->SetFooterColor(clWindow);
    f.Grid->FooterFont()->SetSize(8);
    f.Grid->ColumnDefValues()->Footer()->SetToolTips(true);
    EXPECT_EQ(delay.ExplicitValues(), (TColumnFooterValuesLt{cfvAlignment, cfvFont, cfvColor, cfvToolTips}));
    EXPECT_EQ(delay.Color(), clYellow);
    EXPECT_EQ(delay.Alignment(), taCenter);
    EXPECT_EQ(delay.Font()->Size(), 9);
    EXPECT_FALSE(delay.ToolTips());

    // A copy takes the explicit settings; a reset drops them.
    name.Assign(&delay);
    EXPECT_EQ(name.Color(), clYellow);
    EXPECT_EQ(name.Font()->Size(), 9);
    delay.ResetToDefaults();
    EXPECT_EQ(delay.ExplicitValues(), TColumnFooterValuesLt{});
    EXPECT_EQ(delay.Color(), clWindow);
    EXPECT_EQ(delay.Alignment(), taRightJustify);
    EXPECT_EQ(delay.Font()->Size(), 8);
    EXPECT_TRUE(delay.ToolTips());
}

TEST(ColumnFooter, EachKindMakesItsAggregate)
{
    struct TCase {
        TFooterValueType Kind;
        const char* FieldName;
        bool HasSum;
        TGroupOperation Operation;
        const char* SumField;
        double Value;
    };
    const TCase cases[] = {
        {fvtSum, "", true, goSum, "FDELAY", 1500},
        {fvtSum, "FID", true, goSum, "FID", 15},
        {fvtAvg, "", true, goAvg, "FDELAY", 300},
        {fvtCount, "FDELAY", true, goCount, "", 5},
        {fvtNon, "", false, goSum, "", 0},
        {fvtFieldValue, "", false, goSum, "", 0},
        {fvtStaticText, "", false, goSum, "", 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Kind));
        TFooterGrid f;
        TColumnFooterLt& footer = *f.DelayColumn()->Footer();
        footer.SetFieldName(c.FieldName);
        footer.SetValueType(c.Kind);
        ASSERT_EQ(footer.SumItem() != nullptr, c.HasSum);
        EXPECT_EQ(f.Sums().Count(), c.HasSum ? 1 : 0);
        if (!c.HasSum)
            continue;
        EXPECT_EQ(footer.SumItem()->GroupOperation(), c.Operation);
        EXPECT_EQ(footer.SumItem()->FieldName(), c.SumField);
        EXPECT_DOUBLE_EQ(footer.SumItem()->SumValue().ToDouble(), c.Value);
        // Turned into a static text, the footer gives its item back.
        footer.SetValueType(fvtStaticText);
        EXPECT_EQ(footer.SumItem(), nullptr);
        EXPECT_EQ(f.Sums().Count(), 0);
    }
}

TEST(ColumnFooter, FooterRowsBindTheirOwnAggregatesAndLeaveWithTheColumn)
{
    TFooterGrid f;
    f.Grid->SetFooterRowCount(3);
    TColumnLt& column = *f.DelayColumn();
    column.Footer()->SetValueType(fvtCount);
    TColumnFooterLt* sum = column.Footers()->Add();
    TColumnFooterLt* avg = column.Footers()->Add();
    sum->SetValueType(fvtSum);
    avg->SetValueType(fvtAvg);
    EXPECT_EQ(column.FooterOfRow(0), sum);
    EXPECT_EQ(column.FooterOfRow(1), avg);
    EXPECT_EQ(column.FooterOfRow(2), column.Footer());
    ASSERT_EQ(f.Sums().Count(), 3);
    EXPECT_DOUBLE_EQ(avg->SumItem()->SumValue().ToDouble(), 300);

    column.Footers()->Delete(0);
    EXPECT_EQ(f.Sums().Count(), 2);
    // A hidden field takes its default column, and the column its footers.
    f.Delay->SetVisible(false);
    EXPECT_EQ(f.Sums().Count(), 0);
}

TEST(ColumnFooter, SumsFollowEditsMadeThroughTheGrid)
{
    TFooterGrid f;
    int recalcs = 0;
    int afterRecalcs = 0;
    f.Grid->SetOnSumListRecalcAll([&](TObject* Sender) {
        EXPECT_EQ(Sender, f.Grid->SumList());
        ++recalcs;
    });
    f.Grid->SetOnSumListAfterRecalcAll([&](TObject* Sender) {
        EXPECT_EQ(Sender, f.Grid->SumList());
        ++afterRecalcs;
    });
    TColumnFooterLt& total = *f.DelayColumn()->Footer();
    total.SetValueType(fvtSum);
    TColumnFooterLt& count = *f.Column(2)->Footer();
    count.SetValueType(fvtCount);
    EXPECT_GT(recalcs, 0);
    EXPECT_EQ(recalcs, afterRecalcs);
    const auto value = [](const TColumnFooterLt& Footer) { return Footer.SumItem()->SumValue().ToDouble(); };
    ASSERT_DOUBLE_EQ(value(total), 1500);

    // The third step edited in its delay cell, as the grid stores it.
    TDBGridLt& g = *f.Grid;
    f.Table->MoveBy(2);
    g.SetSelectedIndex(1);
    const int passes = recalcs;
    ASSERT_TRUE(g.DataLink()->Edit());
    f.DelayColumn()->StoreValue("350", Variant("350"), true);
    f.Table->Post();
    EXPECT_DOUBLE_EQ(value(total), 1550);
    EXPECT_EQ(recalcs, passes);   // no pass for one edit
    f.Table->Delete();
    EXPECT_DOUBLE_EQ(value(total), 1200);
    EXPECT_DOUBLE_EQ(value(count), 4);
    f.AddRow(9, 50, "Схема 9", "1");
    EXPECT_DOUBLE_EQ(value(total), 1250);
    EXPECT_DOUBLE_EQ(value(count), 5);

    // Switched off, the grid's sums stop and the table keeps its handlers.
    g.SumList()->SetActive(false);
    EXPECT_DOUBLE_EQ(value(total), 0);
    EXPECT_FALSE(static_cast<bool>(f.Table->AfterPost()));
}

TEST(ColumnFooter, FootersAndTheSumListInAFormDescription)
{
    TestApplication();
    TForm form(nullptr);
    form.SetName("Form1");
    auto* g = new TDBGridLt(&form);
    g->SetName("grdSteps");
    g->SetParent(&form);
    TColumnLt& delay = *g->Columns()->Add();
    delay.SetFieldName("FDELAY");
    delay.Footer()->SetValueType(fvtSum);
    delay.Footer()->SetDisplayFormat("0 мс");
    TColumnFooterLt& caption = *delay.Footers()->Add();
    caption.SetValueType(fvtStaticText);
    caption.SetValue("Итого");
    caption.SetToolTips(true);
    g->SumList()->SetActive(true);
    g->SumList()->SetVirtualRecords(true);
    const std::string text = WriteComponentToText(form);
    for (const char* line : {"Footer.DisplayFormat = '0 мс'", "Footer.ValueType = fvtSum", "Footers = <",
                             "Value = 'Итого'", "ValueType = fvtStaticText", "ToolTips = True",
                             "SumList.Active = True", "SumList.VirtualRecords = True"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;

    TForm again(nullptr);
    ReadComponentFromText(again, text, "footers");
    auto* read = dynamic_cast<TDBGridLt*>(again.FindComponent("grdSteps"));
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->Columns()->Count(), 1);
    EXPECT_EQ(read->Columns()->Items(0)->FooterOfRow(0)->Value(), "Итого");
    EXPECT_EQ(read->Columns()->Items(0)->FooterOfRow(1)->ValueType(), fvtSum);
    EXPECT_EQ(read->SumList()->SumCollection()->Count(), 1);
    EXPECT_TRUE(read->SumList()->Active());
    EXPECT_EQ(WriteComponentToText(again), text);
}
