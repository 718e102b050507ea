// The rows a query keeps, and a client table's rows packed from it by a
// provider, read every column as the statement itself gives it: integers and
// texts stored straight from the client's buffers, every other type, Nulls
// and the longest texts included.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fbtesting.h"
#include "platform/data/clientdataset.h"
#include "platform/data/provider.h"
#include "platform/rtl/datetime.h"
#include "platform/sql/sqlconnection.h"
#include "platform/sql/sqlquery.h"

namespace {

class QueryRows : public FbTest {
protected:
    void SetUp() override
    {
        FbTest::SetUp();
        Ddl("CREATE TABLE T (ID INTEGER NOT NULL PRIMARY KEY, S SMALLINT, I INTEGER, B BIGINT, F FLOAT,"
            " D DOUBLE PRECISION, N2 NUMERIC(9,2), N6 NUMERIC(18,6), C CHAR(3), C1 CHAR(1), V VARCHAR(5),"
            " W VARCHAR(300), DT DATE, TS TIMESTAMP, TB BLOB SUB_TYPE TEXT, BO BOOLEAN)");
        const std::string four = "\xF0\x9F\x98\x80";
        const std::vector<std::vector<Variant>> rows = {
            {1, -32768, 2147483647, int64_t(-9223372036854775807LL), 0.1, 2.5, Currency::FromRaw(123400),
             1.234567, "Жук", "1", four + four + four + four + four, std::string(300, 'w'),
             Variant::FromDateTime(EncodeDate(2024, 2, 29)),
             Variant::FromDateTime(EncodeDate(1850, 1, 1) + EncodeTime(6, 30, 0, 250)), "строка\nвторая", true},
            {2, 0, -1, int64_t(0), -0.5, 0.0, Currency(0), 0.0, "", "", "", "", Variant::FromDateTime(1.0),
             Variant::FromDateTime(0.0), "", false},
            {3, Variant::Null(), Variant::Null(), Variant::Null(), Variant::Null(), Variant::Null(), Variant::Null(),
             Variant::Null(), Variant::Null(), Variant::Null(), Variant::Null(), Variant::Null(), Variant::Null(),
             Variant::Null(), Variant::Null(), Variant::Null()},
        };
        for (const auto& row : rows)
            Sql("INSERT INTO T VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)", row);
        Tr.Commit();
        Tr.Start();
        Expected = Sql(Select);
        Tr.Commit();
        Db.Detach();

        Owner = std::make_unique<TComponent>(nullptr);
        auto* connection = new TSQLConnection(Owner.get());
        connection->Params()->SetValues("Database", Dir.File("test.gdb"));
        connection->Params()->SetValues("User_Name", "SYSDBA");
        Query = new TSQLQuery(Owner.get());
        Query->SetSQLConnection(connection);
        Query->SQL()->SetText(Select);
        auto* provider = new TDataSetProvider(Owner.get());
        provider->SetName("dspT");
        provider->SetDataSet(Query);
        Table = new TClientDataSet(Owner.get());
        Table->SetProviderName("dspT");
    }

    // Every row of the dataset, column by column, equals the statement's.
    void ExpectRows(TDataSet& dataSet)
    {
        ASSERT_EQ(dataSet.RecordCount(), static_cast<int>(Expected.size()));
        int r = 0;
        for (dataSet.First(); !dataSet.Eof(); dataSet.Next(), ++r) {
            for (int c = 0; c < dataSet.FieldCount(); ++c) {
                const Variant value = dataSet.Fields(c)->Value();
                const Variant& expected = Expected[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
                SCOPED_TRACE("row " + std::to_string(r + 1) + ", " + dataSet.Fields(c)->FieldName());
                EXPECT_EQ(value.VarType(), expected.VarType());
                EXPECT_TRUE(value == expected) << VarToStr(value) << " instead of " << VarToStr(expected);
            }
        }
    }

    const std::string Select = "SELECT * FROM T ORDER BY ID";
    std::vector<std::vector<Variant>> Expected;
    std::unique_ptr<TComponent> Owner;
    TSQLQuery* Query = nullptr;
    TClientDataSet* Table = nullptr;
};

TEST_F(QueryRows, AQueryAndAClientTableFedByItReadEveryColumnAsTheStatementGivesIt)
{
    Query->Open();
    ExpectRows(*Query);
    Table->Open();
    ExpectRows(*Table);
}

} // namespace
