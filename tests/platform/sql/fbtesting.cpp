#include "fbtesting.h"

#include <cstdlib>
#include <stdexcept>
#include <sys/wait.h>

TTempDir::TTempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "lighting-sql-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    FPath = pattern;
}

TTempDir::~TTempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
}

std::string SourceFile(const std::string& relative)
{
    return std::string(LIGHTING_SOURCE_DIR) + "/" + relative;
}

namespace {

std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

int RunCreateDatabase(const std::string& schema, const std::string& target)
{
    const std::string command = ShellQuoted(SourceFile("scripts/create-database")) + " " + ShellQuoted(schema)
                                + " " + ShellQuoted(target) + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

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
