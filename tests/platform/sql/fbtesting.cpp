#include "fbtesting.h"

std::vector<std::vector<Variant>> RunSql(TFbStatement& statement, const std::string& sql, int dialect,
                                      const std::vector<Variant>& params)
{
    statement.Prepare(sql, dialect);
    for (size_t i = 0; i < params.size(); ++i)
        statement.SetParam(static_cast<int>(i), params[i]);
    statement.Execute();
    std::vector<std::vector<Variant>> rows;
    while (statement.Fetch()) {
        std::vector<Variant> row;
        for (size_t i = 0; i < statement.Columns().size(); ++i)
            row.push_back(statement.Value(static_cast<int>(i)));
        rows.push_back(std::move(row));
    }
    return rows;
}

void FbTest::SetUp()
{
    Db.Create(Dir.File("test.gdb"), "SYSDBA", "", Dialect(), "UTF8");
    Tr.Start();
}

std::vector<std::vector<Variant>> FbTest::Sql(const std::string& sql, const std::vector<Variant>& params)
{
    TFbStatement statement(Db, Tr);
    return RunSql(statement, sql, Dialect(), params);
}

void FbTest::Ddl(const std::string& sql)
{
    Sql(sql);
    Tr.Commit();
    Tr.Start();
}
