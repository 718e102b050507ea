// Fields named by ';'-separated lists, on a real client dataset.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "dbcontrols/fieldlists.h"
#include "dbcontrols/ltplatform.h"
#include "platform/data/clientdataset.h"
#include "platform/data/fields.h"
#include "platform/rtl/exceptions.h"
#include "tests/dbcontrols/tablefields.h"

namespace {

class FieldLists : public ::testing::Test {
protected:
    void SetUp() override
    {
        Owner = std::make_unique<TComponent>(nullptr);
        Table = new TClientDataSet(Owner.get());
        Table->SetName("cdsTable");
        A = AddTableField<TIntegerField>(Table, "A");
        B = AddTableField<TStringField>(Table, "B", 20);
        Table->CreateDataSet();
        Table->Append();
        A->SetAsInteger(7);
        B->SetAsString("seven");
        Table->Post();
    }

    std::unique_ptr<TComponent> Owner;
    TClientDataSet* Table = nullptr;
    TIntegerField* A = nullptr;
    TStringField* B = nullptr;
};

TEST_F(FieldLists, NamesGiveTheirFieldsInOrder)
{
    TFieldsArrLt fields;
    GetFieldsArray(Table, Table, "B;A", fields);
    EXPECT_EQ(fields, (TFieldsArrLt{B, A}));
    GetFieldsArray(Table, Table, "A;B", fields);
    EXPECT_EQ(fields, (TFieldsArrLt{A, B}));
}

TEST_F(FieldLists, UnknownNameRaisesNamingTheComponentAndNothingIsAdded)
{
    const struct {
        const char* Names;
        const char* Message;
    } cases[] = {
        {"A;X", "cdsTable: Field 'X' not found"},
        {"Y", "cdsTable: Field 'Y' not found"},
        {"A;B;Zed;Q", "cdsTable: Field 'Zed' not found"},
    };
    for (const auto& c : cases) {
        std::vector<TField*> list{B};
        try {
            CollectFieldsByNames(&list, Table, Table, c.Names);
            ADD_FAILURE() << "no error for " << c.Names;
        } catch (const EDatabaseError& e) {
            EXPECT_EQ(std::string(e.what()), c.Message);
        }
        EXPECT_EQ(list, (std::vector<TField*>{B})) << c.Names;
    }
}

TEST_F(FieldLists, AssignFieldValuesClearsOnNullAndSetsFromArrays)
{
    Table->Edit();
    AssignFieldValues(Table, "A;B", Variant::ArrayOf({3, "three"}));
    EXPECT_EQ(A->AsInteger(), 3);
    EXPECT_EQ(B->AsString(), "three");
    AssignFieldValues(Table, "A", Variant(4));
    EXPECT_EQ(A->AsInteger(), 4);
    AssignFieldValues(Table, "A;B", Variant::Null());
    EXPECT_TRUE(A->IsNull());
    EXPECT_TRUE(B->IsNull());
    Table->Cancel();
}

TEST_F(FieldLists, BookmarksCompareInRowOrder)
{
    const std::string first = Table->Bookmark();
    Table->Append();
    A->SetAsInteger(8);
    Table->Post();
    const std::string second = Table->Bookmark();
    EXPECT_LT(DataSetCompareBookmarks(Table, first, second), 0);
    EXPECT_GT(DataSetCompareBookmarks(Table, second, first), 0);
    EXPECT_EQ(DataSetCompareBookmarks(Table, first, first), 0);
}

} // namespace
