// The row store: every value reads back as the Variant it was stored as,
// whether the row holds it natively or keeps it aside, through overwriting,
// copying and compaction.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "platform/data/rowstore.h"
#include "platform/rtl/datetime.h"

namespace {

struct TStoredCase {
    const char* What;
    TFieldType Type;
    int Size;
    Variant Value;
    bool Native;      // held in the row rather than kept aside
};

// Equal values of the same kind (operator== alone compares numbers across kinds).
void ExpectSame(const Variant& actual, const Variant& expected)
{
    EXPECT_EQ(actual.VarType(), expected.VarType());
    EXPECT_TRUE(actual == expected) << VarToStr(actual) << " instead of " << VarToStr(expected);
}

std::vector<TStoredCase> Cases()
{
    const std::string emoji = "\xF0\x9F\x98\x80";   // four bytes of UTF-8
    return {
        {"small integer", ftSmallint, 0, Variant(-32768), true},
        {"small integer as Int64", ftSmallint, 0, Variant(int64_t{32767}), true},
        {"small integer out of its width", ftSmallint, 0, Variant(40000), false},
        {"integer", ftInteger, 0, Variant(std::numeric_limits<int>::max()), true},
        {"integer as Int64", ftInteger, 0, Variant(int64_t{std::numeric_limits<int>::min()}), true},
        {"integer out of its width", ftInteger, 0, Variant(int64_t{1} << 40), false},
        {"a text in an integer column", ftInteger, 0, Variant("12"), false},
        {"64-bit integer", ftLargeint, 0, Variant(std::numeric_limits<int64_t>::min()), true},
        {"64-bit integer largest", ftLargeint, 0, Variant(std::numeric_limits<int64_t>::max()), true},
        {"64-bit integer as Integer", ftLargeint, 0, Variant(7), true},
        {"float", ftFloat, 0, Variant(0.1), true},
        {"currency in a float column", ftFloat, 0, Variant(Currency::FromRaw(15000)), true},
        {"BCD", ftBCD, 0, Variant(Currency::FromRaw(-1234567890123456)), true},
        {"double in a BCD column", ftBCD, 0, Variant(2.5), true},
        {"date", ftDate, 0, Variant::FromDateTime(EncodeDate(2024, 2, 29)), true},
        {"date and time", ftDateTime, 0, Variant::FromDateTime(EncodeDate(1850, 1, 1) + EncodeTime(6, 30, 0, 250)),
         true},
        {"a double in a date column", ftTimeStamp, 0, Variant(45351.25), true},
        {"boolean", ftBoolean, 0, Variant(true), true},
        {"empty text", ftString, 3, Variant(std::string()), true},
        {"text", ftFixedChar, 1, Variant("1"), true},
        {"the longest text of four-byte characters", ftString, 3, Variant(emoji + emoji + emoji), true},
        {"a text longer than its room", ftString, 3, Variant(emoji + emoji + emoji + "x"), false},
        {"a text of a column without a size", ftString, 0, Variant("any"), false},
        {"memo", ftMemo, 0, Variant("lines\nof text"), false},
        {"Null", ftInteger, 0, Variant::Null(), true},
        {"Null text", ftString, 3, Variant::Null(), true},
        {"Unassigned", ftString, 3, Variant(), false},
    };
}

// One column per case, in a store of two rows.
class RowStoreTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::vector<TFieldDef> fields;
        for (const TStoredCase& c : AllCases)
            fields.push_back({c.What, c.Type, c.Size});
        Store = std::make_unique<TRowStore>(std::make_shared<const TRowLayout>(fields));
    }

    // Stores every case's value in a new row.
    TStoredRow& AddCases(TRowStore& store)
    {
        TStoredRow& row = store.Add();
        for (std::size_t i = 0; i < AllCases.size(); ++i)
            store.SetValue(row, static_cast<int>(i), AllCases[i].Value);
        return row;
    }

    int Column(const std::string& what) const
    {
        for (std::size_t i = 0; i < AllCases.size(); ++i)
            if (AllCases[i].What == what)
                return static_cast<int>(i);
        ADD_FAILURE() << "no case " << what;
        return 0;
    }

    void ExpectCases(const TRowStore& store, const TStoredRow& row)
    {
        for (std::size_t i = 0; i < AllCases.size(); ++i) {
            SCOPED_TRACE(AllCases[i].What);
            ExpectSame(store.Value(row, static_cast<int>(i)), AllCases[i].Value);
        }
    }

    const std::vector<TStoredCase> AllCases = Cases();
    std::unique_ptr<TRowStore> Store;
};

TEST_F(RowStoreTest, EveryValueReadsBackAsTheVariantItWasStoredAs)
{
    TStoredRow& row = AddCases(*Store);
    ExpectCases(*Store, row);
    for (std::size_t i = 0; i < AllCases.size(); ++i) {
        SCOPED_TRACE(AllCases[i].What);
        const TValueState state = Store->Layout()->State(row, static_cast<int>(i));
        EXPECT_EQ(state == TValueState::Aside, !AllCases[i].Native);
        EXPECT_EQ(state == TValueState::Null, AllCases[i].Value.IsNull());
    }
    // A new row starts with every column Null, empty text included.
    const TStoredRow& fresh = Store->Add();
    for (int column = 0; column < Store->Layout()->ColumnCount(); ++column)
        EXPECT_TRUE(Store->Value(fresh, column).IsNull()) << AllCases[static_cast<std::size_t>(column)].What;
}

TEST_F(RowStoreTest, OverwritingTurnsNativeValuesAsideAndBack)
{
    TStoredRow& row = AddCases(*Store);
    // Every column takes every other case's value of its type, then its own again.
    for (std::size_t i = 0; i < AllCases.size(); ++i)
        for (const TStoredCase& other : AllCases)
            if (other.Type == AllCases[i].Type) {
                Store->SetValue(row, static_cast<int>(i), other.Value);
                ExpectSame(Store->Value(row, static_cast<int>(i)), other.Value);
            }
    for (std::size_t i = 0; i < AllCases.size(); ++i)
        Store->SetValue(row, static_cast<int>(i), AllCases[i].Value);
    ExpectCases(*Store, row);
    // A native write over a value kept aside drops it.
    const int text = Column("a text longer than its room");
    ASSERT_EQ(Store->Layout()->State(row, text), TValueState::Aside);
    EXPECT_TRUE(Store->SetText(row, text, "ok"));
    EXPECT_EQ(Store->Value(row, text).AsString(), "ok");
    EXPECT_FALSE(Store->SetText(row, text, std::string(13, 'x')));
    EXPECT_EQ(Store->Value(row, text).AsString(), "ok");
}

TEST_F(RowStoreTest, CopiesAndCompactionKeepEveryValueWithItsRow)
{
    const TStoredRow& dropped = Store->Add();
    const int64_t droppedId = dropped.Id;
    AddCases(*Store);
    Store->Compact([droppedId](const TStoredRow& row) { return row.Id != droppedId; });
    ASSERT_EQ(Store->Count(), 1u);
    ExpectCases(*Store, Store->Row(0));

    TRowStore copies(Store->Layout());
    TStoredRow& whole = copies.Add();
    copies.CopyRow(whole, *Store, Store->Row(0));
    ExpectCases(copies, whole);
    TStoredRow& byValue = copies.Add();
    for (int column = 0; column < Store->Layout()->ColumnCount(); ++column)
        copies.CopyValue(byValue, column, *Store, Store->Row(0), column);
    ExpectCases(copies, byValue);
}

TEST(RowStore, OrdersIntegersNativelyAndOtherValuesAsTheIndexDoes)
{
    const std::vector<TFieldDef> fields{{"I", ftInteger}, {"S", ftString, 10}};
    TRowStore store(std::make_shared<const TRowLayout>(fields));
    const struct {
        Variant A;
        Variant B;
        int Order;
    } cases[] = {
        {Variant(-5), Variant(int64_t{3}), -1},
        {Variant(int64_t{1} << 40), Variant(7), 1},      // kept aside against native
        {Variant::Null(), Variant(-1000), -1},
        {Variant::Null(), Variant::Null(), 0},
        {Variant("бета"), Variant("Альфа"), 1},
        {Variant("a"), Variant("A"), -1},                // equal but for case: lower case first
        {Variant(std::string()), Variant::Null(), 1},    // an empty text is a value
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(VarToStr(c.A) + " against " + VarToStr(c.B));
        const int column = c.A.VarType() == TVarType::varString || c.B.VarType() == TVarType::varString ? 1 : 0;
        TStoredRow& a = store.Add();
        TStoredRow& b = store.Add();
        store.SetValue(a, column, c.A);
        store.SetValue(b, column, c.B);
        EXPECT_EQ(store.Compare(a, b, column), c.Order);
        EXPECT_EQ(store.Compare(b, a, column), -c.Order);
    }
}

} // namespace
