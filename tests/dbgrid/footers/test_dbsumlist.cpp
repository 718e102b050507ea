#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "dbgrid/footers/dbsumlist.h"
#include "platform/data/datasource.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "tests/dbgrid/footers/sumlisttable.h"

namespace {
struct TItemSpec {
    TGroupOperation Operation;
    const char* FieldName;
};

// Every kind of aggregate over both value fields.
const std::vector<TItemSpec> AllItems{{goSum, "FAMOUNT"}, {goAvg, "FAMOUNT"}, {goCount, "FAMOUNT"},
                                      {goCount, ""},      {goSum, "FQTY"},    {goAvg, "FQTY"}};

class SumList : public ::testing::Test {
protected:
    void SetUp() override
    {
        Producer.SetOnRecalcAll([this](TObject*) { ++Passes; });
    }

    TDBSum* AddSum(TGroupOperation Operation, const std::string& FieldName)
    {
        TDBSum* sum = Producer.SumCollection()->Add();
        sum->SetGroupOperation(Operation);
        sum->SetFieldName(FieldName);
        return sum;
    }

    void AddItems(const std::vector<TItemSpec>& Items)
    {
        for (const TItemSpec& item : Items)
            AddSum(item.Operation, item.FieldName);
    }

    void GoToId(int Id)
    {
        ASSERT_TRUE(T.Table->Locate("FID", Variant(Id), {}));
    }

    void EditAmount(int Id, const Variant& Value)
    {
        GoToId(Id);
        T.Table->Edit();
        T.Amount->SetValue(Value);
        T.Table->Post();
    }

    TSumListTable<> T;
    TDBSumListProducer Producer{nullptr};
    int Passes = 0;
};

Currency Amount(double Value)
{
    return Currency(Value);
}

TEST_F(SumList, PostingAnEditAdjustsTheSumWithoutAPass)
{
    T.Add(1, 5.0, 1);
    T.Add(2, 10.0, 2);
    TDBSum* sum = AddSum(goSum, "FAMOUNT");
    Producer.SetDataSet(T.Table);
    EXPECT_EQ(sum->SumValue(), Amount(15));
    const int passes = Passes;
    EditAmount(1, 7.0);
    EXPECT_EQ(sum->SumValue(), Amount(17)) << "5 -> 7 adds 2";
    EXPECT_EQ(Passes, passes) << "no pass for an edit";
}

TEST_F(SumList, AverageLeavesNullsOut)
{
    T.Add(1, 2.0, Variant::Null());
    T.Add(2, Variant::Null(), Variant::Null());
    T.Add(3, 4.0, Variant::Null());
    TDBSum* avg = AddSum(goAvg, "FAMOUNT");
    TDBSum* emptyAvg = AddSum(goAvg, "FQTY");
    Producer.SetDataSet(T.Table);
    EXPECT_EQ(avg->SumValue(), Amount(3));
    EXPECT_EQ(avg->NotNullCount(), 2);
    EXPECT_EQ(emptyAvg->SumValue(), Amount(0)) << "no values: 0";
    EditAmount(2, 6.0);
    EXPECT_EQ(avg->SumValue(), Amount(4));
    EXPECT_EQ(avg->NotNullCount(), 3);
    EditAmount(1, Variant::Null());
    EXPECT_EQ(avg->SumValue(), Amount(5)) << "(6 + 4) / 2";
    EXPECT_EQ(avg->NotNullCount(), 2);
}

TEST_F(SumList, CountWithoutAFieldCountsRecordsWithAFieldItsValues)
{
    T.Add(1, 1.0, 1);
    T.Add(2, 2.0, Variant::Null());
    T.Add(3, 3.0, 3);
    TDBSum* records = AddSum(goCount, "");
    TDBSum* values = AddSum(goCount, "FQTY");
    Producer.SetDataSet(T.Table);
    EXPECT_EQ(records->SumValue(), Amount(3));
    EXPECT_EQ(values->SumValue(), Amount(2));
    T.Add(4, 4.0, Variant::Null());
    EXPECT_EQ(records->SumValue(), Amount(4));
    EXPECT_EQ(values->SumValue(), Amount(2));
    GoToId(3);
    T.Table->Delete();
    EXPECT_EQ(records->SumValue(), Amount(3));
    EXPECT_EQ(values->SumValue(), Amount(1));
}

TEST_F(SumList, AnInsertedRowWithStartingValuesCountsOnce)
{
    T.Add(1, 1.0, 1);
    TDBSum* values = AddSum(goCount, "FQTY");
    TDBSum* qty = AddSum(goSum, "FQTY");
    Producer.SetDataSet(T.Table);
    T.Table->SetOnNewRecord([this](TDataSet*) { T.Qty->SetAsInteger(5); });
    T.Table->Append();
    T.Id->SetAsInteger(2);
    T.Table->Post();
    EXPECT_EQ(values->SumValue(), Amount(2));
    EXPECT_EQ(qty->SumValue(), Amount(6));
}

TEST_F(SumList, DeletingARowBeingEditedTakesOutItsStoredValues)
{
    T.Add(1, 5.0, 1);
    T.Add(2, 10.0, Variant::Null());
    AddItems(AllItems);
    Producer.SetDataSet(T.Table);
    GoToId(2);
    T.Table->Edit();
    T.Amount->SetAsFloat(100.0);
    T.Qty->SetAsInteger(7);
    T.Table->Delete();
    TDBSumCollection* sums = Producer.SumCollection();
    EXPECT_EQ(sums->GetSumByOpAndFName(goSum, "FAMOUNT")->SumValue(), Amount(5));
    EXPECT_EQ(sums->GetSumByOpAndFName(goAvg, "FAMOUNT")->SumValue(), Amount(5));
    EXPECT_EQ(sums->GetSumByOpAndFName(goCount, "FAMOUNT")->SumValue(), Amount(1));
    EXPECT_EQ(sums->GetSumByOpAndFName(goCount, "")->SumValue(), Amount(1));
    EXPECT_EQ(sums->GetSumByOpAndFName(goSum, "FQTY")->SumValue(), Amount(1));
    EXPECT_EQ(sums->GetSumByOpAndFName(goAvg, "FQTY")->NotNullCount(), 1);
}

TEST_F(SumList, APassWhileEditingCountsThePostedValueOnce)
{
    T.Add(1, 5.0, 1);
    TDBSum* sum = AddSum(goSum, "FAMOUNT");
    Producer.SetDataSet(T.Table);
    T.Table->Edit();
    T.Amount->SetAsFloat(8.0);
    Producer.RecalcAll();   // the pass posts the edit first
    EXPECT_EQ(T.Table->State(), dsBrowse);
    EXPECT_EQ(sum->SumValue(), Amount(8));
}

// The aggregates an independent walk over the shown rows gives.
struct TExpected {
    Currency Sum;
    Currency Avg;
    int NotNull = 0;
    Currency Count;
};

TExpected Expect(TDataSet* Table, const TItemSpec& Item)
{
    TExpected result;
    Currency total;
    for (int row = 0; row < Table->RowCount(); ++row) {
        const Variant value =
            Item.FieldName[0] ? Table->GetFieldValueAt(*Table->FieldByName(Item.FieldName), row) : Variant(1);
        if (value.IsNull())
            continue;
        total += Currency(value.AsDouble());
        ++result.NotNull;
    }
    result.Sum = total;
    result.Avg = result.NotNull ? total / Currency(result.NotNull) : Currency();
    result.Count = Currency(result.NotNull);
    return result;
}

Currency ExpectedValue(TDataSet* Table, const TItemSpec& Item)
{
    const TExpected expected = Expect(Table, Item);
    switch (Item.Operation) {
    case goSum:
        return expected.Sum;
    case goAvg:
        return expected.Avg;
    case goCount:
        return expected.Count;
    }
    return {};
}

class RandomEdits : public SumList {
protected:
    Variant RandomAmount()
    {
        if (Random() % 5 == 0)
            return Variant::Null();
        return Variant(static_cast<double>(static_cast<int>(Random() % 2000001) - 1000000) / 100000.0);
    }

    Variant RandomQty()
    {
        if (Random() % 5 == 0)
            return Variant::Null();
        return Variant(static_cast<int>(Random() % 101));
    }

    void GoToRandomRow()
    {
        T.Table->First();
        T.Table->MoveBy(static_cast<int>(Random() % static_cast<unsigned>(T.Table->RecordCount())));
    }

    void SetRandomValues()
    {
        if (Random() % 2)
            T.Amount->SetValue(RandomAmount());
        if (Random() % 2)
            T.Qty->SetValue(RandomQty());
    }

    // One random change; returns what it did.
    std::string Step()
    {
        const bool empty = T.Table->IsEmpty();
        const unsigned kind = empty ? 2 + Random() % 2 : Random() % 7;
        switch (kind) {
        case 0:
        case 1:
            GoToRandomRow();
            T.Table->Edit();
            SetRandomValues();
            if (kind == 0) {
                T.Table->Post();
                return "edit";
            }
            T.Table->Cancel();
            return "edit, cancel";
        case 2:
        case 3:
            if (!empty)
                GoToRandomRow();
            if (Random() % 2)
                T.Table->Insert();
            else
                T.Table->Append();
            T.Id->SetAsInteger(NextId++);
            SetRandomValues();
            if (kind == 2) {
                T.Table->Post();
                return "insert";
            }
            T.Table->Cancel();
            return "insert, cancel";
        case 4:
            GoToRandomRow();
            T.Table->Delete();
            return "delete";
        case 5:
            GoToRandomRow();
            T.Table->Edit();
            SetRandomValues();
            T.Table->Delete();
            return "edit, delete";
        default:
            GoToRandomRow();
            T.Table->Edit();
            T.Id->SetAsInteger(NextId++);
            SetRandomValues();
            T.Table->Post();
            return "edit moving the row";
        }
    }

    // The producer's running values against a fresh producer's pass and
    // against a walk of the rows.
    void ExpectFreshPassAgrees(const std::string& Where)
    {
        TDBSumListProducer fresh(nullptr);
        fresh.SumCollection()->Assign(Producer.SumCollection());
        fresh.SetDataSet(T.Table);
        for (std::size_t i = 0; i < AllItems.size(); ++i) {
            const TDBSum* running = Producer.SumCollection()->Items(static_cast<int>(i));
            const TDBSum* passed = fresh.SumCollection()->Items(static_cast<int>(i));
            const std::string item = Where + ", item " + std::to_string(i);
            EXPECT_EQ(running->SumValue(), passed->SumValue()) << item;
            EXPECT_EQ(passed->SumValue(), ExpectedValue(T.Table, AllItems[i])) << item;
            if (running->GroupOperation() == goAvg) {
                EXPECT_EQ(running->AvgSum(), passed->AvgSum()) << item;
                EXPECT_EQ(running->NotNullCount(), passed->NotNullCount()) << item;
            }
        }
    }

    std::mt19937 Random;
    int NextId = 1;
};

TEST_F(RandomEdits, RunningSumsMatchAFreshPassAfterEveryChange)
{
    AddItems(AllItems);
    Producer.SetDataSet(T.Table);
    // New rows start with values of their own, as a default would give.
    T.Table->SetOnNewRecord([this](TDataSet*) {
        if (Random() % 2)
            T.Qty->SetAsInteger(1);
    });
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
        Random.seed(seed);
        for (int step = 0; step < 150; ++step) {
            const std::string did = Step();
            ASSERT_EQ(T.Table->State(), dsBrowse);
            ExpectFreshPassAgrees("seed " + std::to_string(seed) + ", step " + std::to_string(step) + ": " + did);
            if (HasFailure())
                return;
        }
    }
}

// Changes the producer hears of only afterwards: the change log taken back,
// and posts that take the record out of the filter. The sums stay those of
// the rows shown, and the cursor stays where the change left it.
TEST(SumListFollows, UndoCancelUpdatesAndPostsThatLeaveTheFilter)
{
    using TTable = TSumListTable<>;
    const auto goTo = [](TTable& t, int Id) { ASSERT_TRUE(t.Table->Locate("FID", Variant(Id), {})); };
    const auto edit = [goTo](TTable& t, int Id, const Variant& Value) {
        goTo(t, Id);
        t.Table->Edit();
        t.Amount->SetValue(Value);
        t.Table->Post();
    };
    struct TCase {
        const char* Name;
        const char* Filter;
        std::function<void(TTable&)> Change;
        int CurrentId;   // 0: not looked at
    };
    const std::vector<TCase> cases{
        {"undo an edit", "", [&](TTable& t) { edit(t, 2, 20.0); t.Table->UndoLastChange(true); }, 2},
        {"undo an insert", "", [&](TTable& t) { t.Add(6, 6.0, 60); t.Table->UndoLastChange(true); }, 0},
        {"undo a delete", "", [&](TTable& t) { goTo(t, 3); t.Table->Delete(); t.Table->UndoLastChange(true); }, 3},
        {"cancel updates", "",
         [&](TTable& t) {
             edit(t, 2, Variant::Null());
             t.Add(6, 6.0, 60);
             goTo(t, 4);
             t.Table->Delete();
             t.Table->CancelUpdates();
         },
         0},
        {"undo while filtered", "FAMOUNT < 4", [&](TTable& t) { edit(t, 1, 2.5); t.Table->UndoLastChange(true); }, 1},
        {"an edit leaves the filter", "FAMOUNT < 4", [&](TTable& t) { edit(t, 2, 10.0); }, 0},
        {"the last shown record leaves", "FAMOUNT < 4", [&](TTable& t) { edit(t, 3, Variant::Null()); }, 0},
        {"an insert outside the filter", "FAMOUNT < 4", [&](TTable& t) { t.Add(6, 10.0, 60); }, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TTable t;
        for (int id = 1; id <= 5; ++id)
            t.Add(id, static_cast<double>(id), id == 4 ? Variant::Null() : Variant(id * 10));
        t.Table->SetFilter(c.Filter);
        t.Table->SetFiltered(c.Filter[0] != 0);
        TDBSumListProducer producer(nullptr);
        for (const TItemSpec& item : AllItems) {
            TDBSum* sum = producer.SumCollection()->Add();
            sum->SetGroupOperation(item.Operation);
            sum->SetFieldName(item.FieldName);
        }
        producer.SetDataSet(t.Table);
        c.Change(t);
        ASSERT_EQ(t.Table->State(), dsBrowse);
        for (std::size_t i = 0; i < AllItems.size(); ++i)
            EXPECT_EQ(producer.SumCollection()->Items(static_cast<int>(i))->SumValue(),
                      ExpectedValue(t.Table, AllItems[i]))
                << "item " << i;
        if (c.CurrentId > 0)
            EXPECT_EQ(t.Id->AsInteger(), c.CurrentId);
    }
}

TEST_F(SumList, ChangingTheFilterRecalculatesOnTheNextScroll)
{
    for (int id = 1; id <= 5; ++id)
        T.Add(id, static_cast<double>(id), id);
    TDBSum* sum = AddSum(goSum, "FAMOUNT");
    Producer.SetDataSet(T.Table);
    T.Table->SetFiltered(true);
    T.Table->SetFilter("FAMOUNT > 3");
    EXPECT_EQ(sum->SumValue(), Amount(9));
    EXPECT_EQ(T.Table->RecNo(), 1) << "a pass leaves the first record current";
    const int passes = Passes;
    T.Table->Next();
    EXPECT_EQ(Passes, passes) << "the same filter: no pass";
    T.Table->SetFilter("FAMOUNT < 3");
    EXPECT_EQ(sum->SumValue(), Amount(3));
    T.Table->SetFiltered(false);
    EXPECT_EQ(sum->SumValue(), Amount(15));
}

TEST_F(SumList, ExternalRecalcLeavesTheSumsToTheHandler)
{
    T.Add(1, 5.0, 1);
    TDBSum* sum = AddSum(goSum, "FAMOUNT");
    Producer.SetExternalRecalc(true);
    Producer.SetDataSet(T.Table);
    EXPECT_EQ(sum->SumValue(), Amount(0));
    Producer.SetOnRecalcAll([&](TObject*) { sum->SetSumValue(Amount(42)); });
    T.Table->Close();
    T.Table->CreateDataSet();
    EXPECT_EQ(sum->SumValue(), Amount(42));
    T.Add(1, 5.0, 1);
    Producer.SetOnRecalcAll(nullptr);
    Producer.SetExternalRecalc(false);
    EXPECT_EQ(sum->SumValue(), Amount(5));
}

TEST_F(SumList, ClosingResetsAndOpeningRecalculates)
{
    T.Add(1, 5.0, 1);
    TDBSum* sum = AddSum(goSum, "FAMOUNT");
    Producer.SetDataSet(T.Table);
    T.Table->Close();
    EXPECT_EQ(sum->SumValue(), Amount(0));
    T.Table->CreateDataSet();
    T.Add(1, 3.0, 1);
    EXPECT_EQ(sum->SumValue(), Amount(3));
}

struct THookCase {
    const char* Name;
    void (TDataSet::*Install)(TDataSetNotifyEvent);
    std::function<void(TSumListTable<>&)> Trigger;
    bool OwnWorkFirst;
};

TEST_F(SumList, OwnWorkRunsBeforeOrAfterTheReplacedHandler)
{
    const std::vector<THookCase> cases{
        {"after post", &TDataSet::SetAfterPost, [](auto& t) { t.Add(9, 1.0, 1); }, true},
        {"after open", &TDataSet::SetAfterOpen, [](auto& t) { t.Table->Close(); t.Table->CreateDataSet(); }, true},
        {"after close", &TDataSet::SetAfterClose, [](auto& t) { t.Table->Close(); }, true},
        {"after refresh", &TDataSet::SetAfterRefresh, [](auto& t) { t.Table->UndoLastChange(true); }, true},
        {"before delete", &TDataSet::SetBeforeDelete, [](auto& t) { t.Table->Delete(); }, false},
        {"after scroll", &TDataSet::SetAfterScroll, [](auto& t) { t.Table->SetFiltered(true); }, false},
    };
    AddSum(goSum, "FAMOUNT");
    for (const THookCase& c : cases) {
        TSumListTable<> table;
        table.Add(1, 1.0, 1);
        table.Table->SetFilter("FAMOUNT > 0");
        std::vector<std::string> log;
        (table.Table->*c.Install)([&](TDataSet*) { log.push_back("saved"); });
        TDBSumListProducer producer(nullptr);
        producer.SumCollection()->Assign(Producer.SumCollection());
        producer.SetDataSet(table.Table);
        producer.SetSumListChanged([&](TObject*) { log.push_back("sums"); });
        c.Trigger(table);
        ASSERT_NE(std::find(log.begin(), log.end(), "saved"), log.end()) << c.Name;
        ASSERT_NE(std::find(log.begin(), log.end(), "sums"), log.end()) << c.Name;
        EXPECT_EQ(log.front(), c.OwnWorkFirst ? "sums" : "saved") << c.Name;
    }
}

TEST_F(SumList, EditAndInsertHandlersSeeTheRememberedValues)
{
    T.Add(1, 5.0, 1);
    TDBSum* sum = AddSum(goSum, "FAMOUNT");
    std::vector<Currency> seen;
    T.Table->SetAfterEdit([&](TDataSet*) { seen.push_back(sum->OldValue()); });
    T.Table->SetAfterInsert([&](TDataSet*) { seen.push_back(sum->OldValue()); });
    Producer.SetDataSet(T.Table);
    T.Table->Edit();
    T.Table->Cancel();
    T.Table->Insert();
    EXPECT_EQ(seen, (std::vector<Currency>{Amount(5), Amount(0)}));
}

TEST_F(SumList, DeactivatingGivesTheDatasetItsHandlersBack)
{
    T.Add(1, 5.0, 1);
    TDBSum* sum = AddSum(goSum, "FAMOUNT");
    int ownPosts = 0;
    T.Table->SetAfterPost([&](TDataSet*) { ++ownPosts; });
    Producer.SetDataSet(T.Table);
    EditAmount(1, 6.0);
    EXPECT_EQ(ownPosts, 1);
    EXPECT_EQ(sum->SumValue(), Amount(6));
    Producer.SetActive(false);
    EXPECT_EQ(sum->SumValue(), Amount(0));
    EditAmount(1, 7.0);
    EXPECT_EQ(ownPosts, 2) << "the dataset's own handler is back";
    EXPECT_EQ(sum->SumValue(), Amount(0)) << "and the producer's is gone";
    Producer.SetActive(true);
    EXPECT_EQ(sum->SumValue(), Amount(7));
}

TEST_F(SumList, AHandlerInstalledWhileHookedSurvivesUnhooking)
{
    T.Add(1, 5.0, 1);
    AddSum(goSum, "FAMOUNT");
    Producer.SetDataSet(T.Table);
    int laterPosts = 0;
    T.Table->SetAfterPost([&](TDataSet*) { ++laterPosts; });
    Producer.SetActive(false);
    EditAmount(1, 6.0);
    EXPECT_EQ(laterPosts, 1);
}

TEST_F(SumList, AFreedDatasetIsForgotten)
{
    auto table = std::make_unique<TSumListTable<>>();
    table->Add(1, 5.0, 1);
    AddSum(goSum, "FAMOUNT");
    Producer.SetDataSet(table->Table);
    table.reset();
    EXPECT_EQ(Producer.DataSet(), nullptr);
    EXPECT_EQ(Producer.RecordCount(), 0);
    Producer.SetDataSet(T.Table);
    T.Add(1, 2.0, 1);
    EXPECT_EQ(Producer.SumCollection()->Items(0)->SumValue(), Amount(2));
}

TEST_F(SumList, AnUnknownFieldRaisesAndLeavesTheProducerReady)
{
    T.Add(1, 5.0, 1);
    T.Add(2, 6.0, 1);
    TDBSum* sum = AddSum(goSum, "FNOSUCH");
    std::vector<std::string> log;
    Producer.SetOnRecalcAll([&](TObject*) { log.push_back("pass"); });
    Producer.SetSumListChanged([&](TObject*) { log.push_back("sums"); });
    try {
        Producer.SetDataSet(T.Table);
        FAIL() << "no error";
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Field 'FNOSUCH' not found");
    }
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log.back(), "sums") << "the failed pass still reports its end";
    EXPECT_EQ(log[log.size() - 2], "pass");
    sum->SetFieldName("FAMOUNT");
    EXPECT_EQ(sum->SumValue(), Amount(11));
    T.Table->SetFilter("FAMOUNT > 5");
    T.Table->SetFiltered(true);
    EXPECT_EQ(sum->SumValue(), Amount(6)) << "scrolls are heard again";
}

// A dataset that names its master through a published MasterSource.
class TMasterSourceTable : public TClientDataSet {
    LT_CLASS(TMasterSourceTable)
public:
    using TClientDataSet::TClientDataSet;
    TDataSource* MasterSource() const { return FMasterSource; }
    void SetMasterSource(TDataSource* Value) { FMasterSource = Value; }

private:
    TDataSource* FMasterSource = nullptr;
};

// A dataset that takes its parameters from a master source.
class TParamsTable : public TClientDataSet {
public:
    using TClientDataSet::TClientDataSet;
    TDataSource* ParamsSource() const override { return Source; }
    TDataSource* Source = nullptr;
};
} // namespace

LT_IMPLEMENT_CLASS(TMasterSourceTable, TClientDataSet)
{
    P.Property("MasterSource", &TMasterSourceTable::MasterSource, &TMasterSourceTable::SetMasterSource);
}

namespace {
template <class TDetail>
void ExpectMasterScrollRecalculates(const std::function<void(TDetail*, TDataSource*)>& Link)
{
    TSumListTable<> master;
    master.Add(1, 1.0, 1);
    master.Add(2, 2.0, 2);
    TDataSource source(master.Owner.get());
    source.SetDataSet(master.Table);
    TSumListTable<TDetail> detail;
    Link(detail.Table, &source);
    detail.Add(1, 5.0, 1);
    int masterScrolls = 0;
    master.Table->SetAfterScroll([&](TDataSet*) { ++masterScrolls; });
    TDBSumListProducer producer(nullptr);
    int passes = 0;
    producer.SetOnRecalcAll([&](TObject*) { ++passes; });
    producer.SetDataSet(detail.Table);
    master.Table->Next();
    EXPECT_EQ(passes, 2) << "a pass when hooked, another on the master's scroll";
    EXPECT_EQ(masterScrolls, 1) << "the master's own handler still runs";
    producer.SetActive(false);
    master.Table->First();
    EXPECT_EQ(passes, 2);
    EXPECT_EQ(masterScrolls, 2);
}

TEST(SumListMaster, AMasterSourceScrollRecalculates)
{
    ExpectMasterScrollRecalculates<TMasterSourceTable>(
        [](TMasterSourceTable* detail, TDataSource* source) { detail->SetMasterSource(source); });
}

TEST(SumListMaster, AParamsSourceScrollRecalculates)
{
    ExpectMasterScrollRecalculates<TParamsTable>(
        [](TParamsTable* detail, TDataSource* source) { detail->Source = source; });
}

// A dataset that numbers no records itself.
class TUnnumberedTable : public TClientDataSet {
public:
    using TClientDataSet::TClientDataSet;
    bool IsSequenced() const override { return false; }
};

TEST(SumListVirtualRecords, BookmarksNumberTheRecordsInDatasetOrder)
{
    TSumListTable<TUnnumberedTable> t;
    TDBSumListProducer producer(nullptr);
    producer.SetVirtualRecords(true);
    producer.SetDataSet(t.Table);
    EXPECT_TRUE(producer.IsSequenced()) << "empty: at its beginning and end at once";
    EXPECT_EQ(producer.RecordCount(), 0);
    producer.SetDataSet(nullptr);
    for (int id : {10, 20, 30})
        t.Add(id, 1.0, 1);
    producer.SetDataSet(t.Table);
    EXPECT_EQ(producer.RecordCount(), 3);
    EXPECT_TRUE(producer.IsSequenced());
    ASSERT_TRUE(t.Table->Locate("FID", Variant(20), {}));
    EXPECT_EQ(producer.RecNo(), 2);
    producer.SetRecNo(3);
    EXPECT_EQ(t.Id->AsInteger(), 30);

    ASSERT_TRUE(t.Table->Locate("FID", Variant(10), {}));
    t.Table->Insert();
    t.Id->SetAsInteger(15);
    t.Table->Post();
    EXPECT_EQ(producer.RecordCount(), 4);
    EXPECT_EQ(producer.RecNo(), 2) << "the posted row takes its place in the list";
    for (int recNo = 1; recNo <= 4; ++recNo) {
        producer.SetRecNo(recNo);
        EXPECT_EQ(t.Id->AsInteger(), std::vector<int>({10, 15, 20, 30})[static_cast<std::size_t>(recNo - 1)]);
    }
    t.Table->Insert();
    t.Table->Cancel();
    EXPECT_EQ(producer.RecordCount(), 4);

    ASSERT_TRUE(t.Table->Locate("FID", Variant(20), {}));
    t.Table->Delete();
    EXPECT_EQ(producer.RecordCount(), 3);
    EXPECT_EQ(producer.FindRecordBookmark(t.Table->Bookmark()), 2) << "now on 30";
    EXPECT_THROW(producer.SetRecNo(4), EDatabaseError);
}

// The numbers follow the shown rows: records that leave the filter, and a
// change log taken back.
TEST(SumListVirtualRecords, NumbersFollowTheFilterAndAnUndo)
{
    TSumListTable<TUnnumberedTable> t;
    for (int id : {10, 20, 30, 40})
        t.Add(id, static_cast<double>(id), 1);
    t.Table->SetFilter("FAMOUNT < 35");
    t.Table->SetFiltered(true);
    TDBSumListProducer producer(nullptr);
    producer.SetVirtualRecords(true);
    producer.SetDataSet(t.Table);
    EXPECT_EQ(producer.RecordCount(), 3);
    const auto numbered = [&] {
        std::vector<int> ids;
        for (int recNo = 1; recNo <= producer.RecordCount(); ++recNo) {
            producer.SetRecNo(recNo);
            ids.push_back(t.Id->AsInteger());
        }
        return ids;
    };
    ASSERT_TRUE(t.Table->Locate("FID", Variant(20), {}));
    t.Table->Edit();
    t.Amount->SetAsFloat(50.0);
    t.Table->Post();
    EXPECT_EQ(numbered(), (std::vector<int>{10, 30})) << "an edit out of the filter";
    t.Table->Append();
    t.Id->SetAsInteger(50);
    t.Amount->SetAsFloat(60.0);
    t.Table->Post();
    EXPECT_EQ(numbered(), (std::vector<int>{10, 30})) << "an insert outside it";
    t.Table->UndoLastChange(true);
    t.Table->UndoLastChange(true);
    EXPECT_EQ(numbered(), (std::vector<int>{10, 20, 30})) << "both taken back";
}

TEST(SumListVirtualRecords, ASequencedDatasetKeepsItsOwnNumbers)
{
    TSumListTable<> t;
    t.Add(1, 1.0, 1);
    t.Add(2, 1.0, 1);
    TDBSumListProducer producer(nullptr);
    producer.SetVirtualRecords(true);
    producer.SetDataSet(t.Table);
    EXPECT_TRUE(producer.Bookmarks().empty());
    t.Table->Last();
    EXPECT_EQ(producer.RecNo(), 2);
    EXPECT_EQ(producer.RecordCount(), 2);
}

TEST(SumCollection, FindsItemsByOperationAndFieldNameWithoutCase)
{
    TDBSumListProducer producer(nullptr);
    TDBSum* sum = producer.SumCollection()->Add();
    sum->SetFieldName("FAmount");
    TDBSum* count = producer.SumCollection()->Add();
    count->SetGroupOperation(goCount);
    EXPECT_EQ(producer.SumCollection()->GetSumByOpAndFName(goSum, "famount"), sum);
    EXPECT_EQ(producer.SumCollection()->GetSumByOpAndFName(goCount, ""), count);
    EXPECT_EQ(producer.SumCollection()->GetSumByOpAndFName(goAvg, "FAMOUNT"), nullptr);
}

TEST(SumCollection, AssignCopiesTheProducersSettingsAndItems)
{
    TSumListTable<> t;
    t.Add(1, 4.0, 1);
    TDBSumListProducer source(nullptr);
    TDBSum* sum = source.SumCollection()->Add();
    sum->SetGroupOperation(goAvg);
    sum->SetFieldName("FAMOUNT");
    source.SetVirtualRecords(true);
    source.SetDataSet(t.Table);
    TDBSumListProducer copy(nullptr);
    copy.SetActive(false);
    copy.Assign(&source);
    EXPECT_TRUE(copy.Active());
    EXPECT_TRUE(copy.VirtualRecords());
    EXPECT_EQ(copy.DataSet(), t.Table);
    ASSERT_EQ(copy.SumCollection()->Count(), 1);
    EXPECT_EQ(copy.SumCollection()->Items(0)->GroupOperation(), goAvg);
    EXPECT_EQ(copy.SumCollection()->Items(0)->SumValue(), Currency(4));
}

TEST(SumListOwner, NothingIsHookedWhileTheOwnerIsDesignedUnlessAsked)
{
    TSumListTable<> t;
    t.Add(1, 4.0, 1);
    TComponent grid(nullptr);
    grid.SetDesigning(true);
    TDBSumListProducer producer(&grid);
    TDBSum* sum = producer.SumCollection()->Add();
    sum->SetFieldName("FAMOUNT");
    producer.SetDataSet(t.Table);
    t.Add(2, 1.0, 1);
    EXPECT_EQ(sum->SumValue(), Currency(0));
    EXPECT_EQ(producer.DataSet(), t.Table) << "only the reference is kept";
    producer.SetDesignTimeWork(true);
    producer.Loaded();
    EXPECT_EQ(sum->SumValue(), Currency(5));
}
} // namespace
