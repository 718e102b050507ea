// A form description holding a data grid with stored columns: read, bound
// to a client table, and written back to the same text; a form whose grid
// names handlers of the form for the grid's drawing and moving events.
#include <gtest/gtest.h>

#include <set>

#include "platform/rtl/reader.h"
#include "platform/rtl/classbuilder.h"
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

// A form with a handler for each drawing, footer, title button and record
// moving event of the grid; each notes that it ran.
class TGridEventsForm : public TForm {
    LT_CLASS(TGridEventsForm)
public:
    explicit TGridEventsForm(TComponent* AOwner) : TForm(AOwner) {}
    std::set<std::string> Raised;

    void GridDrawColumnCell(TObject*, const TRect&, int, TColumnLt*, TGridDrawState) { Raised.insert("DrawColumnCell"); }
    void GridDrawDataCell(TObject*, const TRect&, TField*, TGridDrawState) { Raised.insert("DrawDataCell"); }
    void GridDrawFooterCell(TObject*, int, int, TColumnLt*, const TRect&, TGridDrawState)
    {
        Raised.insert("DrawFooterCell");
    }
    void GridGetBtnParams(TObject*, TColumnLt*, TFont*, TColor&, TSortMarkerLt&, bool) { Raised.insert("GetBtnParams"); }
    void GridGetFooterParams(TObject*, int, int, TColumnLt*, TFont*, TColor&, TAlignment&, TGridDrawState,
                             std::string& Text)
    {
        Raised.insert("GetFooterParams");
        Text = "footer";
    }
    bool GridMoveRecords(TObject*, TBMListLt*, int ToRecNo, int, bool CheckOnly)
    {
        Raised.insert("MoveRecords");
        return CheckOnly && ToRecNo == 2;
    }
};

const char* const kEventsForm = R"(object GridEventsForm: TGridEventsForm
  object dsSteps: TDataSource
  end
  object grdSteps: TDBGridLt
    Left = 0
    Top = 0
    Width = 300
    Height = 150
    DataSource = dsSteps
    FooterRowCount = 1
    OnDrawColumnCell = GridDrawColumnCell
    OnDrawDataCell = GridDrawDataCell
    OnDrawFooterCell = GridDrawFooterCell
    OnGetBtnParams = GridGetBtnParams
    OnGetFooterParams = GridGetFooterParams
    OnMoveRecords = GridMoveRecords
  end
end
)";
} // namespace

LT_IMPLEMENT_CLASS(TGridEventsForm, TForm)
{
    P.Method("GridDrawColumnCell", &TGridEventsForm::GridDrawColumnCell);
    P.Method("GridDrawDataCell", &TGridEventsForm::GridDrawDataCell);
    P.Method("GridDrawFooterCell", &TGridEventsForm::GridDrawFooterCell);
    P.Method("GridGetBtnParams", &TGridEventsForm::GridGetBtnParams);
    P.Method("GridGetFooterParams", &TGridEventsForm::GridGetFooterParams);
    P.Method("GridMoveRecords", &TGridEventsForm::GridMoveRecords);
}

TEST(DBGridStreaming, AFormDescriptionNamesTheGridsDrawingAndMovingHandlers)
{
    TStepsGrid f;
    TGridEventsForm form(nullptr);
    ReadComponentFromText(form, kEventsForm, "events");
    auto* grid = dynamic_cast<TDBGridLt*>(form.FindComponent("grdSteps"));
    ASSERT_NE(grid, nullptr);
    dynamic_cast<TDataSource*>(form.FindComponent("dsSteps"))->SetDataSet(f.Table);
    grid->SetParent(&form);
    ShowForm(form, 320, 170);
    Grab(*grid);
    EXPECT_EQ(form.Raised, (std::set<std::string>{"DrawColumnCell", "DrawDataCell", "DrawFooterCell",
                                                  "GetBtnParams", "GetFooterParams"}));
    ASSERT_TRUE(grid->OnMoveRecords());
    EXPECT_TRUE(grid->OnMoveRecords()(grid, grid->SelectedRows(), 2, 0, true));
    EXPECT_TRUE(form.Raised.count("MoveRecords"));

    const std::string written = WriteComponentToText(form);
    for (const char* line : {"OnDrawColumnCell = GridDrawColumnCell", "OnDrawDataCell = GridDrawDataCell",
                             "OnDrawFooterCell = GridDrawFooterCell", "OnGetBtnParams = GridGetBtnParams",
                             "OnGetFooterParams = GridGetFooterParams", "OnMoveRecords = GridMoveRecords"})
        EXPECT_NE(written.find(line), std::string::npos) << line;
}

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
