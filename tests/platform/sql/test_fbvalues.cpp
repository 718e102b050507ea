// Values through parameters into the database and back.
#include <gtest/gtest.h>

#include <string>

#include "fbtesting.h"
#include "platform/rtl/datetime.h"

namespace {

class FbValues : public FbTest {
protected:
    void SetUp() override
    {
        FbTest::SetUp();
        Ddl("CREATE TABLE T (ID INTEGER NOT NULL PRIMARY KEY, S SMALLINT, I INTEGER, B BIGINT, F FLOAT,"
            " D DOUBLE PRECISION, N2 NUMERIC(9,2), N4 NUMERIC(18,4), N6 NUMERIC(18,6), C CHAR(5),"
            " V VARCHAR(20), DT DATE, TM TIME, TS TIMESTAMP, TB BLOB SUB_TYPE TEXT, BB BLOB SUB_TYPE BINARY,"
            " BO BOOLEAN, NN INTEGER NOT NULL)");
    }

    // Stores `value` in `column` of a new row and reads it back.
    Variant RoundTrip(const std::string& column, const Variant& value)
    {
        const int id = ++FLastId;
        Sql("INSERT INTO T (ID, NN, " + column + ") VALUES (?, 0, ?)", {id, value});
        const auto rows = Sql("SELECT " + column + " FROM T WHERE ID = ?", {id});
        EXPECT_EQ(rows.size(), 1u);
        return rows.empty() ? Variant() : rows[0][0];
    }

private:
    int FLastId = 0;
};

struct TRoundTrip {
    const char* Column;
    Variant Value;
    Variant Expected;
    TVarType ExpectedType;
};

TEST_F(FbValues, EveryTypeRoundTripsThroughParameters)
{
    const TDateTime someDay = EncodeDate(2024, 2, 29);
    const TDateTime oldStamp = ComposeDateTime(EncodeDate(1850, 1, 1), EncodeTime(6, 30, 0, 250));
    std::string longText;
    for (int i = 0; i < 20000; ++i)
        longText += "строка " + std::to_string(i) + "\n";
    const std::string binary("\0\x01\xFF\xFE\0end", 8);
    const std::string hostile = "O'Brien\"; DROP TABLE T; -- :name ?";
    const TRoundTrip cases[] = {
        {"S", -32768, -32768, TVarType::varInteger},
        {"S", "123", 123, TVarType::varInteger},
        {"I", 2147483647, 2147483647, TVarType::varInteger},
        {"I", 2.5, 2, TVarType::varInteger}, // Variant rounding: half to even
        {"B", int64_t(-9223372036854775807LL), int64_t(-9223372036854775807LL), TVarType::varInt64},
        {"F", 0.1, 0.1, TVarType::varDouble},
        {"D", 3.141592653589793, 3.141592653589793, TVarType::varDouble},
        {"N2", Currency::FromRaw(123456), Currency::FromRaw(123500), TVarType::varCurrency}, // 12.3456 -> 12.35
        {"N2", "-7.125", Currency::FromRaw(-71300), TVarType::varCurrency},             // ties away from zero
        {"N2", 19.99, Currency::FromRaw(199900), TVarType::varCurrency},
        {"N2", 42, Currency(42), TVarType::varCurrency},
        {"N4", Currency::FromRaw(1234567890123456), Currency::FromRaw(1234567890123456), TVarType::varCurrency},
        {"N6", 1.234567, 1.234567, TVarType::varDouble},
        {"C", "ab", "ab   ", TVarType::varString},
        {"C", "Жук", "Жук  ", TVarType::varString},
        {"V", "Привет, мир", "Привет, мир", TVarType::varString},
        {"V", hostile.substr(0, 20), hostile.substr(0, 20), TVarType::varString},
        {"V", "", "", TVarType::varString},
        {"V", 42, "42", TVarType::varString},
        {"DT", Variant::FromDateTime(someDay), Variant::FromDateTime(someDay), TVarType::varDate},
        {"DT", Variant::FromDateTime(someDay + 0.75), Variant::FromDateTime(someDay), TVarType::varDate},
        {"TM", Variant::FromDateTime(EncodeTime(23, 59, 59, 999)), Variant::FromDateTime(EncodeTime(23, 59, 59, 999)),
         TVarType::varDate},
        {"TS", Variant::FromDateTime(oldStamp), Variant::FromDateTime(oldStamp), TVarType::varDate},
        {"TS", Variant::FromDateTime(EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 59, 0)),
         Variant::FromDateTime(EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 59, 0)), TVarType::varDate},
        {"TB", hostile + "\nвторая строка", hostile + "\nвторая строка", TVarType::varString},
        {"TB", longText, longText, TVarType::varString},
        {"TB", "", "", TVarType::varString},
        {"BB", binary, binary, TVarType::varString},
        {"BO", true, true, TVarType::varBoolean},
        {"BO", false, false, TVarType::varBoolean},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Column) + " <- " + VarToStr(c.Value).substr(0, 40));
        const Variant back = RoundTrip(c.Column, c.Value);
        EXPECT_EQ(back.VarType(), c.ExpectedType);
        EXPECT_TRUE(back == c.Expected) << VarToStr(back).substr(0, 80);
    }
}

TEST_F(FbValues, NullAndUnassignedStoreSqlNull)
{
    const char* columns[] = {"S", "I", "B", "F", "D", "N2", "N4", "N6", "C", "V", "DT", "TM", "TS", "TB", "BB", "BO"};
    for (const char* column : columns) {
        SCOPED_TRACE(column);
        EXPECT_TRUE(RoundTrip(column, Variant::Null()).IsNull());
        EXPECT_TRUE(RoundTrip(column, Variant()).IsNull());
    }
}

TEST_F(FbValues, ColumnsDescribeTypesSizesAndOrigins)
{
    TFbStatement statement(Db, Tr);
    statement.Prepare("SELECT S, I AS \"Alias\", B, F, D, N2, N4, N6, C, V, DT, TM, TS, TB, BB, BO, NN, I + 1 FROM T", 3);
    struct TExpected {
        const char* Name;
        TFbType Type;
        int Size;
        int Scale;
    };
    const TExpected expected[] = {
        {"S", TFbType::Smallint, 2, 0},     {"Alias", TFbType::Integer, 4, 0}, {"B", TFbType::Bigint, 8, 0},
        {"F", TFbType::Float, 4, 0},        {"D", TFbType::Double, 8, 0},      {"N2", TFbType::Numeric, 4, -2},
        {"N4", TFbType::Numeric, 8, -4},    {"N6", TFbType::Numeric, 8, -6},   {"C", TFbType::Char, 5, 0},
        {"V", TFbType::Varchar, 20, 0},     {"DT", TFbType::Date, 4, 0},       {"TM", TFbType::Time, 4, 0},
        {"TS", TFbType::Timestamp, 8, 0},   {"TB", TFbType::TextBlob, 8, 0},   {"BB", TFbType::BinaryBlob, 8, 0},
        {"BO", TFbType::Boolean, 1, 0},     {"NN", TFbType::Integer, 4, 0},    {"ADD", TFbType::Bigint, 8, 0},
    };
    const auto& columns = statement.Columns();
    ASSERT_EQ(columns.size(), std::size(expected));
    for (size_t i = 0; i < columns.size(); ++i) {
        SCOPED_TRACE(expected[i].Name);
        EXPECT_EQ(columns[i].Name, expected[i].Name);
        EXPECT_EQ(columns[i].Type, expected[i].Type);
        EXPECT_EQ(columns[i].Size, expected[i].Size);
        EXPECT_EQ(columns[i].Scale, expected[i].Scale);
    }
    EXPECT_EQ(columns[1].Relation, "T");
    EXPECT_EQ(columns[1].Field, "I");
    EXPECT_TRUE(columns[1].Nullable);
    EXPECT_FALSE(columns[16].Nullable);
    EXPECT_EQ(columns[17].Relation, "");
    EXPECT_TRUE(statement.IsSelect());
}

TEST_F(FbValues, ParametersAreDescribedByTheServer)
{
    TFbStatement statement(Db, Tr);
    statement.Prepare("UPDATE T SET V = ?, N2 = ? WHERE ID = ?", 3);
    const auto& params = statement.Params();
    ASSERT_EQ(params.size(), 3u);
    EXPECT_EQ(params[0].Type, TFbType::Varchar);
    EXPECT_EQ(params[0].Size, 20);
    EXPECT_EQ(params[1].Type, TFbType::Numeric);
    EXPECT_EQ(params[1].Scale, -2);
    EXPECT_EQ(params[2].Type, TFbType::Integer);
    EXPECT_TRUE(statement.Columns().empty());
    EXPECT_FALSE(statement.IsSelect());
}

TEST_F(FbValues, ValuesTheColumnCannotTakeAreRefused)
{
    // The client converts by the parameter's type; range and length are the server's to check.
    EXPECT_THROW(RoundTrip("I", "abc"), EConvertError);
    EXPECT_THROW(RoundTrip("DT", "not a date"), EConvertError);
    EXPECT_THROW(RoundTrip("S", 70000), EDatabaseError);
    EXPECT_THROW(RoundTrip("N2", 1e300), EConvertError);
    try {
        RoundTrip("V", std::string(21, 'x'));
        FAIL() << "a too long text was stored";
    } catch (const EDatabaseError& e) {
        EXPECT_NE(e.Message().find("truncation"), std::string::npos) << e.Message();
    }
    EXPECT_EQ(RoundTrip("V", std::string(20, 'x')), std::string(20, 'x'));
    EXPECT_EQ(RoundTrip("V", "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ"), "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ"); // 20 characters, 40 bytes
}

class FbDialect1 : public FbTest {
protected:
    int Dialect() const override { return 1; }
};

TEST_F(FbDialect1, DateKeepsTheTimeAndWideNumericsAreDoubles)
{
    Ddl("CREATE TABLE T (ID INTEGER NOT NULL, DT DATE, N NUMERIC(15,2), C CHAR(1))");
    const TDateTime stamp = EncodeDate(2023, 12, 31) + EncodeTime(18, 45, 30, 500);
    Sql("INSERT INTO T (ID, DT, N, C) VALUES (?, ?, ?, ?)", {1, Variant::FromDateTime(stamp), 1234567.89, "1"});

    TFbStatement statement(Db, Tr);
    const auto rows = RunSql(statement, "SELECT DT, N, C FROM T", 1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(statement.Columns()[0].Type, TFbType::Timestamp);
    EXPECT_EQ(statement.Columns()[1].Type, TFbType::Numeric);
    EXPECT_EQ(statement.Columns()[2].Size, 1);
    EXPECT_EQ(rows[0][0].VarType(), TVarType::varDate);
    EXPECT_EQ(rows[0][0].AsDateTime(), stamp);
    EXPECT_EQ(rows[0][1].VarType(), TVarType::varCurrency);
    EXPECT_EQ(rows[0][1].AsCurrency(), Currency::FromRaw(12345678900));
    EXPECT_EQ(rows[0][2], Variant("1"));
}

} // namespace
