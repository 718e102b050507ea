// What the grid library sets up when it loads: the columns' storage
// interceptors (a stored width under automatic fitting, a stored column
// order) and the default style.
#include <gtest/gtest.h>

#include "dbgrid/core/columninterceptors.h"
#include "dbgrid/core/gridlibrarysetup.h"
#include "dbgrid/core/gridstylelt.h"
#include "platform/rtl/reader.h"
#include "tests/dbgrid/core/dbgridtesting.h"

namespace {
const char* const kFittedGrid = R"(object Form1: TForm
  object grdSteps: TDBGridLt
    Width = 300
    Height = 120
    AutoFitColWidths = True
    Columns = <
      item
        FieldName = 'FDELAY'
        Width = 40
      end
      item
        FieldName = 'FNAME'
        Width = 120
      end>
  end
end
)";
} // namespace

TEST(GridLibrarySetup, ColumnsAndTheirCollectionsAreReadThroughTheirInterceptors)
{
    TStepsGrid f;
    const auto columnInterceptor = CreatePropertyInterceptor(f.Column(0));
    EXPECT_NE(dynamic_cast<TColumnLtPropertyInterceptor*>(columnInterceptor.get()), nullptr);
    const auto columnsInterceptor = CreatePropertyInterceptor(f.Grid->Columns());
    EXPECT_NE(dynamic_cast<TColumnsLtPropertyInterceptor*>(columnsInterceptor.get()), nullptr);

    ASSERT_NE(DefaultGridStyle(), nullptr);
    EXPECT_TRUE(DefaultGridStyle()->BlendSelection());
    EXPECT_FALSE(DefaultGridStyle()->FilterApplyOnCloseUp());
    EXPECT_TRUE(DefaultGridStyle()->FocusFrames());
}

TEST(GridLibrarySetup, StoredWidthUnderAutomaticFittingIsWhereFittingStarts)
{
    TestApplication();
    TForm form(nullptr);
    ReadComponentFromText(form, kFittedGrid, "fitted");
    auto* grid = dynamic_cast<TDBGridLt*>(form.FindComponent("grdSteps"));
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->Columns()->Count(), 2);
    const TColumnLt* delay = grid->Columns()->Items(0);
    const TColumnLt* name = grid->Columns()->Items(1);
    EXPECT_EQ(delay->InitialWidth(), 40) << "the stored widths keep their proportion";
    EXPECT_EQ(name->InitialWidth(), 120);

    TColumnLt* column = grid->Columns()->Items(1);
    TColumnLtPropertyInterceptor interceptor(column);
    interceptor.SetWidth(55);
    EXPECT_EQ(column->FitBaseWidth(), 55);
    EXPECT_EQ(interceptor.Width(), 55) << "the base width, whatever the fitted one";
    grid->SetAutoFitColWidths(false);
    column->SetWidth(77);
    EXPECT_EQ(interceptor.Width(), 77);
    interceptor.SetWidth(90);
    EXPECT_EQ(column->Width(), 90);
    EXPECT_EQ(column->FitBaseWidth(), 55) << "without fitting only the width is read";
}

TEST(GridLibrarySetup, ColumnsIndexListsAndRestoresTheColumnOrder)
{
    TStepsGrid f;
    for (TColumnLt* column : {f.Column(0), f.Column(1), f.Column(2), f.Column(3)})
        column->SetStored(true);
    TColumnsLtPropertyInterceptor interceptor(f.Grid->Columns());
    EXPECT_EQ(interceptor.ColumnsIndex(), R"("FID","FDELAY","FNAME","F1")");

    // Names match whatever their case; an unknown name is passed over.
    interceptor.SetColumnsIndex(R"("fname","NOSUCH","F1")");
    EXPECT_EQ(interceptor.ColumnsIndex(), R"("FNAME","FID","F1","FDELAY")");
    interceptor.SetColumnsIndex("");
    EXPECT_EQ(interceptor.ColumnsIndex(), R"("FNAME","FID","F1","FDELAY")");
}
