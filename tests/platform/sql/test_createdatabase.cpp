// scripts/create-database: creates when missing, never overwrites, leaves
// nothing behind when the schema fails.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fbtesting.h"

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

TEST(CreateDatabase, CreatesAMissingDatabaseFromTheSchema)
{
    const TTempDir dir;
    const std::string target = dir.File("sub folder/it's.gdb");
    ASSERT_EQ(RunCreateDatabase(SourceFile("resources/lighting.sql"), target), 0);
    TFbDatabase db;
    db.Attach(target, "SYSDBA", "", "", "UTF8");
    TFbTransaction tr(db);
    tr.Start();
    TFbStatement statement(db, tr);
    EXPECT_EQ(RunSql(statement, "SELECT COUNT(*) FROM SCHEMES", 1)[0][0], Variant(0));
}

TEST(CreateDatabase, LeavesAnExistingFileUntouched)
{
    const TTempDir dir;
    const std::string target = dir.File("lighting.gdb");
    WriteFile(target, "the operator's data");
    const auto stamp = std::filesystem::last_write_time(target);
    EXPECT_EQ(RunCreateDatabase(SourceFile("resources/lighting.sql"), target), 0);
    EXPECT_EQ(ReadFile(target), "the operator's data");
    EXPECT_EQ(std::filesystem::last_write_time(target), stamp);
}

TEST(CreateDatabase, AFailingSchemaLeavesNoFile)
{
    const TTempDir dir;
    const std::string schema = dir.File("broken.sql");
    WriteFile(schema, "CREATE TABLE A (X INTEGER);\nCREATE TABEL B (Y INTEGER);\n");
    const std::string target = dir.File("lighting.gdb");
    EXPECT_NE(RunCreateDatabase(schema, target), 0);
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()),
              1); // the schema alone
    EXPECT_NE(RunCreateDatabase(dir.File("no such schema.sql"), target), 0);
    EXPECT_FALSE(std::filesystem::exists(target));
}

} // namespace
