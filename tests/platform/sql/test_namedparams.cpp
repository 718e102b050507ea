#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sql/namedparams.h"

namespace {

struct TNamedCase {
    const char* Sql;
    const char* Converted;
    std::vector<std::string> Names;
};

TEST(ConvertNamedParams, ReplacesNamesOutsideLiteralsAndComments)
{
    const TNamedCase cases[] = {
        {"SELECT * FROM T", "SELECT * FROM T", {}},
        {"SELECT * FROM T WHERE A = :A AND B=:b_2", "SELECT * FROM T WHERE A = ? AND B=?", {"A", "b_2"}},
        {"UPDATE T SET X = :X WHERE ID = :ID OR X = :X", "UPDATE T SET X = ? WHERE ID = ? OR X = ?",
         {"X", "ID", "X"}},
        {"VALUES (:A,:B)", "VALUES (?,?)", {"A", "B"}},
        {"WHERE N = :$n", "WHERE N = ?", {"$n"}},
        {"WHERE S = ':A' AND T = :B", "WHERE S = ':A' AND T = ?", {"B"}},
        {"WHERE S = 'it''s :A' AND T = :B", "WHERE S = 'it''s :A' AND T = ?", {"B"}},
        {"SELECT \"Col:A\" FROM T WHERE X = :X", "SELECT \"Col:A\" FROM T WHERE X = ?", {"X"}},
        {"SELECT 1 -- :A\nFROM T WHERE X = :X", "SELECT 1 -- :A\nFROM T WHERE X = ?", {"X"}},
        {"SELECT /* :A\n:B */ :C FROM T", "SELECT /* :A\n:B */ ? FROM T", {"C"}},
        {"SELECT CAST(X AS INTEGER)::A", "SELECT CAST(X AS INTEGER)::A", {}},
        {"A = : B AND C = :", "A = : B AND C = :", {}},
        {"X = 1 - -:A", "X = 1 - -?", {"A"}},
        {"X = 4/2*:A", "X = 4/2*?", {"A"}},
        {"WHERE S = 'open :A", "WHERE S = 'open :A", {}},
        {"WHERE X = :A /* open :B", "WHERE X = ? /* open :B", {"A"}},
        {"WHERE X = :A -- :B", "WHERE X = ? -- :B", {"A"}},
        {"WHERE T = 'Ж:' || :Имя", "WHERE T = 'Ж:' || :Имя", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Sql);
        std::vector<std::string> names{"kept"};
        EXPECT_EQ(ConvertNamedParams(c.Sql, names), c.Converted);
        std::vector<std::string> expected{"kept"};
        expected.insert(expected.end(), c.Names.begin(), c.Names.end());
        EXPECT_EQ(names, expected);
    }
}

} // namespace
