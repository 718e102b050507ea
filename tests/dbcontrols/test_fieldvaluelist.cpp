#include <gtest/gtest.h>

#include "dbcontrols/fieldvaluelistlt.h"
#include "platform/data/clientdataset.h"
#include "platform/data/fields.h"
#include "tests/dbcontrols/tablefields.h"

namespace {
class FieldValueList : public ::testing::Test {
protected:
    void SetUp() override
    {
        Owner = std::make_unique<TComponent>(nullptr);
        Table = new TClientDataSet(Owner.get());
        Name = AddTableField<TStringField>(Table, "FNAME", 20);
        Table->CreateDataSet();
        for (const char* s : {"Звезда", "arc", "Beam", "ARC", "звезда", "beam"})
            Add(s);
    }

    void Add(const std::string& S)
    {
        Table->Append();
        Name->SetAsString(S);
        Table->Post();
    }

    static std::vector<std::string> ItemsOf(const TStrings& List)
    {
        std::vector<std::string> items;
        for (int i = 0; i < List.Count(); ++i)
            items.push_back(List.Get(i));
        return items;
    }

    std::unique_ptr<TComponent> Owner;
    TClientDataSet* Table = nullptr;
    TStringField* Name = nullptr;
};

TEST_F(FieldValueList, DistinctValuesSortedWithoutCase)
{
    TDatasetFieldValueListLt list;
    list.BindDataSet(Table);
    list.BindField("FNAME");
    EXPECT_EQ(ItemsOf(*list.ValueStrings()), (std::vector<std::string>{"arc", "Beam", "Звезда"}));
    EXPECT_FALSE(list.Obsolete());
    EXPECT_TRUE(Table->Eof()) << "left on the last row";
}

TEST_F(FieldValueList, ReadsAgainAfterTheDataChanged)
{
    TDatasetFieldValueListLt list;
    list.BindDataSet(Table);
    list.BindField("FNAME");
    list.ValueStrings();
    Add("Cone");
    EXPECT_TRUE(list.Obsolete());
    EXPECT_EQ(ItemsOf(*list.ValueStrings()), (std::vector<std::string>{"arc", "Beam", "Cone", "Звезда"}));
    list.BindField("FOTHER");
    EXPECT_TRUE(list.ValueStrings()->Count() == 0) << "no such field: no values";
    EXPECT_TRUE(list.Obsolete());
}
} // namespace
