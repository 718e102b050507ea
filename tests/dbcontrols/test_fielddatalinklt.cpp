// The edit controls' data link: its own value while unbound, a client
// dataset's field while bound.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "dbcontrols/fielddatalinklt.h"
#include "platform/data/clientdataset.h"
#include "platform/data/fields.h"
#include "platform/rtl/exceptions.h"
#include "tests/dbcontrols/tablefields.h"

namespace {

struct TLinkProbe {
    TFieldDataLinkLt Link{nullptr};
    std::vector<std::string> Calls;
    TLinkProbe()
    {
        Link.OnDataChange = [this] { Calls.push_back("data"); };
        Link.OnEditingChange = [this] { Calls.push_back("editing"); };
        Link.OnUpdateData = [this] { Calls.push_back("update"); };
    }
};

TEST(FieldDataLinkLt, UnboundItKeepsTheValueAndEditsOnlyWhenNotReadOnly)
{
    TLinkProbe p;
    EXPECT_TRUE(p.Link.Unbound());
    EXPECT_TRUE(p.Link.ActiveLt());
    EXPECT_TRUE(p.Link.UnboundValue().IsNull());

    p.Link.SetReadOnly(true);
    EXPECT_FALSE(p.Link.StartEditing()) << "a read-only link does not start";
    p.Link.SetReadOnly(false);
    EXPECT_TRUE(p.Link.StartEditing());
    p.Link.MarkModified();
    p.Link.PostText("abc");
    EXPECT_EQ(p.Link.UnboundValue().AsString(), "abc");
    EXPECT_FALSE(p.Link.Modified()) << "posting shows the value and clears modified";

    p.Link.MarkModified();
    p.Link.UpdateDataLt();
    EXPECT_FALSE(p.Link.EditingLt()) << "saving ends the editing";
    EXPECT_EQ(p.Calls, (std::vector<std::string>{"editing", "data", "update", "editing"}));
}

class BoundLink : public ::testing::Test {
protected:
    void SetUp() override
    {
        Owner = std::make_unique<TComponent>(nullptr);
        Table = new TClientDataSet(Owner.get());
        Name = AddTableField<TStringField>(Table, "FNAME", 10);
        Table->CreateDataSet();
        Table->Append();
        Name->SetAsString("first");
        Table->Post();
        Source = new TDataSource(Owner.get());
        Source->SetDataSet(Table);
    }
    std::unique_ptr<TComponent> Owner;
    TClientDataSet* Table = nullptr;
    TStringField* Name = nullptr;
    TDataSource* Source = nullptr;
};

TEST_F(BoundLink, BindingFindsTheFieldEditsTheDatasetAndPostsText)
{
    TLinkProbe p;
    p.Link.PostValue(Variant(std::string("kept")));
    p.Link.SetDataSourceLt(Source);
    p.Link.SetFieldName("FNAME");
    EXPECT_FALSE(p.Link.Unbound());
    EXPECT_EQ(p.Link.Field(), Name);
    EXPECT_TRUE(p.Link.UnboundValue().IsNull()) << "leaving the unbound state forgets its value";

    EXPECT_TRUE(p.Link.StartEditing());
    EXPECT_EQ(Table->State(), dsEdit);
    p.Link.PostText("second");
    EXPECT_EQ(Name->AsString(), "second");
    Table->Post();

    EXPECT_THROW(p.Link.SetFieldName("NOPE"), Exception) << "an unknown field name is an error";
}

} // namespace
