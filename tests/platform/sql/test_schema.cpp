// The program's schema: tables, the programme's guard on schemes and the
// time table check, in a database made by scripts/create-database.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fbtesting.h"

namespace {

const std::string StartNotBeforeEnd =
    "Время \"включения\" не раньше времени \"работать по ...\" этой же строки !";
const std::string OverlapsPrevious =
    "Время \"включения\" раньше времени \"работать по ...\" предыдущей строки !";

class LightingSchema : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(RunCreateDatabase(SourceFile("resources/lighting.sql"), Dir.File("lighting.gdb")), 0);
        Db.Attach(Dir.File("lighting.gdb"), "SYSDBA", "", "", "UTF8");
        Tr.Start();
    }

    std::vector<std::vector<Variant>> Sql(const std::string& sql, const std::vector<Variant>& params = {})
    {
        TFbStatement statement(Db, Tr);
        return RunSql(statement, sql, 1, params);
    }

    void AddScheme(int scheme, const std::string& name, int steps)
    {
        Sql("INSERT INTO SCHEMES (FSCHEME, FNAME) VALUES (?, ?)", {scheme, name});
        TFbStatement insert(Db, Tr);
        insert.Prepare("INSERT INTO LIGHTING (FID, FSCHEME, FDELAY, F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11,"
                       " F12, F13, F14, F15, F16) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                       1);
        for (int step = 1; step <= steps; ++step) {
            insert.SetParam(0, step);
            insert.SetParam(1, scheme);
            insert.SetParam(2, 100 * step);
            for (int channel = 0; channel < 16; ++channel)
                insert.SetParam(3 + channel, (channel + step) % 2 ? "1" : "0");
            insert.Execute();
        }
    }

    int64_t Steps(int scheme)
    {
        return Sql("SELECT COUNT(*) FROM LIGHTING WHERE FSCHEME = ?", {scheme})[0][0].AsInt64();
    }

    TTempDir Dir;
    TFbDatabase Db;
    TFbTransaction Tr{Db};
};

struct TInterval {
    int Id, OnHour, OnMinute, ToHour, ToMinute;
};

struct TTimeTableCase {
    const char* Name;
    std::vector<TInterval> Rows; // inserted in this order
    int Rec;
    std::string Res;
};

TEST_F(LightingSchema, TestTimeFindsTheFirstBadIntervalInIdOrder)
{
    const TTimeTableCase cases[] = {
        {"empty", {}, 0, "OK"},
        {"valid, touching", {{30, 18, 0, 23, 0}, {10, 6, 30, 8, 0}, {20, 8, 0, 17, 59}}, 0, "OK"},
        {"ends before it starts", {{1, 6, 0, 7, 0}, {2, 9, 0, 8, 59}, {3, 10, 0, 9, 0}}, 2, StartNotBeforeEnd},
        {"empty interval", {{5, 12, 15, 12, 15}}, 1, StartNotBeforeEnd},
        {"overlap", {{40, 12, 0, 12, 30}, {10, 6, 0, 7, 0}, {20, 7, 0, 9, 0}, {30, 8, 59, 10, 0}}, 3,
         OverlapsPrevious},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Sql("DELETE FROM FTIME");
        for (const auto& row : c.Rows)
            Sql("INSERT INTO FTIME (FID, FONHOUR, FONMINUTE, FTOHOUR, FTOMINUTE) VALUES (?, ?, ?, ?, ?)",
                {row.Id, row.OnHour, row.OnMinute, row.ToHour, row.ToMinute});
        const auto selected = Sql("SELECT REC, RES FROM TEST_TIME");
        ASSERT_EQ(selected.size(), 1u);
        EXPECT_EQ(selected[0][0], Variant(c.Rec));
        EXPECT_EQ(selected[0][1].AsString(), c.Res);
        const auto executed = Sql("EXECUTE PROCEDURE TEST_TIME");
        ASSERT_EQ(executed.size(), 1u);
        EXPECT_EQ(executed[0][0], Variant(c.Rec));
        EXPECT_EQ(executed[0][1].AsString(), c.Res);
    }
}

TEST_F(LightingSchema, TimeTableRefusesImpossibleTimes)
{
    const TInterval bad[] = {{1, 24, 0, 23, 0}, {2, 0, 60, 1, 0}, {3, 0, 0, -1, 0}, {4, 0, 0, 1, 60}};
    for (const auto& row : bad)
        EXPECT_THROW(Sql("INSERT INTO FTIME (FID, FONHOUR, FONMINUTE, FTOHOUR, FTOMINUTE) VALUES (?, ?, ?, ?, ?)",
                         {row.Id, row.OnHour, row.OnMinute, row.ToHour, row.ToMinute}),
                     EDatabaseError)
            << row.Id;
    EXPECT_EQ(Sql("SELECT COUNT(*) FROM FTIME")[0][0], Variant(0));
}

TEST_F(LightingSchema, StepsGoWithTheirScheme)
{
    AddScheme(1, "Бегущий огонь", 3);
    AddScheme(2, "Мигание", 2);
    const auto step = Sql("SELECT FDELAY, F1, F2, F16 FROM LIGHTING WHERE FSCHEME = 1 AND FID = 2");
    EXPECT_EQ(step[0][0], Variant(200));
    EXPECT_EQ(step[0][1], Variant("0"));
    EXPECT_EQ(step[0][2], Variant("1"));
    EXPECT_EQ(step[0][3], Variant("1"));

    Sql("UPDATE SCHEMES SET FSCHEME = 7 WHERE FSCHEME = 1");
    EXPECT_EQ(Steps(1), 0);
    EXPECT_EQ(Steps(7), 3);

    TFbStatement erase(Db, Tr);
    RunSql(erase, "DELETE FROM SCHEMES WHERE FSCHEME = 7", 1);
    EXPECT_EQ(erase.RowsAffected(), 1); // the steps the cascade took are not counted
    EXPECT_EQ(Steps(7), 0);
    EXPECT_EQ(Steps(2), 2);
    EXPECT_THROW(Sql("INSERT INTO LIGHTING (FID, FSCHEME, FDELAY, F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11,"
                     " F12, F13, F14, F15, F16) VALUES (1, 99, 0, '0', '0', '0', '0', '0', '0', '0', '0', '0',"
                     " '0', '0', '0', '0', '0', '0', '0')"),
                 EDatabaseError);
}

TEST_F(LightingSchema, ASchemeInTheProgrammeCannotBeDeleted)
{
    AddScheme(1, "Волна", 4);
    AddScheme(2, "Пусто", 0);
    Sql("INSERT INTO PROGRAMM (FID, FSCHEME, FCOUNT) VALUES (1, 1, 5)");
    try {
        Sql("DELETE FROM SCHEMES WHERE FSCHEME = 1");
        FAIL() << "the scheme was deleted";
    } catch (const EDatabaseError& e) {
        EXPECT_NE(e.Message().find("Схема используется в программе: сначала удалите её строки из программы"),
                  std::string::npos)
            << e.Message();
    }
    EXPECT_EQ(Steps(1), 4);
    EXPECT_EQ(Sql("SELECT FNAME FROM SCHEMES WHERE FSCHEME = 1")[0][0], Variant("Волна"));
    // Nor can the programme point at a scheme that is not there.
    EXPECT_THROW(Sql("INSERT INTO PROGRAMM (FID, FSCHEME, FCOUNT) VALUES (2, 99, 1)"), EDatabaseError);

    Sql("DELETE FROM SCHEMES WHERE FSCHEME = 2");
    Sql("DELETE FROM PROGRAMM WHERE FID = 1");
    Sql("DELETE FROM SCHEMES WHERE FSCHEME = 1");
    EXPECT_EQ(Sql("SELECT COUNT(*) FROM SCHEMES")[0][0], Variant(0));
    EXPECT_EQ(Steps(1), 0);
}

TEST_F(LightingSchema, TheDatabaseIsDialectOneUtf8)
{
    const auto rows =
        Sql("SELECT MON$SQL_DIALECT, TRIM(RDB$CHARACTER_SET_NAME), TRIM(MON$OWNER) FROM MON$DATABASE, RDB$DATABASE");
    EXPECT_EQ(rows[0][0], Variant(1));
    EXPECT_EQ(rows[0][1], Variant("UTF8"));
    EXPECT_EQ(rows[0][2], Variant("SYSDBA"));
}

} // namespace
