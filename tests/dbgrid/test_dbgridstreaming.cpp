// A form description holding a data grid with stored columns: read, bound
// to a client table, and written back to the same text.
#include <gtest/gtest.h>

#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "tests/dbgrid/dbgridtesting.h"

namespace {
const char* const kLightingForm = R"(object Form1: TForm
  object dsLighting: TDataSource
  end
  object grdLighting: TDBGridLt
    Left = 0
    Top = 24
    Width = 254
    Height = 251
    Hint = 'Состояние каналов по выбранной схеме'
    AllowedOperations = [alopUpdateLt]
    Color = clBtnFace
    Columns = <
      item
        FieldName = 'FDELAY'
        Title.Caption = 'мс'
        Width = 40
      end
      item
        DblClickNextVal = True
        FieldName = 'F1'
        KeyList.Strings = (
          '1'
          '0')
        ReadOnly = True
        Title.Caption = '  1'
        Title.Orientation = tohVertical
        Width = 17
      end>
    DataSource = dsLighting
    Flat = True
    FrozenCols = 1
    Options = [dgEditing, dgTitles, dgColLines, dgRowLines, dgTabs, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit, dgMultiSelect]
    RowHeight = 12
    UseMultiTitle = True
  end
end
)";
} // namespace

TEST(DBGridStreaming, AFormDescriptionHoldsAGridWithItsColumns)
{
    TStepsGrid f;
    TForm form(nullptr);
    ReadComponentFromText(form, kLightingForm, "lighting");
    auto* grid = dynamic_cast<TDBGridLt*>(form.FindComponent("grdLighting"));
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->Columns()->Count(), 2);
    EXPECT_TRUE(grid->Columns()->Customized());
    TColumnLt* channel = grid->Columns()->Items(1);
    EXPECT_EQ(channel->Title()->Orientation(), tohVertical);
    EXPECT_TRUE(channel->DblClickNextVal());
    EXPECT_TRUE(channel->ReadOnly());
    EXPECT_EQ(channel->KeyList()->Count(), 2);
    EXPECT_EQ(grid->RowHeight(), 12);
    EXPECT_EQ(grid->DefaultRowHeight(), 12);
    EXPECT_EQ(grid->Options(), (TDBGridOptions{dgEditing, dgTitles, dgColLines, dgRowLines, dgTabs,
                                               dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit,
                                               dgMultiSelect}));

    // Bound to the steps table, the stored columns find their fields.
    auto* source = dynamic_cast<TDataSource*>(form.FindComponent("dsLighting"));
    source->SetDataSet(f.Table);
    EXPECT_EQ(grid->Columns()->Count(), 2);
    EXPECT_EQ(grid->Columns()->Items(0)->BoundField(), f.Delay);
    EXPECT_EQ(channel->BoundField(), f.Channel);
    EXPECT_EQ(grid->FixedCols(), 1);   // no indicator, one frozen column
    EXPECT_EQ(grid->TCustomGridLt::FrozenCols(), 1);
    EXPECT_EQ(grid->ColWidths(1), 17);

    source->SetDataSet(nullptr);
    const std::string written = WriteComponentToText(form);
    for (const char* line : {"FrozenCols = 1", "RowHeight = 12", "Title.Orientation = tohVertical",
                             "DblClickNextVal = True", "Title.Caption = '  1'", "DataSource = dsLighting"})
        EXPECT_NE(written.find(line), std::string::npos) << line;
    TForm again(nullptr);
    ReadComponentFromText(again, written, "written");
    EXPECT_EQ(WriteComponentToText(again), written);
}
