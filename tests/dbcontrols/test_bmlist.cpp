#include <gtest/gtest.h>

#include "dbcontrols/bmlistlt.h"
#include "platform/data/clientdataset.h"
#include "platform/data/fields.h"
#include "platform/rtl/exceptions.h"
#include "tests/dbcontrols/tablefields.h"

namespace {
// The list over one table, as the grid's selection keeps it.
class TTableBMList : public TBMListLt {
public:
    explicit TTableBMList(TDataSet* DataSet) : FDataSet(DataSet) {}
    TDataSet* GetListDataSet() const override { return FDataSet; }
    void RefreshState() override { ++Refreshes; }
    int Refreshes = 0;

private:
    TDataSet* FDataSet;
};

class BookmarkList : public ::testing::Test {
protected:
    void SetUp() override
    {
        Owner = std::make_unique<TComponent>(nullptr);
        Table = new TClientDataSet(Owner.get());
        Id = AddTableField<TIntegerField>(Table, "FID");
        Table->SetIndexFieldNames("FID");
        Table->CreateDataSet();
        for (int id = 1; id <= 6; ++id) {
            Table->Append();
            Id->SetAsInteger(id * 10);
            Table->Post();
        }
        List = std::make_unique<TTableBMList>(Table);
        List->LinkStateChanged(true);
    }

    void Select(int Id)
    {
        ASSERT_TRUE(Table->Locate("FID", Variant(Id), {}));
        List->SelectCurrentRow(true);
    }

    std::vector<int> Ids()
    {
        std::vector<int> ids;
        for (Table->First(); !Table->Eof(); Table->Next())
            ids.push_back(Id->AsInteger());
        return ids;
    }

    std::unique_ptr<TComponent> Owner;
    TClientDataSet* Table = nullptr;
    TIntegerField* Id = nullptr;
    std::unique_ptr<TTableBMList> List;
};

TEST_F(BookmarkList, KeepsBookmarksInTableOrder)
{
    for (const int id : {50, 10, 30})
        Select(id);
    ASSERT_EQ(List->BookmarkCount(), 3);
    for (int i = 0; i < 3; ++i) {
        Table->GotoBookmark(List->BookmarkAt(i));
        EXPECT_EQ(Id->AsInteger(), (std::vector<int>{10, 30, 50})[static_cast<std::size_t>(i)]);
    }
    Table->Locate("FID", Variant(30), {});
    EXPECT_TRUE(List->IsCurrentRowSelected());
    EXPECT_EQ(List->IndexOfBookmark(Table->Bookmark()), 1);
    List->SelectCurrentRow(false);
    EXPECT_FALSE(List->IsCurrentRowSelected());
    EXPECT_EQ(List->BookmarkCount(), 2);
}

TEST_F(BookmarkList, LocateGivesTheInsertionPointOfAMissingBookmark)
{
    Select(20);
    Select(50);
    struct {
        int Id;
        bool Found;
        int Index;
    } cases[] = {{10, false, 0}, {20, true, 0}, {30, false, 1}, {50, true, 1}, {60, false, 2}};
    for (const auto& c : cases) {
        Table->Locate("FID", Variant(c.Id), {});
        int index = -1;
        EXPECT_EQ(List->LocateBookmark(Table->Bookmark(), index), c.Found) << c.Id;
        EXPECT_EQ(index, c.Index) << c.Id;
        EXPECT_EQ(List->LocateBookmark(Table->Bookmark(), index), c.Found) << c.Id << " from the cache";
        EXPECT_EQ(index, c.Index) << c.Id << " from the cache";
    }
}

TEST_F(BookmarkList, ClosedLinkRefusesTheCurrentBookmark)
{
    List->LinkStateChanged(false);
    try {
        List->CurrentBookmark();
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot perform this operation on a closed dataset");
    }
    EXPECT_THROW(List->SelectCurrentRow(true), Exception);
}

TEST_F(BookmarkList, DeletesTheSelectedRows)
{
    for (const int id : {20, 40, 60})
        Select(id);
    const int refreshes = List->Refreshes;
    List->DeleteRecords();
    EXPECT_EQ(Ids(), (std::vector<int>{10, 30, 50}));
    EXPECT_EQ(List->BookmarkCount(), 0);
    EXPECT_GT(List->Refreshes, refreshes);
    EXPECT_FALSE(Table->ControlsDisabled());
}

TEST_F(BookmarkList, DeletingPassesOverRowsThatAreGone)
{
    for (const int id : {20, 40, 60})
        Select(id);
    Table->Locate("FID", Variant(40), {});
    Table->Delete();
    List->DeleteRecords();
    EXPECT_EQ(Ids(), (std::vector<int>{10, 30, 50}));
    EXPECT_EQ(List->BookmarkCount(), 0);
}

TEST_F(BookmarkList, LinkChangesEmptyTheList)
{
    Select(10);
    List->LinkStateChanged(false);
    EXPECT_EQ(List->BookmarkCount(), 0);
    EXPECT_FALSE(List->LinkActive());
}
} // namespace
