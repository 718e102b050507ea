#pragma once
// What the database tests share: a temporary folder removed afterwards, and
// a fixture with a fresh embedded database in it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/sql/fbclient.h"
#include "tests/support/testsupport.h"

// Prepares and runs one statement; for a select, the rows it gives.
std::vector<std::vector<Variant>> RunSql(TFbStatement& statement, const std::string& sql, int dialect,
                                      const std::vector<Variant>& params = {});

// A new database of the dialect `Dialect()` (3 unless overridden), attached
// with UTF8 and a transaction started.
class FbTest : public testing::Test {
protected:
    void SetUp() override;
    virtual int Dialect() const { return 3; }

    // Runs `sql` with `params` in the fixture's transaction.
    std::vector<std::vector<Variant>> Sql(const std::string& sql, const std::vector<Variant>& params = {});
    // Runs DDL and commits it, so later statements see it.
    void Ddl(const std::string& sql);

    TTempDir Dir;
    TFbDatabase Db;
    TFbTransaction Tr{Db};
};
