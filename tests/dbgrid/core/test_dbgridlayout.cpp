// The data grid's layout on a client table: default and stored columns,
// row and title heights, the buffer window, frozen columns, automatic
// width fitting and the options mapped to the engine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dbcontrols/dropdownplace.h"
#include "platform/ui/widgetbridge.h"
#include "tests/dbgrid/core/dbgridtesting.h"

TEST(DBGridLayout, DefaultColumnsFollowTheFieldsAndAClosedTableClearsThem)
{
    TStepsGrid f;
    TDBGridLt& g = *f.Grid;
    ASSERT_EQ(g.Columns()->Count(), 4);
    EXPECT_FALSE(g.Columns()->Customized());
    EXPECT_EQ(f.Column(2)->BoundField(), f.Name);
    EXPECT_EQ(f.Column(2)->Title()->Caption(), "FNAME");
    EXPECT_EQ(g.ColCount(), 5);   // the indicator and four fields
    EXPECT_EQ(g.ColWidths(0), TCustomDBGridLt::kIndicatorWidth);
    EXPECT_EQ(g.RowCount(), 1 + 5);
    f.Fid->SetVisible(false);
    EXPECT_EQ(g.Columns()->Count(), 3);
    EXPECT_EQ(f.Column(0)->BoundField(), f.Delay);
    // Persistent fields keep the default columns of a closed table.
    f.Table->Close();
    EXPECT_EQ(g.Columns()->Count(), 3);
    EXPECT_EQ(g.RowCount(), 2);
}

namespace {
// The field names of the grid's columns, in column order.
std::vector<std::string> ColumnFields(const TDBGridLt& Grid)
{
    std::vector<std::string> names;
    for (int i = 0; i < Grid.Columns()->Count(); ++i)
        names.push_back(Grid.Columns()->Items(i)->FieldName());
    return names;
}
} // namespace

TEST(DBGridLayout, AMovedDefaultColumnMovesItsFieldAndKeepsItsPlace)
{
    TStepsGrid f;
    TDBGridLt& g = *f.Grid;
    const std::vector<std::string> moved{"FDELAY", "FNAME", "FID", "F1"};
    f.Column(0)->SetIndex(2);
    EXPECT_EQ(ColumnFields(g), moved);
    EXPECT_EQ(f.Fid->Index(), 2);
    g.LayoutChanged();
    EXPECT_EQ(ColumnFields(g), moved);
    EXPECT_FALSE(g.Columns()->Customized());
    // Back to the front, past the end: the field follows either way.
    f.Column(2)->SetIndex(0);
    g.LayoutChanged();
    EXPECT_EQ(ColumnFields(g), (std::vector<std::string>{"FID", "FDELAY", "FNAME", "F1"}));
    f.Column(1)->SetIndex(9);
    g.LayoutChanged();
    EXPECT_EQ(ColumnFields(g), (std::vector<std::string>{"FID", "FNAME", "F1", "FDELAY"}));
    EXPECT_EQ(f.Delay->Index(), 3);
    // Stored columns move alone.
    for (int i = 0; i < 4; ++i)
        f.Column(i)->SetStored(true);
    f.Column(0)->SetIndex(1);
    g.LayoutChanged();
    EXPECT_EQ(ColumnFields(g), (std::vector<std::string>{"FNAME", "FID", "F1", "FDELAY"}));
    EXPECT_EQ(f.Fid->Index(), 0);
}

TEST(DBGridLayout, AGridWithoutDataShowsOneEmptyRowAndItsTitles)
{
    TestApplication();
    TForm form(nullptr);
    auto* grid = new TDBGridLt(&form);
    EXPECT_EQ(grid->Columns()->Count(), 1);
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->FixedRows(), 1);
}

TEST(DBGridLayout, AnEmptyTableMakesItsOneEmptyRowCurrentWithOrWithoutTitles)
{
    struct TCase {
        const char* Name;
        bool Titles;
        int Rows;   // the table's records before its last one is deleted
    };
    for (const TCase c : {TCase{"titles, an empty table", true, 0}, TCase{"no titles, an empty table", false, 0},
                          TCase{"titles, the last record deleted", true, 1},
                          TCase{"no titles, the last record deleted", false, 1}}) {
        SCOPED_TRACE(c.Name);
        TStepsGrid f(c.Rows);
        TDBGridLt& g = *f.Grid;
        g.SetDataSource(nullptr);
        if (!c.Titles)
            g.SetOptions(g.Options() - TDBGridOptions{dgTitles});
        EXPECT_NO_THROW(g.SetDataSource(f.Source));
        if (c.Rows > 0)
            EXPECT_NO_THROW(f.Table->Delete());
        ASSERT_TRUE(f.Table->IsEmpty());
        EXPECT_EQ(g.RowCount(), g.TitleRowCount() + 1);
        EXPECT_EQ(g.Row(), g.TitleRowCount());
        EXPECT_GE(g.Row(), g.FixedRows());
        // The first record made is shown in that row.
        EXPECT_NO_THROW(f.AddRow(1, 100, "Схема 1", "1"));
        EXPECT_EQ(g.Row(), g.TitleRowCount());
    }
}

TEST(DBGridLayout, StoredColumnsKeepTheirOrderAndBindByName)
{
    TStepsGrid f;
    TDBGridLt& g = *f.Grid;
    g.Columns()->Clear();
    TColumnLt* name = g.Columns()->Add();
    name->SetFieldName("FNAME");
    TColumnLt* delay = g.Columns()->Add();
    delay->SetFieldName("FDELAY");
    EXPECT_TRUE(g.Columns()->Customized());
    ASSERT_EQ(g.Columns()->Count(), 2);
    EXPECT_EQ(name->BoundField(), f.Name);
    EXPECT_EQ(delay->BoundField(), f.Delay);
    EXPECT_EQ(g.DataLink()->MapCount(), 2);
    EXPECT_EQ(g.DataLink()->MappedField(1), f.Delay);
}

TEST(DBGridLayout, RowHeightIsExactWhateverTheFontAndFitsToText)
{
    TStepsGrid f;
    TDBGridLt& g = *f.Grid;
    for (const int size : {8, 14, 20}) {
        g.Font()->SetSize(size);
        g.SetRowHeight(12);
        EXPECT_EQ(g.DefaultRowHeight(), 12) << size;
        g.SetRowHeight(0);
    }
    g.Font()->SetSize(8);
    const int oneLine = g.DefaultRowHeight();
    g.SetRowHeight(-5);
    EXPECT_EQ(g.RowHeight(), 0);
    // Fitting to text snaps a height to whole lines: 2.4 lines become 2,
    // 2.6 lines become 3.
    TCanvas canvas;
    canvas.Font()->Assign(g.Font());
    const int text = canvas.TextHeight("Wg");
    const int base = 3 + 1;
    g.SetOptionsLt(g.OptionsLt() + TDBGridLtOptions{dghFitRowHeightToText});
    g.BeginLayout();
    g.SetRowHeight(base + text * 2 + text * 2 / 5);
    g.SetRowLines(0);
    g.EndLayout();
    EXPECT_EQ(g.DefaultRowHeight(), 2 * text + base);
    EXPECT_EQ(g.RowLines(), 2);
    EXPECT_EQ(g.RowHeight(), base);
    g.BeginLayout();
    g.SetRowHeight(base + text * 2 + text * 3 / 5);
    g.SetRowLines(0);
    g.EndLayout();
    EXPECT_EQ(g.DefaultRowHeight(), 3 * text + base);
    EXPECT_GT(oneLine, 0);
}

TEST(DBGridLayout, BufferCountFollowsTheClientHeight)
{
    TStepsGrid f(30, 300, 200);
    TDBGridLt& g = *f.Grid;
    g.SetRowHeight(20);
    // The rows shown whole, lines between them.
    const int line = g.VertAxis().LineWidth;
    const int title = g.RowHeights(0) + line;
    const int whole = (200 - title + line) / (20 + line);
    EXPECT_EQ(g.DataLink()->BufferCount(), whole);
    EXPECT_EQ(g.RowCount(), 1 + whole);
    g.SetHeight(title + 10);
    EXPECT_EQ(g.DataLink()->BufferCount(), 1);
    // The current row follows the table's cursor.
    g.SetHeight(200);
    f.Table->MoveBy(3);
    EXPECT_EQ(g.Row(), 1 + g.DataLink()->ActiveRecord());
    EXPECT_EQ(g.Row(), 4);
}

TEST(DBGridLayout, FrozenColumnsCountVisibleColumnsAndNegativeIsZero)
{
    TStepsGrid f;
    TDBGridLt& g = *f.Grid;
    f.Column(0)->SetVisible(false);
    g.SetFrozenCols(1);
    // indicator, the hidden FID, the frozen FDELAY
    EXPECT_EQ(g.FixedCols(), 3);
    EXPECT_EQ(g.TCustomGridLt::FrozenCols(), 2);
    EXPECT_LT(g.ColWidths(1), 1);
    EXPECT_GT(g.ColWidths(2), 0);
    g.SetFrozenCols(-3);
    EXPECT_EQ(g.FrozenCols(), 0);
    EXPECT_EQ(g.FixedCols(), 1);
}

TEST(DBGridLayout, AutoFitSharesTheRoomWithinMinAndMaxWidths)
{
    TStepsGrid f(3, 400, 150);
    TDBGridLt& g = *f.Grid;
    g.SetOptions(g.Options() - TDBGridOptions{dgIndicator, dgColLines});
    for (int i = 0; i < 4; ++i)
        f.Column(i)->SetWidth(50);
    f.Column(1)->SetMaxWidth(60);
    g.SetAutoFitColWidths(true);
    int sum = 0;
    for (int i = 0; i < 4; ++i)
        sum += f.Column(i)->Width();
    EXPECT_EQ(f.Column(1)->Width(), 60);
    EXPECT_EQ(sum, g.ClientWidth());
    // Another round shares the rest among the columns still in range.
    EXPECT_NEAR(f.Column(0)->Width(), (g.ClientWidth() - 60) / 3, 1);
    // Initial widths that sum to nothing leave the widths alone.
    for (int i = 0; i < 4; ++i)
        f.Column(i)->SetInitialWidth(0);
    const int before = f.Column(0)->Width();
    g.LayoutChanged();
    EXPECT_EQ(f.Column(0)->Width(), before);
}

TEST(DBGridLayout, AutoFitDefaultColumnsFillTheClientWidthExactly)
{
    // The room the cells take: the indicator and the visible columns, each
    // with its line.
    const auto taken = [](const TDBGridLt& Grid) {
        int width = TCustomDBGridLt::kIndicatorWidth + Grid.GridLineWidth();
        for (int i = 0; i < Grid.Columns()->Count(); ++i)
            width += Grid.Columns()->Items(i)->Width() + Grid.GridLineWidth();
        return width;
    };
    TStepsGrid f(3, 200, 150);
    TDBGridLt& g = *f.Grid;
    g.SetBorderStyle(bsSingle);
    g.SetAutoFitColWidths(true);
    EXPECT_FALSE(g.Columns()->Customized());
    EXPECT_EQ(taken(g), g.ClientWidth());
    g.SetCol(g.ColCount() - 1);
    EXPECT_EQ(g.FirstShownCol(), g.FixedCols()) << "the first column stays in sight";
    g.SetWidth(260);
    EXPECT_EQ(taken(g), g.ClientWidth());
    const std::vector<int> wide{f.Column(0)->Width(), f.Column(1)->Width(), f.Column(2)->Width()};
    g.SetWidth(200);
    EXPECT_EQ(taken(g), g.ClientWidth());
    g.SetWidth(260);
    EXPECT_EQ((std::vector<int>{f.Column(0)->Width(), f.Column(1)->Width(), f.Column(2)->Width()}), wide)
        << "the proportions do not drift";

    // Columns made from the fields after fitting was turned on fit as well.
    TStepsGrid later(3, 200, 150);
    later.Grid->SetDataSource(nullptr);
    later.Grid->SetAutoFitColWidths(true);
    later.Grid->SetDataSource(later.Source);
    ASSERT_EQ(later.Grid->Columns()->Count(), 4);
    EXPECT_EQ(taken(*later.Grid), later.Grid->ClientWidth());
    EXPECT_GT(later.Column(2)->Width(), later.Column(3)->Width()) << "FNAME is wider than F1";
}

TEST(DBGridLayout, RowSelectRemovesEditingOptions)
{
    TStepsGrid f;
    TDBGridLt& g = *f.Grid;
    g.SetOptions(TDBGridOptions{dgEditing, dgAlwaysShowEditor, dgRowSelect, dgTitles});
    EXPECT_EQ(g.Options(), (TDBGridOptions{dgRowSelect, dgTitles}));
    EXPECT_TRUE(g.TCustomGridLt::Options().Contains(goRowSelect));
    EXPECT_FALSE(g.TCustomGridLt::Options().Contains(goEditing));
    EXPECT_FALSE(g.TCustomGridLt::Options().Contains(goVertLine));
    EXPECT_EQ(g.IndicatorOffset(), 0);
}

TEST(DBGridLayout, ALockedLayoutRunsOnceFromItsOwnMessage)
{
    TStepsGrid f;
    TDBGridLt& g = *f.Grid;
    g.BeginLayout();
    g.SetRowHeight(30);
    EXPECT_NE(g.DefaultRowHeight(), 30);
    EXPECT_TRUE(IsMessagePending(&g, CM_DBGRIDLAYOUTLT));
    EXPECT_NE(CM_DBGRIDLAYOUTLT, WM_DROPDOWNSIDE);
    g.EndLayout();
    EXPECT_EQ(g.DefaultRowHeight(), 30);
}
