// The import fuzzers' grid starts every input from the same table: what an
// input imported, and its change log, do not pile up over a run.
#include <gtest/gtest.h>

#include "dbgrid/exchange/gridimporttext.h"
#include "fuzz/gridimportfuzzing.h"
#include "tests/platform/ui/controltesting.h"

TEST(ImportFuzzGrid, EveryInputStartsFromTheSameTable)
{
    TestApplication();
    // A question nobody expected fails the test instead of waiting.
    TApplication::SetMessageBoxHook([](const std::string& Text, const std::string&, unsigned) {
        ADD_FAILURE() << "asked: " << Text;
        return IDCANCEL;
    });
    TImportFuzzGrid grid;
    // Numbers fit the text and number columns the two imports start from.
    const std::string input = "7\t8\r\n9\t10\r\n11\t12\r\n13\t14";
    grid.Import<TDBGridLtImportAsText>(input);
    const int records = grid.Table().RecordCount();
    const int changes = grid.Table().ChangeCount();
    for (int i = 0; i < 3; ++i)
        grid.Import<TDBGridLtImportAsText>(input);
    EXPECT_EQ(grid.Table().RecordCount(), records);
    EXPECT_EQ(grid.Table().ChangeCount(), changes);
    TApplication::SetMessageBoxHook(nullptr);
}
