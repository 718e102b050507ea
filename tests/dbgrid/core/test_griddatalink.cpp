// The data grid's link: the re-entrancy guard of UpdateData, Reset with
// and without a pending cell edit, the field map's growth and limit, and
// the lenient map.
#include <gtest/gtest.h>

#include "dbgrid/engine/inplaceedit.h"
#include "platform/rtl/exceptions.h"
#include "tests/dbgrid/core/dbgridtesting.h"

TEST(GridDataLink, UpdateDataFromInsideItsOwnWriteReturnsAtOnce)
{
    TStepsGrid f;
    TDBGridLt& g = *f.Grid;
    g.SetFocus();
    g.SetSelectedIndex(2);
    int writes = 0;
    f.Column(2)->SetOnUpdateData([&](TObject*, std::string&, Variant&, bool&, bool&) {
        ++writes;
        f.Table->UpdateRecord();   // asks the link for its data again
    });
    f.Table->Edit();
    g.ShowEditor();
    ASSERT_NE(g.InplaceEditor(), nullptr);
    g.InplaceEditor()->SetText("Новая");
    g.DataLink()->CellModified();
    f.Table->Post();
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(f.Name->AsString(), "Новая");
    EXPECT_FALSE(g.DataLink()->IsCellModified());
}

TEST(GridDataLink, ResetCancelsTheEditOrOnlyReloadsAPendingCell)
{
    TStepsGrid f;
    TGridDataLinkLt& link = *f.Grid->DataLink();
    f.Table->Edit();
    f.Delay->SetAsInteger(999);
    link.CellModified();
    link.Reset();
    EXPECT_EQ(f.Table->State(), dsEdit);
    EXPECT_FALSE(link.IsCellModified());
    link.Reset();
    EXPECT_EQ(f.Table->State(), dsBrowse);
    EXPECT_EQ(f.Delay->AsInteger(), 100);
}

TEST(GridDataLink, FieldMapGrowsByDoublingUpToItsLimit)
{
    struct Case {
        int Capacity, Count, Grown;
    };
    for (const Case c : {Case{0, 0, 8}, Case{8, 8, 16}, Case{16, 40, 41},
                         Case{0x0C000000, 0x0C000000, TGridDataLinkLt::kMaxMapCount},
                         Case{TGridDataLinkLt::kMaxMapCount - 1, TGridDataLinkLt::kMaxMapCount - 1,
                              TGridDataLinkLt::kMaxMapCount}})
        EXPECT_EQ(TGridDataLinkLt::GrownMapCapacity(c.Capacity, c.Count), c.Grown) << c.Capacity;

    TStepsGrid f;
    TGridDataLinkLt& link = *f.Grid->DataLink();
    link.ClearFieldMap();
    for (int i = 0; i < 9; ++i)
        link.MapField("FID");
    EXPECT_EQ(link.MapCount(), 9);
    EXPECT_EQ(link.MapCapacity(), 16);
    EXPECT_EQ(link.MappedField(8), f.Fid);
    EXPECT_EQ(link.MappedField(9), nullptr);
    EXPECT_EQ(link.MappedField(-1), nullptr);
}

TEST(GridDataLink, UnknownNamesRaiseUnlessTheMapIsLenient)
{
    TStepsGrid f;
    // A table with default fields, made from its definitions.
    auto* table = new TClientDataSet(f.Form.get());
    table->FieldDefs().push_back({"FID", ftInteger});
    table->CreateDataSet();
    f.Source->SetDataSet(table);
    TGridDataLinkLt& link = *f.Grid->DataLink();
    ASSERT_TRUE(table->DefaultFields());
    link.ClearFieldMap();
    EXPECT_THROW(link.MapField("FNONE"), EDatabaseError);
    EXPECT_TRUE(link.UsesDefaultFields());
    link.SetLenientMap(true);
    link.MapField("FID");
    EXPECT_TRUE(link.UsesDefaultFields());
    link.MapField("FNONE");
    EXPECT_EQ(link.MappedField(0), table->FieldByName("FID"));
    EXPECT_EQ(link.MappedField(1), nullptr);
    EXPECT_FALSE(link.UsesDefaultFields());
}
