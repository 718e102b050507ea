// Attachments, transactions and statements: execution, re-execution and errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fbtesting.h"

namespace {

// The message of the EDatabaseError `action` raises; fails the test when it raises none.
template <typename Action>
std::string DatabaseError(Action action)
{
    try {
        action();
    } catch (const EDatabaseError& e) {
        return e.Message();
    }
    ADD_FAILURE() << "no EDatabaseError";
    return "";
}

class FbStatement : public FbTest {
protected:
    void SetUp() override
    {
        FbTest::SetUp();
        Ddl("CREATE TABLE T (ID INTEGER NOT NULL PRIMARY KEY, NAME VARCHAR(30), QTY INTEGER)");
    }

    int64_t Count() { return Sql("SELECT COUNT(*) FROM T")[0][0].AsInt64(); }
};

TEST_F(FbStatement, OnePreparedInsertRunsWithNewValuesEachTime)
{
    TFbStatement insert(Db, Tr);
    insert.Prepare("INSERT INTO T (ID, NAME, QTY) VALUES (?, ?, ?)", 3);
    ASSERT_EQ(insert.Params().size(), 3u);
    for (int i = 1; i <= 200; ++i) {
        insert.SetParam(0, i);
        insert.SetParam(1, "имя " + std::to_string(i));
        insert.SetParam(2, i % 3 == 0 ? Variant::Null() : Variant(i * 10));
        insert.Execute();
        EXPECT_EQ(insert.RowsAffected(), 1);
    }
    const auto rows = Sql("SELECT COUNT(*), SUM(ID), SUM(QTY), COUNT(QTY), MAX(NAME) FROM T");
    EXPECT_EQ(rows[0][0], Variant(200));
    EXPECT_EQ(rows[0][1], Variant(20100));
    EXPECT_EQ(rows[0][2], Variant((20100 - 3 * (66 * 67 / 2)) * 10));
    EXPECT_EQ(rows[0][3], Variant(134));
    EXPECT_EQ(rows[0][4], Variant("имя 99"));
}

TEST_F(FbStatement, ParametersKeepTheirValuesUntilSetAgain)
{
    TFbStatement insert(Db, Tr);
    insert.Prepare("INSERT INTO T (ID, NAME) VALUES (?, ?)", 3);
    insert.SetParam(1, "same");
    for (int id = 1; id <= 3; ++id) {
        insert.SetParam(0, id);
        insert.Execute();
    }
    EXPECT_EQ(Sql("SELECT COUNT(*) FROM T WHERE NAME = 'same'")[0][0], Variant(3));
    // A new Prepare starts from NULL.
    insert.Prepare("INSERT INTO T (ID, NAME) VALUES (?, ?)", 3);
    insert.SetParam(0, 4);
    insert.Execute();
    EXPECT_TRUE(Sql("SELECT NAME FROM T WHERE ID = 4")[0][0].IsNull());
}

TEST_F(FbStatement, RowsAffectedCountsTheLastExecution)
{
    for (int id = 1; id <= 5; ++id)
        Sql("INSERT INTO T (ID, QTY) VALUES (?, ?)", {id, id % 2});
    TFbStatement statement(Db, Tr);
    struct TCase {
        const char* Sql;
        int64_t Rows;
    };
    const TCase cases[] = {
        {"UPDATE T SET NAME = 'odd' WHERE QTY = 1", 3},
        {"UPDATE T SET NAME = 'none' WHERE ID > 100", 0},
        {"DELETE FROM T WHERE QTY = 0", 2},
        {"INSERT INTO T (ID) SELECT ID + 10 FROM T", 3},
        {"SELECT * FROM T", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Sql);
        RunSql(statement, c.Sql, 3);
        EXPECT_EQ(statement.RowsAffected(), c.Rows);
    }
}

TEST_F(FbStatement, ASelectCanBeReExecutedAndClosedEarly)
{
    for (int id = 1; id <= 4; ++id)
        Sql("INSERT INTO T (ID) VALUES (?)", {id});
    TFbStatement select(Db, Tr);
    select.Prepare("SELECT ID FROM T WHERE ID >= ? ORDER BY ID", 3);
    select.SetParam(0, 2);
    select.Execute();
    ASSERT_TRUE(select.Fetch());
    EXPECT_EQ(select.Value(0), Variant(2));
    // Executing again while the cursor is open starts over with the new value.
    select.SetParam(0, 3);
    select.Execute();
    ASSERT_TRUE(select.Fetch());
    EXPECT_EQ(select.Value(0), Variant(3));
    ASSERT_TRUE(select.Fetch());
    EXPECT_EQ(select.Value(0), Variant(4));
    EXPECT_FALSE(select.Fetch());
    EXPECT_FALSE(select.Fetch());
    select.Execute();
    ASSERT_TRUE(select.Fetch());
    select.CloseCursor();
    EXPECT_FALSE(select.Fetch());
    // A cursor its transaction closed is no obstacle either.
    select.Execute();
    Tr.Commit();
    Tr.Start();
    select.CloseCursor();
    select.Execute();
    EXPECT_TRUE(select.Fetch());
}

TEST_F(FbStatement, ASingletonResultIsFetchedOnce)
{
    TFbStatement statement(Db, Tr);
    const auto rows = RunSql(statement, "INSERT INTO T (ID, NAME) VALUES (?, ?) RETURNING ID * 2, NAME", 3, {21, "x"});
    EXPECT_FALSE(statement.IsSelect());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], Variant(42));
    EXPECT_EQ(rows[0][1], Variant("x"));
    EXPECT_EQ(Count(), 1);
}

TEST_F(FbStatement, TransactionsCommitAndRollBack)
{
    Sql("INSERT INTO T (ID) VALUES (1)");
    Tr.Rollback();
    EXPECT_FALSE(Tr.Active());
    Tr.Start();
    EXPECT_EQ(Count(), 0);
    Sql("INSERT INTO T (ID) VALUES (2)");
    Tr.Commit();
    {
        TFbTransaction other(Db);
        other.Start();
        TFbStatement statement(Db, other);
        EXPECT_EQ(RunSql(statement, "SELECT ID FROM T", 3)[0][0], Variant(2));
        RunSql(statement, "INSERT INTO T (ID) VALUES (3)", 3);
    } // rolled back when destroyed
    Tr.Start();
    EXPECT_EQ(Count(), 1);
    EXPECT_NE(DatabaseError([&] { Tr.Start(); }), "");
}

TEST_F(FbStatement, ServerErrorsCarryTheServersText)
{
    const std::string syntax = DatabaseError([&] { Sql("SELEC ID FROM T"); });
    EXPECT_NE(syntax.find("Token unknown"), std::string::npos) << syntax;
    EXPECT_NE(syntax.find("SELEC"), std::string::npos) << syntax;

    const std::string unknown = DatabaseError([&] { Sql("SELECT NOPE FROM T"); });
    EXPECT_NE(unknown.find("NOPE"), std::string::npos) << unknown;

    Sql("INSERT INTO T (ID) VALUES (1)");
    try {
        Sql("INSERT INTO T (ID) VALUES (?)", {1});
        FAIL() << "a duplicate key was accepted";
    } catch (const EFbError& e) {
        EXPECT_NE(e.Message().find("violation of PRIMARY or UNIQUE KEY constraint"), std::string::npos)
            << e.Message();
        EXPECT_NE(e.Message().find("\"T\""), std::string::npos) << e.Message();
        EXPECT_EQ(e.ErrorCode(), isc_unique_key_violation);
        EXPECT_EQ(e.SqlCode(), -803);
    }
    // The transaction goes on after a failed statement.
    EXPECT_EQ(Count(), 1);
}

TEST_F(FbStatement, MisuseIsAnErrorNotACrash)
{
    TFbStatement statement(Db, Tr);
    EXPECT_THROW(statement.Execute(), EDatabaseError);
    EXPECT_THROW(statement.Columns(), EDatabaseError);
    statement.Prepare("SELECT ID FROM T WHERE ID = ?", 3);
    EXPECT_THROW(statement.SetParam(1, 0), EDatabaseError);
    EXPECT_THROW(statement.SetParam(-1, 0), EDatabaseError);
    EXPECT_THROW(statement.Value(1), EDatabaseError);
    EXPECT_FALSE(statement.Fetch());

    TFbTransaction idle(Db);
    TFbStatement unstarted(Db, idle);
    EXPECT_THROW(unstarted.Prepare("SELECT ID FROM T", 3), EDatabaseError);
    EXPECT_THROW(idle.Commit(), EDatabaseError);
}

TEST_F(FbStatement, DetachRollsBackWhatIsStillActive)
{
    TFbStatement statement(Db, Tr);
    RunSql(statement, "INSERT INTO T (ID) VALUES (1)", 3);
    TFbTransaction idle(Db);
    Db.Detach();
    EXPECT_FALSE(Db.Attached());
    EXPECT_FALSE(Tr.Active());
    Db.Detach();
    EXPECT_THROW(statement.Execute(), EDatabaseError);

    Db.Attach(Dir.File("test.gdb"), "SYSDBA", "", "", "UTF8");
    EXPECT_THROW(Db.Attach(Dir.File("test.gdb"), "SYSDBA", "", "", "UTF8"), EDatabaseError);
    Tr.Start();
    // The statement of the earlier attachment prepares again in this one.
    EXPECT_EQ(RunSql(statement, "SELECT COUNT(*) FROM T", 3)[0][0], Variant(0));
}

TEST(FbAttach, AMissingFileGivesTheClientsMessage)
{
    const TTempDir dir;
    const std::string path = dir.File("missing.gdb");
    TFbDatabase db;
    const std::string message = DatabaseError([&] { db.Attach(path, "SYSDBA", "", "", "UTF8"); });
    EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_FALSE(db.Attached());
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(FbAttach, AnUnreachableServerIsAnError)
{
    TFbDatabase db;
    const std::string message =
        DatabaseError([&] { db.Attach("127.0.0.1/1:/nonexistent.gdb", "SYSDBA", "masterkey", "", "UTF8"); });
    EXPECT_NE(message.find("127.0.0.1"), std::string::npos) << message;
    EXPECT_FALSE(db.Attached());
}

TEST(FbAttach, CreateMakesTheDialectAndCharsetAsked)
{
    const TTempDir dir;
    for (const int dialect : {1, 3}) {
        SCOPED_TRACE(dialect);
        const std::string path = dir.File("d" + std::to_string(dialect) + ".gdb");
        TFbDatabase db;
        db.Create(path, "SYSDBA", "", dialect, "UTF8");
        TFbTransaction tr(db);
        tr.Start();
        TFbStatement statement(db, tr);
        const auto rows = RunSql(statement,
                              "SELECT MON$SQL_DIALECT, TRIM(RDB$CHARACTER_SET_NAME) FROM MON$DATABASE, RDB$DATABASE",
                              dialect);
        EXPECT_EQ(rows[0][0], Variant(dialect));
        EXPECT_EQ(rows[0][1], Variant("UTF8"));
        EXPECT_THROW(TFbDatabase().Create(path, "SYSDBA", "", dialect, "UTF8"), EDatabaseError);
    }
}

} // namespace
