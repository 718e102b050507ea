// Values of every kind a client table holds, through posting, editing,
// undoing and merging the log, and the filtered and indexed views over rows
// that change.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "platform/data/clientdataset.h"
#include "platform/data/fields.h"
#include "platform/rtl/datetime.h"

namespace {

class ValuesTable : public testing::Test {
protected:
    void SetUp() override
    {
        Owner = std::make_unique<TComponent>(nullptr);
        Table = new TClientDataSet(Owner.get());
        Id = MakeField<TIntegerField>("ID");
        Count = MakeField<TIntegerField>("COUNT");
        Big = MakeField<TLargeintField>("BIG");
        Day = MakeField<TDateField>("DAY");
        When = MakeField<TDateTimeField>("WHEN");
        Name = MakeField<TStringField>("NAME");
        Name->SetSize(10);
        Table->SetIndexFieldNames("ID");
        Table->CreateDataSet();
    }

    template <class F>
    F* MakeField(const char* name)
    {
        auto* f = new F(Owner.get());
        f->SetFieldName(name);
        f->SetDataSet(Table);
        return f;
    }

    void AddRow(int id, int64_t big, const Variant& name)
    {
        Table->Append();
        Id->SetAsInteger(id);
        Big->SetAsLargeInt(big);
        Name->SetValue(name);
        Table->Post();
    }

    // The IDs of the shown rows in order.
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
    TIntegerField* Count = nullptr;
    TLargeintField* Big = nullptr;
    TDateField* Day = nullptr;
    TDateTimeField* When = nullptr;
    TStringField* Name = nullptr;
};

TEST_F(ValuesTable, EveryKindOfValueReadsBackAfterPostEditUndoAndMerge)
{
    const std::string emoji = "\xF0\x9F\x98\x80";
    std::string tenEmoji;
    for (int i = 0; i < 10; ++i)
        tenEmoji += emoji;
    const struct {
        const char* What;
        TField* Field;
        Variant Value;
        Variant Expected;
    } cases[] = {
        {"Null text", Name, Variant::Null(), Variant::Null()},
        {"empty text", Name, Variant(std::string()), Variant(std::string())},
        {"ten Cyrillic letters", Name, Variant("Абвгдежзий"), Variant("Абвгдежзий")},
        {"ten four-byte characters: the longest text", Name, Variant(tenEmoji), Variant(tenEmoji)},
        {"eleven characters, cut to ten", Name, Variant(tenEmoji + "x"), Variant(tenEmoji)},
        {"largest 64-bit integer", Big, Variant(std::numeric_limits<int64_t>::max()),
         Variant(std::numeric_limits<int64_t>::max())},
        {"smallest 64-bit integer", Big, Variant(std::numeric_limits<int64_t>::min()),
         Variant(std::numeric_limits<int64_t>::min())},
        {"Null integer", Big, Variant::Null(), Variant::Null()},
        // An integer field writes Int64 values.
        {"largest integer", Count, Variant(std::numeric_limits<int>::max()),
         Variant(int64_t{std::numeric_limits<int>::max()})},
        {"leap day", Day, Variant::FromDateTime(EncodeDate(2024, 2, 29)), Variant::FromDateTime(EncodeDate(2024, 2, 29))},
        {"date and time to the millisecond", When,
         Variant::FromDateTime(EncodeDate(1850, 1, 1) + EncodeTime(6, 30, 0, 250)),
         Variant::FromDateTime(EncodeDate(1850, 1, 1) + EncodeTime(6, 30, 0, 250))},
        {"Null date", When, Variant::Null(), Variant::Null()},
    };
    const int count = static_cast<int>(std::size(cases));
    // Row i + 1 holds case i.
    const auto expectValues = [&](const char* when) {
        for (int i = 0; i < count; ++i) {
            const auto& c = cases[i];
            SCOPED_TRACE(std::string(c.What) + " " + when);
            ASSERT_TRUE(Table->Locate("ID", Variant(i + 1), {}));
            const Variant value = c.Field->Value();
            EXPECT_EQ(value.VarType(), c.Expected.VarType());
            EXPECT_TRUE(value == c.Expected) << VarToStr(value);
            EXPECT_EQ(c.Field->IsNull(), c.Expected.IsNull());
        }
    };
    for (int i = 0; i < count; ++i) {
        Table->Append();
        Id->SetAsInteger(i + 1);
        cases[i].Field->SetValue(cases[i].Value);
        Table->Post();
    }
    expectValues("posted");

    // Every row edited in another column, then the edits taken back.
    for (Table->First(); !Table->Eof(); Table->Next()) {
        Table->Edit();
        (Name->IsNull() ? static_cast<TField*>(Big) : Name)->Clear();
        Table->Post();
    }
    for (int i = 0; i < count; ++i)
        Table->UndoLastChange(false);
    expectValues("edited and undone");
    Table->MergeChangeLog();
    expectValues("merged");
    EXPECT_EQ(Table->ChangeCount(), 0);
}

TEST_F(ValuesTable, NullAndEmptyTextsAreDifferentValuesToLocateFiltersAndTheIndex)
{
    AddRow(1, 0, Variant("b"));
    AddRow(2, 0, Variant(std::string()));
    AddRow(3, 0, Variant::Null());
    AddRow(4, 0, Variant("a"));
    Table->SetIndexFieldNames("NAME");
    EXPECT_EQ(Ids(), (std::vector<int>{3, 2, 4, 1}));
    ASSERT_TRUE(Table->Locate("NAME", Variant(std::string()), {}));
    EXPECT_EQ(Id->AsInteger(), 2);
    ASSERT_TRUE(Table->Locate("NAME", Variant::Null(), {}));
    EXPECT_EQ(Id->AsInteger(), 3);
    Table->SetFilter("NAME is null");
    Table->SetFiltered(true);
    EXPECT_EQ(Ids(), (std::vector<int>{3}));
    Table->SetFilter("NAME = ''");
    EXPECT_EQ(Ids(), (std::vector<int>{2}));
}

// One change after another over rows shown filtered (BIG >= 100) in the
// order of NAME: what is shown, and where the changed row's bookmark leads.
TEST_F(ValuesTable, AChangedRowUndoneAndChangedAgainKeepsTheFilteredAndIndexedViewsRight)
{
    AddRow(1, 100, Variant("m"));
    AddRow(2, 50, Variant("a"));
    AddRow(3, 300, Variant("c"));
    Table->MergeChangeLog();
    Table->SetIndexFieldNames("NAME");
    Table->SetFilter("BIG >= 100");
    Table->SetFiltered(true);
    ASSERT_TRUE(Table->Locate("ID", Variant(1), {}));
    const std::string first = Table->Bookmark();

    const auto change = [this, &first](int64_t big, const Variant& name) {
        return [this, &first, big, name] {
            Table->GotoBookmark(first);
            Table->Edit();
            Big->SetAsLargeInt(big);
            Name->SetValue(name);
            Table->Post();
        };
    };
    const auto undo = [this] { Table->UndoLastChange(true); };
    const struct {
        const char* What;
        std::function<void()> Step;
        std::vector<int> Shown;
        TUpdateStatus Status;       // of row 1 (when shown)
        int Changes;
    } steps[] = {
        {"moved to the front of the index", change(150, Variant("a")), {1, 3}, usModified, 1},
        {"undone", undo, {3, 1}, usUnmodified, 0},
        {"changed out of the filter", change(99, Variant("m")), {3}, usModified, 1},
        {"undone back into it", undo, {3, 1}, usUnmodified, 0},
        {"changed again", change(1000, Variant("zz")), {3, 1}, usModified, 1},
        {"an empty name: first", change(1000, Variant(std::string())), {1, 3}, usModified, 2},
        {"undone to the end", undo, {3, 1}, usModified, 1},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.What);
        s.Step();
        EXPECT_EQ(Ids(), s.Shown);
        EXPECT_EQ(Table->ChangeCount(), s.Changes);
        if (Table->BookmarkValid(first)) {
            Table->GotoBookmark(first);
            EXPECT_EQ(Id->AsInteger(), 1);
            EXPECT_EQ(Table->UpdateStatus(), s.Status);
        }
    }
    Table->SetFiltered(false);
    Table->CancelUpdates();
    EXPECT_EQ(Ids(), (std::vector<int>{2, 3, 1}));
    ASSERT_TRUE(Table->Locate("ID", Variant(1), {}));
    EXPECT_EQ(Big->AsLargeInt(), 100);
    EXPECT_EQ(Name->AsString(), "m");
}

} // namespace
